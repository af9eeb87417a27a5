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

// Appends the columns that lie in exactly one of the two rows' spans, +1 where only `after` holds them.
void ChangedColumns(std::span<const TSpan> before, std::span<const TSpan> after, std::vector<TColumnChange>& out) {
  std::size_t i = 0, j = 0;
  bool inBefore = false, inAfter = false;
  int from = 0;
  while (i < before.size() || j < after.size()) {
    // The next place where either row enters or leaves a span.
    const int nextBefore =
        i < before.size() ? (inBefore ? before[i].x1 : before[i].x0) : std::numeric_limits<int>::max();
    const int nextAfter = j < after.size() ? (inAfter ? after[j].x1 : after[j].x0) : std::numeric_limits<int>::max();
    const int at = std::min(nextBefore, nextAfter);
    if (inBefore != inAfter && from < at) {
      const int sign = inAfter ? 1 : -1;
      if (!out.empty() && out.back().columns.x1 == from && out.back().sign == sign)
        out.back().columns.x1 = at;
      else
        out.push_back({{from, at}, sign});
    }
    if (nextBefore == at) {
      if (inBefore) ++i;
      inBefore = !inBefore;
    }
    if (nextAfter == at) {
      if (inAfter) ++j;
      inAfter = !inAfter;
    }
    from = at;
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
  onShape_.assign(pw, 0);
  int distinct = 0;
  std::span<const TSpan> before;  // the mask row of the last distinct row; an empty one before the first
  for (int y = 0; y < mh; ++y) {
    const std::span<const TSpan> spans = mask.Rows.Row(y);
    if (y > 0 && std::ranges::equal(spans, before)) {
      distinctOf_[y] = distinct - 1;
      continue;
    }
    std::int16_t* values = rows_.data() + std::size_t(distinct) * stride;
    if (distinct == 0)
      std::fill(values, values + stride, 0);
    else
      std::copy(values - stride, values, values);
    // With only two levels, an output's weighted sum is the outside level times all weights plus the difference
    // times the weights that fall on the shape; only those of outputs whose kernel meets a changed column change.
    changes_.clear();
    ChangedColumns(before, spans, changes_);
    for (const TColumnChange& change : changes_)
      for (int x = across.firstPast[change.columns.x0]; x < across.endBefore[change.columns.x1]; ++x)
        onShape_[x] += change.sign * across.WeightOn(x, change.columns);
    // Note the lanes where values change.
    TSpan run{};        // of lanes with changed outputs, being gathered
    int evaluated = 0;  // neighbouring changes share outputs; each is evaluated once
    for (const TColumnChange& change : changes_)
      for (int x = std::max(across.firstPast[change.columns.x0], evaluated); x < across.endBefore[change.columns.x1];
           evaluated = ++x) {
        const auto value = static_cast<std::int16_t>(RowValue((kShapeLevel - kOutsideLevel) * onShape_[x]));
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
