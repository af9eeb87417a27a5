// Images kept at several sizes, and the one to draw at a zoom: never a small image scaled up.
#include "free/table/ImageLevels.h"

#include <QPainter>
#include <cmath>

double DeviceScale(const QPainter& painter) {
  const QTransform& t = painter.deviceTransform();
  return std::sqrt(std::abs(t.determinant()));
}

const QImage& ImageForScale(const QImage& full, const std::vector<QImage>& smaller, double scale) {
  // A little under the exact size still counts: a copy one pixel short is sharper than its double shrunk.
  const double wanted = scale * full.width() * 0.98;
  const QImage* best = &full;
  for (const QImage& copy : smaller) {
    if (copy.width() < wanted) break;
    best = &copy;
  }
  return *best;
}

std::vector<QImage> HalvedCopies(const QImage& full, int smallestSide) {
  std::vector<QImage> copies;
  const QImage* last = &full;
  while (std::max(last->width(), last->height()) / 2 >= smallestSide) {
    copies.push_back(last->scaled(std::max(1, last->width() / 2), std::max(1, last->height() / 2),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    last = &copies.back();
  }
  return copies;
}
