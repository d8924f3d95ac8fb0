// Image shapes whose picture comes from an image list, with their fallback shape.

#include "graphics/Shapes.h"

#include "platform/core/Graphic.h"
#include "platform/core/ImageList.h"

namespace vx {

void DrawShapeImage(TCanvas& Canvas, const TRect& Rect, const TCustomImageList* ImageList,
                    int ImageIndex, TVXShapeStyle Style, TVXShapeStyle FallbackStyle, bool Stretch,
                    TColor LightColor, TColor ShadowColor, int Depth, TRect& FaceRect) {
  if (Style != ssImage && Style != ss3DImage) {
    DrawShape(Canvas, Rect, nullptr, Style, Stretch, LightColor, ShadowColor, Depth, FaceRect);
    return;
  }
  // Any negative index counts as "no image", not only -1: the list cannot draw it.
  if (!ImageList || ImageIndex < 0 || ImageIndex >= ImageList->Count()) {
    // The fallback gets the standard bevel, and a plain rectangle as its own fallback, so
    // this recursion ends after at most two more calls.
    DrawShapeImage(Canvas, Rect, ImageList, ImageIndex, FallbackStyle, ssRectangle, true,
                   clBtnHighlight, clBtnShadow, 3, FaceRect);
    return;
  }
  TRect R = Rect;
  if (Style == ss3DImage) DrawBevel(Canvas, R, LightColor, ShadowColor, Depth, false, 0, 0);
  if (Stretch) {
    TBitmap Bitmap;
    ImageList->GetBitmap(ImageIndex, Bitmap);
    Canvas.StretchDraw(R, &Bitmap);
  } else {
    ImageList->Draw(Canvas, R.Left, R.Top, ImageIndex, true);
  }
  FaceRect = R;
}

} // namespace vx
