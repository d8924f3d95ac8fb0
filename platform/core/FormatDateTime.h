#pragma once
// Formatting a TDateTime with a pattern such as "yyyy/mm/dd hh:nn".

#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"

#include <string>
#include <string_view>

namespace vx {

/// Formats DateTime with a pattern. Specifiers (letters in either case; a run of the
/// same character counts as one specifier):
///  - c: ShortDateFormat, then a blank and LongTimeFormat unless the time is midnight;
///  - d, dd: day (dd zero padded); ddd, dddd: short and long day name; ddddd:
///    ShortDateFormat; dddddd: LongDateFormat;
///  - m, mm: month; mmm, mmmm: short and long month name; directly after an hour
///    specifier (only literals between them) m and mm are minutes;
///  - yy: two-digit year; yyyy (three or more y): four digits;
///  - h, hh: hour, on a 12-hour clock when an am/pm specifier follows before the next h;
///  - n, nn: minutes; s, ss: seconds; z, zzz: milliseconds (zzz zero padded);
///  - t: ShortTimeFormat; tt: LongTimeFormat;
///  - am/pm, a/p: "am"/"pm" or "a"/"p" in the case written; ampm: TimeAMString or
///    TimePMString; aaa, aaaa: short and long day name;
///  - "/" the date separator, ":" the time separator;
///  - text in '...' or "..." is copied (an unclosed quote runs to the end); every other
///    character is copied.
/// An empty pattern means "c". Patterns nest one level (a "c" in ShortDateFormat is
/// expanded once, never endlessly). The value is rounded to the millisecond; a value
/// outside the valid range, NaN or an infinity raises EConvertError (see DecodeDate),
/// but only when the pattern reads a date or time field.
std::string FormatDateTime(std::string_view Format, TDateTime DateTime,
                           const TFormatSettings& Settings);
std::string FormatDateTime(std::string_view Format, TDateTime DateTime);

} // namespace vx
