#include "chart/ImageArea.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

class TArea : public TVXChartImageArea {
  VX_CLASS_NAME(TArea)
};

void SetPicture(TVXChartImageArea& A, int W, int H) {
  A.Image().SetGraphic(std::make_unique<TBitmap>(W, H));
}

TEST(ImageArea, StartsCentredAndProportionalWithAnEmptyPicture) {
  TArea A;
  EXPECT_EQ(A.ImageOptions(), (TImageOptions{ioCenter, ioProportional}));
  EXPECT_EQ(A.ImageOptions().ToBits(), 5u);
  EXPECT_EQ(A.Image().Graphic(), nullptr);
  EXPECT_EQ(A.Brush().Color(), clBtnFace);
  EXPECT_TRUE(A.Visible());
}

TEST(ImageArea, ImageRectangleFollowsTheOptions) {
  const TRect R = Rect(0, 0, 100, 100);
  const struct {
    TImageOptions Options;
    int W, H;
    TRect Expected;
  } Cases[] = {
      {{ioCenter, ioProportional}, 200, 100, Rect(0, 25, 100, 75)},
      {{ioCenter, ioProportional}, 50, 20, Rect(25, 40, 75, 60)},
      {{}, 50, 20, Rect(0, 0, 50, 20)},
      {{}, 200, 100, Rect(0, 0, 200, 100)},
      {{ioCenter}, 200, 100, Rect(-50, 0, 150, 100)}, // natural size, even when too large
      {{ioProportional}, 50, 20, Rect(0, 0, 50, 20)},
      {{ioProportional}, 200, 100, Rect(0, 0, 100, 50)},
      {{ioStretch}, 50, 20, Rect(0, 0, 100, 100)},
      {{ioStretch, ioProportional}, 50, 20, Rect(0, 0, 100, 40)},
      {{ioStretch, ioProportional, ioCenter}, 50, 20, Rect(0, 30, 100, 70)},
      {{ioTiled}, 50, 20, Rect(0, 0, 50, 20)},
  };
  for (const auto& C : Cases) {
    TArea A;
    A.SetImageOptions(C.Options);
    SetPicture(A, C.W, C.H);
    EXPECT_EQ(A.GetImageRect(R), C.Expected) << C.Options.ToBits() << " " << C.W << "x" << C.H;
  }
  TArea Empty;
  EXPECT_EQ(Empty.GetImageRect(Rect(0, 0, 100, 100)), Rect(50, 50, 50, 50));
}

TEST(ImageArea, DrawStretchesIntoTheImageRectangleOrTilesTheArea) {
  TArea A;
  A.Brush().SetColor(clAqua);
  SetPicture(A, 200, 100);
  TRecordingCanvas C;
  A.Draw(C, Rect(0, 0, 100, 100));
  auto S = C.CommandsOf(copStretchDraw);
  ASSERT_EQ(S.size(), 1u) << C.Dump();
  EXPECT_EQ(S[0]->Rect, Rect(0, 25, 100, 75));
  EXPECT_EQ(S[0]->GraphicSize, (TSize{200, 100}));
  EXPECT_EQ(S[0]->Brush.Color, clAqua); // the area's brush is selected first
  EXPECT_EQ(C.Count(copFillRect), 0u);  // the area itself is not filled

  // Tiled: tiles of the image rectangle's size from the area's top-left corner.
  A.SetImageOptions({ioTiled});
  SetPicture(A, 40, 30);
  C.Clear();
  A.Draw(C, Rect(10, 10, 110, 70));
  S = C.CommandsOf(copStretchDraw);
  ASSERT_EQ(S.size(), 6u) << C.Dump(); // x 10, 50, 90; y 10, 40
  EXPECT_EQ(S[0]->Rect, Rect(10, 10, 50, 40));
  EXPECT_EQ(S[5]->Rect, Rect(90, 40, 130, 70));

  // An empty picture in tiled mode ends at once.
  SetPicture(A, 0, 0);
  C.Clear();
  A.Draw(C, Rect(10, 10, 110, 70));
  EXPECT_TRUE(C.Commands().empty()) << C.Dump();
}

TEST(ImageArea, TransparentOptionReachesTheGraphicWithOneNotification) {
  TArea A;
  int Changes = 0;
  A.SetOnChange([&](TObject*) { ++Changes; });
  SetPicture(A, 10, 10);
  EXPECT_EQ(Changes, 1);
  EXPECT_FALSE(A.Image().Graphic()->Transparent());

  A.SetImageOptions({ioStretch, ioTransparent});
  EXPECT_EQ(Changes, 2);
  EXPECT_TRUE(A.Image().Graphic()->Transparent());

  // A new picture takes the setting too, still with one notification.
  SetPicture(A, 20, 10);
  EXPECT_EQ(Changes, 3);
  EXPECT_TRUE(A.Image().Graphic()->Transparent());
  A.SetImageOptions({ioStretch, ioTransparent});
  EXPECT_EQ(Changes, 3);
}

TEST(ImageArea, AssignCopiesOptionsAndPicture) {
  TArea A, B;
  A.SetImageOptions({ioStretch});
  SetPicture(A, 12, 7);
  A.Pen().SetColor(clRed);
  B.Assign(&A);
  EXPECT_EQ(B.ImageOptions(), (TImageOptions{ioStretch}));
  ASSERT_NE(B.Image().Graphic(), nullptr);
  EXPECT_NE(B.Image().Graphic(), A.Image().Graphic());
  EXPECT_EQ(B.Image().Width(), 12);
  EXPECT_EQ(B.Pen().Color(), clRed);
}

} // namespace
} // namespace vx
