#include "chart/Gradient.h"

#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <algorithm>
#include <array>

namespace vx {

void TVXChartGradient::SetDirection(TGradientDirection Value) {
  if (SetField(FDirection, Value)) DoChange();
}

void TVXChartGradient::SetCoarseness(int Value) {
  if (SetField(FCoarseness, std::max(Value, 1))) DoChange();
}

void TVXChartGradient::SetStartColor(TColor Value) {
  if (SetField(FStartColor, Value)) DoChange();
}

void TVXChartGradient::SetEndColor(TColor Value) {
  if (SetField(FEndColor, Value)) DoChange();
}

void TVXChartGradient::Assign(const TPersistent* Source) {
  if (const auto* G = dynamic_cast<const TVXChartGradient*>(Source)) {
    FCoarseness = G->FCoarseness;
    FEndColor = G->FEndColor;
    FStartColor = G->FStartColor;
    FDirection = G->FDirection;
  }
  TVXChartGraphic::Assign(Source);
}

void TVXChartGradient::Draw(TCanvas& Canvas, const TRect& Rect) {
  // The bands fill with the canvas brush: a clear brush left behind by an earlier element
  // would hide the whole gradient.
  Canvas.Brush().SetStyle(bsSolid);
  const std::array<TColor, 2> Colors{FStartColor, FEndColor};
  FillGradient(Canvas, Rect, Colors, FDirection, FCoarseness);
}

VX_PUBLISHED(TVXChartGradient, TVXChartGraphic) {
  P.Enum("Direction", &TVXChartGradient::Direction, &TVXChartGradient::SetDirection, gdRight);
  P.Int("Coarseness", &TVXChartGradient::Coarseness, &TVXChartGradient::SetCoarseness, 1);
  P.Color("StartColor", &TVXChartGradient::StartColor, &TVXChartGradient::SetStartColor, clYellow);
  P.Color("EndColor", &TVXChartGradient::EndColor, &TVXChartGradient::SetEndColor, clWhite);
  P.Bool("Visible", &TVXChartGradient::Visible, &TVXChartGradient::SetVisible);
}

} // namespace vx
