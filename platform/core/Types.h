#pragma once
// Integer pixel geometry in the toolkit's conventions: a rectangle covers the pixels
// x in [Left, Right - 1] and y in [Top, Bottom - 1].

#include <cstdint>

namespace vx {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int X, int Y) {
  return {X, Y};
}
constexpr TRect Rect(int Left, int Top, int Right, int Bottom) {
  return {Left, Top, Right, Bottom};
}
constexpr TRect Bounds(int Left, int Top, int Width, int Height) {
  return {Left, Top, Left + Width, Top + Height};
}

/// True when the rectangle covers no pixel (zero or negative width or height).
constexpr bool IsRectEmpty(const TRect& R) {
  return R.Right <= R.Left || R.Bottom <= R.Top;
}
/// Half-open containment: the right and bottom edges are outside.
constexpr bool PtInRect(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
/// Grows (or with negative amounts shrinks) every side; no normalisation.
constexpr void InflateRect(TRect& R, int DX, int DY) {
  R.Left -= DX;
  R.Top -= DY;
  R.Right += DX;
  R.Bottom += DY;
}
constexpr void OffsetRect(TRect& R, int DX, int DY) {
  R.Left += DX;
  R.Top += DY;
  R.Right += DX;
  R.Bottom += DY;
}
/// Stores the overlap of A and B in Dest; an empty overlap gives (0, 0, 0, 0) and false.
constexpr bool IntersectRect(TRect& Dest, const TRect& A, const TRect& B) {
  TRect R{A.Left > B.Left ? A.Left : B.Left, A.Top > B.Top ? A.Top : B.Top,
          A.Right < B.Right ? A.Right : B.Right, A.Bottom < B.Bottom ? A.Bottom : B.Bottom};
  if (IsRectEmpty(R)) {
    Dest = TRect{};
    return false;
  }
  Dest = R;
  return true;
}
/// (Left + (Right - Left) div 2, Top + (Bottom - Top) div 2), integer division toward zero.
constexpr TPoint CenterPoint(const TRect& R) {
  return {R.Left + (R.Right - R.Left) / 2, R.Top + (R.Bottom - R.Top) / 2};
}

} // namespace vx
