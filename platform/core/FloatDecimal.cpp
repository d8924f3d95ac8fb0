#include "platform/core/FloatDecimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vx::detail {

TFloatDecimal ToDecimal(double Value) {
  TFloatDecimal D;
  if (Value == 0 || !std::isfinite(Value)) return D;
  // Scientific notation with 17 decimals gives 18 significant digits, correctly rounded:
  // "[-]d.ddddddddddddddddde[+-]xx".
  char Buf[40];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::scientific, 17);
  const char* P = Buf;
  if (*P == '-') {
    D.Negative = true;
    ++P;
  }
  for (; P < R.ptr && *P != 'e'; ++P)
    if (*P != '.') D.Digits[D.Count++] = *P;
  int Exp = 0;
  std::from_chars(P + 1 + (P[1] == '+'), R.ptr, Exp);
  D.Exponent = Exp + 1;
  while (D.Count > 0 && D.Digits[D.Count - 1] == '0')
    --D.Count;
  return D;
}

void RoundDigits(TFloatDecimal& D, int Keep) {
  if (Keep >= D.Count) return;
  if (Keep < 0 || (Keep == 0 && D.Digits[0] < '5')) {
    D = TFloatDecimal{};
    return;
  }
  const bool Up = D.Digits[Keep] >= '5';
  D.Count = Keep;
  if (Up) {
    int I = Keep - 1;
    while (I >= 0 && D.Digits[I] == '9')
      --I;
    if (I < 0) {
      // 99.96 kept to three digits, or 0.6 kept to none: a new leading 1.
      D.Digits[0] = '1';
      D.Count = 1;
      ++D.Exponent;
      return;
    }
    ++D.Digits[I];
    D.Count = I + 1;
  }
  while (D.Count > 0 && D.Digits[D.Count - 1] == '0')
    --D.Count;
  if (D.Count == 0) D = TFloatDecimal{};
}

const char* NonFiniteText(double Value) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value > 0 ? "INF" : "-INF";
  return "";
}

void AppendIntegerDigits(std::string& Out, const TFloatDecimal& D, const std::string& Separator) {
  const int N = D.Exponent > 0 ? D.Exponent : 0;
  if (N == 0) {
    Out += '0';
    return;
  }
  for (int I = 0; I < N; ++I) {
    Out += D.Digit(I);
    const int Left = N - 1 - I; // digits still to come before the decimal point
    if (Left > 0 && Left % 3 == 0) Out += Separator;
  }
}

void AppendFractionDigits(std::string& Out, const TFloatDecimal& D, int Places) {
  for (int I = 0; I < Places; ++I) {
    const int Index = D.Exponent + I; // digit index of the I-th decimal
    Out += Index < 0 ? '0' : D.Digit(Index);
  }
}

void AppendExponent(std::string& Out, int Exponent, bool AlwaysSign, int MinDigits) {
  if (Exponent < 0)
    Out += '-';
  else if (AlwaysSign)
    Out += '+';
  char Buf[12];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, std::abs(Exponent));
  for (int N = static_cast<int>(R.ptr - Buf); N < MinDigits; ++N)
    Out += '0';
  Out.append(Buf, R.ptr);
}

} // namespace vx::detail
