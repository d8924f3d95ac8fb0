#include "ChartTestSupport.h"

#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>

namespace vx::test {
namespace {

// ---------------------------------------------------------------- construction

TEST_F(ChartFixture, ChartOwnedByThePanelAttachesAtOnceWithDefaults) {
  SetValuePalettePosition(3);
  auto* Chart = new TProbeChart(&Panel);
  EXPECT_EQ(Chart->Parent(), &Panel);
  EXPECT_EQ(Panel.Charts().IndexOf(Chart), 0);
  EXPECT_EQ(Chart->HorizAxisObject(), Panel.BottomAxis());
  EXPECT_EQ(Chart->VertAxisObject(), Panel.LeftAxis());
  EXPECT_EQ(Panel.BottomAxis()->Charts().IndexOf(Chart), 0);
  EXPECT_EQ(Panel.LeftAxis()->Charts().IndexOf(Chart), 0);
  EXPECT_TRUE(Chart->CanPaint());
  // The chart used up a palette entry like a value does.
  EXPECT_EQ(Chart->Color(), clBlue);
  EXPECT_EQ(ValuePalettePosition(), 4);
  EXPECT_EQ(Chart->Brush().Style(), bsSolid);
  EXPECT_FALSE(Chart->Preview());
  EXPECT_EQ(Chart->Options().ToBits(), 23u);
  EXPECT_EQ(Chart->SelectionColor(), clActiveBorder);
  EXPECT_TRUE(Chart->ParentSelectionColor());
  EXPECT_TRUE(Chart->ParentFont());
  EXPECT_TRUE(Chart->Visible());
  EXPECT_EQ(Chart->ValueCursor(), crSizeAll);
  EXPECT_EQ(Chart->ValueLabelFormat(), "#,##0.###");
  EXPECT_EQ(Chart->ValueLabelStyle(), ltsCaption);
  EXPECT_EQ(Chart->HorizAxis(), haBottomAxis);
  EXPECT_EQ(Chart->VertAxis(), vaLeftAxis);
  EXPECT_EQ(Chart->Group(), 0);
  EXPECT_EQ(Chart->GroupStyle(), gsNone);
  EXPECT_EQ(Chart->GetValueDimension(), 1);
  EXPECT_EQ(Chart->Values().Count(), 0);
  EXPECT_EQ(Chart->Values().Chart(), static_cast<IVXValuesOwner*>(Chart));
}

TEST_F(ChartFixture, ChartTakesThePanelFontAndSelectionColourWhenAttached) {
  Panel.Font().SetName("Verdana");
  Panel.SetSelectionColor(clFuchsia);
  TProbeChart Chart;
  EXPECT_EQ(Chart.Parent(), nullptr);
  EXPECT_FALSE(Chart.CanPaint());
  Chart.SetParent(&Panel);
  EXPECT_EQ(Chart.Font().Name(), "Verdana");
  EXPECT_EQ(Chart.SelectionColor(), clFuchsia);

  TProbeChart Own;
  Own.SetParentFont(false);
  Own.SetSelectionColor(clLime); // clears ParentSelectionColor
  EXPECT_FALSE(Own.ParentSelectionColor());
  Own.SetParent(&Panel);
  EXPECT_NE(Own.Font().Name(), "Verdana");
  EXPECT_EQ(Own.SelectionColor(), clLime);
  Own.SetParentSelectionColor(true);
  EXPECT_EQ(Own.SelectionColor(), clFuchsia);
}

TEST(Chart, ChartOwnedByAControlTakesItsFontWithoutAttaching) {
  TCustomControl Window;
  Window.Font().SetName("Tahoma");
  Window.Font().SetHeight(-20);
  auto* Chart = new TProbeChart(&Window);
  EXPECT_EQ(Chart->Font().Name(), "Tahoma");
  EXPECT_EQ(Chart->Font().Height(), -20);
  EXPECT_EQ(Chart->Parent(), nullptr);
}

TEST(Chart, DesignedChartStartsInPreviewWithSampleValues) {
  TComponent Form;
  Form.SetDesigning(true);
  auto* Chart = new TProbeChart(&Form);
  EXPECT_TRUE(Chart->Preview());
  EXPECT_EQ(Chart->Values().Count(), 2);
  // Turning the preview off and on again with values keeps them.
  Chart->SetPreview(false);
  Chart->SetPreview(true);
  EXPECT_EQ(Chart->Values().Count(), 2);
}

TEST_F(ChartFixture, FirstValueChangeOfAVisibleChartEndsThePreview) {
  TProbeChart Chart;
  Chart.SetPreview(true);
  EXPECT_EQ(Chart.Values().Count(), 2);
  Chart.SetVisible(false);
  Chart.Values().Items(0)->SetValue(7);
  EXPECT_TRUE(Chart.Preview()); // an invisible chart sends nothing
  Chart.SetVisible(true);
  Chart.Values().Items(0)->SetValue(8);
  EXPECT_FALSE(Chart.Preview());
}

// ---------------------------------------------------------------- lifecycle

TEST_F(ChartFixture, ChartDestroyedWhileAttachedDetachesItself) {
  auto Chart = std::make_unique<TProbeChart>();
  Chart->SetParent(&Panel);
  Chart.reset();
  EXPECT_EQ(Panel.Charts().Count(), 0);
  EXPECT_EQ(Panel.BottomAxis()->Charts().Count(), 0);
  EXPECT_EQ(Panel.LeftAxis()->Charts().Count(), 0);
}

TEST(Chart, PanelDestroyedDetachesChartsItDoesNotOwnAndDestroysThoseItOwns) {
  TComponent Form;
  auto* Kept = new TProbeChart(&Form);
  auto Panel = std::make_unique<TProbePanel>();
  Kept->SetParent(Panel.get());
  auto* Owned = new TProbeChart(Panel.get());
  bool OwnedGone = false;
  struct TWatch : TComponent {
    bool* Flag;
    TComponent* Target;
    TWatch(bool* F, TComponent* T) : Flag(F), Target(T) { FreeNotification(T); }
    void Notification(TComponent* C, TOperation Op) override {
      TComponent::Notification(C, Op);
      if (C == Target && Op == opRemove) *Flag = true;
    }
  } Watch(&OwnedGone, Owned);

  Panel.reset();
  EXPECT_TRUE(OwnedGone);
  EXPECT_EQ(Kept->Parent(), nullptr);
  EXPECT_EQ(Kept->HorizAxisObject(), nullptr);
  EXPECT_EQ(Kept->VertAxisObject(), nullptr);
  // The detached chart keeps working.
  Kept->Values().AddValues({1});
  Kept->SetCaption("still here");
}

TEST(Chart, ChartOwnedByAComponentIsDestroyedWithIt) {
  auto Form = std::make_unique<TComponent>();
  auto Panel = std::make_unique<TProbePanel>();
  auto* Chart = new TProbeChart(Form.get());
  Chart->SetParent(Panel.get());
  EXPECT_EQ(Form->ComponentCount(), 1);
  Form.reset();
  EXPECT_EQ(Panel->Charts().Count(), 0);
  EXPECT_EQ(Panel->BottomAxis()->Charts().Count(), 0);
}

TEST(Chart, FreeAxesAreNeverOwnedAndNeverDangle) {
  auto Axis = std::make_unique<TVXChartAxis>();
  Axis->SetLocation(caTop);
  {
    TProbeChart Chart;
    Chart.SetHorizAxisObject(Axis.get());
    EXPECT_EQ(Chart.HorizAxis(), haBottomAxis); // no panel: the choice stays
    EXPECT_EQ(Axis->Charts().Count(), 1);
  }
  // The chart left the axis's list and did not free the axis.
  EXPECT_EQ(Axis->Charts().Count(), 0);

  TProbeChart Chart;
  Chart.SetHorizAxisObject(Axis.get());
  Chart.SetVertAxisObject(Axis.get());
  Axis.reset();
  EXPECT_EQ(Chart.HorizAxisObject(), nullptr);
  EXPECT_EQ(Chart.VertAxisObject(), nullptr);
}

// ---------------------------------------------------------------- binding

TEST_F(ChartFixture, AxisChoicesMoveTheChartBetweenAxisLists) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  Chart.SetHorizAxis(haTopAxis);
  EXPECT_EQ(Chart.HorizAxisObject(), Panel.TopAxis());
  EXPECT_EQ(Panel.BottomAxis()->Charts().Count(), 0);
  EXPECT_EQ(Panel.TopAxis()->Charts().IndexOf(&Chart), 0);
  Chart.SetVertAxis(vaRightAxis);
  EXPECT_EQ(Chart.VertAxisObject(), Panel.RightAxis());
  EXPECT_EQ(Panel.LeftAxis()->Charts().Count(), 0);

