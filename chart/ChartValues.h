#pragma once
// TVXChartValues: the values of one chart. An owned collection that can keep its values
// sorted by one dimension, act as a rolling window of the last Limit values, keeps
// per-dimension statistics for the automatic axis ranges, counts visible and selected
// values, and reports every change to the chart that owns it (IVXValuesOwner).

#include "chart/ChartConsts.h"
#include "chart/ChartValue.h"
#include "chart/ValuesOwner.h"
#include "foundation/Collection.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace vx {

/// The item class of a value collection: TVXChartValue or a descendant.
struct TVXChartValueClass {
  TCollectionItemClass ItemClass;
};

/// The value class for T, which must derive from TVXChartValue.
template <typename T> TVXChartValueClass ValueClassOf() {
  static_assert(std::is_base_of_v<TVXChartValue, T>, "a value class derives from TVXChartValue");
  return {ItemClassOf<T>()};
}

/// Compares the values at Index1 and Index2 of List: negative, 0 or positive.
using TVXChartValuesCompare = std::function<int(TVXChartValues* List, int Index1, int Index2)>;

/// Called after the collection's own insert, extract and delete bookkeeping.
using TVXItemNotifyEvent =
    std::function<void(TCollectionItem* Item, TCollectionNotification Action)>;

/// What AccumulateStatistics stores; combined as a bit mask.
enum TVXStatisticKind : unsigned { skMinimum = 1, skMaximum = 2, skAbsoluteSum = 8 };

class TVXChartValues : public TGCollection {
  VX_CLASS_NAME(TVXChartValues)
public:
  /// A collection owned by AOwner (the chart; it hears of every change when it implements
  /// IVXValuesOwner) whose values are of ItemClass. DimensionCount 1.
  explicit TVXChartValues(TPersistent* AOwner,
                          TVXChartValueClass ItemClass = ValueClassOf<TVXChartValue>());
  /// Destroys the values without telling the owner or the OnItemNotify hook.
  ~TVXChartValues() override;

  /// The owner as a chart, or nullptr when it is none.
  IVXValuesOwner* Chart() const { return FChart; }
  /// The value at Index; EListError outside 0..Count - 1.
  TVXChartValue* Items(int Index) const {
    return static_cast<TVXChartValue*>(TCollection::Items(Index));
  }
  /// Numbers per value.
  int DimensionCount() const { return FDimensionCount; }

  /// Appends a value whose first number is the count before the call, without caption,
  /// in the palette colour.
  TVXChartValue* Add();
  /// Appends a value inside an update bracket: the first min(DimensionCount, size)
  /// numbers (the rest stay 0), the caption, and Color unless it is -1 (the palette
  /// colour is taken anyway). A sorted collection moves the value to its sorted place.
  TVXChartValue* AddValues(std::span<const double> Numbers, TColor Color = -1,
                           const std::string& Caption = {});
  TVXChartValue* AddValues(std::initializer_list<double> Numbers, TColor Color = -1,
                           const std::string& Caption = {}) {
    return AddValues(std::span<const double>(Numbers.begin(), Numbers.size()), Color, Caption);
  }

  /// At most this many values (0: no limit): adding one more drops the value at index 0.
  int Limit() const { return FLimit; }
  /// Negative limits become 0; a limit below the count deletes values from the end, with
  /// one collection-wide change at the end.
  void SetLimit(int Value);
  /// Whether the values are kept in order of the sort-by dimension. Setting the flag
  /// neither sorts nor notifies.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value) { FSorted = Value; }
  TSortOrder SortOrder() const { return FSortOrder; }
  /// Stores the order; neither sorts nor notifies.
  void SetSortOrder(TSortOrder Value) { FSortOrder = Value; }
  /// The dimension a sorted collection orders by (0 here).
  virtual int GetSortByDimension() const { return FSortByDimension; }

  /// The dimensions that hold dates and times (xyX: dimension 0, xyY: dimension 1).
  TXYSet DateTimeAxes() const { return FDateTimeAxes; }
  /// Stores a different set and reports a collection-wide change.
  void SetDateTimeAxes(TXYSet Value);
  /// Whether DateTimeAxes contains xyX.
  virtual bool GetDateTime() const;
  /// Includes or excludes xyX; a change reports a collection-wide change.
  virtual void SetDateTime(bool Value);

  /// Set once any value gets a non-empty caption; never cleared.
  bool HasCaptions() const { return FHasCaptions; }
  int VisibleCount() const { return FVisibleCount; }
  int SelectedCount() const { return FSelectedCount; }
  /// Whether the statistics are recomputed on the next read.
  bool StatisticsDirty() const { return FStatisticsDirty; }
  /// True while a value is being moved to its sorted place.
  bool Moving() const { return FMoving; }

  const TVXItemNotifyEvent& OnItemNotify() const { return FOnItemNotify; }
  void SetOnItemNotify(TVXItemNotifyEvent Value) { FOnItemNotify = std::move(Value); }

