#include "platform/core/MathUtils.h"

#include "platform/core/Convert.h"
#include "platform/core/Exceptions.h"

#include <algorithm>

namespace vx {

namespace {
constexpr double DoubleResolution = 1E-12;
}

void detail::RaiseIntRange(const char* Function, double Value) {
  throw ERangeError(std::string(Function) + "(" + FloatToStr(Value) +
                    ") is outside the 64-bit integer range");
}

bool SameValue(double A, double B, double Epsilon) {
  if (A == B) return true;
  // An infinity is the same only as itself (the relative tolerance would be infinite).
  if (std::isinf(A) || std::isinf(B)) return false;
  if (Epsilon == 0)
    Epsilon = std::max(std::min(std::fabs(A), std::fabs(B)) * DoubleResolution, DoubleResolution);
  return std::fabs(A - B) <= Epsilon;
}

bool IsZero(double A, double Epsilon) {
  return std::fabs(A) <= (Epsilon == 0 ? DoubleResolution : Epsilon);
}

} // namespace vx
