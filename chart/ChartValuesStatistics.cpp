// Per-dimension statistics of a value collection (smallest and largest number, sum of
// the absolute numbers) and the ranges charts and axes take from them.

#include "chart/ChartValues.h"

#include "platform/core/Exceptions.h"

#include <cassert>
#include <cmath>

namespace vx {

void TVXChartValues::ResizeStatistics() const {
  const auto N = static_cast<std::size_t>(FDimensionCount);
  FAbsoluteSums.assign(N, 0.0);
  FLowValues.assign(N, 0.0);
  FHighValues.assign(N, 0.0);
}

// A collection that overrides the statistics hooks but forgot CustomStatistics() would
// get statistics of the plain numbers. Debug builds (the sanitizer build of the tests)
// catch that on the first value whose combined numbers differ from its own.
void TVXChartValues::AssertPlainStatistics() const {
#ifndef NDEBUG
  if (Count() == 0) return;
  const TVXChartValue* First = Items(0);
  for (int D = 0; D < FDimensionCount; ++D) {
    const double X = First->NumberData()[D];
    const double Max = GetValueForMaximum(First, D);
    const double Min = GetValueForMinimum(First, D);
    assert((Max == X || std::isnan(X)) && (Min == X || std::isnan(X)) &&
           "statistics hooks overridden without CustomStatistics()");
  }
#endif
}

void TVXChartValues::CheckStatisticsDimension(int Dimension) const {
  if (Dimension < 0 || Dimension >= FDimensionCount) throw EListError::Index(Dimension);
  if (FStatisticsDirty) CalcStatistics();
}

double TVXChartValues::HighValue(int Dimension) const {
  CheckStatisticsDimension(Dimension);
  return FHighValues[static_cast<std::size_t>(Dimension)];
}

double TVXChartValues::LowValue(int Dimension) const {
  CheckStatisticsDimension(Dimension);
  return FLowValues[static_cast<std::size_t>(Dimension)];
}

double TVXChartValues::AbsoluteSum(int Dimension) const {
  CheckStatisticsDimension(Dimension);
  return FAbsoluteSums[static_cast<std::size_t>(Dimension)];
}

double TVXChartValues::GetMaximum(int Dimension) const {
  if (Dimension >= FDimensionCount) return Count() - 1;
  if (FChart && FChart->GroupStyle() == gsStacked100) return 100;
  return HighValue(Dimension);
}

double TVXChartValues::GetMinimum(int Dimension) const {
  if (Dimension >= FDimensionCount) return 0;
  if (FChart && FChart->GroupStyle() == gsStacked100) return 0;
  return LowValue(Dimension);
}

double TVXChartValues::GetValueForMaximum(const TVXChartValue* Value, int Dimension) const {
  return Value->NumberData()[Dimension];
}

double TVXChartValues::GetValueForMinimum(const TVXChartValue* Value, int Dimension) const {
  return Value->NumberData()[Dimension];
}

void TVXChartValues::AccumulateStatistics(unsigned Kinds, const TVXChartValue* Value,
                                          int Dimension) const {
  const double X = Value->NumberData()[Dimension];
  const auto D = static_cast<std::size_t>(Dimension);
  if (Kinds & skMinimum) FLowValues[D] = X;
  if (Kinds & skMaximum) FHighValues[D] = X;
  if (Kinds & skAbsoluteSum) FAbsoluteSums[D] += std::fabs(X);
}

// Every value of the collection has at least DimensionCount numbers (the collection sizes
// the values that join it), so the loops read the numbers without checks. A NaN number
// is left out of all three statistics of its dimension, so one missing reading cannot
// turn a whole axis range into NaN. Minimum and maximum are checked independently: with
// combined numbers (start plus extent) one value can widen the range on both sides.
void TVXChartValues::CalcStatistics() const {
  ResizeStatistics();
  FStatisticsDirty = false;
  const int Dims = FDimensionCount;
  std::vector<char> Started(static_cast<std::size_t>(Dims), 0);
  double* const Low = FLowValues.data();
  double* const High = FHighValues.data();
  double* const Sum = FAbsoluteSums.data();

  if (!FCustomStatistics) {
    AssertPlainStatistics();
    for (const TCollectionItem* Item : *this) {
      const double* Numbers = static_cast<const TVXChartValue*>(Item)->NumberData();
      for (int D = 0; D < Dims; ++D) {
        const double X = Numbers[D];
        if (std::isnan(X)) continue;
        if (Started[D]) {
          if (X < Low[D]) Low[D] = X;
          if (X > High[D]) High[D] = X;
        } else {
          Low[D] = High[D] = X;
          Started[D] = 1;
        }
        Sum[D] += std::fabs(X);
      }
    }
    return;
  }

  for (const TCollectionItem* Item : *this) {
    const auto* Value = static_cast<const TVXChartValue*>(Item);
    for (int D = 0; D < Dims; ++D) {
      if (std::isnan(Value->NumberData()[D])) continue;
      unsigned Kinds = skAbsoluteSum;
      if (Started[D]) {
        if (GetValueForMinimum(Value, D) < Low[D]) Kinds |= skMinimum;
        if (GetValueForMaximum(Value, D) > High[D]) Kinds |= skMaximum;
      } else {
        Kinds |= skMinimum | skMaximum;
        Started[D] = 1;
      }
      AccumulateStatistics(Kinds, Value, D);
    }
  }
}

} // namespace vx
