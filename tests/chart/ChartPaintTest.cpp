#include "ChartTestSupport.h"

#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vx::test {
namespace {

// ---------------------------------------------------------------- paint protocol

TEST_F(ChartFixture, PaintRunsDrawingDrawAndDrawEventsInOrder) {
  TProbeChart Chart;
  TRecordingCanvas Canvas;
  TEventLog Log;
  Chart.SetOnDrawing([&](TObject* Sender, TCanvas* C, TRect R, bool& DoDraw) {
    EXPECT_EQ(Sender, &Chart);
    EXPECT_EQ(C, &Canvas);
    EXPECT_EQ(R, Rect(1, 2, 3, 4));
    EXPECT_TRUE(DoDraw);
    Log.push_back("drawing");
  });
  Chart.SetOnDraw([&](TObject*, TCanvas*, TRect R) {
    EXPECT_EQ(R, Rect(1, 2, 3, 4));
    Log.push_back("draw");
  });
  Chart.Paint(Canvas, Rect(1, 2, 3, 4));
  EXPECT_EQ(Log, (TEventLog{"drawing", "draw"}));
  EXPECT_EQ(Chart.DrawnRects, std::vector<TRect>{Rect(1, 2, 3, 4)});
}

TEST_F(ChartFixture, DrawingHandlerThatClearsDoDrawSuppressesDrawAndOnDraw) {
  TProbeChart Chart;
  TRecordingCanvas Canvas;
  bool DrawFired = false;
  Chart.SetOnDrawing([](TObject*, TCanvas*, TRect, bool& DoDraw) { DoDraw = false; });
  Chart.SetOnDraw([&](TObject*, TCanvas*, TRect) { DrawFired = true; });
  Chart.Paint(Canvas, Rect(0, 0, 10, 10));
  EXPECT_TRUE(Chart.DrawnRects.empty());
  EXPECT_FALSE(DrawFired);
}

TEST_F(ChartFixture, DrawingHandlerGetsACopyOfTheRectangle) {
  TProbeChart Chart;
  TRecordingCanvas Canvas;
  TRect Seen;
  Chart.SetOnDrawing([](TObject*, TCanvas*, TRect R, bool&) { R = Rect(-5, -5, 500, 500); });
  Chart.SetOnDraw([&](TObject*, TCanvas*, TRect R) {
    Seen = R;
    R.Left = 99;
  });
  const TRect Plot = Rect(10, 20, 110, 120);
  Chart.Paint(Canvas, Plot);
  EXPECT_EQ(Chart.DrawnRects, std::vector<TRect>{Plot});
  EXPECT_EQ(Seen, Plot);
  EXPECT_EQ(Plot, Rect(10, 20, 110, 120));
}

TEST_F(ChartFixture, DrawPutsTheChartsFontBrushAndPenOnTheCanvas) {
  TProbeChart Chart;
  Chart.Brush().SetColor(clTeal);
  Chart.Brush().SetStyle(bsCross);
  Chart.Pen().SetColor(clRed);
  Chart.Pen().SetWidth(3);
  Chart.Font().SetName("Courier New");
  TRecordingCanvas Canvas;
  Chart.Paint(Canvas, Rect(0, 0, 10, 10));
  EXPECT_EQ(Canvas.Brush().Color(), clTeal);
  EXPECT_EQ(Canvas.Brush().Style(), bsCross);
  EXPECT_EQ(Canvas.Pen().Color(), clRed);
  EXPECT_EQ(Canvas.Pen().Width(), 3);
  EXPECT_EQ(Canvas.Font().Name(), "Courier New");
}

TEST_F(ChartFixture, PaintWithAxesBindsForOnePaintAndRestores) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  Chart.Values().AddValues({4});
  Chart.Values().AddValues({9});
  TVXChartAxis SubH, SubV;
  SubH.SetLocation(caTop);
  SubV.SetLocation(caRight);
  int Changes = 0;
  Chart.SetOnChange([&](TObject*) { ++Changes; });
  TRecordingCanvas Canvas;

