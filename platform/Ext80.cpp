// Conversion between long double and the x87 extended format.
#include "platform/Ext80.h"

#include <cmath>
#include <limits>

namespace {
constexpr int kBias = 16383;
constexpr int kMantissaBits = 64;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

TExt80Bytes Pack(std::uint64_t mantissa, int exponent, bool negative) {
  TExt80Bytes bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
  bytes[8] = static_cast<std::uint8_t>(top);
  bytes[9] = static_cast<std::uint8_t>(top >> 8);
  return bytes;
}
}  // namespace

long double Ext80ToLongDouble(const TExt80Bytes& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
  const bool negative = top & 0x8000u;
  const int exponent = static_cast<int>(top & 0x7FFFu);
  long double magnitude;
  if (exponent == 0x7FFF) {
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                     : std::numeric_limits<long double>::quiet_NaN();
  } else {
    // Denormals use the smallest exponent; the integer bit is explicit, so one formula covers both.
    const int scale = (exponent == 0 ? 1 : exponent) - kBias - (kMantissaBits - 1);
    magnitude = std::ldexp(static_cast<long double>(mantissa), scale);
  }
  return negative ? -magnitude : magnitude;
}

TExt80Bytes LongDoubleToExt80(long double value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return Pack(kIntegerBit | (kIntegerBit >> 1), 0x7FFF, negative);
  if (std::isinf(value)) return Pack(kIntegerBit, 0x7FFF, negative);
  if (value == 0) return Pack(0, 0, negative);
  int binaryExponent;  // value = fraction * 2^binaryExponent, fraction in [0.5, 1)
  const long double fraction = std::frexp(std::fabs(value), &binaryExponent);
  int exponent = binaryExponent - 1 + kBias;
  long double scaled = std::ldexp(fraction, kMantissaBits);
  if (exponent <= 0) {
    // Too small for a normal number: shift into a denormal, whose exponent field is 0.
    scaled = std::ldexp(scaled, exponent - 1);
    exponent = 0;
  }
  long double rounded = std::nearbyint(scaled);
  if (rounded >= std::ldexp(1.0L, kMantissaBits)) {  // rounding carried into a new bit
    rounded = std::ldexp(rounded, -1);
    ++exponent;
  }
  if (exponent >= 0x7FFF) return Pack(kIntegerBit, 0x7FFF, negative);
  const auto mantissa = static_cast<std::uint64_t>(rounded);
  // A denormal that rounded up to the integer bit has become the smallest normal number.
  if (exponent == 0 && (mantissa & kIntegerBit)) exponent = 1;
  return Pack(mantissa, exponent, negative);
}
