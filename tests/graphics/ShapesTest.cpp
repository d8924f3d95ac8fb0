#include "graphics/Shapes.h"

#include "platform/core/Graphic.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace vx {
namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

std::vector<std::string> Lines(const TRecordingCanvas& C) {
  std::vector<std::string> L;
  for (const TCanvasCommand& Cmd : C.Commands())
    L.push_back(Cmd.ToString());
  return L;
}

// What a style records, with the default pen (black, solid) and brush (white) and the
// button colours for the bevel.
struct ShapeCase {
  const char* Name;
  TVXShapeStyle Style;
  TRect Rect;
  int Depth;
  TRect Face;
  std::vector<std::string> Expected;
};

void PrintTo(const ShapeCase& C, std::ostream* Os) {
  *Os << C.Name;
}

const std::string Pen = " pen clBlack/1/psSolid";
const std::string Clear = " pen clBlack/1/psClear";
const std::string White = " brush clWhite/bsSolid";
const std::string Light = " brush clBtnHighlight/bsSolid";
const std::string Dark = " brush clBtnShadow/bsSolid";

const ShapeCase ShapeCases[] = {
    {"EllipseFillsTheRectangle",
     ssEllipse,
     Rect(0, 0, 100, 40),
     3,
     Rect(0, 0, 100, 40),
     {"Ellipse (0,0,100,40)" + Pen + White}},
    {"CircleInTheCentredSquare",
     ssCircle,
     Rect(0, 0, 100, 40),
     3,
     Rect(30, 0, 70, 40),
     {"Ellipse (30,0,70,40)" + Pen + White}},
    {"BevelledCircleInTheCentredSquare",
     ss3DCircle,
     Rect(0, 0, 100, 40),
     3,
     Rect(33, 3, 67, 37),
     {"Chord (30,0,70,40) (70,0) (30,40)" + Clear + Light,
      "Chord (30,0,70,40) (30,40) (70,0)" + Clear + Dark, "Ellipse (33,3,67,37)" + Clear + White}},
    {"BevelledEllipse",
     ss3DEllipse,
     Rect(0, 0, 100, 40),
     4,
     Rect(4, 4, 96, 36),
     {"Chord (0,0,100,40) (100,0) (0,40)" + Clear + Light,
      "Chord (0,0,100,40) (0,40) (100,0)" + Clear + Dark, "Ellipse (4,4,96,36)" + Clear + White}},
    {"RoundRectCornersAQuarterOfTheShortSide",
     ssRoundRect,
     Rect(0, 0, 100, 40),
     3,
     Rect(0, 0, 100, 40),
     {"RoundRect (0,0,100,40) corner 10x10" + Pen + White}},
    {"RoundSquare",
     ssRoundSquare,
     Rect(0, 0, 100, 40),
     3,
     Rect(30, 0, 70, 40),
     {"RoundRect (30,0,70,40) corner 10x10" + Pen + White}},
    {"BevelledRoundSquare",
     ss3DRoundSquare,
     Rect(0, 0, 100, 40),
     3,
     Rect(33, 3, 67, 37),
     {"RoundRect (30,0,70,40) corner 10x10" + Pen + Light,
      "Chord (60,0,70,10) (60,10) (70,0)" + Clear + Dark,
      "Chord (30,30,40,40) (30,40) (40,30)" + Clear + Dark, "Ellipse (60,30,70,40)" + Clear + Dark,
      "Rectangle (65,5,70,35)" + Clear + Dark, "Rectangle (35,35,65,40)" + Clear + Dark,
      "RoundRect (33,3,67,37) corner 10x10" + Clear + White}},
    {"BevelledRoundRect",
     ss3DRoundRect,
     Rect(0, 0, 100, 40),
     3,
     Rect(3, 3, 97, 37),
     {"RoundRect (0,0,100,40) corner 10x10" + Pen + Light,
      "Chord (90,0,100,10) (90,10) (100,0)" + Clear + Dark,
      "Chord (0,30,10,40) (0,40) (10,30)" + Clear + Dark, "Ellipse (90,30,100,40)" + Clear + Dark,
      "Rectangle (95,5,100,35)" + Clear + Dark, "Rectangle (5,35,95,40)" + Clear + Dark,
      "RoundRect (3,3,97,37) corner 10x10" + Clear + White}},
    {"Rectangle",
     ssRectangle,
     Rect(0, 0, 100, 40),
     3,
     Rect(0, 0, 100, 40),
     {"Rectangle (0,0,100,40)" + Pen + White}},
    {"Square",
     ssSquare,
     Rect(0, 0, 100, 40),
     3,
     Rect(30, 0, 70, 40),
     {"Rectangle (30,0,70,40)" + Pen + White}},
    {"BevelledRectangleHasThreeLightAndThreeShadowRings",
     ss3DRectangle,
     Rect(0, 0, 20, 20),
     3,
     Rect(3, 3, 17, 17),
     {"Polyline (0,19) (0,0) (19,0) pen clBtnHighlight/1/psSolid",
      "Polyline (19,0) (19,19) (-1,19) pen clBtnShadow/1/psSolid",
      "Polyline (1,18) (1,1) (18,1) pen clBtnHighlight/1/psSolid",
      "Polyline (18,1) (18,18) (0,18) pen clBtnShadow/1/psSolid",
      "Polyline (2,17) (2,2) (17,2) pen clBtnHighlight/1/psSolid",
      "Polyline (17,2) (17,17) (1,17) pen clBtnShadow/1/psSolid",
      "Rectangle (3,3,17,17) pen clBtnShadow/1/psSolid" + White}},
    {"BevelledSquare",
     ss3DSquare,
     Rect(0, 0, 100, 40),
     1,
     Rect(31, 1, 69, 39),
     {"Polyline (30,39) (30,0) (69,0) pen clBtnHighlight/1/psSolid",
      "Polyline (69,0) (69,39) (29,39) pen clBtnShadow/1/psSolid",
      "Rectangle (31,1,69,39) pen clBtnShadow/1/psSolid" + White}},
    {"Diamond",
     ssDiamond,
     Rect(0, 0, 11, 7),
     3,
     Rect(0, 0, 11, 7),
     {"Polygon (0,3) (5,0) (11,3) (5,7)" + Pen + White}},
    {"BevelledDiamond",
     ss3DDiamond,
     Rect(0, 0, 20, 10),
     2,
     Rect(0, 0, 20, 10),
     {"Polygon (0,5) (10,0) (10,10)" + Clear + Light,
      "Polygon (20,5) (10,0) (10,10)" + Clear + Dark,
      "Polygon (2,5) (10,2) (18,5) (10,8)" + Clear + White}},
    {"LeftTriangle",
     ssLeftTriangle,
     Rect(0, 0, 10, 10),
     3,
     Rect(0, 0, 10, 10),
     {"Polygon (0,5) (10,0) (10,10)" + Pen + White}},
    {"RightTriangle",
     ssRightTriangle,
     Rect(0, 0, 10, 10),
     3,
     Rect(0, 0, 10, 10),
     {"Polygon (0,0) (10,5) (0,10)" + Pen + White}},
    {"UpTriangle",
     ssUpTriangle,
     Rect(0, 0, 10, 10),
     3,
     Rect(0, 0, 10, 10),
     {"Polygon (0,10) (5,0) (10,10)" + Pen + White}},
    {"DownTriangle",
     ssDownTriangle,
     Rect(0, 0, 10, 10),
     3,
     Rect(0, 0, 10, 10),
     {"Polygon (0,0) (10,0) (5,10)" + Pen + White}},
    // In (0, 0, 20, 20) the two long sides are sqrt(500), the short one 20: the incentre
    // lies 10 * 20 / (20 + sqrt(500)) ~ 4.7 from the short side's midpoint, rounded to 6.
    {"BevelledLeftTriangle",
     ss3DLeftTriangle,
     Rect(0, 0, 20, 20),
     3,
     Rect(0, 0, 20, 20),
     {"Polygon (0,10) (20,0) (20,20)" + Clear + Light,
      "Polygon (14,10) (20,0) (20,20)" + Clear + Dark,
      "Polygon (3,10) (18,3) (18,17)" + Clear + White}},
    {"BevelledRightTriangle",
     ss3DRightTriangle,
     Rect(0, 0, 20, 20),
     3,
     Rect(0, 0, 20, 20),
     {"Polygon (20,10) (0,0) (0,20)" + Clear + Light, "Polygon (6,10) (0,0) (20,10)" + Clear + Dark,
      "Polygon (6,10) (20,10) (0,20)" + Clear + Dark,
      "Polygon (17,10) (2,3) (2,17)" + Clear + White}},
    {"BevelledUpTriangle",
     ss3DUpTriangle,
     Rect(0, 0, 20, 20),
     3,
     Rect(0, 0, 20, 20),
     {"Polygon (0,20) (10,0) (20,20)" + Clear + Light,
      "Polygon (10,0) (10,14) (20,20)" + Clear + Dark,
      "Polygon (0,20) (10,14) (20,20)" + Clear + Dark,
      "Polygon (17,18) (10,3) (3,18)" + Clear + White}},
    {"BevelledDownTriangle",
     ss3DDownTriangle,
     Rect(0, 0, 20, 20),
     3,
     Rect(0, 0, 20, 20),
     {"Polygon (0,0) (10,20) (20,0)" + Clear + Light,
      "Polygon (10,20) (10,6) (20,0)" + Clear + Dark,
      "Polygon (17,2) (10,17) (3,2)" + Clear + White}},
    // A triangle whose vertices coincide keeps them: the incentre is that point.
    {"CollapsedTriangleKeepsItsVertices",
     ss3DUpTriangle,
     Rect(5, 5, 5, 5),
     3,
     Rect(5, 5, 5, 5),
     {"Polygon (5,5) (5,5) (5,5)" + Clear + Light, "Polygon (5,5) (5,5) (5,5)" + Clear + Dark,
      "Polygon (5,5) (5,5) (5,5)" + Clear + Dark, "Polygon (5,5) (5,5) (5,5)" + Clear + White}},
    {"ImageWithoutGraphicDrawsNothing", ssImage, Rect(0, 0, 10, 10), 3, Rect(0, 0, 10, 10), {}},
    {"ImageShapeOfAListIsNotDrawnHere", ss3DImage, Rect(0, 0, 10, 10), 3, Rect(0, 0, 10, 10), {}},
};

