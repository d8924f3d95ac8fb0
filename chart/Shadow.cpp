#include "chart/Shadow.h"

#include "graphics/Geometry.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <cstdint>

namespace vx {

namespace {

// R with each side moved by the given amounts, saturating at the 32-bit range.
TRect Moved(const TRect& R, std::int64_t L, std::int64_t T, std::int64_t Rt, std::int64_t B) {
  return {ClampToInt(R.Left + L), ClampToInt(R.Top + T), ClampToInt(R.Right + Rt),
          ClampToInt(R.Bottom + B)};
}

} // namespace

TVXChartShadow::TVXChartShadow() {
  Brush().SetColor(clBlack);
  Brush().SetStyle(bsSolid);
}

void TVXChartShadow::SetDirection(TVXShadowDirection Value) {
  if (SetField(FDirection, Value)) DoChange();
}

void TVXChartShadow::SetSize(int Value) {
  if (SetField(FSize, Value)) DoChange();
}

void TVXChartShadow::SetShape(TVXShapeStyle Value) {
  if (Value == FShape) return;
  FShape = Value == ssImage ? ssRectangle : Value;
  DoChange();
}

void TVXChartShadow::DrawShadow(TCanvas& Canvas, const TRect& Rect, TVXShapeStyle Shape) {
  FShape = Shape;
  Paint(Canvas, Rect);
}

TRect TVXChartShadow::GetShadowRect(const TRect& R) const {
  const std::int64_t S = FSize;
  switch (FDirection) {
  case sdBottomLeft:
    return Moved(R, 0, S, -S, 0);
  case sdTopRight:
    return Moved(R, S, 0, 0, -S);
  case sdTopLeft:
    return Moved(R, 0, 0, -S, -S);
  case sdBottomRight:
  default:
    return Moved(R, S, S, 0, 0);
  }
}

TRect TVXChartShadow::GetObjectRect(const TRect& R) const {
  const std::int64_t S = FSize;
  switch (FDirection) {
  case sdBottomLeft:
    return Moved(R, S, 0, 0, -S);
  case sdTopRight:
    return Moved(R, 0, S, -S, 0);
  case sdTopLeft:
    return Moved(R, S, S, 0, 0);
  case sdBottomRight:
  default:
    return Moved(R, 0, 0, -S, -S);
  }
}

void TVXChartShadow::Assign(const TPersistent* Source) {
  if (const auto* S = dynamic_cast<const TVXChartShadow*>(Source)) {
    FSize = S->FSize;
    FDirection = S->FDirection;
  }
  TVXChartGraphicArea::Assign(Source);
}

void TVXChartShadow::Draw(TCanvas& Canvas, const TRect& Rect) {
  TVXChartGraphicArea::Draw(Canvas, Rect);
  TRect Face;
  // The shadow has no bevel: a three-dimensional outline is drawn as its flat form.
  DrawShape(Canvas, GetShadowRect(Rect), nullptr, FlatShapeStyle(FShape), true, clBtnHighlight,
            clBtnShadow, 3, Face);
}

VX_PUBLISHED(TVXChartShadow, TVXChartGraphicArea) {
  P.Object("Brush", [](const TVXChartShadow& S) -> const TBrush& { return S.Brush(); });
  P.Enum("Direction", &TVXChartShadow::Direction, &TVXChartShadow::SetDirection, sdBottomRight);
  P.Int("Size", &TVXChartShadow::Size, &TVXChartShadow::SetSize, 3);
  P.Bool("Visible", &TVXChartShadow::Visible, &TVXChartShadow::SetVisible);
}

} // namespace vx
