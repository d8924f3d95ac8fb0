// Gradients on real pixels: the bands and the diagonal shading through the Qt canvas, and
// the picture of the eight directions (docs/gradients.png).

#include "chart/Gradient.h"
#include "graphics/GradientFill.h"
#include "tests/qt/DocPictures.h"
#include "tests/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace vx::qt::test {
namespace {

int Channel(QRgb P, int Shift) {
  return (P >> Shift) & 0xFF;
}

TEST(GradientPixels, BandsPaintTheirColoursColumnByColumn) {
  TImageCanvas S(110, 10);
  const TColors Colors{clRed, clBlue};
  FillGradientBands(*S.Canvas, Rect(0, 0, 100, 10), Colors, false, 1);
  const QImage& I = S.Done();
  EXPECT_EQ(I.pixel(0, 5), ToRgb(clRed));
  EXPECT_EQ(I.pixel(99, 5), ToRgb(RGB(3, 0, 252)));
  EXPECT_EQ(I.pixel(100, 5), ToRgb(RGB(3, 0, 252))); // the band at the far edge
  EXPECT_EQ(I.pixel(101, 5), White);
  EXPECT_EQ(I.pixel(50, 9), I.pixel(50, 0));
}

TEST(GradientPixels, DiagonalIsOneLinearGradientFromStartToEndCorner) {
  const int W = 120, H = 60;
  const TColors Colors{RGB(0, 40, 200), RGB(240, 200, 0)};
  const struct {
    TGradientDirection Direction;
    bool StartLeft, StartTop;
  } Cases[] = {{gdDownRight, true, true},
               {gdDownLeft, false, true},
               {gdUpRight, true, false},
               {gdUpLeft, false, false}};
  for (const auto& C : Cases) {
    TImageCanvas S(W, H);
    FillGradient(*S.Canvas, Rect(0, 0, W, H), Colors, C.Direction, 1);
    const QImage& I = S.Done();
    int Worst = 0;
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        // Fraction of the way from the start corner, at the pixel's centre.
        const double U = (C.StartLeft ? X + 0.5 : W - X - 0.5) / W;
        const double V = (C.StartTop ? Y + 0.5 : H - Y - 0.5) / H;
        const double T = (U + V) / 2;
        const QRgb P = I.pixel(X, Y);
        const int Expected[3] = {int(std::lround(0 + 240 * T)), int(std::lround(40 + 160 * T)),
                                 int(std::lround(200 - 200 * T))};
        const int Got[3] = {Channel(P, 16), Channel(P, 8), Channel(P, 0)};
        for (int K = 0; K < 3; ++K)
          Worst = std::max(Worst, std::abs(Got[K] - Expected[K]));
      }
    EXPECT_LE(Worst, 2) << GradientDirectionName(C.Direction);
  }
}

// Eight cells, each painted by a gradient decoration in one direction, blue to yellow.
QImage GradientsPicture() {
  const int CellW = 180, CellH = 110, Gap = 12, CaptionH = 20;
  const int W = 4 * CellW + 5 * Gap;
  const int H = 2 * (CellH + CaptionH) + 3 * Gap;
  TImageCanvas S(W, H);
  TCanvas& C = *S.Canvas;
  const TGradientDirection Order[8] = {gdDownRight, gdDown,    gdDownLeft, gdRight,
                                       gdLeft,      gdUpRight, gdUp,       gdUpLeft};
  for (int N = 0; N < 8; ++N) {
    const int Left = Gap + (N % 4) * (CellW + Gap);
    const int Top = Gap + (N / 4) * (CellH + CaptionH + Gap);
    CaptionFont(C);
    Caption(C, Left, Left + CellW, Top, GradientDirectionName(Order[N]));
    TVXChartGradient G;
    G.SetDirection(Order[N]);
    G.SetStartColor(RGB(20, 50, 190));
    G.SetEndColor(RGB(255, 215, 40));
    const TRect Cell = Rect(Left, Top + CaptionH, Left + CellW, Top + CaptionH + CellH);
    G.Paint(C, Cell);
    C.Brush().SetStyle(bsClear);
    C.Pen().SetColor(clGray);
    C.Rectangle(Cell.Left - 1, Cell.Top - 1, Cell.Right + 1, Cell.Bottom + 1);
  }
  return S.Done().copy();
}

TEST(GradientPixels, PictureOfTheEightDirections) {
  const QImage I = GradientsPicture();
  // Spot checks: where each direction starts its first colour (blue) and ends near its
  // last (yellow); cells are 180 x 110 below a 20-pixel caption, 12 pixels apart.
  const auto CellPixel = [&](int N, int X, int Y) {
    return I.pixel(12 + (N % 4) * 192 + X, 12 + (N / 4) * 142 + 20 + Y);
  };
  const auto Bluish = [](QRgb P) { return Channel(P, 0) > 150 && Channel(P, 16) < 60; };
  const auto Yellowish = [](QRgb P) { return Channel(P, 16) > 230 && Channel(P, 0) < 80; };
  const struct {
    int Cell, X0, Y0, X1, Y1;
  } Starts[] = {{0, 0, 0, 179, 109}, {1, 90, 0, 90, 109}, {2, 179, 0, 0, 109}, {3, 0, 55, 179, 55},
                {4, 179, 55, 0, 55}, {5, 0, 109, 179, 0}, {6, 90, 109, 90, 0}, {7, 179, 109, 0, 0}};
  for (const auto& S : Starts) {
    EXPECT_TRUE(Bluish(CellPixel(S.Cell, S.X0, S.Y0))) << "cell " << S.Cell;
    EXPECT_TRUE(Yellowish(CellPixel(S.Cell, S.X1, S.Y1))) << "cell " << S.Cell;
  }
  if (WriteDocs()) SaveDocPicture(I, "gradients.png");
}

} // namespace
} // namespace vx::qt::test
