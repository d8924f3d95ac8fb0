#pragma once
// Internal to the text conversions: a finite double as a short string of decimal digits,
// with the rounding every number format shares.

#include <string>

namespace vx::detail {

/// Value = (Negative ? -1 : 1) x 0.Digits x 10^Exponent, with at most 18 significant
/// digits, no leading and no trailing zeros; zero has Count 0, Exponent 0 and is never
/// negative.
struct TFloatDecimal {
  bool Negative = false;
  int Count = 0;
  int Exponent = 0;
  char Digits[20] = {};

  bool IsZero() const { return Count == 0; }
  /// The digit at Index, '0' beyond the stored ones (Index >= 0).
  char Digit(int Index) const { return Index < Count ? Digits[Index] : '0'; }
};

/// The first 18 significant digits of a finite value, correctly rounded from its exact
/// binary value. 2.675 is stored as 2.67499999999999982..., so its digits are
/// 267499999999999982, not 2675.
TFloatDecimal ToDecimal(double Value);

/// Keeps Keep significant digits, rounding half away from zero on the decimal digits;
/// Keep <= 0 leaves zero unless the first dropped digit rounds up into a new leading 1
/// (Keep == 0 and a first digit of 5 or more). A result of zero loses its sign.
void RoundDigits(TFloatDecimal& D, int Keep);

/// The toolkit's texts for values without digits: "NAN", "INF", "-INF"; empty for a
/// finite value.
const char* NonFiniteText(double Value);

/// Appends the integer digits of D (all digits before the decimal point, at least one
/// "0"), separated into groups of three by Separator when it is not empty.
void AppendIntegerDigits(std::string& Out, const TFloatDecimal& D, const std::string& Separator);

/// Appends the first Places digits after the decimal point (zero padded).
void AppendFractionDigits(std::string& Out, const TFloatDecimal& D, int Places);

/// Appends an exponent's sign (when AlwaysSign or negative) and at least MinDigits digits.
void AppendExponent(std::string& Out, int Exponent, bool AlwaysSign, int MinDigits);

} // namespace vx::detail
