#pragma once
// Where a zoomable layer puts its picture while the axes are zoomed: the picture stands
// for the whole range of both axes (its top edge at the vertical Maximum), and zooming
// shows the matching part of it. Pure arithmetic on the axes' numbers, so the placement
// can be checked without a panel.

#include "platform/core/Types.h"

namespace vx {

/// The numbers of one axis that the zoomed placement reads.
struct TVXAxisZoom {
  double Minimum = 0;
  double Maximum = 0;
  double ZoomMinimum = 0;
  double ZoomMaximum = 0;
  /// The value one picture size away from the plot's top-left corner over the whole
  /// (unzoomed) range: PixelToValue(R.Left + W) for the horizontal axis,
  /// PixelToValue(R.Top + Hp) for the vertical one.
  double PictureValue = 0;
};

/// The tiles of a zoomed imTile layer: the start of the walk and the tile size, pixels.
struct TVXZoomedTiles {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

/// The part of a W x Hp picture that matches the zoom window, for imStretch. False when
/// nothing can be drawn (a zoom window or range of zero width, numbers that are not
/// finite).
bool ZoomedStretchSource(int W, int Hp, const TVXAxisZoom& H, const TVXAxisZoom& V, TRect& Source);

/// The tiles of imTile over the plot R: they grow with the zoom and start where the
/// picture's origin lies in the zoomed view. False as for ZoomedStretchSource.
bool ZoomedTiles(const TRect& R, int W, int Hp, const TVXAxisZoom& H, const TVXAxisZoom& V,
                 TVXZoomedTiles& Tiles);

/// The rectangle of imLeft: the picture scaled like the imTile tiles and kept where the
/// unzoomed imLeft puts it (left edge, vertically centred: top at CentredTop) in value
/// space. At the unzoomed limit it is the natural size at (R.Left, CentredTop). False as
/// for ZoomedStretchSource.
bool ZoomedLeftRect(const TRect& R, int W, int Hp, int CentredTop, const TVXAxisZoom& H,
                    const TVXAxisZoom& V, TRect& Dest);

} // namespace vx
