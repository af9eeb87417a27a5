// A player completes a 48-piece free puzzle through the real window with the mouse: first a block of pieces joined
// off the frame, then every group brought into the frame, until the congratulation shows.
#include <QLabel>
#include <QTest>
#include <set>

#include "TableFixture.h"
#include "free/table/FreeWindow.h"
#include "free/table/PieceItem.h"

namespace {
// Drags the group of `piece` by the table offset, gripping it where it shows; false when no part of it shows.
bool DragGroup(TFreeTable& table, int piece, QPointF offset) {
  const auto grip = VisiblePoint(table.Puzzle(), piece);
  if (!grip) return false;
  Drag(table, OnView(table, *grip), OnView(table, *grip + offset));
  return true;
}

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

TEST(ScriptedPlayer, CompletesA48PieceFreePuzzleWithTheMouse) {
  RecordingPlayers players;
  TFreeWindow window(SmallFreePuzzle(48), "/pictures/Пробная картинка.jpg");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(window.windowTitle().contains("Пробная картинка")) << window.windowTitle().toStdString();
  TFreeTable& table = window.Table();
  const TFreePuzzle& puzzle = table.Puzzle();
  ASSERT_EQ(puzzle.Pieces().size(), 48u);
  const int columns = puzzle.Grid().Columns;

  // Off the frame: the corner's right, lower and lower-right neighbours join it where it lies.
  const int corner = BlockCorner(puzzle);
  ASSERT_GE(corner, 0) << "no room for a block off the frame";
  for (const int neighbour : {corner + 1, corner + columns, corner + columns + 1}) {
    ASSERT_TRUE(JoinTo(table, neighbour, corner)) << "piece " << neighbour << " is covered";
    ASSERT_EQ(puzzle.GroupOf(neighbour), puzzle.GroupOf(corner)) << "piece " << neighbour;
  }
  EXPECT_FALSE(puzzle.Bounds(puzzle.GroupOf(corner)).intersects(puzzle.Frame()));
  EXPECT_EQ(puzzle.Members(puzzle.GroupOf(corner)).size(), 4u);
  EXPECT_FALSE(window.Congratulation().isVisible());

  // Then into the frame, group by group, the block first; groups in the frame join their neighbours there.
  std::vector<int> order = {corner};
  for (int piece = 0; piece < 48; ++piece) order.push_back(piece);
  for (const int piece : order) {
    if (puzzle.Finished()) break;
    const int group = puzzle.GroupOf(piece);
    if (puzzle.Place(group).Origin == puzzle.Frame().topLeft() && puzzle.Place(group).Angle == 0) continue;
    ASSERT_TRUE(DragGroup(table, piece, puzzle.Frame().topLeft() - puzzle.Place(group).Origin))
        << "piece " << piece << " is covered";
    EXPECT_EQ(puzzle.Place(puzzle.GroupOf(piece)).Origin, puzzle.Frame().topLeft()) << "piece " << piece;
  }
  ASSERT_TRUE(puzzle.Finished());
  EXPECT_EQ(puzzle.Members(puzzle.GroupOf(0)).size(), 48u);
  EXPECT_TRUE(window.Congratulation().isVisible());
  EXPECT_TRUE(window.Congratulation().text().startsWith("Поздравляем!"))
      << window.Congratulation().text().toStdString();
  for (int piece = 0; piece < 48; ++piece)
    EXPECT_EQ(table.Item(piece).sceneTransform(), puzzle.PieceToTable(piece)) << "piece " << piece;
}
}  // namespace
