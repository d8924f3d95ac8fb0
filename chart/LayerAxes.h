#pragma once
// What a zoomable layer reads from the two axes it is painted with.

#include "chart/LayerPlacement.h"
#include "platform/core/Types.h"

namespace vx {

class TVXChartAxis;

/// Whether the axis shows only a part of its range.
bool AxisIsZoomed(const TVXChartAxis& Axis);

/// The axis's numbers for placing a picture PicturePixels long along the axis over the
/// plot R (Vertical: the picture's height, measured down from R.Top).
TVXAxisZoom AxisZoom(const TVXChartAxis& Axis, const TRect& R, int PicturePixels, bool Vertical);

} // namespace vx
