#include "platform/core/DateTime.h"

#include "platform/core/Convert.h"
#include "platform/core/DateTimeFields.h"
#include "platform/core/Exceptions.h"
#include "platform/core/MathUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace vx {

namespace {

constexpr std::int64_t MSecsPerDayInt = 86400000;
// Days from 0001-01-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr double MinDateTime = -693593.0;
constexpr double MaxDateTime = 2958466.0; // 10000-01-01, excluded

// Days since 1970-01-01 of a civil date (Gregorian, any year); the standard
// era-based formula.
constexpr std::int64_t DaysFromCivil(std::int64_t Y, int M, int D) {
  Y -= M <= 2;
  const std::int64_t Era = (Y >= 0 ? Y : Y - 399) / 400;
  const std::int64_t YearOfEra = Y - Era * 400;
  const std::int64_t DayOfYear = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
  const std::int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
  return Era * 146097 + DayOfEra - 719468;
}

void CivilFromDays(std::int64_t Z, int& Y, int& M, int& D) {
  Z += 719468;
  const std::int64_t Era = (Z >= 0 ? Z : Z - 146096) / 146097;
  const std::int64_t DayOfEra = Z - Era * 146097;
  const std::int64_t YearOfEra =
      (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
  const std::int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
  const std::int64_t MP = (5 * DayOfYear + 2) / 153;
  D = static_cast<int>(DayOfYear - (153 * MP + 2) / 5 + 1);
  M = static_cast<int>(MP < 10 ? MP + 3 : MP - 9);
  Y = static_cast<int>(YearOfEra + Era * 400 + (M <= 2));
}

constexpr std::int64_t DateDelta = DaysFromCivil(1899, 12, 30);

} // namespace

namespace detail {

TDateTimeFields SplitDateTime(TDateTime DateTime) {
  const auto Invalid = [&] {
    return EConvertError("'" + FloatToStr(DateTime) + "' is not a valid date and time");
  };
  if (!(DateTime > MinDateTime - 1 && DateTime < MaxDateTime + 1)) throw Invalid();
  // Whole milliseconds first, so that rounding carries into the day.
  const std::int64_t Total = Round(DateTime * MSecsPerDayInt);
  const std::int64_t Day = Total / MSecsPerDayInt; // toward zero: the day of -1.25 is -1
  if (Day < MinDateTime || Day >= MaxDateTime) throw Invalid();
  std::int64_t MSec = Total % MSecsPerDayInt;
  if (MSec < 0) MSec = -MSec;
  TDateTimeFields F;
  CivilFromDays(DateDelta + Day, F.Year, F.Month, F.Day);
  F.Hour = static_cast<int>(MSec / 3600000);
  F.Min = static_cast<int>(MSec / 60000 % 60);
  F.Sec = static_cast<int>(MSec / 1000 % 60);
  F.MSec = static_cast<int>(MSec % 1000);
  // 1899-12-30 was a Saturday (7).
  F.DayOfWeek = static_cast<int>(((Day % 7) + 7 + 6) % 7) + 1;
  return F;
}

} // namespace detail

bool IsLeapYear(int Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInAMonth(int Year, int Month) {
  static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Days[Month - 1] + (Month == 2 && IsLeapYear(Year));
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result) {
  if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
  Result = static_cast<double>(DaysFromCivil(Year, Month, Day) - DateDelta);
  return true;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Result) {
  if (Hour < 0 || Hour >= 24 || Min < 0 || Min >= 60 || Sec < 0 || Sec >= 60 || MSec < 0 ||
      MSec >= 1000)
    return false;
  Result = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / MSecsPerDay;
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime Result = 0;
  if (!TryEncodeDate(Year, Month, Day, Result))
    throw EConvertError("Invalid argument to date encode");
  return Result;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime Result = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, Result))
    throw EConvertError("Invalid argument to time encode");
  return Result;
}

void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day) {
  const detail::TDateTimeFields F = detail::SplitDateTime(DateTime);
  Year = F.Year;
  Month = F.Month;
  Day = F.Day;
}

void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec) {
  const detail::TDateTimeFields F = detail::SplitDateTime(DateTime);
  Hour = F.Hour;
  Min = F.Min;
  Sec = F.Sec;
  MSec = F.MSec;
}

int DayOfWeek(TDateTime DateTime) {
  return detail::SplitDateTime(DateTime).DayOfWeek;
}

TDateTime Now() {
  const auto Clock = std::chrono::system_clock::now();
  const std::time_t T = std::chrono::system_clock::to_time_t(Clock);
  const auto MSec =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock.time_since_epoch()) % 1000;
  std::tm Local{};
#ifdef _WIN32
  localtime_s(&Local, &T);
#else
  localtime_r(&T, &Local);
#endif
  return EncodeDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday) +
         EncodeTime(Local.tm_hour, Local.tm_min, Local.tm_sec,
                    static_cast<int>((MSec.count() + 1000) % 1000));
}

} // namespace vx
