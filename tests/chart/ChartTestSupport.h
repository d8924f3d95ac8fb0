#pragma once
// A chart kind and a panel for the tests of the chart base: the chart records its Draw
// calls, the panel lets a test set the plot rectangle and records its chart events.

#include "chart/Axis.h"
#include "chart/Chart.h"
#include "chart/ChartPanel.h"
#include "chart/ChartValues.h"
#include "chart/ValuePalette.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx::test {

using TEventLog = std::vector<std::string>;

/// A chart kind that records Draw (with the rectangle it got) and can fill preview values.
class TProbeChart : public TVXChart {
  VX_CLASS_NAME(TProbeChart)
public:
  explicit TProbeChart(TComponent* AOwner = nullptr) : TProbeChart(AOwner, DeferInit) {
    Construct();
  }

  std::vector<TRect> DrawnRects;
  /// The axes bound while Draw ran.
  TVXChartAxis* DrawHoriz = nullptr;
  TVXChartAxis* DrawVert = nullptr;
  bool ThrowInDraw = false;

  void Draw(TCanvas& Canvas, const TRect& Rect) override {
    TVXChart::Draw(Canvas, Rect);
    DrawnRects.push_back(Rect);
    DrawHoriz = HorizAxisObject();
    DrawVert = VertAxisObject();
    if (ThrowInDraw) throw std::runtime_error("draw failed");
  }
  void CreatePreviewValues() override {
    Values().AddValues({1});
    Values().AddValues({2});
  }
  using TVXCustomChart::Changed;

protected:
  TProbeChart(TComponent* AOwner, TDeferInit D) : TVXChart(AOwner, D) {}
};

/// A panel whose plot rectangle a test sets, and which logs its chart events.
class TProbePanel : public TVXCustomChartPanel {
  VX_CLASS_NAME(TProbePanel)
public:
  explicit TProbePanel(TComponent* AOwner = nullptr) : TVXCustomChartPanel(AOwner) {
    SetOnChange([this](TObject*) { Log.push_back("panel change"); });
    SetOnChartChange([this](TObject*, TVXCustomChart*) { Log.push_back("panel chart change"); });
    SetOnChartValueChange(
        [this](TObject*, TVXCustomChart*, TVXChartValue*) { Log.push_back("panel value change"); });
    SetOnChartValueSelectionChange([this](TObject*, TVXCustomChart*, TVXChartValue*) {
      Log.push_back("panel value selection");
    });
    SetOnChartValueVisibleChange([this](TObject*, TVXCustomChart*, TVXChartValue*) {
      Log.push_back("panel value visible");
    });
  }
  void SetPlotRect(const TRect& R) { FChartRect = R; }
  int Count(const std::string& Entry) const {
    return static_cast<int>(std::count(Log.begin(), Log.end(), Entry));
  }

  TEventLog Log;
};

/// Logs the chart's own events into Log.
inline void LogChartEvents(TVXCustomChart& Chart, TEventLog& Log) {
  Chart.SetOnChange([&Log](TObject*) { Log.push_back("chart change"); });
  Chart.SetOnValueChange([&Log](TObject*, TVXChartValue*) { Log.push_back("chart value change"); });
  Chart.SetOnValueSelectionChange(
      [&Log](TObject*, TVXChartValue*) { Log.push_back("chart value selection"); });
  Chart.SetOnValueVisibleChange(
      [&Log](TObject*, TVXChartValue*) { Log.push_back("chart value visible"); });
}

/// Fixture: a panel and the palette at its start.
class ChartFixture : public ::testing::Test {
protected:
  void SetUp() override { SetValuePalettePosition(0); }

  TProbePanel Panel;
};

} // namespace vx::test