  Chart.PaintWithAxes(Canvas, Rect(0, 0, 50, 50), &SubV, &SubH, true);
  EXPECT_EQ(Chart.DrawHoriz, &SubH);
  EXPECT_EQ(Chart.DrawVert, &SubV);
  // The recalculation took the ranges from the chart's values: the numbers along the
  // horizontal axis, the index dimension along the vertical one (one-dimensional values).
  EXPECT_EQ(SubH.Minimum(), 4);
  EXPECT_EQ(SubH.Maximum(), 9);
  EXPECT_EQ(SubV.Minimum(), 0);
  EXPECT_EQ(SubV.Maximum(), 1);
  // Back on its own axes, OnChange silent during the call and restored after it.
  EXPECT_EQ(Chart.HorizAxisObject(), Panel.BottomAxis());
  EXPECT_EQ(Chart.VertAxisObject(), Panel.LeftAxis());
  EXPECT_EQ(Chart.HorizAxis(), haBottomAxis);
  EXPECT_EQ(Chart.VertAxis(), vaLeftAxis);
  EXPECT_EQ(SubH.Charts().Count(), 0);
  EXPECT_EQ(Changes, 0);
  Chart.SetCaption("after");
  EXPECT_EQ(Changes, 1);

  // Also when the drawing fails.
  Chart.ThrowInDraw = true;
  EXPECT_THROW(Chart.PaintWithAxes(Canvas, Rect(0, 0, 50, 50), &SubV, &SubH, false),
               std::runtime_error);
  EXPECT_EQ(Chart.HorizAxisObject(), Panel.BottomAxis());
  EXPECT_EQ(Chart.VertAxisObject(), Panel.LeftAxis());
  EXPECT_EQ(SubV.Charts().Count(), 0);
  Chart.SetCaption("again");
  EXPECT_EQ(Changes, 2);
}

// ---------------------------------------------------------------- labels

struct LabelCase {
  TVXLegendTextStyle Style;
  const char* WithAxisFormat; // the left axis's "#,##0.###"
  const char* WithoutAxis;    // fixed, four decimals
};

TEST_F(ChartFixture, ValueLabelsInAllSevenStyles) {
  const LabelCase Cases[] = {
      {ltsCaption, "Q1", "Q1"},
      {ltsValue, "25", "25.0000"},
      {ltsValueNCaption, "25 Q1", "25.0000 Q1"},
      {ltsCaptionNValue, "Q1 25", "Q1 25.0000"},
      {ltsPercent, "25.00 %", "25.00 %"},
      {ltsPercentNCaption, "25.00 % Q1", "25.00 % Q1"},
      {ltsCaptionNPercent, "Q1 25.00 %", "Q1 25.00 %"},
  };
  TProbeChart Attached;
  Attached.SetParent(&Panel);
  TProbeChart Alone;
  for (TProbeChart* C : {&Attached, &Alone}) {
    C->Values().AddValues({25}, -1, "Q1");
    C->Values().AddValues({-25});
    C->Values().AddValues({50});
  }
  for (const LabelCase& C : Cases) {
    EXPECT_EQ(Attached.GetValueLabel(*Attached.Values().Items(0), C.Style), C.WithAxisFormat)
        << int(C.Style);
    EXPECT_EQ(Alone.GetValueLabel(*Alone.Values().Items(0), C.Style), C.WithoutAxis)
        << int(C.Style);
  }
  // The axis's pattern, not ValueLabelFormat, shapes the numbers; an empty one is fixed.
  Attached.Values().Items(1)->SetValue(1234.5678);
  Attached.SetValueLabelFormat("0.0");
  EXPECT_EQ(Attached.GetValueLabel(*Attached.Values().Items(1), ltsValue), "1,234.568");
  Panel.LeftAxis()->SetFormat("");
  EXPECT_EQ(Attached.GetValueLabel(*Attached.Values().Items(1), ltsValue), "1234.5678");
}

TEST_F(ChartFixture, PercentOfACollectionSummingToZeroIsZero) {
  TProbeChart Chart;
  Chart.Values().AddValues({0}, -1, "none");
  Chart.Values().AddValues({0});
  EXPECT_EQ(Chart.GetValueLabel(*Chart.Values().Items(0), ltsPercent), "0.00 %");
  EXPECT_EQ(Chart.GetValueLabel(*Chart.Values().Items(0), ltsCaptionNPercent), "none 0.00 %");
}

TEST_F(ChartFixture, LabelTextIsCentredHalfALineAboveThePoint) {
  TProbeChart Chart;
  TRecordingCanvas Canvas;
  Canvas.Brush().SetStyle(bsSolid);
  Chart.DrawLabelText(Canvas, "abcd", 100, 50);
  const auto Outs = Canvas.CommandsOf(copTextOut);
  ASSERT_EQ(Outs.size(), 1u) << Canvas.Dump();
  // 4 x 7 pixels wide, 13 high: centred on 100, Trunc(6.5) = 6 above 50, unclipped.
  EXPECT_EQ(Outs[0]->Points.at(0), Point(100 - 14, 44));
  EXPECT_FALSE(Outs[0]->TextClip.has_value());
  EXPECT_EQ(Outs[0]->Brush.Style, bsClear);
  EXPECT_EQ(Canvas.Brush().Style(), bsSolid);
}

