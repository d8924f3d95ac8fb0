// What every change of a value or of the collection tells the owning chart, call by
// call, with and without an update bracket.

#include "ValuesTestSupport.h"

#include "platform/core/UpdateGuard.h"

#include <functional>
#include <memory>

namespace vx::test {
namespace {

struct TChangeCase {
  const char* Name;
  std::function<void(TVXChartValues&)> Change;
  TLog Sent; // without a bracket
};

const TChangeCase ChangeCases[] = {
    {"Numbers", [](TVXChartValues& V) { V.Items(1)->SetNumbers(0, 42); }, {"changed 1"}},
    {"Value", [](TVXChartValues& V) { V.Items(1)->SetValue(42); }, {"changed 1"}},
    {"AsDateTime", [](TVXChartValues& V) { V.Items(1)->SetAsDateTime(45000.5); }, {"changed 1"}},
    {"Caption", [](TVXChartValues& V) { V.Items(1)->SetCaption("x"); }, {"changed 1"}},
    {"Color", [](TVXChartValues& V) { V.Items(1)->SetColor(clNavy); }, {"changed 1"}},
    {"Assign",
     [](TVXChartValues& V) { V.Items(1)->Assign(V.Items(2)); },
     {"changed 2"}}, // the tag too
    {"hide", [](TVXChartValues& V) { V.Items(1)->SetVisible(false); }, {"visible 1", "changed 1"}},
    {"select",
     [](TVXChartValues& V) { V.Items(1)->SetSelected(true); },
     {"selection 1", "changed 1"}},
    {"both flags",
     [](TVXChartValues& V) { V.Items(1)->SetState({vfSelected}); },
     {"visible 1", "selection 1", "changed 1"}},
    {"Add", [](TVXChartValues& V) { V.Add(); }, {"changed nil"}},
    {"AddValues",
     [](TVXChartValues& V) {
       V.AddValues({1, 2}, clRed, "c");
     },
     {"changed nil"}},
    {"Delete", [](TVXChartValues& V) { V.Delete(0); }, {"changed nil"}},
    {"delete", [](TVXChartValues& V) { delete V.Items(0); }, {"changed nil"}},
    {"Clear", [](TVXChartValues& V) { V.Clear(); }, {"changed nil"}},
    {"DateTime", [](TVXChartValues& V) { V.SetDateTime(true); }, {"changed nil"}},
    {"Limit", [](TVXChartValues& V) { V.SetLimit(1); }, {"changed nil"}},
    {"Sort", [](TVXChartValues& V) { V.Sort(); }, {"changed nil"}},
    // No change, no message.
    {"equal number", [](TVXChartValues& V) { V.Items(1)->SetValue(3); }, {}},
    {"equal caption", [](TVXChartValues& V) { V.Items(1)->SetCaption(""); }, {}},
    {"equal state", [](TVXChartValues& V) { V.Items(1)->SetVisible(true); }, {}},
    {"Tag", [](TVXChartValues& V) { V.Items(1)->SetTag(7); }, {}},
    {"Sorted", [](TVXChartValues& V) { V.SetSorted(true); }, {}},
    {"SortOrder", [](TVXChartValues& V) { V.SetSortOrder(soDescending); }, {}},
    {"same DateTime", [](TVXChartValues& V) { V.SetDateTime(false); }, {}},
};

// Three values 5, 3, 1 tagged 0, 1, 2 in a fresh collection of Chart.
std::unique_ptr<TVXChartValues> ThreeValues(TRecordingChart& Chart) {
  auto Values = std::make_unique<TVXChartValues>(&Chart);
  for (double N : {5, 3, 1})
    Values->AddValues({N})->SetTag(Values->Count() - 1);
  Chart.Log.clear();
  return Values;
}

TEST_F(ValuesFixture, EachChangeSendsItsMessagesInOrder) {
  for (const TChangeCase& C : ChangeCases) {
    auto Three = ThreeValues(Chart);
    C.Change(*Three);
    EXPECT_EQ(Chart.Log, C.Sent) << C.Name;
  }
}

TEST_F(ValuesFixture, ABracketHoldsEveryMessageBackAndEndsWithOne) {
  for (const TChangeCase& C : ChangeCases) {
    auto Three = ThreeValues(Chart);
    {
      TUpdateGuard Guard(*Three);
      C.Change(*Three);
      EXPECT_TRUE(Chart.Log.empty()) << C.Name;
    }
    EXPECT_EQ(Chart.Log, TLog{"changed nil"}) << C.Name;
  }
}

TEST_F(ValuesFixture, CountersFollowTheFlagsAlsoInsideABracket) {
  Fill({1, 2, 3});
  {
    TUpdateGuard Guard(Values);
    Values.Items(0)->SetVisible(false);
    Values.Items(1)->SetSelected(true);
    Values.Items(2)->SetState({vfSelected});
    EXPECT_EQ(Values.VisibleCount(), 1);
    EXPECT_EQ(Values.SelectedCount(), 2);
  }
  Values.Delete(2); // hidden and selected
  EXPECT_EQ(Values.VisibleCount(), 1);
  EXPECT_EQ(Values.SelectedCount(), 1);
}

TEST_F(ValuesFixture, HidingAnUnselectedValueTouchesOnlyTheVisibleCount) {
  Fill({1, 2});
  Values.Items(0)->SetVisible(false);
  EXPECT_EQ(Values.VisibleCount(), 1);
  EXPECT_EQ(Values.SelectedCount(), 0);
  EXPECT_EQ(Chart.Log, (TLog{"visible 0", "changed 0"}));
  Chart.Log.clear();
  Values.Items(0)->SetSelected(true); // a hidden value
  EXPECT_EQ(Values.VisibleCount(), 1);
  EXPECT_EQ(Values.SelectedCount(), 1);
  EXPECT_EQ(Chart.Log, (TLog{"selection 0", "changed 0"}));
}

TEST_F(ValuesFixture, ClearLeavesBothCountersAtZero) {
  Fill({1, 2, 3, 4});
  Values.Items(0)->SetVisible(false);
  Values.Items(1)->SetSelected(true);
  Values.Items(2)->SetState({vfSelected});
  Values.Clear();
  EXPECT_EQ(Values.VisibleCount(), 0);
  EXPECT_EQ(Values.SelectedCount(), 0);
  Fill({1});
  EXPECT_EQ(Values.VisibleCount(), 1);
}

TEST_F(ValuesFixture, CopiedFlagsAreCountedWithoutMessages) {
  Fill({1, 2});
  Values.Items(0)->SetState({vfSelected});
  Chart.Log.clear();
  Values.Items(1)->Assign(Values.Items(0));
  EXPECT_EQ(Chart.Log, TLog{"changed 0"}); // the tag came along
  EXPECT_EQ(Values.VisibleCount(), 0);
  EXPECT_EQ(Values.SelectedCount(), 2);
  Values.Clear();
  EXPECT_EQ(Values.VisibleCount(), 0);
  EXPECT_EQ(Values.SelectedCount(), 0);
}

TEST_F(ValuesFixture, ItemHookRunsAfterTheBookkeeping) {
  TLog Hook;
  Values.SetOnItemNotify([&](TCollectionItem* Item, TCollectionNotification Action) {
    auto* V = static_cast<TVXChartValue*>(Item);
    static const char* Names[] = {"added", "extracting", "deleting"};
    Hook.push_back(std::string(Names[Action]) + " colour " + std::to_string(V->Color()) +
                   " visible " + std::to_string(Values.VisibleCount()));
  });
  Values.Add();
  Values.Delete(0);
  EXPECT_EQ(Hook, (TLog{"added colour " + std::to_string(clRed) + " visible 1",
                        "deleting colour " + std::to_string(clRed) + " visible 1",
                        "extracting colour " + std::to_string(clRed) + " visible 0"}));
}

TEST_F(ValuesFixture, StatisticsStayCleanWhenNothingChanged) {
  Fill({1, 2});
  EXPECT_EQ(Values.HighValue(0), 2);
  EXPECT_FALSE(Values.StatisticsDirty());
  Values.Items(0)->SetValue(1);
  Values.Items(0)->SetCaption("x");
  EXPECT_FALSE(Values.StatisticsDirty());
  Values.Items(0)->SetValue(9);
  EXPECT_TRUE(Values.StatisticsDirty());
  EXPECT_EQ(Values.HighValue(0), 9);
  Values.Delete(0);
  EXPECT_TRUE(Values.StatisticsDirty());
}

TEST_F(ValuesFixture, ACollectionWithoutAChartOwnerTellsNoOne) {
  TVXChartValues Orphan(nullptr);
  EXPECT_EQ(Orphan.Chart(), nullptr);
  Orphan.Add()->SetSelected(true);
  EXPECT_EQ(Orphan.SelectedCount(), 1);
  EXPECT_EQ(Orphan.GetMaximum(0), 0);
}

TEST_F(ValuesFixture, DestroyingTheCollectionTellsTheChartNothing) {
  auto Own = std::make_unique<TVXChartValues>(&Chart);
  Own->Add();
  Chart.Log.clear();
  Own.reset();
  EXPECT_TRUE(Chart.Log.empty());
}

} // namespace
} // namespace vx::test
