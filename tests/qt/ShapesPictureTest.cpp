// All 24 shapes drawn through the Qt canvas: flat ones in the upper two rows, their
// three-dimensional variants below, each labelled with its name. The test checks on the
// pixels that every bevel is light on the upper left and dark on the lower right; with
// VX_WRITE_DOCS=1 it also writes the picture to docs/shapes.png.

#include "tests/qt/QtTestSupport.h"

#include "graphics/Shapes.h"
#include "platform/core/ImageList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vx::qt::test {
namespace {

constexpr int Columns = 6;
constexpr int CellWidth = 130;
constexpr int CellHeight = 100;
constexpr int PictureWidth = Columns * CellWidth;
constexpr int PictureHeight = 4 * CellHeight;
constexpr int Depth = 4;
constexpr TColor Background = clBtnFace;
constexpr TColor FaceColor = clSkyBlue;

// Wider than high, so that the squared styles show their centred square.
TRect ShapeRect(int Style) {
  const int X = (Style % Columns) * CellWidth;
  const int Y = (Style / Columns) * CellHeight;
  return Rect(X + 15, Y + 10, X + CellWidth - 15, Y + 70);
}

// A small picture for the image shapes: four coloured quarters with a dark cross, in colours
// that are neither the bevel's nor the face's.
void PaintImage(TBitmap& B) {
  B.SetSize(32, 32);
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X) {
      TColor C = X < 16 ? (Y < 16 ? clRed : clGreen) : (Y < 16 ? clYellow : clBlue);
      if (X == Y || X == 31 - Y) C = clNavy;
      B.SetPixel(X, Y, C);
    }
}

void DrawShapeGrid(TCanvas& Canvas) {
  Canvas.Brush().SetColor(Background);
  Canvas.FillRect(Rect(0, 0, PictureWidth, PictureHeight));
  TBitmap Image;
  PaintImage(Image);
  TImageList Images(32, 32);
  Images.Add(Image);
  for (int S = 0; S < ShapeStyleCount; ++S) {
    const auto Style = static_cast<TVXShapeStyle>(S);
    const TRect R = ShapeRect(S);
    // Shapes leave the pen style clear behind them; every shape starts from the same state.
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(FaceColor);
    TRect Face;
    if (Style == ss3DImage)
      DrawShapeImage(Canvas, R, &Images, 0, Style, ssRectangle, true, clBtnHighlight, clBtnShadow,
                     Depth, Face);
    else
      DrawShape(Canvas, R, &Image, Style, true, clBtnHighlight, clBtnShadow, Depth, Face);

    Canvas.Brush().SetStyle(bsClear);
    Canvas.Font().SetName("DejaVu Sans");
    Canvas.Font().SetHeight(-11);
    Canvas.Font().SetColor(clBlack);
    TRect Label = Rect(R.Left - 15, R.Bottom + 6, R.Right + 15, R.Bottom + 24);
    Canvas.DrawText(ShapeStyleName(Style), Label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

struct Centroid {
  double X = 0, Y = 0;
  int Count = 0;
};

Centroid CentroidOf(const QImage& Image, const TRect& R, QRgb Colour) {
  Centroid C;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      if (Image.pixel(X, Y) == Colour) {
        C.X += X;
        C.Y += Y;
        ++C.Count;
      }
  if (C.Count > 0) {
    C.X /= C.Count;
    C.Y /= C.Count;
  }
  return C;
}

TEST(ShapesPicture, BevelsAreLightOnTheUpperLeftAndDarkOnTheLowerRight) {
  TImageCanvas Target(PictureWidth, PictureHeight);
  DrawShapeGrid(*Target.Canvas);
  const QImage& Image = Target.Done();

  for (int S = 0; S < ShapeStyleCount; ++S) {
    const auto Style = static_cast<TVXShapeStyle>(S);
    const TRect R = ShapeRect(S);
    const Centroid Light = CentroidOf(Image, R, ToRgb(clBtnHighlight));
    const Centroid Dark = CentroidOf(Image, R, ToRgb(clBtnShadow));
    const Centroid Face = CentroidOf(Image, R, ToRgb(FaceColor));
    if (FlatShapeStyle(Style) != ssImage) {
      EXPECT_GT(Face.Count, 0) << ShapeStyleName(Style) << " has no face";
    }
    if (!IsShape3D(Style)) {
      EXPECT_EQ(Light.Count + Dark.Count, 0) << ShapeStyleName(Style) << " has a bevel";
      continue;
    }
    ASSERT_GT(Light.Count, 0) << ShapeStyleName(Style);
    ASSERT_GT(Dark.Count, 0) << ShapeStyleName(Style);
    EXPECT_LE(Light.X, Dark.X) << ShapeStyleName(Style);
    EXPECT_LE(Light.Y, Dark.Y) << ShapeStyleName(Style);
    EXPECT_LT(Light.X + Light.Y, Dark.X + Dark.Y - 2) << ShapeStyleName(Style);
  }

  if (const char* Write = std::getenv("VX_WRITE_DOCS"); Write && std::string(Write) == "1") {
    const std::string Path = std::string(VX_TEST_DATA_DIR) + "/../../docs/shapes.png";
    ASSERT_TRUE(Image.save(QString::fromStdString(Path), "PNG")) << Path;
  }
}

} // namespace
} // namespace vx::qt::test
