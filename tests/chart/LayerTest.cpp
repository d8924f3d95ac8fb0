#include "chart/Layer.h"
#include "chart/Axis.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vx {
namespace {

// A graphic that is not a bitmap (as a metafile or an icon would be).
class TToyGraphic : public TGraphic {
  VX_CLASS_NAME(TToyGraphic)
public:
  TToyGraphic(int W, int H) : FW(W), FH(H) {}
  int Width() const override { return FW; }
  int Height() const override { return FH; }
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TToyGraphic>(FW, FH); }

private:
  int FW, FH;
};

// Axes of a plot: horizontal 0..100, vertical 0..50, both unzoomed until a test zooms.
struct TAxes {
  TVXChartAxis H, V;
  TAxes() {
    H.SetLocation(caBottom);
    V.SetLocation(caLeft);
    H.SetMaximum(100);
    V.SetMaximum(50);
  }
  static void Zoom(TVXChartAxis& A, double Lo, double Hi) {
    A.SetZoomMaximum(Hi);
    A.SetZoomMinimum(Lo);
  }
};

class Layer : public ::testing::Test {
protected:
  TVXChartLayer L;
  TRecordingCanvas C;
  void SetPicture(int W, int H) { L.Image().SetGraphic(std::make_unique<TBitmap>(W, H)); }
  std::vector<const TCanvasCommand*> Drawn() {
    std::vector<const TCanvasCommand*> Out;
    for (const TCanvasCommand& Cmd : C.Commands())
      if (Cmd.Op == copDraw || Cmd.Op == copStretchDraw || Cmd.Op == copCopyRect)
        Out.push_back(&Cmd);
    return Out;
  }
};

TEST_F(Layer, StartsOpaqueZoomableCentredWithAWhiteBrush) {
  EXPECT_EQ(L.Brush().Color(), clWhite);
  EXPECT_EQ(L.Brush().Style(), bsSolid);
  EXPECT_EQ(L.Pen().Color(), clBlack);
  EXPECT_EQ(L.Image().Graphic(), nullptr);
  EXPECT_EQ(L.ImageMode(), imCenter);
  EXPECT_FALSE(L.Transparent());
  EXPECT_TRUE(L.Zoomable());
  EXPECT_TRUE(L.Visible());
  EXPECT_EQ(L.PaintVertAxis(), nullptr);
  EXPECT_EQ(L.PaintHorizAxis(), nullptr);
}

TEST_F(Layer, FillsWithItsBrushUnlessTransparent) {
  L.Brush().SetColor(clTeal);
  L.Paint(C, Rect(0, 0, 50, 40));
  ASSERT_EQ(C.Commands().size(), 1u) << C.Dump(); // no picture: no clip either
  EXPECT_EQ(C.Commands()[0].Op, copFillRect);
  EXPECT_EQ(C.Commands()[0].Rect, Rect(0, 0, 50, 40));
  EXPECT_EQ(C.Commands()[0].Brush.Color, clTeal);

  C.Clear();
  L.SetTransparent(true);
  L.Paint(C, Rect(0, 0, 50, 40));
  EXPECT_TRUE(C.Commands().empty()) << C.Dump();
  EXPECT_EQ(C.Brush().Color(), clTeal); // the brush is still selected
}

