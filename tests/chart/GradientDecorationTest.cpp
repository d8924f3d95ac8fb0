#include "chart/Gradient.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ChartGradient, StartsYellowToWhiteToTheRightInOnePixelBands) {
  TVXChartGradient G;
  EXPECT_EQ(G.Direction(), gdRight);
  EXPECT_EQ(G.Coarseness(), 1);
  EXPECT_EQ(G.StartColor(), 65535);
  EXPECT_EQ(G.EndColor(), 16777215);
  EXPECT_TRUE(G.Visible());
}

TEST(ChartGradient, CoarsenessBelowOneIsStoredAsOne) {
  TVXChartGradient G;
  int Changes = 0;
  G.SetOnChange([&](TObject*) { ++Changes; });
  G.SetCoarseness(4);
  G.SetCoarseness(0);
  EXPECT_EQ(G.Coarseness(), 1);
  G.SetCoarseness(-9);
  EXPECT_EQ(G.Coarseness(), 1);
  EXPECT_EQ(Changes, 2); // -9 after 0: both are 1, no change
}

TEST(ChartGradient, SettersNotifyOnlyOnAChange) {
  TVXChartGradient G;
  int Changes = 0;
  G.SetOnChange([&](TObject*) { ++Changes; });
  G.SetDirection(gdRight);
  G.SetStartColor(clYellow);
  G.SetEndColor(clWhite);
  EXPECT_EQ(Changes, 0);
  G.SetDirection(gdUpLeft);
  G.SetStartColor(clRed);
  G.SetEndColor(clBtnFace);
  EXPECT_EQ(Changes, 3);
}

TEST(ChartGradient, DrawIsFillGradientOfStartAndEndColour) {
  for (int D = gdDownRight; D <= gdUpLeft; ++D) {
    TVXChartGradient G;
    G.SetDirection(TGradientDirection(D));
    G.SetStartColor(clBtnFace);
    G.SetEndColor(clNavy);
    G.SetCoarseness(7);
    TRecordingCanvas Actual, Expected;
    Actual.Brush().SetStyle(bsClear); // left behind by an earlier element
    G.Paint(Actual, Rect(5, 6, 120, 80));
    EXPECT_EQ(Actual.Brush().Style(), bsSolid);
    const TColors Colors{clBtnFace, clNavy};
    FillGradient(Expected, Rect(5, 6, 120, 80), Colors, TGradientDirection(D), 7);
    EXPECT_FALSE(Actual.Commands().empty());
    EXPECT_EQ(Actual.Dump(), Expected.Dump()) << GradientDirectionName(TGradientDirection(D));
  }
}

TEST(ChartGradient, AssignCopiesAllSettings) {
  TVXChartGradient A, B;
  A.SetDirection(gdDown);
  A.SetCoarseness(3);
  A.SetStartColor(clRed);
  A.SetEndColor(clBlue);
  A.SetVisible(false);
  int Changes = 0;
  B.SetOnChange([&](TObject*) { ++Changes; });
  B.Assign(&A);
  EXPECT_EQ(B.Direction(), gdDown);
  EXPECT_EQ(B.Coarseness(), 3);
  EXPECT_EQ(B.StartColor(), clRed);
  EXPECT_EQ(B.EndColor(), clBlue);
  EXPECT_FALSE(B.Visible());
  EXPECT_EQ(Changes, 1);
}

} // namespace
} // namespace vx
