// Stroking by rows. A stroke is the union of a dot at every vertex and a band along every segment (the segment's
// reach between the perpendiculars at its ends); each meets a pixel row in one run of pixels. Dots come from one table
// per pen width, bands from constants worked out once per segment.
#include "pieces/StrokeCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>

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

// One segment's band, row by row. Its edges are worked out once per segment as straight lines in pixel columns, so a
// row costs a few additions; wherever a pixel centre lies so near an edge that rounding could matter, the exact test
// decides.
class TBand {
 public:
  TBand(QPoint pa, QPoint pb, int penWidth) : a_(Doubled(pa)), b_(Doubled(pb)), reach_(penWidth) {
    // Doubled coordinates u become pixel columns (u - 1) / 2, whose whole numbers are pixel centres.
    const double ax = double(a_.x), ay = double(a_.y), dx = double(b_.x - a_.x), dy = double(b_.y - a_.y);
    const double r = double(reach_);
    if (dy == 0) {
      // Rows within reach of the line, the whole length: |2y + 1 - ay| <= reach.
      rowFirst_ = static_cast<int>(std::ceil((ay - r - 1) / 2));
      rowLast_ = static_cast<int>(std::floor((ay + r - 1) / 2));
      edge_ = {(std::min(ax, ax + dx) - 1) / 2, 0, (std::max(ax, ax + dx) - 1) / 2, 0};
      return;
    }
    // The lines at reach beside the segment: centre column ax + up·dx/dy, half a width reach·|ab|/|dy| either side.
    const double length = std::sqrt(dx * dx + dy * dy);
    const double slope = dx / dy, half = r * length / std::abs(dy);
    const double start = (ax + (1 - ay) * slope - 1) / 2;
    edge_ = {start - half / 2, slope, start + half / 2, slope};
    if (dx == 0) {
      // Rows whose centre lies between the ends: 0 <= (2y + 1 - ay)·dy <= dy².
      rowFirst_ = static_cast<int>(std::ceil((std::min(ay, ay + dy) - 1) / 2));
      rowLast_ = static_cast<int>(std::floor((std::max(ay, ay + dy) - 1) / 2));
      return;
    }
    // The band's corners lie reach·|dx|/|ab| above and below its ends; a row more each way covers any rounding.
    const double extent = r * std::abs(dx) / length;
    rowFirst_ = static_cast<int>(std::floor((std::min(ay, ay + dy) - extent - 1) / 2)) - 1;
    rowLast_ = static_cast<int>(std::ceil((std::max(ay, ay + dy) + extent - 1) / 2)) + 1;
    hasEnds_ = true;
  }

  // No row beyond these holds a pixel of the band.
  int FirstRow() const { return rowFirst_; }
  int LastRow() const { return rowLast_; }

  // Row y's pixels in the band, as [x0, x1).
  TSpan Row(int y) const {
    if (y < rowFirst_ || y > rowLast_) return {};
    const double lo = edge_.lo0 + edge_.loStep * y, hi = edge_.hi0 + edge_.hiStep * y;
    int x0 = Ceil(lo), x1 = Floor(hi);
    // Half of the margin in doubled coordinates.
    constexpr double kNear = 0.5e-6;
    auto covers = [&](int x) {
      return hasEnds_ ? WithinReach(Centre(x, y)) : BandCovers(a_, b_, reach_, Centre(x, y));
    };
    if (x0 - lo < kNear || lo - (x0 - 1) < kNear) {
      while (covers(x0 - 1)) --x0;
      while (x0 <= x1 && !covers(x0)) ++x0;
    }
    if (hi - x1 < kNear || (x1 + 1) - hi < kNear) {
      while (covers(x1 + 1)) ++x1;
      while (x1 >= x0 && !covers(x1)) --x1;
    }
    if (hasEnds_) {
      // Between the perpendiculars at the ends: 0 <= (c - a)·(b - a) <= |ab|², with c.x = 2x + 1 the only unknown, is
      // 0 <= 2dx·x + m <= |ab|²; whole numbers decide it exactly, and pixel centres often lie right on those lines.
      const std::int64_t dx = b_.x - a_.x, dy = b_.y - a_.y, length2 = dx * dx + dy * dy;
      const std::int64_t m = (1 - a_.x) * dx + (2 * std::int64_t(y) + 1 - a_.y) * dy;
      if (dx > 0) {
        x0 = std::max<std::int64_t>(x0, CeilDiv(-m, 2 * dx));
        x1 = std::min<std::int64_t>(x1, FloorDiv(length2 - m, 2 * dx));
      } else {
        x0 = std::max<std::int64_t>(x0, CeilDiv(m - length2, -2 * dx));
        x1 = std::min<std::int64_t>(x1, FloorDiv(m, -2 * dx));
      }
    }
    if (x0 > x1) return {};
    return {x0, x1 + 1};
  }

