// The free cut: the game's outlines over cells that may differ by a pixel, on any number of workers.
#include <gtest/gtest.h>

#include <random>

#include "FreeFixture.h"
#include "free/puzzle/SmallerLevels.h"

namespace {
std::vector<TFreePiece> Cut(const TFreeGrid& grid, int workers, unsigned seed = 3) {
  std::mt19937 random(seed);
  return CutFreePuzzle(FixturePicture(grid.Picture), grid, random, workers);
}

// 7 × 5 cells on 333 × 241: cells of 47 or 48 by 48 or 49 pixels.
const TFreeGrid kUnevenGrid{7, 5, QSize(333, 241)};

TEST(FreeCut, TheSameOnOneWorkerAsOnMany) {
  const std::vector<TFreePiece> one = Cut(kUnevenGrid, 1), three = Cut(kUnevenGrid, 3);
  ASSERT_EQ(one.size(), 35u);
  ASSERT_EQ(three.size(), 35u);
  for (std::size_t i = 0; i < one.size(); ++i) {
    EXPECT_EQ(one[i].Home, three[i].Home) << i;
    EXPECT_EQ(one[i].Image, three[i].Image) << i;
  }
}

TEST(FreeCut, PiecesOverTheirCellsStraightAtTheBorder) {
  const QImage picture = FixturePicture(kUnevenGrid.Picture);
  const std::vector<TFreePiece> pieces = Cut(kUnevenGrid, 2);
  // How many pieces draw each picture pixel.
  std::vector<int> drawn(picture.width() * picture.height());
  for (const TFreePiece& piece : pieces) {
    EXPECT_EQ(piece.Index, piece.Row * kUnevenGrid.Columns + piece.Column);
    EXPECT_EQ(piece.Image.format(), QImage::Format_ARGB32_Premultiplied);
    const QRect cell = FreeCell(kUnevenGrid, piece.Column, piece.Row);
    const QRect image(piece.Home, piece.Image.size());
    EXPECT_TRUE(image.contains(cell)) << piece.Index;
    // Nothing reaches beyond the picture: the outer sides are straight.
    EXPECT_TRUE(picture.rect().contains(image)) << piece.Index;
    if (piece.Column == 0) {
      EXPECT_EQ(image.left(), 0);
    }
    if (piece.Row == 0) {
      EXPECT_EQ(image.top(), 0);
    }
    // The middle of the cell is the picture's own pixel, opaque.
    const QPoint middle = cell.center();
    EXPECT_EQ(piece.Image.pixel(middle - piece.Home), picture.pixel(middle)) << piece.Index;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = piece.Image.pixel(x, y);
        if (qAlpha(p) == 0) continue;
        ++drawn[(image.top() + y) * picture.width() + image.left() + x];
        EXPECT_EQ(p, picture.pixel(image.left() + x, image.top() + y));
      }
  }
  // Neighbours interlock: the traced shapes share the outline's stroke, so neighbours overlap by about a pixel
  // along their common edges (whose length, tabs and all, is under twice the straight cell sides'), and only a
  // few pixels along the curves are drawn by neither.
  int none = 0, overlapping = 0;
  for (int n : drawn) none += n == 0, overlapping += n > 1;
  const int innerEdges = (kUnevenGrid.Columns - 1) * picture.height() + (kUnevenGrid.Rows - 1) * picture.width();
  EXPECT_LT(overlapping, 2 * innerEdges);
  EXPECT_LT(none, static_cast<int>(drawn.size() / 500));
}

TEST(FreeCut, SmallerLevelsHalveDownToAbout16Pixels) {
  for (const TFreePiece& piece : Cut(kUnevenGrid, 2)) {
    ASSERT_FALSE(piece.Smaller.empty());
    QSize size = piece.Image.size();
    for (const QImage& level : piece.Smaller) {
      size = QSize((size.width() + 1) / 2, (size.height() + 1) / 2);
      EXPECT_EQ(level.size(), size);
      EXPECT_EQ(level.format(), QImage::Format_ARGB32_Premultiplied);
    }
    const int last = std::max(size.width(), size.height());
    EXPECT_GT(last, kSmallestLevelSide / 2);
    EXPECT_LE(last, 2 * kSmallestLevelSide);
  }
}

// Each output pixel the rounded mean of its 2 × 2 block; an odd edge counts its missing pixels as transparent.
TEST(FreeCutHalfSize, MeanOfEachBlock) {
  QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
  image.setPixel(0, 0, qRgba(100, 0, 0, 255));
  image.setPixel(1, 0, qRgba(0, 40, 0, 255));
  image.setPixel(0, 1, qRgba(0, 0, 0, 0));
  image.setPixel(1, 1, qRgba(2, 2, 2, 2));
  image.setPixel(2, 0, qRgba(200, 100, 50, 255));
  image.setPixel(2, 1, qRgba(0, 100, 50, 255));
  const QImage half = HalfSize(image);
  ASSERT_EQ(half.size(), QSize(2, 1));
  EXPECT_EQ(half.pixel(0, 0), qRgba(26, 11, 1, 128));  // (100+2)/4, (40+2)/4, 2/4, (255+255+2)/4, rounded
  EXPECT_EQ(half.pixel(1, 0), qRgba(50, 50, 25, 128));
}
}  // namespace
