// The short tips a new player gets the first time a level brings something new, each shown once per player.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TPicPuzzle;

enum class TTip { FirstLevel, TurnedPieces, Tray, Hint };

// What about a level can be new to a player.
struct TLevelLook {
  bool turned = false;  // some piece starts turned
  bool tray = false;    // the pieces come on the conveyor
};
TLevelLook LookOf(const TPicPuzzle& puzzle);

// The tips a level start brings, in the order they are shown: those of its things the player has not been told
// of. The hint waits for a later start than the first, so the first level teaches only the moves.
std::vector<TTip> TipsFor(TLevelLook level, const QStringList& seen);
QString TipText(TTip tip);
// The tip's name in the player's settings.
QString TipName(TTip tip);

// The tips this player has been shown, from the player's settings.
QStringList SeenTips();
void MarkTipSeen(TTip tip);
// A player who needs no tips: tests that play levels, and the screenshots.
void MarkAllTipsSeen();
