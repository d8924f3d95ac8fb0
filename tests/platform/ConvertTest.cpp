#include "platform/core/Convert.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vx {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(FloatToStr, GeneralFormat) {
  const struct {
    double Value;
    const char* Expected;
  } Cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {0.1, "0.1"},
      {100, "100"},
      {-1.5, "-1.5"},
      {3.14159, "3.14159"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {1.5E-5, "1.5E-5"},
      {123456789012345, "123456789012345"},
      {1E15, "1E15"},
      {999999999999999.9, "1E15"},
      {1234567890123456, "1.23456789012346E15"},
      {-2.5E-300, "-2.5E-300"},
      {5e-324, "4.94065645841247E-324"},
      {std::numeric_limits<double>::max(), "1.79769313486232E308"},
      {Inf, "INF"},
      {-Inf, "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(FloatToStr(C.Value), C.Expected) << C.Value;
}

TEST(FloatToStr, ReadsBackWithFifteenDigits) {
  for (const double V : {0.1, -123.456, 1e-7, 6.02214076e23, 1.0 / 7, 5e-324, 1e300}) {
    const double Back = StrToFloat(FloatToStr(V));
    EXPECT_NEAR(Back, V, std::fabs(V) * 1e-14) << FloatToStr(V);
  }
}

TEST(FloatToStrF, Formats) {
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), "1234.57");
  EXPECT_EQ(FloatToStrF(1234.5678, ffNumber, 15, 2), "1,234.57");
  EXPECT_EQ(FloatToStrF(-0.5, ffNumber, 15, 0), "-1");
  EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), "1.235E+03");
  EXPECT_EQ(FloatToStrF(1234.5, ffGeneral, 3, 0), "1.23E3");
  EXPECT_EQ(FloatToStrF(1e-10, ffGeneral, 15, 3), "1E-010");
  EXPECT_EQ(FloatToStrF(3.14159, ffFixed, 15, 4), "3.1416");
  // Digits beyond the precision are zeros; beyond 18 decimals they are cut.
  EXPECT_EQ(FloatToStrF(1.0 / 3, ffFixed, 5, 8), "0.33333000");
  EXPECT_EQ(FloatToStrF(1, ffFixed, 15, 40), "1.000000000000000000");
}

TEST(IntToStr, AnyIntegerType) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::uint8_t{10}), "A");
}

TEST(StrToFloat, AcceptsDecimalText) {
  const struct {
    const char* Text;
    double Expected;
  } Cases[] = {
      {"1.5", 1.5},  {" -2.5e3 ", -2500}, {"+3", 3},
      {"1.", 1},     {".5", 0.5},         {"1E-2", 0.01},
      {"1e-400", 0}, {"-0", 0},           {"007", 7},
      {"inf", Inf},  {"-INF", -Inf},      {"1.7976931348623157e308", 1.7976931348623157e308}};
  for (const auto& C : Cases)
    EXPECT_EQ(StrToFloat(C.Text), C.Expected) << C.Text;
  EXPECT_TRUE(std::isnan(StrToFloat("NAN")));
}

TEST(StrToFloat, RefusesOtherText) {
  for (const char* Text : {"", " ", "abc", ".", "1e", "1e+", "1,5", "1 000", "0x10", "1.5.2", "--1",
                           "+-1", "1e999", "2..", "e5", "nan1"}) {
    double V = 123;
    EXPECT_FALSE(TryStrToFloat(Text, V)) << Text;
    EXPECT_EQ(V, 123) << Text;
  }
  try {
    StrToFloat("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'abc' is not a valid floating point value");
  }
}

TEST(StrToFloat, UsesTheSettingsDecimalSeparator) {
  TFormatSettings S;
  S.DecimalSeparator = ",";
  EXPECT_EQ(StrToFloat("1,5", S), 1.5);
  double V = 0;
  EXPECT_FALSE(TryStrToFloat("1.5", V, S));
}

TEST(StrToInt, AcceptsDecimalAndHex) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
}

TEST(StrToInt, RefusesOtherText) {
  for (const char* Text : {"", "abc", "12 ", "1.5", "2147483648", "-2147483649", "$100000000", "$",
                           "--1", "+-1", "1e3"}) {
    int V = 123;
    EXPECT_FALSE(TryStrToInt(Text, V)) << Text;
    EXPECT_EQ(V, 123) << Text;
  }
  std::int64_t V = 0;
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", V));
  try {
    StrToInt("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'abc' is not a valid integer value");
  }
}

} // namespace
} // namespace vx
