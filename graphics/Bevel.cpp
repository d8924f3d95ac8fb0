// The bevels of the three-dimensional shapes: square or rounded corners, and ellipses.

#include "graphics/CanvasGuards.h"
#include "graphics/Geometry.h"
#include "graphics/Shapes.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vx {

namespace {

// A bevel deeper than this is wider than any screen; the cap keeps an absurd Depth on a huge
// rectangle from turning one paint into millions of lines.
constexpr std::int64_t MaxBevelRings = 4096;

void DrawSquareBevel(TCanvas& Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                     int Depth) {
  // Inclusive pixel coordinates of the outer ring.
  std::int64_t L = Rect.Left, T = Rect.Top;
  std::int64_t R = std::int64_t{Rect.Right} - 1, B = std::int64_t{Rect.Bottom} - 1;
  // Rings past the larger side only draw outside the rectangle (a ring that has crossed
  // over still draws inside it, so those are kept).
  const std::int64_t Rings =
      std::min({std::int64_t{Depth}, std::max(R - L, B - T) + 1, MaxBevelRings});
  for (std::int64_t K = 0; K < Rings; ++K) {
    const TPoint TL{ClampToInt(L), ClampToInt(T)};
    const TPoint TR{ClampToInt(R), ClampToInt(T)};
    const TPoint BL{ClampToInt(L), ClampToInt(B)};
    const TPoint BR{ClampToInt(R), ClampToInt(B)};
    const std::array Light{BL, TL, TR};
    const std::array Shadow{TR, BR, TPoint{ClampToInt(L - 1), ClampToInt(B)}};
    Canvas.Pen().SetColor(LightColor);
    Canvas.Polyline(Light);
    Canvas.Pen().SetColor(ShadowColor);
    Canvas.Polyline(Shadow);
    ++L, ++T, --R, --B;
  }
  if (Depth > 0) Canvas.Pen().SetColor(ShadowColor);
}

void DrawRoundedBevel(TCanvas& Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                      int CW, int CH) {
  const std::int64_t L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  const auto C = [](std::int64_t V) { return ClampToInt(V); };
  const TBrushColorKeeper Keep(Canvas);
  Canvas.Brush().SetColor(LightColor);
  Canvas.RoundRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, CW, CH);
  Canvas.Brush().SetColor(ShadowColor);
  Canvas.Pen().SetStyle(psClear);
  // Lower-right half of the top-right corner ellipse.
  Canvas.Chord(C(R - CW), C(T), C(R), C(T + CH), C(R - CW), C(T + CH), C(R), C(T));
  // Lower-right half of the bottom-left corner ellipse.
  Canvas.Chord(C(L), C(B - CH), C(L + CW), C(B), C(L), C(B), C(L + CW), C(B - CH));
  // The whole bottom-right corner ellipse, then the right and bottom strips.
  Canvas.Ellipse(C(R - CW), C(B - CH), C(R), C(B));
  Canvas.Rectangle(C(R - CW / 2), C(T + CH / 2), C(R), C(B - CH / 2));
  Canvas.Rectangle(C(L + CW / 2), C(B - CH / 2), C(R - CW / 2), C(B));
}

} // namespace

void DrawBevel(TCanvas& Canvas, TRect& Rect, TColor LightColor, TColor ShadowColor, int Depth,
               bool Rounded, int CornerWidth, int CornerHeight) {
  Canvas.Pen().SetWidth(1);
  if (Rounded) {
    DrawRoundedBevel(Canvas, Rect, LightColor, ShadowColor, CornerWidth, CornerHeight);
    Rect = ShrinkRect(Rect, Depth);
  } else {
    DrawSquareBevel(Canvas, Rect, LightColor, ShadowColor, Depth);
    // The rings shrink the rectangle one pixel each; none for a Depth below 1.
    Rect = ShrinkRect(Rect, std::max(Depth, 0));
  }
}

void DrawEllipseBevel(TCanvas& Canvas, TRect& Rect, TColor LightColor, TColor ShadowColor,
                      int Depth) {
  const TBrushColorKeeper Keep(Canvas);
  Canvas.Pen().SetStyle(psClear);
  const TRect& R = Rect;
  Canvas.Brush().SetColor(LightColor);
  Canvas.Chord(R.Left, R.Top, R.Right, R.Bottom, R.Right, R.Top, R.Left, R.Bottom);
  Canvas.Brush().SetColor(ShadowColor);
  Canvas.Chord(R.Left, R.Top, R.Right, R.Bottom, R.Left, R.Bottom, R.Right, R.Top);
  Rect = ShrinkRect(Rect, Depth);
}

} // namespace vx
