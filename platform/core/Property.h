#pragma once
// The one setter pattern: compare, store, report whether anything changed. Setters call
// it and notify only on true, so no setter can notify on an equal value or forget to.

#include <cmath>
#include <type_traits>
#include <utility>

namespace vx {

template <typename T, typename U> bool SetField(T& Field, U&& Value) {
  if constexpr (std::is_floating_point_v<T>) {
    // Numbers compare exactly; two NaNs count as equal so re-setting NaN is no change.
    const T V = static_cast<T>(Value);
    if (Field == V || (std::isnan(Field) && std::isnan(V))) return false;
    Field = V;
  } else {
    if (Field == Value) return false;
    Field = std::forward<U>(Value);
  }
  return true;
}

} // namespace vx
