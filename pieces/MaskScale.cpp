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

  // The horizontal pass once per distinct row: masks repeat rows wherever only straight edges cross them.
  distinctOf_.resize(mh);
  changedColumns_.resize(mh);
  rows_.resize(static_cast<std::size_t>(mh) * pw);  // only the first rows are used, each written before it is read
  int distinct = 0;
  for (int y = 0; y < mh; ++y) {
    if (y > 0 && std::ranges::equal(mask.Rows.Row(y), mask.Rows.Row(y - 1))) {
      distinctOf_[y] = distinct - 1;
      continue;
    }
    std::int32_t* values = rows_.data() + std::size_t(distinct) * pw;
    ResampleLine(mask.Rows.Row(y), across.taps, across.prefix.data(), values);
    // The columns in which this row differs from the distinct row before it.
    TSpan& changed = changedColumns_[distinct];
    changed = {};
    if (distinct > 0) {
      const std::int32_t* before = values - pw;
      int from = 0, to = pw;
      while (from < to && values[from] == before[from]) ++from;
      while (to > from && values[to - 1] == before[to - 1]) --to;
      changed = {from, to};
    }
    distinctOf_[y] = distinct++;
  }

  // The vertical pass a whole row at a time; taps that fall on one repeated row add their weights first, which
  // leaves the integer sum unchanged. Columns where every row under the kernel holds the same value give that value,
  // the weights adding up to exactly one; only the columns where some row changes need the sum.
  sums_.resize(pw);
  for (int y = 0; y < ph; ++y) {
    const int firstRow = distinctOf_[down.first[y]], lastRow = distinctOf_[down.first[y] + down.count[y] - 1];
    int from = pw, to = 0;
    for (int d = firstRow + 1; d <= lastRow; ++d) {
      if (changedColumns_[d].x0 >= changedColumns_[d].x1) continue;
      from = std::min(from, changedColumns_[d].x0);
      to = std::max(to, changedColumns_[d].x1);
    }
    to = std::max(from, to);
    const std::int32_t* uniform = rows_.data() + std::size_t(firstRow) * pw;
    TColor32* line = piece.ScanLine(y);
    auto applyUniform = [&](int x0, int x1) {
      for (int x = x0; x < x1; ++x)
        if (!shapeLevels[ColumnLevel(uniform[x] * (1 << kWeightBits))]) line[x] &= 0x00FFFFFF;
    };
    applyUniform(0, from);
    applyUniform(to, pw);
    if (from == to) continue;
    terms_.clear();
    for (int k = 0; k < down.count[y]; ++k) {
      const int row = distinctOf_[down.first[y] + k];
      const std::int32_t weight = down.Weights(y)[k];
      if (!terms_.empty() && terms_.back().first == row)
        terms_.back().second += weight;
      else
        terms_.emplace_back(row, weight);
    }
    std::fill(sums_.begin() + from, sums_.begin() + to, 0);
    for (const auto& [row, weight] : terms_) {
      const std::int32_t* values = rows_.data() + std::size_t(row) * pw;
      for (int x = from; x < to; ++x) sums_[x] += weight * values[x];
    }
    for (int x = from; x < to; ++x)
      if (!shapeLevels[ColumnLevel(sums_[x])]) line[x] &= 0x00FFFFFF;
  }
  piece.Changed();
}
