#include "chart/ChartValues.h"

#include "chart/ValuePalette.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Property.h"
#include "platform/core/UpdateGuard.h"

#include <algorithm>

namespace vx {

VX_PUBLISHED(TVXChartValues, TGCollection) {
  P.Int("Limit", &TVXChartValues::Limit, &TVXChartValues::SetLimit, 0);
  P.Bool("Sorted", &TVXChartValues::Sorted, &TVXChartValues::SetSorted, false);
  P.Enum("SortOrder", &TVXChartValues::SortOrder, &TVXChartValues::SetSortOrder, soAscending);
}

TVXChartValues::TVXChartValues(TPersistent* AOwner, TVXChartValueClass ItemClass)
    : TGCollection(AOwner, ItemClass.ItemClass), FChart(dynamic_cast<IVXValuesOwner*>(AOwner)) {
  ResizeStatistics();
}

TVXChartValues::~TVXChartValues() {
  // The chart is going away with its values (or already gone): tell no one, but let the
  // values leave through this class's Notify.
  FChart = nullptr;
  FOnItemNotify = nullptr;
  Clear();
}

void TVXChartValues::SetDimensionCount(int Count) {
  if (Count == FDimensionCount) return;
  if (Count < 1 || Count > TVXChartValue::MaxDimensions)
    throw ERangeError("Dimension count out of range (" + std::to_string(Count) + ")");
  if (this->Count() > 0)
    throw EInvalidOperation("The dimension count of a value collection is set before any value");
  FDimensionCount = Count;
  ResizeStatistics();
  FStatisticsDirty = true;
}

TVXChartValue* TVXChartValues::Add() {
  const double Number = Count();
  return AddValues({Number});
}

thread_local const TVXChartValues* TVXChartValues::AddingTo = nullptr;

TVXChartValue* TVXChartValues::AddValues(std::span<const double> Numbers, TColor Color,
                                         const std::string& Caption) {
  // The bracket by hand rather than with TUpdateGuard: this is the hot path of live
  // plotting, and the guard asks the runtime for the uncaught exceptions twice.
  BeginUpdate();
  TVXChartValue* Value;
  try {
    AddingTo = this;
    TCollectionItem* Item = TCollection::Add();
    AddingTo = nullptr;
    Value = static_cast<TVXChartValue*>(Item);
    // Straight into the value: one change for the whole addition, not one per number.
    const std::size_t N = std::min<std::size_t>(Numbers.size(), Value->FDimensionCount);
    std::copy_n(Numbers.begin(), N, Value->NumberData());
    if (!Caption.empty()) Value->SetCaption(Caption);
    if (Color != -1) Value->SetColor(Color);
    if (FSorted)
      ValueChanged(Value, GetSortByDimension());
    else
      FStatisticsDirty = true;
  } catch (...) {
    AddingTo = nullptr;
    try {
      EndUpdate();
    } catch (...) {
      // The first failure is the one to report.
    }
    throw;
  }
  EndUpdate();
  return Value;
}

void TVXChartValues::SetLimit(int Value) {
  if (!SetField(FLimit, std::max(Value, 0))) return;
  if (FLimit == 0 || FLimit >= Count()) return;
  TUpdateGuard Guard(*this);
  while (Count() > FLimit)
    Delete(Count() - 1);
}

void TVXChartValues::SetDateTimeAxes(TXYSet Value) {
  if (SetField(FDateTimeAxes, Value)) Changed();
}

bool TVXChartValues::GetDateTime() const {
  return FDateTimeAxes.Contains(xyX);
}

void TVXChartValues::SetDateTime(bool Value) {
  TXYSet S = FDateTimeAxes;
  SetDateTimeAxes(Value ? S.Include(xyX) : S.Exclude(xyX));
}

void TVXChartValues::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TGCollection::Notify(Item, Action);
  auto* Value = static_cast<TVXChartValue*>(Item);
  if (Action == cnAdded) {
    Value->FState |= TVXChartValue::InValuesBit;
    // A value that joins from elsewhere still gets a number per dimension.
    if (Value->FDimensionCount < FDimensionCount) Value->SetDimensionCount(FDimensionCount);
  } else if (Action == cnExtracting) {
    Value->FState &= ~TVXChartValue::InValuesBit;
  }
  if (FMoving) return;
  switch (Action) {
  case cnAdded:
    Value->FColor = NextValuePaletteColor();
    // A new value is visible; one that joins from elsewhere is counted as it is.
    FVisibleCount += Value->Visible();
    FSelectedCount += Value->Selected();
    if (FLimit > 0 && Count() > FLimit) Delete(0);
    break;
  case cnExtracting:
    FStatisticsDirty = true;
    FVisibleCount -= Value->Visible();
    FSelectedCount -= Value->Selected();
    break;
  case cnDeleting:
    FStatisticsDirty = true;
    break;
  }
  if (FOnItemNotify) FOnItemNotify(Item, Action);
}

void TVXChartValues::Update(TCollectionItem* Item) {
  TGCollection::Update(Item);
  if (FChart) FChart->ValueChanged(static_cast<TVXChartValue*>(Item));
}

void TVXChartValues::ValueChanged(TVXChartValue* Value, int Dimension) {
  FStatisticsDirty = true;
  if (Dimension == GetSortByDimension() && FSorted && Count() >= 2) KeepSorted(Value, Dimension);
  if (UpdateCount() == 0) Update(Value);
}

void TVXChartValues::ValueSelectionChanged(TVXChartValue* Value) {
  FSelectedCount += Value->Selected() ? 1 : -1;
  if (UpdateCount() == 0 && FChart) FChart->ValueSelectionChanged(Value);
}

void TVXChartValues::ValueVisibleChanged(TVXChartValue* Value) {
  FVisibleCount += Value->Visible() ? 1 : -1;
  if (UpdateCount() == 0 && FChart) FChart->ValueVisibleChanged(Value);
}

void TVXChartValues::Loaded() {
  for (TCollectionItem* Item : *this)
    static_cast<TVXChartValue*>(Item)->Loaded();
}

void TVXChartValues::Assign(const TPersistent* Source) {
  if (const auto* Src = dynamic_cast<const TVXChartValues*>(Source)) {
    if (Src == this) return;
    FDateTimeAxes = Src->FDateTimeAxes;
    FSorted = Src->FSorted;
    FLimit = Src->FLimit;
    FSortOrder = Src->FSortOrder;
    // Statistics of another shape of values would not fit: those are recomputed.
    if (Src->FDimensionCount == FDimensionCount) {
      FStatisticsDirty = Src->FStatisticsDirty;
      FAbsoluteSums = Src->FAbsoluteSums;
      FLowValues = Src->FLowValues;
      FHighValues = Src->FHighValues;
    } else {
      FStatisticsDirty = true;
    }
  }
  TGCollection::Assign(Source);
}

int TVXChartValues::FindIndex(const TVXChartValue* Value) const {
  // From both ends at once: the values that change most (the newest, the oldest) are
  // found at once.
  for (int Low = 0, High = Count() - 1; Low <= High; ++Low, --High) {
    if (Items(High) == Value) return High;
    if (Items(Low) == Value) return Low;
  }
  return -1;
}

} // namespace vx
