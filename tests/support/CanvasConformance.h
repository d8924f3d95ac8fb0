#pragma once
// Conformance tests that every canvas backend must pass, written once as a typed test
// suite. A backend takes part with a type that creates a fresh canvas:
//
//   struct MyBackend {
//     static std::unique_ptr<vx::TCanvas> Create();
//   };
//   using MyBackends = ::testing::Types<MyBackend>;
//   INSTANTIATE_TYPED_TEST_SUITE_P(My, CanvasConformance, MyBackends);
//
// The canvas must have a surface that contains (0, 0, 200, 200).

#include "platform/core/Canvas.h"
#include "platform/core/Graphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace vx::conformance {

template <typename Backend> class CanvasConformance : public ::testing::Test {
protected:
  void SetUp() override {
    Canvas = Backend::Create();
    ASSERT_NE(Canvas, nullptr);
    Canvas->Pen().SetColor(clNavy);
    Canvas->Pen().SetWidth(2);
    Canvas->Pen().SetStyle(psDash);
    Canvas->Brush().SetColor(clYellow);
    Canvas->Brush().SetStyle(bsCross);
    Canvas->Font().SetName("Arial");
    Canvas->Font().SetSize(10);
    Canvas->Font().SetStyle({fsItalic});
    Canvas->Font().SetColor(clMaroon);
    Canvas->Pen().SetOnChange([this](TObject*) { ++StateChanges; });
    Canvas->Brush().SetOnChange([this](TObject*) { ++StateChanges; });
    Canvas->Font().SetOnChange([this](TObject*) { ++StateChanges; });
  }

  // Pen, brush and font as set up, and no change notification since.
  void ExpectStateUnchanged() {
    EXPECT_EQ(StateChanges, 0);
    EXPECT_EQ(Canvas->Pen().Color(), clNavy);
    EXPECT_EQ(Canvas->Pen().Width(), 2);
    EXPECT_EQ(Canvas->Pen().Style(), psDash);
    EXPECT_EQ(Canvas->Brush().Color(), clYellow);
    EXPECT_EQ(Canvas->Brush().Style(), bsCross);
    EXPECT_EQ(Canvas->Font().Name(), "Arial");
    EXPECT_EQ(Canvas->Font().Size(), 10);
    EXPECT_EQ(Canvas->Font().Style(), TFontStyles{fsItalic});
    EXPECT_EQ(Canvas->Font().Color(), clMaroon);
    EXPECT_EQ(Canvas->Font().Orientation(), 0);
  }

  std::unique_ptr<TCanvas> Canvas;
  int StateChanges = 0;
};

TYPED_TEST_SUITE_P(CanvasConformance);

TYPED_TEST_P(CanvasConformance, OperationsLeaveStateBalanced) {
  TCanvas& C = *this->Canvas;
  TBitmap Image(8, 6);
  const std::vector<TPoint> Zigzag{{10, 10}, {40, 30}, {70, 10}, {100, 30}};
  C.MoveTo(5, 5);
  C.LineTo(50, 60);
  C.Polyline(Zigzag);
  C.Polygon(Zigzag);
  C.Rectangle(10, 10, 60, 40);
  C.RoundRect(10, 10, 60, 40, 8, 8);
  C.Ellipse(10, 10, 60, 40);
  C.Arc(10, 10, 60, 40, 60, 25, 10, 25);
  C.Chord(10, 10, 60, 40, 60, 25, 10, 25);
  C.Pie(10, 10, 60, 40, 60, 25, 10, 25);
  C.FillRect(Rect(0, 0, 20, 20));
  C.FrameRect(Rect(0, 0, 20, 20));
  C.TextOut(10, 10, "Text");
  C.TextRect(Rect(0, 0, 30, 15), 2, 2, "Clipped text");
  TRect R = Rect(0, 0, 120, 80);
  C.DrawText("word wrapped text in a box", R, DT_WORDBREAK | DT_CENTER | DT_END_ELLIPSIS);
  R = Rect(0, 0, 120, 80);
  C.DrawText("one line", R, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP);
  C.Draw(3, 4, &Image);
  C.StretchDraw(Rect(0, 0, 40, 30), &Image);
  C.CopyRect(Rect(0, 0, 16, 12), Image.Canvas(), Rect(0, 0, 8, 6));
  C.GradientTriangle({0, 0, 0xFF00, 0, 0, 0}, {100, 0, 0, 0xFF00, 0, 0}, {0, 100, 0, 0, 0xFF00, 0});
  C.DrawFocusRect(Rect(5, 5, 50, 50));
  C.SetClipRect(Rect(10, 10, 50, 50));
  C.Rectangle(0, 0, 100, 100);
  C.RemoveClip();
  C.SetAntialiasing(true);
  C.Ellipse(0, 0, 30, 30);
  C.SetAntialiasing(false);
  this->ExpectStateUnchanged();
  EXPECT_EQ(C.PenPos(), Point(10 + C.TextWidth("Text"), 10));
}