TEST_F(ChartFixture, ValueLabelsUseTheLabelStyle) {
  TProbeChart Chart;
  Chart.Values().AddValues({25}, -1, "Q1");
  Chart.Values().AddValues({75});
  Chart.SetValueLabelStyle(ltsPercentNCaption);
  TRecordingCanvas Canvas;
  Chart.DrawValueLabel(Canvas, *Chart.Values().Items(0), 100, 100);
  Chart.DrawValueLabelInRect(Canvas, *Chart.Values().Items(0), Rect(0, 0, 200, 40));
  EXPECT_EQ(Canvas.Texts(), (std::vector<std::string>{"25.00 % Q1", "25.00 % Q1"}));
}

TEST_F(ChartFixture, WrappedTextBreaksLinesAndEndsCutLinesInAnEllipsis) {
  TProbeChart Chart;
  TRecordingCanvas Canvas;
  // 70 pixels hold ten characters.
  Chart.DrawWrappedText(Canvas, "north east incomprehensibilities", Rect(0, 0, 70, 100));
  EXPECT_EQ(Canvas.Texts(), (std::vector<std::string>{"north east", "incompr..."}));
  for (const TCanvasCommand* C : Canvas.CommandsOf(copTextOut))
    EXPECT_EQ(C->TextClip, Rect(0, 0, 70, 100));
}

TEST_F(ChartFixture, LabelsOfManyKilobytesStaySane) {
  TProbeChart Chart;
  std::string Caption;
  for (int I = 0; I < 4000; ++I)
    Caption += "caption ";
  Chart.Values().AddValues({1}, -1, Caption);
  TRecordingCanvas Canvas;
  Chart.SetValueLabelStyle(ltsCaptionNValue);
  Chart.DrawValueLabelInRect(Canvas, *Chart.Values().Items(0), Rect(0, 0, 300, 60));
  // Only what fits the rectangle is drawn: lines of at most 300 pixels, inside 60 pixels.
  const auto Outs = Canvas.CommandsOf(copTextOut);
  ASSERT_FALSE(Outs.empty());
  for (const TCanvasCommand* C : Outs) {
    EXPECT_LE(C->Rect.Width(), 300);
    EXPECT_LT(C->Rect.Top, 60);
  }
  Chart.DrawValueLabel(Canvas, *Chart.Values().Items(0), 10, 10);
}

// ---------------------------------------------------------------- visible range

TEST_F(ChartFixture, VisibleRangeFollowsTheHorizontalZoomWindow) {
  TProbeChart Chart;
  Chart.SetParent(&Panel);
  for (double V : {0, 5, 10, 15, 20, 25, 30})
    Chart.Values().AddValues({V});
  TVXChartAxis& Bottom = *Panel.BottomAxis();
  Bottom.SetMaximum(30);
  EXPECT_EQ(Chart.FirstVisible(), 0);
  EXPECT_EQ(Chart.LastVisible(), 6);
  EXPECT_EQ(Chart.VisibleValueCount(), 7);

  Bottom.SetZoomMinimum(10);
  Bottom.SetZoomMaximum(20);
  ASSERT_TRUE(Bottom.IsZoomed());
  EXPECT_EQ(Chart.FirstVisible(), 1);
  EXPECT_EQ(Chart.LastVisible(), 5);
  EXPECT_EQ(Chart.VisibleValueCount(), 5);

  // Another axis changes nothing; a window beyond the values keeps the ends.
  Chart.UpdateVisibleRange(Panel.LeftAxis());
  EXPECT_EQ(Chart.FirstVisible(), 1);
  Bottom.SetMaximum(100);
  Bottom.SetZoomMaximum(90);
  Bottom.SetZoomMinimum(60);
  EXPECT_EQ(Chart.FirstVisible(), 0);
  EXPECT_EQ(Chart.LastVisible(), 6);
}

