// Sounds both games play: the lock of a piece, and opening a sound file that may not play.
#pragma once

#include <QString>

class TMediaPlayer;

// A piece locking in the level game and a join on the free table are the same event to the player.
inline const QString kLockEffect = QStringLiteral("resources/music/set.wav");

// Opens the file in the player; a file that will not open leaves the game silent and is said once, not per play.
bool OpenSoundOrSayOnce(TMediaPlayer& player, const QString& file);
