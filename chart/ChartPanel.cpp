#include "chart/ChartPanel.h"

#include "chart/Axis.h"
#include "chart/Chart.h"
#include "platform/core/Published.h"

#include <vector>

namespace vx {

TVXCustomChartPanel::TVXCustomChartPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), FCharts(std::make_unique<TVXChartList>(this)) {
  const auto MakeAxis = [this](TVXChartAxisLocation Location) {
    auto Axis = std::make_unique<TVXChartAxis>(this);
    Axis->SetLocation(Location);
    return Axis;
  };
  FBottomAxis = MakeAxis(caBottom);
  FLeftAxis = MakeAxis(caLeft);
  FRightAxis = MakeAxis(caRight);
  FTopAxis = MakeAxis(caTop);
}

TVXCustomChartPanel::~TVXCustomChartPanel() {
  FOnChange = nullptr;
  FOnChartChange = nullptr;
  FOnChartValueChange = nullptr;
  FOnChartValueSelectionChange = nullptr;
  FOnChartValueVisibleChange = nullptr;
  // Detach while the axes still exist: detaching unbinds them.
  while (FCharts->Count() > 0) {
    TVXCustomChart* Chart = FCharts->Items(FCharts->Count() - 1);
    Chart->SetParent(nullptr);
    FCharts->Remove(Chart); // in case the chart did not know of this panel
  }
  FBottomAxis.reset();
  FLeftAxis.reset();
  FRightAxis.reset();
  FTopAxis.reset();
}

TVXChartAxis* TVXCustomChartPanel::GetHorizAxis(THorizontalAxis Axis) const {
  switch (Axis) {
  case haBottomAxis:
    return FBottomAxis.get();
  case haTopAxis:
    return FTopAxis.get();
  default:
    return nullptr;
  }
}

TVXChartAxis* TVXCustomChartPanel::GetVertAxis(TVerticalAxis Axis) const {
  switch (Axis) {
  case vaLeftAxis:
    return FLeftAxis.get();
  case vaRightAxis:
    return FRightAxis.get();
  default:
    return nullptr;
  }
}

void TVXCustomChartPanel::SetSelectionColor(TColor Value) {
  if (FSelectionColor == Value) return;
  FSelectionColor = Value;
  SelectionColorChanged();
}

void TVXCustomChartPanel::SelectionColorChanged() {
  for (int I = 0; I < FCharts->Count(); ++I)
    FCharts->Items(I)->ParentSelectionColorChanged();
}

TVXRealRect TVXCustomChartPanel::PixelRectToValueRect(const TRect& R, const TVXChartAxis* HorizAxis,
                                                      const TVXChartAxis* VertAxis) const {
  TVXRealRect V;
  if (HorizAxis) {
    V.Left = HorizAxis->ChartPixelToValue(R.Left, false);
    V.Right = HorizAxis->ChartPixelToValue(R.Right, false);
  }
  if (VertAxis) {
    V.Top = VertAxis->ChartPixelToValue(R.Bottom, false);
    V.Bottom = VertAxis->ChartPixelToValue(R.Top, false);
  }
  return V;
}

void TVXCustomChartPanel::ChartChanged(TVXCustomChart* Chart) {
  if (FOnChartChange) FOnChartChange(this, Chart);
  DoChange();
}

void TVXCustomChartPanel::ChartValueChanged(TVXCustomChart* Chart, TVXChartValue* Value) {
  if (FOnChartValueChange) FOnChartValueChange(this, Chart, Value);
  ChartChanged(Chart);
}

void TVXCustomChartPanel::ChartValueSelectionChanged(TVXCustomChart* Chart, TVXChartValue* Value) {
  if (FOnChartValueSelectionChange) FOnChartValueSelectionChange(this, Chart, Value);
}

void TVXCustomChartPanel::ChartValueVisibleChanged(TVXCustomChart* Chart, TVXChartValue* Value) {
  if (FOnChartValueVisibleChange) FOnChartValueVisibleChange(this, Chart, Value);
}

void TVXCustomChartPanel::ChartVisibleChanged(TVXCustomChart* Chart) {
  InvalidateLegend(Chart);
  if (Chart->UpdateCount() == 0) ChartChanged(Chart);
}

void TVXCustomChartPanel::InvalidateLegend(TVXCustomChart* Chart) {
  (void)Chart;
}

void TVXCustomChartPanel::DoChange() {
  if (FOnChange) FOnChange(this);
}

// The panel's own published properties come with its layout and decorations; registered
// here so that charts can refer to a panel in stored descriptions.
VX_PUBLISHED(TVXCustomChartPanel, TComponent) {}

} // namespace vx
