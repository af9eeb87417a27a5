// Lanczos-3 resampling in fixed point: the weight tables and the two passes shared by ScaleBmp and the mask scaler.
#pragma once

#include <cstdint>
#include <vector>

// Weights are integers summing to exactly 1 << kWeightBits, so a uniform area resamples to exactly its own value.
constexpr int kWeightBits = 14;
// Fractional bits kept in the intermediate rows between the horizontal and the vertical pass.
constexpr int kRowBits = 7;

// The source samples behind each output sample along one axis.
struct TResampleTaps {
  std::vector<int> first;             // first source index of output i
  std::vector<int> count;             // number of source samples of output i
  std::vector<std::int32_t> weights;  // output i's weights start at i * stride
  int stride = 0;

  const std::int32_t* Weights(int i) const { return weights.data() + static_cast<std::size_t>(i) * stride; }
};

// Taps for resampling srcSize samples to dstSize: a Lanczos kernel of radius 3, widened by the reduction factor when
// shrinking, with taps beyond the edge folded onto the edge sample.
TResampleTaps LanczosTaps(int srcSize, int dstSize);

// The horizontal pass's value from its weighted sum, keeping kRowBits fractional bits.
inline std::int32_t RowValue(std::int32_t weightedSum) {
  return (weightedSum + (1 << (kWeightBits - kRowBits - 1))) >> (kWeightBits - kRowBits);
}

// One output value of the horizontal pass from samples spaced `step` bytes apart.
inline std::int32_t ResampleRow(const std::int32_t* weights, int count, const std::uint8_t* samples, int step) {
  std::int32_t acc = 0;
  for (int k = 0; k < count; ++k) acc += weights[k] * samples[k * step];
  return RowValue(acc);
}

// The vertical pass's output byte from its weighted sum of intermediate values, rounded and clamped to 0..255.
inline std::uint8_t ColumnLevel(std::int32_t weightedSum) {
  const std::int32_t value = (weightedSum + (1 << (kWeightBits + kRowBits - 1))) >> (kWeightBits + kRowBits);
  return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// One output byte of the vertical pass from intermediate values spaced `step` apart.
inline std::uint8_t ResampleColumn(const std::int32_t* weights, int count, const std::int32_t* rows, int step) {
  std::int32_t acc = 0;
  for (int k = 0; k < count; ++k) acc += weights[k] * rows[k * step];
  return ColumnLevel(acc);
}
