// Stroking by rows. A stroke is the union of a dot at every vertex and a band along every segment (the segment's
// reach between the perpendiculars at its ends); each meets a pixel row in one run of pixels. Dots come from one table
// per pen width, bands from constants worked out once per segment.
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
TDoubled Centre(int x, int y) { return {2 * std::int64_t(x) + 1, 2 * std::int64_t(y) + 1}; }

Wide Distance2(TDoubled a, TDoubled c) { return Wide(c.x - a.x) * (c.x - a.x) + Wide(c.y - a.y) * (c.y - a.y); }

// Within reach of the segment's line and between the perpendiculars at its ends (a ≠ b).
bool BandCovers(TDoubled a, TDoubled b, std::int64_t reach, TDoubled c) {
  const std::int64_t dx = b.x - a.x, dy = b.y - a.y, vx = c.x - a.x, vy = c.y - a.y;
  const Wide along = Wide(vx) * dx + Wide(vy) * dy, length2 = Wide(dx) * dx + Wide(dy) * dy;
  if (along < 0 || along > length2) return false;
  const Wide cross = Wide(vx) * dy - Wide(vy) * dx;
  return cross * cross <= Wide(reach) * reach * length2;
}

bool CoversCentre(TDoubled a, TDoubled b, std::int64_t reach, TDoubled c) {
  const Wide reach2 = Wide(reach) * reach;
  if (Distance2(a, c) <= reach2 || Distance2(b, c) <= reach2) return true;
  return (a.x != b.x || a.y != b.y) && BandCovers(a, b, reach, c);
}

// One segment's band, row by row: computed in floating point, and wherever a pixel centre lies so near the band's
// edge that rounding could matter, the exact test decides.
class TBand {
 public:
  TBand(QPoint pa, QPoint pb, int penWidth) : a_(Doubled(pa)), b_(Doubled(pb)), reach_(penWidth) {
    ax_ = double(a_.x);
    ay_ = double(a_.y);
    dx_ = double(b_.x - a_.x);
    dy_ = double(b_.y - a_.y);
    if (dy_ != 0) {
      slope_ = dx_ / dy_;
      halfWidth_ = reach_ * std::sqrt(dx_ * dx_ + dy_ * dy_) / std::abs(dy_);
    }
    if (dx_ != 0) {
      perpendicular_ = dy_ / dx_;
      across_ = (dx_ * dx_ + dy_ * dy_) / dx_;
    }
  }

  // Row y's pixels in the band, as [x0, x1).
  TSpan Row(int y) const {
    const double up = 2.0 * y + 1 - ay_;
    double lo, hi;
    if (dy_ == 0) {
      if (std::abs(up) > reach_) return {};
      lo = std::min(ax_, ax_ + dx_);
      hi = std::max(ax_, ax_ + dx_);
    } else {
      const double middle = ax_ + up * slope_;
      lo = middle - halfWidth_;
      hi = middle + halfWidth_;
      if (dx_ != 0) {
        double q1 = ax_ - up * perpendicular_, q2 = q1 + across_;
        if (q1 > q2) std::swap(q1, q2);
        lo = std::max(lo, q1);
        hi = std::min(hi, q2);
      } else if (up * dy_ < 0 || up * dy_ > dy_ * dy_) {
        return {};
      }
    }
    if (lo > hi) return {};
    int x0 = static_cast<int>(std::ceil((lo - 1) / 2)), x1 = static_cast<int>(std::floor((hi - 1) / 2));
    constexpr double kNear = 1e-6;
    auto covers = [&](int x) { return BandCovers(a_, b_, reach_, Centre(x, y)); };
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

 private:
  TDoubled a_, b_;
  std::int64_t reach_;
  double ax_ = 0, ay_ = 0, dx_ = 0, dy_ = 0;
  double slope_ = 0, halfWidth_ = 0, perpendicular_ = 0, across_ = 0;
};
}  // namespace

bool PenCovers(QPoint a, QPoint b, int penWidth, int x, int y) {
  return CoversCentre(Doubled(a), Doubled(b), penWidth, Centre(x, y));
}

