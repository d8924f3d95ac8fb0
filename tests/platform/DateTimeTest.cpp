#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatDateTime.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vx {
namespace {

TEST(DateTime, EncodesDaysSinceDecember30Of1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_EQ(EncodeDate(2024, 2, 29) - EncodeDate(2024, 2, 28), 1);
}

TEST(DateTime, RefusesImpossibleFields) {
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2000, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2000, 4, 31), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, -1, 0, 0), EConvertError);
  try {
    EncodeTime(0, 0, 0, 1000);
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Invalid argument to time encode");
  }
}

TEST(DateTime, DecodeRoundTripsEveryDayOfFourCenturies) {
  // 1600 to 2000 covers every leap-year rule twice.
  int Days = 0;
  for (int Y = 1600; Y < 2000; ++Y)
    for (int M = 1; M <= 12; ++M)
      for (int D = 1; D <= DaysInAMonth(Y, M); ++D) {
        int Year = 0, Month = 0, Day = 0;
        DecodeDate(EncodeDate(Y, M, D), Year, Month, Day);
        ASSERT_EQ(Year * 10000 + Month * 100 + Day, Y * 10000 + M * 100 + D);
        ++Days;
      }
  EXPECT_EQ(Days, 146097); // days in 400 Gregorian years
}

TEST(DateTime, NegativeValuesKeepTheTimeAsMagnitude) {
  int Y, M, D, H, N, S, Ms;
  DecodeDate(-1.25, Y, M, D);
  DecodeTime(-1.25, H, N, S, Ms);
  EXPECT_EQ((std::vector<int>{Y, M, D, H, N, S, Ms}), (std::vector<int>{1899, 12, 29, 6, 0, 0, 0}));
  EXPECT_EQ(DayOfWeek(-1.25), 6); // Friday
}

TEST(DateTime, DecodeRoundsToTheMillisecond) {
  int Y, M, D, H, N, S, Ms;
  const TDateTime T = EncodeDate(2000, 1, 1) + EncodeTime(18, 30, 15, 250);
  DecodeTime(T, H, N, S, Ms);
  EXPECT_EQ((std::vector<int>{H, N, S, Ms}), (std::vector<int>{18, 30, 15, 250}));
  // Less than half a millisecond before midnight is midnight of the next day.
  DecodeTime(EncodeDate(2000, 12, 31) + 1 - 0.4 / MSecsPerDay, H, N, S, Ms);
  EXPECT_EQ((std::vector<int>{H, N, S, Ms}), (std::vector<int>{0, 0, 0, 0}));
  DecodeDate(EncodeDate(2000, 12, 31) + 1 - 0.4 / MSecsPerDay, Y, M, D);
  EXPECT_EQ((std::vector<int>{Y, M, D}), (std::vector<int>{2001, 1, 1}));
  EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 1)), 7); // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 7)), 5); // Thursday
}

TEST(DateTime, DecodeRefusesValuesOutsideTheCalendar) {
  int Y, M, D;
  for (const double V :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300,
        -1e300, 2958466.0, -693595.0})
    EXPECT_THROW(DecodeDate(V, Y, M, D), EConvertError) << V;
  try {
    DecodeDate(1e300, Y, M, D);
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'1E300' is not a valid date and time");
  }
}

TEST(DateTime, NowIsAPlausibleDate) {
  int Y, M, D;
  DecodeDate(Now(), Y, M, D);
  EXPECT_GE(Y, 2024);
  EXPECT_LT(Y, 2200);
}

struct TDateCase {
  const char* Format;
  const char* Expected;
};

void PrintTo(const TDateCase& C, std::ostream* OS) {
  *OS << '"' << C.Format << '"';
}

class FormatDateTimeTable : public testing::TestWithParam<TDateCase> {};

// Thursday 7 March 2024, 14:05:09.045.
const TDateTime Sample = EncodeDate(2024, 3, 7) + EncodeTime(14, 5, 9, 45);