 private:
  static int Floor(double v) {
    const int t = static_cast<int>(v);
    return t - (v < t);
  }
  static int Ceil(double v) {
    const int t = static_cast<int>(v);
    return t + (v > t);
  }
  // Quotients rounded down and up, for a divisor above 0.
  static std::int64_t FloorDiv(std::int64_t n, std::int64_t d) { return n / d - (n % d < 0); }
  static std::int64_t CeilDiv(std::int64_t n, std::int64_t d) { return n / d + (n % d > 0); }
  // Within reach of the segment's line, wherever along it.
  bool WithinReach(TDoubled c) const {
    const std::int64_t dx = b_.x - a_.x, dy = b_.y - a_.y;
    const Wide cross = Wide(c.x - a_.x) * dy - Wide(c.y - a_.y) * dx;
    return cross * cross <= Wide(reach_) * reach_ * (Wide(dx) * dx + Wide(dy) * dy);
  }
  // Two column bounds linear in the row.
  struct TBounds {
    double lo0, loStep, hi0, hiStep;
  };

  TDoubled a_, b_;
  std::int64_t reach_;
  int rowFirst_ = std::numeric_limits<int>::min(), rowLast_ = std::numeric_limits<int>::max();
  TBounds edge_{};
  bool hasEnds_ = false;  // a slanted segment: its ends bound the columns of a row
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

// Puts a run among a row's runs, kept in order of their first columns as they come: a row holds a handful. This
// and the next run for every row of every piece, so they are inlined however large their callers grow.
[[gnu::always_inline]] inline void InsertInOrder(std::vector<TSpan>& runs, TSpan run) {
  if (run.x0 >= run.x1) return;
  std::size_t at = runs.size();
  runs.emplace_back();
  for (; at > 0 && runs[at - 1].x0 > run.x0; --at) runs[at] = runs[at - 1];
  runs[at] = run;
}

// Adds a row's runs, in order, to `out`, joining those that overlap or touch; then ends the row.
[[gnu::always_inline]] inline void AddJoinedRow(const std::vector<TSpan>& runs, TSpanRows& out) {
  for (std::size_t i = 0; i < runs.size();) {
    TSpan joined = runs[i];
    for (++i; i < runs.size() && runs[i].x0 <= joined.x1; ++i) joined.x1 = std::max(joined.x1, runs[i].x1);
    out.Add(joined);
  }
  out.EndRow();
}

// Gathers a line's dots and bands row by row into spans: neighbouring segments overlap almost entirely, so each row
// keeps one open run, and only a run that the next piece does not touch is put aside, to be joined with the rest of
// its row at the end.
class TRunGatherer {
 public:
  TRunGatherer(const QRect& pattern, std::vector<TSpan>& open, std::vector<std::pair<int, TSpan>>& aside)
      : pattern_(pattern), open_(open), aside_(aside) {
    open_.assign(pattern.height(), TSpan{});
    aside_.clear();
  }

