// Small free puzzles for the model's tests.
#include "FreeFixture.h"

#include <random>

QImage FixturePicture(QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7 + y) % 256, (x ^ y) % 256, (x * y + 3 * x) % 256));
  return image;
}

std::unique_ptr<TFreePuzzle> FixturePuzzle(QSize picture, int pieces, bool turned, unsigned seed) {
  std::mt19937 random(seed);
  const TFreeGrid grid = FitFreeGrid(picture, pieces);
  QImage image = FixturePicture(grid.Picture);
  std::vector<TFreePiece> cut = CutFreePuzzle(image, grid, random);
  TFreeLayout layout = LayOutFreeTable(grid, cut, turned, random);
  return std::make_unique<TFreePuzzle>(grid, std::move(image), std::move(cut), std::move(layout));
}