void TStrokeCanvas::Stroke(const QPolygon& line, int penWidth, const QRect& pattern) {
  if (static_cast<int>(rows_.size()) < pattern.height()) rows_.resize(pattern.height());
  // Repeated points add nothing; a polyline of one point still leaves a dot.
  QPoint last;
  for (int i = 0; i < line.size(); ++i) {
    const QPoint p = line[i];
    if (i > 0 && p == last) continue;
    StrokeDot(p, penWidth, pattern);
    if (i > 0) StrokeBand(last, p, penWidth, pattern);
    last = p;
  }
}

void TStrokeCanvas::StrokeDot(QPoint centre, int penWidth, const QRect& pattern) {
  // Row offset r holds the columns offsets whose pixel centres lie within reach: (2dx + 1)² + (2r + 1)² ≤ width².
  if (dotWidth_ != penWidth) {
    dotWidth_ = penWidth;
    dot_.assign(2 * penWidth + 1, TSpan{});
    const TDoubled origin{0, 0};
    for (int r = -penWidth; r <= penWidth; ++r) {
      int x0 = penWidth + 1, x1 = -penWidth - 1;
      for (int x = -penWidth; x <= penWidth; ++x)
        if (Distance2(origin, Centre(x, r)) <= Wide(penWidth) * penWidth) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x + 1);
        }
      if (x0 < x1) dot_[r + penWidth] = {x0, x1};
    }
  }
  const int top = std::max(centre.y() - penWidth, pattern.top());
  const int bottom = std::min(centre.y() + penWidth, pattern.bottom());
  for (int y = top; y <= bottom; ++y) {
    const TSpan offsets = dot_[y - centre.y() + penWidth];
    if (offsets.x0 == offsets.x1) continue;
    const int x0 = std::max(centre.x() + offsets.x0, pattern.left());
    const int x1 = std::min(centre.x() + offsets.x1, pattern.right() + 1);
    if (x0 < x1) Add(y - pattern.top(), {x0 - pattern.left(), x1 - pattern.left()});
  }
}

void TStrokeCanvas::StrokeBand(QPoint a, QPoint b, int penWidth, const QRect& pattern) {
  const TBand band(a, b, penWidth);
  const int reach = penWidth / 2 + 1;
  const int top = std::max(std::min(a.y(), b.y()) - reach, pattern.top());
  const int bottom = std::min(std::max(a.y(), b.y()) + reach, pattern.bottom());
  for (int y = top; y <= bottom; ++y) {
    const TSpan span = band.Row(y);
    const int x0 = std::max(span.x0, pattern.left()), x1 = std::min(span.x1, pattern.right() + 1);
    if (x0 < x1) Add(y - pattern.top(), {x0 - pattern.left(), x1 - pattern.left()});
  }
}

// Spans that overlap or touch the new one join it.
void TStrokeCanvas::Add(int row, TSpan span) {
  std::vector<TSpan>& spans = rows_[row];
  auto at = spans.begin();
  while (at != spans.end() && at->x1 < span.x0) ++at;
  if (at == spans.end() || at->x0 > span.x1) {
    spans.insert(at, span);
    return;
  }
  at->x0 = std::min(at->x0, span.x0);
  if (span.x1 <= at->x1) return;
  at->x1 = span.x1;
  auto next = at + 1;
  while (next != spans.end() && next->x0 <= at->x1) at->x1 = std::max(at->x1, (next++)->x1);
  spans.erase(at + 1, next);
}

TSpanRows TStrokeCanvas::TakeStrokes(int rows) {
  TSpanRows merged;
  merged.Clear();
  for (int y = 0; y < rows; ++y) {
    if (y < static_cast<int>(rows_.size()))
      for (const TSpan& s : rows_[y]) merged.Add(s);
    merged.EndRow();
  }
  Reset();
  return merged;
}

void TStrokeCanvas::Reset() {
  for (std::vector<TSpan>& spans : rows_) spans.clear();
}
