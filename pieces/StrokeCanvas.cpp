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
// The pen's dot as a span of column offsets per row offset r: (2dx + 1)² + (2r + 1)² ≤ width².
std::vector<TSpan> DotTable(int penWidth) {
  std::vector<TSpan> dot(2 * penWidth + 1);
  const TDoubled origin{0, 0};
  for (int r = -penWidth; r <= penWidth; ++r) {
    int x0 = penWidth + 1, x1 = -penWidth - 1;
    for (int x = -penWidth; x <= penWidth; ++x)
      if (Distance2(origin, Centre(x, r)) <= Wide(penWidth) * penWidth) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x + 1);
      }
    if (x0 < x1) dot[r + penWidth] = {x0, x1};
  }
  return dot;
}

// Sets the pixels of `pattern` in span, clipped to the pattern; y and span in the pattern's coordinates.
void SetClipped(TBitRows& canvas, const QRect& pattern, int y, TSpan span) {
  const int x0 = std::max(span.x0, pattern.left()), x1 = std::min(span.x1, pattern.right() + 1);
  if (x0 < x1) canvas.Set(y - pattern.top(), {x0 - pattern.left(), x1 - pattern.left()});
}

void StrokeDot(QPoint centre, const std::vector<TSpan>& dot, int penWidth, const QRect& pattern, TBitRows& canvas) {
  const int top = std::max(centre.y() - penWidth, pattern.top());
  const int bottom = std::min(centre.y() + penWidth, pattern.bottom());
  for (int y = top; y <= bottom; ++y) {
    const TSpan offsets = dot[y - centre.y() + penWidth];
    if (offsets.x0 < offsets.x1) SetClipped(canvas, pattern, y, {centre.x() + offsets.x0, centre.x() + offsets.x1});
  }
}

void StrokeBand(QPoint a, QPoint b, int penWidth, const QRect& pattern, TBitRows& canvas) {
  const TBand band(a, b, penWidth);
  const int reach = penWidth / 2 + 1;
  const int top = std::max(std::min(a.y(), b.y()) - reach, pattern.top());
  const int bottom = std::min(std::max(a.y(), b.y()) + reach, pattern.bottom());
  for (int y = top; y <= bottom; ++y) SetClipped(canvas, pattern, y, band.Row(y));
}

// Strokes wider than this are drawn in place: only far-off samples make them, and they are not worth keeping.
constexpr int kMaxKeptReach = 2 * 1024;
// Shapes kept at most; a level's grid draws each shared edge again within a row of pieces.
constexpr std::size_t kMaxKeptShapes = 4096;
}  // namespace

bool PenCovers(QPoint a, QPoint b, int penWidth, int x, int y) {
  return CoversCentre(Doubled(a), Doubled(b), penWidth, Centre(x, y));
}

std::size_t TStrokeCanvas::TKeyHash::operator()(const std::vector<int>& key) const {
  std::uint64_t hash = 1469598103934665603ull;
  for (const int value : key) hash = (hash ^ static_cast<std::uint32_t>(value)) * 1099511628211ull;
  return static_cast<std::size_t>(hash);
}

void TStrokeCanvas::Stroke(const QPolygon& line, int penWidth, const QRect& pattern) {
  if (pattern_.size() != pattern.size()) bits_.Reset(pattern.width(), pattern.height());
  pattern_ = pattern;
  if (line.isEmpty()) return;
  const QRect reach = line.boundingRect().adjusted(-penWidth - 1, -penWidth - 1, penWidth + 1, penWidth + 1);
  if (reach.width() > kMaxKeptReach || reach.height() > kMaxKeptReach) return Draw(line, penWidth, pattern, bits_);

  const TShapeStroke& shape = StrokeOfShape(line, penWidth, reach);
  const QPoint origin = line[0] + QPoint(shape.left, shape.top);
  const int first = std::max(0, pattern.top() - origin.y());
  const int last = std::min(shape.rows.RowCount() - 1, pattern.bottom() - origin.y());
  for (int r = first; r <= last; ++r)
    for (const TSpan& s : shape.rows.Row(r))
      SetClipped(bits_, pattern, origin.y() + r, {origin.x() + s.x0, origin.x() + s.x1});
}

const TStrokeCanvas::TShapeStroke& TStrokeCanvas::StrokeOfShape(const QPolygon& line, int penWidth,
                                                                const QRect& reach) {
  key_.assign(1, penWidth);
  for (const QPoint& p : line) {
    key_.push_back(p.x() - line[0].x());
    key_.push_back(p.y() - line[0].y());
  }
  if (auto known = shapes_.find(key_); known != shapes_.end()) return known->second;
  if (shapes_.size() >= kMaxKeptShapes) shapes_.clear();
  scratch_.Reset(reach.width(), reach.height());
  Draw(line, penWidth, reach, scratch_);
  TShapeStroke& shape = shapes_[key_];
  shape.left = reach.left() - line[0].x();
  shape.top = reach.top() - line[0].y();
  shape.rows = scratch_.Take(reach.height());
  return shape;
}

void TStrokeCanvas::Draw(const QPolygon& line, int penWidth, const QRect& pattern, TBitRows& canvas) {
  if (dotWidth_ != penWidth) {
    dotWidth_ = penWidth;
    dot_ = DotTable(penWidth);
  }
  // Repeated points add nothing; a polyline of one point still leaves a dot.
  QPoint last;
  for (int i = 0; i < line.size(); ++i) {
    const QPoint p = line[i];
    if (i > 0 && p == last) continue;
    StrokeDot(p, dot_, penWidth, pattern, canvas);
    if (i > 0) StrokeBand(last, p, penWidth, pattern, canvas);
    last = p;
  }
}

TSpanRows TStrokeCanvas::TakeStrokes(int rows) { return bits_.Take(rows); }

void TStrokeCanvas::Reset() { bits_.Take(0); }
