// Applying a scaled shape mask. The mask holds two neutral grays, so one channel stands for all three; wherever a
// kernel covers only equal samples the result is that value without the sum, since the weights add up to exactly one.
#include "pieces/MaskScale.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "pieces/Lanczos.h"
#include "pieces/LibStorage.h"

namespace {
constexpr std::uint8_t kShapeLevel = 255, kOutsideLevel = kOutsideFill & 0xFF;
static_assert((kOutsideFill >> 16 & 0xFF) == kOutsideLevel && (kOutsideFill >> 8 & 0xFF) == kOutsideLevel,
              "the outside fill must be a neutral gray");

// Shape or not for every level of a neutral gray.
std::array<bool, 256> ShapeLevels() {
  std::array<bool, 256> levels{};
  for (int v = 0; v < 256; ++v) levels[v] = RgbToGray(RGBtoColor(v, v, v)) >= kShapeGray;
  return levels;
}

// The horizontal pass over one mask row given as its shape spans. With only two levels, the weighted sum is the
// outside level times all weights plus the difference times the weights that fall on the shape.
void ResampleLine(std::span<const TSpan> spans, const TResampleTaps& taps, const std::int32_t* prefix,
                  std::int32_t* out) {
  const int stride = taps.stride + 1;
  std::size_t firstSpan = 0;
  for (std::size_t x = 0; x < taps.first.size(); ++x) {
    const int first = taps.first[x], end = first + taps.count[x];
    const std::int32_t* sums = prefix + x * stride;
    while (firstSpan < spans.size() && spans[firstSpan].x1 <= first) ++firstSpan;
    std::int32_t onShape = 0;
    for (std::size_t s = firstSpan; s < spans.size() && spans[s].x0 < end; ++s)
      onShape += sums[std::min(spans[s].x1, end) - first] - sums[std::max(spans[s].x0, first) - first];
    out[x] = RowValue(kOutsideLevel * (1 << kWeightBits) + (kShapeLevel - kOutsideLevel) * onShape);
  }
}

std::uint8_t RoundRow(std::int32_t value) {
  const std::int32_t v = (value + (1 << (kRowBits - 1))) >> kRowBits;
  return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}
}  // namespace

void PaintMask(const TSpanMask& mask, TBitmap32& bmp) {
  bmp.SetSize(mask.Width, mask.Height);
  bmp.Clear(kOutsideFill);
  bmp.SetDrawMode(dmBlend);
  for (int y = 0; y < mask.Height && !bmp.Empty(); ++y) {
    TColor32* line = bmp.ScanLine(y);
    for (const TSpan& s : mask.Rows.Row(y)) std::fill(line + s.x0, line + s.x1, 0xFFFFFFFFu);
  }
  bmp.Changed();
}

const TMaskScaler::TAxis& TMaskScaler::Axis(int srcSize, int dstSize) {
  auto [at, added] = axes_.try_emplace({srcSize, dstSize});
  TAxis& axis = at->second;
  if (!added) return axis;
  axis.taps = LanczosTaps(srcSize, dstSize);
  const int outputs = static_cast<int>(axis.taps.first.size()), stride = axis.taps.stride + 1;
  axis.prefix.assign(static_cast<std::size_t>(outputs) * stride, 0);
  for (int x = 0; x < outputs; ++x) {
    std::int32_t* sums = axis.prefix.data() + static_cast<std::size_t>(x) * stride;
    for (int k = 0; k < axis.taps.count[x]; ++k) sums[k + 1] = sums[k] + axis.taps.Weights(x)[k];
  }
  return axis;
}

void TMaskScaler::CombineScaledMask(const TSpanMask& mask, TBitmap32& piece) {
  const int pw = piece.Width(), ph = piece.Height(), mw = mask.Width, mh = mask.Height;
  if (piece.Empty() || mw <= 0 || mh <= 0) return;
  static const std::array<bool, 256> shapeLevels = ShapeLevels();
  const TAxis& across = Axis(mw, pw);
  const TResampleTaps& down = Axis(mh, ph).taps;

  // Every value of both buffers is written below before it is read.
  rows_.resize(static_cast<std::size_t>(mh) * pw);
  changes_.resize(static_cast<std::size_t>(mh) * pw);
  std::fill(changes_.begin(), changes_.begin() + pw, 0);
  for (int y = 0; y < mh; ++y) {
    std::int32_t* out = rows_.data() + static_cast<std::size_t>(y) * pw;
    std::int32_t* change = changes_.data() + static_cast<std::size_t>(y) * pw;
    // Masks repeat rows wherever only straight edges cross them.
    if (y > 0 && std::ranges::equal(mask.Rows.Row(y), mask.Rows.Row(y - 1))) {
      std::copy(out - pw, out, out);
      std::copy(change - pw, change, change);
      continue;
    }
    ResampleLine(mask.Rows.Row(y), across.taps, across.prefix.data(), out);
    if (y == 0) continue;
    const std::int32_t* above = out - pw;
    for (int x = 0; x < pw; ++x) change[x] = change[x - pw] + (out[x] != above[x]);
  }

  for (int y = 0; y < ph; ++y) {
    const int first = down.first[y], last = first + down.count[y] - 1;
    const std::int32_t* top = rows_.data() + static_cast<std::size_t>(first) * pw;
    const std::int32_t* changedFirst = changes_.data() + static_cast<std::size_t>(first) * pw;
    const std::int32_t* changedLast = changes_.data() + static_cast<std::size_t>(last) * pw;
    TColor32* line = piece.ScanLine(y);
    for (int x = 0; x < pw; ++x) {
      const std::uint8_t level = changedLast[x] == changedFirst[x]
                                     ? RoundRow(top[x])
                                     : ResampleColumn(down.Weights(y), down.count[y], top + x, pw);
      if (!shapeLevels[level]) line[x] &= 0x00FFFFFF;
    }
  }
  piece.Changed();
}
