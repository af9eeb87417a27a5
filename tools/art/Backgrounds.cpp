// Background pictures: the message panel's parchment and the window's seamless oak planks.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "tools/art/Art.h"

namespace {
QRgb Mix(QRgb a, QRgb b, double t) {
  t = qBound(0.0, t, 1.0);
  return qRgb(int(qRed(a) + (qRed(b) - qRed(a)) * t + 0.5), int(qGreen(a) + (qGreen(b) - qGreen(a)) * t + 0.5),
              int(qBlue(a) + (qBlue(b) - qBlue(a)) * t + 0.5));
}

// Sum of octaves; every octave's lattice divides the tile, so the sum tiles too.
double TileableFractal(double x, double y, int tile, int cells, unsigned seed) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int octave = 0; octave < 4; ++octave, cells *= 2, amplitude *= 0.5) {
    sum += amplitude * TileableNoise(x * cells / tile, y * cells / tile, cells, cells, seed + octave);
    weight += amplitude;
  }
  return sum / weight;
}
}  // namespace

QImage DrawMessagePanel() {
  constexpr int w = 401, h = 321;
  QImage image(w, h, QImage::Format_RGB32);
  // Parchment: warm paper with faint cloudy fibres, kept light everywhere.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double cloud = TileableFractal(x, y, 512, 6, 11);
      image.setPixel(x, y, Mix(qRgb(255, 251, 238), qRgb(240, 226, 196), cloud * 1.2 - 0.2));
    }
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient edge(QPointF(w / 2.0, h / 2.0), w * 0.62);
  edge.setColorAt(0.55, QColor(190, 150, 90, 0));
  edge.setColorAt(1.00, QColor(190, 150, 90, 60));
  p.fillRect(image.rect(), edge);

  // Faint pieces in two corners, a hint of the game without disturbing the text.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 130, 70, 55), 1.5));
  p.drawPath(JigsawPiecePath(QRectF(-30, -30, 78, 78), 0, 1, 1, 0));
  p.drawPath(JigsawPiecePath(QRectF(48, -30, 78, 78), 0, 0, -1, 0));
  p.drawPath(JigsawPiecePath(QRectF(w - 48, h - 48, 78, 78), 1, 0, 0, 1));
  p.drawPath(JigsawPiecePath(QRectF(w - 126, h - 48, 78, 78), -1, 0, 0, 0));

  // A double gold rule inside the edge.
  p.setPen(QPen(QColor(196, 150, 70, 170), 2));
  p.drawRoundedRect(QRectF(8, 8, w - 16, h - 16), 10, 10);
  p.setPen(QPen(QColor(196, 150, 70, 110), 1));
  p.drawRoundedRect(QRectF(13.5, 13.5, w - 27, h - 27), 7, 7);
  return image;
}

QImage DrawWoodTexture() {
  constexpr int side = 128;
  constexpr int planks = 2;
  QImage image(side, side, QImage::Format_RGB32);
  const QRgb light = qRgb(214, 174, 122), dark = qRgb(170, 122, 72), seam = qRgb(120, 82, 46);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const int plank = y * planks / side;
      const double inPlank = double(y % (side / planks)) / (side / planks);
      // Grain: stripes along x, bent by slow noise; whole periods across the tile keep it seamless.
      const double bend = TileableNoise(x / 64.0, y / 32.0, side / 64, side / 32, 3 + plank) * 0.9 +
                          TileableNoise(x / 16.0, y / 16.0, side / 16, side / 16, 5) * 0.15;
      const double rings = 0.5 + 0.5 * qSin(2 * M_PI * (y * 10.0 / side + bend));
      const double fibre = TileableNoise(x / 8.0, y / 1.0, side / 8, side, 7);
      const double tone = 0.45 * qPow(rings, 4) + 0.35 * fibre + (plank == 1 ? 0.1 : 0);
      QRgb c = Mix(light, dark, tone);
      // A soft groove between planks.
      const double groove = qMin(inPlank, 1 - inPlank) * (side / planks);
      if (groove < 1.5) c = Mix(c, seam, 0.8 - groove * 0.3);
      image.setPixel(x, y, c);
    }
  return image;
}
