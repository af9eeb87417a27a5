// The start of a free puzzle: pieces scattered around the frame, none over it, none off the table, none on another.
#include <gtest/gtest.h>

#include "FreeFixture.h"

namespace {
struct TScatterCase {
  const char* name;
  QSize picture;
  int pieces;
  bool turned;
};

class FreeScatter : public testing::TestWithParam<TScatterCase> {};

TEST_P(FreeScatter, AroundTheFrameApartAndOnTheTable) {
  const TScatterCase& c = GetParam();
  const auto puzzle = FixturePuzzle(c.picture, c.pieces, c.turned);
  const QRectF table = puzzle->Table(), frame = puzzle->Frame();
  EXPECT_EQ(frame.size(), QSizeF(puzzle->Grid().Picture));
  EXPECT_TRUE(table.contains(frame));
  EXPECT_NEAR(frame.center().x(), table.center().x(), 1);
  EXPECT_NEAR(frame.center().y(), table.center().y(), 1);

  const int count = static_cast<int>(puzzle->Pieces().size());
  std::vector<QRectF> bounds;
  bool anyTurned = false;
  for (int piece = 0; piece < count; ++piece) {
    const int group = puzzle->GroupOf(piece);
    EXPECT_EQ(puzzle->Members(group), std::vector<int>{piece});
    const QRectF b = puzzle->Bounds(group);
    EXPECT_TRUE(table.contains(b)) << piece;
    EXPECT_FALSE(b.intersects(frame)) << piece;
    anyTurned |= std::remainder(puzzle->Place(group).Angle, 360) != 0;
    bounds.push_back(b);
  }
  EXPECT_EQ(anyTurned, c.turned);
  for (int a = 0; a < count; ++a)
    for (int b = a + 1; b < count; ++b) EXPECT_FALSE(bounds[a].intersects(bounds[b])) << a << " and " << b;
  EXPECT_EQ(puzzle->Stacking().size(), static_cast<std::size_t>(count));
  EXPECT_FALSE(puzzle->Finished());
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeScatter,
                         testing::Values(TScatterCase{"Upright48", QSize(320, 240), 48, false},
                                         TScatterCase{"Turned48", QSize(320, 240), 48, true},
                                         TScatterCase{"TallTurned12", QSize(100, 400), 12, true},
                                         TScatterCase{"WideUpright100", QSize(1000, 250), 100, false}),
                         [](const testing::TestParamInfo<TScatterCase>& info) { return info.param.name; });

// The same seed lays the same table out; another seed another.
TEST(FreeScatterSeed, FollowsTheRandomGenerator) {
  const auto a = FixturePuzzle(QSize(320, 240), 48, true, 7), b = FixturePuzzle(QSize(320, 240), 48, true, 7);
  const auto other = FixturePuzzle(QSize(320, 240), 48, true, 8);
  int differ = 0;
  for (int group = 0; group < 48; ++group) {
    EXPECT_EQ(a->Place(group).Origin, b->Place(group).Origin);
    EXPECT_EQ(a->Place(group).Angle, b->Place(group).Angle);
    differ += a->Place(group).Origin != other->Place(group).Origin;
  }
  EXPECT_GT(differ, 24);
}
}  // namespace
