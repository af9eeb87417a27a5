// Small free puzzles for the model's tests: a generated picture, cut and laid out from a fixed seed.
#pragma once

#include <QImage>
#include <QSize>
#include <memory>

#include "free/puzzle/FreePuzzle.h"

// A picture with something different in every pixel, so a piece shifted by a pixel shows.
QImage FixturePicture(QSize size);
// The fixture picture of that size cut into about `pieces` pieces and laid out.
std::unique_ptr<TFreePuzzle> FixturePuzzle(QSize picture, int pieces, bool turned, unsigned seed = 1);
