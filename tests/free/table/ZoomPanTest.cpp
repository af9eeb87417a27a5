// Zoom and pan change only the view: pieces keep their table places, the point under the cursor stays there.
#include <QScrollBar>
#include <QTest>

#include "TableFixture.h"
#include "free/table/PieceItem.h"

namespace {
std::vector<QTransform> PiecePlaces(const TFreePuzzle& puzzle, const TFreeTable& table) {
  std::vector<QTransform> places;
  for (size_t i = 0; i < puzzle.Pieces().size(); ++i) {
    EXPECT_EQ(table.Item(int(i)).sceneTransform(), puzzle.PieceToTable(int(i))) << "piece " << i;
    places.push_back(puzzle.PieceToTable(int(i)));
  }
  return places;
}

// A table point where no piece lies, inside the table and away from its edge.
QPointF EmptyTablePoint(const TFreePuzzle& puzzle) {
  const QRectF table = puzzle.Table();
  for (double y = table.top() + 40; y < table.bottom() - 40; y += 17)
    for (double x = table.left() + 40; x < table.right() - 40; x += 17)
      if (puzzle.PieceAt({x, y}) < 0 && !puzzle.Frame().contains(QPointF(x, y))) return {x, y};
  ADD_FAILURE() << "no empty place on the table";
  return table.center();
}

TEST_F(FreeTableTest, ZoomAndPanNeverMoveAPiece) {
  const auto before = PiecePlaces(*puzzle, *table);
  const QPoint grip = OnView(*table, *VisiblePoint(*puzzle, 5));
  Wheel(*table, grip, 3, Qt::ControlModifier);
  QTest::keyClick(table.get(), Qt::Key_Plus);
  Drag(*table, OnView(*table, EmptyTablePoint(*puzzle)), QPoint(200, 150), Qt::LeftButton);
  Drag(*table, OnView(*table, *VisiblePoint(*puzzle, 5)), QPoint(600, 400), Qt::RightButton);
  QTest::keyClick(table.get(), Qt::Key_Minus);
  QTest::keyClick(table.get(), Qt::Key_Home);
  EXPECT_EQ(PiecePlaces(*puzzle, *table), before);
  EXPECT_DOUBLE_EQ(table->Zoom(), table->SmallestZoom());
}

TEST_F(FreeTableTest, ZoomKeepsThePointUnderTheCursor) {
  // From the fitted table in, then across the zooms, at the view's corners and middle.
  const struct {
    QPoint cursor;
    double notches;
  } cases[] = {{{500, 350}, 4}, {{80, 60}, 2}, {{930, 640}, 3}, {{300, 500}, -2}, {{700, 120}, 5}};
  for (const auto& c : cases) {
    const QPointF kept = OnTable(*table, c.cursor);
    const double zoom = table->Zoom();
    Wheel(*table, c.cursor, c.notches, Qt::ControlModifier);
    EXPECT_NE(table->Zoom(), zoom) << c.cursor.x() << "," << c.cursor.y();
    const QPointF now = OnTable(*table, c.cursor);
    // Scrolling is in whole view pixels.
    EXPECT_LE(QLineF(now, kept).length() * table->Zoom(), 1.0) << c.cursor.x() << "," << c.cursor.y();
  }
}

TEST_F(FreeTableTest, ZoomStopsAtTheWholeTableAndAtTwicePicturePixels) {
  Wheel(*table, {500, 350}, 40, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(table->Zoom(), 2);
  Wheel(*table, {500, 350}, -80, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(table->Zoom(), table->SmallestZoom());
  const QRectF seen = table->mapToScene(table->viewport()->rect()).boundingRect();
  EXPECT_TRUE(seen.adjusted(-2, -2, 2, 2).contains(puzzle->Table())) << "the fitted view shows the whole table";
}

TEST_F(FreeTableTest, DraggingTheEmptyTablePansIt) {
  Wheel(*table, {500, 350}, 6, Qt::ControlModifier);
  const QPointF empty = EmptyTablePoint(*puzzle);
  table->centerOn(empty);
  // From the table's top-left corner region, so the view has room to go right and down.
  const QPoint from = OnView(*table, empty), to = from + QPoint(-120, -70);
  const QPointF grabbed = OnTable(*table, from);
  Drag(*table, from, to);
  EXPECT_EQ(table->HeldGroup(), -1);
  EXPECT_LE(QLineF(OnTable(*table, to), grabbed).length() * table->Zoom(), 1.0) << "the table moved with the cursor";
}

TEST_F(FreeTableTest, TheRightButtonPansOverAPiece) {
  Wheel(*table, {500, 350}, 6, Qt::ControlModifier);
  // The piece nearest the table's middle, so the view has room to pan every way.
  const int piece = NearestPiece(*puzzle, puzzle->Table().center());
  const QPointF onPiece = *VisiblePoint(*puzzle, piece);
  table->centerOn(onPiece);
  const QTransform place = puzzle->PieceToTable(piece);
  const QPoint from = OnView(*table, onPiece);
  Drag(*table, from, from + QPoint(90, -60), Qt::RightButton);
  EXPECT_EQ(puzzle->PieceToTable(piece), place);
  EXPECT_LE(QLineF(OnTable(*table, from + QPoint(90, -60)), onPiece).length() * table->Zoom(), 1.0);
}
}  // namespace
