// The saved-game file's layout: a header of the game's progress and level, then every piece with its bitmap.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "engine/PicPuzzle.h"

// What a saved game holds, under the game's own field names; read whole before any of it reaches `Puzzle`.
using TSavedGame = TSavedFields;

// The file's bytes for the game as it stands; a piece without a bitmap is written as a 0 × 0 one.
QByteArray SavedGameBytes(const TPicPuzzle& game);
// Reads a saved game from its bytes. Throws TBinaryFormatError when it ends early, holds an impossible count
// or size, or a bitmap block of another form; nothing is allocated beyond what the bytes can hold.
TSavedGame ParseSavedGame(const QByteArray& bytes);
