// Undo and redo: every step comes back exactly as it was, joins split as before, a new step forgets what was undone.
#include <gtest/gtest.h>

#include <functional>

#include "FreeFixture.h"
#include "free/puzzle/FreeHistory.h"
#include "free/puzzle/FreeSort.h"

namespace {
using TAction = std::function<void(TFreePuzzle&)>;

// As the table's hand does it: taken up, moved, let go.
TAction Drag(int piece, QPointF delta) {
  return [=](TFreePuzzle& puzzle) {
    const int group = puzzle.GroupOf(piece);
    puzzle.Raise(group);
    puzzle.Move(group, delta);
    puzzle.Drop(group);
  };
}

// Brought onto the place where it joins the group of `anchor`.
TAction JoinTo(int piece, int anchor) {
  return [=](TFreePuzzle& puzzle) {
    const int group = puzzle.GroupOf(piece);
    puzzle.Raise(group);
    puzzle.Turn(group, puzzle.Place(puzzle.GroupOf(anchor)).Angle - puzzle.Place(group).Angle);
    puzzle.Move(group, puzzle.Place(puzzle.GroupOf(anchor)).Origin - puzzle.Place(group).Origin);
    puzzle.Drop(group);
  };
}

TAction Turn(int piece, double degrees) {
  return [=](TFreePuzzle& puzzle) {
    puzzle.Turn(puzzle.GroupOf(piece), degrees);
    puzzle.Drop(puzzle.GroupOf(piece));
  };
}

const TAction kSort = [](TFreePuzzle& puzzle) { SortEdgePieces(puzzle); };
const TAction kGather = [](TFreePuzzle& puzzle) {
  GatherLoosePieces(puzzle, QRectF(puzzle.Table().topLeft(), puzzle.Table().size() / 2));
};

struct THistoryCase {
  const char* name;
  std::vector<TAction> actions;
  // After the actions: u undoes, r redoes, n makes a new step (a drag of piece 7).
  const char* script;
};

TEST(FreeHistory, UndoAndRedoGiveBackEveryStateExactly) {
  const std::vector<THistoryCase> cases = {
      {"moves", {Drag(3, {40, 10}), Drag(5, {-30, 25}), Drag(3, {5, -70})}, "uuurrruurr"},
      {"turns", {Turn(4, 5), Turn(4, 5), Turn(9, -10)}, "uuuurrrr"},
      {"a join splits as before", {Drag(2, {20, 0}), JoinTo(1, 0), Drag(0, {15, 15})}, "uuurrr"},
      {"group to group", {JoinTo(1, 0), JoinTo(5, 4), JoinTo(4, 0), Turn(0, 30)}, "uuuurrrruu"},
      {"sort and gather", {JoinTo(1, 0), kSort, kGather, Drag(6, {9, 9})}, "uuuurrrr"},
      {"a new step forgets the undone", {Drag(3, {40, 10}), JoinTo(1, 0), kSort}, "uunrruunr"},
  };
  for (const THistoryCase& c : cases) {
    auto puzzle = FixturePuzzle(QSize(240, 180), 12, true);
    TFreeHistory history(puzzle->State());
    std::vector<TFreeState> states = {puzzle->State()};
    for (const TAction& action : c.actions) {
      action(*puzzle);
      EXPECT_TRUE(history.Record(puzzle->State())) << c.name;
      states.push_back(puzzle->State());
    }
    std::size_t at = states.size() - 1;
    for (const char* step = c.script; *step; ++step) {
      if (*step == 'u') {
        if (at == 0) {
          EXPECT_FALSE(history.CanUndo()) << c.name;
          continue;
        }
        puzzle->Restore(history.Undo());
        --at;
      } else if (*step == 'r') {
        if (at + 1 == states.size()) {
          EXPECT_FALSE(history.CanRedo()) << c.name;
          continue;
        }
        puzzle->Restore(history.Redo());
        ++at;
      } else {
        Drag(7, {-12, 33})(*puzzle);
        EXPECT_TRUE(history.Record(puzzle->State())) << c.name;
        states.resize(++at);
        states.push_back(puzzle->State());
        EXPECT_FALSE(history.CanRedo()) << c.name;
      }
      ASSERT_EQ(puzzle->State(), states[at]) << c.name << " at step " << step - c.script;
      EXPECT_EQ(history.Current(), states[at]) << c.name;
      for (int piece = 0; piece < 12; ++piece) {
        const auto& members = puzzle->Members(puzzle->GroupOf(piece));
        EXPECT_TRUE(std::count(members.begin(), members.end(), piece)) << c.name;
      }
    }
    EXPECT_EQ(history.CanUndo(), at > 0) << c.name;
  }
}

TEST(FreeHistory, KeepsNoStepForNothingAndOnlyWhatChanged) {
  auto puzzle = FixturePuzzle(QSize(240, 180), 12, false);
  TFreeHistory history(puzzle->State());
  EXPECT_FALSE(history.Record(puzzle->State()));
  EXPECT_FALSE(history.CanUndo());
  puzzle->Raise(puzzle->GroupOf(3));
  puzzle->Move(puzzle->GroupOf(3), {10, 0});
  ASSERT_TRUE(history.Record(puzzle->State()));
  const TFreeStep step = StepBetween(puzzle->State(), history.Undo());
  EXPECT_EQ(step.Places.size(), 1u);
  EXPECT_TRUE(step.Groups.empty());
  EXPECT_EQ(step.Unstacked.size(), 1u) << "the raise is one group's move in the stacking";
  EXPECT_EQ(step.Stacked.size(), 1u);
}
}  // namespace