class ShapeTable : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTable, RecordsTheFacePolygonsAndBevels) {
  const ShapeCase& C = GetParam();
  TRecordingCanvas Canvas;
  TRect Face{-1, -1, -1, -1};
  DrawShape(Canvas, C.Rect, nullptr, C.Style, true, clBtnHighlight, clBtnShadow, C.Depth, Face);
  EXPECT_EQ(Lines(Canvas), C.Expected) << Canvas.Dump();
  EXPECT_EQ(Face, C.Face);
  EXPECT_EQ(Canvas.Brush().Color(), clWhite) << "brush colour restored";
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapeTable, ::testing::ValuesIn(ShapeCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Shapes, PenStyleIsClearAfterTheBevelsThatFillWithoutOutline) {
  for (int S = ss3DRectangle; S < ShapeStyleCount; ++S) {
    const auto Style = static_cast<TVXShapeStyle>(S);
    TRecordingCanvas Canvas;
    Canvas.Brush().SetColor(clYellow);
    TRect Face;
    DrawShape(Canvas, Rect(0, 0, 30, 20), nullptr, Style, false, clWhite, clGray, 2, Face);
    const bool KeepsPen = Style == ss3DRectangle || Style == ss3DSquare || Style == ss3DImage;
    EXPECT_EQ(Canvas.Pen().Style(), KeepsPen ? psSolid : psClear) << ShapeStyleName(Style);
    EXPECT_EQ(Canvas.Brush().Color(), clYellow) << ShapeStyleName(Style);
  }
}

TEST(Shapes, StylesMapToTheirFlatForm) {
  for (int S = 0; S < 12; ++S) {
    const auto Flat = static_cast<TVXShapeStyle>(S);
    const auto Deep = static_cast<TVXShapeStyle>(S + 12);
    EXPECT_FALSE(IsShape3D(Flat));
    EXPECT_TRUE(IsShape3D(Deep));
    EXPECT_EQ(FlatShapeStyle(Deep), Flat);
    EXPECT_EQ(FlatShapeStyle(Flat), Flat);
    EXPECT_EQ(std::string(ShapeStyleName(Deep)), std::string("ss3D") + (ShapeStyleName(Flat) + 2));
  }
  EXPECT_STREQ(ShapeStyleName(static_cast<TVXShapeStyle>(24)), "");
}

TEST(Shapes, ImageShapeDrawsTheGraphicStretchedOrAtTheTopLeft) {
  TBitmap Image(8, 6);
  TRecordingCanvas Canvas;
  TRect Face;
  DrawShape(Canvas, Rect(10, 20, 50, 60), &Image, ssImage, true, clWhite, clGray, 3, Face);
  DrawShape(Canvas, Rect(10, 20, 50, 60), &Image, ssImage, false, clWhite, clGray, 3, Face);
  DrawShape(Canvas, Rect(10, 20, 50, 60), &Image, ss3DImage, true, clWhite, clGray, 3, Face);
  EXPECT_EQ(Lines(Canvas), (std::vector<std::string>{"StretchDraw (10,20,50,60) TBitmap 8x6",
                                                     "Draw (10,20,18,26) TBitmap 8x6"}));
  EXPECT_EQ(Face, Rect(10, 20, 50, 60));
}

// A canvas that fails on its Nth drawing operation, as a backend out of resources might.
class FailingCanvas : public TRecordingCanvas {
public:
  explicit FailingCanvas(int FailAt) : FFailAt(FailAt) {}

protected:
  void DoPolygon(std::span<const TPoint> Points) override {
    Step();
    TRecordingCanvas::DoPolygon(Points);
  }
  void DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) override {
    Step();
    TRecordingCanvas::DoArc(Kind, R, Start, End);
  }
  void DoRoundRect(const TRect& R, int CW, int CH) override {
    Step();
    TRecordingCanvas::DoRoundRect(R, CW, CH);
  }

private:
  void Step() {
    if (++FCount == FFailAt) throw std::runtime_error("backend failure");
  }
  int FFailAt;
  int FCount = 0;
};

