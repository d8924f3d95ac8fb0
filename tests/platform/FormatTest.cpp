#include "platform/core/Format.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace vx {
namespace {

TEST(Format, Integers) {
  EXPECT_EQ(Format("%d", 42), "42");
  EXPECT_EQ(Format("[%5d]", 42), "[   42]");
  EXPECT_EQ(Format("[%-5d]", 42), "[42   ]");
  EXPECT_EQ(Format("%.3d", 7), "007");
  EXPECT_EQ(Format("%.3d", -7), "-007");
  EXPECT_EQ(Format("%d", std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(Format("%d", std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(Format("%u", -1), "4294967295");
  EXPECT_EQ(Format("%u", std::int64_t{-1}), "18446744073709551615");
  EXPECT_EQ(Format("%x", 255), "FF");
  EXPECT_EQ(Format("%.4x", 255), "00FF");
  EXPECT_EQ(Format("%x", -1), "FFFFFFFF");
  EXPECT_EQ(Format("%x", std::int16_t{-2}), "FFFE");
  EXPECT_EQ(Format("%x", std::int64_t{-1}), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format("%D and %X", 5, 10), "5 and A");
}

TEST(Format, Floats) {
  EXPECT_EQ(Format("%.2f", 3.14159), "3.14");
  EXPECT_EQ(Format("%f", 2.0), "2.00");
  EXPECT_EQ(Format("%.2f %%", 12.5), "12.50 %");
  EXPECT_EQ(Format("%.0f", 2.5), "3");
  EXPECT_EQ(Format("%.2f", -0.001), "0.00");
  EXPECT_EQ(Format("%.2f", -1.005), "-1.00"); // stored as -1.00499999999999989...
  EXPECT_EQ(Format("%.1f", 0.25f), "0.3");
  EXPECT_EQ(Format("%8.3f|%-8.1f|", 3.14159, 2.0), "   3.142|2.0     |");
  EXPECT_EQ(Format("%.2f", 1e20), "1E20"); // more integer digits than the 15 significant ones
  EXPECT_EQ(Format("%.2f", std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(Format("%n", 1234567.891), "1,234,567.89");
  EXPECT_EQ(Format("%e", 1234.5), "1.23450000000000E+003");
  EXPECT_EQ(Format("%.3e", -1234.5), "-1.23E+003");
  EXPECT_EQ(Format("%.2e", 0.0), "0.0E+000");
  EXPECT_EQ(Format("%g", 0.1), "0.1");
  EXPECT_EQ(Format("%g", 1e20), "1E20");
  EXPECT_EQ(Format("%.3g", 1234.5), "1.23E3");
  EXPECT_EQ(Format("%.*f", 1, 2.25), "2.3");
}

TEST(Format, Strings) {
  EXPECT_EQ(Format("%s", "abc"), "abc");
  EXPECT_EQ(Format("[%5s]", std::string("ab")), "[   ab]");
  EXPECT_EQ(Format("[%-5s]", std::string_view("ab")), "[ab   ]");
  EXPECT_EQ(Format("%.2s", "abcdef"), "ab");
  EXPECT_EQ(Format("%s%s", 'x', static_cast<const char*>(nullptr)), "x");
  // Widths and precisions count characters, not UTF-8 bytes.
  EXPECT_EQ(Format("%.1s", "\xC3\xA4"
                           "b"),
            "\xC3\xA4");
  EXPECT_EQ(Format("[%3s]", "\xC3\xA4"), "[  \xC3\xA4]");
  EXPECT_EQ(Format("100%% of %s", "it"), "100% of it");
  EXPECT_EQ(Format("no specifiers"), "no specifiers");
}

TEST(Format, IndexesAndStars) {
  EXPECT_EQ(Format("%1:s %0:s", "a", "b"), "b a");
  EXPECT_EQ(Format("%1:s %s %0:s", "a", "b", "c"), "b c a");
  EXPECT_EQ(Format("[%*d]", 5, 42), "[   42]");
  EXPECT_EQ(Format("[%-*d]", 4, 1), "[1   ]");
  EXPECT_EQ(Format("[%*d]", -4, 1), "[1   ]");
  EXPECT_EQ(Format("%d", 1, "unused"), "1");
}

TEST(Format, ReadsSeparatorsFromTheSettings) {
  TFormatSettings S;
  S.DecimalSeparator = ",";
  S.ThousandSeparator = ".";
  EXPECT_EQ(Format(S, "%.2f|%n", 1.5, 1234.5), "1,50|1.234,50");
}

TEST(Format, BadSpecifiersAndArgumentsRaise) {
  const auto Message = [](auto&&... Call) -> std::string {
    try {
      Format(Call...);
    } catch (const EConvertError& E) {
      return E.what();
    }
    return "no exception";
  };
  EXPECT_EQ(Message("%d", 1.5), "Format '%d' invalid or incompatible with argument");
  EXPECT_EQ(Message("x=%f", 1), "Format 'x=%f' invalid or incompatible with argument");
  EXPECT_EQ(Message("%s", 5), "Format '%s' invalid or incompatible with argument");
  EXPECT_EQ(Message("%x", "ff"), "Format '%x' invalid or incompatible with argument");
  EXPECT_EQ(Message("%d %d", 1), "No argument for format '%d %d'");
  EXPECT_EQ(Message("%2:d", 1), "No argument for format '%2:d'");
  EXPECT_EQ(Message("%q", 1), "Format '%q' invalid or incompatible with argument");
  EXPECT_EQ(Message("abc%"), "Format 'abc%' invalid or incompatible with argument");
  EXPECT_EQ(Message("%5"), "Format '%5' invalid or incompatible with argument");
  EXPECT_EQ(Message("%*d", 1.5, 2), "Format '%*d' invalid or incompatible with argument");
  EXPECT_EQ(Message("%99999999999d", 1),
            "Format '%99999999999d' invalid or incompatible with argument");
  EXPECT_EQ(Message("%.70000f", 1.0), "Format '%.70000f' invalid or incompatible with argument");
}

} // namespace
} // namespace vx
