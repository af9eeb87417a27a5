// Halving piece images by the mean of each 2 × 2 block.
#include "free/puzzle/SmallerLevels.h"

#include <algorithm>
#include <cstdint>

namespace {
// Red and blue, and alpha and green, as two 16-bit lanes each: four of them add without a carry between lanes.
inline std::uint32_t Even(std::uint32_t p) { return p & 0x00FF00FFu; }
inline std::uint32_t Odd(std::uint32_t p) { return (p >> 8) & 0x00FF00FFu; }
}  // namespace

void HalfSizeInto(const QImage& image, QImage& half) {
  const int w = image.width(), h = image.height();
  for (int y = 0; y < half.height(); ++y) {
    const auto* top = reinterpret_cast<const std::uint32_t*>(image.constScanLine(2 * y));
    const auto* bottom =
        2 * y + 1 < h ? reinterpret_cast<const std::uint32_t*>(image.constScanLine(2 * y + 1)) : nullptr;
    auto* out = reinterpret_cast<std::uint32_t*>(half.scanLine(y));
    for (int x = 0; x < half.width(); ++x) {
      const int left = 2 * x;
      const bool right = left + 1 < w;
      std::uint32_t even = Even(top[left]), odd = Odd(top[left]);
      if (right) even += Even(top[left + 1]), odd += Odd(top[left + 1]);
      if (bottom) {
        even += Even(bottom[left]), odd += Odd(bottom[left]);
        if (right) even += Even(bottom[left + 1]), odd += Odd(bottom[left + 1]);
      }
      // Rounded to the nearest: the missing pixels of an odd edge count as transparent.
      even = ((even + 0x00020002u) >> 2) & 0x00FF00FFu;
      odd = ((odd + 0x00020002u) >> 2) & 0x00FF00FFu;
      out[x] = even | odd << 8;
    }
  }
}

std::vector<QSize> SmallerLevelSizes(QSize size) {
  std::vector<QSize> sizes;
  while (std::max(size.width(), size.height()) > 2 * kSmallestLevelSide) {
    size = QSize((size.width() + 1) / 2, (size.height() + 1) / 2);
    sizes.push_back(size);
  }
  return sizes;
}