TEST(Shapes, BrushColourIsRestoredWhenTheCanvasFails) {
  for (const TVXShapeStyle Style :
       {ss3DDiamond, ss3DLeftTriangle, ss3DRightTriangle, ss3DUpTriangle, ss3DDownTriangle,
        ss3DEllipse, ss3DCircle, ss3DRoundRect, ss3DRoundSquare}) {
    FailingCanvas Canvas(2); // the shadow part of the bevel
    Canvas.Brush().SetColor(clAqua);
    TRect Face;
    EXPECT_THROW(
        DrawShape(Canvas, Rect(0, 0, 40, 30), nullptr, Style, false, clWhite, clGray, 3, Face),
        std::runtime_error)
        << ShapeStyleName(Style);
    EXPECT_EQ(Canvas.Brush().Color(), clAqua) << ShapeStyleName(Style);
  }
}

TEST(Shapes, BevelSetsPenWidthOneAndShrinksByDepth) {
  TRecordingCanvas Canvas;
  Canvas.Pen().SetWidth(4);
  TRect R = Rect(0, 0, 20, 10);
  DrawBevel(Canvas, R, clWhite, clGray, 2, false, 0, 0);
  EXPECT_EQ(R, Rect(2, 2, 18, 8));
  EXPECT_EQ(Canvas.Count(copPolyline), 4u);
  EXPECT_EQ(Canvas.Pen().Width(), 1);
  EXPECT_EQ(Canvas.Pen().Color(), clGray);

  // No rings for a depth below 1, and the rectangle keeps its size.
  Canvas.Clear();
  for (const int Depth : {0, -3}) {
    R = Rect(0, 0, 20, 10);
    DrawBevel(Canvas, R, clWhite, clGray, Depth, false, 0, 0);
    EXPECT_EQ(R, Rect(0, 0, 20, 10));
  }
  EXPECT_EQ(Canvas.Count(copPolyline), 0u);

  // The rounded and elliptic bevels shrink by Depth whatever its sign.
  R = Rect(0, 0, 20, 10);
  DrawBevel(Canvas, R, clWhite, clGray, -2, true, 4, 4);
  EXPECT_EQ(R, Rect(-2, -2, 22, 12));
  DrawEllipseBevel(Canvas, R, clWhite, clGray, 5);
  EXPECT_EQ(R, Rect(3, 3, 17, 7));
}

