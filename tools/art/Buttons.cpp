// Faces of the picture buttons (grey and yellow, up and down) and the round icons of the turning buttons.
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "tools/art/Art.h"

namespace {
struct TFacePalette {
  QColor top, bottom, border;
};

TFacePalette Palette(TFaceColour colour) {
  if (colour == TFaceColour::Yellow) return {QColor(255, 240, 150), QColor(242, 172, 28), QColor(150, 96, 8)};
  return {QColor(246, 246, 244), QColor(168, 170, 176), QColor(96, 98, 106)};
}
}  // namespace

QImage DrawButtonFace(TFaceColour colour, bool down) {
  constexpr int w = 81, h = 49;
  const TFacePalette c = Palette(colour);
  QImage face(w, h, QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(1, 1, w - 2, h - 3);
  constexpr double radius = 11;

  // Drop shadow under a raised face; a pressed face sits flat.
  if (!down) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(body.translated(0, 1.5), radius, radius);
  }
  QLinearGradient fill(0, body.top(), 0, body.bottom());
  fill.setColorAt(0, down ? c.bottom.darker(108) : c.top);
  fill.setColorAt(1, down ? c.top.darker(104) : c.bottom);
  p.setPen(QPen(c.border, 1.2));
  p.setBrush(fill);
  p.drawRoundedRect(down ? body.translated(0, 1) : body, radius, radius);

  p.save();
  p.setClipPath([&] {
    QPainterPath clip;
    clip.addRoundedRect(down ? body.translated(0, 1) : body, radius, radius);
    return clip;
  }());
  if (down) {
    // Inner shadow along the top edge of a pressed face.
    QLinearGradient inner(0, body.top() + 1, 0, body.top() + 9);
    inner.setColorAt(0, QColor(0, 0, 0, 70));
    inner.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(body, inner);
  } else {
    // Gloss on the upper half.
    const QRectF gloss(body.left() + 3, body.top() + 2, body.width() - 6, body.height() * 0.46);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 190));
    shine.setColorAt(1, QColor(255, 255, 255, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, radius - 3, radius - 3);
  }
  p.restore();
  return face;
}

QImage DrawTurnIcon(bool counterClockwise, int degrees) {
  constexpr int side = 57;
  QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPointF centre(side / 2.0, side / 2.0);

  // A brass-rimmed disc.
  QLinearGradient disc(0, 2, 0, side - 2);
  disc.setColorAt(0, QColor(255, 250, 232));
  disc.setColorAt(1, QColor(222, 200, 160));
  p.setPen(QPen(QColor(140, 96, 40), 1.6));
  p.setBrush(disc);
  p.drawEllipse(centre, 26.5, 26.5);

  // Three quarters of a circle with an arrowhead at the end of the turn; mirrored for clockwise.
  if (!counterClockwise) {
    p.translate(side, 0);
    p.scale(-1, 1);
  }
  const QColor ink(24, 92, 150);
  constexpr double r = 17.5;
  const QRectF arc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
  p.setPen(QPen(ink, 4.2, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  // Counter-clockwise on screen from the right side round over the top to the bottom.
  p.drawArc(arc, -60 * 16, 260 * 16);
  const double end = qDegreesToRadians(200.0);
  const QPointF tip(centre.x() + r * qCos(end), centre.y() - r * qSin(end));
  // Tangent of a counter-clockwise turn on screen at the end angle.
  const QPointF along(-qSin(end), -qCos(end));
  const QPointF normal(along.y(), -along.x());
  QPainterPath head(tip + along * 7);
  head.lineTo(tip - along * 2 + normal * 7);
  head.lineTo(tip - along * 2 - normal * 7);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(head);
  if (!counterClockwise) {
    p.scale(-1, 1);
    p.translate(-side, 0);
  }

  QFont font("DejaVu Sans", 10, QFont::Bold);
  font.setPixelSize(degrees >= 10 ? 14 : 15);
  p.setFont(font);
  p.setPen(QColor(60, 36, 12));
  p.drawText(QRectF(0, 0, side, side).adjusted(0, 1, 0, 0), Qt::AlignCenter, QString("%1°").arg(degrees));
  return icon;
}
