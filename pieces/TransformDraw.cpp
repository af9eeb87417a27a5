// Drawing a bitmap through an affine transformation: per row, the span whose centres map inside the bitmap is found
// first, then walked with the inverse mapping stepped in 16.16 fixed point.
#include "pieces/TransformDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "play/Blend32.h"

namespace {

constexpr double kOne = 65536.0;

// Narrows [lo, hi] (steps along the row) to where start + step × t lies in [0, limit).
bool KeepInside(double start, double step, double limit, double& lo, double& hi) {
  if (step == 0) return start >= 0 && start < limit;
  double t0 = -start / step, t1 = (limit - start) / step;
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
  for (int i = 0; i < count; ++i, u += du, v += dv) {
    const TColor32 s = src.At(u, v);
    if (s < 0x01000000u) continue;  // fully transparent: the margin around a piece
    const std::uint32_t opacity = SampleOpacity(s, masterAlpha);
    if (opacity == 255)
      dst[i] = Opaque(s);
    else if (opacity != 0)
      dst[i] = BlendOver(s, dst[i], opacity);
  }
}

void CopySpan(TColor32* dst, int count, const Sampler& src, std::int64_t u, std::int64_t v, std::int64_t du,
              std::int64_t dv) {
  for (int i = 0; i < count; ++i, u += du, v += dv) dst[i] = Opaque(src.At(u, v));
}

}  // namespace

void DrawTransformed(QImage& buffer, const QRect& clip, const TBitmap32& bitmap, const TAffineTransformation& map) {
  if (bitmap.Empty() || buffer.isNull() || !map.Invertible()) return;
  const bool blend = bitmap.DrawMode() == dmBlend;
  const std::uint32_t masterAlpha = bitmap.MasterAlpha();
  if (blend && masterAlpha == 0) return;

  // Pixels whose centre lies within the mapped bitmap's bounding box.
  const QRectF bounds = map.GetTransformedBounds();
  if (!std::isfinite(bounds.left()) || !std::isfinite(bounds.right())) return;
  const double limit = 1e9;  // far beyond any buffer, and safe to convert to int
  const QRect box(QPoint(int(std::ceil(std::clamp(bounds.left() - 0.5, -limit, limit))),
                         int(std::ceil(std::clamp(bounds.top() - 0.5, -limit, limit)))),
                  QPoint(int(std::floor(std::clamp(bounds.right() - 0.5, -limit, limit))),
                         int(std::floor(std::clamp(bounds.bottom() - 0.5, -limit, limit)))));
  const QRect area = box & clip & buffer.rect();
  if (area.isEmpty()) return;

  const TAffineTransformation::TCoefficients inv = map.Inverse();
  const Sampler src{bitmap.Bits(), bitmap.Image().bytesPerLine() / 4, std::int64_t(bitmap.Width()) << 16,
                    std::int64_t(bitmap.Height()) << 16};
  const std::int64_t du = std::llround(inv.A * kOne), dv = std::llround(inv.B * kOne);
  const int last = area.width() - 1;

  for (int y = area.top(); y <= area.bottom(); ++y) {
    // Bitmap coordinates of the centre of the row's first pixel.
    const double cx = area.left() + 0.5, cy = y + 0.5;
    const double u0 = inv.A * cx + inv.C * cy + inv.E;
    const double v0 = inv.B * cx + inv.D * cy + inv.F;
    double lo = 0, hi = last;
    if (!KeepInside(u0, inv.A, bitmap.Width(), lo, hi) || !KeepInside(v0, inv.B, bitmap.Height(), lo, hi)) continue;

    // The float span is a close guess; the fixed-point walk decides, and being linear its inside part is one run.
    int first = std::max(0, int(std::floor(lo)));
    int end = std::min(last, int(std::ceil(hi)));
    std::int64_t u = std::llround((u0 + first * double(inv.A)) * kOne);
    std::int64_t v = std::llround((v0 + first * double(inv.B)) * kOne);
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