  Chart.SetHorizAxis(haCustomAxis);
  EXPECT_EQ(Chart.HorizAxisObject(), nullptr);
  EXPECT_EQ(Panel.TopAxis()->Charts().Count(), 0);
  EXPECT_FALSE(Chart.CanPaint());

  // Binding an object makes the choice follow it.
  Chart.SetHorizAxisObject(Panel.BottomAxis());
  EXPECT_EQ(Chart.HorizAxis(), haBottomAxis);
  TVXChartAxis Free;
  Chart.SetVertAxisObject(&Free);
  EXPECT_EQ(Chart.VertAxis(), vaCustomAxis);
  Chart.SetVertAxisObject(Panel.LeftAxis());
  EXPECT_EQ(Chart.VertAxis(), vaLeftAxis);
  EXPECT_EQ(Free.Charts().Count(), 0);

  // Detaching unbinds both axes.
  Chart.SetParent(nullptr);
  EXPECT_EQ(Chart.HorizAxisObject(), nullptr);
  EXPECT_EQ(Chart.VertAxisObject(), nullptr);
  EXPECT_EQ(Panel.Charts().Count(), 0);
}

TEST_F(ChartFixture, GroupStyleSpreadsOverTheGroup) {
  TProbeChart A, B, C;
  for (TProbeChart* X : {&A, &B, &C})
    X->SetParent(&Panel);
  A.SetGroup(1);
  B.SetGroup(1);
  C.SetGroup(2);
  A.SetGroupStyle(gsStacked);
  EXPECT_EQ(B.GroupStyle(), gsStacked);
  EXPECT_EQ(C.GroupStyle(), gsNone);
  EXPECT_TRUE(A.Options().Contains(coUseVerticalOffset));
  EXPECT_TRUE(B.Options().Contains(coUseVerticalOffset));
  EXPECT_FALSE(C.Options().Contains(coUseVerticalOffset));
  // The offset counts only while the option is in.
  B.SetOffsetVertical(2.5);
  C.SetOffsetVertical(2.5);
  EXPECT_EQ(B.GetVerticalOffset(), 2.5);
  EXPECT_EQ(C.GetVerticalOffset(), 0.0);

  B.SetGroupStyle(gsNone);
  EXPECT_EQ(A.GroupStyle(), gsNone);
  EXPECT_FALSE(A.Options().Contains(coUseVerticalOffset));

  // A chart joining the vertical axis takes over the style of its group there.
  A.SetGroupStyle(gsStacked100);
  TProbeChart D;
  D.SetGroup(1);
  D.SetParent(&Panel);
  EXPECT_EQ(D.GroupStyle(), gsStacked100);
  EXPECT_TRUE(D.Options().Contains(coUseVerticalOffset));
}

TEST_F(ChartFixture, GroupIsNeverNegative) {
  TProbeChart Chart;
  Chart.SetGroup(-5);
  EXPECT_EQ(Chart.Group(), 0);
  Chart.SetGroup(3);
  Chart.SetGroup(-1);
  EXPECT_EQ(Chart.Group(), 0);
}

// ---------------------------------------------------------------- notifications

TEST_F(ChartFixture, BrushChangeReachesThePanelTwiceAndTheChartOnce) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  TEventLog Log;
  LogChartEvents(Chart, Log);
  Panel.Log.clear();
  Chart.Brush().SetColor(clNavy);
  EXPECT_EQ(Panel.Count("panel chart change"), 2);
  EXPECT_EQ(Log, TEventLog{"chart change"});
  EXPECT_TRUE(Panel.BottomAxis()->NeedsRangeUpdate());
  EXPECT_TRUE(Panel.LeftAxis()->NeedsRangeUpdate());
}

