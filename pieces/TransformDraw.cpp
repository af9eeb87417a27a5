// Drawing a bitmap through an affine transformation: per row, the span whose centres map inside the bitmap is found
// first, then walked with the inverse mapping stepped in 16.16 fixed point.
#include "pieces/TransformDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "view/Blend32.h"

namespace {

constexpr double kOne = 65536.0;
constexpr double kFixedLimit = 1099511627776.0;  // 2^40: a buffer's worth of such steps still fits 64 bits

// Narrows [lo, hi] (steps along the row) to where start + step × t lies in [0, limit); inverse is 1 / step.
bool KeepInside(double start, double step, double inverse, double limit, double& lo, double& hi) {
  if (step == 0) return start >= 0 && start < limit;
  double t0 = -start * inverse, t1 = (limit - start) * inverse;
  if (t0 > t1) std::swap(t0, t1);
  lo = std::max(lo, t0);
  hi = std::min(hi, t1);
  return lo <= hi;
}

struct Sampler {
  const TColor32* bits;
  std::int64_t stride;
  std::int64_t width, height;  // in 16.16

  bool Inside(std::int64_t u, std::int64_t v) const { return u >= 0 && u < width && v >= 0 && v < height; }
  TColor32 At(std::int64_t u, std::int64_t v) const { return bits[(v >> 16) * stride + (u >> 16)]; }
};

void BlendSpan(TColor32* dst, int count, const Sampler& src, std::int64_t u, std::int64_t v, std::int64_t du,
               std::int64_t dv, std::uint32_t masterAlpha) {
  int i = 0;
  for (; i + 4 <= count; i += 4, u += 4 * du, v += 4 * dv) {
    const TColor32 s0 = src.At(u, v), s1 = src.At(u + du, v + dv);
    const TColor32 s2 = src.At(u + 2 * du, v + 2 * dv), s3 = src.At(u + 3 * du, v + 3 * dv);
    if (std::max({s0, s1, s2, s3}) < 0x01000000u) continue;  // the transparent margin around a piece
    BlendOver4(dst + i, s0, s1, s2, s3, masterAlpha);
  }
  for (; i < count; ++i, u += du, v += dv) {
    const TColor32 s = src.At(u, v);
    dst[i] = BlendOver(s, dst[i], SampleOpacity(s, masterAlpha));
  }
}

void CopySpan(TColor32* dst, int count, const Sampler& src, std::int64_t u, std::int64_t v, std::int64_t du,
              std::int64_t dv) {
  for (int i = 0; i < count; ++i, u += du, v += dv) dst[i] = Opaque(src.At(u, v));
}

// Buffer pixels whose centre lies within the mapped bitmap's bounding box.
QRect CentresInBounds(const QRectF& bounds) {
  const double limit = 1e9;  // far beyond any buffer, and safe to convert to int
  const auto low = [&](double v) { return int(std::ceil(std::clamp(v - 0.5, -limit, limit))); };
  const auto high = [&](double v) { return int(std::floor(std::clamp(v - 0.5, -limit, limit))); };
  return QRect(QPoint(low(bounds.left()), low(bounds.top())), QPoint(high(bounds.right()), high(bounds.bottom())));
}

}  // namespace

void DrawTransformed(QImage& buffer, const QRect& clip, const TBitmap32& bitmap, const TAffineTransformation& map) {
  if (bitmap.Empty() || buffer.isNull() || !map.Invertible()) return;
  const bool blend = bitmap.DrawMode() == dmBlend;
  const std::uint32_t masterAlpha = bitmap.MasterAlpha();
  if (blend && masterAlpha == 0) return;
  const QRectF bounds = map.GetTransformedBounds();
  for (double edge : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom()})
    if (!std::isfinite(edge)) return;
  const QRect area = CentresInBounds(bounds) & clip & buffer.rect();
  if (area.isEmpty()) return;

  const TAffineTransformation::TCoefficients inv = map.Inverse();
  const double cx = area.left() + 0.5, cy = area.top() + 0.5;
  const double startU = (inv.A * cx + inv.C * cy + inv.E) * kOne, startV = (inv.B * cx + inv.D * cy + inv.F) * kOne;
  // A map so degenerate that its fixed-point steps would overflow over a buffer's rows draws nothing.
  for (double value : {inv.A * kOne, inv.B * kOne, inv.C * kOne, inv.D * kOne, startU, startV})
    if (!(std::abs(value) < kFixedLimit)) return;

  const Sampler src{bitmap.Bits(), bitmap.Image().bytesPerLine() / 4, std::int64_t(bitmap.Width()) << 16,
                    std::int64_t(bitmap.Height()) << 16};
  // The inverse stepped in 16.16: along a row (du, dv) and from row to row; linear, so one row's inside part is a run.
  const std::int64_t du = std::llround(inv.A * kOne), dv = std::llround(inv.B * kOne);
  const std::int64_t rowDu = std::llround(inv.C * kOne), rowDv = std::llround(inv.D * kOne);
  std::int64_t rowU = std::llround(startU), rowV = std::llround(startV);
  const double stepU = du / kOne, stepV = dv / kOne;
  const double inverseU = stepU != 0 ? 1 / stepU : 0, inverseV = stepV != 0 ? 1 / stepV : 0;
  const int last = area.width() - 1;

  for (int y = area.top(); y <= area.bottom(); ++y, rowU += rowDu, rowV += rowDv) {
    double lo = 0, hi = last;
    if (!KeepInside(rowU / kOne, stepU, inverseU, bitmap.Width(), lo, hi) ||
        !KeepInside(rowV / kOne, stepV, inverseV, bitmap.Height(), lo, hi))
      continue;
    // The float span is a close guess; the fixed-point walk has the last word at both ends.
    int first = std::max(0, int(std::floor(lo)));
    int end = std::min(last, int(std::ceil(hi)));
    std::int64_t u = rowU + first * du, v = rowV + first * dv;
    while (first <= end && !src.Inside(u, v)) {
      ++first;
      u += du;
      v += dv;
    }
    while (end >= first && !src.Inside(u + (end - first) * du, v + (end - first) * dv)) --end;
    if (first > end) continue;

    TColor32* dst = reinterpret_cast<TColor32*>(buffer.scanLine(y)) + area.left() + first;
    if (blend)
      BlendSpan(dst, end - first + 1, src, u, v, du, dv, masterAlpha);
    else
      CopySpan(dst, end - first + 1, src, u, v, du, dv);
  }
}
