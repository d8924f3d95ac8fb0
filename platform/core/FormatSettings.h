#pragma once
// The locale settings that every number and date formatting function reads: separators,
// date and time patterns, month and day names.

#include <array>
#include <string>

namespace vx {

/// Locale settings of the text conversions. A default-constructed record holds the
/// library's fixed default (below), which never depends on the machine's locale, so
/// the same value formats the same way everywhere. Separators are UTF-8 strings so
/// that separators outside ASCII (a no-break space) can be used.
struct TFormatSettings {
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
  /// Replaces "/" in date patterns.
  std::string DateSeparator = "-";
  /// Replaces ":" in time patterns.
  std::string TimeSeparator = ":";
  /// Short date "yyyy/mm/dd": with the separator "-" an ISO date such as 2024-03-07.
  std::string ShortDateFormat = "yyyy/mm/dd";
  std::string LongDateFormat = "dddd, d mmmm yyyy";
  std::string ShortTimeFormat = "hh:nn";
  std::string LongTimeFormat = "hh:nn:ss";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  /// January first.
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
  /// Sunday first, as DayOfWeek counts.
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};

/// The program-wide settings that the functions without a settings argument read. The
/// application may change it (GUI thread only); `FormatSettings() = TFormatSettings{}`
/// restores the default.
TFormatSettings& FormatSettings();

} // namespace vx
