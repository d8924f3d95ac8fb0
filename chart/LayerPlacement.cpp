#include "chart/LayerPlacement.h"

#include "graphics/Geometry.h"

#include <cmath>
#include <initializer_list>

namespace vx {

namespace {

bool AllFinite(std::initializer_list<double> Values) {
  for (double V : Values)
    if (!std::isfinite(V)) return false;
  return true;
}

bool UsableAxis(const TVXAxisZoom& A) {
  return AllFinite({A.Minimum, A.Maximum, A.ZoomMinimum, A.ZoomMaximum}) &&
         A.ZoomMaximum != A.ZoomMinimum && A.Maximum != A.Minimum;
}

// The tile geometry in doubles: origin (X0, Y0) and size (SX, SY).
struct TTileGeometry {
  double X0, Y0, SX, SY;
};

bool TileGeometry(const TRect& R, int W, int Hp, const TVXAxisZoom& H, const TVXAxisZoom& V,
                  TTileGeometry& G) {
  if (!UsableAxis(H) || !UsableAxis(V)) return false;
  const double HRange = H.Maximum - H.Minimum;
  const double VRange = V.Maximum - V.Minimum;
  // Size of the picture in zoomed pixels.
  G.SX = W * HRange / (H.ZoomMaximum - H.ZoomMinimum);
  G.SY = Hp * VRange / (V.ZoomMaximum - V.ZoomMinimum);
  // PictureValue - Minimum is the value span of one picture size over the whole range, so
  // (ZoomMinimum - Minimum) / that span counts pictures, and times SX gives the pixels
  // by which the picture's origin lies before the zoomed view.
  const double HSpan = H.PictureValue - H.Minimum;
  const double VSpan = V.Maximum - V.PictureValue;
  if (!std::isfinite(HSpan) || !std::isfinite(VSpan) || HSpan == 0 || VSpan == 0) return false;
  G.X0 = R.Left - (H.ZoomMinimum - H.Minimum) * G.SX / HSpan;
  G.Y0 = R.Top - (V.Maximum - V.ZoomMaximum) * G.SY / VSpan;
  return AllFinite({G.X0, G.Y0, G.SX, G.SY});
}

} // namespace

bool ZoomedStretchSource(int W, int Hp, const TVXAxisZoom& H, const TVXAxisZoom& V, TRect& Source) {
  if (!UsableAxis(H) || !UsableAxis(V)) return false;
  const double HRange = H.Maximum - H.Minimum;
  const double VRange = V.Maximum - V.Minimum;
  const double L = W * (H.ZoomMinimum - H.Minimum) / HRange;
  const double T = Hp * (V.Maximum - V.ZoomMaximum) / VRange;
  const double Rt = W * (H.ZoomMaximum - H.Minimum) / HRange;
  const double B = Hp * (V.Maximum - V.ZoomMinimum) / VRange;
  if (!AllFinite({L, T, Rt, B})) return false;
  Source = {RoundClamped(L), RoundClamped(T), RoundClamped(Rt), RoundClamped(B)};
  return true;
}

bool ZoomedTiles(const TRect& R, int W, int Hp, const TVXAxisZoom& H, const TVXAxisZoom& V,
                 TVXZoomedTiles& Tiles) {
  TTileGeometry G;
  if (!TileGeometry(R, W, Hp, H, V, G)) return false;
  Tiles = {RoundClamped(G.X0), RoundClamped(G.Y0), RoundClamped(G.SX), RoundClamped(G.SY)};
  return true;
}

bool ZoomedLeftRect(const TRect& R, int W, int Hp, int CentredTop, const TVXAxisZoom& H,
                    const TVXAxisZoom& V, TRect& Dest) {
  TTileGeometry G;
  if (!TileGeometry(R, W, Hp, H, V, G)) return false;
  // The unzoomed picture sits CentredTop - R.Top pixels below the top; zoomed, that
  // distance grows with the picture.
  const double Top = G.Y0 + (static_cast<double>(CentredTop) - R.Top) * G.SY / Hp;
  if (!std::isfinite(Top)) return false;
  const int Left = RoundClamped(G.X0);
  const int TopPx = RoundClamped(Top);
  Dest = {Left, TopPx, ClampToInt(std::int64_t{Left} + RoundClamped(G.SX)),
          ClampToInt(std::int64_t{TopPx} + RoundClamped(G.SY))};
  return true;
}

} // namespace vx