TEST_F(ChartFixture, VisibleRangeOfValuesWithoutTheAxisDimensionUsesTheirIndex) {
  TProbeChart Chart;
  for (double V : {100, 200, 300, 400, 500, 600})
    Chart.Values().AddValues({V});
  TVXChartAxis Vertical; // dimension 1, which one-dimensional values do not have
  Vertical.SetMaximum(5);
  Vertical.SetZoomMinimum(2);
  Vertical.SetZoomMaximum(3);
  Chart.SetHorizAxisObject(&Vertical);
  Chart.UpdateVisibleRange(&Vertical);
  EXPECT_EQ(Chart.FirstVisible(), 1);
  EXPECT_EQ(Chart.LastVisible(), 4);
}

// ---------------------------------------------------------------- hit tests

class HitTestFixture : public ChartFixture {
protected:
  void SetUp() override {
    ChartFixture::SetUp();
    Panel.SetPlotRect(Rect(0, 0, 100, 100));
    Chart.SetParent(&Panel);
    for (double V : {10, 50, 90})
      Chart.Values().AddValues({V});
    Panel.BottomAxis()->SetMaximum(100);
    Panel.LeftAxis()->SetMaximum(100);
  }
  std::string Selection() const {
    std::string S;
    for (int I = 0; I < Chart.Values().Count(); ++I)
      S += Chart.Values().Items(I)->Selected() ? 'x' : '.';
    return S;
  }

  TProbeChart Chart;
};

TEST_F(HitTestFixture, SelectionModes) {
  // Pixels 0..60 across and the whole height are the values 0..60 by 0..100.
  Chart.SelectValues(Rect(0, 0, 60, 100), 0);
  EXPECT_EQ(Selection(), "xx.");
  Chart.SelectValues(Rect(40, 0, 100, 100), 2); // toggles inside, clears outside
  EXPECT_EQ(Selection(), "..x");
  Chart.SelectValues(Rect(0, 0, 100, 100), 2);
  EXPECT_EQ(Selection(), "xx.");
  Chart.SelectValues(Rect(0, 0, 100, 100), 1); // any other mode clears
  EXPECT_EQ(Selection(), "...");
}

TEST_F(HitTestFixture, HiddenValuesAndValuesOutsideTheVisibleRangeAreLeftAlone) {
  Chart.Values().Items(1)->SetVisible(false);
  Chart.SelectValues(Rect(0, 0, 100, 100), 0);
  EXPECT_EQ(Selection(), "x.x");
  EXPECT_FALSE(Chart.HasValueInRect(Rect(40, 0, 60, 100)));

  // Zoomed to 60..100 the visible range is 1..2: the value 10 keeps its state.
  Panel.BottomAxis()->SetZoomMinimum(60);
  ASSERT_EQ(Chart.FirstVisible(), 1);
  Chart.SelectValues(Rect(0, 0, 100, 100), 3);
  EXPECT_EQ(Selection(), "x..");
}

TEST_F(HitTestFixture, HasValueInRectAndTheHoverCursor) {
  EXPECT_TRUE(Chart.HasValueInRect(Rect(45, 0, 55, 100)));
  EXPECT_FALSE(Chart.HasValueInRect(Rect(20, 0, 40, 100)));
  // An empty vertical extent holds nothing.
  EXPECT_FALSE(Chart.HasValueInRect(Rect(0, 50, 100, 50)));

  Screen().SetCursor(crDefault);
  Chart.UpdateCursor(Rect(20, 0, 40, 100));
  EXPECT_EQ(Screen().Cursor(), crDefault);
  Chart.SetValueCursor(crHandPoint);
  Chart.UpdateCursor(Rect(45, 0, 55, 100));
  EXPECT_EQ(Screen().Cursor(), crHandPoint);
  Screen().SetCursor(crDefault);
}

TEST_F(HitTestFixture, HitTestsWithoutPanelOrAfterRemovalsAreSafe) {
  // Values removed after the visible range was computed.
  Chart.Values().BeginUpdate();
  Chart.Values().Delete(2);
  Chart.Values().Delete(1);
  EXPECT_FALSE(Chart.HasValueInRect(Rect(80, 0, 100, 100)));
  Chart.SelectValues(Rect(0, 0, 100, 100), 0);
  Chart.Values().EndUpdate();
  EXPECT_EQ(Selection(), "x");

  TProbeChart Alone;
  Alone.Values().AddValues({1});
  EXPECT_FALSE(Alone.HasValueInRect(Rect(0, 0, 100, 100)));
  Alone.SelectValues(Rect(0, 0, 100, 100), 0);
  EXPECT_FALSE(Alone.Values().Items(0)->Selected());
}

} // namespace
} // namespace vx::test
