// The grid of a free puzzle: how many columns and rows a picture gets, and at what size it is kept.
#pragma once

#include <QRect>
#include <QSize>

#include "free/puzzle/FreeError.h"

// How many pieces a free puzzle may have.
constexpr int kFewestFreePieces = 12;
constexpr int kMostFreePieces = 1000;
// The kept picture's long side at most; a larger picture is scaled down to it.
constexpr int kLongestFreePicture = 4096;
// A cell side below this cannot hold a tab the player can see.
constexpr int kSmallestFreeCell = 24;

struct TFreeGrid {
  int Columns = 0, Rows = 0;
  QSize Picture;  // the kept picture's size
  bool operator==(const TFreeGrid&) const = default;
};

// Throws TFreeError for a count outside kFewestFreePieces..kMostFreePieces.
void CheckFreePieceCount(int pieces);
// About `pieces` pieces for a picture of `original` size: columns × rows close to `pieces`, cells close to square,
// the picture kept whole at up to kLongestFreePicture on its long side and never enlarged. Throws TFreeError for a
// count outside kFewestFreePieces..kMostFreePieces or a picture whose cells would be under kSmallestFreeCell.
TFreeGrid FitFreeGrid(QSize original, int pieces);
// The cell in kept-picture pixels; the cells tile the kept picture exactly, so neighbours may differ by a pixel.
QRect FreeCell(const TFreeGrid& grid, int column, int row);