  // Row y in the pattern's coordinates, within the pattern.
  void Add(int y, TSpan span) {
    if (span.x0 >= span.x1) return;
    TSpan& open = open_[y - pattern_.top()];
    if (open.x0 < open.x1 && span.x0 <= open.x1 && span.x1 >= open.x0) {
      open = {std::min(open.x0, span.x0), std::max(open.x1, span.x1)};
      return;
    }
    if (open.x0 < open.x1) PutAside(y, open);
    open = span;
  }

  // Makes `out` the gathered pixels within the pattern, rows and columns from its top-left corner; `row` is room for
  // one row's runs.
  void Take(TSpanRows& out, std::vector<TSpan>& row) {
    std::sort(aside_.begin(), aside_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    out.Clear();
    auto clipped = [&](TSpan run) -> TSpan {
      return {std::max(run.x0, pattern_.left()) - pattern_.left(),
              std::min(run.x1, pattern_.right() + 1) - pattern_.left()};
    };
    std::size_t next = 0;
    for (int r = 0; r < static_cast<int>(open_.size()); ++r) {
      row.clear();
      for (; next < aside_.size() && aside_[next].first == r; ++next) InsertInOrder(row, clipped(aside_[next].second));
      InsertInOrder(row, clipped(open_[r]));
      AddJoinedRow(row, out);
    }
  }

 private:
  // Rare beside the merging above, and kept out of its way.
  [[gnu::noinline]] void PutAside(int y, TSpan run) { aside_.emplace_back(y - pattern_.top(), run); }

  const QRect& pattern_;
  std::vector<TSpan>& open_;
  std::vector<std::pair<int, TSpan>>& aside_;
};

void StrokeDot(QPoint centre, const std::vector<TSpan>& dot, int penWidth, const QRect& pattern, TRunGatherer& runs) {
  // Only rows whose centre lies within half the width: |2r + 1| <= penWidth.
  const int top = std::max(centre.y() - (penWidth + 1) / 2, pattern.top());
  const int bottom = std::min(centre.y() + (penWidth - 1) / 2, pattern.bottom());
  for (int y = top; y <= bottom; ++y) {
    const TSpan offsets = dot[y - centre.y() + penWidth];
    runs.Add(y, {centre.x() + offsets.x0, centre.x() + offsets.x1});
  }
}

// Whether c lies on the line from a through b, beyond b.
bool GoesStraightOn(QPoint a, QPoint b, QPoint c) {
  const std::int64_t ux = b.x() - a.x(), uy = b.y() - a.y(), vx = c.x() - b.x(), vy = c.y() - b.y();
  return ux * vy == uy * vx && ux * vx + uy * vy > 0;
}

void StrokeBand(QPoint a, QPoint b, int penWidth, const QRect& pattern, TRunGatherer& runs) {
  const TBand band(a, b, penWidth);
  const int reach = penWidth / 2 + 1;
  const int top = std::max({std::min(a.y(), b.y()) - reach, pattern.top(), band.FirstRow()});
  const int bottom = std::min({std::max(a.y(), b.y()) + reach, pattern.bottom(), band.LastRow()});
  for (int y = top; y <= bottom; ++y) runs.Add(y, band.Row(y));
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
  // The standard library's hash of the key's bytes takes eight at a time.
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(key.data()), key.size() * sizeof(int)));
}

void TStrokeCanvas::Stroke(const QPolygon& line, int penWidth, const QRect& pattern) {
  if (patternSize_ != pattern.size()) Reset();
  patternSize_ = pattern.size();
  if (line.isEmpty()) return;
  const QRect reach = line.boundingRect().adjusted(-penWidth - 1, -penWidth - 1, penWidth + 1, penWidth + 1);
  if (reach.width() > kMaxKeptReach || reach.height() > kMaxKeptReach) {
    TShapeStroke& stroke = *unkept_.emplace_back(std::make_unique<TShapeStroke>());
    Draw(line, penWidth, pattern, stroke.rows);
    placed_.push_back({&stroke, 0, 0, pattern.width(), std::min(stroke.rows.RowCount(), pattern.height())});
    return;
  }
  const TShapeStroke& shape = StrokeOfShape(line, penWidth, reach);
  const QPoint origin = line[0] + QPoint(shape.left, shape.top) - pattern.topLeft();
  placed_.push_back({&shape, origin.x(), origin.y(), pattern.width(),
                     std::min(origin.y() + shape.rows.RowCount(), pattern.height())});
}

