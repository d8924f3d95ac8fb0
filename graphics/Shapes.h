#pragma once
// The catalogue of 24 shapes that markers, bars, shadows and sub-chart frames are drawn
// from: twelve flat shapes and their three-dimensional variants with a bevel of a light and
// a shadow colour around a smaller face.

#include "platform/core/Canvas.h"
#include "platform/core/Color.h"
#include "platform/core/Published.h"
#include "platform/core/Types.h"

#include <cstdint>

namespace vx {

class TGraphic;
class TCustomImageList;

/// The three-dimensional variant of ordinal n is n + 12.
enum TVXShapeStyle : std::uint8_t {
  ssRectangle,
  ssEllipse,
  ssImage,
  ssDiamond,
  ssLeftTriangle,
  ssRightTriangle,
  ssUpTriangle,
  ssDownTriangle,
  ssRoundRect,
  ssSquare,
  ssCircle,
  ssRoundSquare,
  ss3DRectangle,
  ss3DEllipse,
  ss3DImage,
  ss3DDiamond,
  ss3DLeftTriangle,
  ss3DRightTriangle,
  ss3DUpTriangle,
  ss3DDownTriangle,
  ss3DRoundRect,
  ss3DSquare,
  ss3DCircle,
  ss3DRoundSquare
};

VX_ENUM_NAMES(TVXShapeStyle, "ssRectangle", "ssEllipse", "ssImage", "ssDiamond", "ssLeftTriangle",
              "ssRightTriangle", "ssUpTriangle", "ssDownTriangle", "ssRoundRect", "ssSquare",
              "ssCircle", "ssRoundSquare", "ss3DRectangle", "ss3DEllipse", "ss3DImage",
              "ss3DDiamond", "ss3DLeftTriangle", "ss3DRightTriangle", "ss3DUpTriangle",
              "ss3DDownTriangle", "ss3DRoundRect", "ss3DSquare", "ss3DCircle", "ss3DRoundSquare")

/// Number of shape styles.
constexpr int ShapeStyleCount = 24;

/// Whether the style has a bevel.
constexpr bool IsShape3D(TVXShapeStyle Style) {
  return Style >= ss3DRectangle;
}
/// The flat form of any style (a flat style is its own flat form).
constexpr TVXShapeStyle FlatShapeStyle(TVXShapeStyle Style) {
  return IsShape3D(Style) ? static_cast<TVXShapeStyle>(Style - 12) : Style;
}
/// The style's identifier ("ss3DCircle"); an unknown ordinal gives "".
const char* ShapeStyleName(TVXShapeStyle Style);

/// Draws Style into Rect (pixels) with the canvas's brush and pen as the caller set them.
/// Graphic (may be nullptr) is used by ssImage only, stretched to Rect when Stretch, else at
/// Rect's top-left. The three-dimensional styles bevel with LightColor and ShadowColor,
/// Depth pixels wide. FaceRect receives the part of Rect the face occupies (squared and
/// shrunk where the style does). The brush colour is restored. ss3DRectangle and ss3DSquare
/// leave the pen width 1 and the pen colour ShadowColor; every other three-dimensional style
/// except ss3DImage leaves the pen style psClear (its face has no outline), the rounded ones
/// also the pen width 1. Empty and inverted rectangles draw what the arithmetic gives.
void DrawShape(TCanvas& Canvas, const TRect& Rect, const TGraphic* Graphic, TVXShapeStyle Style,
               bool Stretch, TColor LightColor, TColor ShadowColor, int Depth, TRect& FaceRect);

/// DrawShape for image shapes whose picture comes from ImageList (may be nullptr). Other
/// styles go to DrawShape. A missing image (no list, negative index, index past the end)
/// draws FallbackStyle instead, with a standard bevel (clBtnHighlight, clBtnShadow, depth 3)
/// and a plain rectangle as its own fallback.
void DrawShapeImage(TCanvas& Canvas, const TRect& Rect, const TCustomImageList* ImageList,
                    int ImageIndex, TVXShapeStyle Style, TVXShapeStyle FallbackStyle, bool Stretch,
                    TColor LightColor, TColor ShadowColor, int Depth, TRect& FaceRect);

/// Draws a bevel just inside Rect and shrinks Rect by Depth on every side. Square corners:
/// Depth rings of polylines (light top and left, shadow right and bottom), leaving the pen
/// colour ShadowColor. Rounded: a light rounded rectangle with corner ellipses
/// CornerWidth x CornerHeight and its lower-right half in the shadow colour, leaving the
/// pen style psClear. Sets the pen width to 1; restores the brush colour.
void DrawBevel(TCanvas& Canvas, TRect& Rect, TColor LightColor, TColor ShadowColor, int Depth,
               bool Rounded, int CornerWidth, int CornerHeight);

/// Paints the upper-left half of the ellipse in Rect in LightColor and the lower-right half
/// in ShadowColor, then shrinks Rect by Depth on every side. Leaves the pen style psClear;
/// restores the brush colour.
void DrawEllipseBevel(TCanvas& Canvas, TRect& Rect, TColor LightColor, TColor ShadowColor,
                      int Depth);

/// The incentre of the triangle A, B, C, each coordinate rounded to the nearest integer;
/// a triangle whose vertices coincide has that point as its incentre.
TPoint TriangleIncentre(TPoint A, TPoint B, TPoint C);
/// P moved Depth pixels toward I (away for a negative Depth, past I when Depth exceeds the
/// distance); a P that coincides with I stays. Saturates at the 32-bit range.
TPoint MoveToward(TPoint P, TPoint I, int Depth);

} // namespace vx
