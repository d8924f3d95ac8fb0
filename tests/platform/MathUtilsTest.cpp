#include "platform/core/MathUtils.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <limits>

namespace vx {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();

TEST(Round, HalvesGoToTheEvenNeighbour) {
  const struct {
    double Value;
    std::int64_t Expected;
  } Cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {0.5, 0},
      {1.5, 2},
      {-0.5, 0},
      {0.49999999999999994, 0},
      {-0.49999999999999994, 0},
      {2.4999999999999996, 2},
      {2.5000000000000004, 3},
      {-1.7, -2},
      {4503599627370497.0, 4503599627370497}, // 2^52 + 1, already whole
      {1e18, 1000000000000000000},
      {-9223372036854775808.0, Int64Min},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(Round(C.Value), C.Expected) << C.Value;
}

TEST(Round, IgnoresTheFloatingPointRoundingMode) {
  const int Saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  const std::int64_t R = Round(2.5);
  std::fesetround(Saved);
  EXPECT_EQ(R, 2);
}

TEST(Round, OutsideInt64RaisesRangeError) {
  // 9223372036854775807.0 is 2^63 as a double, one past the largest Int64.
  for (const double V :
       {9223372036854775807.0, -9223372036854777856.0, 1e300, -1e300, Inf, -Inf, NaN}) {
    EXPECT_THROW(Round(V), ERangeError) << V;
    EXPECT_THROW(Trunc(V), ERangeError) << V;
  }
  try {
    Round(1e300);
    FAIL() << "no exception";
  } catch (const ERangeError& E) {
    EXPECT_STREQ(E.what(), "Round(1E300) is outside the 64-bit integer range");
  }
}

TEST(Trunc, GoesTowardZero) {
  EXPECT_EQ(Trunc(2.7), 2);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(-0.9), 0);
  EXPECT_EQ(Trunc(-9223372036854775808.0), Int64Min);
  EXPECT_EQ(Int(-1.75), -1.0);
  EXPECT_EQ(Frac(-1.25), -0.25);
  EXPECT_EQ(Frac(3.75), 0.75);
}

TEST(SameValue, DefaultToleranceIsRelativeAboveOne) {
  EXPECT_TRUE(SameValue(1, 1 + 1e-13));
  EXPECT_FALSE(SameValue(1, 1 + 1e-11));
  EXPECT_TRUE(SameValue(1e6, 1e6 + 1e-7)); // tolerance 1e-6
  EXPECT_FALSE(SameValue(1e6, 1e6 + 1e-5));
  EXPECT_TRUE(SameValue(-1e6, -1e6 - 1e-7));
  EXPECT_TRUE(SameValue(0, 1e-12)); // absolute 1e-12 near zero
  EXPECT_FALSE(SameValue(0, 1e-11));
  EXPECT_TRUE(SameValue(1, 1.05, 0.1));
  EXPECT_FALSE(SameValue(1, 1.2, 0.1));
}

TEST(SameValue, NonFiniteValues) {
  EXPECT_TRUE(SameValue(Inf, Inf));
  EXPECT_FALSE(SameValue(Inf, -Inf));
  EXPECT_FALSE(SameValue(Inf, 1e308));
  EXPECT_FALSE(SameValue(NaN, NaN));
  EXPECT_FALSE(SameValue(NaN, 0, 1));
  EXPECT_TRUE(IsZero(1e-13));
  EXPECT_FALSE(IsZero(1e-11));
}

} // namespace
} // namespace vx
