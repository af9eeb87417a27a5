// The saved-game file's layout: a header of the game's progress and level, then every piece with its bitmap.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "game/PicPuzzle.h"

// What a saved game holds, under the game's own field names; read whole before any of it reaches `Puzzle`.
struct TSavedGame {
  QString CompletePuzzle;
  TGameStatus GameStatus;  // all but Last_PicLayer_Index and Fname, which the file does not keep
  int dr = 0;
  int da = 0;
  int level = 0;
  int ColCount = 0;
  int RowCount = 0;
  int speed_movie = 0;
  int limtime = 0;
  QString Pack;
  QString Im_bkg_Path;
  QString Im_bkg_Description;
  std::vector<TPicClip> Pic;
};

// The file's bytes for the game as it stands; a piece without a bitmap is written as a 0 × 0 one.
QByteArray SavedGameBytes(const TPicPuzzle& game);
// Reads a saved game from its bytes. Throws TBinaryFormatError when it ends early, holds an impossible count
// or size, or a bitmap block of another form; nothing is allocated beyond what the bytes can hold.
TSavedGame ParseSavedGame(const QByteArray& bytes);
