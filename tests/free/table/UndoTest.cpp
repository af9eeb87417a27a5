// Undo and redo on the table with the player's keys: the puzzle comes back exactly, and every item with it; the
// table says it is at rest after each step and never during a drag.
#include <QTest>
#include <algorithm>
#include <functional>

#include "TableFixture.h"
#include "free/table/PieceItem.h"

namespace {
// Drags the group of `piece` by the table offset, gripping it where it shows.
void DragBy(TFreeTable& table, int piece, QPointF offset) {
  const auto grip = VisiblePoint(table.Puzzle(), piece);
  ASSERT_TRUE(grip) << "piece " << piece << " is covered";
  Drag(table, OnView(table, *grip), OnView(table, *grip + offset));
}

void JoinTo(TFreeTable& table, int piece, int anchor) {
  const TFreePuzzle& puzzle = table.Puzzle();
  DragBy(table, piece, puzzle.Place(puzzle.GroupOf(anchor)).Origin - puzzle.Place(puzzle.GroupOf(piece)).Origin);
}

// Of each item, how many depths lie under its own.
std::vector<int> DepthRanks(const TFreeTable& table) {
  std::vector<double> depths;
  for (int piece = 0; piece < int(table.Puzzle().Pieces().size()); ++piece)
    depths.push_back(table.Item(piece).zValue());
  std::vector<double> distinct = depths;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  std::vector<int> ranks;
  for (double depth : depths)
    ranks.push_back(int(std::lower_bound(distinct.begin(), distinct.end(), depth) - distinct.begin()));
  return ranks;
}

// Every item as a table made afresh over the puzzle shows it: place, stacking and shadow.
void ExpectItemsAsMadeAfresh(TFreeTable& table, const std::string& when) {
  TFreeTable fresh(table.Puzzle());
  EXPECT_EQ(DepthRanks(table), DepthRanks(fresh)) << when;
  for (int piece = 0; piece < int(table.Puzzle().Pieces().size()); ++piece) {
    EXPECT_EQ(table.Item(piece).sceneTransform(), fresh.Item(piece).sceneTransform()) << when << ": piece " << piece;
    EXPECT_EQ(table.Item(piece).Shadowed(), fresh.Item(piece).Shadowed()) << when << ": piece " << piece;
  }
}

TEST_F(FreeTableTest, UndoAndRedoPutThePuzzleAndEveryItemBack) {
  int settled = 0;
  QObject::connect(table.get(), &TFreeTable::Settled, [&] { ++settled; });
  const int columns = puzzle->Grid().Columns;
  auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    return [=, this] { QTest::keyClick(table.get(), k, m); };
  };
  const struct {
    const char* name;
    char kind;  // a: a new step, u: undo, r: redo
    std::function<void()> act;
  } steps[] = {
      {"drag", 'a',
       [&] {
         DragBy(*table, 5, {-40, 30});
       }},
      {"join", 'a', [&] { JoinTo(*table, 1, 0); }},
      {"join below", 'a', [&] { JoinTo(*table, columns + 1, columns); }},
      {"group to group", 'a', [&] { JoinTo(*table, columns, 0); }},
      {"turn at rest", 'a', key(Qt::Key_PageUp)},
      {"sort", 'a', key(Qt::Key_E)},
      {"undo the sort", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the turn", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the group join", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"redo the group join", 'r', key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)},
      {"redo the turn", 'r', key(Qt::Key_Y, Qt::ControlModifier)},
      {"gather instead of the sort", 'a', key(Qt::Key_G)},
      {"nothing left to redo", 'r', key(Qt::Key_Y, Qt::ControlModifier)},
      {"undo the gather", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the turn again", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the group join again", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the join below", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the join", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"undo the drag", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"nothing left to undo", 'u', key(Qt::Key_Z, Qt::ControlModifier)},
      {"redo the drag", 'r', key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)},
  };
  std::vector<TFreeState> states = {puzzle->State()};
  std::size_t at = 0;
  for (const auto& step : steps) {
    const int settledBefore = settled;
    const bool can = step.kind == 'a' || (step.kind == 'u' ? at > 0 : at + 1 < states.size());
    EXPECT_EQ(step.kind == 'u' ? table->CanUndo() : step.kind == 'r' ? table->CanRedo() : true, can) << step.name;
    step.act();
    if (step.kind == 'a') {
      states.resize(++at);
      states.push_back(puzzle->State());
    } else if (can) {
      at += step.kind == 'u' ? -1 : 1;
    }
    ASSERT_EQ(puzzle->State(), states[at]) << step.name;
    EXPECT_EQ(settled, settledBefore + (can ? 1 : 0)) << step.name;
    ExpectItemsAsMadeAfresh(*table, step.name);
  }
  EXPECT_EQ(puzzle->GroupOf(0), 0);
  EXPECT_EQ(puzzle->Members(0), std::vector<int>{0}) << "every join undone";
}

TEST_F(FreeTableTest, SettledOnlyOnceTheDragIsOver) {
  int settled = 0;
  QObject::connect(table.get(), &TFreeTable::Settled, [&] { ++settled; });
  const QPoint from = OnView(*table, *VisiblePoint(*puzzle, 4));
  Press(*table, from);
  MoveTo(*table, from + QPoint(20, 10));
  QTest::keyClick(table.get(), Qt::Key_Left);
  MoveTo(*table, from + QPoint(40, 15));
  EXPECT_EQ(settled, 0);
  QTest::keyClick(table.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(settled, 0) << "no undo while a group is held";
  Release(*table, from + QPoint(40, 15));
  EXPECT_EQ(settled, 1);
  // The drag with its turn is one step.
  QTest::keyClick(table.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(table->CanUndo());
}
}  // namespace
