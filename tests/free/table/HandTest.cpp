// The hand on the table: pixel hits, a grab that keeps the pressed point, turns of the held group, joins.
#include <QPainter>
#include <QTest>

#include "TableFixture.h"
#include "free/table/PieceItem.h"

namespace {
// A transparent pixel of the piece's image that no piece covers: its corner, beside a tab.
std::optional<QPointF> BareCorner(const TFreePuzzle& puzzle, int piece) {
  const QImage& image = puzzle.Pieces()[piece].Image;
  for (int y = 0; y < image.height() / 4; ++y)
    for (int x = 0; x < image.width() / 4; ++x)
      if (qAlpha(image.pixel(x, y)) == 0) {
        const QPointF at = puzzle.PieceToTable(piece).map(QPointF(x + 0.5, y + 0.5));
        if (puzzle.PieceAt(at) < 0) return at;
      }
  return std::nullopt;
}

// Where a point of the piece's image lies on the table now.
QPointF Where(const TFreePuzzle& puzzle, int piece, QPointF pieceImagePoint) {
  return puzzle.PieceToTable(piece).map(pieceImagePoint);
}

TEST_F(FreeTableTest, APressOnAPiecesTransparentCornerDoesNotTakeIt) {
  Wheel(*table, {500, 350}, 4, Qt::ControlModifier);
  int tried = 0;
  for (int piece = 0; piece < int(puzzle->Pieces().size()) && tried < 5; ++piece) {
    const auto corner = BareCorner(*puzzle, piece);
    if (!corner) continue;
    table->centerOn(*corner);
    const QPoint at = OnView(*table, *corner);
    if (!table->viewport()->rect().contains(at)) continue;
    ++tried;
    EXPECT_TRUE(table->Item(piece).sceneBoundingRect().contains(*corner)) << "inside the piece's bounding box";
    const QTransform place = puzzle->PieceToTable(piece);
    Press(*table, at);
    EXPECT_EQ(table->HeldGroup(), -1) << "piece " << piece;
    MoveTo(*table, at + QPoint(30, 20));
    Release(*table, at + QPoint(30, 20));
    EXPECT_EQ(puzzle->PieceToTable(piece), place) << "piece " << piece;
  }
  EXPECT_EQ(tried, 5);
}

TEST_F(FreeTableTest, AGrabKeepsThePressedPointUnderTheCursorAndRaisesTheGroup) {
  Wheel(*table, {500, 350}, 2, Qt::ControlModifier);
  // In the table's middle, so no step takes the cursor off the table.
  const int piece = NearestPiece(*puzzle, puzzle->Table().center());
  table->centerOn(*VisiblePoint(*puzzle, piece));
  const QPoint from = OnView(*table, *VisiblePoint(*puzzle, piece));
  const QPointF pressed = puzzle->PieceToTable(piece).inverted().map(OnTable(*table, from));
  Press(*table, from);
  ASSERT_EQ(table->HeldGroup(), puzzle->GroupOf(piece));
  EXPECT_EQ(puzzle->Stacking().back(), puzzle->GroupOf(piece));
  for (const QPoint step : {QPoint(37, 23), QPoint(-80, 5), QPoint(140, -66), QPoint(3, 1)}) {
    const QPoint cursor = OnView(*table, Where(*puzzle, piece, pressed)) + step;
    MoveTo(*table, cursor);
    EXPECT_LE(QLineF(OnView(*table, Where(*puzzle, piece, pressed)), cursor).length(), 1.0)
        << step.x() << "," << step.y();
    EXPECT_EQ(table->Item(piece).sceneTransform(), puzzle->PieceToTable(piece));
  }
  // Drawn above every other piece while held.
  for (size_t i = 0; i < puzzle->Pieces().size(); ++i) {
    if (int(i) != piece) {
      EXPECT_LT(table->Item(int(i)).zValue(), table->Item(piece).zValue()) << i;
    }
  }
  Release(*table, OnView(*table, Where(*puzzle, piece, pressed)));
  EXPECT_EQ(table->HeldGroup(), -1);
}

TEST_F(FreeTableTest, KeysAndTheWheelTurnTheHeldGroupThenTheOneLetGo) {
  const int piece = 3, group = puzzle->GroupOf(piece);
  const QPoint at = OnView(*table, *VisiblePoint(*puzzle, piece));
  Press(*table, at);
  QTest::keyClick(table.get(), Qt::Key_Left);
  EXPECT_DOUBLE_EQ(puzzle->Place(group).Angle, 1);
  QTest::keyClick(table.get(), Qt::Key_PageDown);
  EXPECT_DOUBLE_EQ(puzzle->Place(group).Angle, -9);
  Wheel(*table, at, 2);
  EXPECT_DOUBLE_EQ(puzzle->Place(group).Angle, 1);
  EXPECT_EQ(table->Item(piece).sceneTransform(), puzzle->PieceToTable(piece));
  Release(*table, at);
  QTest::keyClick(table.get(), Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(puzzle->Place(puzzle->GroupOf(piece)).Angle, 11) << "the group let go last";
}

TEST_F(FreeTableTest, AJoinSoundsAndGlows) {
  // Piece 1 brought beside piece 0, its left neighbour, off the frame.
  const int left = 0, right = 1;
  const QPointF from = *VisiblePoint(*puzzle, right);
  const QPointF shift = puzzle->Place(puzzle->GroupOf(left)).Origin - puzzle->Place(puzzle->GroupOf(right)).Origin;
  Drag(*table, OnView(*table, from), OnView(*table, from + shift));
  ASSERT_EQ(puzzle->GroupOf(left), puzzle->GroupOf(right));
  EXPECT_EQ(table->Item(right).sceneTransform(), puzzle->PieceToTable(right));
  EXPECT_EQ(table->Item(left).sceneTransform(), puzzle->PieceToTable(left));
  EXPECT_GT(table->Item(left).Glow(), 0);
  EXPECT_GT(table->Item(right).Glow(), 0);
  // The player is no Q_OBJECT, so it is found by its C++ type.
  const RecordingPlayer* player = nullptr;
  for (QObject* child : table->findChildren<QObject*>())
    if (auto* recording = dynamic_cast<RecordingPlayer*>(child)) player = recording;
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->log, QStringList({"open set.wav", "play from start"}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return table->Item(left).Glow() == 0; }, 3000)) << "the glow fades";
}

