// Sorted collections: the move of one changed value, sorted appends, Sort and CustomSort.

#include "ValuesTestSupport.h"

#include <cmath>
#include <limits>

namespace vx::test {
namespace {

struct TMoveCase {
  const char* Name;
  TSortOrder Order;
  std::vector<double> Before;
  int Index;
  double NewNumber;
  std::vector<double> After;
};

const TMoveCase MoveCases[] = {
    {"ascending first to third", soAscending, {1, 3, 5, 7}, 0, 6, {3, 5, 6, 7}},
    {"descending first to third", soDescending, {7, 5, 3, 1}, 0, 2, {5, 3, 2, 1}},
    {"ascending last to front", soAscending, {1, 3, 5, 7}, 3, 0, {0, 1, 3, 5}},
    {"ascending middle to end", soAscending, {1, 3, 5, 7}, 1, 9, {1, 5, 7, 9}},
    {"ascending middle to front", soAscending, {1, 3, 5, 7}, 2, -1, {-1, 1, 3, 7}},
    {"descending last to front", soDescending, {7, 5, 3, 1}, 3, 8, {8, 7, 5, 3}},
    {"still in order", soAscending, {1, 3, 5, 7}, 1, 4, {1, 4, 5, 7}},
    {"equal to a neighbour", soAscending, {1, 3, 5, 7}, 1, 5, {1, 5, 5, 7}},
    {"lands on an equal number", soAscending, {1, 3, 5, 7}, 0, 5, {3, 5, 5, 7}},
    {"two values swap", soAscending, {1, 3}, 0, 4, {3, 4}},
    {"two values descending", soDescending, {3, 1}, 1, 4, {4, 3}},
    {"NaN stays", soAscending, {1, 3, 5}, 1, std::nan(""), {1, std::nan(""), 5}},
};

TEST_F(ValuesFixture, AChangedNumberMovesToItsSortedPlace) {
  for (const TMoveCase& C : MoveCases) {
    TVXChartValues Sorted(&Chart);
    for (double N : C.Before)
      Sorted.AddValues({N});
    Sorted.SetSorted(true);
    Sorted.SetSortOrder(C.Order);
    TVXChartValue* Moved = Sorted.Items(C.Index);
    Moved->SetTag(99);
    Chart.Log.clear();
    Moved->SetValue(C.NewNumber);
    std::vector<double> After;
    for (int I = 0; I < Sorted.Count(); ++I)
      After.push_back(Sorted.Items(I)->Value());
    ASSERT_EQ(After.size(), C.After.size()) << C.Name;
    for (std::size_t I = 0; I < After.size(); ++I) {
      if (std::isnan(C.After[I]))
        EXPECT_TRUE(std::isnan(After[I])) << C.Name;
      else
        EXPECT_EQ(After[I], C.After[I]) << C.Name << " at " << I;
    }
    // One message, sent after the move.
    EXPECT_EQ(Chart.Log, TLog{"changed 99"}) << C.Name;
    EXPECT_FALSE(Sorted.Moving());
  }
}

TEST_F(ValuesFixture, OnlyTheSortByDimensionMovesValues) {
  T2DTestValues Sorted(&Chart);
  for (double X : {1, 2, 3})
    Sorted.AddValues({X, 10 - X});
  Sorted.SetSorted(true);
  Sorted.Items(0)->SetNumbers(1, 100); // Y: not the sort-by dimension
  EXPECT_EQ(Sorted.Items(0)->Numbers(0), 1);
  Sorted.Items(0)->SetNumbers(0, 5);
  EXPECT_EQ(Sorted.Items(2)->Numbers(0), 5);
  EXPECT_EQ(Sorted.Items(2)->Numbers(1), 100);
}

TEST_F(ValuesFixture, SortedAppendsLandInPlaceWithoutTouchingThePalette) {
  Values.SetSorted(true);
  for (double N : {1, 2, 3, 10, 4, 0, 3})
    Values.AddValues({N});
  EXPECT_EQ(Numbers(), (std::vector<double>{0, 1, 2, 3, 3, 4, 10}));
  EXPECT_EQ(ValuePalettePosition(), 7); // one colour per value; moves take none
  EXPECT_EQ(Values.VisibleCount(), 7);
  Values.SetSortOrder(soDescending);
  Values.Clear();
  for (double N : {1, 5, 3})
    Values.AddValues({N});
  EXPECT_EQ(Numbers(), (std::vector<double>{5, 3, 1}));
}

TEST_F(ValuesFixture, SettingSortedDoesNotSortAndSortedCollectionsDoNotResort) {
  Fill({3, 1, 2});
  Values.SetSorted(true);
  EXPECT_EQ(Numbers(), (std::vector<double>{3, 1, 2}));
  Values.Sort();
  EXPECT_EQ(Numbers(), (std::vector<double>{3, 1, 2}));
  EXPECT_TRUE(Chart.Log.empty());
}

TEST_F(ValuesFixture, SortIsAscendingWhateverTheSortOrder) {
  Fill({3, 1, 2, 5, 4, 1});
  Values.SetSortOrder(soDescending);
  Values.Sort();
  EXPECT_EQ(Numbers(), (std::vector<double>{1, 1, 2, 3, 4, 5}));
  EXPECT_TRUE(Values.Sorted());
  EXPECT_EQ(Chart.Log, TLog{"changed nil"});
}

TEST_F(ValuesFixture, SortTreatsNumbersWithinTheToleranceAsEqual) {
  Fill({2.00005, 1, 2});
  Values.Sort();
  EXPECT_EQ(Values.Items(0)->Value(), 1);
  EXPECT_NEAR(Values.Items(1)->Value(), 2, 0.0001);
  EXPECT_NEAR(Values.Items(2)->Value(), 2, 0.0001);
}

TEST_F(ValuesFixture, CustomSortUsesTheGivenOrder) {
  Fill({3, 1, 2, 5, 4});
  Values.CustomSort([](TVXChartValues* List, int I, int J) {
    const double A = List->Items(I)->Value(), B = List->Items(J)->Value();
    return A > B ? -1 : (A < B ? 1 : 0);
  });
  EXPECT_EQ(Numbers(), (std::vector<double>{5, 4, 3, 2, 1}));
  TVXChartValues Single(&Chart);
  Single.Add();
  Single.Sort();
  EXPECT_FALSE(Single.Sorted()); // fewer than two values: nothing at all
}

TEST_F(ValuesFixture, SortSurvivesAComparerThatContradictsItself) {
  for (int I = 0; I < 200; ++I)
    Values.AddValues({double(I % 7)});
  int Calls = 0;
  Values.CustomSort([&](TVXChartValues*, int, int) { return (++Calls % 3) - 1; });
  EXPECT_EQ(Values.Count(), 200);
  EXPECT_TRUE(Values.Sorted());
}

TEST_F(ValuesFixture, SortKeepsEveryValueOfALargeShuffledCollection) {
  for (int I = 0; I < 5000; ++I)
    Values.AddValues({double((I * 7919) % 5000)});
  Values.Sort();
  for (int I = 0; I < 5000; ++I)
    ASSERT_EQ(Values.Items(I)->Value(), I);
}

} // namespace
} // namespace vx::test
