// One value: numbers, display names, hit tests, copying and bad input.

#include "ValuesTestSupport.h"

#include "platform/core/Exceptions.h"

#include <cmath>
#include <limits>

namespace vx::test {
namespace {

TEST(ChartValue, AValueOfItsOwnHasOneNumberAndIsVisible) {
  TVXChartValue Alone;
  EXPECT_EQ(Alone.DimensionCount(), 1);
  EXPECT_EQ(Alone.Value(), 0);
  EXPECT_TRUE(Alone.Visible());
  EXPECT_FALSE(Alone.Selected());
  EXPECT_EQ(Alone.ChartValues(), nullptr);
  Alone.SetValue(2); // no collection: nothing to tell
  Alone.SetSelected(true);
  EXPECT_EQ(Alone.State(), (TVXValueState{vfVisible, vfSelected}));
  EXPECT_EQ(Alone.DisplayName(), "(2.00)");
}

TEST(ChartValue, DisplayNamesShowCaptionAndNumbers) {
  TRecordingChart Chart;
  TVXChartValues Values(&Chart);
  T2DTestValues Pairs(&Chart);
  struct Case {
    TVXChartValue* Value;
    const char* Caption;
    const char* Expected;
  } Cases[] = {
      {Values.AddValues({42}), "Point3", "Point3 (42.00)"},
      {Values.AddValues({3.14159}), "", "(3.14)"},
      {Values.AddValues({-0.001}), "", "(0.00)"},
      {Pairs.AddValues({12, 55}), "", "(12.00, 55.00)"},
      {Pairs.AddValues({5, 13}), "Research", "Research (5.00, 13.00)"},
      {Values.AddValues({std::nan("")}), "", "(NAN)"},
  };
  for (const Case& C : Cases) {
    C.Value->SetCaption(C.Caption);
    EXPECT_EQ(C.Value->DisplayName(), C.Expected);
  }
  EXPECT_EQ(Pairs.Items(0)->FormatValues("0.0", false), "12.0, 55.0");
}

TEST(ChartValue, DimensionsOutsideTheValueAreAListError) {
  TRecordingChart Chart;
  T2DTestValues Pairs(&Chart);
  TVXChartValue* V = Pairs.AddValues({1, 2});
  Chart.Log.clear();
  for (int Bad : {-1, 2, 1000}) {
    EXPECT_THROW(V->Numbers(Bad), EListError) << Bad;
    EXPECT_THROW(V->SetNumbers(Bad, 5), EListError) << Bad;
  }
  EXPECT_TRUE(Chart.Log.empty());
  EXPECT_EQ(V->Numbers(1), 2);
}

TEST(ChartValue, NaNAndInfinityAreStoredAsGiven) {
  TRecordingChart Chart;
  TVXChartValues Values(&Chart);
  TVXChartValue* V = Values.Add();
  V->SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(V->Value(), std::numeric_limits<double>::infinity());
  V->SetValue(std::nan(""));
  EXPECT_TRUE(std::isnan(V->Value()));
  Chart.Log.clear();
  V->SetValue(std::nan("")); // NaN over NaN is no change
  EXPECT_TRUE(Chart.Log.empty());
}

TEST(ChartValue, HitTestsFilterByMode) {
  TVXChartValue Hit, Miss, SelectedHit;
  Hit.SetValue(2);
  Miss.SetValue(5);
  SelectedHit.SetValue(2);
  SelectedHit.SetSelected(true);
  const TVXRealRect R = RealRect(1, 0, 5, 10); // right edge excluded
  struct Case {
    const TVXChartValue* Value;
    int Mode;
    bool Expected;
  } Cases[] = {
      {&Hit, 0, true},  {&Miss, 0, false},        {&SelectedHit, 0, true},
      {&Hit, 2, true},  {&SelectedHit, 2, false}, {&Miss, 2, false},
      {&Hit, 1, false}, {&Hit, 3, false},         {&Hit, -1, false},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(C.Value->IsInRect(R, C.Mode), C.Expected) << C.Value->Value() << " mode " << C.Mode;
  EXPECT_FALSE(Hit.IsInRect(RealRect(1, 3, 5, 3), 0)); // no height: nothing inside
  const TVXRealRect Touching = RealRect(5, 10, 6, 11);
  EXPECT_TRUE(Hit.IntersectsRect(R, Touching, 0));
  EXPECT_FALSE(SelectedHit.IntersectsRect(R, Touching, 2));
  EXPECT_FALSE(Hit.IntersectsRect(R, RealRect(6, 0, 7, 1), 0));
  EXPECT_FALSE(Hit.IntersectsRect(R, R, 1));
}

TEST(ChartValue, AssignCopiesEverythingButKeepsTheCollectionsDimensions) {
  TRecordingChart Chart;
  T2DTestValues Pairs(&Chart);
  TVXChartValue Source;
  Source.SetValue(7);
  Source.SetCaption("src");
  Source.SetColor(clNavy);
  Source.SetTag(11);
  Source.SetState({vfSelected});
  TVXChartValue* Target = Pairs.AddValues({1, 2});
  Target->Assign(&Source);
  EXPECT_EQ(Target->DimensionCount(), 2); // Y stays, as 0
  EXPECT_EQ(Target->Numbers(0), 7);
  EXPECT_EQ(Target->Numbers(1), 0);
  EXPECT_EQ(Target->Caption(), "src");
  EXPECT_EQ(Target->Color(), clNavy);
  EXPECT_EQ(Target->Tag(), 11);
  EXPECT_EQ(Target->State(), TVXValueState{vfSelected});
  TVXChartValue Loose;
  Loose.Assign(Target); // outside a collection: the source's length
  EXPECT_EQ(Loose.DimensionCount(), 2);
  EXPECT_EQ(Loose.Caption(), "src");
  Loose.SetCaption("");
  Loose.Assign(&Loose);
  EXPECT_EQ(Loose.Caption(), "");
  EXPECT_THROW(Loose.Assign(&Pairs), EConvertError);
}

TEST(ChartValue, ManyDimensionsLiveOutsideTheValue) {
  class TFourValues : public TVXChartValues {
  public:
    explicit TFourValues(TPersistent* Owner) : TVXChartValues(Owner) { SetDimensionCount(4); }
  };
  TRecordingChart Chart;
  TFourValues Four(&Chart);
  TVXChartValue* V = Four.AddValues({1, 2, 3, 4});
  EXPECT_EQ(V->FormatValues("0", true), "(1, 2, 3, 4)");
  V->SetNumbers(3, 40);
  EXPECT_EQ(Four.HighValue(3), 40);
  TVXChartValue Two;
  Two.Assign(V);
  EXPECT_EQ(Two.DimensionCount(), 4);
  V->Assign(Four.AddValues({9}));
  EXPECT_EQ(V->FormatValues("0", false), "9, 0, 0, 0");
}

TEST(ChartValue, AValueJoiningFromElsewhereGetsTheCollectionsDimensions) {
  TRecordingChart Chart;
  T2DTestValues Pairs(&Chart);
  auto* Loose = new TVXChartValue;
  Loose->SetValue(3);
  Loose->SetVisible(false);
  Loose->SetCollection(&Pairs);
  EXPECT_EQ(Loose->DimensionCount(), 2);
  EXPECT_EQ(Loose->ChartValues(), &Pairs);
  EXPECT_EQ(Pairs.VisibleCount(), 0); // counted as it is
  EXPECT_EQ(Pairs.HighValue(1), 0);
  Loose->SetCaption("now");
  EXPECT_TRUE(Pairs.HasCaptions());
}

} // namespace
} // namespace vx::test

namespace vx::test {
namespace {

// A link item that points at a value, as the links of a graph chart do.
class TValueLink : public TGCollectionItem {
  VX_CLASS_NAME(TValueLink)
public:
  using TGCollectionItem::TGCollectionItem;
  TGCollectionItem* Target = nullptr;
  void SetTarget(TGCollectionItem* Value) {
    if (Target) RemoveFreeNotification(Target);
    Target = Value;
    if (Target) FreeNotification(Target);
  }
  void Notification(TGCollectionItem* Item) override {
    TGCollectionItem::Notification(Item);
    if (Item == Target) Target = nullptr;
  }
};

TEST(ChartValue, LinksToValuesSurviveEveryWayOfDestruction) {
  for (int Way = 0; Way < 5; ++Way) {
    TRecordingChart Chart;
    auto Values = std::make_unique<TVXChartValues>(&Chart);
    auto Links = std::make_unique<TGCollection>(nullptr, ItemClassOf<TValueLink>());
    Values->SetLimit(3);
    for (int I = 0; I < 3; ++I)
      Values->Add();
    std::vector<TValueLink*> L;
    for (int I = 0; I < 3; ++I) {
      L.push_back(static_cast<TValueLink*>(Links->Add()));
      L.back()->SetTarget(Values->Items(I));
    }
    switch (Way) {
    case 0: // the rolling window drops the first value
      Values->Add();
      EXPECT_EQ(L[0]->Target, nullptr);
      EXPECT_EQ(L[1]->Target, Values->Items(0));
      break;
    case 1:
      Values->Clear();
      break;
    case 2:
      Values.reset();
      break;
    case 3:
      Links.reset();
      break;
    case 4:
      Values->SetLimit(1);
      break;
    }
    if (Links)
      for (int I = 0; I < Links->Count(); ++I) {
        auto* Link = static_cast<TValueLink*>(Links->Items(I));
        if (!Link->Target) continue;
        ASSERT_TRUE(Values);
        EXPECT_GE(Link->Target->Index(), 0) << Way;
      }
    Values.reset(); // whatever is left dies in either order
    Links.reset();
  }
}

} // namespace
} // namespace vx::test
