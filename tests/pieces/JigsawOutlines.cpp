// Outline fixtures.
#include "JigsawOutlines.h"

#include <QPoint>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
using TCurvePoints = std::vector<QPoint>;

QString Format(const std::vector<TCurvePoints>& curves) {
  QStringList parts;
  for (const TCurvePoints& curve : curves) {
    QStringList numbers;
    for (const QPoint& p : curve) numbers << QString::number(p.x()) << QString::number(p.y());
    parts << numbers.join(',');
  }
  return parts.join(';');
}

// One tab in edge units: u along the edge, v away from it to the left of the direction of travel; four cubics.
struct TTabShape {
  double center;  // where along the edge the neck sits, about 0.5
  double height;  // how far the knob reaches, in edge lengths
};

// The curves of one edge between two grid corners, in grid units scaled by 400 and rounded, so that the two pieces
// sharing the edge get identical points. tab: +1 out to the left of travel, -1 to the right, 0 straight.
std::vector<TCurvePoints> EdgeCurves(QPoint from, QPoint to, int tab, TTabShape shape) {
  if (tab == 0) return {{from, to}};
  const double dx = to.x() - from.x(), dy = to.y() - from.y();
  auto at = [&](double u, double v) {
    v *= tab;
    return QPoint(static_cast<int>(std::lround(from.x() + dx * u + dy * v)),
                  static_cast<int>(std::lround(from.y() + dy * u - dx * v)));
  };
  const double c = shape.center, h = shape.height;
  return {
      {at(0, 0), at(0.5 * c, 0), at(c - 0.08, 0.02), at(c - 0.1, 0.06 * h / 0.2)},
      {at(c - 0.1, 0.06 * h / 0.2), at(c - 0.17, 0.5 * h), at(c - 0.18, h), at(c, h)},
      {at(c, h), at(c + 0.18, h), at(c + 0.17, 0.5 * h), at(c + 0.1, 0.06 * h / 0.2)},
      {at(c + 0.1, 0.06 * h / 0.2), at(c + 0.08, 0.02), at(0.5 + 0.5 * c, 0), at(1, 0)},
  };
}

std::vector<TCurvePoints> Reversed(std::vector<TCurvePoints> curves) {
  std::reverse(curves.begin(), curves.end());
  for (TCurvePoints& curve : curves) std::reverse(curve.begin(), curve.end());
  return curves;
}

// Deterministic variety per edge.
unsigned EdgeHash(int a, int b, int kind, int variant) {
  return static_cast<unsigned>(a * 73856093 ^ b * 19349663 ^ kind * 83492791) * 2654435761u + variant * 40503u;
}

TTabShape ShapeOf(int a, int b, int kind, int variant) {
  const unsigned h = EdgeHash(a, b, kind, variant);
  return {0.44 + (h >> 8) % 13 * 0.01, 0.16 + (h >> 12) % 7 * 0.01};
}

int TabOf(int a, int b, int kind, int variant) { return EdgeHash(a, b, kind, variant) >> 20 & 1 ? 1 : -1; }
}  // namespace

QString RectOutline(int x0, int y0, int x1, int y1) {
  return Format({{{x0, y0}, {x1, y0}}, {{x1, y0}, {x1, y1}}, {{x1, y1}, {x0, y1}}, {{x0, y1}, {x0, y0}}});
}

QString SquareOutline() { return RectOutline(200, 200, 600, 600); }

QString RightTabOutline(int reach) {
  return Format({{{200, 200}, {600, 200}},
                 {{600, 200}, {600, 350}},
                 {{600, 350}, {reach, 350}},
                 {{reach, 350}, {reach, 450}},
                 {{reach, 450}, {600, 450}},
                 {{600, 450}, {600, 600}},
                 {{600, 600}, {200, 600}},
                 {{200, 600}, {200, 200}}});
}

std::vector<QString> JigsawOutlines(int cols, int rows, int variant) {
  constexpr int kUnit = 400;
  // The edge from grid corner (c, r) to (c + 1, r), canonical direction left to right; out means upward.
  auto horizontal = [&](int c, int r) {
    const QPoint from(c * kUnit, r * kUnit), to((c + 1) * kUnit, r * kUnit);
    if (r == 0 || r == rows) return EdgeCurves(from, to, 0, {});
    return EdgeCurves(from, to, TabOf(c, r, 0, variant), ShapeOf(c, r, 0, variant));
  };
  // From (c, r) down to (c, r + 1); out means to the right.
  auto vertical = [&](int c, int r) {
    const QPoint from(c * kUnit, r * kUnit), to(c * kUnit, (r + 1) * kUnit);
    if (c == 0 || c == cols) return EdgeCurves(from, to, 0, {});
    return EdgeCurves(from, to, TabOf(c, r, 1, variant), ShapeOf(c, r, 1, variant));
  };
  std::vector<QString> outlines;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      // Clockwise on the screen: top left to right, right side down, bottom right to left, left side up.
      std::vector<TCurvePoints> curves;
      for (auto edge : {horizontal(c, r), vertical(c + 1, r), Reversed(horizontal(c, r + 1)), Reversed(vertical(c, r))})
        curves.insert(curves.end(), edge.begin(), edge.end());
      const QPoint shift(200 - c * kUnit, 200 - r * kUnit);
      for (TCurvePoints& curve : curves)
        for (QPoint& p : curve) p += shift;
      outlines.push_back(Format(curves));
    }
  }
  return outlines;
}
