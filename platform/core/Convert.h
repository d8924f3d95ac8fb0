#pragma once
// Conversions between numbers and text in the toolkit's conventions: general float
// format with 15 significant digits, integer text, and parsing that raises
// EConvertError on bad input.

#include "platform/core/FormatSettings.h"

#include <charconv>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

/// The float formats of FloatToStrF.
enum TFloatFormat : std::uint8_t {
  /// Shortest of fixed and scientific: fixed while the value has at most Precision
  /// integer digits and is at least 0.0001, trailing zeros removed ("0.1", "1E15",
  /// "1.5E-5"); Digits is the minimum count of exponent digits.
  ffGeneral,
  /// "-d.ddd...E+ddd": Precision significant digits, the exponent signed and at least
  /// Digits (0 to 4) digits long.
  ffExponent,
  /// "-ddd.ddd": Digits (0 to 18) decimals; values with more than Precision integer
  /// digits fall back to ffGeneral.
  ffFixed,
  /// As ffFixed with thousands separators.
  ffNumber,
};

/// Formats Value in the given format with Precision (1 to 18) significant digits.
/// Rounding is half away from zero on the value's 18 significant decimal digits. A value
/// that rounds to zero prints without a minus sign; NaN and infinities print as "NAN",
/// "INF" and "-INF".
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                        const TFormatSettings& Settings);
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);

/// General format with 15 significant digits: 0.1 -> "0.1", 100 -> "100", 1E15 -> "1E15",
/// 1.5E-5 -> "1.5E-5", -0.0 -> "0".
std::string FloatToStr(double Value, const TFormatSettings& Settings);
std::string FloatToStr(double Value);

/// Decimal text of any integer type.
template <std::integral T> std::string IntToStr(T Value) {
  char Buf[24];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
  return std::string(Buf, R.ptr);
}

/// Upper-case hexadecimal text, at least Digits digits; a negative value prints its
/// two's complement in the width of its type (IntToHex(-1, 1) is "FFFFFFFF").
template <std::integral T> std::string IntToHex(T Value, int Digits = 1) {
  const auto U = static_cast<std::make_unsigned_t<T>>(Value);
  char Buf[24];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, U, 16);
  std::string S;
  for (int N = static_cast<int>(R.ptr - Buf); N < Digits; ++N)
    S += '0';
  for (const char* P = Buf; P < R.ptr; ++P)
    S += (*P >= 'a' ? static_cast<char>(*P - 32) : *P);
  return S;
}

/// Parses a decimal number: optional blanks around it, an optional sign, digits with the
/// settings' decimal separator and an optional exponent ("1.5E-3"); "INF", "-INF" and
/// "NAN" read back what FloatToStr writes. No thousands separators. A number too large
/// for a double is refused; one too small becomes zero.
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings);
bool TryStrToFloat(std::string_view S, double& Value);
/// As TryStrToFloat; bad text raises EConvertError "'abc' is not a valid floating point value".
double StrToFloat(std::string_view S, const TFormatSettings& Settings);
double StrToFloat(std::string_view S);

/// Parses a whole number: optional leading blanks, an optional sign, decimal digits or
/// hexadecimal after "$" or "0x" (hexadecimal may use all bits: "$FFFFFFFF" is -1).
/// Fails for anything else or a number outside the 32-bit (StrToInt) or 64-bit
/// (StrToInt64) range.
bool TryStrToInt(std::string_view S, int& Value);
bool TryStrToInt64(std::string_view S, std::int64_t& Value);
/// As TryStrToInt; bad text raises EConvertError "'abc' is not a valid integer value".
int StrToInt(std::string_view S);
std::int64_t StrToInt64(std::string_view S);

} // namespace vx
