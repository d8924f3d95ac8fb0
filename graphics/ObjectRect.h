#pragma once
// A persistent pixel rectangle that announces its changes: the margins of the chart panel
// and of the legend.

#include "platform/core/Object.h"
#include "platform/core/Types.h"

namespace vx {

/// Pixel rectangle with indexed access (0 Left, 1 Top, 2 Right, 3 Bottom, 4 Height,
/// 5 and above Width) and an OnChange event. Coordinate arithmetic saturates at the
/// 32-bit range instead of overflowing.
class TVXCustomRect : public TPersistent {
  VX_CLASS_NAME(TVXCustomRect)
public:
  TVXCustomRect() = default;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Right() const { return FRight; }
  int Bottom() const { return FBottom; }
  /// Bottom - Top (saturated).
  int Height() const { return GetValue(4); }
  /// Right - Left (saturated).
  int Width() const { return GetValue(5); }
  void SetLeft(int Value) { SetValue(0, Value); }
  void SetTop(int Value) { SetValue(1, Value); }
  void SetRight(int Value) { SetValue(2, Value); }
  void SetBottom(int Value) { SetValue(3, Value); }
  /// Moves Bottom to Top + Value.
  void SetHeight(int Value) { SetValue(4, Value); }
  /// Moves Right to Left + Value.
  void SetWidth(int Value) { SetValue(5, Value); }
  /// The four coordinates as a TRect.
  TRect Rect() const { return {FLeft, FTop, FRight, FBottom}; }

  /// The indexed read; a negative index raises EListError.
  virtual int GetValue(int Index) const;
  /// The indexed write: nothing happens when Value equals GetValue(Index); index 4 sets
  /// Bottom := Top + Value, index 5 and above Right := Left + Value; then Changed.
  virtual void SetValue(int Index, int Value);
  /// Replaces all four coordinates and calls Changed, also when nothing differed.
  virtual void SetRect(const TRect& R);
  /// Moves the top-left corner to (X, Y) keeping the size; Changed unless already there.
  virtual void MoveTo(int X, int Y);
  /// Shifts by (DX, DY); Changed unless both are 0.
  virtual void Offset(int DX, int DY);
  /// Grows by DX div 2 and DY div 2 on each side (an odd amount loses its odd pixel);
  /// always calls Changed.
  virtual void Inflate(int DX, int DY);

  /// From another TVXCustomRect copies the coordinates and calls Changed (also when equal);
  /// other sources go to the inherited rules.
  void Assign(const TPersistent* Source) override;

  /// Called with this rectangle as Sender after every change; the owner installs it.
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

protected:
  /// Fires OnChange when assigned.
  virtual void Changed();

private:
  int FLeft = 0;
  int FTop = 0;
  int FRight = 0;
  int FBottom = 0;
  TNotifyEvent FOnChange;
};

/// The rectangle as stored in descriptions: Left, Top, Right, Bottom, default 0.
class TVXObjectRect : public TVXCustomRect {
  VX_CLASS_NAME(TVXObjectRect)
};

} // namespace vx
