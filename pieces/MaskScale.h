// Shape masks kept as pixel spans: painting them, and applying them to a piece at the piece's size.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "pieces/Lanczos.h"
#include "pieces/RowSpans.h"
#include "view/Bitmap32.h"

// Outside the shape a mask holds this light gray (gray value 200: neither dark nor shape).
constexpr TColor32 kOutsideFill = 0xFFC8C8C8;

// A mask of Width × Height pixels: white on the spans of each row, kOutsideFill elsewhere.
struct TSpanMask {
  int Width = 0;
  int Height = 0;
  TSpanRows Rows;
};

// Makes bmp the mask's bitmap, draw mode blend.
void PaintMask(const TSpanMask& mask, TBitmap32& bmp);

// Columns where a mask row differs from the row before: +1 where they joined the shape, -1 where they left it.
struct TColumnChange {
  TSpan columns;
  int sign = 0;
};

// Clears the alpha of every piece pixel outside the shape, exactly as ScaleBmp of the painted mask to the piece's
// size followed by CombineBmp would, but resampling only near the shape's edges. A cut meets the same few sizes
// again and again, so the weight tables and the scratch rows are kept from piece to piece.
class TMaskScaler {
 public:
  void CombineScaledMask(const TSpanMask& mask, TBitmap32& piece);

 private:
  // The taps along one axis, with the running sums of each output's weights:
  // prefix[x * (taps.stride + 1) + k] = w[0] + ... + w[k - 1].
  struct TAxis {
    TResampleTaps taps;
    std::vector<std::int32_t> prefix;
    // For source index c: the first output whose taps reach past c, and one past the last output whose taps begin
    // before c (c up to srcSize).
    std::vector<int> firstPast, endBefore;

    // The weight of output x's taps that fall on the columns.
    std::int32_t WeightOn(int x, TSpan columns) const {
      const int first = taps.first[x], end = first + taps.count[x];
      const std::int32_t* sums = prefix.data() + static_cast<std::size_t>(x) * (taps.stride + 1);
      return sums[std::min(columns.x1, end) - first] - sums[std::max(columns.x0, first) - first];
    }
  };
  const TAxis& Axis(int srcSize, int dstSize);

  std::map<std::pair<int, int>, TAxis> axes_;
  // The horizontal pass's distinct rows, which of them each mask row is, and where each begins.
  std::vector<std::int16_t> rows_;
  std::vector<int> distinctOf_;
  std::vector<int> firstMaskRow_;
  TSpanRows changedOutputs_;  // of each distinct row: where its values differ from the row before
  std::vector<TColumnChange> changes_;
  std::vector<std::int32_t> onShape_;  // of each output, the weight of its taps on the shape in the last distinct row
  std::vector<std::uint32_t> sums_;    // one output row's weighted sums
};