TEST_F(ChartFixture, ValueChangeTravelsToThePanelThenTheChartEvent) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  TVXChartValue* V = Chart.Values().AddValues({1});
  Panel.Log.clear();
  TEventLog Log;
  LogChartEvents(Chart, Log);
  Chart.SetOnValueChange([&](TObject*, TVXChartValue*) { Panel.Log.push_back("chart value"); });
  Chart.SetOnValueSelectionChange(
      [&](TObject*, TVXChartValue*) { Panel.Log.push_back("chart selection"); });
  Chart.SetOnValueVisibleChange(
      [&](TObject*, TVXChartValue*) { Panel.Log.push_back("chart visible"); });

  V->SetValue(5);
  EXPECT_EQ(Panel.Log,
            (TEventLog{"panel value change", "panel chart change", "panel change", "chart value"}));
  Panel.Log.clear();
  V->SetSelected(true);
  EXPECT_EQ(Panel.Log, (TEventLog{"panel value selection", "chart selection", "panel value change",
                                  "panel chart change", "panel change", "chart value"}));
  Panel.Log.clear();
  V->SetVisible(false);
  EXPECT_EQ(Panel.Log, (TEventLog{"panel value visible", "chart visible", "panel value change",
                                  "panel chart change", "panel change", "chart value"}));
}

