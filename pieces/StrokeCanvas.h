// Strokes a polyline with a round, unsmoothed pen and reads back the painted pixels as row spans.
#pragma once

#include <QImage>
#include <QPolygon>
#include <QRect>

#include "pieces/RowSpans.h"

class TStrokeCanvas {
 public:
  // Adds to rows (one per row of `pattern`, columns relative to its left) the pixels of `pattern` that a pen of
  // penWidth pixels with round caps and joins paints along `line`, drawn without antialiasing.
  void Stroke(const QPolygon& line, int penWidth, const QRect& pattern, TSpanRows& rows);

 private:
  QImage scratch_;
};
