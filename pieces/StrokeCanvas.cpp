// Stroking by rows: each segment's reach is a capsule, which meets a pixel row in one run of pixels.
#include "pieces/StrokeCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {
// Geometry runs in doubled coordinates, where pixel centres (x + 0.5, y + 0.5) are the odd integers.
using Wide = __int128;

struct TDoubled {
  std::int64_t x, y;
};

TDoubled Doubled(QPoint p) { return {2 * std::int64_t(p.x()), 2 * std::int64_t(p.y())}; }

bool CoversCentre(TDoubled a, TDoubled b, std::int64_t reach, TDoubled c) {
  const std::int64_t dx = b.x - a.x, dy = b.y - a.y, vx = c.x - a.x, vy = c.y - a.y;
  const Wide along = Wide(vx) * dx + Wide(vy) * dy, length2 = Wide(dx) * dx + Wide(dy) * dy;
  const Wide reach2 = Wide(reach) * reach;
  if (length2 == 0 || along <= 0) return Wide(vx) * vx + Wide(vy) * vy <= reach2;
  if (along >= length2) return Wide(c.x - b.x) * (c.x - b.x) + Wide(c.y - b.y) * (c.y - b.y) <= reach2;
  const Wide cross = Wide(vx) * dy - Wide(vy) * dx;
  return cross * cross <= reach2 * length2;
}

// Row y's pixels covered by the segment a-b, as [x0, x1). Computed in floating point; wherever a pixel centre lies so
// near the capsule's edge that rounding could matter, the exact test decides.
TSpan RowCover(QPoint pa, QPoint pb, int penWidth, int y) {
  const TDoubled a = Doubled(pa), b = Doubled(pb);
  const double reach = penWidth, cy = 2.0 * y + 1;
  const double ax = a.x, ay = a.y, bx = b.x, by = b.y;
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  auto cover = [&](double from, double to) {
    lo = std::min(lo, from);
    hi = std::max(hi, to);
  };
  for (const TDoubled& end : {a, b}) {
    const double h = reach * reach - (cy - end.y) * (cy - end.y);
    if (h >= 0) cover(end.x - std::sqrt(h), end.x + std::sqrt(h));
  }
  const double dx = bx - ax, dy = by - ay, up = cy - ay;
  if (dy == 0) {
    if (std::abs(up) <= reach) cover(std::min(ax, bx), std::max(ax, bx));
  } else {
    // The band along the segment: within reach of its line, and between the perpendiculars at its ends.
    const double length = std::hypot(dx, dy);
    double p1 = ax + (up * dx - reach * length) / dy, p2 = ax + (up * dx + reach * length) / dy;
    if (p1 > p2) std::swap(p1, p2);
    double q1 = -std::numeric_limits<double>::infinity(), q2 = -q1;
    if (dx != 0) {
      q1 = ax - up * dy / dx;
      q2 = ax + (dx * dx + dy * dy - up * dy) / dx;
      if (q1 > q2) std::swap(q1, q2);
    } else if (up * dy < 0 || up * dy > dy * dy) {
      q2 = q1;
    }
    const double from = std::max(p1, q1), to = std::min(p2, q2);
    if (from <= to) cover(from, to);
  }
  if (lo > hi) return {};
  int x0 = static_cast<int>(std::ceil((lo - 1) / 2)), x1 = static_cast<int>(std::floor((hi - 1) / 2));
  constexpr double kNear = 1e-6;
  auto covers = [&](int x) { return CoversCentre(a, b, penWidth, {2 * std::int64_t(x) + 1, 2 * std::int64_t(y) + 1}); };
  if (2.0 * x0 + 1 - lo < kNear || lo - (2.0 * x0 - 1) < kNear) {
    while (covers(x0 - 1)) --x0;
    while (x0 <= x1 && !covers(x0)) ++x0;
  }
  if (hi - (2.0 * x1 + 1) < kNear || (2.0 * x1 + 3) - hi < kNear) {
    while (covers(x1 + 1)) ++x1;
    while (x1 >= x0 && !covers(x1)) --x1;
  }
  return {x0, x1 + 1};
}
}  // namespace

bool PenCovers(QPoint a, QPoint b, int penWidth, int x, int y) {
  return CoversCentre(Doubled(a), Doubled(b), penWidth, {2 * std::int64_t(x) + 1, 2 * std::int64_t(y) + 1});
}

void TStrokeCanvas::Stroke(const QPolygon& line, int penWidth, const QRect& pattern) {
  // Repeated points add nothing; a polyline of one point still leaves a dot.
  QPolygon points;
  for (const QPoint& p : line)
    if (points.isEmpty() || points.last() != p) points << p;
  if (points.size() == 1) points << points.first();
  const int reach = penWidth / 2 + 1;
  for (int i = 0; i + 1 < points.size(); ++i) {
    const QPoint a = points[i], b = points[i + 1];
    const int top = std::max(std::min(a.y(), b.y()) - reach, pattern.top());
    const int bottom = std::min(std::max(a.y(), b.y()) + reach, pattern.bottom());
    for (int y = top; y <= bottom; ++y) {
      const TSpan span = RowCover(a, b, penWidth, y);
      const int x0 = std::max(span.x0, pattern.left()), x1 = std::min(span.x1, pattern.right() + 1);
      if (x0 < x1) strokes_.push_back({y - pattern.top(), {x0 - pattern.left(), x1 - pattern.left()}});
    }
  }
}

TSpanRows TStrokeCanvas::TakeStrokes(int rows) {
  TSpanRows merged = MergeRows(strokes_, rows);
  strokes_.clear();
  return merged;
}
