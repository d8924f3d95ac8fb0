#pragma once
// TVXChartAxis: the scale of one side of the chart area. Charts bind to one horizontal
// and one vertical axis and map their values to pixels only through them.
//
// This header holds the part of the axis that the charts rely on: the list of bound
// charts, the range and zoom window with their setters, the automatic range, the
// linear mapping between values and pixels, and the number format of value labels.
// Logarithmic mappings, zooming and panning operations, the scale step and the drawing
// of the axis belong to the rest of the class.

#include "chart/ChartConsts.h"
#include "chart/ChartList.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

#include <memory>
#include <string>

namespace vx {

class TVXCustomChart;
class TVXCustomChartPanel;

class TVXChartAxis : public TPersistent {
  VX_CLASS_NAME(TVXChartAxis)
public:
  /// An axis of APanel (which owns it), or with nullptr a free axis owned by its creator
  /// (a nestogram's sub-chart axes). Location caLeft, Dimension 1, range and window 0..0,
  /// Options [axAutomaticMinimum, axAutomaticMaximum, axShowLabels, axShowGrid,
  /// axShowTitle], Format "#,##0.###".
  explicit TVXChartAxis(TVXCustomChartPanel* APanel = nullptr);
  /// Unbinds every chart still bound to the axis, so that no chart keeps a pointer to it.
  ~TVXChartAxis() override;

  /// The owning panel, or nullptr.
  TVXCustomChartPanel* Panel() const { return FPanel; }
  /// The charts bound to the axis, in binding order (not owned).
  TVXChartList& Charts() { return *FCharts; }
  const TVXChartList& Charts() const { return *FCharts; }

  /// The side of the chart area; caLeft until set.
  TVXChartAxisLocation Location() const { return FLocation; }
  /// Stores a different location; Dimension becomes 1 for caLeft/caRight, 0 for
  /// caBottom/caTop. Notifies.
  void SetLocation(TVXChartAxisLocation Value);
  /// The value dimension the axis shows: 0 (X) for horizontal, 1 (Y) for vertical axes.
  int Dimension() const { return FDimension; }
  /// True for caBottom and caTop.
  bool IsHorizontal() const { return FLocation == caBottom || FLocation == caTop; }

  TAxisOptions Options() const { return FOptions; }
  /// Stores a different set; with an automatic option in it the range is recomputed
  /// before the next layout (NeedsRangeUpdate). Notifies.
  void SetOptions(TAxisOptions Value);
  /// The FormatFloat pattern of scale values and value labels; empty: fixed notation with
  /// four decimals.
  const std::string& Format() const { return FFormat; }
  void SetFormat(const std::string& Value);

  /// The value range the axis covers.
  double Minimum() const { return FMinimum; }
  double Maximum() const { return FMaximum; }
  /// Stores the bound and switches its automatic option off; Maximum follows when it
  /// would lie below; the zoom window follows while not zoomed. Notifies.
  void SetMinimum(double Value);
  /// The mirror image of SetMinimum.
  void SetMaximum(double Value);
  /// The zoom window inside the range.
  double ZoomMinimum() const { return FZoomMinimum; }
  double ZoomMaximum() const { return FZoomMaximum; }
  /// Stores Value, raised to Minimum; ZoomMaximum follows when it would lie below.
  /// Recomputes IsZoomed also when nothing changed. Notifies on a change.
  void SetZoomMinimum(double Value);
  /// Stores Value, lowered to Maximum; ZoomMinimum follows when it would lie above.
  void SetZoomMaximum(double Value);
  /// The zoom window differs from the range (tolerant comparison of both ends).
  bool IsZoomed() const { return FIsZoomed; }

  /// The automatic range must be recomputed before the next layout.
  bool NeedsRangeUpdate() const { return FNeedsRangeUpdate; }
  void SetNeedsRangeUpdate(bool Value) { FNeedsRangeUpdate = Value; }

  /// Recomputes the automatic ends of the range from the visible bound charts (stacking
  /// grouped charts), then the zoom window; clears NeedsRangeUpdate and tells the charts
  /// (NotifyCharts). Sends no change notification: it runs during layout.
  virtual void UpdateRange();
  /// UpdateVisibleRange(this) of every bound chart, in list order.
  virtual void NotifyCharts();
  /// Called by a bound chart whose values, visibility or binding changed: with an
  /// automatic option the range is marked stale. Chart may be nullptr.
  virtual void DataChanged(TVXCustomChart* Chart);

  /// The pixel (x for horizontal, y for vertical axes) of Value in the zoom window,
  /// spread over R; larger values lie upward on a vertical axis, axInverted mirrors.
  /// Values outside the window map outside R (not clamped to it; clamped to int).
  virtual int ValueToPixel(const TRect& R, double Value) const;
  /// The value at Pixel along the axis within R, clamped to the window: Minimum..Maximum
  /// when FullRange, else the zoom window.
  virtual double PixelToValue(int Pixel, const TRect& R, bool FullRange) const;
  /// PixelToValue within the panel's plot rectangle ((0, 0, 100, 100) without a panel).
  double ChartPixelToValue(int Pixel, bool FullRange) const;

protected:
  /// Called after every setter's change: the bound charts update their visible range.
  virtual void DoChange();
  /// IsZoomed := the window differs from the range.
  void UpdateIsZoomed();

  TVXCustomChartPanel* FPanel;
  std::unique_ptr<TVXChartList> FCharts;
  TVXChartAxisLocation FLocation = caLeft;
  int FDimension = 1;
  TAxisOptions FOptions{axAutomaticMinimum, axAutomaticMaximum, axShowLabels, axShowGrid,
                        axShowTitle};
  std::string FFormat = "#,##0.###";
  double FMinimum = 0;
  double FMaximum = 0;
  double FZoomMinimum = 0;
  double FZoomMaximum = 0;
  bool FIsZoomed = false;
  bool FNeedsRangeUpdate = false;
};

} // namespace vx