TEST_F(Layer, UnzoomedModesPlaceThePicture) {
  const TRect R = Rect(10, 20, 210, 120);
  const struct {
    TImageMode Mode;
    TCanvasOp Op;
    std::size_t Count;
    TRect First, Last;
  } Cases[] = {
      {imCenter, copDraw, 1, Rect(90, 55, 130, 85), Rect(90, 55, 130, 85)},
      {imLeft, copDraw, 1, Rect(10, 55, 50, 85), Rect(10, 55, 50, 85)},
      {imRight, copDraw, 1, Rect(170, 55, 210, 85), Rect(170, 55, 210, 85)},
      {imTop, copDraw, 1, Rect(90, 20, 130, 50), Rect(90, 20, 130, 50)},
      {imBottom, copDraw, 1, Rect(90, 90, 130, 120), Rect(90, 90, 130, 120)},
      {imStretch, copStretchDraw, 1, R, R},
      {imTile, copDraw, 20, Rect(10, 20, 50, 50), Rect(170, 110, 210, 140)},
      // 4:3 into 200 x 100: 133 x 100, scaled up as well as down.
      {imProportional, copStretchDraw, 1, Rect(10, 20, 143, 120), Rect(10, 20, 143, 120)},
      {imProportionalCenter, copStretchDraw, 1, Rect(43, 20, 176, 120), Rect(43, 20, 176, 120)},
  };
  SetPicture(40, 30);
  for (const auto& Case : Cases) {
    const char* Name = EnumInfoOf(Case.Mode).Names[Case.Mode];
    L.SetImageMode(Case.Mode);
    C.Clear();
    L.Paint(C, R);
    const auto D = Drawn();
    ASSERT_EQ(D.size(), Case.Count) << Name << "\n" << C.Dump();
    EXPECT_EQ(D.front()->Op, Case.Op) << Name;
    EXPECT_EQ(D.front()->Rect, Case.First) << Name;
    EXPECT_EQ(D.back()->Rect, Case.Last) << Name;
    // Filled first, then clipped to the rectangle while the picture is drawn.
    EXPECT_EQ(C.Commands().front().Op, copFillRect) << Name;
    EXPECT_EQ(D.front()->Clip, R) << Name;
    EXPECT_EQ(C.Commands().back().Op, copRemoveClip) << Name;
    EXPECT_FALSE(C.HasClip()) << Name;
  }
}

TEST_F(Layer, ClipInForceBeforeIsNarrowedAndRestored) {
  SetPicture(40, 30);
  C.SetClipRect(Rect(0, 0, 100, 100));
  C.Clear();
  L.Paint(C, Rect(10, 20, 210, 120));
  ASSERT_EQ(Drawn().size(), 1u);
  EXPECT_EQ(Drawn()[0]->Clip, Rect(10, 20, 100, 100));
  EXPECT_EQ(C.Commands().back().Op, copSetClip);
  EXPECT_EQ(C.ClipRect(), Rect(0, 0, 100, 100));
}

TEST_F(Layer, PaintBringsThePictureInLineWithoutNotifyingTheOwner) {
  L.Image().SetGraphic(std::make_unique<TToyGraphic>(40, 30));
  L.SetTransparent(true);
  int Changes = 0;
  L.SetOnChange([&](TObject*) { ++Changes; });
  L.Paint(C, Rect(0, 0, 100, 100));
  EXPECT_EQ(Changes, 0);
  // The picture keeps a bitmap of the graphic's size, drawn with its transparent colour left
  // out like the layer.
  auto* B = dynamic_cast<TBitmap*>(L.Image().Graphic());
  ASSERT_NE(B, nullptr);
  EXPECT_EQ(B->Width(), 40);
  EXPECT_TRUE(B->Transparent());
  ASSERT_EQ(Drawn().size(), 1u);
  EXPECT_EQ(Drawn()[0]->GraphicClass, "TBitmap");
  // Changes after the paint notify again.
  L.Image().SetGraphic(std::make_unique<TBitmap>(5, 5));
  EXPECT_EQ(Changes, 1);
}

TEST_F(Layer, PictureWithoutPixelsDrawsNothingInAnyMode) {
  for (auto [W, H] : {std::pair{0, 30}, {40, 0}, {0, 0}})
    for (int M = imCenter; M <= imProportionalCenter; ++M) {
      SetPicture(W, H);
      L.SetImageMode(TImageMode(M));
      C.Clear();
      L.Paint(C, Rect(0, 0, 100, 100));
      EXPECT_EQ(C.Commands().size(), 1u) << M << "\n" << C.Dump(); // the fill only
    }
}

