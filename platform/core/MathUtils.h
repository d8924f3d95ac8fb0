#pragma once
// Rounding and comparison of doubles in the toolkit's conventions. The logarithm and
// power functions are the standard ones (std::log, std::log10, std::pow).

#include <cmath>
#include <cstdint>

namespace vx {

namespace detail {
/// Raises ERangeError for a value that does not fit an Int64 (or is NaN).
[[noreturn]] void RaiseIntRange(const char* Function, double Value);

inline bool FitsInt64(double Value) {
  // Both bounds are exact powers of two; NaN fails both comparisons.
  return Value >= -9223372036854775808.0 && Value < 9223372036854775808.0;
}
} // namespace detail

/// The nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2),
/// whatever the floating-point rounding mode. NaN, infinities and values outside the
/// Int64 range raise ERangeError.
inline std::int64_t Round(double Value) {
  const double Magnitude = std::fabs(Value);
  double R = std::floor(Magnitude);
  const double Rest = Magnitude - R; // exact for every non-negative double
  if (Rest > 0.5 || (Rest == 0.5 && std::fmod(R, 2.0) != 0)) R += 1;
  if (Value < 0) R = -R;
  if (!detail::FitsInt64(R)) detail::RaiseIntRange("Round", Value);
  return static_cast<std::int64_t>(R);
}

/// The integral part, toward zero; the same range rule as Round.
inline std::int64_t Trunc(double Value) {
  const double R = std::trunc(Value);
  if (!detail::FitsInt64(R)) detail::RaiseIntRange("Trunc", Value);
  return static_cast<std::int64_t>(R);
}

/// The integral part as a double, toward zero (no range limit).
inline double Int(double Value) {
  return std::trunc(Value);
}

/// The fractional part, with the sign of Value (Frac(-1.25) is -0.25); NaN for
/// infinities.
inline double Frac(double Value) {
  return Value - std::trunc(Value);
}

/// True when A and B differ by at most Epsilon. An Epsilon of 0 stands for the default
/// tolerance max(min(|A|, |B|) x 1E-12, 1E-12): relative for large numbers, absolute
/// near zero. Equal values (also equal infinities) are always the same; NaN never is.
bool SameValue(double A, double B, double Epsilon = 0);

/// True when |A| <= Epsilon, where an Epsilon of 0 stands for 1E-12.
bool IsZero(double A, double Epsilon = 0);

} // namespace vx
