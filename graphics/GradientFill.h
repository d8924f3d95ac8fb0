#pragma once
// Gradient fills of rectangles (solid bands along one axis, or a diagonal shading through
// the canvas's triangle gradient) and the small colour functions they and the chart kinds
// use. Colours are converted to RGB first, so system colours paint in their RGB value.

#include "graphics/Geometry.h"
#include "platform/core/Canvas.h"
#include "platform/core/Color.h"
#include "platform/core/Published.h"

#include <cstdint>
#include <span>

namespace vx {

/// The eight directions of FillGradient; the names say where the gradient runs to from
/// its first colour. Declaration order is binding (stored by ordinal).
enum TGradientDirection : std::uint8_t {
  gdDownRight, ///< diagonal, first colour top-left, second bottom-right
  gdDown,      ///< bands, first colour at the top, last at the bottom
  gdDownLeft,  ///< diagonal, first colour top-right, second bottom-left
  gdRight,     ///< bands, first colour at the left, last at the right
  gdLeft,      ///< bands, first colour at the right, last at the left
  gdUpRight,   ///< diagonal, first colour bottom-left, second top-right
  gdUp,        ///< bands, first colour at the bottom, last at the top
  gdUpLeft     ///< diagonal, first colour bottom-right, second top-left
};
VX_ENUM_NAMES(TGradientDirection, "gdDownRight", "gdDown", "gdDownLeft", "gdRight", "gdLeft",
              "gdUpRight", "gdUp", "gdUpLeft")

/// The direction's identifier ("gdDownRight"); an unknown ordinal gives "".
const char* GradientDirectionName(TGradientDirection Direction);

/// A colour channel from a real number: rounded to the nearest integer (halves to the even
/// neighbour), then limited to 0..255. NaN gives 0.
int ClampChannel(double X);

/// The colour at fraction T between Color1 (T = 0) and Color2 (T = 1), both converted to
/// RGB first; each channel is rounded with halves to even. T is not clamped, but every
/// channel of the result is (so T outside 0..1 extrapolates without spilling into the
/// neighbouring channel).
TColor Blend(TColor Color1, TColor Color2, float T);

/// Paints the colours as a row of solid bands, Coarseness pixels thick (below 1 counts as
/// 1): Vertical runs from top to bottom with full-width strips, otherwise from left to
/// right with full-height strips. The colours are spread over equal segments; the last
/// band starts at or before the far edge and may reach up to Coarseness pixels beyond it.
/// Nothing is painted when Rect.Right or Rect.Bottom is 0 or the list is empty; an
/// inverted rectangle is normalised. Bands outside the canvas's clip rectangle are skipped
/// (their colours are still followed), so any rectangle paints in time proportional to
/// what is visible. Uses FillRect with the canvas brush, whose colour is restored.
void FillGradientBands(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       bool Vertical, int Coarseness);

/// Fills Rect in one of eight directions. The axis-parallel ones paint bands
/// (FillGradientBands, the list reversed for gdLeft and gdUp); the diagonal ones shade the
/// two triangles of Rect with the canvas's triangle gradient from the first colour to the
/// second (the first again when there is one), ignoring Coarseness and further colours.
/// Nothing is painted when Rect.Right or Rect.Bottom is 0 or the list is empty.
void FillGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  TGradientDirection Direction, int Coarseness);

} // namespace vx
