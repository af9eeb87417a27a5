// The board picture before the first level: the landscape as a puzzle being assembled, under the game's title.
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "tools/art/Art.h"

namespace {
constexpr int kSide = 800;
constexpr int kGrid = 5;
constexpr double kCell = double(kSide) / kGrid;

// Tab direction of the edge below cell (row, col) and of the edge right of it, fixed so the cut never changes.
int TabBelow(int row, int col) { return ((row * 7 + col * 3) % 5) < 2 ? 1 : -1; }
int TabRight(int row, int col) { return ((row * 5 + col * 11) % 7) < 3 ? -1 : 1; }

QPainterPath PiecePath(int row, int col) {
  // Seen from this cell, a tab below that bulges down is "out"; the edge shared with a neighbour is opposite.
  const int top = row == 0 ? 0 : -TabBelow(row - 1, col);
  const int right = col == kGrid - 1 ? 0 : TabRight(row, col);
  const int bottom = row == kGrid - 1 ? 0 : TabBelow(row, col);
  const int left = col == 0 ? 0 : -TabRight(row, col - 1);
  return JigsawPiecePath(QRectF(col * kCell, row * kCell, kCell, kCell), top, right, bottom, left);
}

// Engraved cut lines: a dark line with a light one just below it.
void DrawCutLines(QPainter& p) {
  QPainterPath cuts;
  for (int row = 0; row < kGrid; ++row)
    for (int col = 0; col < kGrid; ++col) {
      if (row < kGrid - 1) {
        const QPointF a((col + 1) * kCell, (row + 1) * kCell), b(col * kCell, (row + 1) * kCell);
        cuts.moveTo(a);
        AddJigsawEdge(cuts, a, b, TabBelow(row, col));
      }
      if (col < kGrid - 1) {
        const QPointF a((col + 1) * kCell, row * kCell), b((col + 1) * kCell, (row + 1) * kCell);
        cuts.moveTo(a);
        AddJigsawEdge(cuts, a, b, TabRight(row, col));
      }
    }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1.6));
  p.drawPath(cuts.translated(0.8, 1.2));
  p.setPen(QPen(QColor(0, 0, 0, 110), 1.4));
  p.drawPath(cuts);
}

// The empty place of a lifted piece: the table shows through, shadowed at the rim.
void DrawHole(QPainter& p, const QPainterPath& piece) {
  p.save();
  p.setClipPath(piece);
  QLinearGradient table(0, 0, kSide, kSide);
  table.setColorAt(0, QColor(92, 58, 32));
  table.setColorAt(1, QColor(60, 36, 20));
  p.fillPath(piece, table);
  p.setBrush(Qt::NoBrush);
  for (int w = 14; w > 0; w -= 2) {
    p.setPen(QPen(QColor(0, 0, 0, 22), w));
    p.drawPath(piece.translated(2, 3));
  }
  p.restore();
}

// A lifted piece, turned and shifted, with a soft shadow and a bevelled rim.
void DrawLiftedPiece(QPainter& p, const QImage& scene, const QPainterPath& piece, QPointF shift, double angle) {
  const QPointF centre = piece.boundingRect().center();
  QTransform move;
  move.translate(centre.x() + shift.x(), centre.y() + shift.y());
  move.rotate(angle);
  move.translate(-centre.x(), -centre.y());

  QImage shadow(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  {
    QPainter s(&shadow);
    s.setRenderHint(QPainter::Antialiasing);
    s.setTransform(move * QTransform::fromTranslate(14, 18));
    s.fillPath(piece, QColor(0, 0, 0, 150));
  }
  p.drawImage(0, 0, SoftBlur(shadow, 6));

  p.save();
  p.setTransform(move, true);
  p.setClipPath(piece);
  p.drawImage(0, 0, scene);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 120), 4));
  p.drawPath(piece.translated(-1.5, -1.5));
  p.setPen(QPen(QColor(0, 0, 0, 120), 4));
  p.drawPath(piece.translated(1.5, 1.5));
  p.restore();
  p.save();
  p.setTransform(move, true);
  p.setPen(QPen(QColor(40, 24, 10, 160), 1.2));
  p.drawPath(piece);
  p.restore();
}

