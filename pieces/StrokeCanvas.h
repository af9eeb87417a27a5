// Strokes polylines with a round, unsmoothed pen into pixel spans: the pen covers every pixel whose centre lies
// within half its width of the line, which gives round ends and round joins by construction.
#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <vector>

#include "pieces/RowSpans.h"

// Whether a pen penWidth pixels wide drawn along the segment from a to b covers pixel (x, y). Exact, in integers.
bool PenCovers(QPoint a, QPoint b, int penWidth, int x, int y);

// Collects the pixels of every polyline stroked on it, as spans in the coordinates of a pattern. Each row's spans are
// kept sorted and merged as they arrive, and the rows keep their storage from one outline to the next.
class TStrokeCanvas {
 public:
  // Adds the pixels of `pattern` that a pen of penWidth pixels covers along `line`; rows and columns count from the
  // pattern's top-left corner.
  void Stroke(const QPolygon& line, int penWidth, const QRect& pattern);
  // Every pixel stroked so far, rows 0 .. rows - 1; the canvas starts empty again.
  TSpanRows TakeStrokes(int rows);
  void Reset();

 private:
  void Add(int row, TSpan span);
  void StrokeDot(QPoint centre, int penWidth, const QRect& pattern);
  void StrokeBand(QPoint a, QPoint b, int penWidth, const QRect& pattern);

  std::vector<std::vector<TSpan>> rows_;
  // The pen's dot as a span of column offsets per row offset, for the width it was built for.
  int dotWidth_ = -1;
  std::vector<TSpan> dot_;
};
