// Lanczos-3 weight tables.
#include "pieces/Lanczos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kRadius = 3.0;

// The kernel at x0, x0 + dx, x0 + 2 dx, ... (count values) into out. Both sines of sinc(x) × sinc(x / 3) advance by
// rotation, so a whole row of taps costs two sine and cosine pairs instead of two sines per tap.
void LanczosRow(double x0, double dx, int count, double* out) {
  const double pi = std::numbers::pi;
  double s1 = std::sin(pi * x0), c1 = std::cos(pi * x0);
  double s3 = std::sin(pi * x0 / kRadius), c3 = std::cos(pi * x0 / kRadius);
  const double ds1 = std::sin(pi * dx), dc1 = std::cos(pi * dx);
  const double ds3 = std::sin(pi * dx / kRadius), dc3 = std::cos(pi * dx / kRadius);
  for (int k = 0; k < count; ++k) {
    const double x = x0 + k * dx;
    if (x == 0)
      out[k] = 1.0;
    else if (std::abs(x) >= kRadius)
      out[k] = 0.0;
    else
      out[k] = kRadius * s1 * s3 / (pi * pi * x * x);
    const double n1 = s1 * dc1 + c1 * ds1, n3 = s3 * dc3 + c3 * ds3;
    c1 = c1 * dc1 - s1 * ds1;
    c3 = c3 * dc3 - s3 * ds3;
    s1 = n1;
    s3 = n3;
  }
}
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

  std::vector<double> folded(taps.stride), kernel(taps.stride);
  for (int i = 0; i < dstSize; ++i) {
    const double center = (i + 0.5) / scale - 0.5;
    const int lo = static_cast<int>(std::ceil(center - support));
    const int hi = static_cast<int>(std::floor(center + support));
    const int first = std::clamp(lo, 0, srcSize - 1);
    const int last = std::clamp(hi, 0, srcSize - 1);
    std::fill(folded.begin(), folded.end(), 0.0);
    double sum = 0;
    LanczosRow((lo - center) / widen, 1.0 / widen, hi - lo + 1, kernel.data());
    for (int j = lo; j <= hi; ++j) {
      const double w = kernel[j - lo];
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
