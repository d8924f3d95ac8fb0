// Adding, limiting, the palette, statistics, ranges and copying of value collections.

#include "ValuesTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

#include <cmath>
#include <limits>

namespace vx::test {
namespace {

TEST_F(ValuesFixture, AddNumbersTheValuesByTheirCountAndTakesThePalette) {
  for (int I = 0; I < 3; ++I)
    Values.Add();
  EXPECT_EQ(Numbers(), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(Values.Items(2)->Caption(), "");
  EXPECT_EQ(Values.Items(2)->Color(), clYellow);
  EXPECT_EQ(Values.VisibleCount(), 3);
}

TEST_F(ValuesFixture, AddValuesTakesWhatFitsAndKeepsThePaletteMoving) {
  T2DTestValues Pairs(&Chart);
  TVXChartValue* Short = Pairs.AddValues({4}, -1, "short");
  TVXChartValue* Long = Pairs.AddValues({1, 2, 3}, clNavy, "long");
  EXPECT_EQ(Short->DimensionCount(), 2);
  EXPECT_EQ(Short->Numbers(1), 0);
  EXPECT_EQ(Long->Numbers(0), 1);
  EXPECT_EQ(Long->Numbers(1), 2);
  EXPECT_EQ(Short->Color(), clRed);
  EXPECT_EQ(Long->Color(), clNavy);
  EXPECT_EQ(ValuePalettePosition(), 2); // the given colour still used up an entry
  EXPECT_TRUE(Pairs.HasCaptions());
}

TEST_F(ValuesFixture, ThePaletteWrapsAfterTenColoursAcrossCollections) {
  TVXChartValues Other(&Chart);
  std::vector<TColor> Colours;
  for (int I = 0; I < 11; ++I)
    Colours.push_back((I % 2 ? Other : Values).Add()->Color());
  for (int I = 0; I < 10; ++I)
    EXPECT_EQ(Colours[std::size_t(I)], ValuePaletteColors[std::size_t(I)]);
  EXPECT_EQ(Colours[10], clRed);
  EXPECT_EQ(ValuePaletteColors,
            (std::array<TColor, 10>{0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0x800080, 0x000080,
                                    0x00FF00, 0x808000, 0xFF00FF, 0xFFFF00}));
  EXPECT_EQ(NextValuePaletteColor(), clGreen); // a chart takes its colour the same way
  SetValuePalettePosition(-1);
  EXPECT_EQ(ValuePalettePosition(), 9);
}

TEST_F(ValuesFixture, ALimitMakesARollingWindow) {
  Values.SetLimit(5);
  for (int I = 0; I < 6; ++I)
    Values.Add()->SetTag(I);
  EXPECT_EQ(Values.Count(), 5);
  EXPECT_EQ(Values.Items(0)->Tag(), 1); // the value at index 0 went
  EXPECT_EQ(Values.Items(4)->Tag(), 5);
  EXPECT_EQ(Values.VisibleCount(), 5);
}

TEST_F(ValuesFixture, ASortedWindowDropsItsSmallestValue) {
  Values.SetLimit(3);
  Values.SetSorted(true);
  for (double N : {5, 1, 3, 4})
    Values.AddValues({N});
  EXPECT_EQ(Numbers(), (std::vector<double>{3, 4, 5}));
}

TEST_F(ValuesFixture, LoweringTheLimitKeepsTheFirstValues) {
  Fill({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  Values.SetLimit(10);
  Values.Items(8)->SetSelected(true);
  Chart.Log.clear();
  Values.SetLimit(5);
  EXPECT_EQ(Numbers(), (std::vector<double>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Chart.Log, TLog{"changed nil"});
  EXPECT_EQ(Values.SelectedCount(), 0);
  Values.SetLimit(-3);
  EXPECT_EQ(Values.Limit(), 0);
  EXPECT_EQ(Values.Count(), 5);
}

TEST_F(ValuesFixture, StatisticsCoverEveryValueAndDimension) {
  T2DTestValues Pairs(&Chart);
  EXPECT_EQ(Pairs.HighValue(1), 0); // empty
  EXPECT_EQ(Pairs.LowValue(0), 0);
  EXPECT_EQ(Pairs.AbsoluteSum(0), 0);
  Pairs.AddValues({3, -2});
  Pairs.AddValues({-1, 5});
  Pairs.AddValues({10, 1})->SetVisible(false); // hidden values count too
  EXPECT_EQ(Pairs.LowValue(0), -1);
  EXPECT_EQ(Pairs.HighValue(0), 10);
  EXPECT_EQ(Pairs.AbsoluteSum(0), 14);
  EXPECT_EQ(Pairs.LowValue(1), -2);
  EXPECT_EQ(Pairs.HighValue(1), 5);
  EXPECT_EQ(Pairs.AbsoluteSum(1), 8);
  EXPECT_THROW(Pairs.HighValue(2), EListError);
  EXPECT_THROW(Pairs.LowValue(-1), EListError);
}

TEST_F(ValuesFixture, StatisticsLeaveNaNOutAndKeepInfinities) {
  const double NaN = std::numeric_limits<double>::quiet_NaN();
  const double Inf = std::numeric_limits<double>::infinity();
  Fill({NaN, 2, NaN, -4});
  EXPECT_EQ(Values.LowValue(0), -4);
  EXPECT_EQ(Values.HighValue(0), 2);
  EXPECT_EQ(Values.AbsoluteSum(0), 6);
  EXPECT_TRUE(std::isnan(Values.Items(0)->Value())); // stored as given
  Values.Items(1)->SetValue(Inf);
  EXPECT_EQ(Values.HighValue(0), Inf);
  Values.Clear();
  Fill({NaN});
  EXPECT_EQ(Values.HighValue(0), 0);
}

// A collection whose maximum is a value's start plus an extent (dimension 1).
class TExtentValues : public TVXChartValues {
public:
  explicit TExtentValues(TPersistent* Owner) : TVXChartValues(Owner) {
    SetDimensionCount(2);
    CustomStatistics();
  }

protected:
  double GetValueForMaximum(const TVXChartValue* V, int D) const override {
    return D == 0 ? V->Numbers(0) + V->Numbers(1) : V->Numbers(D);
  }
  void AccumulateStatistics(unsigned Kinds, const TVXChartValue* V, int D) const override {
    TVXChartValues::AccumulateStatistics(Kinds, V, D);
    if ((Kinds & skMaximum) && D == 0) FHighValues[0] = V->Numbers(0) + V->Numbers(1);
  }
};

TEST_F(ValuesFixture, CombinedNumbersWidenTheRangeOnBothSides) {
  TExtentValues Shapes(&Chart);
  Shapes.AddValues({5, 1});   // covers 5..6
  Shapes.AddValues({0, 100}); // covers 0..100: lowers the minimum and raises the maximum
  EXPECT_EQ(Shapes.LowValue(0), 0);
  EXPECT_EQ(Shapes.HighValue(0), 100);
  EXPECT_EQ(Shapes.AbsoluteSum(0), 5);
  EXPECT_EQ(Shapes.HighValue(1), 100);
}

TEST_F(ValuesFixture, RangesOfTheIndexDimensionAndOfStacking) {
  EXPECT_EQ(Values.GetMaximum(1), -1);
  EXPECT_EQ(Values.GetMinimum(1), 0);
  Fill({-5, 20, 7});
  EXPECT_EQ(Values.GetMaximum(1), 2);
  EXPECT_EQ(Values.GetMinimum(3), 0);
  EXPECT_EQ(Values.GetMaximum(0), 20);
  EXPECT_EQ(Values.GetMinimum(0), -5);
  Chart.FGroupStyle = gsStacked100;
  EXPECT_EQ(Values.GetMaximum(0), 100);
  EXPECT_EQ(Values.GetMinimum(0), 0);
  EXPECT_EQ(Values.GetMaximum(1), 2); // the index dimension stays
}

TEST_F(ValuesFixture, ItemsOutsideTheListAreAListError) {
  Fill({1});
  EXPECT_THROW(Values.Items(1), EListError);
  EXPECT_THROW(Values.Items(-1), EListError);
  EXPECT_THROW(Values.Delete(3), EListError);
}

TEST_F(ValuesFixture, AssignCopiesSettingsStatisticsAndValues) {
  TRecordingChart OtherChart;
  TVXChartValues Source(&OtherChart);
  Source.SetLimit(4);
  Source.SetSorted(true);
  Source.SetSortOrder(soDescending);
  Source.SetDateTime(true);
  Source.AddValues({3}, clNavy, "a");
  Source.AddValues({1}, clTeal)->SetSelected(true);
  Source.Items(1)->SetVisible(false);
  EXPECT_EQ(Source.HighValue(0), 3);
  Fill({9, 9, 9});
  Values.Assign(&Source);
  EXPECT_EQ(Values.Limit(), 4);
  EXPECT_TRUE(Values.Sorted());
  EXPECT_EQ(Values.SortOrder(), soDescending);
  EXPECT_TRUE(Values.GetDateTime());
  EXPECT_EQ(Numbers(), (std::vector<double>{3, 1}));
  EXPECT_EQ(Values.Items(0)->Caption(), "a");
  EXPECT_EQ(Values.Items(1)->Color(), clTeal);
  EXPECT_EQ(Values.HighValue(0), 3);
  EXPECT_EQ(Values.VisibleCount(), 1);
  EXPECT_EQ(Values.SelectedCount(), 1);
  EXPECT_EQ(Chart.Log.back(), "changed nil");
  TStringList Lines;
  EXPECT_THROW(Values.Assign(&Lines), EConvertError);
}

TEST_F(ValuesFixture, AssignToStringsListsTheDisplayNames) {
  Fill({42, 3.14159});
  Values.Items(0)->SetCaption("Point3");
  TStringList Lines;
  Lines.Assign(&Values);
  ASSERT_EQ(Lines.Count(), 2);
  EXPECT_EQ(Lines[0], "Point3 (42.00)");
  EXPECT_EQ(Lines[1], "(3.14)");
  EXPECT_EQ(Lines.Objects(1), Values.Items(1));
}

TEST_F(ValuesFixture, LoadedReachesEveryValueInOrder) {
  static std::vector<int>* Seen = nullptr;
  struct TLoadValue : TVXChartValue {
    using TVXChartValue::TVXChartValue;
    void Loaded() override { Seen->push_back(Tag()); }
  };
  std::vector<int> Order;
  Seen = &Order;
  TVXChartValues Loading(&Chart, ValueClassOf<TLoadValue>());
  for (int I = 0; I < 3; ++I)
    Loading.Add()->SetTag(I);
  Loading.Loaded();
  EXPECT_EQ(Order, (std::vector<int>{0, 1, 2}));
}

TEST_F(ValuesFixture, DimensionCountIsFixedOnceValuesExist) {
  class TLate : public TVXChartValues {
  public:
    using TVXChartValues::SetDimensionCount;
    using TVXChartValues::TVXChartValues;
  } Late(&Chart);
  EXPECT_THROW(Late.SetDimensionCount(0), ERangeError);
  Late.Add();
  EXPECT_THROW(Late.SetDimensionCount(2), EInvalidOperation);
}

} // namespace
} // namespace vx::test

namespace vx::test {
namespace {

#ifndef NDEBUG
// Hooks overridden without CustomStatistics() would silently give the plain range;
// debug builds stop at the first read instead.
TEST(ChartValuesDeathTest, OverriddenHooksWithoutCustomStatisticsAreCaught) {
  class TForgetful : public TVXChartValues {
  public:
    using TVXChartValues::TVXChartValues;

  protected:
    double GetValueForMaximum(const TVXChartValue* V, int D) const override {
      return V->Numbers(D) + 1;
    }
  };
  EXPECT_DEATH(
      {
        TForgetful Values(nullptr);
        Values.Add();
        (void)Values.HighValue(0);
      },
      "CustomStatistics");
}
#endif

} // namespace
} // namespace vx::test
