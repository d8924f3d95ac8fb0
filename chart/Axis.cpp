#include "chart/Axis.h"

#include "chart/Chart.h"
#include "chart/ChartPanel.h"
#include "chart/ChartValues.h"
#include "graphics/Geometry.h"
#include "platform/core/MathUtils.h"
#include "platform/core/Property.h"

#include <algorithm>
#include <vector>

namespace vx {

TVXChartAxis::TVXChartAxis(TVXCustomChartPanel* APanel)
    : FPanel(APanel), FCharts(std::make_unique<TVXChartList>()) {}

TVXChartAxis::~TVXChartAxis() {
  // A chart keeps a plain pointer to its axes: let every one still bound go first.
  while (FCharts->Count() > 0) {
    TVXCustomChart* Chart = FCharts->Items(FCharts->Count() - 1);
    if (Chart->HorizAxisObject() == this) Chart->SetHorizAxisObject(nullptr);
    if (Chart->VertAxisObject() == this) Chart->SetVertAxisObject(nullptr);
    FCharts->Remove(Chart); // in case the chart did not know of this axis
  }
}

void TVXChartAxis::SetLocation(TVXChartAxisLocation Value) {
  if (!SetField(FLocation, Value)) return;
  FDimension = IsHorizontal() ? 0 : 1;
  DoChange();
}

void TVXChartAxis::SetOptions(TAxisOptions Value) {
  if (!SetField(FOptions, Value)) return;
  if (Value.Contains(axAutomaticMinimum) || Value.Contains(axAutomaticMaximum))
    FNeedsRangeUpdate = true;
  DoChange();
}

void TVXChartAxis::SetFormat(const std::string& Value) {
  if (SetField(FFormat, Value)) DoChange();
}

void TVXChartAxis::SetMinimum(double Value) {
  if (!SetField(FMinimum, Value)) return;
  if (FMaximum < FMinimum) SetMaximum(FMinimum);
  if (FMinimum > FZoomMinimum || !FIsZoomed) SetZoomMinimum(FMinimum);
  SetOptions(FOptions - axAutomaticMinimum);
  DoChange();
}

void TVXChartAxis::SetMaximum(double Value) {
  if (!SetField(FMaximum, Value)) return;
  if (FMinimum > FMaximum) SetMinimum(FMaximum);
  if (FMaximum < FZoomMaximum || !FIsZoomed) SetZoomMaximum(FMaximum);
  SetOptions(FOptions - axAutomaticMaximum);
  DoChange();
}

void TVXChartAxis::SetZoomMinimum(double Value) {
  if (Value == FZoomMinimum) {
    UpdateIsZoomed();
    return;
  }
  FZoomMinimum = Value < FMinimum ? FMinimum : Value;
  if (FZoomMinimum > FZoomMaximum) SetZoomMaximum(Value);
  UpdateIsZoomed();
  DoChange();
}

void TVXChartAxis::SetZoomMaximum(double Value) {
  if (Value == FZoomMaximum) {
    UpdateIsZoomed();
    return;
  }
  FZoomMaximum = Value > FMaximum ? FMaximum : Value;
  if (FZoomMinimum > FZoomMaximum) SetZoomMinimum(Value);
  UpdateIsZoomed();
  DoChange();
}

void TVXChartAxis::UpdateIsZoomed() {
  FIsZoomed = !(SameValue(FMaximum, FZoomMaximum) && SameValue(FMinimum, FZoomMinimum));
}

void TVXChartAxis::UpdateRange() {
  const bool AutoMin = FOptions.Contains(axAutomaticMinimum);
  const bool AutoMax = FOptions.Contains(axAutomaticMaximum);
  if (AutoMin) FMinimum = 0;
  if (AutoMax) FMaximum = 0;

  struct TLastGroup {
    int Group;
    TVXGroupStyle Style;
    int Index;
  };
  std::vector<TLastGroup> Groups;
  bool First = true;
  for (int I = 0; I < FCharts->Count(); ++I) {
    TVXCustomChart* C = FCharts->Items(I);
    if (!C->Visible()) continue;
    const bool AlongAxis = C->GetValueDimension() == FDimension;
    if (AlongAxis) {
      auto Entry = std::find_if(Groups.begin(), Groups.end(),
                                [C](const TLastGroup& G) { return G.Group == C->Group(); });
      if (Entry == Groups.end()) {
        Groups.push_back({C->Group(), C->GroupStyle(), I});
      } else if (Entry->Style == gsStacked || Entry->Style == gsStacked100) {
        TVXCustomChart* P = FCharts->Items(Entry->Index);
        C->SetOptions(C->Options() + coUseVerticalOffset);
        C->SetOffsetVertical(P->OffsetVertical() + P->Values().GetMaximum(FDimension));
        Entry->Index = I;
      }
    }
    const double O =
        AlongAxis && C->Options().Contains(coUseVerticalOffset) && C->GroupStyle() != gsStacked100
            ? C->OffsetVertical()
            : 0.0;
    const bool Independent = C->AxisExempt().Contains(xyX);
    if (First) {
      First = false;
      if (!Independent) {
        if (AutoMin) FMinimum = C->Values().GetMinimum(FDimension) + O;
        if (AutoMax) FMaximum = C->Values().GetMaximum(FDimension) + O;
      }
    } else if (!Independent) {
      if (AutoMin) FMinimum = std::min(FMinimum, C->Values().GetMinimum(FDimension) + O);
      if (AutoMax) FMaximum = std::max(FMaximum, C->Values().GetMaximum(FDimension) + O);
    }
  }

  if (!FIsZoomed) {
    FZoomMinimum = FMinimum;
    FZoomMaximum = FMaximum;
  } else {
    FZoomMinimum = std::max(FZoomMinimum, FMinimum);
    FZoomMaximum = std::min(FZoomMaximum, FMaximum);
  }
  UpdateIsZoomed();
  FNeedsRangeUpdate = false;
  NotifyCharts();
}

void TVXChartAxis::NotifyCharts() {
  // A chart may leave the list while it updates; walk a copy.
  std::vector<TVXCustomChart*> Bound;
  for (int I = 0; I < FCharts->Count(); ++I)
    Bound.push_back(FCharts->Items(I));
  for (TVXCustomChart* Chart : Bound)
    if (FCharts->IndexOf(Chart) >= 0) Chart->UpdateVisibleRange(this);
}

void TVXChartAxis::DataChanged(TVXCustomChart* Chart) {
  (void)Chart;
  if (FOptions.Contains(axAutomaticMinimum) || FOptions.Contains(axAutomaticMaximum))
    FNeedsRangeUpdate = true;
}

void TVXChartAxis::DoChange() {
  NotifyCharts();
}

namespace {

// Start and end pixel of the axis span within R.
struct TSpan {
  double S;
  double E;
};

TSpan SpanOf(const TVXChartAxis& Axis, const TRect& R) {
  if (Axis.IsHorizontal()) return {double(R.Left), double(R.Right)};
  return {double(R.Top), double(R.Bottom)};
}

} // namespace

int TVXChartAxis::ValueToPixel(const TRect& R, double Value) const {
  const TSpan Sp = SpanOf(*this, R);
  const double Lo = FZoomMinimum;
  const double Hi = FZoomMaximum;
  double P = Hi != Lo ? (Value - Lo) / (Hi - Lo) * (Sp.E - Sp.S) + Sp.S
                      : (Value - Lo) * (Sp.E - Sp.S) + Sp.S;
  // Round first, mirror after, as integer pixels.
  P = RoundClamped(P);
  if (!IsHorizontal()) P = Sp.S + Sp.E - P;
  if (FOptions.Contains(axInverted)) P = Sp.S + Sp.E - P;
  return RoundClamped(P);
}

double TVXChartAxis::PixelToValue(int Pixel, const TRect& R, bool FullRange) const {
  const TSpan Sp = SpanOf(*this, R);
  const double Lo = FullRange ? FMinimum : FZoomMinimum;
  const double Hi = FullRange ? FMaximum : FZoomMaximum;
  double P = Pixel;
  if (FOptions.Contains(axInverted)) P = Sp.S + Sp.E - P;
  double V;
  if (P < Sp.S)
    V = Lo;
  else if (P > Sp.E)
    V = Hi;
  else if (Sp.E == Sp.S)
    V = Lo; // an empty span has no values in between
  else
    V = Lo + (P - Sp.S) / (Sp.E - Sp.S) * (Hi - Lo);
  if (!IsHorizontal()) V = Hi - (V - Lo);
  return V;
}

double TVXChartAxis::ChartPixelToValue(int Pixel, bool FullRange) const {
  const TRect R = FPanel ? FPanel->ChartRect() : Rect(0, 0, 100, 100);
  return PixelToValue(Pixel, R, FullRange);
}

} // namespace vx
