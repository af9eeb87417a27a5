// Strokes polylines with a round, unsmoothed pen into pixel spans: the pen covers every pixel whose centre lies
// within half its width of the line, which gives round ends and round joins by construction.
#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <memory>
#include <unordered_map>
#include <vector>

#include "pieces/RowSpans.h"

// Whether a pen penWidth pixels wide drawn along the segment from a to b covers pixel (x, y). Exact, in integers.
bool PenCovers(QPoint a, QPoint b, int penWidth, int x, int y);

// Collects the pixels of every polyline stroked on it, in the coordinates of a pattern. The stroke of a polyline
// depends only on its shape, not on where it lies, and the outlines of a level draw every shared edge twice (once for
// each piece beside it) and every straight border the same: so each stroke is kept as spans relative to its first
// point, a polyline of a shape stroked before is only placed anew, and the placed strokes are merged row by row when
// they are taken.
class TStrokeCanvas {
 public:
  // Adds the pixels of `pattern` that a pen of penWidth pixels covers along `line`; rows and columns count from the
  // pattern's top-left corner. A pattern of another size than the last one starts the canvas empty.
  void Stroke(const QPolygon& line, int penWidth, const QRect& pattern);
  // Every pixel stroked so far, rows 0 .. rows - 1 (at most the pattern's height); the canvas starts empty again.
  TSpanRows TakeStrokes(int rows);
  // The same into `strokes`, reusing its storage.
  void TakeStrokes(int rows, TSpanRows& strokes);
  void Reset();
  // Strokes of later lines are worked out anew, whatever their shapes; the canvas starts empty too.
  void ForgetShapes();

 private:
  // A stroke's pixels relative to its line's first point: rows from `top` down, columns from `left`.
  struct TShapeStroke {
    int left = 0, top = 0;
    TSpanRows rows;
  };
  // A stroke placed on the canvas: its shape row r is pattern row r + top, shifted `left` columns, within `width`
  // columns; it reaches down to row end - 1.
  struct TPlaced {
    const TShapeStroke* shape;
    int left, top, width, end;
  };
  const TShapeStroke& StrokeOfShape(const QPolygon& line, int penWidth, const QRect& reach);
  // Makes `stroke` the pixels of `pattern` along `line`, rows and columns from its top-left corner.
  void Draw(const QPolygon& line, int penWidth, const QRect& pattern, TSpanRows& stroke);

  QSize patternSize_;
  std::vector<TPlaced> placed_;
  std::vector<std::unique_ptr<TShapeStroke>> unkept_;  // strokes too wide to keep, placed until taken
  std::vector<const TPlaced*> active_;                 // the placed strokes that reach the row being merged
  std::vector<TSpan> row_;                             // one row's spans being merged
  // Keyed by the pen width and the line's points relative to its first one.
  struct TKeyHash {
    std::size_t operator()(const std::vector<int>& key) const;
  };
  std::unordered_map<std::vector<int>, TShapeStroke, TKeyHash> shapes_;
  std::vector<int> key_;
  // The pen's dot as a span of column offsets per row offset, for the width it was built for.
  int dotWidth_ = -1;
  std::vector<TSpan> dot_;
  std::vector<TSpan> runs_;                   // per pattern row, the run of one line being gathered
  std::vector<std::pair<int, TSpan>> aside_;  // (row, run) of that line's runs already put aside
  std::vector<QPoint> points_;                // the line being drawn, without the points that change nothing
};
