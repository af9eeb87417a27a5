// The outline tracer: filling the outside of the stroked outline and cropping the shape mask.
#include <algorithm>

#include "pieces/PixelTrack.h"

void TPixelTrack::FloodFillPattern() {
  // The stroke itself becomes part of the shape, so only the outside needs to be known.
  Outside = OutsideSpans(Strokes, Awidth);
}

namespace {
// Empty lines of at least kSnapBandMin up to the whole band count as the whole band.
int Snap(int count) { return count >= kSnapBandMin && count <= kCellBand ? kCellBand : count; }

TOutlineError NoShape() { return TOutlineError("the outline encloses no shape that reaches into the piece's cell"); }
}  // namespace

TMargins TPixelTrack::CropPattern() {
  // Shape pixels are all those outside the outside fill; find their extent.
  std::vector<std::vector<TSpan>> shape(Aheight);
  int left = Awidth, right = -1, top = -1, bottom = -1;
  for (int y = 0; y < Aheight; ++y) {
    shape[y] = Complement(Outside[y], Awidth);
    if (shape[y].empty()) continue;
    if (top < 0) top = y;
    bottom = y;
    left = std::min(left, shape[y].front().x0);
    right = std::max(right, shape[y].back().x1 - 1);
  }
  if (top < 0) throw NoShape();
  const int tmpLeft = Snap(left), tmpRight = Snap(Awidth - 1 - right);
  const int tmpTop = Snap(top), tmpBottom = Snap(Aheight - 1 - bottom);
  const int width = Awidth - tmpLeft - tmpRight, height = Aheight - tmpTop - tmpBottom;
  if (width <= 0 || height <= 0) throw NoShape();

  Abmp = std::make_unique<TBitmap32>(width, height, kOutsideFill);
  Abmp->SetDrawMode(dmBlend);
  for (int y = 0; y < height; ++y) {
    TColor32* line = Abmp->ScanLine(y);
    for (const TSpan& s : shape[tmpTop + y]) {
      const int x0 = std::max(s.x0 - tmpLeft, 0), x1 = std::min(s.x1 - tmpLeft, width);
      if (x0 < x1) std::fill(line + x0, line + x1, 0xFFFFFFFFu);
    }
  }
  return {kCellBand - tmpLeft, kCellBand - tmpTop, kCellBand - tmpRight, kCellBand - tmpBottom};
}

void TPixelTrack::PatternAssignTo(TBitmap32& bmp) const {
  if (Abmp)
    bmp.Assign(*Abmp);
  else
    bmp.SetSize(0, 0);
}
