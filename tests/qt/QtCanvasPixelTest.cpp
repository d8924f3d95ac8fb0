// The integer conventions of the canvas, checked on the pixels of a QImage.

#include "tests/qt/QtTestSupport.h"

#include <gtest/gtest.h>

namespace vx::qt::test {
namespace {

class QtCanvasPixels : public ::testing::Test {
protected:
  TImageCanvas Surface{24, 24};
  TCanvas& C = *Surface.Canvas;

  void ExpectPixels(const TPixelSet& Expected, QRgb Background = White) {
    const QImage& I = Surface.Done();
    EXPECT_EQ(PixelsNot(I, Background), Expected) << Picture(I, Expected, Background);
  }
};

TEST_F(QtCanvasPixels, RectangleOutlinesAndFillsExactlyItsBox) {
  C.Pen().SetColor(clBlack);
  C.Brush().SetColor(clRed);
  C.Rectangle(0, 0, 10, 10);
  const QImage& I = Surface.Done();
  EXPECT_EQ(PixelsOf(I, ToRgb(clBlack)), Outline(0, 0, 10, 10));
  EXPECT_EQ(PixelsOf(I, ToRgb(clRed)), Area(1, 1, 9, 9));
  EXPECT_EQ(PixelsNot(I), Area(0, 0, 10, 10)) << Picture(I, Area(0, 0, 10, 10));
}

TEST_F(QtCanvasPixels, FillRectAndClearPenRectangleCoverTheSamePixels) {
  C.Brush().SetColor(clBlue);
  C.FillRect(Rect(2, 3, 9, 7));
  C.Pen().SetStyle(psClear);
  C.Rectangle(12, 3, 19, 7);
  TPixelSet Expected = Area(2, 3, 9, 7);
  for (auto P : Area(12, 3, 19, 7))
    Expected.insert(P);
  const QImage& I = Surface.Done();
  EXPECT_EQ(PixelsOf(I, ToRgb(clBlue)), Expected) << Picture(I, Expected);
  EXPECT_EQ(PixelsNot(I), Expected);
}

TEST_F(QtCanvasPixels, ClearBrushFillsNothing) {
  C.Brush().SetStyle(bsClear);
  C.Rectangle(2, 2, 12, 12);
  C.Ellipse(12, 2, 22, 12);
  C.Pen().SetStyle(psClear);
  C.FillRect(Rect(0, 14, 24, 24));
  C.Polygon(std::vector<TPoint>{{0, 14}, {20, 14}, {10, 23}});
  const QImage& I = Surface.Done();
  EXPECT_EQ(PixelsOf(I, ToRgb(clWhite)).size() + PixelsOf(I, ToRgb(clBlack)).size(), 24u * 24u);
  const TPixelSet Black = PixelsOf(I, ToRgb(clBlack));
  EXPECT_FALSE(Black.count({7, 7})) << "inside of the rectangle";
  EXPECT_FALSE(Black.count({17, 7})) << "inside of the ellipse";
  EXPECT_TRUE(Minus(Black, Area(0, 0, 24, 12)).empty()) << Picture(I, Outline(2, 2, 12, 12));
}

TEST_F(QtCanvasPixels, ClearPenDrawsNoOutline) {
  C.Pen().SetStyle(psClear);
  C.Brush().SetColor(clLime);
  C.MoveTo(0, 20);
  C.LineTo(20, 20);
  C.Polyline(std::vector<TPoint>{{0, 22}, {20, 22}});
  C.Arc(0, 0, 10, 10, 10, 5, 0, 5);
  C.Rectangle(12, 0, 20, 8);
  const QImage& I = Surface.Done();
  EXPECT_TRUE(PixelsOf(I, ToRgb(clBlack)).empty());
  EXPECT_EQ(PixelsNot(I), Area(12, 0, 20, 8)) << Picture(I, Area(12, 0, 20, 8));
}

TEST_F(QtCanvasPixels, LineToLeavesItsEndPixelUnset) {
  struct TCase {
    TPoint From, To;
  };
  const TCase Cases[] = {{{2, 2}, {12, 2}},   {{12, 4}, {2, 4}},    {{20, 2}, {20, 12}},
                         {{22, 12}, {22, 2}}, {{2, 6}, {10, 14}},   {{3, 20}, {15, 16}},
                         {{16, 12}, {8, 20}}, {{18, 23}, {10, 15}}, {{17, 22}, {23, 21}}};
  for (const TCase& K : Cases) {
    C.MoveTo(K.From.X, K.From.Y);
    C.LineTo(K.To.X, K.To.Y);
    EXPECT_EQ(C.PenPos(), K.To);
  }
  const QImage& I = Surface.Done();
  const TPixelSet Set = PixelsNot(I);
  for (const TCase& K : Cases) {
    EXPECT_TRUE(Set.count({K.From.X, K.From.Y})) << "start " << K.From.X << "," << K.From.Y;
    EXPECT_FALSE(Set.count({K.To.X, K.To.Y})) << "end " << K.To.X << "," << K.To.Y;
  }
  // Horizontal and vertical lines are exactly their pixels.
  for (int X = 2; X < 12; ++X)
    EXPECT_TRUE(Set.count({X, 2}) && Set.count({X + 1, 4}));
  EXPECT_FALSE(Set.count({1, 2}));
  for (int Y = 2; Y < 12; ++Y)
    EXPECT_TRUE(Set.count({20, Y}) && Set.count({22, Y + 1}));
}

TEST_F(QtCanvasPixels, PolylineIsOpenAndPolygonClosed) {
  const std::vector<TPoint> Points{{2, 2}, {10, 2}, {10, 10}};
  C.Polyline(Points);
  C.Brush().SetStyle(bsClear);
  const std::vector<TPoint> Shifted{{12, 2}, {20, 2}, {20, 10}};
  C.Polygon(Shifted);
  const TPixelSet Set = PixelsNot(Surface.Done());
  EXPECT_FALSE(Set.count({10, 10})) << "the polyline's end pixel";
  EXPECT_FALSE(Set.count({6, 6})) << "no closing edge";
  EXPECT_TRUE(Set.count({20, 10}));
  EXPECT_TRUE(Set.count({16, 6})) << "closing edge of the polygon";
}

TEST_F(QtCanvasPixels, EllipseStaysInItsBoxAndIsSymmetric) {
  for (bool Outline : {true, false}) {
    TImageCanvas S(24, 24);
    if (!Outline) S.Canvas->Pen().SetStyle(psClear);
    S.Canvas->Brush().SetColor(clRed);
    S.Canvas->Ellipse(3, 4, 20, 15);
    const TPixelSet Set = PixelsNot(S.Done());
    EXPECT_TRUE(Minus(Set, Area(3, 4, 20, 15)).empty()) << Picture(S.Image, Area(3, 4, 20, 15));
    // The box is touched on all four sides, and the shape mirrors about its centre.
    EXPECT_TRUE(Set.count({3, 9}) && Set.count({19, 9}) && Set.count({11, 4}) &&
                Set.count({11, 14}))
        << Picture(S.Image, {});
    for (const auto& [X, Y] : Set) {
      EXPECT_TRUE(Set.count({3 + 19 - X, Y})) << X << "," << Y;
      EXPECT_TRUE(Set.count({X, 4 + 14 - Y})) << X << "," << Y;
    }
  }
}

TEST_F(QtCanvasPixels, ArcsRunCounterClockwiseFromTheFirstRay) {
  // From the ray to the right (3 o'clock) to the ray upwards (12 o'clock): the upper right
  // quarter only.
  C.Pen().SetColor(clBlack);
  C.Brush().SetColor(clRed);
  C.Pie(0, 0, 21, 21, 20, 10, 10, 0);
  const QImage& I = Surface.Done();
  const TPixelSet Set = PixelsNot(I);
  EXPECT_TRUE(Set.count({15, 5})) << Picture(I, {});
  EXPECT_FALSE(Set.count({5, 5}));
  EXPECT_FALSE(Set.count({5, 15}));
  EXPECT_FALSE(Set.count({15, 15}));
  EXPECT_TRUE(Minus(Set, Area(10, 0, 21, 11)).empty()) << Picture(I, Area(10, 0, 21, 11));
}

TEST_F(QtCanvasPixels, ChordAndArcOfTheLowerHalf) {
  C.Brush().SetColor(clRed);
  C.Chord(0, 0, 21, 21, 0, 10, 20, 10); // left to right counter-clockwise: the lower half
  const TPixelSet Set = PixelsNot(Surface.Done());
  EXPECT_TRUE(Set.count({10, 15}));
  EXPECT_FALSE(Set.count({10, 5}));
}

TEST_F(QtCanvasPixels, ClipRectangleStopsDrawingAtItsEdge) {
  C.SetClipRect(Rect(5, 5, 15, 12));
  C.Brush().SetColor(clRed);
  C.Pen().SetWidth(3);
  C.Rectangle(0, 0, 24, 24);
  C.Ellipse(0, 0, 24, 24);
  C.MoveTo(0, 8);
  C.LineTo(24, 8);
  C.TextOut(0, 5, "Clipped text");
  EXPECT_EQ(C.ClipRect(), Rect(5, 5, 15, 12));
  C.RemoveClip();
  EXPECT_EQ(C.ClipRect(), Rect(0, 0, 24, 24));
  C.Pen().SetWidth(1);
  C.MoveTo(0, 20);
  C.LineTo(24, 20);
  TPixelSet Expected = Area(5, 5, 15, 12);
  for (int X = 0; X < 24; ++X)
    Expected.insert({X, 20});
  const QImage& I = Surface.Done();
  EXPECT_EQ(PixelsNot(I), Expected) << Picture(I, Expected);
}

TEST_F(QtCanvasPixels, EmptyClipLetsNothingThrough) {
  C.SetClipRect(Rect(10, 10, 10, 30));
  C.Brush().SetColor(clRed);
  C.FillRect(Rect(0, 0, 24, 24));
  C.TextRect(Rect(0, 0, 24, 24), 0, 0, "x");
  EXPECT_TRUE(PixelsNot(Surface.Done()).empty());
}

TEST_F(QtCanvasPixels, PenStylesDrawTheirDashes) {
  struct TCase {
    TPenStyle Style;
    int On; // set pixels on a 48-pixel line
  };
  const TCase Cases[] = {{psSolid, 48},
                         {psDash, 18 + 18},
                         {psDot, 24},
                         {psDashDot, 9 + 3 + 9 + 3},
                         {psDashDotDot, 9 + 3 + 3 + 9 + 3 + 3}};
  for (const TCase& K : Cases) {
    TImageCanvas S(48, 3);
    S.Canvas->Pen().SetStyle(K.Style);
    S.Canvas->MoveTo(0, 1);
    S.Canvas->LineTo(48, 1);
    const TPixelSet Set = PixelsNot(S.Done());
    EXPECT_EQ(int(Set.size()), K.On) << "style " << int(K.Style) << Picture(S.Image, {});
    EXPECT_TRUE(Set.count({0, 1}));
  }
}

TEST_F(QtCanvasPixels, HatchBrushesLeaveGapsTransparent) {
  C.Brush().SetColor(clBlue);
  C.Brush().SetStyle(bsHorizontal);
  C.FillRect(Rect(0, 0, 16, 16));
  const QImage& I = Surface.Done();
  const TPixelSet Blue = PixelsOf(I, ToRgb(clBlue));
  EXPECT_EQ(Blue.size(), 16u * 2u) << Picture(I, {});
  EXPECT_EQ(PixelsOf(I, White).size(), 24u * 24u - Blue.size());
}

TEST_F(QtCanvasPixels, WidePenIsCentredOnTheOutlineAndInsideFrameStaysInside) {
  C.Brush().SetStyle(bsClear);
  C.Pen().SetWidth(3);
  C.Rectangle(4, 4, 12, 12);
  C.Pen().SetStyle(psInsideFrame);
  C.Rectangle(14, 4, 22, 12);
  const QImage& I = Surface.Done();
  const TPixelSet Set = PixelsNot(I);
  const TPixelSet Centred = Minus(Area(3, 3, 13, 13), Area(6, 6, 10, 10));
  const TPixelSet Inside = Minus(Area(14, 4, 22, 12), Area(17, 7, 19, 9));
  TPixelSet Both = Centred;
  Both.insert(Inside.begin(), Inside.end());
  EXPECT_EQ(Set, Both) << Picture(I, Both);
}

TEST_F(QtCanvasPixels, FocusRectInvertsEveryOtherPixelAndTwiceRestores) {
  C.Brush().SetColor(clNavy);
  C.FillRect(Rect(0, 0, 24, 24));
  const QImage Before = [&] {
    TImageCanvas S(24, 24);
    S.Canvas->Brush().SetColor(clNavy);
    S.Canvas->FillRect(Rect(0, 0, 24, 24));
    return S.Done();
  }();
  C.DrawFocusRect(Rect(2, 3, 20, 17));
  Surface.Canvas->Painter().end();
  const TPixelSet Changed = PixelsNot(Surface.Image, ToRgb(clNavy));
  EXPECT_EQ(Changed.size(), Outline(2, 3, 20, 17).size() / 2);
  EXPECT_TRUE(Minus(Changed, Outline(2, 3, 20, 17)).empty());
  Surface.Canvas->Painter().begin(&Surface.Image);
  C.DrawFocusRect(Rect(2, 3, 20, 17));
  EXPECT_EQ(Surface.Done(), Before);
}

TEST_F(QtCanvasPixels, TextCellStartsAtTheGivenPoint) {
  C.Font().SetColor(clBlack);
  C.Brush().SetColor(clYellow);
  const TSize Extent = C.TextExtent("Hg");
  C.TextOut(3, 4, "Hg");
  const QImage& I = Surface.Done();
  const TPixelSet Set = PixelsNot(I);
  EXPECT_EQ(Set, Area(3, 4, 3 + Extent.cx, 4 + Extent.cy)) << Picture(I, {});
  int Dark = 0;
  for (const auto& [X, Y] : Set)
    Dark += qGray(I.pixel(X, Y)) < 100;
  EXPECT_GT(Dark, 10) << "glyphs in the font colour";
}

TEST_F(QtCanvasPixels, TurnedTextGoesCounterClockwise) {
  // At 90 degrees the text runs upwards from its origin, the cell to the right of it.
  TImageCanvas S(40, 60);
  S.Canvas->Font().SetOrientation(900);
  S.Canvas->Font().SetHeight(-14);
  const TSize Extent = S.Canvas->TextExtent("WWW");
  S.Canvas->TextOut(10, 50, "WWW");
  const TPixelSet Set = PixelsNot(S.Done());
  ASSERT_FALSE(Set.empty());
  for (const auto& [X, Y] : Set) {
    EXPECT_GE(X, 10);
    EXPECT_LT(X, 10 + Extent.cy + 1);
    EXPECT_LE(Y, 50);
    EXPECT_GE(Y, 50 - Extent.cx - 1);
  }
}

TEST_F(QtCanvasPixels, TextRectClipsToItsRectangle) {
  C.Brush().SetStyle(bsClear);
  C.Font().SetHeight(-20);
  C.TextRect(Rect(4, 4, 10, 12), 0, 0, "WWWW");
  const QImage& I = Surface.Done();
  const TPixelSet Set = PixelsNot(I);
  EXPECT_FALSE(Set.empty());
  EXPECT_TRUE(Minus(Set, Area(4, 4, 10, 12)).empty()) << Picture(I, Area(4, 4, 10, 12));
}

TEST_F(QtCanvasPixels, GradientTriangleInterpolatesCornerColours) {
  TImageCanvas S(64, 64);
  const TTriVertex A{0, 0, 0xFF00, 0, 0, 0}, B{64, 0, 0, 0xFF00, 0, 0}, D{0, 64, 0, 0, 0xFF00, 0};
  S.Canvas->GradientTriangle(A, B, D);
  const QImage& I = S.Done();
  const QRgb Corner = I.pixel(0, 0);
  EXPECT_GE(qRed(Corner), 245);
  EXPECT_LE(qGreen(Corner) + qBlue(Corner), 10);
  EXPECT_GE(qGreen(I.pixel(62, 0)), 240);
  EXPECT_GE(qBlue(I.pixel(0, 62)), 240);
  const QRgb Middle = I.pixel(20, 20);
  EXPECT_NEAR(qRed(Middle), 95, 6);
  EXPECT_NEAR(qGreen(Middle), 80, 6);
  EXPECT_NEAR(qBlue(Middle), 80, 6);
  EXPECT_EQ(I.pixel(40, 40), White) << "outside the triangle";
  // The covered pixels are those of the same polygon filled without outline.
  TImageCanvas P(64, 64);
  P.Canvas->Pen().SetStyle(psClear);
  P.Canvas->Brush().SetColor(clBlack);
  P.Canvas->Polygon(std::vector<TPoint>{{0, 0}, {64, 0}, {0, 64}});
  EXPECT_EQ(PixelsNot(I), PixelsNot(P.Done()));
}

TEST_F(QtCanvasPixels, AntialiasingSwitchesSmoothEdges) {
  auto Shades = [](bool Smooth) {
    TImageCanvas S(24, 24);
    S.Canvas->SetAntialiasing(Smooth);
    S.Canvas->Brush().SetColor(clBlack);
    S.Canvas->Ellipse(2, 2, 22, 22);
    std::set<QRgb> Colours;
    const QImage& I = S.Done();
    for (int Y = 0; Y < 24; ++Y)
      for (int X = 0; X < 24; ++X)
        Colours.insert(I.pixel(X, Y));
    return Colours.size();
  };
  EXPECT_EQ(Shades(false), 2u);
  EXPECT_GT(Shades(true), 4u);
}

} // namespace
} // namespace vx::qt::test
