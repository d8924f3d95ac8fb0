#include "graphics/Shapes.h"

#include "graphics/CanvasGuards.h"
#include "graphics/Geometry.h"
#include "platform/core/Graphic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vx {

namespace {

// The reference points of a rectangle: centre, edge midpoints and corners.
struct TRefPoints {
  TPoint L, T, Rt, B, TL, TR, BL, BR;
};

TRefPoints ReferencePoints(const TRect& R) {
  const TPoint C = RectCenter(R);
  return {{R.Left, C.Y},   {C.X, R.Top},     {R.Right, C.Y},     {C.X, R.Bottom},
          {R.Left, R.Top}, {R.Right, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}};
}

TPoint Shifted(TPoint P, std::int64_t DX, std::int64_t DY) {
  return {ClampToInt(P.X + DX), ClampToInt(P.Y + DY)};
}

template <std::size_t N> void Polygon(TCanvas& Canvas, const std::array<TPoint, N>& Points) {
  Canvas.Polygon(std::span<const TPoint>(Points.data(), N));
}

void DrawFlatPolygon(TCanvas& Canvas, TVXShapeStyle Style, const TRefPoints& P) {
  switch (Style) {
  case ssDiamond:
    Polygon(Canvas, std::array{P.L, P.T, P.Rt, P.B});
    break;
  case ssLeftTriangle:
    Polygon(Canvas, std::array{P.L, P.TR, P.BR});
    break;
  case ssRightTriangle:
    Polygon(Canvas, std::array{P.TL, P.Rt, P.BL});
    break;
  case ssUpTriangle:
    Polygon(Canvas, std::array{P.BL, P.T, P.BR});
    break;
  case ssDownTriangle:
    Polygon(Canvas, std::array{P.TL, P.TR, P.B});
    break;
  default:
    break;
  }
}

void Draw3DDiamond(TCanvas& Canvas, const TRefPoints& P, int Depth, TColor LightColor,
                   TColor ShadowColor) {
  std::array<TPoint, 4> Face;
  {
    const TBrushColorKeeper Keep(Canvas);
    Canvas.Pen().SetStyle(psClear);
    Canvas.Brush().SetColor(LightColor);
    Polygon(Canvas, std::array{P.L, P.T, P.B});
    Canvas.Brush().SetColor(ShadowColor);
    Polygon(Canvas, std::array{P.Rt, P.T, P.B});
    Face = {Shifted(P.L, Depth, 0), Shifted(P.T, 0, Depth), Shifted(P.Rt, -std::int64_t{Depth}, 0),
            Shifted(P.B, 0, -std::int64_t{Depth})};
  }
  Polygon(Canvas, Face);
}

void Draw3DTriangle(TCanvas& Canvas, TVXShapeStyle Style, const TRefPoints& P, int Depth,
                    TColor LightColor, TColor ShadowColor) {
  // Face vertices in drawing order, the light polygon, and up to two shadow polygons
  // (with I standing for the incentre, filled in below).
  std::array<TPoint, 3> Face{};
  std::array<TPoint, 3> Light{};
  std::array<std::array<TPoint, 3>, 2> Shadow{};
  int ShadowCount = 1;
  const TPoint Unset{};
  switch (Style) {
  case ss3DLeftTriangle:
    Face = {P.L, P.TR, P.BR};
    Light = Face;
    Shadow[0] = {Unset, P.TR, P.BR};
    break;
  case ss3DRightTriangle:
    Face = {P.Rt, P.TL, P.BL};
    Light = Face;
    Shadow[0] = {Unset, P.TL, P.Rt};
    Shadow[1] = {Unset, P.Rt, P.BL};
    ShadowCount = 2;
    break;
  case ss3DUpTriangle:
    Face = {P.BR, P.T, P.BL};
    Light = {P.BL, P.T, P.BR};
    Shadow[0] = {P.T, Unset, P.BR};
    Shadow[1] = {P.BL, Unset, P.BR};
    ShadowCount = 2;
    break;
  default: // ss3DDownTriangle
    Face = {P.TR, P.B, P.TL};
    Light = {P.TL, P.B, P.TR};
    Shadow[0] = {P.B, Unset, P.TR};
    break;
  }
  const TPoint I = TriangleIncentre(Face[0], Face[1], Face[2]);
  // The incentre's slot: first for left/right triangles, second for up/down ones.
  const int ISlot = (Style == ss3DUpTriangle || Style == ss3DDownTriangle) ? 1 : 0;
  for (auto& S : Shadow)
    S[ISlot] = I;

  {
    const TBrushColorKeeper Keep(Canvas);
    Canvas.Pen().SetStyle(psClear);
    Canvas.Brush().SetColor(LightColor);
    Polygon(Canvas, Light);
    Canvas.Brush().SetColor(ShadowColor);
    for (int K = 0; K < ShadowCount; ++K)
      Polygon(Canvas, Shadow[K]);
    for (TPoint& V : Face)
      V = MoveToward(V, I, Depth);
  }
  Polygon(Canvas, Face);
}

// The centred square of side min(width, height).
TRect SquaredRect(const TRect& R) {
  const std::int64_t W = std::int64_t{R.Right} - R.Left;
  const std::int64_t H = std::int64_t{R.Bottom} - R.Top;
  const std::int64_t S = std::min(W, H);
  const std::int64_t Left = R.Left + (W - S) / 2;
  const std::int64_t Top = R.Top + (H - S) / 2;
  return {ClampToInt(Left), ClampToInt(Top), ClampToInt(Left + S), ClampToInt(Top + S)};
}

bool IsSquared(TVXShapeStyle Style) {
  switch (FlatShapeStyle(Style)) {
  case ssSquare:
  case ssCircle:
  case ssRoundSquare:
    return true;
  default:
    return false;
  }
}

} // namespace

