// Lanczos-3 weight tables.
#include "pieces/Lanczos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kRadius = 3.0;

double Sinc(double x) {
  if (x == 0) return 1.0;
  const double px = std::numbers::pi * x;
  return std::sin(px) / px;
}

double Lanczos(double x) { return std::abs(x) < kRadius ? Sinc(x) * Sinc(x / kRadius) : 0.0; }
}  // namespace

TResampleTaps LanczosTaps(int srcSize, int dstSize) {
  TResampleTaps taps;
  if (srcSize <= 0 || dstSize <= 0) return taps;
  const double scale = static_cast<double>(dstSize) / srcSize;
  // Shrinking widens the kernel so every source sample still contributes.
  const double widen = scale < 1.0 ? 1.0 / scale : 1.0;
  const double support = kRadius * widen;
  taps.stride = static_cast<int>(std::ceil(2 * support)) + 2;
  taps.first.resize(dstSize);
  taps.count.resize(dstSize);
  taps.weights.assign(static_cast<std::size_t>(dstSize) * taps.stride, 0);

  std::vector<double> folded(taps.stride);
  for (int i = 0; i < dstSize; ++i) {
    const double center = (i + 0.5) / scale - 0.5;
    const int lo = static_cast<int>(std::ceil(center - support));
    const int hi = static_cast<int>(std::floor(center + support));
    const int first = std::clamp(lo, 0, srcSize - 1);
    const int last = std::clamp(hi, 0, srcSize - 1);
    std::fill(folded.begin(), folded.end(), 0.0);
    double sum = 0;
    for (int j = lo; j <= hi; ++j) {
      const double w = Lanczos((j - center) / widen);
      folded[std::clamp(j, 0, srcSize - 1) - first] += w;
      sum += w;
    }
    std::int32_t* weights = taps.weights.data() + static_cast<std::size_t>(i) * taps.stride;
    const int count = last - first + 1;
    std::int32_t total = 0;
    int largest = 0;
    for (int k = 0; k < count; ++k) {
      weights[k] = static_cast<std::int32_t>(std::lround(folded[k] / sum * (1 << kWeightBits)));
      total += weights[k];
      if (weights[k] > weights[largest]) largest = k;
    }
    weights[largest] += (1 << kWeightBits) - total;
    // Zero weights at either end only cost time.
    int begin = 0, end = count;
    while (begin < end - 1 && weights[begin] == 0) ++begin;
    while (end - 1 > begin && weights[end - 1] == 0) --end;
    if (begin > 0) std::copy(weights + begin, weights + end, weights);
    std::fill(weights + (end - begin), weights + taps.stride, 0);
    taps.first[i] = first + begin;
    taps.count[i] = end - begin;
  }
  return taps;
}