TEST(Shapes, IncentreAndMovingKeepDegenerateTrianglesInPlace) {
  EXPECT_EQ(TriangleIncentre({4, 4}, {4, 4}, {4, 4}), Point(4, 4));
  // Collinear: the weights still make a point on the line.
  EXPECT_EQ(TriangleIncentre({0, 0}, {5, 0}, {10, 0}), Point(5, 0));
  EXPECT_EQ(MoveToward({7, 7}, {7, 7}, 3), Point(7, 7));
  EXPECT_EQ(MoveToward({0, 0}, {10, 0}, 3), Point(3, 0));
  EXPECT_EQ(MoveToward({0, 0}, {10, 0}, -3), Point(-3, 0));
  EXPECT_EQ(MoveToward({0, 0}, {2, 0}, 5), Point(5, 0)); // past I, as the arithmetic gives
  EXPECT_EQ(MoveToward({IntMax, 0}, {IntMin, 0}, -1000), Point(IntMax, 0));
  EXPECT_EQ(TriangleIncentre({IntMin, IntMin}, {IntMax, IntMin}, {IntMax, IntMax}).X > 0, true);
}

TEST(Shapes, HugeAndInvertedRectanglesDrawWhatTheArithmeticGives) {
  // The centred square of a rectangle wider than the int range.
  TRecordingCanvas Canvas;
  TRect Face;
  DrawShape(Canvas, Rect(IntMin, 0, IntMax, 10), nullptr, ssCircle, false, clWhite, clGray, 3,
            Face);
  EXPECT_EQ(Face, Rect(-6, 0, 4, 10));
  // An inverted rectangle squares toward its own corner; the canvas sorts the corners.
  DrawShape(Canvas, Rect(100, 40, 0, 0), nullptr, ssSquare, false, clWhite, clGray, 3, Face);
  EXPECT_EQ(Face, Rect(100, 70, 0, -30));
  EXPECT_EQ(Canvas.Commands().back().Rect, Rect(0, -30, 100, 70));

  // Every style on empty, inverted and extreme rectangles with sane and absurd depths:
  // nothing overflows (the sanitizer build checks) and a huge depth stays a bounded walk.
  const TRect Rects[] = {Rect(0, 0, 0, 0),
                         Rect(10, 10, 0, 0),
                         Rect(IntMin, IntMin, IntMax, IntMax),
                         Rect(IntMax, IntMax, IntMin, IntMin),
                         Rect(IntMax, 0, IntMax, 10),
                         Rect(0, 0, 3, 3)};
  for (const TRect& R : Rects)
    for (const int Depth : {3, 0, -7, IntMax, IntMin})
      for (int S = 0; S < ShapeStyleCount; ++S) {
        TRecordingCanvas C;
        DrawShape(C, R, nullptr, static_cast<TVXShapeStyle>(S), true, clWhite, clGray, Depth, Face);
        EXPECT_LE(C.Commands().size(), 2u * 4096 + 1) << ShapeStyleName(TVXShapeStyle(S));
      }
}

TEST(Shapes, BevelRingsStopWhereTheyWouldLeaveTheRectangle) {
  TRecordingCanvas Canvas;
  TRect R = Rect(0, 0, 4, 3);
  DrawBevel(Canvas, R, clWhite, clGray, 1000, false, 0, 0);
  // Rings 0..3 touch the rectangle's pixels; further rings would lie wholly outside.
  EXPECT_EQ(Canvas.Count(copPolyline), 8u);
  EXPECT_EQ(Canvas.BoundsOf(copPolyline), Rect(-1, -1, 3, 3));
  EXPECT_EQ(R, Rect(1000, 1000, -996, -997));

  // An absurd depth on a huge rectangle stops at 4096 rings; the face rectangle still moves
  // in by the whole depth, saturating.
  Canvas.Clear();
  R = Rect(IntMin, IntMin, IntMax, IntMax);
  DrawBevel(Canvas, R, clWhite, clGray, IntMax, false, 0, 0);
  EXPECT_EQ(Canvas.Count(copPolyline), 2u * 4096);
  EXPECT_EQ(R, Rect(-1, -1, 0, 0));
}

} // namespace
} // namespace vx