const TStrokeCanvas::TShapeStroke& TStrokeCanvas::StrokeOfShape(const QPolygon& line, int penWidth,
                                                                const QRect& reach) {
  key_.resize(1 + 2 * static_cast<std::size_t>(line.size()));
  key_[0] = penWidth;
  for (qsizetype i = 0; i < line.size(); ++i) {
    key_[1 + 2 * i] = line[i].x() - line[0].x();
    key_[2 + 2 * i] = line[i].y() - line[0].y();
  }
  if (auto known = shapes_.find(key_); known != shapes_.end()) return known->second;
  TShapeStroke& shape = shapes_[key_];
  shape.left = reach.left() - line[0].x();
  shape.top = reach.top() - line[0].y();
  Draw(line, penWidth, reach, shape.rows);
  return shape;
}

void TStrokeCanvas::Draw(const QPolygon& line, int penWidth, const QRect& pattern, TSpanRows& stroke) {
  if (dotWidth_ != penWidth) {
    dotWidth_ = penWidth;
    dot_ = DotTable(penWidth);
  }
  // The stroke is every pixel within reach of the polyline, so points that change nothing of its course go: repeated
  // points, and a point that only carries on straight in the same direction. A polyline of one point leaves a dot.
  points_.clear();
  for (const QPoint& p : line) {
    if (!points_.empty() && p == points_.back()) continue;
    if (points_.size() >= 2 && GoesStraightOn(points_[points_.size() - 2], points_.back(), p))
      points_.back() = p;
    else
      points_.push_back(p);
  }
  TRunGatherer runs(pattern, runs_, aside_);
  for (std::size_t i = 0; i < points_.size(); ++i) {
    StrokeDot(points_[i], dot_, penWidth, pattern, runs);
    if (i > 0) StrokeBand(points_[i - 1], points_[i], penWidth, pattern, runs);
  }
  runs.Take(stroke, row_);
}

void TStrokeCanvas::TakeStrokes(int rows, TSpanRows& strokes) {
  strokes.Clear();
  // Strokes in the order of their first rows; those that reach the row being merged are the active ones.
  std::sort(placed_.begin(), placed_.end(), [](const TPlaced& a, const TPlaced& b) { return a.top < b.top; });
  std::size_t next = 0;
  active_.clear();
  int firstEnd = rows;  // the first row that some active stroke does not reach
  for (int y = 0; y < rows; ++y) {
    for (; next < placed_.size() && placed_[next].top <= y; ++next) {
      active_.push_back(&placed_[next]);
      firstEnd = std::min(firstEnd, placed_[next].end);
    }
    if (y >= firstEnd) {
      std::erase_if(active_, [y](const TPlaced* p) { return y >= p->end; });
      firstEnd = rows;
      for (const TPlaced* p : active_) firstEnd = std::min(firstEnd, p->end);
    }
    // A row meets a few strokes with a span or two each: gathered, put in order and joined where they touch.
    row_.clear();
    for (const TPlaced* p : active_)
      for (const TSpan& s : p->shape->rows.Row(y - p->top))
        InsertInOrder(row_, {std::max(s.x0 + p->left, 0), std::min(s.x1 + p->left, p->width)});
    AddJoinedRow(row_, strokes);
  }
  Reset();
}

TSpanRows TStrokeCanvas::TakeStrokes(int rows) {
  TSpanRows strokes;
  TakeStrokes(rows, strokes);
  return strokes;
}

void TStrokeCanvas::Reset() {
  placed_.clear();
  unkept_.clear();
  // Kept shapes go only while none is placed.
  if (shapes_.size() >= kMaxKeptShapes) shapes_.clear();
}

void TStrokeCanvas::ForgetShapes() {
  Reset();
  shapes_.clear();
}