TYPED_TEST_P(CanvasConformance, ClipIsReportedAndRemoved) {
  TCanvas& C = *this->Canvas;
  const TRect Surface = C.Bounds();
  EXPECT_FALSE(C.HasClip());
  EXPECT_EQ(C.ClipRect(), Surface);
  C.SetClipRect(Rect(10, 20, 110, 120));
  EXPECT_TRUE(C.HasClip());
  EXPECT_EQ(C.ClipRect(), Rect(10, 20, 110, 120));
  C.SetClipRect(Rect(30, 30, 40, 40)); // replaces, does not intersect with the previous clip
  EXPECT_EQ(C.ClipRect(), Rect(30, 30, 40, 40));
  C.SetClipRect(Rect(Surface.Left - 50, 10, Surface.Left + 50, 60));
  EXPECT_EQ(C.ClipRect(), Rect(Surface.Left, 10, Surface.Left + 50, 60));
  C.SetClipRect(Rect(50, 50, 40, 40));
  EXPECT_EQ(C.ClipRect(), Rect(0, 0, 0, 0));
  C.RemoveClip();
  EXPECT_FALSE(C.HasClip());
  EXPECT_EQ(C.ClipRect(), Surface);
}

TYPED_TEST_P(CanvasConformance, TextMeasureGrowsWithLength) {
  TCanvas& C = *this->Canvas;
  EXPECT_EQ(C.TextWidth(""), 0);
  const int LineHeight = C.TextHeight("");
  EXPECT_GT(LineHeight, 0);
  int Previous = 0;
  for (const std::string Text : {"W", "WW", "WWWW", "WWWWWWWW"}) {
    const TSize Extent = C.TextExtent(Text);
    EXPECT_GT(Extent.cx, Previous) << Text;
    EXPECT_EQ(Extent.cy, LineHeight) << Text;
    Previous = Extent.cx;
  }
  C.Font().SetSize(30);
  EXPECT_GT(C.TextHeight("W"), LineHeight);
  EXPECT_GT(C.TextWidth("WWWWWWWW"), Previous);
}

