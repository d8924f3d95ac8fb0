#pragma once
// Mouse cursors: the toolkit's cursor numbers and the one screen cursor that the host
// window shows while the mouse is over a control.

#include "platform/core/Object.h"

#include <cstdint>

namespace vx {

/// A cursor number; the predefined cursors are 0 and below.
using TCursor = std::int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

/// The screen: holds the cursor the host shows. One per program, used from the GUI thread.
class TScreen : public TObject {
  VX_CLASS_NAME(TScreen)
public:
  TCursor Cursor() const { return FCursor; }
  /// Stores a different cursor and fires OnCursorChange (the host switches its cursor).
  void SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    if (FOnCursorChange) FOnCursorChange(this);
  }
  const TNotifyEvent& OnCursorChange() const { return FOnCursorChange; }
  void SetOnCursorChange(TNotifyEvent Value) { FOnCursorChange = std::move(Value); }

private:
  TCursor FCursor = crDefault;
  TNotifyEvent FOnCursorChange;
};

/// The program's screen.
inline TScreen& Screen() {
  static TScreen Instance;
  return Instance;
}

} // namespace vx
