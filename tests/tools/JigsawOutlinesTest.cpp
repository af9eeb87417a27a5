// Jigsaw outlines for new packs: neighbours share each edge exactly, outer edges are straight, every outline cuts.
#include <gtest/gtest.h>

#include <QPoint>
#include <random>

#include "engine/level/LevelCheck.h"
#include "pieces/JigsawOutlines.h"
#include "pieces/OutlinePath.h"
#include "pieces/PixelTrack.h"

namespace {
constexpr int kCell = 400;

std::vector<TCurve> Curves(const QString& outline) { return ParseOutlinePath(outline); }

// The curves of one side, in order: top 0, right 1, bottom 2, left 3. A straight side has one curve, a tab three.
std::vector<std::vector<TCurve>> Sides(const QString& outline) {
  const std::vector<TCurve> curves = Curves(outline);
  std::vector<std::vector<TCurve>> sides;
  std::size_t at = 0;
  for (int side = 0; side < 4; ++side) {
    const std::size_t count = curves[at].size() == 2 ? 1 : 3;
    sides.emplace_back(curves.begin() + at, curves.begin() + at + count);
    at += count;
  }
  EXPECT_EQ(at, curves.size());
  return sides;
}

std::vector<TCurve> Shifted(std::vector<TCurve> side, QPoint by) {
  for (TCurve& curve : side)
    for (QPoint& p : curve) p += by;
  return side;
}

TMargins Margins(const QString& outline) {
  TrackPixel.Create(kPatternSize, kPatternSize);
  TrackPixel.PathLoadFromString(outline);
  TrackPixel.BuildTrack();
  TrackPixel.FloodFillPattern();
  const TMargins margins = TrackPixel.CropPattern();
  TrackPixel.Destroy();
  return margins;
}

struct GridCase {
  int cols, rows;
};

class JigsawGrid : public testing::TestWithParam<GridCase> {};

TEST_P(JigsawGrid, NeighboursShareEdgesAndBordersAreStraight) {
  const auto [cols, rows] = GetParam();
  std::mt19937 random(cols * 10 + rows);
  const QStringList outlines = JigsawOutlines(cols, rows, random);
  ASSERT_EQ(outlines.size(), cols * rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const auto sides = Sides(outlines[r * cols + c]);
      const bool outer[4] = {r == 0, c == cols - 1, r == rows - 1, c == 0};
      for (int side = 0; side < 4; ++side) EXPECT_EQ(sides[side].size() == 1, outer[side]) << r << "," << c;
      if (c + 1 < cols) {  // my right side is my right neighbour's left side, one cell over
        EXPECT_EQ(Shifted(sides[1], QPoint(-kCell, 0)), Sides(outlines[r * cols + c + 1])[3]) << r << "," << c;
      }
      if (r + 1 < rows) {
        EXPECT_EQ(Shifted(sides[2], QPoint(0, -kCell)), Sides(outlines[(r + 1) * cols + c])[0]) << r << "," << c;
      }
      for (const TCurve& curve : Curves(outlines[r * cols + c])) {
        EXPECT_LE(curve.size(), static_cast<std::size_t>(kMaxCurvePoints));
        for (const QPoint& p : curve) {
          EXPECT_TRUE(p.x() >= 0 && p.x() < kPatternSize && p.y() >= 0 && p.y() < kPatternSize);
        }
      }
    }
}

// A tab's head reaches 2.5 times its size (8.5 to 11 % of the cell) beyond the edge; the blank side only dips by
// the shoulders of the neck.
bool IsTab(int margin) { return margin >= 80; }
bool IsBlank(int margin) { return margin <= 30; }

// Every outline cuts, and each inner edge is a tab for exactly one of its two pieces.
TEST_P(JigsawGrid, EveryOutlineCutsWithOneTabPerInnerEdge) {
  const auto [cols, rows] = GetParam();
  std::mt19937 random(cols * 100 + rows);
  const QStringList outlines = JigsawOutlines(cols, rows, random);
  std::vector<TMargins> margins;
  for (const QString& outline : outlines) {
    EXPECT_TRUE(CheckOutline(outline).isEmpty()) << CheckOutline(outline).join("; ").toStdString();
    margins.push_back(Margins(outline));
  }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const TMargins& m = margins[r * cols + c];
      if (r == 0) {
        EXPECT_EQ(m.Top, 0);
      }
      if (c == 0) {
        EXPECT_EQ(m.Left, 0);
      }
      if (r == rows - 1) {
        EXPECT_EQ(m.Bottom, 0);
      }
      if (c == cols - 1) {
        EXPECT_EQ(m.Right, 0);
      }
      if (c + 1 < cols) {
        const int other = margins[r * cols + c + 1].Left;
        EXPECT_TRUE((IsTab(m.Right) && IsBlank(other)) || (IsBlank(m.Right) && IsTab(other)))
            << r << "," << c << ": " << m.Right << " / " << other;
      }
      if (r + 1 < rows) {
        const int other = margins[(r + 1) * cols + c].Top;
        EXPECT_TRUE((IsTab(m.Bottom) && IsBlank(other)) || (IsBlank(m.Bottom) && IsTab(other)))
            << r << "," << c << ": " << m.Bottom << " / " << other;
      }
    }
}

INSTANTIATE_TEST_SUITE_P(Grids, JigsawGrid,
                         testing::Values(GridCase{1, 1}, GridCase{2, 2}, GridCase{3, 2}, GridCase{6, 6}),
                         [](const testing::TestParamInfo<GridCase>& info) {
                           return std::to_string(info.param.cols) + "x" + std::to_string(info.param.rows);
                         });

TEST(JigsawOutlines, OrientationVariesAcrossEdges) {
  std::mt19937 random(3);
  const QStringList outlines = JigsawOutlines(6, 6, random);
  int tabsRight = 0;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 5; ++c) tabsRight += IsTab(Margins(outlines[r * 6 + c]).Right);
  EXPECT_GT(tabsRight, 5);
  EXPECT_LT(tabsRight, 25);
}
}  // namespace