TEST_F(ChartFixture, UpdateBracketHoldsEverythingBackAndEndsWithOneChange) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  TEventLog Log;
  LogChartEvents(Chart, Log);
  Panel.Log.clear();
  Chart.BeginUpdate();
  Chart.BeginUpdate();
  Chart.SetCaption("x");
  Chart.Values().AddValues({1});
  Chart.Values().Items(0)->SetSelected(true);
  Chart.Brush().SetColor(clNavy);
  Chart.EndUpdate();
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(Panel.Log.empty());
  Chart.EndUpdate();
  EXPECT_EQ(Log, TEventLog{"chart change"});
  EXPECT_EQ(Panel.Log, (TEventLog{"panel chart change", "panel change"}));
  // An unmatched EndUpdate changes nothing.
  Chart.EndUpdate();
  EXPECT_EQ(Chart.UpdateCount(), 0);
  EXPECT_EQ(Log.size(), 1u);
}

TEST_F(ChartFixture, HidingAChartIsSeenAtOnceEvenInsideABracket) {
  TProbeChart A, B;
  A.SetParent(&Panel);
  B.SetParent(&Panel);
  EXPECT_EQ(Panel.Charts().VisibleCount(), 2);
  A.BeginUpdate();
  Panel.Log.clear();
  Panel.LeftAxis()->SetNeedsRangeUpdate(false);
  A.SetVisible(false);
  EXPECT_EQ(Panel.Charts().VisibleCount(), 1);
  EXPECT_EQ(Panel.Charts().FirstVisibleChart(), &B);
  EXPECT_TRUE(Panel.Log.empty()); // no ChartChanged inside the bracket
  EXPECT_TRUE(Panel.LeftAxis()->NeedsRangeUpdate());
  A.EndUpdate(); // invisible: sends nothing
  EXPECT_TRUE(Panel.Log.empty());
  A.SetVisible(true);
  EXPECT_EQ(Panel.Log, (TEventLog{"panel chart change", "panel change"}));
}

TEST_F(ChartFixture, InvisibleChartSendsNothing) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  Chart.SetVisible(false);
  TEventLog Log;
  LogChartEvents(Chart, Log);
  Panel.Log.clear();
  Chart.SetCaption("hidden");
  Chart.Values().AddValues({1})->SetSelected(true);
  Chart.Pen().SetWidth(3);
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(Panel.Log.empty());
}

