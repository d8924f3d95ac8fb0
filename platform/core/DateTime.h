#pragma once
// TDateTime: the toolkit's date type, a double counting days since 30 December 1899 with
// the time of day as its fraction, and the conversions to and from calendar fields.

namespace vx {

/// Days since 1899-12-30 00:00; the fraction is the time of day. For negative values
/// the integral part is the day and the magnitude of the fraction the time, so -1.25 is
/// 1899-12-29 06:00. The valid range is 0001-01-01 (-693593) to 9999-12-31 23:59:59.999.
using TDateTime = double;

inline constexpr double HoursPerDay = 24;
inline constexpr double MinsPerDay = HoursPerDay * 60;
inline constexpr double SecsPerDay = MinsPerDay * 60;
inline constexpr double MSecsPerDay = SecsPerDay * 1000;

/// True for leap years of the proleptic Gregorian calendar.
bool IsLeapYear(int Year);
/// 28 to 31; 0 for a month outside 1..12.
int DaysInAMonth(int Year, int Month);

/// The date at midnight; false (Result untouched) unless 1 <= Year <= 9999 and Month and
/// Day name a real day.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result);
/// The time as a fraction of a day; false unless Hour < 24, Min < 60, Sec < 60 and
/// MSec < 1000 (all non-negative).
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Result);
/// As TryEncodeDate; fails with EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(int Year, int Month, int Day);
/// As TryEncodeTime; fails with EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);

/// Calendar fields of a date-time, rounded to the nearest millisecond (so 23:59:59.9996
/// is the next midnight). A value outside the valid range, NaN or an infinity raises
/// EConvertError "'<value>' is not a valid date and time".
void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec);
/// 1 for Sunday to 7 for Saturday; the same range rule as DecodeDate.
int DayOfWeek(TDateTime DateTime);

/// The present local date and time, to the millisecond.
TDateTime Now();

} // namespace vx
