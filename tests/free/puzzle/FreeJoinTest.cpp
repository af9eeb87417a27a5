// The join of a drop: true neighbours within the position and angle tolerances snap and merge, anywhere on the
// table and in the frame.
#include <gtest/gtest.h>

#include <cmath>

#include "FreeFixture.h"

namespace {
// The 4 × 3 fixture has cells of 60 pixels, so the reach is 7.5 pixels. Pieces 5 and 6 are the middle row's inner
// pair, whose cell centres lie 30 pixels either side of the picture's centre, where every put holds a group.
const QPointF kPictureCentre(120, 90);

// Where a group of the piece is put before a drop: the picture's centre at `offset` from a point well off the
// frame (or from the centre's own place in the frame), turned to `angle`.
struct TPut {
  int piece;
  QPointF offset;
  double angle = 0;
  bool frame = false;
};

struct TJoinCase {
  const char* name;
  std::vector<TPut> before;  // put and dropped in turn
  TPut drop;
  std::vector<int> group;  // the dropped piece's group afterwards
  int keeps;               // the piece whose place before the drop the group has afterwards; -1: the frame's
  std::vector<int> moved;
  bool intoFrame = false;
};

void Put(TFreePuzzle& puzzle, const TPut& put) {
  const int group = puzzle.GroupOf(put.piece);
  puzzle.Turn(group, put.angle - puzzle.Place(group).Angle);
  const QPointF base =
      put.frame ? puzzle.Frame().topLeft() + kPictureCentre : puzzle.Frame().center() + QPointF(0, 600);
  const QPointF now = puzzle.PieceToTable(put.piece).map(kPictureCentre - QPointF(puzzle.Pieces()[put.piece].Home));
  puzzle.Move(group, base + put.offset - now);
}

class FreeJoin : public testing::TestWithParam<TJoinCase> {};

TEST_P(FreeJoin, SnapsTrueNeighboursWithinTolerance) {
  const TJoinCase& c = GetParam();
  const auto puzzle = FixturePuzzle(QSize(240, 180), 12, false);
  ASSERT_EQ(puzzle->Grid().Columns, 4);
  ASSERT_EQ(puzzle->Grid().Rows, 3);
  for (const TPut& put : c.before) {
    Put(*puzzle, put);
    puzzle->Drop(puzzle->GroupOf(put.piece));
  }
  Put(*puzzle, c.drop);
  const TGroupPlace kept =
      c.keeps < 0 ? TGroupPlace{puzzle->Frame().topLeft(), 0} : puzzle->Place(puzzle->GroupOf(c.keeps));

  const TJoinResult result = puzzle->Drop(puzzle->GroupOf(c.drop.piece));
  EXPECT_EQ(result.Group, puzzle->GroupOf(c.drop.piece));
  EXPECT_EQ(puzzle->Members(result.Group), c.group);
  const TGroupPlace place = puzzle->Place(result.Group);
  EXPECT_EQ(place.Origin, kept.Origin);
  EXPECT_EQ(std::remainder(place.Angle - kept.Angle, 360), 0) << place.Angle << " " << kept.Angle;
  EXPECT_EQ(result.JoinedPieces, c.moved);
  EXPECT_EQ(result.IntoFrame, c.intoFrame);
  EXPECT_FALSE(result.Finished);
  for (int merged : result.MergedGroups) EXPECT_TRUE(puzzle->Members(merged).empty());
  // The stacking holds exactly the groups that still have pieces.
  std::size_t groups = 0;
  for (int g = 0; g < 12; ++g) groups += !puzzle->Members(g).empty();
  EXPECT_EQ(puzzle->Stacking().size(), groups);
}

const TJoinCase kJoinCases[] = {
    {"ExactNeighbour", {{5, {0, 0}}}, {6, {0, 0}}, {5, 6}, 5, {6}},
    {"WithinReach", {{5, {0, 0}}}, {6, {5, 4}}, {5, 6}, 5, {6}},
    {"BeyondReach", {{5, {0, 0}}}, {6, {6, 5}}, {6}, 6, {}},
    {"DiagonalIsNoNeighbour", {{5, {0, 0}}}, {2, {0, 0}}, {2}, 2, {}},
    {"TwoApartIsNoNeighbour", {{5, {0, 0}}}, {7, {0, 0}}, {7}, 7, {}},
    {"WithinAngle", {{5, {0, 0}, 30}}, {6, {0, 0}, 40}, {5, 6}, 5, {6}},
    {"BeyondAngle", {{5, {0, 0}, 30}}, {6, {0, 0}, 41}, {6}, 6, {}},
    {"AcrossZero", {{5, {0, 0}, 355}}, {6, {0, 0}, 3}, {5, 6}, 5, {6}},
    {"AFullTurnMore", {{5, {0, 0}}}, {6, {0, 0}, 365}, {5, 6}, 5, {6}},
    {"AFullTurnLess", {{5, {0, 0}}}, {6, {0, 0}, -355}, {5, 6}, 5, {6}},
    {"TwoTurnsAndBeyondAngle", {{5, {0, 0}}}, {6, {0, 0}, 731}, {6}, 6, {}},
    {"TurnedWithinReach", {{5, {0, 0}, 90}}, {6, {5, 4}, 90}, {5, 6}, 5, {6}},
    {"TurnedBeyondReach", {{5, {0, 0}, 90}}, {6, {6, 5}, 90}, {6}, 6, {}},
    {"GroupJoinsGroup", {{1, {0, 0}}, {5, {0, 0}}, {2, {40, 0}}, {6, {40, 0}}}, {6, {3, 0}}, {1, 2, 5, 6}, 1, {2, 6}},
    {"LargeGroupNeverJumps", {{6, {4, 0}}, {1, {40, 0}}, {5, {40, 0}}}, {5, {0, 0}}, {1, 5, 6}, 5, {6}},
    {"SingleOntoLarge", {{1, {0, 0}}, {5, {0, 0}}}, {6, {4, 0}}, {1, 5, 6}, 5, {6}},
    {"ChainedJoins", {{5, {0, 0}}, {7, {0, 0}}}, {6, {0, 0}}, {5, 6, 7}, 5, {6, 7}},
    {"ChainAfterTheSnap", {{5, {0, 0}}, {7, {-7, 0}}}, {6, {3, 0}}, {5, 6, 7}, 5, {6, 7}},
    {"IntoFrame", {}, {6, {3, -2}, 0, true}, {6}, -1, {6}, true},
    {"IntoFrameTurned", {}, {6, {0, 0}, 358, true}, {6}, -1, {6}, true},
    {"FrameBeyondReach", {}, {6, {8, 0}, 0, true}, {6}, 6, {}},
    {"FrameBeyondAngle", {}, {6, {0, 0}, 11, true}, {6}, 6, {}},
    {"JoinAtFrame", {{5, {0, 0}, 0, true}}, {6, {5, 0}, 0, true}, {5, 6}, -1, {6}, true},
    {"FrameHoldsALargerGroup",
     {{5, {0, 0}, 0, true}, {1, {0, 0}}, {2, {0, 0}}, {6, {0, 0}}},
     {6, {5, 0}, 0, true},
     {1, 2, 5, 6},
     -1,
     {1, 2, 6},
     true},
};
INSTANTIATE_TEST_SUITE_P(Cases, FreeJoin, testing::ValuesIn(kJoinCases),
                         [](const testing::TestParamInfo<TJoinCase>& info) { return info.param.name; });

TEST(FreeJoinStacking, TheJoinedGroupIsDrawnWhereTheDroppedOneWas) {
  const auto puzzle = FixturePuzzle(QSize(240, 180), 12, false);
  Put(*puzzle, {5, {0, 0}});
  puzzle->Raise(puzzle->GroupOf(5));
  Put(*puzzle, {6, {0, 0}});
  puzzle->Raise(puzzle->GroupOf(6));
  const int dropped = puzzle->GroupOf(6);
  const TJoinResult result = puzzle->Drop(dropped);
  EXPECT_EQ(result.MergedGroups, std::vector<int>{dropped});
  EXPECT_EQ(puzzle->Stacking().size(), 11u);
  EXPECT_EQ(puzzle->Stacking().back(), result.Group);
  EXPECT_EQ(std::count(puzzle->Stacking().begin(), puzzle->Stacking().end(), dropped), 0);
}

TEST(FreeJoinFinish, EveryPieceInTheFrameFinishes) {
  const auto puzzle = FixturePuzzle(QSize(240, 180), 12, true);
  TJoinResult result;
  for (int piece = 0; piece < 12; ++piece) {
    EXPECT_FALSE(puzzle->Finished());
    Put(*puzzle, {piece, {2, 1}, 3, true});
    result = puzzle->Drop(puzzle->GroupOf(piece));
  }
  EXPECT_TRUE(result.Finished);
  EXPECT_TRUE(puzzle->Finished());
  EXPECT_EQ(puzzle->Members(result.Group).size(), 12u);
  // Assembled, every piece lies on its own home in the frame.
  for (int piece = 0; piece < 12; ++piece)
    EXPECT_EQ(puzzle->PieceToTable(piece).map(QPointF(0, 0)),
              puzzle->Frame().topLeft() + QPointF(puzzle->Pieces()[piece].Home));
}
}  // namespace