TEST(FreeTableDrawing, PiecesAreDrawnFromTheImageTheZoomAndScreenNeed) {
  RecordingPlayers players;
  const auto puzzle = SmallFreePuzzle();
  TFreeTable table(*puzzle);
  // Small, so that the whole table in view is zoomed out further than every case.
  table.resize(240, 180);
  table.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  const TFreePiece& piece = puzzle->Pieces()[0];
  const struct {
    double zoom, pixelRatio;
    QSize drawn;
  } cases[] = {{1, 1, piece.Image.size()},
               {2, 1, piece.Image.size()},
               {0.5, 2, piece.Image.size()},
               {0.5, 1, piece.Smaller.at(0).size()},
               {0.25, 2, piece.Smaller.at(0).size()},
               {0.2, 1, piece.Smaller.at(1).size()}};
  for (const auto& c : cases) {
    table.ZoomBy(c.zoom / table.Zoom(), {0, 0});
    ASSERT_DOUBLE_EQ(table.Zoom(), c.zoom);
    table.centerOn(puzzle->PieceToTable(0).map(QPointF(piece.Image.width() / 2.0, piece.Image.height() / 2.0)));
    QImage screen(table.viewport()->size() * c.pixelRatio, QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(c.pixelRatio);
    QPainter painter(&screen);
    // In logical pixels: the image's own size counts its device pixels.
    table.render(&painter, QRectF(table.viewport()->rect()), table.viewport()->rect());
    painter.end();
    EXPECT_EQ(table.Item(0).DrawnSize(), c.drawn) << "zoom " << c.zoom << ", pixel ratio " << c.pixelRatio;
  }
}
}  // namespace
