#pragma once
// Internal to the date functions: a date-time split into calendar fields in one step.

#include "platform/core/DateTime.h"

namespace vx::detail {

struct TDateTimeFields {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Min = 0, Sec = 0, MSec = 0;
  int DayOfWeek = 0; // 1 = Sunday
};

/// Splits a valid date-time (see DecodeDate), rounding to the nearest millisecond.
TDateTimeFields SplitDateTime(TDateTime DateTime);

} // namespace vx::detail
