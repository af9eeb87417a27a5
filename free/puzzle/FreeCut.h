// Cutting a free puzzle's picture into pieces, on every core, and starting a free puzzle from a picture file.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <random>
#include <vector>

#include "free/puzzle/FreeGrid.h"

struct TFreePiece {
  int Index = 0, Row = 0, Column = 0;
  QPoint Home;                  // top-left of Image in picture pixels (the cell grown by the tab margins)
  QImage Image;                 // ARGB32_Premultiplied, full resolution, transparent outside the outline
  std::vector<QImage> Smaller;  // Image at 1/2, 1/4, ... down to about 16 pixels, for drawing zoomed out
};

// Cuts the picture (already at grid.Picture size) on `workers` threads, 0 for every core. The outlines are the
// game's own jigsaw outlines, straight at the picture's border; the same random state gives the same pieces
// whatever the number of workers.
std::vector<TFreePiece> CutFreePuzzle(const QImage& picture, const TFreeGrid& grid, std::mt19937& random,
                                      int workers = 0);

class TFreePuzzle;
struct TFreeOrigin;
// Loads the picture file and makes a whole new puzzle of about `pieces` pieces: decode, keep size, cut, lay out;
// `turned` starts every piece at a random angle. Throws TFreeError with one Russian text naming the file and the
// reason. The puzzle keeps its origin, with a seed drawn from `random`.
std::unique_ptr<TFreePuzzle> StartFreePuzzle(const QString& picture, int pieces, bool turned, std::mt19937& random);
// A new origin: the picture named absolutely, the seed drawn from `random`.
TFreeOrigin NewFreeOrigin(const QString& picture, int pieces, bool turned, std::mt19937& random);
// The puzzle of the origin, the same every time for the same picture; the origin's picture is used as it stands.
std::unique_ptr<TFreePuzzle> StartFreePuzzle(const TFreeOrigin& origin);
