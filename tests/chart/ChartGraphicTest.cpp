#include "chart/ChartGraphic.h"
#include "chart/Gradient.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Graphic.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

// A decoration that logs what reaches its Draw.
class TProbe : public TVXChartGraphicArea {
  VX_CLASS_NAME(TProbe)
public:
  std::vector<std::string>* Log = nullptr;
  std::vector<TRect> DrawnRects;
  void Draw(TCanvas& Canvas, const TRect& Rect) override {
    TVXChartGraphicArea::Draw(Canvas, Rect);
    DrawnRects.push_back(Rect);
    if (Log) Log->push_back("Draw");
  }
};

TEST(ChartGraphic, PaintRunsDrawingThenDrawThenDrawEventWithTheDecorationAsSender) {
  TProbe P;
  std::vector<std::string> Log;
  P.Log = &Log;
  TRecordingCanvas C;
  TObject* DrawingSender = nullptr;
  TObject* DrawSender = nullptr;
  TCanvas* EventCanvas = nullptr;
  P.SetOnDrawing([&](TObject* S, TCanvas* Cv, TRect R, bool& DoDraw) {
    DrawingSender = S;
    EventCanvas = Cv;
    EXPECT_TRUE(DoDraw);
    EXPECT_EQ(R, Rect(1, 2, 30, 40));
    Log.push_back("OnDrawing");
  });
  P.SetOnDraw([&](TObject* S, TCanvas*, TRect R) {
    DrawSender = S;
    EXPECT_EQ(R, Rect(1, 2, 30, 40));
    Log.push_back("OnDraw");
  });
  P.Paint(C, Rect(1, 2, 30, 40));
  EXPECT_EQ(Log, (std::vector<std::string>{"OnDrawing", "Draw", "OnDraw"}));
  EXPECT_EQ(DrawingSender, &P);
  EXPECT_EQ(DrawSender, &P);
  EXPECT_EQ(EventCanvas, &C);
}

TEST(ChartGraphic, DrawingHandlerCancelsDrawAndDrawEvent) {
  TProbe P;
  int Draws = 0;
  P.SetOnDrawing([](TObject*, TCanvas*, TRect, bool& DoDraw) { DoDraw = false; });
  P.SetOnDraw([&](TObject*, TCanvas*, TRect) { ++Draws; });
  TRecordingCanvas C;
  P.Paint(C, Rect(0, 0, 10, 10));
  EXPECT_TRUE(P.DrawnRects.empty());
  EXPECT_EQ(Draws, 0);
}

TEST(ChartGraphic, HandlerChangingItsRectangleChangesNothingPainted) {
  TProbe P;
  TRect Caller = Rect(5, 5, 50, 50);
  // The handler's rectangle is its own copy; even the caller's variable may change.
  P.SetOnDrawing([&](TObject*, TCanvas*, TRect R, bool&) {
    R = Rect(0, 0, 1, 1);
    Caller = Rect(-1, -1, 0, 0);
    (void)R;
  });
  TRect Seen;
  P.SetOnDraw([&](TObject*, TCanvas*, TRect R) { Seen = R; });
  TRecordingCanvas C;
  P.Paint(C, Caller);
  ASSERT_EQ(P.DrawnRects.size(), 1u);
  EXPECT_EQ(P.DrawnRects[0], Rect(5, 5, 50, 50));
  EXPECT_EQ(Seen, Rect(5, 5, 50, 50));
}

TEST(ChartGraphic, VisibleAndSubObjectChangesNotifyTheOwnerOnlyOnAChange) {
  TProbe P;
  std::vector<TObject*> Senders;
  P.SetOnChange([&](TObject* S) { Senders.push_back(S); });
  EXPECT_TRUE(P.Visible());
  P.SetVisible(true);
  EXPECT_TRUE(Senders.empty());
  P.SetVisible(false);
  EXPECT_FALSE(P.Visible());
  P.Brush().SetColor(clRed);
  P.Pen().SetWidth(2);
  P.Pen().SetWidth(2);
  EXPECT_EQ(Senders, (std::vector<TObject*>{&P, &P, &P}));
}

TEST(ChartGraphic, AreaSelectsItsBrushAndPenIntoTheCanvas) {
  TProbe P;
  EXPECT_EQ(P.Brush().Color(), clBtnFace);
  EXPECT_EQ(P.Brush().Style(), bsSolid);
  EXPECT_EQ(P.Pen().Color(), clBlack);
  EXPECT_EQ(P.Pen().Width(), 1);
  P.Brush().SetColor(clTeal);
  P.Brush().SetStyle(bsCross);
  P.Pen().SetColor(clMaroon);
  P.Pen().SetStyle(psDot);
  TRecordingCanvas C;
  P.Paint(C, Rect(0, 0, 10, 10));
  EXPECT_TRUE(C.Commands().empty());
  EXPECT_EQ(C.Brush().Color(), clTeal);
  EXPECT_EQ(C.Brush().Style(), bsCross);
  EXPECT_EQ(C.Pen().Color(), clMaroon);
  EXPECT_EQ(C.Pen().Style(), psDot);
}

