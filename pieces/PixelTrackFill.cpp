// The outline tracer: filling the outside of the stroked outline and cropping the shape mask.
#include <algorithm>

#include "pieces/PixelTrack.h"

void TPixelTrack::FloodFillPattern() {
  // The strokes themselves belong to the shape, with all they cut off from the border.
  fill.FillInside(Strokes, Awidth, Inside);
}

namespace {
// Empty lines of at least kSnapBandMin up to the whole band count as the whole band.
int Snap(int count) { return count >= kSnapBandMin && count <= kCellBand ? kCellBand : count; }

TOutlineError NoShape() { return TOutlineError("контур не охватывает клетку детали"); }
}  // namespace

TMargins TPixelTrack::CropPattern() {
  // Shape pixels are all those inside; find their extent. Without a filled pattern there is no shape.
  if (Inside.RowCount() != Aheight) throw NoShape();
  int left = Awidth, right = -1, top = -1, bottom = -1;
  for (int y = 0; y < Aheight; ++y) {
    const std::span<const TSpan> row = Inside.Row(y);
    if (row.empty()) continue;
    if (top < 0) top = y;
    bottom = y;
    left = std::min(left, row.front().x0);
    right = std::max(right, row.back().x1 - 1);
  }
  if (top < 0) throw NoShape();
  const int tmpLeft = Snap(left), tmpRight = Snap(Awidth - 1 - right);
  const int tmpTop = Snap(top), tmpBottom = Snap(Aheight - 1 - bottom);
  const int width = Awidth - tmpLeft - tmpRight, height = Aheight - tmpTop - tmpBottom;
  if (width <= 0 || height <= 0) throw NoShape();

  Abmp.Width = width;
  Abmp.Height = height;
  Abmp.Rows.Clear();
  for (int y = tmpTop; y < tmpTop + height; ++y) {
    for (const TSpan& s : Inside.Row(y)) {
      const int x0 = std::max(s.x0 - tmpLeft, 0), x1 = std::min(s.x1 - tmpLeft, width);
      if (x0 < x1) Abmp.Rows.Add({x0, x1});
    }
    Abmp.Rows.EndRow();
  }
  return {kCellBand - tmpLeft, kCellBand - tmpTop, kCellBand - tmpRight, kCellBand - tmpBottom};
}

void TPixelTrack::PatternAssignTo(TBitmap32& bmp) const { PaintMask(Abmp, bmp); }
