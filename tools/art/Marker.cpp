// The hint marker: a bright arrow whose tip, the picture's top-left corner, points at the piece's home.
#include <QLinearGradient>
#include <QPainter>

#include "tools/art/Art.h"

namespace {
constexpr int kSide = 64;

// Arrow pointing along -x with its tip at the origin.
QPainterPath Arrow() {
  QPainterPath arrow(QPointF(0, 0));
  arrow.lineTo(30, -17);
  arrow.quadTo(27, -9, 27, -6.5);
  arrow.lineTo(68, -6.5);
  arrow.quadTo(72, 0, 68, 6.5);
  arrow.lineTo(27, 6.5);
  arrow.quadTo(27, 9, 30, 17);
  arrow.closeSubpath();
  return arrow;
}
}  // namespace

QImage DrawHintMarker() {
  QImage drawn(kSide, kSide, QImage::Format_ARGB32);
  drawn.fill(Qt::transparent);
  {
    QPainter p(&drawn);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2.5, 2.5);
    p.rotate(45);
    const QPainterPath arrow = Arrow();
    QLinearGradient fill(0, -17, 0, 17);
    fill.setColorAt(0.0, QColor(255, 200, 60));
    fill.setColorAt(0.5, QColor(244, 96, 20));
    fill.setColorAt(1.0, QColor(190, 30, 10));
    p.setPen(QPen(QColor(90, 10, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(arrow);
    // Shine along the upper flank, kept below the key's brightness so it stays opaque.
    p.setPen(QPen(QColor(255, 226, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, -2.5), QPointF(62, -2.5));
  }
  // The game keys out every pixel whose grey level is 240 or more, with no partial transparency: anything
  // less than half covered becomes pure white, the rest fully opaque, so the arrow's outline stays crisp.
  QImage marker(kSide, kSide, QImage::Format_RGB32);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const QRgb c = drawn.pixel(x, y);
      marker.setPixel(x, y, qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(255, 255, 255));
    }
  return marker;
}
