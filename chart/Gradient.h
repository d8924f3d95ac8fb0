#pragma once
// The panel's gradient background: two colours run in one of eight directions.

#include "chart/ChartGraphic.h"
#include "graphics/GradientFill.h"

namespace vx {

class TVXChartGradient : public TVXChartGraphic {
  VX_CLASS_NAME(TVXChartGradient)
public:
  /// gdRight, coarseness 1, from clYellow to clWhite.
  TVXChartGradient() = default;

  TGradientDirection Direction() const { return FDirection; }
  void SetDirection(TGradientDirection Value);
  /// Band thickness in pixels; values below 1 are stored as 1.
  int Coarseness() const { return FCoarseness; }
  void SetCoarseness(int Value);
  TColor StartColor() const { return FStartColor; }
  void SetStartColor(TColor Value);
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor Value);

  /// Copies coarseness, colours and direction, then the inherited members.
  void Assign(const TPersistent* Source) override;
  /// FillGradient with [StartColor, EndColor] in Direction; leaves the canvas brush solid.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

private:
  TGradientDirection FDirection = gdRight;
  int FCoarseness = 1;
  TColor FStartColor = clYellow;
  TColor FEndColor = clWhite;
};

} // namespace vx