// Text as an outlined, gradient-filled shape with a blurred shadow, centred on `centreX` at `baseline`.
void DrawTitleText(QPainter& p, const QString& text, const QFont& font, double centreX, double baseline,
                   const QBrush& fill, const QColor& outline, double outlineWidth) {
  QPainterPath shape;
  shape.addText(0, 0, font, text);
  shape.translate(centreX - shape.boundingRect().center().x(), baseline);

  QImage shadow(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  {
    QPainter s(&shadow);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(QPen(QColor(0, 0, 0, 200), outlineWidth * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    s.setBrush(QColor(0, 0, 0, 200));
    s.drawPath(shape.translated(4, 7));
  }
  p.drawImage(0, 0, SoftBlur(shadow, 5));

  p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shape);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(shape);
  // A thin light edge along the top of the letters.
  p.save();
  p.setClipPath(shape);
  p.setPen(QPen(QColor(255, 255, 240, 150), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shape.translated(0, 2));
  p.restore();
}

QBrush GoldBrush(double top, double bottom) {
  QLinearGradient gold(0, top, 0, bottom);
  gold.setColorAt(0.00, QColor(255, 248, 196));
  gold.setColorAt(0.45, QColor(255, 206, 84));
  gold.setColorAt(0.55, QColor(236, 160, 30));
  gold.setColorAt(1.00, QColor(255, 214, 110));
  return gold;
}

void DrawTitle(QPainter& p) {
  QFont small("DejaVu Sans", 20, QFont::Bold);
  small.setPixelSize(22);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 12);
  DrawTitleText(p, "K A V R I N", small, kSide / 2, 78, QColor(255, 240, 214), QColor(40, 24, 60), 1.5);

  QFont first("DejaVu Serif", 40, QFont::Bold);
  first.setPixelSize(84);
  DrawTitleText(p, "Настольный", first, kSide / 2, 170, GoldBrush(105, 175), QColor(66, 30, 8), 3.5);
  QFont second("DejaVu Serif", 60, QFont::Bold);
  second.setPixelSize(150);
  DrawTitleText(p, "Пазл", second, kSide / 2, 305, GoldBrush(200, 310), QColor(66, 30, 8), 4.5);
}

void DrawMotto(QPainter& p) {
  const QRectF band(130, 730, 540, 46);
  QLinearGradient g(band.topLeft(), band.topRight());
  g.setColorAt(0.0, QColor(20, 14, 30, 0));
  g.setColorAt(0.2, QColor(20, 14, 30, 170));
  g.setColorAt(0.8, QColor(20, 14, 30, 170));
  g.setColorAt(1.0, QColor(20, 14, 30, 0));
  p.fillRect(band, g);
  QFont font("DejaVu Serif", 20, QFont::Normal, true);
  font.setPixelSize(25);
  p.setFont(font);
  p.setPen(QColor(255, 232, 180));
  p.drawText(band, Qt::AlignCenter, "Собери картину по кусочкам");
}

void DrawVignette(QPainter& p) {
  QRadialGradient v(QPointF(kSide / 2, kSide / 2), kSide * 0.75);
  v.setColorAt(0.6, QColor(0, 0, 0, 0));
  v.setColorAt(1.0, QColor(0, 0, 0, 120));
  p.fillRect(QRect(0, 0, kSide, kSide), v);
}
}  // namespace

QImage DrawTitlePicture() {
  QImage scene(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  {
    QPainter s(&scene);
    DrawLandscape(s, QRectF(0, 0, kSide, kSide));
  }
  QImage picture = scene.copy();
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  DrawCutLines(p);
  const QPainterPath sunPiece = PiecePath(2, 3), shorePiece = PiecePath(3, 0);
  DrawHole(p, sunPiece);
  DrawHole(p, shorePiece);
  DrawVignette(p);
  DrawLiftedPiece(p, scene, shorePiece, QPointF(26, 58), -17);
  DrawLiftedPiece(p, scene, sunPiece, QPointF(-34, -22), 9);
  DrawTitle(p);
  DrawMotto(p);
  p.end();
  return picture.convertToFormat(QImage::Format_RGB32);
}
