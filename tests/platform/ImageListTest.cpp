#include "platform/core/ImageList.h"
#include "platform/core/Exceptions.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ImageList, AddsStripsAndSingleImages) {
  TImageList L(4, 2);
  int Changes = 0;
  L.SetOnChange([&](TObject*) { ++Changes; });
  TBitmap Strip(12, 2);
  Strip.SetPixel(4, 0, clRed);   // first pixel of the second image
  Strip.SetPixel(11, 1, clLime); // last pixel of the third image
  EXPECT_EQ(L.Add(Strip), 0);
  EXPECT_EQ(L.Count(), 3);
  TBitmap Large(6, 5);
  Large.SetPixel(3, 1, clBlue);
  EXPECT_EQ(L.Add(Large), 3); // cropped to 4 x 2
  TBitmap Small(1, 1);
  EXPECT_EQ(L.Add(Small), 4); // padded with transparent pixels
  EXPECT_EQ(L.Add(TBitmap()), -1);
  EXPECT_EQ(L.Count(), 5);
  EXPECT_EQ(Changes, 3);

  TBitmap Out;
  L.GetBitmap(1, Out);
  EXPECT_EQ(Out.Width(), 4);
  EXPECT_EQ(Out.Height(), 2);
  EXPECT_EQ(Out.Pixel(0, 0), clRed);
  L.GetBitmap(2, Out);
  EXPECT_EQ(Out.Pixel(3, 1), clLime);
  L.GetBitmap(3, Out);
  EXPECT_EQ(Out.Pixel(3, 1), clBlue);
  L.GetBitmap(4, Out);
  EXPECT_EQ(Out.ScanLine(0)[0], 0xFFFFFFFFu);
  EXPECT_EQ(Out.ScanLine(1)[3], 0u);
  for (const int Bad : {-1, 5, 1000}) {
    L.GetBitmap(Bad, Out); // no error; Dest unchanged
    EXPECT_EQ(Out.ScanLine(1)[3], 0u);
  }
  L.Delete(0);
  EXPECT_EQ(L.Count(), 4);
  EXPECT_THROW(L.Delete(4), EListError);
  L.SetWidth(8);
  EXPECT_EQ(L.Count(), 0); // a new size removes the images
}

TEST(ImageList, DrawsThroughTheCanvas) {
  TImageList L(16, 16);
  TBitmap Image(16, 16);
  L.Add(Image);
  TRecordingCanvas C;
  L.Draw(C, 5, 6, 0);
  L.Draw(C, 5, 6, 0, false);
  L.Draw(C, 5, 6, 1);
  L.Draw(C, 5, 6, -1);
  ASSERT_EQ(C.Count(copDraw), 2u) << C.Dump();
  EXPECT_EQ(C.BoundsOf(copDraw), Rect(5, 6, 21, 22));
  EXPECT_EQ(C.Commands()[1].GraphicClass, "TBitmap");

  TImageList Copy;
  Copy.Assign(&L);
  EXPECT_EQ(Copy.Count(), 1);
  EXPECT_EQ(Copy.Width(), 16);
}

} // namespace
} // namespace vx
