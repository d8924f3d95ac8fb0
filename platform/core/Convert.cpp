#include "platform/core/Convert.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FloatDecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

namespace vx {

using detail::TFloatDecimal;

namespace {

constexpr int MaxPrecision = 18;
constexpr int MaxFixedDigits = 18;
constexpr int MaxExponentDigits = 4;

// Values from 0.0001 upwards with at most Precision integer digits are written in fixed
// notation; smaller and larger ones with an exponent.
std::string FormatGeneral(TFloatDecimal D, int Precision, int ExpDigits, const TFormatSettings& S) {
  detail::RoundDigits(D, Precision);
  if (D.IsZero()) return "0";
  std::string Out;
  if (D.Negative) Out += '-';
  if (D.Exponent > Precision || D.Exponent < -3) {
    Out += D.Digits[0];
    if (D.Count > 1) {
      Out += S.DecimalSeparator;
      Out.append(D.Digits + 1, D.Count - 1);
    }
    Out += 'E';
    detail::AppendExponent(Out, D.Exponent - 1, false, ExpDigits);
    return Out;
  }
  detail::AppendIntegerDigits(Out, D, {});
  const int Decimals = D.Count - D.Exponent;
  if (Decimals > 0) {
    Out += S.DecimalSeparator;
    detail::AppendFractionDigits(Out, D, Decimals);
  }
  return Out;
}

std::string FormatExponent(TFloatDecimal D, int Precision, int ExpDigits,
                           const TFormatSettings& S) {
  detail::RoundDigits(D, Precision);
  std::string Out;
  if (D.Negative) Out += '-';
  Out += D.Digit(0);
  if (Precision > 1) {
    Out += S.DecimalSeparator;
    for (int I = 1; I < Precision; ++I)
      Out += D.Digit(I);
  }
  Out += 'E';
  detail::AppendExponent(Out, D.IsZero() ? 0 : D.Exponent - 1, true, ExpDigits);
  return Out;
}

std::string FormatFixed(TFloatDecimal D, int Precision, int Digits, bool Thousands,
                        const TFormatSettings& S) {
  if (D.Exponent > Precision) return FormatGeneral(D, Precision, 0, S);
  detail::RoundDigits(D, std::min(Precision, D.Exponent + Digits));
  std::string Out;
  if (D.Negative) Out += '-';
  detail::AppendIntegerDigits(Out, D, Thousands ? S.ThousandSeparator : std::string());
  if (Digits > 0) {
    Out += S.DecimalSeparator;
    detail::AppendFractionDigits(Out, D, Digits);
  }
  return Out;
}

bool IsBlank(char C) {
  return static_cast<unsigned char>(C) <= ' ';
}

std::string_view TrimBlanks(std::string_view S) {
  while (!S.empty() && IsBlank(S.front()))
    S.remove_prefix(1);
  while (!S.empty() && IsBlank(S.back()))
    S.remove_suffix(1);
  return S;
}

bool EqualsNoCase(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
           return (X >= 'a' && X <= 'z' ? X - 32 : X) == Y;
         });
}

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

} // namespace

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                        const TFormatSettings& Settings) {
  if (!std::isfinite(Value)) return detail::NonFiniteText(Value);
  Precision = std::clamp(Precision, 1, MaxPrecision);
  const TFloatDecimal D = detail::ToDecimal(Value);
  switch (Format) {
  case ffExponent:
    return FormatExponent(D, Precision, std::clamp(Digits, 0, MaxExponentDigits), Settings);
  case ffFixed:
  case ffNumber:
    return FormatFixed(D, Precision, std::clamp(Digits, 0, MaxFixedDigits), Format == ffNumber,
                       Settings);
  case ffGeneral:
  default:
    return FormatGeneral(D, Precision, std::clamp(Digits, 0, MaxExponentDigits), Settings);
  }
}

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  return FloatToStrF(Value, Format, Precision, Digits, FormatSettings());
}

std::string FloatToStr(double Value, const TFormatSettings& Settings) {
  return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
}

