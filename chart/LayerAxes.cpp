#include "chart/LayerAxes.h"

#include "chart/Axis.h"

#include <algorithm>
#include <cstdint>

namespace vx {

bool AxisIsZoomed(const TVXChartAxis& Axis) {
  return Axis.IsZoomed();
}

TVXAxisZoom AxisZoom(const TVXChartAxis& Axis, const TRect& R, int PicturePixels, bool Vertical) {
  TVXAxisZoom Z;
  Z.Minimum = Axis.Minimum();
  Z.Maximum = Axis.Maximum();
  Z.ZoomMinimum = Axis.ZoomMinimum();
  Z.ZoomMaximum = Axis.ZoomMaximum();
  // The value one picture size from the top-left corner over the whole range. The axis
  // clamps to its range, so a picture larger than the plot is measured inside the plot
  // and the span scaled up: the axis maps linearly there, and the clamp would otherwise
  // make every large picture one plot wide.
  const std::int64_t Extent =
      Vertical ? std::int64_t{R.Bottom} - R.Top : std::int64_t{R.Right} - R.Left;
  const int Step = static_cast<int>(std::min<std::int64_t>(PicturePixels, Extent));
  if (Step <= 0 || PicturePixels <= 0) {
    Z.PictureValue = Vertical ? Z.Maximum : Z.Minimum; // no span: nothing will be drawn
    return Z;
  }
  const double Scale = static_cast<double>(PicturePixels) / Step;
  if (Vertical) {
    const double V = Axis.PixelToValue(R.Top + Step, R, true);
    Z.PictureValue = Z.Maximum - (Z.Maximum - V) * Scale;
  } else {
    const double V = Axis.PixelToValue(R.Left + Step, R, true);
    Z.PictureValue = Z.Minimum + (V - Z.Minimum) * Scale;
  }
  return Z;
}

} // namespace vx
