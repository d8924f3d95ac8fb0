// The order of a value collection: keeping one changed value in its sorted place, and
// sorting the whole collection.

#include "chart/ChartValues.h"

#include "platform/core/UpdateGuard.h"

namespace vx {

namespace {

// Sets a flag for the lifetime of the scope, also when an exception passes.
class TFlagScope {
public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
};

} // namespace

void TVXChartValues::KeepSorted(TVXChartValue* Value, int Dimension) {
  const int Cur = FindIndex(Value);
  if (Cur < 0) return;
  const int Last = Count() - 1;
  const double V = Value->Numbers(Dimension);
  const auto At = [&](int Index) { return Items(Index)->Numbers(Dimension); };
  const bool Ascending = FSortOrder == soAscending;

  // Exact comparisons with the neighbours; a NaN is never out of order.
  bool OutOfOrder;
  if (Cur == 0)
    OutOfOrder = Ascending ? At(1) < V : At(1) > V;
  else if (Cur == Last)
    OutOfOrder = Ascending ? At(Last - 1) > V : At(Last - 1) < V;
  else if (Ascending)
    OutOfOrder = V < At(Cur - 1) || At(Cur + 1) < V;
  else
    OutOfOrder = V > At(Cur - 1) || At(Cur + 1) > V;
  if (!OutOfOrder) return;

  if (Last == 1) {
    MoveItem(Cur, 1 - Cur);
    return;
  }
  TFlagScope MovingScope(FMoving);
  // Binary search over the other values, as if the moving one were taken out.
  const auto Other = [&](int Index) { return At(Index < Cur ? Index : Index + 1); };
  int Low = 0;
  int High = Last - 1;
  while (Low <= High) {
    const int Middle = (Low + High) / 2;
    const double M = Other(Middle);
    if (V == M) {
      Low = Middle;
      break;
    }
    if (Ascending ? V > M : V < M)
      Low = Middle + 1;
    else
      High = Middle - 1;
  }
  MoveItem(Cur, Low);
}

int TVXChartValues::CompareAscending(TVXChartValues* List, int Index1, int Index2) {
  const int D = List->GetSortByDimension();
  const double A = List->Items(Index1)->Numbers(D);
  const double B = List->Items(Index2)->Numbers(D);
  if (A < B - 0.0001) return -1;
  if (A > B + 0.0001) return 1;
  return 0;
}

void TVXChartValues::Sort() {
  CustomSort(&CompareAscending);
}

void TVXChartValues::CustomSort(const TVXChartValuesCompare& Compare) {
  if (FSorted || Count() < 2) return;
  TUpdateGuard Guard(*this);
  SortValues(Compare);
  FSorted = true;
}

void TVXChartValues::SortValues(const TVXChartValuesCompare& Compare) {
  if (Count() >= 2) QuickSort(Compare, 0, Count() - 1);
}

void TVXChartValues::QuickSort(const TVXChartValuesCompare& Compare, int Left, int Right) {
  while (Left < Right) {
    int I = Left;
    int J = Right;
    int Pivot = (Left + Right) / 2;
    do {
      // The bounds only matter for an inconsistent comparer: with a consistent one the
      // pivot stops both scans inside the range.
      while (I < Right && Compare(this, I, Pivot) < 0)
        ++I;
      while (J > Left && Compare(this, J, Pivot) > 0)
        --J;
      if (I <= J) {
        if (I != J) ExchangeItems(I, J);
        if (Pivot == I)
          Pivot = J;
        else if (Pivot == J)
          Pivot = I;
        ++I;
        --J;
      }
    } while (I <= J);
    // The parts are independent, so taking the smaller one first gives the same order
    // while the recursion stays O(log n) deep.
    if (J - Left < Right - I) {
      if (Left < J) QuickSort(Compare, Left, J);
      Left = I;
    } else {
      if (I < Right) QuickSort(Compare, I, Right);
      Right = J;
    }
  }
}

} // namespace vx
