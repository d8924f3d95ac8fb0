#pragma once
// Geometry helpers of the Qt canvas: clipping in double precision before anything reaches
// QPainter (whose raster engine is reliable only within about +-32,000 pixels) and the
// flattening of ellipse arcs that are too large to hand to Qt as curves.

#include "platform/core/Types.h"

#include <QPointF>

#include <cstdint>
#include <span>
#include <vector>

namespace vx::qt::detail {

/// A rectangle in doubles (Left <= Right, Top <= Bottom for a non-empty one).
struct TDRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  bool Contains(double X, double Y) const {
    return X >= Left && X <= Right && Y >= Top && Y <= Bottom;
  }
  bool Contains(const TDRect& R) const {
    return R.Left >= Left && R.Right <= Right && R.Top >= Top && R.Bottom <= Bottom;
  }
};

/// A rectangle in 64-bit integers, so that sums and differences of int corners cannot
/// overflow.
struct TRect64 {
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int64_t Right = 0;
  std::int64_t Bottom = 0;
  static TRect64 From(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  std::int64_t Width() const { return Right - Left; }
  std::int64_t Height() const { return Bottom - Top; }
};

/// B with inverted sides moved together to their middle (a point or a line).
TDRect Collapse(TDRect B);

/// The overlap of A and B (empty when they do not meet).
TRect64 Intersect(const TRect64& A, const TRect64& B);

/// Clips the segment (X0, Y0)-(X1, Y1) to W (Liang-Barsky); false when nothing is left.
/// Clipped0 / Clipped1 tell which end moved.
bool ClipSegment(double& X0, double& Y0, double& X1, double& Y1, const TDRect& W,
                 bool* Clipped0 = nullptr, bool* Clipped1 = nullptr);

/// The parts of an open polyline inside W, each a polyline of at least two points. The
/// last point of a part is the polyline's own end only where it was not clipped.
std::vector<std::vector<QPointF>> ClipPolyline(std::span<const QPointF> Points, const TDRect& W);

/// A closed polygon clipped to W (Sutherland-Hodgman); the result keeps the polygon's
/// fill inside W and runs along W's edges where the polygon left it.
std::vector<QPointF> ClipPolygon(std::span<const QPointF> Points, const TDRect& W);

/// Points of the ellipse arc with centre (CX, CY) and radii RX, RY from the parametric angle
/// Start (degrees, counter-clockwise, y growing downwards) over Span degrees, fine enough
/// that no chord is more than a quarter pixel from the curve. Appends to Out.
void AppendArcPoints(std::vector<QPointF>& Out, double CX, double CY, double RX, double RY,
                     double Start, double Span);

/// The parametric angle in degrees (0..360) of the ray from (CX, CY) towards (X, Y) on an
/// ellipse with radii RX, RY, so that the arc point lies exactly on that ray.
double ParametricAngle(double CX, double CY, double RX, double RY, double X, double Y);

/// Converts to int, clamping to the int range (NaN gives 0).
int ClampToInt(double V);

} // namespace vx::qt::detail
