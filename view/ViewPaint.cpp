// The view's drawing steps: background fill and the nearest-neighbour stretched bitmap, as plain scanline loops.
#include "view/ViewPaint.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "view/Blend32.h"

namespace {

void FillRect(QImage& buffer, const QRect& area, TColor32 color) {
  if (area.isEmpty()) return;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = reinterpret_cast<TColor32*>(buffer.scanLine(y));
    std::fill(row + area.left(), row + area.right() + 1, color);
  }
}

// Source index of each destination pixel along one axis: the source pixel under the destination pixel's centre.
std::vector<int> NearestMap(int destStart, int destLength, int from, int to, int sourceLength) {
  std::vector<int> map;
  map.reserve(to - from + 1);
  for (int d = from; d <= to; ++d) {
    const std::int64_t twice = 2 * static_cast<std::int64_t>(d - destStart) + 1;
    map.push_back(static_cast<int>(twice * sourceLength / (2 * static_cast<std::int64_t>(destLength))));
  }
  return map;
}

void CopyRow(TColor32* dst, const TColor32* src, const int* xmap, int count) {
  for (int i = 0; i < count; ++i) dst[i] = Opaque(src[xmap[i]]);
}

void BlendRow(TColor32* dst, const TColor32* src, const int* xmap, int count, std::uint32_t masterAlpha) {
  int i = 0;
  for (; i + 4 <= count; i += 4)
    BlendOver4(dst + i, src[xmap[i]], src[xmap[i + 1]], src[xmap[i + 2]], src[xmap[i + 3]], masterAlpha);
  for (; i < count; ++i) {
    const TColor32 s = src[xmap[i]];
    dst[i] = BlendOver(s, dst[i], SampleOpacity(s, masterAlpha));
  }
}

}  // namespace

void FillOutside(QImage& buffer, const QRect& clip, const QRect& hole, TColor32 color) {
  const QRect area = clip & buffer.rect();
  const QRect inner = hole & area;
  if (inner.isEmpty()) {
    FillRect(buffer, area, color);
    return;
  }
  FillRect(buffer, QRect(QPoint(area.left(), area.top()), QPoint(area.right(), inner.top() - 1)), color);
  FillRect(buffer, QRect(QPoint(area.left(), inner.bottom() + 1), QPoint(area.right(), area.bottom())), color);
  FillRect(buffer, QRect(QPoint(area.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())), color);
  FillRect(buffer, QRect(QPoint(inner.right() + 1, inner.top()), QPoint(area.right(), inner.bottom())), color);
}

void StretchDrawNearest(QImage& buffer, const QRect& clip, const QRect& dest, const TBitmap32& bitmap) {
  const QRect area = dest & clip & buffer.rect();
  if (area.isEmpty() || bitmap.Empty()) return;
  const bool blend = bitmap.DrawMode() == dmBlend;
  const std::uint32_t masterAlpha = bitmap.MasterAlpha();
  if (blend && masterAlpha == 0) return;

  const std::vector<int> xmap = NearestMap(dest.left(), dest.width(), area.left(), area.right(), bitmap.Width());
  const std::vector<int> ymap = NearestMap(dest.top(), dest.height(), area.top(), area.bottom(), bitmap.Height());
  const int count = area.width();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* dst = reinterpret_cast<TColor32*>(buffer.scanLine(y)) + area.left();
    const TColor32* src = bitmap.ScanLine(ymap[y - area.top()]);
    if (blend)
      BlendRow(dst, src, xmap.data(), count, masterAlpha);
    else
      CopyRow(dst, src, xmap.data(), count);
  }
}
