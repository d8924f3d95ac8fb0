#include "graphics/Shapes.h"

#include "platform/core/ImageList.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

std::vector<std::string> Lines(const TRecordingCanvas& C) {
  std::vector<std::string> L;
  for (const TCanvasCommand& Cmd : C.Commands())
    L.push_back(Cmd.ToString());
  return L;
}

// Three 16 x 16 images, drawn into (0, 0, 20, 20) with the caller's own bevel (red light,
// blue shadow, depth 1) so that the standard bevel of the fallback stands out.
struct ShapeImageTest : ::testing::Test {
  TImageList List{16, 16};
  TRecordingCanvas Canvas;
  TRect Face{-1, -1, -1, -1};

  void SetUp() override { List.Add(TBitmap(48, 16)); }
  void Draw(const TCustomImageList* L, int Index, TVXShapeStyle Style, TVXShapeStyle Fallback,
            bool Stretch = true) {
    DrawShapeImage(Canvas, Rect(0, 0, 20, 20), L, Index, Style, Fallback, Stretch, clRed, clBlue, 1,
                   Face);
  }
};

const std::vector<std::string> StandardBevelRings = {
    "Polyline (0,19) (0,0) (19,0) pen clBtnHighlight/1/psSolid",
    "Polyline (19,0) (19,19) (-1,19) pen clBtnShadow/1/psSolid",
    "Polyline (1,18) (1,1) (18,1) pen clBtnHighlight/1/psSolid",
    "Polyline (18,1) (18,18) (0,18) pen clBtnShadow/1/psSolid",
    "Polyline (2,17) (2,2) (17,2) pen clBtnHighlight/1/psSolid",
    "Polyline (17,2) (17,17) (1,17) pen clBtnShadow/1/psSolid"};

TEST_F(ShapeImageTest, MissingImageDrawsTheFallbackWithTheStandardBevel) {
  ASSERT_EQ(List.Count(), 3);
  struct Case {
    const char* Name;
    const TCustomImageList* List;
    int Index;
  };
  const Case Cases[] = {{"index past the end", &List, 3},
                        {"no image", &List, -1},
                        {"negative index", &List, -5},
                        {"no list", nullptr, 0}};
  for (const Case& C : Cases) {
    Canvas.Clear();
    Draw(C.List, C.Index, ssImage, ss3DRectangle);
    std::vector<std::string> Expected = StandardBevelRings;
    Expected.push_back("Rectangle (3,3,17,17) pen clBtnShadow/1/psSolid brush clWhite/bsSolid");
    EXPECT_EQ(Lines(Canvas), Expected) << C.Name;
    EXPECT_EQ(Face, Rect(3, 3, 17, 17)) << C.Name;
  }
}

TEST_F(ShapeImageTest, ImageFallingBackToAnImageEndsWithAPlainRectangle) {
  for (const TVXShapeStyle Fallback : {ssImage, ss3DImage}) {
    Canvas.Clear();
    Draw(&List, 3, ss3DImage, Fallback);
    EXPECT_EQ(Lines(Canvas),
              (std::vector<std::string>{
                  "Rectangle (0,0,20,20) pen clBlack/1/psSolid brush clWhite/bsSolid"}))
        << ShapeStyleName(Fallback);
    EXPECT_EQ(Face, Rect(0, 0, 20, 20));
  }
}

TEST_F(ShapeImageTest, PresentImageIsStretchedOrDrawnAtTheTopLeft) {
  Draw(&List, 2, ssImage, ssCircle);
  Draw(&List, 2, ssImage, ssCircle, false);
  EXPECT_EQ(Lines(Canvas), (std::vector<std::string>{"StretchDraw (0,0,20,20) TBitmap 16x16",
                                                     "Draw (0,0,16,16) TBitmap 16x16"}));
  EXPECT_EQ(Face, Rect(0, 0, 20, 20));

  // The bevelled image uses the caller's colours and depth and draws into the face.
  Canvas.Clear();
  Draw(&List, 0, ss3DImage, ssCircle);
  EXPECT_EQ(Lines(Canvas),
            (std::vector<std::string>{"Polyline (0,19) (0,0) (19,0) pen clRed/1/psSolid",
                                      "Polyline (19,0) (19,19) (-1,19) pen clBlue/1/psSolid",
                                      "StretchDraw (1,1,19,19) TBitmap 16x16"}));
  EXPECT_EQ(Face, Rect(1, 1, 19, 19));
}

TEST_F(ShapeImageTest, OtherStylesAreDrawnAsShapesWithTheCallersBevel) {
  Draw(&List, 0, ss3DEllipse, ssRectangle);
  EXPECT_EQ(Lines(Canvas),
            (std::vector<std::string>{
                "Chord (0,0,20,20) (20,0) (0,20) pen clBlack/1/psClear brush clRed/bsSolid",
                "Chord (0,0,20,20) (0,20) (20,0) pen clBlack/1/psClear brush clBlue/bsSolid",
                "Ellipse (1,1,19,19) pen clBlack/1/psClear brush clWhite/bsSolid"}));
  EXPECT_EQ(Face, Rect(1, 1, 19, 19));
}

} // namespace
} // namespace vx
