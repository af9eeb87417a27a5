// A player who completes a free puzzle with the mouse, joining off the frame first.
#include "FreePlayer.h"

#include <gtest/gtest.h>

#include "TableFixture.h"
#include "free/puzzle/FreePuzzle.h"

namespace {
// Brings the group of `piece` to where the group of `anchor` has its origin, so the two lie as in the picture.
bool JoinTo(TFreeTable& table, int piece, int anchor) {
  const TFreePuzzle& puzzle = table.Puzzle();
  return DragGroup(table, piece,
                   puzzle.Place(puzzle.GroupOf(anchor)).Origin - puzzle.Place(puzzle.GroupOf(piece)).Origin);
}

// A 2 × 2 block whose top-left piece lies where the whole block fits on the table off the frame.
int BlockCorner(const TFreePuzzle& puzzle) {
  const TFreeGrid& grid = puzzle.Grid();
  for (const auto& piece : puzzle.Pieces()) {
    if (piece.Column + 1 >= grid.Columns || piece.Row + 1 >= grid.Rows) continue;
    const QPointF origin = puzzle.Place(puzzle.GroupOf(piece.Index)).Origin;
    const QRectF block =
        QRectF(FreeCell(grid, piece.Column, piece.Row).united(FreeCell(grid, piece.Column + 1, piece.Row + 1)))
            .translated(origin)
            .adjusted(-40, -40, 40, 40);
    if (puzzle.Table().contains(block) && !block.intersects(puzzle.Frame())) return piece.Index;
  }
  return -1;
}
}  // namespace

bool DragGroup(TFreeTable& table, int piece, QPointF offset) {
  const auto grip = VisiblePoint(table.Puzzle(), piece);
  if (!grip) return false;
  Drag(table, OnView(table, *grip), OnView(table, *grip + offset));
  return true;
}

void PlayWholePuzzle(TFreeTable& table) {
  const TFreePuzzle& puzzle = table.Puzzle();
  const int columns = puzzle.Grid().Columns;
  const int count = static_cast<int>(puzzle.Pieces().size());

  // Off the frame: the corner's right, lower and lower-right neighbours join it where it lies.
  const int corner = BlockCorner(puzzle);
  ASSERT_GE(corner, 0) << "no room for a block off the frame";
  for (const int neighbour : {corner + 1, corner + columns, corner + columns + 1}) {
    ASSERT_TRUE(JoinTo(table, neighbour, corner)) << "piece " << neighbour << " is covered";
    ASSERT_EQ(puzzle.GroupOf(neighbour), puzzle.GroupOf(corner)) << "piece " << neighbour;
  }
  EXPECT_FALSE(puzzle.Bounds(puzzle.GroupOf(corner)).intersects(puzzle.Frame()));
  EXPECT_EQ(puzzle.Members(puzzle.GroupOf(corner)).size(), 4u);
  EXPECT_FALSE(puzzle.Finished());

  // Then into the frame, group by group, the block first; groups in the frame join their neighbours there.
  std::vector<int> order = {corner};
  for (int piece = 0; piece < count; ++piece) order.push_back(piece);
  for (const int piece : order) {
    if (puzzle.Finished()) break;
    const int group = puzzle.GroupOf(piece);
    if (puzzle.Place(group).Origin == puzzle.Frame().topLeft() && puzzle.Place(group).Angle == 0) continue;
    ASSERT_TRUE(DragGroup(table, piece, puzzle.Frame().topLeft() - puzzle.Place(group).Origin))
        << "piece " << piece << " is covered";
    EXPECT_EQ(puzzle.Place(puzzle.GroupOf(piece)).Origin, puzzle.Frame().topLeft()) << "piece " << piece;
  }
  ASSERT_TRUE(puzzle.Finished());
  EXPECT_EQ(puzzle.Members(puzzle.GroupOf(0)).size(), puzzle.Pieces().size());
}
