#pragma once
// TUpdateGuard: BeginUpdate now, EndUpdate when the scope is left, also when an
// exception passes. Works with anything that has BeginUpdate and EndUpdate.
//
//   TUpdateGuard Guard(Values);   // Values.BeginUpdate()
//   ...                           // Values.EndUpdate() at the closing brace

#include <exception>

namespace vx {

template <typename T> class TUpdateGuard {
public:
  explicit TUpdateGuard(T& Target) : FTarget(&Target), FUncaught(std::uncaught_exceptions()) {
    Target.BeginUpdate();
  }
  explicit TUpdateGuard(T* Target) : TUpdateGuard(*Target) {}
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

  /// An exception raised by EndUpdate (by a change handler) propagates, except while
  /// another exception is already unwinding the stack: that one wins and this one is
  /// dropped, because two at once would end the program.
  ~TUpdateGuard() noexcept(false) {
    if (std::uncaught_exceptions() > FUncaught) {
      try {
        FTarget->EndUpdate();
      } catch (...) {
      }
    } else {
      FTarget->EndUpdate();
    }
  }

private:
  T* FTarget;
  int FUncaught;
};

template <typename T> TUpdateGuard(T&) -> TUpdateGuard<T>;
template <typename T> TUpdateGuard(T*) -> TUpdateGuard<T>;

} // namespace vx
