// A small free puzzle on a shown table, and a player's hand on the table's viewport: real mouse events only.
#include "TableFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

QImage DetailedPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, 0xFF000000u | (x * 7 + y) % 256 << 16 | (x ^ y) % 256 << 8 | (x * y) % 256);
  return picture;
}

std::unique_ptr<TFreePuzzle> SmallFreePuzzle(int pieces, bool turned, unsigned seed) {
  const TFreeGrid grid = FitFreeGrid(QSize(800, 600), pieces);
  const QImage picture = DetailedPicture(grid.Picture.width(), grid.Picture.height());
  std::mt19937 random(seed);
  auto cut = CutFreePuzzle(picture, grid, random);
  auto layout = LayOutFreeTable(grid, cut, turned, random);
  return std::make_unique<TFreePuzzle>(grid, picture, std::move(cut), std::move(layout));
}

std::optional<QPointF> VisiblePoint(const TFreePuzzle& puzzle, int piece) {
  const TFreePiece& p = puzzle.Pieces()[piece];
  const QTransform toTable = puzzle.PieceToTable(piece);
  const QPointF centre = QRectF(FreeCell(puzzle.Grid(), p.Column, p.Row)).center() - QPointF(p.Home);
  const int side = std::max(p.Image.width(), p.Image.height());
  for (int ring = 0; ring < side; ring += 4)
    for (int dy = -ring; dy <= ring; dy += 4)
      for (int dx = -ring; dx <= ring; dx += 4) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const QPoint pixel = (centre + QPointF(dx, dy)).toPoint();
        if (!p.Image.rect().contains(pixel) || qAlpha(p.Image.pixel(pixel)) < 255) continue;
        const QPointF at = toTable.map(QPointF(pixel) + QPointF(0.5, 0.5));
        if (puzzle.PieceAt(at) == piece) return at;
      }
  return std::nullopt;
}

int NearestPiece(const TFreePuzzle& puzzle, QPointF tablePoint) {
  int nearest = -1;
  double distance = HUGE_VAL;
  for (int piece = 0; piece < int(puzzle.Pieces().size()); ++piece) {
    const auto at = VisiblePoint(puzzle, piece);
    if (at && QLineF(*at, tablePoint).length() < distance) nearest = piece, distance = QLineF(*at, tablePoint).length();
  }
  return nearest;
}

QPoint OnView(const TFreeTable& table, QPointF tablePoint) {
  return table.viewportTransform().map(tablePoint).toPoint();
}

QPointF OnTable(const TFreeTable& table, QPoint viewportPoint) {
  return table.viewportTransform().inverted().map(QPointF(viewportPoint));
}

void Press(TFreeTable& table, QPoint at, Qt::MouseButton button) {
  QTest::mousePress(table.viewport(), button, Qt::NoModifier, at);
}

void MoveTo(TFreeTable& table, QPoint to, Qt::MouseButtons buttons) {
  QMouseEvent move(QEvent::MouseMove, QPointF(to), table.viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, buttons,
                   Qt::NoModifier);
  QApplication::sendEvent(table.viewport(), &move);
}

void Release(TFreeTable& table, QPoint at, Qt::MouseButton button) {
  QTest::mouseRelease(table.viewport(), button, Qt::NoModifier, at);
}

void Drag(TFreeTable& table, QPoint from, QPoint to, Qt::MouseButton button) {
  Press(table, from, button);
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i) MoveTo(table, from + (to - from) * i / kSteps, button);
  Release(table, to, button);
}

void Wheel(TFreeTable& table, QPoint at, double notches, Qt::KeyboardModifiers modifiers) {
  QWheelEvent wheel(QPointF(at), table.viewport()->mapToGlobal(QPointF(at)), QPoint(),
                    QPoint(0, int(std::lround(notches * 120))), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(table.viewport(), &wheel);
}

void FreeTableTest::SetUp() {
  table = std::make_unique<TFreeTable>(*puzzle);
  table->resize(1000, 700);
  table->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
  table->FitTable();
}
