#include "graphics/GradientFill.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vx {
namespace {

struct TBand {
  TRect Rect;
  TColor Color;
};

std::vector<TBand> Bands(const TRecordingCanvas& C) {
  std::vector<TBand> Result;
  for (const TCanvasCommand* Cmd : C.CommandsOf(copFillRect))
    Result.push_back({Cmd->Rect, Cmd->Brush.Color});
  return Result;
}

TEST(GradientBands, RedToBlueOverAHundredPixelsStopsOneStepShort) {
  TRecordingCanvas C;
  const TColors Colors{clRed, clBlue};
  FillGradientBands(C, Rect(0, 0, 100, 20), Colors, false, 1);
  const auto B = Bands(C);
  ASSERT_EQ(B.size(), 101u) << C.Dump();
  for (int X = 0; X <= 100; ++X)
    ASSERT_EQ(B[X].Rect, Rect(X, 0, X + 1, 20)) << X;

  const struct {
    int X;
    TColor Color;
  } Expected[] = {{0, RGB(255, 0, 0)},  {1, RGB(252, 0, 3)},  {2, RGB(250, 0, 5)},
                  {98, RGB(5, 0, 250)}, {99, RGB(3, 0, 252)}, {100, RGB(3, 0, 252)}};
  for (const auto& E : Expected)
    EXPECT_EQ(B[E.X].Color, E.Color) << "x = " << E.X;
  for (int X = 1; X <= 100; ++X) {
    EXPECT_LE(GetRValue(B[X].Color), GetRValue(B[X - 1].Color)) << X;
    EXPECT_GE(GetBValue(B[X].Color), GetBValue(B[X - 1].Color)) << X;
  }
}

TEST(GradientBands, ThreeColoursRunSegmentBySegmentFromWhereTheColourStands) {
  TRecordingCanvas C;
  const TColors Colors{clRed, clLime, clBlue};
  FillGradientBands(C, Rect(0, 0, 100, 20), Colors, false, 1);
  const auto B = Bands(C);
  ASSERT_EQ(B.size(), 101u);
  // 50-pixel segments: red to lime over x = 0..49, then lime to blue; green overshoots
  // below 0 at the end and is clamped.
  const struct {
    int X;
    TColor Color;
  } Expected[] = {{0, RGB(255, 0, 0)},    {49, RGB(5, 250, 0)}, {50, RGB(5, 245, 5)},
                  {75, RGB(5, 117, 133)}, {99, RGB(5, 0, 255)}, {100, RGB(5, 0, 255)}};
  for (const auto& E : Expected)
    EXPECT_EQ(B[E.X].Color, E.Color) << "x = " << E.X;
}

TEST(GradientBands, CoarseBandsMayReachBeyondTheFarEdge) {
  TRecordingCanvas C;
  const TColors Colors{clRed, clBlue};
  FillGradientBands(C, Rect(0, 0, 50, 100), Colors, true, 10);
  const auto B = Bands(C);
  ASSERT_EQ(B.size(), 11u) << C.Dump();
  for (int I = 0; I <= 10; ++I)
    EXPECT_EQ(B[I].Rect, Rect(0, 10 * I, 50, 10 * I + 10)) << I;
  EXPECT_EQ(B[0].Color, clRed);
  EXPECT_EQ(B[10].Color, B[9].Color);            // the band at the edge repeats the one before
  EXPECT_NEAR(GetRValue(B[9].Color), 25.5, 0.5); // 255 - 9 x 25.5

  // 95 pixels: the last band starts at 90, no band at the edge itself.
  C.Clear();
  FillGradientBands(C, Rect(0, 0, 50, 95), Colors, true, 10);
  EXPECT_EQ(C.Count(copFillRect), 10u);
  EXPECT_EQ(C.BoundsOf(copFillRect), Rect(0, 0, 50, 100));
}

TEST(GradientBands, CoarsenessBelowOneCountsAsOne) {
  const TColors Colors{clRed, clBlue};
  TRecordingCanvas One;
  FillGradientBands(One, Rect(0, 0, 30, 5), Colors, false, 1);
  for (int Coarseness : {0, -7}) {
    TRecordingCanvas C;
    FillGradientBands(C, Rect(0, 0, 30, 5), Colors, false, Coarseness);
    EXPECT_EQ(C.Dump(), One.Dump()) << Coarseness;
  }
}

TEST(GradientBands, PaintsNothingForAZeroRightOrBottomOrNoColours) {
  const TColors Two{clRed, clBlue};
  const struct {
    const char* Name;
    TRect R;
    TColors Colors;
  } Cases[] = {{"right 0", Rect(-50, 0, 0, 20), Two},
               {"bottom 0", Rect(0, -20, 50, 0), Two},
               {"no colours", Rect(0, 0, 50, 20), {}}};
  for (const auto& Case : Cases)
    for (bool Vertical : {false, true}) {
      TRecordingCanvas C;
      FillGradientBands(C, Case.R, Case.Colors, Vertical, 1);
      EXPECT_TRUE(C.Commands().empty()) << Case.Name << "\n" << C.Dump();
      for (int D = gdDownRight; D <= gdUpLeft; ++D) {
        FillGradient(C, Case.R, Case.Colors, TGradientDirection(D), 1);
        EXPECT_TRUE(C.Commands().empty()) << Case.Name << " " << D << "\n" << C.Dump();
      }
    }
}

TEST(GradientBands, InvertedRectangleIsNormalisedAndOneColourIsFlat) {
  TRecordingCanvas C;
  const TColors One{clTeal};
  FillGradientBands(C, Rect(40, 30, 10, 20), One, false, 10);
  const auto B = Bands(C);
  ASSERT_EQ(B.size(), 4u) << C.Dump();
  EXPECT_EQ(B.front().Rect, Rect(10, 20, 20, 30));
  EXPECT_EQ(B.back().Rect, Rect(40, 20, 50, 30));
  for (const TBand& Band : B)
    EXPECT_EQ(Band.Color, clTeal);
}

TEST(GradientBands, SystemColoursPaintInTheirRGBValueAndTheBrushColourIsRestored) {
  TRecordingCanvas C;
  C.Brush().SetColor(clInfoBk);
  C.Brush().SetStyle(bsClear);
  const TColors Colors{clBtnFace, clBtnFace};
  FillGradientBands(C, Rect(0, 0, 4, 4), Colors, true, 1);
  ASSERT_FALSE(Bands(C).empty());
  for (const TBand& Band : Bands(C))
    EXPECT_EQ(Band.Color, ColorToRGB(clBtnFace));
  EXPECT_EQ(C.Brush().Color(), clInfoBk);
  EXPECT_EQ(C.Brush().Style(), bsClear);
}

// The walk skips bands outside the clip: what it paints must equal the same bands of an
// unclipped walk, also across segment changes, and a huge rectangle costs only what shows.
TEST(GradientBands, ClippedWalkPaintsTheSameBandsAsTheFullWalk) {
  const TColors Colors{clRed, clLime, clBlue, clYellow};
  const TRect R = Rect(0, 0, 2991, 8); // 997-pixel segments: no channel ever ties at .5
  for (int Coarseness : {1, 3, 1500}) {
    TRecordingCanvas Full(Rect(0, 0, 4000, 100));
    FillGradientBands(Full, R, Colors, false, Coarseness);
    TRecordingCanvas Part(Rect(0, 0, 4000, 100));
    Part.SetClipRect(Rect(1500, 0, 2600, 100));
    FillGradientBands(Part, R, Colors, false, Coarseness);
    std::vector<TBand> Expected;
    for (const TBand& B : Bands(Full))
      if (B.Rect.Right > 1500 && B.Rect.Left < 2600) Expected.push_back(B);
    const auto Actual = Bands(Part);
    ASSERT_EQ(Actual.size(), Expected.size()) << Coarseness;
    ASSERT_FALSE(Actual.empty());
    for (std::size_t I = 0; I < Actual.size(); ++I) {
      EXPECT_EQ(Actual[I].Rect, Expected[I].Rect) << Coarseness << " #" << I;
      EXPECT_EQ(Actual[I].Color, Expected[I].Color) << Coarseness << " #" << I;
    }
  }
}

TEST(GradientBands, HugeRectangleIsBoundedByTheVisibleSurface) {
  TRecordingCanvas C(Rect(0, 0, 1000, 50));
  const TColors Colors{clRed, clBlue};
  FillGradientBands(C, Rect(-2000000000, 0, 2000000000, 10), Colors, false, 1);
  const auto B = Bands(C);
  ASSERT_EQ(B.size(), 1000u);
  EXPECT_EQ(B.front().Rect, Rect(0, 0, 1, 10));
  EXPECT_EQ(B.back().Rect, Rect(999, 0, 1000, 10));
  // Halfway along the whole rectangle the colour is halfway between red and blue.
  EXPECT_NEAR(GetRValue(B.front().Color), 128, 1);
  EXPECT_NEAR(GetBValue(B.front().Color), 128, 1);

  C.Clear();
  FillGradientBands(C, Rect(0, -2147483647, 10, 2147483647), Colors, true, 1000000);
  EXPECT_EQ(C.Count(copFillRect), 1u);
}

TEST(FillGradient, BandDirectionsRunFromTheFirstColourAtTheirStartingEdge) {
  const TColors Colors{clYellow, clWhite};
  // Colours one step short of the last colour after 100 bands: 255 - 99 * 2.55 = 2.55.
  const TColor NearWhite = RGB(255, 255, 252);
  const TColor NearYellow = RGB(255, 255, 3);
  const struct {
    TGradientDirection Direction;
    TRect FirstBand, LastBand;
    TColor First, Last;
  } Cases[] = {
      {gdRight, Rect(0, 0, 1, 10), Rect(100, 0, 101, 10), clYellow, NearWhite},
      {gdLeft, Rect(0, 0, 1, 10), Rect(100, 0, 101, 10), clWhite, NearYellow},
      {gdDown, Rect(0, 0, 100, 1), Rect(0, 100, 100, 101), clYellow, NearWhite},
      // gdUp: white at the top, yellow at the bottom.
      {gdUp, Rect(0, 0, 100, 1), Rect(0, 100, 100, 101), clWhite, NearYellow},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    const bool Vertical = Case.Direction == gdDown || Case.Direction == gdUp;
    FillGradient(C, Vertical ? Rect(0, 0, 100, 100) : Rect(0, 0, 100, 10), Colors, Case.Direction,
                 1);
    const auto B = Bands(C);
    ASSERT_EQ(B.size(), 101u) << GradientDirectionName(Case.Direction);
    EXPECT_EQ(B.front().Rect, Case.FirstBand) << GradientDirectionName(Case.Direction);
    EXPECT_EQ(B.back().Rect, Case.LastBand) << GradientDirectionName(Case.Direction);
    EXPECT_EQ(B.front().Color, Case.First) << GradientDirectionName(Case.Direction);
    EXPECT_EQ(B.back().Color, Case.Last) << GradientDirectionName(Case.Direction);
  }
}

TEST(FillGradient, DiagonalsShadeTwoTrianglesFromStartToEndCorner) {
  // Corners 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
  const TRect R = Rect(10, 20, 110, 70);
  const TPoint Corner[4] = {{10, 20}, {110, 20}, {110, 70}, {10, 70}};
  const struct {
    TGradientDirection Direction;
    int Start, End;
  } Cases[] = {{gdDownRight, 0, 2}, {gdDownLeft, 1, 3}, {gdUpRight, 3, 1}, {gdUpLeft, 2, 0}};
  // A third colour and the coarseness are ignored.
  const TColors Colors{RGB(200, 0, 10), RGB(0, 101, 255), clLime};
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    FillGradient(C, R, Colors, Case.Direction, 25);
    const auto T = C.CommandsOf(copGradientTriangle);
    ASSERT_EQ(C.Commands().size(), 2u) << C.Dump();
    ASSERT_EQ(T.size(), 2u);
    const int Order[2][3] = {{0, 1, 3}, {1, 2, 3}};
    for (int Tri = 0; Tri < 2; ++Tri)
      for (int K = 0; K < 3; ++K) {
        const int N = Order[Tri][K];
        const TTriVertex& V = T[Tri]->Vertices[K];
        SCOPED_TRACE(std::string(GradientDirectionName(Case.Direction)) + " corner " +
                     std::to_string(N));
        EXPECT_EQ((TPoint{V.X, V.Y}), Corner[N]);
        EXPECT_EQ(V.Alpha, 0);
        if (N == Case.Start) {
          EXPECT_EQ(V.Red, 200 * 256);
          EXPECT_EQ(V.Green, 0);
          EXPECT_EQ(V.Blue, 10 * 256);
        } else if (N == Case.End) {
          EXPECT_EQ(V.Red, 0);
          EXPECT_EQ(V.Green, 101 * 256);
          EXPECT_EQ(V.Blue, 255 * 256);
        } else { // the mean of the 16-bit channels, truncated
          EXPECT_EQ(V.Red, 100 * 256);
          EXPECT_EQ(V.Green, 101 * 128);
          EXPECT_EQ(V.Blue, (10 * 256 + 255 * 256) / 2);
        }
      }
  }
}

