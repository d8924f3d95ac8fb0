// Bad input on the Qt canvas: coordinates near the int limits, huge pens and fonts,
// degenerate shapes. Each case must draw nothing or the correctly clipped picture.

#include "tests/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace vx::qt::test {
namespace {

constexpr int N = 40; // device size

struct TFarCase {
  const char* Name;
  std::function<void(TCanvas&)> Draw;
  std::function<TPixelSet()> Expected; // nullptr: only "no crash" and "stays sane"
};

TPixelSet Row(int Y, int X0 = 0, int X1 = N) {
  return Area(X0, Y, X1, Y + 1);
}
TPixelSet Union(TPixelSet A, const TPixelSet& B) {
  A.insert(B.begin(), B.end());
  return A;
}

const TFarCase FarCases[] = {
    {"horizontal line across the int range",
     [](TCanvas& C) {
       C.MoveTo(INT_MIN, 10);
       C.LineTo(INT_MAX, 10);
     },
     [] { return Row(10); }},
    {"vertical line from far below to far above",
     [](TCanvas& C) {
       C.MoveTo(7, INT_MAX);
       C.LineTo(7, INT_MIN);
     },
     [] { return Area(7, 0, 8, N); }},
    {"rectangle wider than the int range", [](TCanvas& C) { C.Rectangle(INT_MIN, 5, INT_MAX, 15); },
     [] { return Area(0, 5, N, 15); }},
    {"fill of the whole int plane",
     [](TCanvas& C) { C.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX)); },
     [] { return Area(0, 0, N, N); }},
    {"polygon with corners at the limits",
     [](TCanvas& C) {
       C.Polygon(std::vector<TPoint>{
           {INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
     },
     [] { return Area(0, 0, N, N); }},
    {"polyline leaving and entering the device",
     [](TCanvas& C) {
       C.Polyline(std::vector<TPoint>{{-1000000000, 30}, {20, 30}, {20, 1000000000}});
     },
     [] { return Union(Row(30, 0, 20), Area(20, 30, 21, N)); }},
    {"ellipse of radius 2^30 touching row 20 from below",
     [](TCanvas& C) { C.Ellipse(-(1 << 30), 20, 1 << 30, INT_MAX); },
     [] { return Area(0, 20, N, N); }},
    {"upper half pie of a huge circle whose centre is far below",
     [](TCanvas& C) {
       C.Pie(-(1 << 30), 20, 1 << 30, INT_MAX, INT_MAX, 1 << 30, INT_MIN, 1 << 30);
     },
     [] { return Area(0, 20, N, N); }},
    {"pen of INT_MAX pixels",
     [](TCanvas& C) {
       C.Pen().SetWidth(INT_MAX);
       C.MoveTo(20, 20);
       C.LineTo(21, 21);
     },
     [] { return Area(0, 0, N, N); }},
    {"gradient triangle far larger than the device",
     [](TCanvas& C) {
       C.GradientTriangle({-1000000000, -1000000000, 0xFF00, 0, 0, 0},
                          {1000000000, -1000000000, 0xFF00, 0, 0, 0},
                          {0, 1000000000, 0xFF00, 0, 0, 0});
     },
     [] { return Area(0, 0, N, N); }},
    {"gradient triangle with corners at the limits",
     [](TCanvas& C) {
       C.GradientTriangle({INT_MIN, INT_MIN, 0, 0, 0, 0}, {INT_MAX, INT_MIN, 0, 0, 0, 0},
                          {INT_MIN, INT_MAX, 0, 0, 0, 0});
     },
     nullptr},
    {"focus rectangle wider than the int range",
     [](TCanvas& C) { C.DrawFocusRect(Rect(INT_MIN, 10, INT_MAX, 20)); },
     [] {
       TPixelSet S;
       for (int X = 0; X < N; ++X) {
         if ((X + 10) % 2 == 0) S.insert({X, 10});
         if ((X + 19) % 2 == 0) S.insert({X, 19});
       }
       return S;
     }},
    {"focus rectangle around the whole plane",
     [](TCanvas& C) { C.DrawFocusRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX)); },
     [] { return TPixelSet{}; }},
    {"clip rectangle of the whole int plane",
     [](TCanvas& C) {
       C.SetClipRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
       C.FillRect(Rect(0, 0, 5, 5));
     },
     [] { return Area(0, 0, 5, 5); }},
    {"text far outside and a font of INT_MIN pixels",
     [](TCanvas& C) {
       C.TextOut(INT_MIN, INT_MIN, "far");
       C.TextOut(INT_MAX, 0, "far");
       C.Font().SetHeight(INT_MIN);
       C.Font().SetOrientation(INT_MAX);
       C.Brush().SetStyle(bsClear);
       C.TextOut(INT_MIN / 2, INT_MAX / 2, "far");
     },
     [] { return TPixelSet{}; }},
    {"huge font and corner sizes",
     [](TCanvas& C) {
       C.Font().SetHeight(INT_MAX);
       C.TextOut(0, 0, "W");
       C.RoundRect(5, 5, 30, 30, INT_MAX, INT_MAX);
       C.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 0, INT_MAX, 0);
       C.Chord(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, INT_MAX, 0, INT_MIN);
     },
     nullptr},
    {"degenerate shapes draw nothing",
     [](TCanvas& C) {
       C.Rectangle(10, 10, 10, 30);
       C.Ellipse(10, 10, 30, 10);
       C.FillRect(Rect(30, 30, 10, 10));
       C.Polygon({});
       C.Polyline(std::vector<TPoint>{{5, 5}});
       C.MoveTo(3, 3);
       C.LineTo(3, 3);
       C.TextRect(Rect(20, 20, 10, 10), 0, 0, "x");
       C.StretchDraw(Rect(0, 0, 0, 10), nullptr);
     },
     [] { return TPixelSet{}; }},
};

TEST(QtCanvasFarOut, CoordinatesNearTheLimitsDrawTheClippedPicture) {
  for (const TFarCase& K : FarCases) {
    SCOPED_TRACE(K.Name);
    TImageCanvas S(N, N);
    S.Canvas->Brush().SetColor(clRed);
    K.Draw(*S.Canvas);
    const QImage& I = S.Done();
    if (K.Expected) {
      const TPixelSet Expected = K.Expected();
      EXPECT_EQ(PixelsNot(I), Expected) << Picture(I, Expected);
    }
  }
}

TEST(QtCanvasFarOut, HugeStretchShowsTheRightPartOfTheBitmap) {
  // The target's centre is at (-0.5, -0.5): the device lies in the lower right quarter.
  TBitmap B(2, 2);
  B.SetPixel(0, 0, clRed);
  B.SetPixel(1, 0, clLime);
  B.SetPixel(0, 1, clBlue);
  B.SetPixel(1, 1, clYellow);
  TImageCanvas S(N, N);
  S.Canvas->StretchDraw(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), &B);
  S.Canvas->Draw(INT_MAX, INT_MAX, &B);
  S.Canvas->CopyRect(Rect(INT_MIN, 0, INT_MAX, 1), B.Canvas(), Rect(0, 0, 2, 1));
  const QImage& I = S.Done();
  EXPECT_EQ(PixelsOf(I, ToRgb(clYellow)), Area(0, 1, N, N)) << Picture(I, Area(0, 1, N, N));
  EXPECT_EQ(PixelsOf(I, ToRgb(clLime)), Row(0));
}

} // namespace
} // namespace vx::qt::test
