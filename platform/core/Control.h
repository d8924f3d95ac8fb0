#pragma once
// The toolkit's control stand-in, without any GUI toolkit: TCustomControl (bounds, colour,
// font, caption, cursor, mouse events, painting) and TCustomPanel (bevels, border,
// background and caption). A host shows a control: it asks it to paint, feeds it mouse
// events, and hears when the control wants a repaint or a canvas outside painting
// (platform/qt's TQtControlHost is the Qt widget host). Without a host a control still
// works; nothing is shown.

#include "platform/core/Canvas.h"
#include "platform/core/Component.h"
#include "platform/core/Set.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vx {

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

/// Keys and mouse buttons held during a mouse event, and whether it is a double click.
enum TShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
/// Bit values: [ssLeft] = 8, [ssAlt, ssLeft] = 10, [ssCtrl, ssLeft] = 12.
using TShiftState = TSet<TShiftStateItem>;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

/// A mouse cursor: 0 is the default, the negative numbers are the standard shapes.
using TCursor = int;
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
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

/// The program-wide screen: its cursor overrides every control's cursor while it is not
/// crDefault.
class TScreen {
public:
  TCursor Cursor() const { return FCursor; }
  /// Stores the cursor and, when it changed, calls OnCursorChange (the backend's hook).
  void SetCursor(TCursor Value);
  using TCursorChangeEvent = std::function<void(TCursor Cursor)>;
  const TCursorChangeEvent& OnCursorChange() const { return FOnCursorChange; }
  void SetOnCursorChange(TCursorChangeEvent Handler) { FOnCursorChange = std::move(Handler); }

private:
  TCursor FCursor = crDefault;
  TCursorChangeEvent FOnCursorChange;
};

/// The one screen object.
TScreen& Screen();

class TCustomControl;

/// What a host offers a control. The host and the control know each other through raw
/// pointers that each clears when it goes away (SetHost(nullptr), ControlDestroyed).
class TControlHost {
public:
  virtual ~TControlHost() = default;
  /// Repaint the control later; many requests before the repaint give one repaint.
  virtual void InvalidateControl(TCustomControl& Control) = 0;
  /// The canvas for drawing on the control outside painting (kept until the next repaint,
  /// except focus rectangles, which stay until drawn again).
  virtual TCanvas& ControlCanvas(TCustomControl& Control) = 0;
  virtual void ControlCursorChanged(TCustomControl& Control) = 0;
  virtual void ControlBoundsChanged(TCustomControl& Control) = 0;
  /// The control is being destroyed: forget it.
  virtual void ControlDestroyed(TCustomControl& Control) = 0;
};

/// A control that paints itself: bounds in its parent's pixels, a client area from (0, 0),
/// colour, font, caption, cursor and mouse events.
class TCustomControl : public TComponent {
  VX_CLASS_NAME(TCustomControl)
public:
  explicit TCustomControl(TComponent* AOwner = nullptr);
  ~TCustomControl() override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  /// Moves and resizes at once (negative sizes count as 0); on a change the host follows,
  /// Resize runs and the control repaints.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  /// (Left, Top, Left + Width, Top + Height), without overflow.
  TRect BoundsRect() const;
  /// (0, 0, Width, Height).
  TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }

  /// Background colour; clBtnFace by default. Repaints on a change.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  /// The control's font (owned). Its OnChange repaints the control unless an owner
  /// points it elsewhere.
  TFont& Font() const { return *FFont; }
  /// Copies Value into the font.
  void SetFont(const TFont& Value) { FFont->Assign(&Value); }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  /// The cursor over the control (the screen cursor wins while it is not crDefault).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);

  /// Asks the host to repaint the control later; without a host nothing happens.
  void Invalidate();
  /// The canvas to draw on: while painting, the canvas being painted; otherwise the
  /// host's canvas for drawing outside painting; without a host, a canvas that draws
  /// nothing.
  TCanvas& Canvas();
  /// Paints the control on Canvas (which is Canvas() meanwhile). Hosts call this.
  void PaintTo(TCanvas& Canvas);

  TControlHost* Host() const { return FHost; }
  /// Set by the host when it starts and stops showing the control.
  void SetHost(TControlHost* Value) { FHost = Value; }

  /// Mouse handling, called by the host with client coordinates; the base fires the
  /// matching event. Overrides call the base first.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

  const TMouseEvent& OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(TMouseEvent Handler) { FOnMouseDown = std::move(Handler); }
  const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent Handler) { FOnMouseMove = std::move(Handler); }
  const TMouseEvent& OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(TMouseEvent Handler) { FOnMouseUp = std::move(Handler); }
  const TNotifyEvent& OnResize() const { return FOnResize; }
  void SetOnResize(TNotifyEvent Handler) { FOnResize = std::move(Handler); }

protected:
  /// Paints the control; the base fills the client area with Color.
  virtual void Paint(TCanvas& Canvas);
  /// After the size changed; the base fires OnResize.
  virtual void Resize();

private:
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TColor FColor = clBtnFace;
  std::unique_ptr<TFont> FFont;
  std::string FCaption;
  TCursor FCursor = crDefault;
  TControlHost* FHost = nullptr;
  TCanvas* FPaintCanvas = nullptr;
  std::unique_ptr<TCanvas> FNullCanvas;
  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
  TNotifyEvent FOnResize;
};

/// A panel: a control that paints its own bevels, border, background and centred caption.
/// Defaults: 185 x 41 pixels, BevelOuter bvRaised, BevelInner bvNone, BevelWidth 1,
/// BorderWidth 0, BorderStyle bsNone.
class TCustomPanel : public TCustomControl {
  VX_CLASS_NAME(TCustomPanel)
public:
  explicit TCustomPanel(TComponent* AOwner = nullptr);

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  /// Pixels per bevel; at least 1.
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  /// Pixels of panel colour between the bevels; at least 0.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  /// bsSingle draws a one-pixel clWindowFrame line around everything.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

protected:
  /// From the outside in: the single border, the outer bevel (raised: clBtnHighlight at
  /// the top and left, clBtnShadow at the bottom and right; lowered: the other way;
  /// space: the panel colour), BorderWidth pixels of panel colour, the inner bevel, the
  /// background in Color, and the caption centred in the font. Pen, brush and font of the
  /// canvas are restored afterwards.
  void Paint(TCanvas& Canvas) override;

private:
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
};

/// Draws Width nested one-pixel frames on the edge of R, the top and left sides in
/// TopColor and the bottom and right sides in BottomColor, and shrinks R by them (never
/// past empty).
void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);

} // namespace vx
