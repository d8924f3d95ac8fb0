#include "platform/core/Control.h"

#include "platform/core/Property.h"

#include <algorithm>
#include <climits>

namespace vx {

// ---- TScreen ----

void TScreen::SetCursor(TCursor Value) {
  if (SetField(FCursor, Value) && FOnCursorChange) FOnCursorChange(FCursor);
}

TScreen& Screen() {
  static TScreen TheScreen;
  return TheScreen;
}

// ---- TCustomControl ----

TCustomControl::TCustomControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->SetOnChange([this](TObject*) { Invalidate(); });
}

TCustomControl::~TCustomControl() {
  if (FHost) FHost->ControlDestroyed(*this);
}

void TCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  const bool Moved = FLeft != ALeft || FTop != ATop;
  const bool Resized = FWidth != AWidth || FHeight != AHeight;
  if (!Moved && !Resized) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FHost) FHost->ControlBoundsChanged(*this);
  if (Resized) Resize();
  Invalidate();
}

TRect TCustomControl::BoundsRect() const {
  auto Clamp = [](long long V) { return int(std::clamp<long long>(V, INT_MIN, INT_MAX)); };
  return {FLeft, FTop, Clamp((long long)FLeft + FWidth), Clamp((long long)FTop + FHeight)};
}

void TCustomControl::SetColor(TColor Value) {
  if (SetField(FColor, Value)) Invalidate();
}

void TCustomControl::SetCaption(const std::string& Value) {
  if (SetField(FCaption, Value)) Invalidate();
}

void TCustomControl::SetCursor(TCursor Value) {
  if (SetField(FCursor, Value) && FHost) FHost->ControlCursorChanged(*this);
}

void TCustomControl::Invalidate() {
  if (FHost) FHost->InvalidateControl(*this);
}

TCanvas& TCustomControl::Canvas() {
  if (FPaintCanvas) return *FPaintCanvas;
  if (FHost) return FHost->ControlCanvas(*this);
  if (!FNullCanvas) FNullCanvas = std::make_unique<TCanvas>();
  return *FNullCanvas;
}

void TCustomControl::PaintTo(TCanvas& Canvas) {
  // Canvas() is the painted canvas until Paint returns, also when it throws.
  struct TRestore {
    TCanvas*& Slot;
    TCanvas* Old;
    ~TRestore() { Slot = Old; }
  } Restore{FPaintCanvas, FPaintCanvas};
  FPaintCanvas = &Canvas;
  Paint(Canvas);
}

void TCustomControl::Paint(TCanvas& Canvas) {
  Canvas.Brush().SetColor(FColor);
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.FillRect(ClientRect());
}

void TCustomControl::Resize() {
  if (FOnResize) FOnResize(this);
}

void TCustomControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOnMouseDown) FOnMouseDown(this, Button, Shift, X, Y);
}

void TCustomControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (FOnMouseMove) FOnMouseMove(this, Shift, X, Y);
}

void TCustomControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOnMouseUp) FOnMouseUp(this, Button, Shift, X, Y);
}

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (SetField(FBevelInner, Value)) Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (SetField(FBevelOuter, Value)) Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (SetField(FBevelWidth, std::max(Value, 1))) Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (SetField(FBorderWidth, std::max(Value, 0))) Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (SetField(FBorderStyle, Value)) Invalidate();
}

void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width) {
  TBrush& Brush = Canvas.Brush();
  Brush.SetStyle(bsSolid);
  // Each frame takes one pixel off every side, so the walk ends when R is used up.
  for (int I = 0; I < Width && !IsRectEmpty(R); ++I) {
    Brush.SetColor(TopColor);
    Canvas.FillRect({R.Left, R.Top, R.Right - 1, R.Top + 1});
    Canvas.FillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1});
    Brush.SetColor(BottomColor);
    Canvas.FillRect({R.Right - 1, R.Top, R.Right, R.Bottom});
    Canvas.FillRect({R.Left, R.Bottom - 1, R.Right - 1, R.Bottom});
    InflateRect(R, -1, -1);
    // A rectangle used up stays empty rather than inverted.
    R.Right = std::max(R.Left, R.Right);
    R.Bottom = std::max(R.Top, R.Bottom);
  }
}

void TCustomPanel::Paint(TCanvas& Canvas) {
  TCanvasStateSaver Saver(Canvas);
  auto Colors = [&](TBevelCut Cut, TColor& Top, TColor& Bottom) {
    Top = Cut == bvLowered ? clBtnShadow : Cut == bvRaised ? clBtnHighlight : Color();
    Bottom = Cut == bvLowered ? clBtnHighlight : Cut == bvRaised ? clBtnShadow : Color();
  };
  TRect R = ClientRect();
  TColor Top, Bottom;
  if (FBorderStyle == bsSingle) Frame3D(Canvas, R, clWindowFrame, clWindowFrame, 1);
  if (FBevelOuter != bvNone) {
    Colors(FBevelOuter, Top, Bottom);
    Frame3D(Canvas, R, Top, Bottom, FBevelWidth);
  }
  Frame3D(Canvas, R, Color(), Color(), FBorderWidth);
  if (FBevelInner != bvNone) {
    Colors(FBevelInner, Top, Bottom);
    Frame3D(Canvas, R, Top, Bottom, FBevelWidth);
  }
  Canvas.Brush().SetColor(Color());
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.FillRect(R);
  if (!Caption().empty()) {
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Font().Assign(&Font());
    Canvas.DrawText(Caption(), R, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

} // namespace vx
