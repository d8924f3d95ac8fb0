#include "platform/core/FormatFloat.h"
#include "platform/core/Convert.h"

#include <gtest/gtest.h>

#include <limits>

namespace vx {
namespace {

struct TFloatCase {
  const char* Format;
  double Value;
  const char* Expected;
};

void PrintTo(const TFloatCase& C, std::ostream* OS) {
  *OS << "FormatFloat(\"" << C.Format << "\", " << C.Value << ")";
}

class FormatFloatTable : public testing::TestWithParam<TFloatCase> {};

TEST_P(FormatFloatTable, Prints) {
  const TFloatCase& C = GetParam();
  EXPECT_EQ(FormatFloat(C.Format, C.Value), C.Expected);
}

constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    DigitPlaces, FormatFloatTable,
    testing::Values(TFloatCase{"#,##0.###", 1234.5678, "1,234.568"},
                    TFloatCase{"#,##0.###", 2, "2"}, TFloatCase{"#,##0.###", 0, "0"},
                    TFloatCase{"0.00", 3.14159, "3.14"}, TFloatCase{"0.00", 42, "42.00"},
                    TFloatCase{"00000", 42, "00042"}, TFloatCase{"#", 0, ""},
                    TFloatCase{"#.##", 0.5, ".5"}, TFloatCase{".00", 12.5, "12.50"},
                    TFloatCase{"0.###", 0.0001, "0"}, TFloatCase{"0.0#", 1.5, "1.5"},
                    TFloatCase{"0.0#", 1, "1.0"}, TFloatCase{"0.", 2, "2"},
                    TFloatCase{"#-###", 1234567, "1234-567"},
                    TFloatCase{"0.00", 1e20, "100000000000000000000.00"}));

INSTANTIATE_TEST_SUITE_P(Thousands, FormatFloatTable,
                         testing::Values(TFloatCase{"#,##0", 1234567, "1,234,567"},
                                         TFloatCase{",0", 1234567, "1,234,567"},
                                         TFloatCase{"0,000", 1234567.8, "1,234,568"},
                                         TFloatCase{"#,##0.00", -1234567.891, "-1,234,567.89"},
                                         TFloatCase{"#,##0.00", 999.999, "1,000.00"},
                                         TFloatCase{"#,##0", 999, "999"},
                                         TFloatCase{"0.0,0", 1234.5, "1234.50"}));

// Rounding is half away from zero on the value's 18 significant digits: ties that are
// exact in binary round up, decimal "ties" stored below the half round down.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatFloatTable,
    testing::Values(TFloatCase{"0.00", 2.675, "2.67"}, TFloatCase{"0.00", 0.125, "0.13"},
                    TFloatCase{"0.00", -0.125, "-0.13"}, TFloatCase{"0", 0.5, "1"},
                    TFloatCase{"0", 2.5, "3"}, TFloatCase{"0", -2.5, "-3"},
                    TFloatCase{"0.0", 0.25, "0.3"}, TFloatCase{"0.0", 0.15, "0.1"},
                    TFloatCase{"0.0", 0.05, "0.1"}, TFloatCase{"0.000", 0.0005, "0.001"},
                    TFloatCase{"0.00", 9.995, "9.99"}, TFloatCase{"0.00", 9.996, "10.00"}));

