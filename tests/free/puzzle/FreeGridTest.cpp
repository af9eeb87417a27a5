// The free puzzle's grid: fitted to any aspect ratio and piece count, tiling the kept picture exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "free/puzzle/FreeGrid.h"

namespace {
struct TGridCase {
  QSize picture;
  int pieces;
};

class FreeGridFit : public testing::TestWithParam<TGridCase> {};

TEST_P(FreeGridFit, CloseToTheCountWithSquareCellsTilingThePicture) {
  const auto [picture, pieces] = GetParam();
  const TFreeGrid grid = FitFreeGrid(picture, pieces);
  const int count = grid.Columns * grid.Rows;
  EXPECT_LE(std::abs(count - pieces), std::max(2, pieces / 10)) << grid.Columns << " × " << grid.Rows;

  // Never enlarged, the long side kept up to the limit, the aspect ratio kept.
  const int longSide = std::max(picture.width(), picture.height());
  EXPECT_EQ(std::max(grid.Picture.width(), grid.Picture.height()), std::min(longSide, kLongestFreePicture));
  EXPECT_NEAR(static_cast<double>(grid.Picture.width()) / grid.Picture.height(),
              static_cast<double>(picture.width()) / picture.height(), 0.01);

  int covered = 0, smallest = grid.Picture.width(), largest = 0;
  for (int row = 0; row < grid.Rows; ++row)
    for (int column = 0; column < grid.Columns; ++column) {
      const QRect cell = FreeCell(grid, column, row);
      covered += cell.width() * cell.height();
      const double aspect = static_cast<double>(cell.width()) / cell.height();
      EXPECT_GE(aspect, 0.66) << column << ", " << row;
      EXPECT_LE(aspect, 1.5) << column << ", " << row;
      smallest = std::min({smallest, cell.width(), cell.height()});
      largest = std::max({largest, cell.width(), cell.height()});
      // Neighbours meet without a gap or an overlap.
      if (column + 1 < grid.Columns) {
        EXPECT_EQ(cell.right() + 1, FreeCell(grid, column + 1, row).left());
      }
      if (row + 1 < grid.Rows) {
        EXPECT_EQ(cell.bottom() + 1, FreeCell(grid, column, row + 1).top());
      }
    }
  EXPECT_EQ(covered, grid.Picture.width() * grid.Picture.height());
  EXPECT_EQ(FreeCell(grid, 0, 0).topLeft(), QPoint(0, 0));
  EXPECT_EQ(FreeCell(grid, grid.Columns - 1, grid.Rows - 1).bottomRight(),
            QPoint(grid.Picture.width() - 1, grid.Picture.height() - 1));
  EXPECT_GE(smallest, kSmallestFreeCell);
  EXPECT_LE(largest - smallest, largest / 2);
}

std::vector<TGridCase> GridCases() {
  std::vector<TGridCase> cases;
  for (QSize picture : {QSize(1000, 4000), QSize(1500, 3000), QSize(3000, 4000), QSize(4000, 4000), QSize(4000, 3000),
                        QSize(6000, 3375), QSize(3000, 1500), QSize(8000, 2000), QSize(4000, 1000), QSize(801, 599)})
    for (int pieces : {12, 48, 100, 500, 1000})
      if (pieces <= 500 || picture.width() * picture.height() >= 1500 * 1500) cases.push_back({picture, pieces});
  return cases;
}
INSTANTIATE_TEST_SUITE_P(AspectsAndCounts, FreeGridFit, testing::ValuesIn(GridCases()),
                         [](const testing::TestParamInfo<TGridCase>& info) {
                           return std::to_string(info.param.picture.width()) + "x" +
                                  std::to_string(info.param.picture.height()) + "_" + std::to_string(info.param.pieces);
                         });

struct TBadGridCase {
  const char* name;
  QSize picture;
  int pieces;
  const char* reason;  // a part of the Russian text
};

class FreeGridRefused : public testing::TestWithParam<TBadGridCase> {};

TEST_P(FreeGridRefused, NamesTheReason) {
  const TBadGridCase& c = GetParam();
  try {
    FitFreeGrid(c.picture, c.pieces);
    FAIL() << "no error";
  } catch (const TFreeError& e) {
    EXPECT_NE(QString::fromUtf8(e.what()).indexOf(QString::fromUtf8(c.reason)), -1) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(BadCounts, FreeGridRefused,
                         testing::Values(TBadGridCase{"Eleven", QSize(800, 600), 11, "от 12 до 1000"},
                                         TBadGridCase{"Thousand1", QSize(4000, 3000), 1001, "а не 1001"},
                                         TBadGridCase{"Zero", QSize(800, 600), 0, "а не 0"},
                                         TBadGridCase{"TooSmall", QSize(200, 150), 100, "мала для 100 деталей"},
                                         TBadGridCase{"ThinStrip", QSize(4000, 20), 12, "мала для 12 деталей"},
                                         TBadGridCase{"NoPixels", QSize(0, 0), 12, "нет ни одной точки"}),
                         [](const testing::TestParamInfo<TBadGridCase>& info) { return info.param.name; });

// 200 × 150 holds 48 cells of 25 pixels, just above the limit.
TEST(FreeGridFit, SmallPictureAtTheLimit) {
  const TFreeGrid grid = FitFreeGrid(QSize(200, 150), 48);
  EXPECT_EQ(grid.Picture, QSize(200, 150));
  EXPECT_EQ(grid.Columns * grid.Rows, 48);
}
}  // namespace
