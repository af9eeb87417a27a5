// The table under the pieces: wood, the frame where the picture belongs and, if wanted, the picture faded in it.
#include "free/table/TableBackground.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "free/table/ImageLevels.h"

namespace {
constexpr int kWoodSide = 512;
// The grain is this much of the table's width a tile, so it reads as wood both zoomed in and out.
constexpr double kTilesAcross = 5;
const QColor kBeyondTable(46, 32, 22);
const QColor kFrameLine(60, 38, 20);
// The guide is the picture this strong over a pale ground, so the pieces stand out against it.
constexpr double kGuideStrength = 0.35;
const QColor kGuideGround(236, 226, 208);

QImage FadedGuide(const QImage& picture) {
  QImage guide(picture.size(), QImage::Format_RGB32);
  guide.fill(kGuideGround);
  QPainter painter(&guide);
  painter.setOpacity(kGuideStrength);
  painter.drawImage(0, 0, picture);
  return guide;
}

// A small hash of the pixel, for grain that has no pattern of its own.
double Noise(int x, int y) {
  std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return double((h ^ (h >> 16)) & 0xFFFF) / 0xFFFF;
}
}  // namespace

QImage WoodTile(int side) {
  QImage tile(side, side, QImage::Format_RGB32);
  const double tau = 2 * std::numbers::pi;
  for (int y = 0; y < side; ++y) {
    auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < side; ++x) {
      // Rings running along x, bent by slow waves; every frequency is whole over the tile, so it tiles.
      const double u = double(x) / side, v = double(y) / side;
      const double bend = 0.035 * std::sin(tau * 2 * u) + 0.015 * std::sin(tau * (5 * u + v));
      const double rings = 0.5 + 0.5 * std::sin(tau * 11 * (v + bend));
      const double grain = Noise(x / 3, y) * 0.5 + Noise(x, y) * 0.5;
      const double shade = 0.80 + 0.12 * rings * rings + 0.08 * grain;
      row[x] = qRgb(int(196 * shade), int(146 * shade), int(96 * shade));
    }
  }
  return tile;
}

TTableBackground::TTableBackground(QRectF table, QRectF frame, const QImage& picture)
    : table_(table), frame_(frame), wood_(WoodTile(kWoodSide)), guide_(FadedGuide(picture)) {
  smallerGuide_ = HalvedCopies(guide_, 64);
}

void TTableBackground::Draw(QPainter& painter, const QRectF& exposed) const {
  painter.save();
  painter.fillRect(exposed, kBeyondTable);
  QBrush wood(wood_);
  const double tileScale = table_.width() / kTilesAcross / kWoodSide;
  wood.setTransform(QTransform::fromScale(tileScale, tileScale));
  painter.setBrushOrigin(table_.topLeft());
  painter.fillRect(exposed & table_, wood);

  const double scale = DeviceScale(painter);
  if (guideShown_ && exposed.intersects(frame_)) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(frame_, ImageForScale(guide_, smallerGuide_, scale));
  } else {
    painter.fillRect(frame_ & exposed, QColor(0, 0, 0, 40));
  }
  // A line of three screen pixels whatever the zoom, just outside the picture's edge.
  QPen line(kFrameLine, 3 / scale);
  line.setJoinStyle(Qt::MiterJoin);
  painter.setPen(line);
  painter.setBrush(Qt::NoBrush);
  const double out = 1.5 / scale;
  painter.drawRect(frame_.adjusted(-out, -out, out, out));
  painter.restore();
}
