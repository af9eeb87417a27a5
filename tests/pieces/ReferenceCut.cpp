// The literal piece tracing.
#include "ReferenceCut.h"

#include <algorithm>
#include <vector>

#include "pieces/LibStorage.h"
#include "pieces/StrokeCanvas.h"

namespace {
constexpr TColor32 kWhite = 0xFFFFFFFF, kStroke = 0x00000000;

bool IsEmptyPixel(TColor32 pixel) { return PixelGray(pixel) < kShapeGray; }
}  // namespace

void TReferenceTrack::BuildTrack(const QString& outline) {
  Abmp = TBitmap32(kPatternSize, kPatternSize, kWhite);
  buf = TBitmap32(kPatternSize, kPatternSize, kWhite);
  for (const TCurve& curve : ParseOutlinePath(outline)) {
    if (curve.empty()) continue;
    const int d = static_cast<int>(curve.size()) - 1;
    std::vector<float> C(curve.size());
    for (int k = 0; k <= d; ++k) C[k] = BinomialCoefficient(d, k);
    buf.Clear(kWhite);
    // Every segment's pen covers the pixels whose centres lie within 5 pixels of it.
    const QPolygon line = SampleBezier(curve, C, 50);
    for (int i = 0; i + 1 < line.size(); ++i) {
      const QRect reach = QRect(line[i], line[i + 1]).normalized().adjusted(-6, -6, 6, 6) & buf.BoundsRect();
      for (int y = reach.top(); y <= reach.bottom(); ++y)
        for (int x = reach.left(); x <= reach.right(); ++x)
          if (PenCovers(line[i], line[i + 1], 10, x, y)) buf.SetPixel(x, y, kStroke);
    }
    for (int y = 0; y < kPatternSize; ++y) {
      const TColor32* from = buf.ScanLine(y);
      TColor32* to = Abmp.ScanLine(y);
      for (int x = 0; x < kPatternSize; ++x)
        if (from[x] == kStroke) to[x] = kStroke;
    }
  }
}

void TReferenceTrack::FloodFillPattern() {
  const int w = Abmp.Width(), h = Abmp.Height();
  TColor32* pixels = Abmp.Bits();
  std::vector<int> stack;
  auto fill = [&](int sx, int sy) {
    if (pixels[sy * w + sx] != kWhite) return;
    pixels[sy * w + sx] = kOutsideFill;
    stack.push_back(sy * w + sx);
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      const int x = i % w, y = i / w;
      for (const int n : {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1}) {
        if (n < 0 || pixels[n] != kWhite) continue;
        pixels[n] = kOutsideFill;
        stack.push_back(n);
      }
    }
  };
  for (int x = 0; x < w; ++x) {
    fill(x, 0);
    fill(x, h - 1);
  }
  for (int y = 0; y < h; ++y) {
    fill(0, y);
    fill(w - 1, y);
  }
  for (int y = 0; y < h; ++y) {
    TColor32* line = Abmp.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (PixelGray(line[x]) <= 50) line[x] = kWhite;
  }
}

TMargins TReferenceTrack::CropPattern() {
  const int w = Abmp.Width(), h = Abmp.Height();
  auto columnEmpty = [&](int x) {
    for (int y = 0; y < h; ++y)
      if (!IsEmptyPixel(Abmp.Pixel(x, y))) return false;
    return true;
  };
  auto rowEmpty = [&](int y) {
    const TColor32* line = Abmp.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (!IsEmptyPixel(line[x])) return false;
    return true;
  };
  int tmpLeft = 0, tmpRight = 0, tmpTop = 0, tmpBottom = 0;
  while (tmpLeft < w && columnEmpty(tmpLeft)) ++tmpLeft;
  while (tmpRight < w && columnEmpty(w - 1 - tmpRight)) ++tmpRight;
  while (tmpTop < h && rowEmpty(tmpTop)) ++tmpTop;
  while (tmpBottom < h && rowEmpty(h - 1 - tmpBottom)) ++tmpBottom;
  auto snap = [](int& count) {
    if (count >= 193 && count <= 200) count = 200;
  };
  snap(tmpLeft);
  snap(tmpRight);
  snap(tmpTop);
  snap(tmpBottom);
  const int cw = w - tmpLeft - tmpRight, ch = h - tmpTop - tmpBottom;
  if (cw <= 0 || ch <= 0) throw TOutlineError("no shape");
  TBitmap32 cropped(cw, ch);
  cropped.SetDrawMode(dmBlend);
  for (int y = 0; y < ch; ++y) {
    const TColor32* line = Abmp.ScanLine(tmpTop + y) + tmpLeft;
    std::copy(line, line + cw, cropped.ScanLine(y));
  }
  Abmp = cropped;
  return {200 - tmpLeft, 200 - tmpTop, 200 - tmpRight, 200 - tmpBottom};
}

TMargins TReferenceShapes::TraceMask(const QString& outline) {
  TReferenceTrack track;
  track.BuildTrack(outline);
  track.FloodFillPattern();
  const TMargins margins = track.CropPattern();
  mask = track.Abmp;
  return margins;
}

void TReferenceShapes::ApplyMask(TBitmap32& piece) {
  TBitmap32 scaled = mask;
  ScaleBmp(scaled, piece.Width(), piece.Height());
  CombineBmp(scaled, piece);
}
