#include "chart/Shadow.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Shadow, StartsBlackBottomRightThreePixelsRectangle) {
  TVXChartShadow S;
  EXPECT_EQ(S.Brush().Color(), clBlack);
  EXPECT_EQ(S.Brush().Style(), bsSolid);
  EXPECT_EQ(S.Pen().Color(), clBlack);
  EXPECT_EQ(S.Direction(), sdBottomRight);
  EXPECT_EQ(S.Size(), 3);
  EXPECT_EQ(S.Shape(), ssRectangle);
  EXPECT_TRUE(S.Visible());
}

TEST(Shadow, ObjectAndShadowShareTheRectangleOffsetBySize) {
  const TRect R = Rect(0, 0, 100, 50);
  const struct {
    TVXShadowDirection Direction;
    TRect Shadow, Object;
  } Cases[] = {
      {sdBottomRight, Rect(3, 3, 100, 50), Rect(0, 0, 97, 47)},
      {sdBottomLeft, Rect(0, 3, 97, 50), Rect(3, 0, 100, 47)},
      {sdTopRight, Rect(3, 0, 100, 47), Rect(0, 3, 97, 50)},
      {sdTopLeft, Rect(0, 0, 97, 47), Rect(3, 3, 100, 50)},
  };
  for (const auto& C : Cases) {
    TVXChartShadow S;
    S.SetDirection(C.Direction);
    EXPECT_EQ(S.GetShadowRect(R), C.Shadow) << int(C.Direction);
    EXPECT_EQ(S.GetObjectRect(R), C.Object) << int(C.Direction);
  }
  // No validation of the size; extreme sizes saturate instead of wrapping.
  TVXChartShadow S;
  S.SetSize(-2);
  EXPECT_EQ(S.GetShadowRect(R), Rect(-2, -2, 100, 50));
  S.SetSize(2147483647);
  EXPECT_EQ(S.GetShadowRect(Rect(10, 10, 20, 20)), Rect(2147483647, 2147483647, 20, 20));
}

TEST(Shadow, SetShapeStoresImageAsRectangleButDrawShadowStoresAnyShape) {
  TVXChartShadow S;
  int Changes = 0;
  S.SetOnChange([&](TObject*) { ++Changes; });
  S.SetShape(ssEllipse);
  EXPECT_EQ(S.Shape(), ssEllipse);
  S.SetShape(ssImage);
  EXPECT_EQ(S.Shape(), ssRectangle);
  EXPECT_EQ(Changes, 2);
  S.SetShape(ssRectangle);
  EXPECT_EQ(Changes, 2);

  TRecordingCanvas C;
  S.DrawShadow(C, Rect(0, 0, 20, 20), ssImage);
  EXPECT_EQ(S.Shape(), ssImage);
  EXPECT_EQ(Changes, 2);
  EXPECT_TRUE(C.Commands().empty()) << C.Dump(); // an image outline has no shadow
}

TEST(Shadow, PaintsTheFlatShapeIntoTheShadowRectangleWithItsBrush) {
  TVXChartShadow S;
  S.Brush().SetColor(clGray);
  const struct {
    TVXShapeStyle Shape;
    TCanvasOp Op;
    TRect Where;
  } Cases[] = {
      {ssRectangle, copRectangle, Rect(3, 3, 103, 43)},
      {ss3DRectangle, copRectangle, Rect(3, 3, 103, 43)},
      {ss3DCircle, copEllipse, Rect(33, 3, 73, 43)}, // squared, no bevel
      {ssRoundRect, copRoundRect, Rect(3, 3, 103, 43)},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    int Drawing = 0;
    S.SetOnDrawing([&](TObject* Sender, TCanvas*, TRect, bool&) {
      EXPECT_EQ(Sender, &S);
      ++Drawing;
    });
    S.DrawShadow(C, Rect(0, 0, 103, 43), Case.Shape);
    EXPECT_EQ(Drawing, 1);
    ASSERT_EQ(C.Commands().size(), 1u) << ShapeStyleName(Case.Shape) << "\n" << C.Dump();
    const TCanvasCommand& Cmd = C.Commands()[0];
    EXPECT_EQ(Cmd.Op, Case.Op) << ShapeStyleName(Case.Shape);
    EXPECT_EQ(Cmd.Rect, Case.Where) << ShapeStyleName(Case.Shape);
    EXPECT_EQ(Cmd.Brush.Color, clGray);
  }
}

TEST(Shadow, SettersNotifyOnChangeAndAssignCopiesSizeAndDirectionOnly) {
  TVXChartShadow A;
  int Changes = 0;
  A.SetOnChange([&](TObject*) { ++Changes; });
  A.SetSize(3);
  A.SetDirection(sdBottomRight);
  EXPECT_EQ(Changes, 0);
  A.SetSize(5);
  A.SetDirection(sdTopLeft);
  EXPECT_EQ(Changes, 2);

  A.SetShape(ssDiamond);
  A.Brush().SetColor(clNavy);
  TVXChartShadow B;
  B.Assign(&A);
  EXPECT_EQ(B.Size(), 5);
  EXPECT_EQ(B.Direction(), sdTopLeft);
  EXPECT_EQ(B.Shape(), ssRectangle);
  EXPECT_EQ(B.Brush().Color(), clNavy);
}

} // namespace
} // namespace vx
