#include "graphics/Geometry.h"

#include "platform/core/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vx {

namespace {

// Round half to even without depending on the floating-point environment's rounding mode.
double RoundHalfEven(double V) {
  const double F = std::floor(V);
  const double Diff = V - F;
  if (Diff < 0.5) return F;
  if (Diff > 0.5) return F + 1;
  return std::fmod(F, 2.0) == 0 ? F : F + 1;
}

bool FitsInt(double V) {
  // NaN fails both comparisons.
  return V >= static_cast<double>(std::numeric_limits<int>::min()) &&
         V <= static_cast<double>(std::numeric_limits<int>::max());
}

int RoundChecked(double V) {
  const double R = RoundHalfEven(V);
  if (!FitsInt(R))
    throw ERangeError("Range check error: " + std::to_string(V) + " is not a pixel coordinate");
  return static_cast<int>(R);
}

} // namespace

bool PtInRealRect(const TVXRealPoint& P, const TVXRealRect& R) {
  return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

bool IntersectRealRect(const TVXRealRect& A, const TVXRealRect& B, TVXRealRect& R) {
  R = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
       std::min(A.Bottom, B.Bottom)};
  return !(R.Left > R.Right || R.Top > R.Bottom);
}

TPoint RoundRealPoint(const TVXRealPoint& P) {
  return {RoundChecked(P.X), RoundChecked(P.Y)};
}

void NormalizeRect(const TRect& Src, TRect& Dst) {
  Dst = Src;
  if (Dst.Bottom < Dst.Top) std::swap(Dst.Top, Dst.Bottom);
  if (Dst.Right < Dst.Left) std::swap(Dst.Left, Dst.Right);
}

int RoundClamped(double Value) {
  if (std::isnan(Value)) return 0;
  const double R = RoundHalfEven(Value);
  if (R <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  if (R >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  return static_cast<int>(R);
}

} // namespace vx