INSTANTIATE_TEST_SUITE_P(
    Sections, FormatFloatTable,
    testing::Values(TFloatCase{"0.00;(0.00)", -5, "(5.00)"}, TFloatCase{"0.00;(0.00)", 5, "5.00"},
                    TFloatCase{"0.00;(0.00);'zero'", 0, "zero"},
                    TFloatCase{"0.00;;'nil'", -5, "-5.00"}, TFloatCase{"0.00;;'nil'", 0, "nil"},
                    TFloatCase{"0.00;(0.00);", 0, "0.00"},
                    TFloatCase{"0;'neg;ative'", -1, "neg;ative"},
                    TFloatCase{"0;(0);z;ignored", 0, "z"},
                    // A value that rounds to zero is zero: no sign, the zero section.
                    TFloatCase{"0.00", -0.001, "0.00"}, TFloatCase{"0.00;(0.00)", -0.001, "0.00"},
                    TFloatCase{"0.00;(0.00);'zero'", -0.001, "zero"},
                    TFloatCase{"0.00;(0.00);'zero'", 0.001, "zero"},
                    TFloatCase{"#,##0.###", -2.7e-17, "0"}, TFloatCase{"0.0", -0.0, "0.0"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatFloatTable,
    testing::Values(
        TFloatCase{"0.00E+00", 1234.5, "1.23E+03"}, TFloatCase{"0.00E+00", 0.00012345, "1.23E-04"},
        TFloatCase{"0.00E-00", 1234.5, "1.23E03"}, TFloatCase{"0.00e-00", 0.00012345, "1.23e-04"},
        TFloatCase{"0.0e+0", 1e100, "1.0e+100"}, TFloatCase{"00.0E+0", 1234, "12.3E+2"},
        TFloatCase{"0.00E+00", 0, "0.00E+00"}, TFloatCase{"0.00E+00", -1234.5, "-1.23E+03"},
        TFloatCase{"0.###E+0", 1000, "1E+3"}, TFloatCase{"0.00E+00", 9.999, "1.00E+01"},
        TFloatCase{"0.00E+0000000", 1, "1.00E+0000"},
        TFloatCase{"0.00E+000", 4.9406564584124654e-324, "4.94E-324"},
        TFloatCase{"0.0E+0 'E+'", 15, "1.5E+1 E+"}));

INSTANTIATE_TEST_SUITE_P(Literals, FormatFloatTable,
                         testing::Values(TFloatCase{"'$'#,##0.00", -5, "-$5.00"},
                                         TFloatCase{"\"Total: \"0", 7, "Total: 7"},
                                         TFloatCase{"0 'items", 3, "3 items"},
                                         TFloatCase{"0.00 %", 12.5, "12.50 %"},
                                         TFloatCase{"abc", 5, "abc"}, TFloatCase{"abc", -5, "-abc"},
                                         TFloatCase{"0.0E", 1.5, "1.5E"},
                                         TFloatCase{"E+", 1234, "E+4"},
                                         TFloatCase{"0 \xC2\xB0"
                                                    "C",
                                                    21,
                                                    "21 \xC2\xB0"
                                                    "C"},
                                         TFloatCase{"'", 5, ""}));

INSTANTIATE_TEST_SUITE_P(
    NoDigits, FormatFloatTable,
    testing::Values(TFloatCase{"", 0.1, "0.1"}, TFloatCase{"", 1e15, "1E15"},
                    TFloatCase{";", -5, "-5"}, TFloatCase{"0.00", Inf, "INF"},
                    TFloatCase{"0.00", -Inf, "-INF"},
                    TFloatCase{"0.00", std::numeric_limits<double>::quiet_NaN(), "NAN"},
                    TFloatCase{"0.00", 5e-324, "0.00"}));

TEST(FormatFloat, HugeValueKeepsEighteenDigitsAndGroupsThemAll) {
  const std::string S = FormatFloat("#,##0", 1e308);
  // 309 digits in 103 groups of three.
  EXPECT_EQ(S.size(), 309u + 102u);
  EXPECT_EQ(S.substr(0, 28), "100,000,000,000,000,001,000,");
  EXPECT_EQ(S.find_first_not_of("0,", 23), std::string::npos);
  EXPECT_EQ(FormatFloat("0.00", -1.7976931348623157e308).size(), 1u + 309u + 3u);
}

TEST(FormatFloat, ReadsSeparatorsFromTheSettings) {
  TFormatSettings S;
  S.DecimalSeparator = ",";
  S.ThousandSeparator = "\xC2\xA0"; // no-break space, two bytes in UTF-8
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.5, S), "1\xC2\xA0"
                                                   "234\xC2\xA0"
                                                   "567,50");
  EXPECT_EQ(FormatFloat("0.0E+0", 1234.0, S), "1,2E+3");
  EXPECT_EQ(FormatFloat("", 0.5, S), "0,5");

  const TFormatSettings Saved = FormatSettings();
  FormatSettings().DecimalSeparator = ",";
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1,50");
  FormatSettings() = Saved;
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1.50");
}

TEST(FormatFloat, LongPatternsStayProportional) {
  // Decimal places beyond the 18 significant digits are zeros (0.1 is stored as
  // 0.1000000000000000055511...).
  EXPECT_EQ(FormatFloat("0." + std::string(30, '0'), 0.1),
            "0.100000000000000006" + std::string(12, '0'));
  EXPECT_EQ(FormatFloat(std::string(40, '0'), 1), std::string(39, '0') + "1");
}

} // namespace
} // namespace vx
