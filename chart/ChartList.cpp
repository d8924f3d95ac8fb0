#include "chart/ChartList.h"

#include "chart/Chart.h"

namespace vx {

TVXChartList::TVXChartList(TVXCustomChartPanel* APanel) : TComponentList(false), FPanel(APanel) {}

TVXCustomChart* TVXChartList::Items(int Index) const {
  return static_cast<TVXCustomChart*>(TComponentList::Items(Index));
}

int TVXChartList::AddUnique(TVXCustomChart* Chart) {
  const int Index = IndexOf(Chart);
  return Index >= 0 ? Index : Add(Chart);
}

int TVXChartList::Remove(TVXCustomChart* Chart) {
  return TComponentList::Remove(Chart);
}

int TVXChartList::VisibleCount() const {
  int Count = 0;
  for (int I = 0; I < this->Count(); ++I)
    if (Items(I)->Visible()) ++Count;
  return Count;
}

TVXCustomChart* TVXChartList::FirstVisibleChart() const {
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->Visible()) return Items(I);
  return nullptr;
}

} // namespace vx