TYPED_TEST_P(CanvasConformance, DrawTextCalcRectGrowsWithLines) {
  TCanvas& C = *this->Canvas;
  const int LineHeight = C.TextHeight("");
  TRect One = Rect(5, 5, 200, 5);
  const int H1 = C.DrawText("first", One, DT_CALCRECT);
  TRect Three = Rect(5, 5, 200, 5);
  const int H3 = C.DrawText("first\nsecond\r\nthird", Three, DT_CALCRECT);
  EXPECT_EQ(H1, LineHeight);
  EXPECT_EQ(H3, 3 * LineHeight);
  EXPECT_EQ(One, Rect(5, 5, 5 + C.TextWidth("first"), 5 + H1));
  EXPECT_EQ(Three.Bottom - Three.Top, H3);
  EXPECT_EQ(Three.Right - Three.Left,
            std::max({C.TextWidth("first"), C.TextWidth("second"), C.TextWidth("third")}));

  // The narrower the box, the more lines a word-wrapped text needs.
  const std::string Words = "one two three four five six seven eight";
  int PreviousHeight = 0;
  for (const int Width : {100000, 4 * C.TextWidth("three"), C.TextWidth("three")}) {
    TRect R = Rect(0, 0, Width, 0);
    const int H = C.DrawText(Words, R, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(H, PreviousHeight) << "width " << Width;
    EXPECT_EQ(H % LineHeight, 0);
    PreviousHeight = H;
  }
  EXPECT_EQ(PreviousHeight, 8 * LineHeight); // one word per line
}

TYPED_TEST_P(CanvasConformance, DegenerateInputIsAccepted) {
  TCanvas& C = *this->Canvas;
  const std::vector<TPoint> None;
  const std::vector<TPoint> One{{5, 5}};
  const std::vector<TPoint> Far{{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
  C.Polyline(None);
  C.Polygon(None);
  C.Polyline(One);
  C.Polygon(One);
  C.Polyline(Far);
  C.Polygon(Far);
  for (const TRect& R :
       {Rect(0, 0, 0, 0), Rect(10, 10, 0, 0), Rect(5, 5, 5, 50),
        Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), Rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN),
        Rect(INT_MAX - 1, 0, INT_MAX, 1), Rect(-70000, -70000, 70000, 70000)}) {
    C.Rectangle(R);
    C.Ellipse(R);
    C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, INT_MAX, INT_MIN);
    C.Arc(R.Left, R.Top, R.Right, R.Bottom, INT_MIN, 0, INT_MAX, 0);
    C.Chord(R.Left, R.Top, R.Right, R.Bottom, 0, 0, 0, 0);
    C.Pie(R.Left, R.Top, R.Right, R.Bottom, INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    C.FillRect(R);
    C.FrameRect(R);
    C.DrawFocusRect(R);
    C.TextRect(R, R.Left, R.Top, "text");
    TRect T = R;
    C.DrawText("a b c\nd", T, DT_WORDBREAK | DT_CENTER | DT_END_ELLIPSIS);
    T = R;
    C.DrawText("a b c", T, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT | DT_NOCLIP);
    C.StretchDraw(R, nullptr);
    C.SetClipRect(R);
    C.LineTo(R.Right, R.Bottom);
    C.RemoveClip();
  }
  C.MoveTo(INT_MIN, INT_MIN);
  C.LineTo(INT_MAX, INT_MAX);
  EXPECT_EQ(C.PenPos(), Point(INT_MAX, INT_MAX));
  C.LineTo(INT_MAX, INT_MAX); // zero length
  C.TextOut(INT_MAX, INT_MIN, "far away");
  EXPECT_EQ(C.PenPos(), Point(INT_MAX, INT_MIN)); // the end clamps at the integer limit
  C.TextOut(0, 0, "");
  C.GradientTriangle({INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX});
  C.GradientTriangle({5, 5}, {5, 5}, {5, 5});
  TBitmap Empty;
  C.Draw(0, 0, nullptr);
  C.Draw(0, 0, &Empty);
  C.Draw(INT_MAX, INT_MAX, &Empty);
  TBitmap Small(2, 2);
  C.Draw(INT_MAX - 1, INT_MIN, &Small);
  C.CopyRect(Rect(0, 0, 10, 10), Small.Canvas(), Rect(5, 5, 0, 0));
  C.CopyRect(Rect(0, 0, 10, 10), Small.Canvas(), Rect(-100, -100, 100, 100));

  this->ExpectStateUnchanged();
  // Extreme pen widths and font sizes are settings, not errors.
  this->StateChanges = 0;
  C.Pen().SetWidth(INT_MAX);
  C.Rectangle(0, 0, 50, 50);
  C.LineTo(10, 10);
  C.Font().SetHeight(INT_MIN);
  C.TextOut(0, 0, "huge");
  TRect T = Rect(0, 0, 100, 100);
  EXPECT_GE(C.DrawText("huge", T, DT_CALCRECT), 0);
  C.Font().SetHeight(0);
  EXPECT_GT(C.TextHeight("x"), 0);
  EXPECT_EQ(this->StateChanges, 3);
}

REGISTER_TYPED_TEST_SUITE_P(CanvasConformance, OperationsLeaveStateBalanced,
                            ClipIsReportedAndRemoved, TextMeasureGrowsWithLength,
                            DrawTextCalcRectGrowsWithLines, DegenerateInputIsAccepted);

} // namespace vx::conformance
