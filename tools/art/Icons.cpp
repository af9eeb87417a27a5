// Small icons: the gold star of the score and the window icon.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "tools/art/Art.h"

QImage DrawStar(int size) {
  QImage star(size, size, QImage::Format_ARGB32_Premultiplied);
  star.fill(Qt::transparent);
  QPainter p(&star);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size / 2.0, size / 2.0 + size * 0.04);
  const double outer = size * 0.48, inner = outer * 0.44;
  QPainterPath shape;
  for (int i = 0; i < 10; ++i) {
    const double a = qDegreesToRadians(-90.0 + i * 36);
    const double r = i % 2 ? inner : outer;
    const QPointF v(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
    if (i == 0)
      shape.moveTo(v);
    else
      shape.lineTo(v);
  }
  shape.closeSubpath();
  QRadialGradient gold(centre - QPointF(size * 0.1, size * 0.15), outer * 1.2);
  gold.setColorAt(0.0, QColor(255, 250, 200));
  gold.setColorAt(0.4, QColor(255, 212, 50));
  gold.setColorAt(1.0, QColor(214, 130, 0));
  p.setPen(QPen(QColor(140, 78, 0), qMax(1.0, size / 24.0), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
  p.setBrush(gold);
  p.drawPath(shape);
  return star;
}

QImage DrawWindowIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  // A piece with tabs on the top and right; its cell leaves room for them inside the icon.
  const double cell = size * 0.70;
  const QRectF body(size * 0.06, size * 0.24, cell, cell);
  const QPainterPath piece = JigsawPiecePath(body, 1, 1, -1, -1);

  QImage shadow(size, size, QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  {
    QPainter s(&shadow);
    s.setRenderHint(QPainter::Antialiasing);
    s.fillPath(piece.translated(size * 0.02, size * 0.03), QColor(0, 0, 0, 150));
  }
  p.drawImage(0, 0, SoftBlur(shadow, 4));

  p.save();
  p.setClipPath(piece);
  // The landscape framed on the sun and the lake.
  const double scene = size * 1.35;
  DrawLandscape(p, QRectF(size * 0.5 - scene * 0.6, size * 0.58 - scene * 0.62, scene, scene));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 140), size / 32.0));
  p.drawPath(piece.translated(-size / 128.0, -size / 128.0));
  p.restore();
  p.setPen(QPen(QColor(50, 28, 10), size / 64.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(piece);
  return icon;
}
