// The 10-byte x87 extended float of the game's files, converted by hand so any machine reads and writes it alike.
#pragma once

#include <array>
#include <cstdint>

using TExt80Bytes = std::array<std::uint8_t, 10>;

// Little-endian file order: 64-bit mantissa with its explicit integer bit, then sign and 15-bit exponent.
long double Ext80ToLongDouble(const TExt80Bytes& bytes);
// Rounds to the 64-bit mantissa only where long double is wider than that; infinities and NaN keep their kind.
TExt80Bytes LongDoubleToExt80(long double value);
