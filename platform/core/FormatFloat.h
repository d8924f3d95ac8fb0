#pragma once
// Formatting a number with a picture pattern such as "#,##0.###" or "0.00E+00".

#include "platform/core/FormatSettings.h"

#include <string>
#include <string_view>

namespace vx {

/// Formats Value with a picture pattern. Up to three sections separated by ";" serve
/// positive values, negative values and zero; a missing or empty negative or zero
/// section falls back to the first, which then prints negative values with a leading
/// "-". A value that rounds to zero under its section's decimals counts as zero (so
/// "0.00" prints -0.001 as "0.00", never "-0.00"). In a section:
///  - "0" is a digit place that is always printed, "#" one printed only when significant
///    (so "#" prints zero as an empty text); integer digits beyond the places are
///    printed before the first place;
///  - the first "." is the decimal separator, printed only when decimals follow; "," in
///    the integer part turns on thousands separators (the commas themselves are not
///    copied);
///  - "E+", "E-", "e+", "e-" switch to scientific notation; the "0"s that follow give the
///    minimum exponent digits (at most 4); "+" always prints the exponent's sign, "-"
///    only a minus;
///  - text in '...' or "..." is copied as is (an unclosed quote runs to the end);
///    every other character is copied.
/// Values are rounded half away from zero on their 18 significant decimal digits
/// (2.675 is stored as 2.67499999999999982..., so "0.00" gives "2.67", while 0.125
/// gives "0.13"). An empty pattern, or an empty section chosen for the value, gives
/// FloatToStr's general format; NaN and infinities give "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings);
std::string FormatFloat(std::string_view Format, double Value);

} // namespace vx