TEST(FillGradient, DiagonalWithOneColourIsFlatAndKeepsAnInvertedRectangle) {
  TRecordingCanvas C;
  const TColors One{clBtnFace};
  FillGradient(C, Rect(50, 40, 10, 5), One, gdDownRight, 1);
  const auto T = C.CommandsOf(copGradientTriangle);
  ASSERT_EQ(T.size(), 2u);
  const TColor Face = ColorToRGB(clBtnFace);
  EXPECT_EQ((TPoint{T[0]->Vertices[0].X, T[0]->Vertices[0].Y}), Point(50, 40));
  for (const auto* Tri : T)
    for (const TTriVertex& V : Tri->Vertices) {
      EXPECT_EQ(V.Red, GetRValue(Face) * 256);
      EXPECT_EQ(V.Green, GetGValue(Face) * 256);
      EXPECT_EQ(V.Blue, GetBValue(Face) * 256);
    }
}

TEST(ColourFunctions, BlendRoundsHalvesToEvenAndClampsEachChannel) {
  const struct {
    TColor A, B;
    float T;
    TColor Expected;
  } Cases[] = {
      {clBlack, clWhite, 0.5f, RGB(128, 128, 128)}, // 127.5 -> 128
      {RGB(0, 0, 0), RGB(5, 7, 3), 0.5f, RGB(2, 4, 2)},
      {clRed, clBlue, 0.0f, clRed},
      {clRed, clBlue, 1.0f, clBlue},
      {clRed, clBlue, 0.25f, RGB(191, 0, 64)},
      {clBtnFace, clBtnFace, 0.3f, ColorToRGB(clBtnFace)},
      {clGray, clWhite, 2.0f, clWhite},       // extrapolated past white, clamped
      {clGray, clWhite, -1.0f, RGB(1, 1, 1)}, // 2 x 128 - 255
      {clWhite, clGray, -1.0f, clWhite},      // 510 - 128 > 255
  };
  for (const auto& C : Cases)
    EXPECT_EQ(Blend(C.A, C.B, C.T), C.Expected) << C.A << " " << C.B << " " << C.T;
}

TEST(ColourFunctions, ClampChannelRoundsThenLimits) {
  const struct {
    double X;
    int Expected;
  } Cases[] = {{-3, 0},      {0.5, 0},     {1.5, 2},         {2.5, 2},
               {2.51, 3},    {254.5, 254}, {255.4, 255},     {255.5, 255},
               {1e300, 255}, {-1e300, 0},  {std::nan(""), 0}};
  for (const auto& C : Cases)
    EXPECT_EQ(ClampChannel(C.X), C.Expected) << C.X;
}

} // namespace
} // namespace vx
