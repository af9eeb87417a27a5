// Applying a scaled shape mask. The mask holds two neutral grays, so one channel stands for all three; wherever a
// kernel covers only equal samples the result is that value without the sum, since the weights add up to exactly one.
#include "pieces/MaskScale.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>
#include <vector>

#include "pieces/Lanczos.h"
#include "pieces/LibStorage.h"

namespace {
constexpr std::uint8_t kShapeLevel = 255, kOutsideLevel = kOutsideFill & 0xFF;
static_assert((kOutsideFill >> 16 & 0xFF) == kOutsideLevel && (kOutsideFill >> 8 & 0xFF) == kOutsideLevel,
              "the outside fill must be a neutral gray");

bool IsShapeLevel(int v) { return RgbToGray(RGBtoColor(v, v, v)) >= kShapeGray; }

// The lowest weighted sum of the vertical pass that gives a shape level. A neutral gray is as gray as its level, so
// the shape levels are the top ones, and a sum is shape exactly when it reaches this; checked once, as all rests on it.
std::int32_t LowestShapeSum() {
  int lowest = 256;
  while (lowest > 0 && IsShapeLevel(lowest - 1)) --lowest;
  for (int v = 0; v < lowest; ++v)
    if (IsShapeLevel(v)) throw std::logic_error("the shape levels of a gray mask are not its top levels");
  if (lowest == 0 || lowest == 256) throw std::logic_error("a gray mask is all shape or all outside");
  // ColumnLevel rounds: a level begins half a step below its whole steps.
  return (lowest << (kWeightBits + kRowBits)) - (1 << (kWeightBits + kRowBits - 1));
}

// The horizontal pass's values are kept less the outside level's, which it gives exactly (the weights add up to one
// and the level is a whole multiple of the rounding step): that leaves a little over the shape's part of a Lanczos
// sum, well within 16 bits, and lets the vertical pass multiply 16-bit numbers.
constexpr std::int32_t kOutsideRow = kOutsideLevel << kRowBits;
// The shape's weights add up to more than minus the whole and less than twice it, so two rows differ by less than
// three times the shape's level.
static_assert((kShapeLevel - kOutsideLevel) * 3 * (1 << kRowBits) < (1 << 15), "row changes must fit 16 bits");

// The horizontal pass at output x over one mask row given as its shape spans. With only two levels, the weighted sum
// is the outside level times all weights plus the difference times the weights that fall on the shape.
std::int16_t ResampleAt(std::span<const TSpan> spans, const TResampleTaps& taps, const std::int32_t* prefix, int x) {
  const int first = taps.first[x], end = first + taps.count[x];
  const std::int32_t* sums = prefix + static_cast<std::size_t>(x) * (taps.stride + 1);
  std::int32_t onShape = 0;
  for (const TSpan& s : spans) {
    if (s.x1 <= first) continue;
    if (s.x0 >= end) break;
    onShape += sums[std::min(s.x1, end) - first] - sums[std::max(s.x0, first) - first];
  }
  return static_cast<std::int16_t>(RowValue((kShapeLevel - kOutsideLevel) * onShape));
}

// Appends the columns that lie in exactly one of the two rows' spans.
void SpanDifference(std::span<const TSpan> a, std::span<const TSpan> b, std::vector<TSpan>& out) {
  std::size_t i = 0, j = 0;
  bool inA = false, inB = false;
  int start = 0;
  while (i < a.size() || j < b.size()) {
    // The next place where either row enters or leaves a span.
    const int nextA = i < a.size() ? (inA ? a[i].x1 : a[i].x0) : std::numeric_limits<int>::max();
    const int nextB = j < b.size() ? (inB ? b[j].x1 : b[j].x0) : std::numeric_limits<int>::max();
    const int at = std::min(nextA, nextB);
    const bool differed = inA != inB;
    if (nextA == at) {
      if (inA) ++i;
      inA = !inA;
    }
    if (nextB == at) {
      if (inB) ++j;
      inB = !inB;
    }
    if (differed && inA == inB && start < at) out.push_back({start, at});
    if (!differed && inA != inB) start = at;
  }
}

// Columns are summed eight at a time, so that the compiler can do them together.
constexpr int kLanes = 8;
int LanesUp(int x) { return (x + kLanes - 1) / kLanes * kLanes; }

// sums[x] += weight × (now[x] - before[x]) over whole lanes, the sums wrapping. Both factors fit 16 bits, so the
// compiler can multiply eight at a time.
void AddChange(std::uint32_t* __restrict sums, const std::int16_t* __restrict now,
               const std::int16_t* __restrict before, std::int16_t weight, TSpan lanes) {
  for (int x = lanes.x0; x < lanes.x1; x += kLanes)
    for (int k = 0; k < kLanes; ++k) {
      const auto change = static_cast<std::int16_t>(now[x + k] - before[x + k]);
      sums[x + k] += static_cast<std::uint32_t>(weight * change);
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
  axis.firstPast.assign(srcSize + 1, outputs);
  axis.endBefore.assign(srcSize + 1, 0);
  for (int x = outputs - 1; x >= 0; --x) {
    int& past = axis.firstPast[axis.taps.first[x] + axis.taps.count[x] - 1];
    past = std::min(past, x);
  }
  for (int x = 0; x < outputs; ++x) {
    int& before = axis.endBefore[axis.taps.first[x] + 1];
    before = std::max(before, x + 1);
  }
  for (int c = srcSize - 1; c >= 0; --c) axis.firstPast[c] = std::min(axis.firstPast[c], axis.firstPast[c + 1]);
  for (int c = 1; c <= srcSize; ++c) axis.endBefore[c] = std::max(axis.endBefore[c], axis.endBefore[c - 1]);
  return axis;
}

void TMaskScaler::CombineScaledMask(const TSpanMask& mask, TBitmap32& piece) {
  const int pw = piece.Width(), ph = piece.Height(), mw = mask.Width, mh = mask.Height;
  if (piece.Empty() || mw <= 0 || mh <= 0) return;
  static const std::int32_t lowestShapeSum = LowestShapeSum();
  const TAxis& across = Axis(mw, pw);
  const TAxis& downAxis = Axis(mh, ph);
  const TResampleTaps& down = downAxis.taps;

  // The horizontal pass once per distinct row: masks repeat rows wherever only straight edges cross them. Rows are
  // padded to whole lanes with zeros.
  const int stride = LanesUp(pw);
  distinctOf_.resize(mh);
  firstMaskRow_.resize(mh);
  changedOutputs_.Clear();
  rows_.resize(static_cast<std::size_t>(mh) * stride);  // only the first rows are used, each written before it is read
  int distinct = 0;
  std::span<const TSpan> before;  // the mask row of the last distinct row
  for (int y = 0; y < mh; ++y) {
    const std::span<const TSpan> spans = mask.Rows.Row(y);
    if (y > 0 && std::ranges::equal(spans, before)) {
      distinctOf_[y] = distinct - 1;
      continue;
    }
    std::int16_t* values = rows_.data() + std::size_t(distinct) * stride;
    if (distinct == 0) {
      for (int x = 0; x < pw; ++x) values[x] = ResampleAt(spans, across.taps, across.prefix.data(), x);
      std::fill(values + pw, values + stride, 0);
    } else {
      // Only outputs whose kernel meets a column that changed from the row before can change; note the lanes where
      // they do.
      std::copy(values - stride, values, values);
      differences_.clear();
      SpanDifference(before, spans, differences_);
      TSpan run{};        // of changed outputs, being gathered
      int resampled = 0;  // neighbouring differences share outputs; each is resampled once
      for (const TSpan& d : differences_)
        for (int x = std::max(across.firstPast[d.x0], resampled); x < across.endBefore[d.x1]; resampled = ++x) {
          const std::int16_t value = ResampleAt(spans, across.taps, across.prefix.data(), x);
          if (value == values[x]) continue;
          values[x] = value;
          if (x < run.x1) continue;
          const int lane = x / kLanes * kLanes;
          if (lane != run.x1) {
            if (run.x0 < run.x1) changedOutputs_.Add(run);
            run = {lane, lane};
          }
          run.x1 = lane + kLanes;
        }
      if (run.x0 < run.x1) changedOutputs_.Add(run);
    }
    changedOutputs_.EndRow();
    before = spans;
    firstMaskRow_[distinct] = y;
    distinctOf_[y] = distinct++;
  }

  // The vertical pass a whole row at a time, summed by parts: with S_d the weight of the kernel's rows from distinct
  // row d on, the sum of w × H is H(first) × (all weights) + the sum of S_d × (H_d - H_{d-1}), and all weights add
  // up to exactly one. So each distinct row adds only where it changed. The parts may overflow where the whole does
  // not; unsigned arithmetic wraps, exact modulo 2^32, which keeps the whole exact. S_d fits 16 bits: no run of a
  // Lanczos kernel's weights adds up to much more than one, or much less than nothing.
  constexpr std::int32_t kOutsideSum = kOutsideRow * (1 << kWeightBits);
  static const std::int32_t lowestShapeRest = lowestShapeSum - kOutsideSum;  // the sums leave out the outside level
  sums_.resize(stride);
  for (int y = 0; y < ph; ++y) {
    const int first = down.first[y], firstRow = distinctOf_[first], lastRow = distinctOf_[first + down.count[y] - 1];
    const std::int32_t* weightSums = downAxis.prefix.data() + static_cast<std::size_t>(y) * (down.stride + 1);
    const std::int16_t* base = rows_.data() + std::size_t(firstRow) * stride;
    for (int x = 0; x < stride; ++x) sums_[x] = static_cast<std::uint32_t>(base[x]) << kWeightBits;
    for (int d = firstRow + 1; d <= lastRow; ++d) {
      const auto rest = static_cast<std::int16_t>((1 << kWeightBits) - weightSums[firstMaskRow_[d] - first]);
      const std::int16_t* now = rows_.data() + std::size_t(d) * stride;
      for (const TSpan& run : changedOutputs_.Row(d)) AddChange(sums_.data(), now, now - stride, rest, run);
    }
    TColor32* line = piece.ScanLine(y);
    for (int x = 0; x < pw; ++x)
      line[x] &= static_cast<std::int32_t>(sums_[x]) >= lowestShapeRest ? 0xFFFFFFFFu : 0x00FFFFFFu;
  }
  piece.Changed();
}