TEST_P(FormatDateTimeTable, Prints) {
  EXPECT_EQ(FormatDateTime(GetParam().Format, Sample), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Specifiers, FormatDateTimeTable,
    testing::Values(
        TDateCase{"", "2024-03-07 14:05:09"}, TDateCase{"c", "2024-03-07 14:05:09"},
        TDateCase{"d/m/yy", "7-3-24"}, TDateCase{"dd/mm/yyyy", "07-03-2024"},
        TDateCase{"DD/MM/YYYY", "07-03-2024"}, TDateCase{"yyy", "2024"},
        TDateCase{"ddd dddd", "Thu Thursday"}, TDateCase{"ddddd", "2024-03-07"},
        TDateCase{"dddddd", "Thursday, 7 March 2024"}, TDateCase{"mmm mmmm", "Mar March"},
        TDateCase{"aaa aaaa", "Thu Thursday"}, TDateCase{"h:n:s", "14:5:9"},
        TDateCase{"hh:nn:ss.zzz", "14:05:09.045"}, TDateCase{"z", "45"},
        TDateCase{"t|tt", "14:05|14:05:09"},
        // m after an hour is minutes, even with literals between; m elsewhere is the month.
        TDateCase{"hh:mm", "14:05"}, TDateCase{"mm", "03"}, TDateCase{"hh 'x' mm", "14 x 05"},
        TDateCase{"h x m", "14 x 3"}, TDateCase{"h:mm am/pm", "2:05 pm"},
        TDateCase{"h:mm AM/PM", "2:05 PM"}, TDateCase{"h a/p", "2 p"},
        TDateCase{"hh ampm", "02 PM"},
        // A lone "a" is a literal, and the "m" after it is the month.
        TDateCase{"hh' am/pm'", "14 am/pm"}, TDateCase{"am", "a3"},
        TDateCase{"yyyy'y' mm", "2024y 03"}, TDateCase{"\"at\" hh", "at 14"},
        TDateCase{"'unclosed dd", "unclosed dd"}, TDateCase{"Q\xC3\xA9!", "Q\xC3\xA9!"}));

TEST(FormatDateTime, GeneralFormOmitsMidnight) {
  EXPECT_EQ(FormatDateTime("", EncodeDate(2024, 3, 7)), "2024-03-07");
  EXPECT_EQ(FormatDateTime("", EncodeDate(2024, 3, 7) + EncodeTime(0, 0, 0, 1)),
            "2024-03-07 00:00:00");
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", -1.25), "1899-12-29 06:00");
}

TEST(FormatDateTime, TwelveHourClockAtMidnightAndNoon) {
  const TDateTime Day = EncodeDate(2024, 1, 1);
  EXPECT_EQ(FormatDateTime("h:nn am/pm", Day + EncodeTime(0, 30, 0, 0)), "12:30 am");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", Day + EncodeTime(12, 0, 0, 0)), "12:00 pm");
  EXPECT_EQ(FormatDateTime("hh:nn A/P", Day + EncodeTime(11, 59, 0, 0)), "11:59 A");
}

TEST(FormatDateTime, ReadsNamesAndSeparatorsFromTheSettings) {
  TFormatSettings S;
  S.DateSeparator = ".";
  S.TimeSeparator = "h";
  S.ShortDateFormat = "dd/mm/yyyy";
  S.LongMonthNames[2] = "mars";
  S.TimePMString = "p.m.";
  EXPECT_EQ(FormatDateTime("c", Sample, S), "07.03.2024 14h05h09");
  EXPECT_EQ(FormatDateTime("d mmmm, h:nn ampm", Sample, S), "7 mars, 2h05 p.m.");
}

TEST(FormatDateTime, SelfReferringSettingsTerminate) {
  TFormatSettings S;
  S.ShortDateFormat = "c";
  S.LongDateFormat = "dddddd";
  // Patterns nest once: the inner "c" and "dddddd" expand to nothing.
  EXPECT_EQ(FormatDateTime("c", Sample, S), "  14:05:09");
  EXPECT_EQ(FormatDateTime("dddddd", Sample, S), "");
}

TEST(FormatDateTime, InvalidValueFailsOnlyWhenAFieldIsRead) {
  const double NaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FormatDateTime("'label'", NaN), "label");
  EXPECT_THROW(FormatDateTime("yyyy", NaN), EConvertError);
  EXPECT_THROW(FormatDateTime("", 1e20), EConvertError);
}

} // namespace
} // namespace vx