  /// The largest and smallest number and the sum of the absolute numbers of Dimension
  /// over all values (visible or not), 0 for an empty collection; NaN numbers are left
  /// out. EListError outside 0..DimensionCount - 1.
  double HighValue(int Dimension) const;
  double LowValue(int Dimension) const;
  double AbsoluteSum(int Dimension) const;
  /// The range charts and axes use: a Dimension at or beyond DimensionCount is the index
  /// dimension (Count - 1 and 0); with an owner stacking to 100 %, 100 and 0; otherwise
  /// HighValue and LowValue.
  virtual double GetMaximum(int Dimension) const;
  virtual double GetMinimum(int Dimension) const;

  /// CustomSort with CompareAscending: ascending whatever SortOrder says.
  virtual void Sort();
  /// Nothing when Sorted is already true or there are fewer than two values; otherwise,
  /// inside an update bracket, sorts with Compare and sets Sorted.
  virtual void CustomSort(const TVXChartValuesCompare& Compare);
  /// The comparer of Sort: the numbers of the sort-by dimension with a tolerance of
  /// 0.0001 (-1, 0 or +1).
  static int CompareAscending(TVXChartValues* List, int Index1, int Index2);

  /// Tells every value, first to last, that the chart has finished loading.
  virtual void Loaded();
  /// From another value collection: DateTimeAxes, Sorted, Limit, SortOrder and the
  /// statistics, then copies of the values (Clear, then Add and Assign each). Other
  /// collections go to the toolkit's collection assignment.
  void Assign(const TPersistent* Source) override;

protected:
  /// Insert, extract and delete bookkeeping (palette colour, counters, Limit,
  /// statistics), then OnItemNotify; nothing while Moving.
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
  /// The toolkit's Update, then the chart's ValueChanged(Item).
  void Update(TCollectionItem* Item) override;
  /// A number of Value changed: statistics dirty, a sorted collection moves the value to
  /// its place, then Update(Value) unless a bracket is open.
  virtual void ValueChanged(TVXChartValue* Value, int Dimension);
  /// The counters follow the flag; then the chart hears of it unless a bracket is open.
  virtual void ValueSelectionChanged(TVXChartValue* Value);
  virtual void ValueVisibleChanged(TVXChartValue* Value);

  /// Recomputes the three statistics over all values and clears StatisticsDirty.
  virtual void CalcStatistics() const;
  /// The numbers the statistics compare against the stored maximum and minimum; the
  /// value's number here, combined numbers (start plus extent) in derived collections.
  virtual double GetValueForMaximum(const TVXChartValue* Value, int Dimension) const;
  virtual double GetValueForMinimum(const TVXChartValue* Value, int Dimension) const;
  /// Stores the value's number as minimum and/or maximum and adds its absolute number to
  /// the sum, as Kinds (TVXStatisticKind bits) say. Derived collections that combine
  /// numbers override it (and the two above) and call CustomStatistics() in their
  /// constructor.
  virtual void AccumulateStatistics(unsigned Kinds, const TVXChartValue* Value,
                                    int Dimension) const;
  /// Makes CalcStatistics go through the three hooks above for every number; without it
  /// the statistics take the numbers directly (the hooks' base behaviour), which is
  /// several times faster.
  void CustomStatistics() { FCustomStatistics = true; }

  /// Sets the numbers per value; for constructors, before any value exists
  /// (EInvalidOperation afterwards, ERangeError outside 1..MaxDimensions).
  void SetDimensionCount(int Count);
  void MarkStatisticsDirty() { FStatisticsDirty = true; }
  /// Sorts all values with Compare, whatever Sorted says and without notification.
  void SortValues(const TVXChartValuesCompare& Compare);

  int FSortByDimension = 0;
  TXYSet FDateTimeAxes;
  mutable std::vector<double> FAbsoluteSums;
  mutable std::vector<double> FLowValues;
  mutable std::vector<double> FHighValues;

private:
  friend class TVXChartValue;

  // The collection whose AddValues is creating a value on this thread, or nullptr.
  static thread_local const TVXChartValues* AddingTo;

  void ResizeStatistics() const;
  void AssertPlainStatistics() const;
  void CheckStatisticsDimension(int Dimension) const;
  void KeepSorted(TVXChartValue* Value, int Dimension);
  int FindIndex(const TVXChartValue* Value) const;
  void QuickSort(const TVXChartValuesCompare& Compare, int Left, int Right);

  IVXValuesOwner* FChart;
  TVXItemNotifyEvent FOnItemNotify;
  int FLimit = 0;
  int FDimensionCount = 1;
  int FVisibleCount = 0;
  int FSelectedCount = 0;
  TSortOrder FSortOrder = soAscending;
  bool FSorted = false;
  bool FHasCaptions = false;
  bool FMoving = false;
  bool FCustomStatistics = false;
  mutable bool FStatisticsDirty = true;
};

} // namespace vx