TEST_F(Layer, ZoomedStretchCopiesThePartOfThePictureInTheZoomWindow) {
  TAxes A;
  SetPicture(1000, 500);
  L.SetImageMode(imStretch);
  const TRect R = Rect(0, 0, 400, 300);
  const struct {
    double HLo, HHi, VLo, VHi;
    TRect Source;
  } Cases[] = {
      {25, 50, 0, 50, Rect(250, 0, 500, 500)},    // columns 250 to 500, all rows
      {25, 50, 10, 20, Rect(250, 300, 500, 400)}, // the top edge stands for the maximum
      {0, 100, 40, 50, Rect(0, 0, 1000, 100)},
  };
  for (const auto& Case : Cases) {
    TAxes::Zoom(A.H, Case.HLo, Case.HHi);
    TAxes::Zoom(A.V, Case.VLo, Case.VHi);
    C.Clear();
    L.PaintWithAxes(C, R, &A.V, &A.H);
    const auto D = Drawn();
    ASSERT_EQ(D.size(), 1u) << C.Dump();
    EXPECT_EQ(D[0]->Op, copCopyRect);
    EXPECT_EQ(D[0]->Rect, R);
    EXPECT_EQ(D[0]->SourceRect, Case.Source);
    TAxes::Zoom(A.H, 0, 100);
    TAxes::Zoom(A.V, 0, 50);
  }
}

TEST_F(Layer, ZoomedTilesGrowWithTheZoomAndKeepTheirPlaceInValues) {
  TAxes A;
  L.SetImageMode(imTile);
  const TRect R = Rect(0, 0, 200, 100);
  TAxes::Zoom(A.H, 25, 50); // four times larger horizontally
  const struct {
    int W, H;
    std::size_t Count;
    TRect First;
  } Cases[] = {
      // Tiles 160 x 30 starting at x = -200: the tile from -200 is not visible.
      {40, 30, 8, Rect(-40, 0, 120, 30)},
      // A picture wider than the plot: value 0 still lies at x = -200 (1600 wide tiles).
      {400, 30, 4, Rect(-200, 0, 1400, 30)},
  };
  for (const auto& Case : Cases) {
    SetPicture(Case.W, Case.H);
    C.Clear();
    L.PaintWithAxes(C, R, &A.V, &A.H);
    const auto D = Drawn();
    ASSERT_EQ(D.size(), Case.Count) << C.Dump();
    EXPECT_EQ(D[0]->Op, copStretchDraw);
    EXPECT_EQ(D[0]->Rect, Case.First);
  }
}

TEST_F(Layer, ZoomedLeftPictureStaysAtItsValuesScaledLikeTheTiles) {
  TAxes A;
  SetPicture(40, 30);
  L.SetImageMode(imLeft);
  const TRect R = Rect(0, 0, 200, 100);
  TAxes::Zoom(A.H, 10, 60); // twice as large; the picture covers values 0..20
  L.PaintWithAxes(C, R, &A.V, &A.H);
  auto D = Drawn();
  ASSERT_EQ(D.size(), 1u) << C.Dump();
  EXPECT_EQ(D[0]->Op, copStretchDraw);
  EXPECT_EQ(D[0]->Rect, Rect(-40, 35, 40, 65)); // still vertically centred: V is not zoomed

  // Zoomed vertically too (values 20..45 of 0..50, twice as large).
  TAxes::Zoom(A.V, 20, 45);
  C.Clear();
  L.PaintWithAxes(C, R, &A.V, &A.H);
  D = Drawn();
  ASSERT_EQ(D.size(), 1u) << C.Dump();
  EXPECT_EQ(D[0]->Rect, Rect(-40, 50, 40, 110)); // values 32.5 .. 17.5
}

