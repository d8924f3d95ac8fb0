// Layers on real pixels, and the picture of the nine placements and the zoomed forms
// (docs/layers.png).

#include "chart/Axis.h"
#include "chart/Layer.h"
#include "graphics/GradientFill.h"
#include "tests/qt/DocPictures.h"
#include "tests/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vx::qt::test {
namespace {

constexpr int PicW = 64, PicH = 40;

// A picture whose orientation shows: a diagonal gradient, a dark frame and a red
// triangle in its top-left corner.
std::unique_ptr<TBitmap> SamplePicture() {
  auto B = std::make_unique<TBitmap>(PicW, PicH);
  TCanvas& C = B->Canvas();
  const TColors Colors{RGB(20, 60, 160), RGB(120, 220, 230)};
  FillGradient(C, Rect(0, 0, PicW, PicH), Colors, gdDownRight, 1);
  C.Brush().SetStyle(bsClear);
  C.Pen().SetColor(RGB(10, 20, 60));
  C.Rectangle(0, 0, PicW, PicH);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clRed);
  C.Pen().SetStyle(psClear);
  C.Polygon(std::vector<TPoint>{{1, 1}, {20, 1}, {1, 20}});
  return B;
}

struct TCell {
  TImageMode Mode;
  const char* Caption;
  bool Zoomed;
};

constexpr int CellW = 200, CellH = 120, Gap = 12, CaptionH = 20, Columns = 3;

TRect CellRect(int N) {
  const int Left = Gap + (N % Columns) * (CellW + Gap);
  const int Top = Gap + (N / Columns) * (CellH + CaptionH + Gap) + CaptionH;
  return Rect(Left, Top, Left + CellW, Top + CellH);
}

QImage LayersPicture() {
  const std::array<TCell, 12> Cells = {{
      {imCenter, "imCenter", false},
      {imLeft, "imLeft", false},
      {imRight, "imRight", false},
      {imTop, "imTop", false},
      {imBottom, "imBottom", false},
      {imStretch, "imStretch", false},
      {imTile, "imTile", false},
      {imProportional, "imProportional", false},
      {imProportionalCenter, "imProportionalCenter", false},
      {imStretch, "imStretch, zoomed", true},
      {imTile, "imTile, zoomed", true},
      {imLeft, "imLeft, zoomed", true},
  }};
  const int Rows = int(Cells.size()) / Columns;
  TImageCanvas S(Columns * CellW + (Columns + 1) * Gap, Rows * (CellH + CaptionH + Gap) + Gap);
  TCanvas& C = *S.Canvas;
  // Zoomed cells: the axes show the middle of each range at twice the size.
  TVXChartAxis H, V;
  H.SetLocation(caBottom);
  V.SetLocation(caLeft);
  H.SetMaximum(100);
  V.SetMaximum(100);
  H.SetZoomMaximum(75);
  H.SetZoomMinimum(25);
  V.SetZoomMaximum(75);
  V.SetZoomMinimum(25);
  for (int N = 0; N < int(Cells.size()); ++N) {
    const TRect R = CellRect(N);
    CaptionFont(C);
    Caption(C, R.Left, R.Right, R.Top - CaptionH, Cells[N].Caption);
    TVXChartLayer L;
    L.Brush().SetColor(RGB(236, 236, 228));
    L.Image().SetGraphic(SamplePicture());
    L.SetImageMode(Cells[N].Mode);
    if (Cells[N].Zoomed)
      L.PaintWithAxes(C, R, &V, &H);
    else
      L.Paint(C, R);
    C.Brush().SetStyle(bsClear);
    C.Pen().SetStyle(psSolid);
    C.Pen().SetColor(clGray);
    C.Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  }
  return S.Done().copy();
}

TEST(LayerPixels, PictureOfTheModes) {
  const QImage I = LayersPicture();
  const auto Picture = SamplePicture();
  const auto Pic = [&](int X, int Y) { return ToRgb(Picture->Pixel(X, Y)); };
  const auto At = [&](int N, int X, int Y) {
    const TRect R = CellRect(N);
    return I.pixel(R.Left + X, R.Top + Y);
  };
  const QRgb Fill = ToRgb(RGB(236, 236, 228));
  // imCenter: the picture's top-left at (68, 40) of the cell, the fill around it.
  EXPECT_EQ(At(0, 68, 40), Pic(0, 0));
  EXPECT_EQ(At(0, 67, 40), Fill);
  EXPECT_EQ(At(0, 68 + 63, 40 + 39), Pic(63, 39));
  // imLeft, imRight, imTop, imBottom.
  EXPECT_EQ(At(1, 5, 45), Pic(5, 5));
  EXPECT_EQ(At(2, 199, 40), Pic(63, 0));
  EXPECT_EQ(At(3, 68, 0), Pic(0, 0));
  EXPECT_EQ(At(4, 68, 119), Pic(0, 39));
  // imStretch: corners of the cell are the picture's corners.
  EXPECT_EQ(At(5, 0, 0), Pic(0, 0));
  EXPECT_EQ(At(5, 199, 119), Pic(63, 39));
  // imTile: the second tile starts one picture width to the right.
  EXPECT_EQ(At(6, 64, 0), Pic(0, 0));
  EXPECT_EQ(At(6, 64 + 5, 40 + 5), Pic(5, 5));
  // imProportional: 192 x 120 at the left, the fill beside it; centred: 4 pixels in.
  EXPECT_EQ(At(7, 0, 0), Pic(0, 0));
  EXPECT_EQ(At(7, 195, 60), Fill);
  EXPECT_EQ(At(8, 4, 0), Pic(0, 0));
  EXPECT_EQ(At(8, 1, 60), Fill);
  // Zoomed stretch: the middle half of the picture fills the cell.
  EXPECT_EQ(At(9, 0, 0), Pic(16, 10));
  if (WriteDocs()) SaveDocPicture(I, "layers.png");
}

} // namespace
} // namespace vx::qt::test
