#pragma once
// A chart stand-in that records what its value collection tells it, and value
// collections with two dimensions for the tests of the value layer.

#include "chart/ChartValues.h"
#include "chart/ValuePalette.h"
#include "chart/ValuesOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx::test {

using TLog = std::vector<std::string>;

/// Records every notification as "changed T", "visible T" or "selection T", where T is
/// the value's Tag (or "nil" for collection-wide changes).
class TRecordingChart : public TPersistent, public IVXValuesOwner {
  VX_CLASS_NAME(TRecordingChart)
public:
  TLog Log;
  TVXGroupStyle FGroupStyle = gsNone;
  TChartOptions FOptions{coColorEachPoint};

  void ValueChanged(TVXChartValue* Value) override { Log.push_back("changed " + Id(Value)); }
  void ValueSelectionChanged(TVXChartValue* Value) override {
    Log.push_back("selection " + Id(Value));
  }
  void ValueVisibleChanged(TVXChartValue* Value) override { Log.push_back("visible " + Id(Value)); }
  TVXGroupStyle GroupStyle() const override { return FGroupStyle; }
  TChartOptions Options() const override { return FOptions; }

private:
  static std::string Id(const TVXChartValue* Value) {
    return Value ? std::to_string(Value->Tag()) : "nil";
  }
};

/// A collection of values with two numbers each (X and Y).
class T2DTestValues : public TVXChartValues {
  VX_CLASS_NAME(T2DTestValues)
public:
  explicit T2DTestValues(TPersistent* Owner) : TVXChartValues(Owner) { SetDimensionCount(2); }
};

/// Fixture: a recording chart owning a one-dimensional collection, palette at its start.
class ValuesFixture : public ::testing::Test {
protected:
  TRecordingChart Chart;
  TVXChartValues Values{&Chart};

  void SetUp() override { SetValuePalettePosition(0); }

  /// Appends values with these numbers, tagged 0, 1, 2 ..., then forgets the log.
  void Fill(std::initializer_list<double> Numbers) {
    for (double N : Numbers)
      Values.AddValues({N})->SetTag(Values.Count() - 1);
    Chart.Log.clear();
  }
  /// The first numbers of all values in index order.
  std::vector<double> Numbers() const {
    std::vector<double> Result;
    for (int I = 0; I < Values.Count(); ++I)
      Result.push_back(Values.Items(I)->Value());
    return Result;
  }
};

} // namespace vx::test