std::string FloatToStr(double Value) {
  return FloatToStr(Value, FormatSettings());
}

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings) {
  std::string_view T = TrimBlanks(S);
  bool Negative = false;
  if (!T.empty() && (T.front() == '+' || T.front() == '-')) {
    Negative = T.front() == '-';
    T.remove_prefix(1);
  }
  if (EqualsNoCase(T, "INF")) {
    Value = Negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return true;
  }
  if (EqualsNoCase(T, "NAN")) {
    Value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  // Check the syntax by hand (from_chars would accept "inf", hexadecimal and a missing
  // mantissa differently) and rewrite the separator to '.' for from_chars.
  std::string Plain;
  Plain.reserve(T.size() + 1);
  if (Negative) Plain += '-';
  std::size_t I = 0;
  int MantissaDigits = 0;
  for (; I < T.size() && IsDigit(T[I]); ++I, ++MantissaDigits)
    Plain += T[I];
  const std::string& Sep = Settings.DecimalSeparator;
  if (!Sep.empty() && T.substr(I, Sep.size()) == Sep) {
    I += Sep.size();
    Plain += '.';
    for (; I < T.size() && IsDigit(T[I]); ++I, ++MantissaDigits)
      Plain += T[I];
  }
  if (MantissaDigits == 0) return false;
  if (I < T.size() && (T[I] == 'e' || T[I] == 'E')) {
    Plain += 'e';
    ++I;
    if (I < T.size() && (T[I] == '+' || T[I] == '-')) Plain += T[I++];
    const std::size_t ExpStart = I;
    for (; I < T.size() && IsDigit(T[I]); ++I)
      Plain += T[I];
    if (I == ExpStart) return false;
  }
  if (I != T.size()) return false;
  double Result = 0;
  const auto R = std::from_chars(Plain.data(), Plain.data() + Plain.size(), Result);
  if (R.ec == std::errc::result_out_of_range) {
    // from_chars reports both ends of the range; only overflow is an error.
    const auto E = Plain.find('e');
    const bool SmallExponent = E != std::string::npos && Plain[E + 1] == '-';
    if (!SmallExponent) return false;
    Result = Negative ? -0.0 : 0.0;
  } else if (R.ec != std::errc() || R.ptr != Plain.data() + Plain.size()) {
    return false;
  }
  Value = Result;
  return true;
}

bool TryStrToFloat(std::string_view S, double& Value) {
  return TryStrToFloat(S, Value, FormatSettings());
}

double StrToFloat(std::string_view S, const TFormatSettings& Settings) {
  double Value = 0;
  if (!TryStrToFloat(S, Value, Settings))
    throw EConvertError("'" + std::string(S) + "' is not a valid floating point value");
  return Value;
}

double StrToFloat(std::string_view S) {
  return StrToFloat(S, FormatSettings());
}

namespace {

// Parses into the magnitude and sign; Hex tells whether the digits were hexadecimal.
bool ParseInteger(std::string_view S, std::uint64_t& Magnitude, bool& Negative, bool& Hex) {
  while (!S.empty() && IsBlank(S.front()))
    S.remove_prefix(1);
  Negative = false;
  if (!S.empty() && (S.front() == '+' || S.front() == '-')) {
    Negative = S.front() == '-';
    S.remove_prefix(1);
  }
  Hex = false;
  if (!S.empty() && S.front() == '$') {
    Hex = true;
    S.remove_prefix(1);
  } else if (S.size() > 1 && S[0] == '0' && (S[1] == 'x' || S[1] == 'X')) {
    Hex = true;
    S.remove_prefix(2);
  }
  if (S.empty() || S.front() == '+' || S.front() == '-') return false;
  const auto R = std::from_chars(S.data(), S.data() + S.size(), Magnitude, Hex ? 16 : 10);
  return R.ec == std::errc() && R.ptr == S.data() + S.size();
}

template <class T> bool TryStrToSigned(std::string_view S, T& Value) {
  using U = std::make_unsigned_t<T>;
  std::uint64_t M = 0;
  bool Negative = false, Hex = false;
  if (!ParseInteger(S, M, Negative, Hex)) return false;
  const std::uint64_t MaxMagnitude =
      Hex ? std::numeric_limits<U>::max()
          : static_cast<std::uint64_t>(std::numeric_limits<T>::max()) + (Negative ? 1 : 0);
  if (M > MaxMagnitude) return false;
  // Hexadecimal uses all bits of the type; the cast wraps in two's complement.
  const U Bits = static_cast<U>(M);
  Value = static_cast<T>(Negative ? static_cast<U>(U{0} - Bits) : Bits);
  return true;
}

} // namespace

bool TryStrToInt(std::string_view S, int& Value) {
  return TryStrToSigned(S, Value);
}

bool TryStrToInt64(std::string_view S, std::int64_t& Value) {
  return TryStrToSigned(S, Value);
}

int StrToInt(std::string_view S) {
  int Value = 0;
  if (!TryStrToInt(S, Value))
    throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
  return Value;
}

std::int64_t StrToInt64(std::string_view S) {
  std::int64_t Value = 0;
  if (!TryStrToInt64(S, Value))
    throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
  return Value;
}

} // namespace vx