TEST(ChartGraphic, AssignCopiesVisibleBrushAndPenAndRefusesForeignSources) {
  TProbe A, B;
  A.SetVisible(false);
  A.Brush().SetColor(clLime);
  A.Pen().SetWidth(4);
  int Changes = 0;
  B.SetOnChange([&](TObject*) { ++Changes; });
  B.Assign(&A);
  EXPECT_FALSE(B.Visible());
  EXPECT_EQ(B.Brush().Color(), clLime);
  EXPECT_EQ(B.Pen().Width(), 4);
  EXPECT_GE(Changes, 1);

  TBrush Brush;
  try {
    B.Assign(&Brush);
    FAIL() << "no error";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TBrush to a TProbe");
  }
  // Between different decorations only the common part, Visible, is copied.
  TVXChartGradient G;
  G.Assign(&A);
  EXPECT_FALSE(G.Visible());
  EXPECT_THROW(G.Assign(nullptr), EConvertError);
}

TEST(ChartGraphic, TilesWalkFromTheStartWhileATileBeginsInsideTheRectangle) {
  TBitmap Tile(30, 20);
  TRecordingCanvas C;
  TVXChartGraphic::TileDraw(C, Rect(0, 0, 100, 50), 0, 0, &Tile);
  const auto Draws = C.CommandsOf(copDraw);
  ASSERT_EQ(Draws.size(), 12u) << C.Dump(); // x 0, 30, 60, 90; y 0, 20, 40
  EXPECT_EQ(Draws[0]->Points[0], Point(0, 0));
  EXPECT_EQ(Draws[1]->Points[0], Point(0, 20)); // column by column
  EXPECT_EQ(Draws.back()->Points[0], Point(90, 40));

  C.Clear();
  TVXChartGraphic::TileStretchDraw(C, Rect(10, 10, 60, 40), 10, 10, 15, 25, &Tile);
  const auto Stretched = C.CommandsOf(copStretchDraw);
  ASSERT_EQ(Stretched.size(), 4u) << C.Dump();
  EXPECT_EQ(Stretched[0]->Rect, Rect(10, 10, 35, 25));
  EXPECT_EQ(Stretched[3]->Rect, Rect(35, 25, 60, 40));
}

TEST(ChartGraphic, TileWalksWithNothingToStepOverEndAtOnce) {
  TBitmap Tile(30, 20);
  TBitmap NoWidth(0, 20);
  TRecordingCanvas C;
  TVXChartGraphic::TileDraw(C, Rect(0, 0, 100, 50), 0, 0, &NoWidth);
  TVXChartGraphic::TileDraw(C, Rect(0, 0, 100, 50), 0, 0, nullptr);
  for (auto [W, H] : {std::pair{0, 10}, {10, 0}, {-5, 10}, {10, -5}})
    TVXChartGraphic::TileStretchDraw(C, Rect(0, 0, 100, 50), 0, 0, H, W, &Tile);
  TVXChartGraphic::TileStretchDraw(C, Rect(0, 0, 100, 50), 0, 0, 10, 10, &NoWidth);
  EXPECT_TRUE(C.Commands().empty()) << C.Dump();
}

TEST(ChartGraphic, TileWalkStartingFarAwayDrawsOnlyTilesThatReachTheRectangle) {
  TBitmap Tile(1, 1);
  TRecordingCanvas C;
  // Two billion tiles to the left and above; only the 3 x 2 that reach the rectangle count.
  TVXChartGraphic::TileStretchDraw(C, Rect(100, 200, 130, 220), -1999999990, -1999999995, 10, 10,
                                   &Tile);
  const auto S = C.CommandsOf(copStretchDraw);
  ASSERT_EQ(S.size(), 8u) << C.Dump(); // x 95, 105, 115, 125; y 200, 210
  EXPECT_EQ(S.front()->Rect, Rect(95, 200, 105, 210));
  EXPECT_EQ(S.back()->Rect, Rect(125, 210, 135, 220));
}

TEST(ProportionalFitTest, LargestSizeOfThePicturesAspect) {
  const struct {
    TRect R;
    int W, H;
    TSize Expected;
  } Cases[] = {
      {Rect(0, 0, 100, 100), 200, 100, {100, 50}}, {Rect(0, 0, 100, 100), 100, 200, {50, 100}},
      {Rect(0, 0, 200, 100), 40, 30, {133, 100}}, // 4/3 x 100 cut toward zero
      {Rect(0, 0, 100, 200), 40, 30, {100, 75}},   {Rect(0, 0, 100, 100), 50, 50, {100, 100}},
      {Rect(0, 0, 7, 100), 3, 1, {7, 2}},          {Rect(0, 0, 0, 0), 3, 1, {0, 0}},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(ProportionalFit(C.R, C.W, C.H), C.Expected) << C.W << "x" << C.H;
}

} // namespace
} // namespace vx
