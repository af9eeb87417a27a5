// The x87 extended format, byte for byte, both ways.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Ext80.h"

namespace {
struct Ext80Case {
  const char* name;
  TExt80Bytes bytes;
  long double value;
};

const Ext80Case kCases[] = {
    {"one", {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}, 1.0L},
    {"minus_two", {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}, -2.0L},
    {"ninety", {0, 0, 0, 0, 0, 0, 0, 0xB4, 0x05, 0x40}, 90.0L},
    {"minus_270", {0, 0, 0, 0, 0, 0, 0, 0x87, 0x07, 0xC0}, -270.0L},
    {"zero", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.0L},
    {"one_tenth", {0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}, 0.1L},
    {"largest", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}, std::numeric_limits<long double>::max()},
    {"smallest_normal", {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}, std::numeric_limits<long double>::min()},
    {"smallest_denormal", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, std::numeric_limits<long double>::denorm_min()},
    {"infinity", {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}, std::numeric_limits<long double>::infinity()},
    {"minus_infinity", {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}, -std::numeric_limits<long double>::infinity()},
};

class Ext80Table : public testing::TestWithParam<Ext80Case> {};

TEST_P(Ext80Table, ReadsAndWritesTheSameBytes) {
  const Ext80Case& c = GetParam();
  EXPECT_EQ(Ext80ToLongDouble(c.bytes), c.value);
  EXPECT_EQ(LongDoubleToExt80(c.value), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Values, Ext80Table, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Ext80Case>& info) { return info.param.name; });

TEST(Ext80, NegativeZeroKeepsItsSign) {
  const TExt80Bytes bytes = LongDoubleToExt80(-0.0L);
  EXPECT_EQ(bytes, (TExt80Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
  const long double back = Ext80ToLongDouble(bytes);
  EXPECT_EQ(back, 0.0L);
  EXPECT_TRUE(std::signbit(back));
}

TEST(Ext80, NanStaysNan) {
  EXPECT_TRUE(std::isnan(Ext80ToLongDouble(LongDoubleToExt80(std::numeric_limits<long double>::quiet_NaN()))));
  EXPECT_TRUE(std::isnan(Ext80ToLongDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
}

// Files written by other programs may hold an unnormal (integer bit clear); it reads as its plain value.
TEST(Ext80, UnnormalReadsAsItsValue) { EXPECT_EQ(Ext80ToLongDouble({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}), 0.5L); }

TEST(Ext80, ArbitraryAnglesRoundTrip) {
  for (long double angle : {12.345L, -359.99L, 1e-300L, 7.0L / 3.0L, 123456789.123456789L}) {
    EXPECT_EQ(Ext80ToLongDouble(LongDoubleToExt80(angle)), angle) << static_cast<double>(angle);
  }
}
}  // namespace