TEST_F(Layer, ZoomedLayerDrawsNothingForAZeroWindowOrAModeWithoutZoomedForm) {
  TAxes A;
  SetPicture(40, 30);
  const TRect R = Rect(0, 0, 200, 100);
  TAxes::Zoom(A.H, 30, 30);
  ASSERT_TRUE(A.H.IsZoomed());
  for (TImageMode M : {imStretch, imTile, imLeft}) {
    L.SetImageMode(M);
    C.Clear();
    L.PaintWithAxes(C, R, &A.V, &A.H);
    EXPECT_TRUE(Drawn().empty()) << M << "\n" << C.Dump();
  }
  TAxes::Zoom(A.H, 20, 40);
  for (TImageMode M : {imCenter, imRight, imTop, imBottom, imProportional, imProportionalCenter}) {
    L.SetImageMode(M);
    C.Clear();
    L.PaintWithAxes(C, R, &A.V, &A.H);
    EXPECT_TRUE(Drawn().empty()) << M << "\n" << C.Dump();
  }
  // Not zoomable, or painted without both axes: the unzoomed placement.
  L.SetImageMode(imCenter);
  L.SetZoomable(false);
  C.Clear();
  L.PaintWithAxes(C, R, &A.V, &A.H);
  EXPECT_EQ(Drawn().size(), 1u);
  L.SetZoomable(true);
  C.Clear();
  L.PaintWithAxes(C, R, nullptr, &A.H);
  EXPECT_EQ(Drawn().size(), 1u);
}

TEST_F(Layer, AxesAreKnownOnlyWhilePaintingAlsoWhenAnExceptionPasses) {
  TAxes A;
  TVXChartAxis* SeenV = nullptr;
  TVXChartAxis* SeenH = nullptr;
  L.SetOnDrawing([&](TObject*, TCanvas*, TRect, bool&) {
    SeenV = L.PaintVertAxis();
    SeenH = L.PaintHorizAxis();
  });
  L.PaintWithAxes(C, Rect(0, 0, 10, 10), &A.V, &A.H);
  EXPECT_EQ(SeenV, &A.V);
  EXPECT_EQ(SeenH, &A.H);
  EXPECT_EQ(L.PaintVertAxis(), nullptr);
  EXPECT_EQ(L.PaintHorizAxis(), nullptr);

  L.SetOnDraw([](TObject*, TCanvas*, TRect) { throw std::runtime_error("handler failed"); });
  EXPECT_THROW(L.PaintWithAxes(C, Rect(0, 0, 10, 10), &A.V, &A.H), std::runtime_error);
  EXPECT_EQ(L.PaintVertAxis(), nullptr);
  EXPECT_EQ(L.PaintHorizAxis(), nullptr);
}

TEST_F(Layer, SettersNotifyOnChangeAndAssignCopiesEverything) {
  int Changes = 0;
  L.SetOnChange([&](TObject*) { ++Changes; });
  L.SetImageMode(imCenter);
  L.SetTransparent(false);
  L.SetZoomable(true);
  EXPECT_EQ(Changes, 0);
  L.SetImageMode(imTile);
  L.SetTransparent(true);
  L.SetZoomable(false);
  L.Pen().SetColor(clRed); // stored, though painting does not use it
  EXPECT_EQ(Changes, 4);

  SetPicture(7, 9);
  L.Brush().SetColor(clBtnFace);
  L.SetVisible(false);
  TVXChartLayer Copy;
  Copy.Assign(&L);
  EXPECT_EQ(Copy.ImageMode(), imTile);
  EXPECT_TRUE(Copy.Transparent());
  EXPECT_FALSE(Copy.Zoomable());
  EXPECT_EQ(Copy.Pen().Color(), clRed);
  EXPECT_EQ(Copy.Brush().Color(), clBtnFace);
  EXPECT_FALSE(Copy.Visible());
  ASSERT_NE(Copy.Image().Graphic(), nullptr);
  EXPECT_EQ(Copy.Image().Width(), 7);
}

} // namespace
} // namespace vx
