#pragma once
// TVXChartList: the charts attached to a panel or bound to an axis, in attachment order.
// The list never owns its charts; a chart destroyed elsewhere drops out of it at once.
//
// This holds what the chart base relies on (adding once, removing, the visible-chart
// queries); the panel adds its own bookkeeping on top.

#include "platform/core/ComponentList.h"

namespace vx {

class TVXCustomChart;
class TVXCustomChartPanel;

class TVXChartList : public TComponentList {
public:
  /// A list of the panel's charts, or with nullptr the chart list of an axis.
  explicit TVXChartList(TVXCustomChartPanel* APanel = nullptr);

  /// The panel the list belongs to, or nullptr for an axis's list.
  TVXCustomChartPanel* Panel() const { return FPanel; }
  /// The chart at Index; EListError outside 0..Count - 1.
  TVXCustomChart* Items(int Index) const;
  TVXCustomChart* operator[](int Index) const { return Items(Index); }
  /// Adds Chart unless it is in the list already; returns its index.
  int AddUnique(TVXCustomChart* Chart);
  /// Removes Chart (never destroys it); returns its former index or -1.
  int Remove(TVXCustomChart* Chart);
  /// Number of charts whose Visible is true.
  int VisibleCount() const;
  /// The first chart whose Visible is true, or nullptr.
  TVXCustomChart* FirstVisibleChart() const;

private:
  TVXCustomChartPanel* FPanel;
};

} // namespace vx