// Each setter announces a change once, and an equal value nothing.
TEST_F(ChartFixture, SettersAnnounceRealChangesOnly) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  int Changes = 0;
  Chart.SetOnChange([&](TObject*) { ++Changes; });
  const struct {
    const char* Name;
    std::function<void()> Set;
    int Expected;
  } Cases[] = {
      {"Caption", [&] { Chart.SetCaption("Sales"); }, 1},
      {"Options", [&] { Chart.SetOptions({coHideShadow}); }, 1},
      {"Group", [&] { Chart.SetGroup(2); }, 1},
      {"OffsetVertical", [&] { Chart.SetOffsetVertical(1.5); }, 1},
      {"ValueLabelFormat", [&] { Chart.SetValueLabelFormat("0.0"); }, 1},
      {"ValueLabelStyle", [&] { Chart.SetValueLabelStyle(ltsPercent); }, 1},
      {"HorizAxis", [&] { Chart.SetHorizAxis(haTopAxis); }, 2}, // the binding, then the choice
      {"Color", [&] { Chart.SetColor(clTeal); }, 1},
      {"SelectionColor", [&] { Chart.SetSelectionColor(clTeal); }, 0},
      {"ParentFont", [&] { Chart.SetParentFont(false); }, 0},
  };
  for (const auto& C : Cases) {
    Changes = 0;
    C.Set();
    EXPECT_EQ(Changes, C.Expected) << C.Name;
    Changes = 0;
    C.Set();
    EXPECT_EQ(Changes, 0) << C.Name << " again";
  }
}

// ---------------------------------------------------------------- copying

TEST_F(ChartFixture, AssignCopiesTheSettingsWithOneChange) {
  TProbeChart Source;
  Source.SetCaption("Revenue");
  Source.SetValueCursor(crHandPoint);
  Source.SetParentFont(false);
  Source.Brush().SetColor(clMaroon);
  Source.SetOptions({coShowInLegend});
  Source.SetOffsetVertical(4.5);
  Source.SetHorizAxis(haTopAxis);
  Source.SetVertAxis(vaRightAxis);
  Source.SetGroup(7);
  Source.SetGroupStyle(gsStacked);
  Source.Font().SetName("Courier New");
  Source.Pen().SetWidth(4);
  Source.Values().AddValues({3}, -1, "three");
  Source.SetValueLabelFormat("0.0");
  Source.SetValueLabelStyle(ltsValue);

  TProbeChart Target;
  Target.SetParent(&Panel);
  int Changes = 0;
  Target.SetOnChange([&](TObject*) { ++Changes; });
  Target.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Target.Caption(), "Revenue");
  EXPECT_EQ(Target.ValueCursor(), crHandPoint);
  EXPECT_FALSE(Target.ParentFont());
  EXPECT_EQ(Target.Color(), clMaroon);
  EXPECT_EQ(Target.Options(), Source.Options());
  EXPECT_EQ(Target.OffsetVertical(), 4.5);
  EXPECT_EQ(Target.HorizAxisObject(), Panel.TopAxis());
  EXPECT_EQ(Target.VertAxisObject(), Panel.RightAxis());
  EXPECT_EQ(Target.Group(), 7);
  EXPECT_EQ(Target.GroupStyle(), gsStacked);
  EXPECT_EQ(Target.Font().Name(), "Courier New");
  EXPECT_EQ(Target.Pen().Width(), 4);
  ASSERT_EQ(Target.Values().Count(), 1);
  EXPECT_EQ(Target.Values().Items(0)->Caption(), "three");
  EXPECT_EQ(Target.ValueLabelFormat(), "0.0");
  EXPECT_EQ(Target.ValueLabelStyle(), ltsValue);
  EXPECT_EQ(Target.Parent(), &Panel); // attachment is not copied

  TVXChartAxis NotAChart;
  EXPECT_THROW(Target.Assign(&NotAChart), EConvertError);
}

} // namespace
} // namespace vx::test
