#pragma once
// TVXCustomChartPanel: the control that shows charts. It owns four axes, keeps the list
// of attached charts (not owning them) and hears of every change of its charts.
//
// This header holds the part of the panel that the charts rely on: the chart list, the
// four axes and their lookup, the selection colour that charts take over (the font is
// the control's), the change notifications a chart sends with the panel's chart events,
// and the mapping of pixel rectangles to value rectangles. Layout, painting, decorations, the legend and
// the mouse belong to the rest of the class.

#include "chart/ChartConsts.h"
#include "chart/ChartEvents.h"
#include "chart/ChartList.h"
#include "graphics/Geometry.h"
#include "platform/core/Color.h"
#include "platform/core/Control.h"

#include <memory>

namespace vx {

class TVXChartAxis;
class TVXChartValue;
class TVXCustomChart;

class TVXCustomChartPanel : public TCustomPanel {
  VX_CLASS_NAME(TVXCustomChartPanel)
public:
  /// Creates the bottom, left, right and top axes and the chart list.
  explicit TVXCustomChartPanel(TComponent* AOwner = nullptr);
  /// Detaches every chart (charts are not destroyed here; those the panel owns as a
  /// component go with it), then frees the axes.
  ~TVXCustomChartPanel() override;

  /// The attached charts in attachment order.
  TVXChartList& Charts() { return *FCharts; }
  const TVXChartList& Charts() const { return *FCharts; }

  TVXChartAxis* BottomAxis() const { return FBottomAxis.get(); }
  TVXChartAxis* TopAxis() const { return FTopAxis.get(); }
  TVXChartAxis* LeftAxis() const { return FLeftAxis.get(); }
  TVXChartAxis* RightAxis() const { return FRightAxis.get(); }
  /// The bottom axis for haBottomAxis, the top axis for haTopAxis, nullptr for
  /// haCustomAxis.
  TVXChartAxis* GetHorizAxis(THorizontalAxis Axis) const;
  /// The left axis for vaLeftAxis, the right axis for vaRightAxis, nullptr for vaCustomAxis.
  TVXChartAxis* GetVertAxis(TVerticalAxis Axis) const;

  /// The colour of selected values; charts with ParentSelectionColor copy it when they
  /// attach. Default clActiveBorder.
  TColor SelectionColor() const { return FSelectionColor; }
  /// Stores a different colour and tells every chart (ParentSelectionColorChanged); no
  /// repaint.
  void SetSelectionColor(TColor Value);

  /// The plot rectangle of the last layout, in pixels; empty before the first paint.
  TRect ChartRect() const { return FChartRect; }
  /// The value rectangle of a pixel rectangle of the plot area: (X1, Y1) from
  /// (R.Left, R.Bottom), (X2, Y2) from (R.Right, R.Top), each through the axis's
  /// ChartPixelToValue within the zoom window. A missing axis gives 0 for its coordinates.
  TVXRealRect PixelRectToValueRect(const TRect& R, const TVXChartAxis* HorizAxis,
                                   const TVXChartAxis* VertAxis) const;

  // Called by the charts.

  /// A chart changed: OnChartChange, then OnChange.
  virtual void ChartChanged(TVXCustomChart* Chart);
  /// A value of Chart changed (Value nullptr: its collection as a whole):
  /// OnChartValueChange, then ChartChanged.
  virtual void ChartValueChanged(TVXCustomChart* Chart, TVXChartValue* Value);
  /// OnChartValueSelectionChange; no repaint of its own.
  virtual void ChartValueSelectionChanged(TVXCustomChart* Chart, TVXChartValue* Value);
  /// OnChartValueVisibleChange; no repaint of its own.
  virtual void ChartValueVisibleChanged(TVXCustomChart* Chart, TVXChartValue* Value);
  /// Chart's Visible changed: InvalidateLegend, then ChartChanged unless the chart is
  /// inside an update bracket.
  virtual void ChartVisibleChanged(TVXCustomChart* Chart);
  /// The legend lines that show Chart must be rebuilt (its caption or options changed).
  virtual void InvalidateLegend(TVXCustomChart* Chart);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TVXChartEvent& OnChartChange() const { return FOnChartChange; }
  void SetOnChartChange(TVXChartEvent Value) { FOnChartChange = std::move(Value); }
  const TVXChartValueEvent& OnChartValueChange() const { return FOnChartValueChange; }
  void SetOnChartValueChange(TVXChartValueEvent Value) { FOnChartValueChange = std::move(Value); }
  const TVXChartValueEvent& OnChartValueSelectionChange() const {
    return FOnChartValueSelectionChange;
  }
  void SetOnChartValueSelectionChange(TVXChartValueEvent Value) {
    FOnChartValueSelectionChange = std::move(Value);
  }
  const TVXChartValueEvent& OnChartValueVisibleChange() const { return FOnChartValueVisibleChange; }
  void SetOnChartValueVisibleChange(TVXChartValueEvent Value) {
    FOnChartValueVisibleChange = std::move(Value);
  }

protected:
  /// Fires OnChange.
  virtual void DoChange();
  /// Every chart's ParentSelectionColorChanged.
  virtual void SelectionColorChanged();

  TRect FChartRect;

private:
  std::unique_ptr<TVXChartList> FCharts;
  std::unique_ptr<TVXChartAxis> FRightAxis;
  std::unique_ptr<TVXChartAxis> FTopAxis;
  std::unique_ptr<TVXChartAxis> FLeftAxis;
  std::unique_ptr<TVXChartAxis> FBottomAxis;
  TColor FSelectionColor = clActiveBorder;
  TNotifyEvent FOnChange;
  TVXChartEvent FOnChartChange;
  TVXChartValueEvent FOnChartValueChange;
  TVXChartValueEvent FOnChartValueSelectionChange;
  TVXChartValueEvent FOnChartValueVisibleChange;
};

} // namespace vx
