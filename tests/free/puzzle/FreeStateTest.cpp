// A free puzzle's state taken and put back: groups, places and stacking survive; a state that does not fit is
// refused with the puzzle left as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "FreeFixture.h"

namespace {
// Joins piece 1 to piece 0 where piece 0 lies, turned, so the state holds a merged group and an emptied one.
std::unique_ptr<TFreePuzzle> PuzzleWithAJoin() {
  auto puzzle = FixturePuzzle(QSize(240, 180), 12, false);
  puzzle->Turn(0, 30);
  puzzle->Turn(1, 30);
  puzzle->Move(1, puzzle->Place(0).Origin - puzzle->Place(1).Origin);
  EXPECT_EQ(puzzle->Drop(1).Group, puzzle->GroupOf(0));
  EXPECT_EQ(puzzle->GroupOf(0), puzzle->GroupOf(1));
  return puzzle;
}

TEST(FreeState, PutBackAsTaken) {
  auto puzzle = PuzzleWithAJoin();
  const TFreeState before = puzzle->State();
  const QTransform one = puzzle->PieceToTable(1);
  auto fresh = FixturePuzzle(QSize(240, 180), 12, false);
  fresh->Restore(before);
  EXPECT_EQ(fresh->GroupOf(0), fresh->GroupOf(1));
  EXPECT_EQ(fresh->Members(fresh->GroupOf(1)).size(), 2u);
  EXPECT_EQ(fresh->Stacking(), puzzle->Stacking());
  EXPECT_EQ(fresh->PieceToTable(1), one);
  EXPECT_EQ(fresh->Stacking().size(), 11u);
}

struct TBadState {
  const char* name;
  std::function<void(TFreeState&)> spoil;
};

TEST(FreeState, RefusesWhatDoesNotFitAndKeepsThePuzzle) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<TBadState> cases = {
      {"FewerPieces", [](TFreeState& s) { s.GroupOf.pop_back(); }},
      {"FewerPlaces", [](TFreeState& s) { s.Places.pop_back(); }},
      {"GroupOutOfRange", [](TFreeState& s) { s.GroupOf[3] = 12; }},
      {"NegativeGroup", [](TFreeState& s) { s.GroupOf[3] = -1; }},
      {"StackedTwice", [](TFreeState& s) { s.Stacking.push_back(s.Stacking.front()); }},
      {"NotStacked", [](TFreeState& s) { s.Stacking.pop_back(); }},
      {"EmptyGroupStacked", [](TFreeState& s) { s.Stacking.push_back(s.GroupOf[0] == 0 ? 1 : 0); }},
      {"NotANumber", [nan](TFreeState& s) { s.Places[s.GroupOf[5]].Angle = nan; }},
      {"FarOff", [](TFreeState& s) { s.Places[s.GroupOf[5]].Origin = QPointF(1e9, 0); }},
  };
  for (const TBadState& c : cases) {
    auto puzzle = PuzzleWithAJoin();
    const TFreeState good = puzzle->State();
    TFreeState bad = good;
    c.spoil(bad);
    EXPECT_THROW(puzzle->Restore(bad), TFreeError) << c.name;
    EXPECT_EQ(puzzle->State().GroupOf, good.GroupOf) << c.name;
    EXPECT_EQ(puzzle->Stacking(), good.Stacking) << c.name;
  }
}
}  // namespace
