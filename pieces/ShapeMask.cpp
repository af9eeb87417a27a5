// The outline tracer: filling the outside of the stroked outline and cropping the shape mask.
#include <algorithm>

#include "pieces/PixelTrack.h"

void TPixelTrack::FloodFillPattern() {
  // The stroke itself becomes part of the shape, so only the outside needs to be known.
  fill.Fill(Strokes, Awidth, Outside);
}

namespace {
// Empty lines of at least kSnapBandMin up to the whole band count as the whole band.
int Snap(int count) { return count >= kSnapBandMin && count <= kCellBand ? kCellBand : count; }

TOutlineError NoShape() { return TOutlineError("контур не охватывает клетку детали"); }
}  // namespace

TMargins TPixelTrack::CropPattern() {
  // Shape pixels are all those outside the outside fill; find their extent.
  std::vector<TSpan>& shape = shapeSpans;
  std::vector<int>& firstSpan = shapeRowStarts;
  shape.clear();
  firstSpan.resize(Aheight + 1);
  int left = Awidth, right = -1, top = -1, bottom = -1;
  for (int y = 0; y < Aheight; ++y) {
    firstSpan[y] = static_cast<int>(shape.size());
    Complement(Outside.Row(y), Awidth, shape);
    if (static_cast<int>(shape.size()) == firstSpan[y]) continue;
    if (top < 0) top = y;
    bottom = y;
    left = std::min(left, shape[firstSpan[y]].x0);
    right = std::max(right, shape.back().x1 - 1);
  }
  firstSpan[Aheight] = static_cast<int>(shape.size());
  if (top < 0) throw NoShape();
  const int tmpLeft = Snap(left), tmpRight = Snap(Awidth - 1 - right);
  const int tmpTop = Snap(top), tmpBottom = Snap(Aheight - 1 - bottom);
  const int width = Awidth - tmpLeft - tmpRight, height = Aheight - tmpTop - tmpBottom;
  if (width <= 0 || height <= 0) throw NoShape();

  Abmp.Width = width;
  Abmp.Height = height;
  Abmp.Rows.Clear();
  for (int y = tmpTop; y < tmpTop + height; ++y) {
    for (int i = firstSpan[y]; i < firstSpan[y + 1]; ++i) {
      const int x0 = std::max(shape[i].x0 - tmpLeft, 0), x1 = std::min(shape[i].x1 - tmpLeft, width);
      if (x0 < x1) Abmp.Rows.Add({x0, x1});
    }
    Abmp.Rows.EndRow();
  }
  return {kCellBand - tmpLeft, kCellBand - tmpTop, kCellBand - tmpRight, kCellBand - tmpBottom};
}

void TPixelTrack::PatternAssignTo(TBitmap32& bmp) const { PaintMask(Abmp, bmp); }
