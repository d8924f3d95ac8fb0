#pragma once
// IVXValuesOwner: what a value collection needs from the chart that owns it. The chart
// base implements it; a collection whose owner does not implement it reports to no one.

#include "chart/ChartConsts.h"

namespace vx {

class TVXChartValue;

class IVXValuesOwner {
public:
  /// A value changed (number, caption, colour, flags, Assign), or with Value nullptr the
  /// collection as a whole (values added or removed, Clear, end of an update bracket).
  /// Never sent while the collection's update bracket is open.
  virtual void ValueChanged(TVXChartValue* Value) = 0;
  /// Value's selected flag flipped (sent before the ValueChanged for the same change).
  virtual void ValueSelectionChanged(TVXChartValue* Value) = 0;
  /// Value's visible flag flipped (sent before the ValueChanged for the same change).
  virtual void ValueVisibleChanged(TVXChartValue* Value) = 0;
  /// The owner's stacking: with gsStacked100 the value dimensions range from 0 to 100.
  virtual TVXGroupStyle GroupStyle() const = 0;
  /// The owner's options: with coColorEachPoint the values' colours are not stored.
  virtual TChartOptions Options() const = 0;

protected:
  ~IVXValuesOwner() = default;
};

} // namespace vx
