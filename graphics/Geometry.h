#pragma once
// The geometric vocabulary of the drawing routines: point and colour arrays, points and
// rectangles in value coordinates (the space of the axes, as opposed to pixels), and the
// integer helpers that keep pixel arithmetic inside the 32-bit range.

#include "platform/core/Color.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace vx {

/// A point in value coordinates.
struct TVXRealPoint {
  double X = 0;
  double Y = 0;
  friend constexpr bool operator==(const TVXRealPoint&, const TVXRealPoint&) = default;
};

/// A rectangle in value coordinates; Left/Top are the smaller, Right/Bottom the larger bounds.
struct TVXRealRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  friend constexpr bool operator==(const TVXRealRect&, const TVXRealRect&) = default;
};

/// Pixel points handed to the canvas (polygons, polylines, curve samples).
using TPoints = std::vector<TPoint>;
/// Points in value coordinates (bend points of graph links).
using TVXPoints = std::vector<TVXRealPoint>;
/// Colour lists of the gradient fills.
using TColors = std::vector<TColor>;

constexpr TVXRealPoint RealPoint(double X, double Y) {
  return {X, Y};
}
constexpr TVXRealRect RealRect(double Left, double Top, double Right, double Bottom) {
  return {Left, Top, Right, Bottom};
}

/// True when R.Left <= P.X < R.Right and R.Top <= P.Y < R.Bottom (right and bottom edges
/// are outside).
bool PtInRealRect(const TVXRealPoint& P, const TVXRealRect& R);

/// R := the overlap of A and B (larger Left/Top, smaller Right/Bottom), stored also when
/// empty. False when R.Left > R.Right or R.Top > R.Bottom; touching rectangles intersect.
bool IntersectRealRect(const TVXRealRect& A, const TVXRealRect& B, TVXRealRect& R);

/// Both coordinates rounded to the nearest integer, halves to the even neighbour. Throws
/// ERangeError when a coordinate (or NaN) does not fit a 32-bit integer.
TPoint RoundRealPoint(const TVXRealPoint& P);

/// Dst := Src with Top/Bottom and Left/Right swapped where they are inverted.
void NormalizeRect(const TRect& Src, TRect& Dst);

/// Rounds to the nearest integer, halves to the even neighbour, and clamps to the 32-bit
/// range (NaN gives 0). For pixel arithmetic that must never overflow.
int RoundClamped(double Value);

/// Clamps a 64-bit intermediate result to the 32-bit range.
constexpr int ClampToInt(std::int64_t Value) {
  constexpr std::int64_t Lo = std::numeric_limits<int>::min();
  constexpr std::int64_t Hi = std::numeric_limits<int>::max();
  return static_cast<int>(Value < Lo ? Lo : (Value > Hi ? Hi : Value));
}

/// A rectangle shrunk by D on every side (grown for negative D), saturating at the
/// 32-bit range instead of overflowing.
constexpr TRect ShrinkRect(const TRect& R, std::int64_t D) {
  return {ClampToInt(R.Left + D), ClampToInt(R.Top + D), ClampToInt(R.Right - D),
          ClampToInt(R.Bottom - D)};
}

/// The centre (Left + (Right - Left) div 2, Top + (Bottom - Top) div 2), exact for any
/// rectangle (no intermediate overflow).
constexpr TPoint RectCenter(const TRect& R) {
  const std::int64_t W = std::int64_t{R.Right} - R.Left;
  const std::int64_t H = std::int64_t{R.Bottom} - R.Top;
  return {static_cast<int>(R.Left + W / 2), static_cast<int>(R.Top + H / 2)};
}

} // namespace vx
