// Seamless value noise and a cheap soft blur for the generated textures.
#include <QtMath>
#include <cstdint>

#include "tools/art/Art.h"

namespace {
double Lattice(int x, int y, unsigned seed) {
  std::uint32_t h =
      static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

int Wrap(int v, int period) { return ((v % period) + period) % period; }

double Smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double TileableNoise(double x, double y, int periodX, int periodY, unsigned seed) {
  const int x0 = qFloor(x), y0 = qFloor(y);
  const double fx = Smooth(x - x0), fy = Smooth(y - y0);
  const int xa = Wrap(x0, periodX), xb = Wrap(x0 + 1, periodX);
  const int ya = Wrap(y0, periodY), yb = Wrap(y0 + 1, periodY);
  const double top = Lattice(xa, ya, seed) * (1 - fx) + Lattice(xb, ya, seed) * fx;
  const double bottom = Lattice(xa, yb, seed) * (1 - fx) + Lattice(xb, yb, seed) * fx;
  return top * (1 - fy) + bottom * fy;
}

QImage SoftBlur(const QImage& image, int factor) {
  const QSize small(qMax(1, image.width() / factor), qMax(1, image.height() / factor));
  return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