const char* ShapeStyleName(TVXShapeStyle Style) {
  const auto& Names = EnumInfoOf(Style).Names;
  return Style < Names.size() ? Names[Style] : "";
}

namespace {
// Coordinates are at most 2^32 apart, so the plain formula cannot overflow a double (and is
// several times faster than std::hypot).
double Distance(double DX, double DY) {
  return std::sqrt(DX * DX + DY * DY);
}
} // namespace

TPoint TriangleIncentre(TPoint A, TPoint B, TPoint C) {
  const double SideA = Distance(double(C.X) - B.X, double(C.Y) - B.Y);
  const double SideB = Distance(double(C.X) - A.X, double(C.Y) - A.Y);
  const double SideC = Distance(double(B.X) - A.X, double(B.Y) - A.Y);
  const double Perimeter = SideA + SideB + SideC;
  if (Perimeter == 0) // all three vertices coincide
    return A;
  return {RoundClamped((SideA * A.X + SideB * B.X + SideC * C.X) / Perimeter),
          RoundClamped((SideA * A.Y + SideB * B.Y + SideC * C.Y) / Perimeter)};
}

TPoint MoveToward(TPoint P, TPoint I, int Depth) {
  const double DX = double(I.X) - P.X;
  const double DY = double(I.Y) - P.Y;
  const double Length = Distance(DX, DY);
  if (Length == 0) return P;
  const double F = Depth / Length;
  return {RoundClamped(P.X + double(RoundClamped(F * DX))),
          RoundClamped(P.Y + double(RoundClamped(F * DY)))};
}

void DrawShape(TCanvas& Canvas, const TRect& Rect, const TGraphic* Graphic, TVXShapeStyle Style,
               bool Stretch, TColor LightColor, TColor ShadowColor, int Depth, TRect& FaceRect) {
  FaceRect = Rect;
  TRect R = Rect;
  // Corner size from the rectangle on entry, before squaring.
  const std::int64_t Side =
      std::min(std::int64_t{Rect.Right} - Rect.Left, std::int64_t{Rect.Bottom} - Rect.Top);
  const int Corner = static_cast<int>(Side / 4);
  if (IsSquared(Style)) R = SquaredRect(R);

  switch (Style) {
  case ssRectangle:
  case ssSquare:
    Canvas.Rectangle(R);
    break;
  case ss3DRectangle:
  case ss3DSquare:
    DrawBevel(Canvas, R, LightColor, ShadowColor, Depth, false, 0, 0);
    Canvas.Rectangle(R);
    break;
  case ssEllipse:
  case ssCircle:
    Canvas.Ellipse(R);
    break;
  case ss3DEllipse:
  case ss3DCircle:
    DrawEllipseBevel(Canvas, R, LightColor, ShadowColor, Depth);
    Canvas.Ellipse(R);
    break;
  case ssRoundRect:
  case ssRoundSquare:
    Canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, Corner, Corner);
    break;
  case ss3DRoundRect:
  case ss3DRoundSquare:
    DrawBevel(Canvas, R, LightColor, ShadowColor, Depth, true, Corner, Corner);
    Canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, Corner, Corner);
    break;
  case ssImage:
    if (Graphic) {
      if (Stretch)
        Canvas.StretchDraw(R, Graphic);
      else
        Canvas.Draw(R.Left, R.Top, Graphic);
    }
    break;
  case ss3DImage: // drawn from image lists only (DrawShapeImage)
    break;
  case ssDiamond:
  case ssLeftTriangle:
  case ssRightTriangle:
  case ssUpTriangle:
  case ssDownTriangle:
    DrawFlatPolygon(Canvas, Style, ReferencePoints(R));
    break;
  case ss3DDiamond:
    Draw3DDiamond(Canvas, ReferencePoints(R), Depth, LightColor, ShadowColor);
    break;
  case ss3DLeftTriangle:
  case ss3DRightTriangle:
  case ss3DUpTriangle:
  case ss3DDownTriangle:
    Draw3DTriangle(Canvas, Style, ReferencePoints(R), Depth, LightColor, ShadowColor);
    break;
  default: // not a shape style: nothing to draw
    break;
  }
  FaceRect = R;
}

} // namespace vx
