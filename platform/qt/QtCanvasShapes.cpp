// TQtCanvas: the ellipse family (Ellipse, RoundRect, Arc, Chord, Pie).
//
// An aliased ellipse or rounded rectangle with a solid one-pixel pen or without pen is
// rasterised here, row by row, from the ellipse equation: symmetric about both axes by
// construction, inside its box, and only over the rows of the device, so any size is safe. Qt's
// aliased drawEllipse uses a midpoint rule of its own that fills one row short at the top and lets
// flat outlines overshoot their box, and its path outlines are not symmetric. Other pens,
// antialiasing and the other shapes go to Qt as paths; a shape whose box does not fit the
// safe window is flattened into a polygon first.

#include "platform/qt/QtCanvas.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vx::qt {

using detail::TDRect;
using detail::TRect64;

namespace {

// Half the width of the ellipse with radii A, B at the distance DY from its centre row.
double HalfWidth(double A, double B, double DY) {
  if (B <= 0) return A;
  const double T = (B - DY) * (B + DY); // 1 - (DY / B)^2 without cancellation, times B^2
  return T <= 0 ? 0 : A * std::sqrt(T) / B;
}

std::int64_t RoundHalfUp(double V) {
  return std::int64_t(std::floor(V + 0.5));
}

} // namespace

void TQtCanvas::FillSpan(std::int64_t Y, std::int64_t X0, std::int64_t X1, const QBrush& Brush) {
  FillArea({X0, Y, X1 + 1, Y + 1}, Brush);
}

void TQtCanvas::DrawRoundSpans(const TRect& R, std::int64_t CornerWidth, std::int64_t CornerHeight,
                               bool Outline, bool Fill) {
  const TRect64 Dev = TRect64::From(Bounds());
  const std::int64_t L = R.Left, T = R.Top, RR = R.Right, B = R.Bottom;
  const std::int64_t W = RR - L, H = B - T;
  const std::int64_t CW = std::clamp<std::int64_t>(CornerWidth, 0, W);
  const std::int64_t CH = std::clamp<std::int64_t>(CornerHeight, 0, H);
  // A rounded rectangle is its corner ellipse cut in four and moved apart; an ellipse is
  // one whose corner ellipse is the whole box. Pixel x mirrors to L + RR - 1 - x; the
  // right half is computed, the left half mirrored, so the shape is symmetric.
  auto Mirror = [&](std::int64_t X) { return L + RR - 1 - X; };
  // The corner ellipse runs through the centres of its outermost pixels.
  const double A = double(CW - 1) / 2, BB = double(CH - 1) / 2;
  const double CX = double(L) + A;
  const std::int64_t Shift = W - CW; // from the corner ellipse's right half to the shape's
  // Where the row at distance DY from the ellipse's centre row ends on the right. The
  // middle and the outermost rows hold the curve's extremes somewhere in their band: they
  // reach as far as the curve within half a pixel towards the centre.
  auto EndOf = [&](double DY) {
    const bool Extreme = DY + 1 > BB || DY <= 0.5;
    return RoundHalfUp(CX + HalfWidth(A, BB, Extreme ? std::max(0.0, DY - 0.5) : DY)) + Shift;
  };
  const std::int64_t TopRows = CH / 2, BandEnd = B - CH / 2; // rows of the upper corners
  const QBrush Inside = FPainter.brush();
  const QBrush Edge = Outline ? QBrush(FPainter.pen().color()) : Inside;
  for (std::int64_t Y = std::max(T, Dev.Top); Y < std::min(B, Dev.Bottom); ++Y) {
    // The row's distance from the ellipse's centre row, and that of the neighbouring row
    // further out (none for the outermost rows).
    double DY, Outer = -1;
    if (Y < T + TopRows) {
      const std::int64_t E = Y - T;
      DY = BB - double(E);
      if (E > 0) Outer = DY + 1;
    } else if (Y >= BandEnd) {
      const std::int64_t E = Y - (B - CH);
      DY = double(E) - BB;
      if (E < CH - 1) Outer = DY + 1;
    } else {
      // The straight sides between the corners (or the middle row of an ellipse).
      DY = 0;
      if (Y == T + TopRows && TopRows > 0)
        Outer = BB - double(TopRows - 1);
      else if (Y == BandEnd - 1 && TopRows > 0)
        Outer = double(CH - CH / 2) - BB;
      else
        Outer = 0;
    }
    const std::int64_t End = EndOf(DY);
    if (!Outline || Outer < 0) {
      FillSpan(Y, Mirror(End), End, Edge); // one run across
      continue;
    }
    const std::int64_t Start = std::min(End, EndOf(Outer) + 1);
    if (Mirror(Start) >= Start) {
      FillSpan(Y, Mirror(End), End, Edge);
      continue;
    }
    FillSpan(Y, Start, End, Edge);
    FillSpan(Y, Mirror(End), Mirror(Start), Edge);
    if (Fill && Mirror(Start) + 1 <= Start - 1) FillSpan(Y, Mirror(Start) + 1, Start - 1, Inside);
  }
}

void TQtCanvas::DoEllipse(const TRect& R) {
  DrawShape(R, {TShape::Ellipse, 0, 0, {}, {}});
}

void TQtCanvas::DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
  DrawShape(R, {TShape::RoundRect, double(CornerWidth), double(CornerHeight), {}, {}});
}

void TQtCanvas::DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) {
  const TShape Shape = Kind == akArc ? TShape::Arc : Kind == akChord ? TShape::Chord : TShape::Pie;
  DrawShape(R, {Shape, 0, 0, Start, End});
}

void TQtCanvas::DrawShape(const TRect& R, const TShapeArgs& Args) {
  if (!FPainter.isActive()) return;
  const bool Outline = ApplyPen();
  const bool Fill = Args.Shape != TShape::Arc && ApplyBrush();
  if (!Outline && !Fill) return;
  if (!Antialiasing() && (!Outline || ExactOutline())) {
    const std::int64_t W = std::int64_t(R.Right) - R.Left, H = std::int64_t(R.Bottom) - R.Top;
    if (Args.Shape == TShape::Ellipse) {
      DrawRoundSpans(R, W, H, Outline, Fill);
      return;
    }
    if (Args.Shape == TShape::RoundRect) {
      if (Args.CornerWidth < 2 || Args.CornerHeight < 2)
        DoRectangle(R); // no rounding
      else
        DrawRoundSpans(R, std::int64_t(Args.CornerWidth), std::int64_t(Args.CornerHeight), Outline,
                       Fill);
      return;
    }
  }
  TDRect Box;
  double Corner = 0; // how much smaller the corner ellipse is than its pixel size
  if (Outline) {
    const bool Inside = Pen().Style() == psInsideFrame && Args.Shape != TShape::Arc;
    const double Inset = Inside ? (PenWidth() - 1) / 2.0 : 0.0;
    Box = detail::Collapse(
        {R.Left + Inset, R.Top + Inset, R.Right - 1.0 - Inset, R.Bottom - 1.0 - Inset});
    Corner = 1;
  } else {
    Box = {double(R.Left), double(R.Top), double(R.Right), double(R.Bottom)};
  }
  if (Args.Shape == TShape::Arc) FPainter.setBrush(Qt::NoBrush);

  const double S = Outline ? CurveOffset() : 0.0;
  if (!SafeWindow().Contains(Box)) {
    std::vector<QPointF> Points;
    FlattenShape(Box, Args, Points);
    DrawPolyPoints(Points, Args.Shape != TShape::Arc, Outline, Fill);
    return;
  }

  const QRectF Q(Box.Left + S, Box.Top + S, Box.Right - Box.Left, Box.Bottom - Box.Top);
  switch (Args.Shape) {
  case TShape::Ellipse: {
    QPainterPath Path;
    Path.addEllipse(Q);
    FPainter.drawPath(Path);
    return;
  }
  case TShape::RoundRect: {
    const double RX = std::clamp((Args.CornerWidth - Corner) / 2, 0.0, Q.width() / 2);
    const double RY = std::clamp((Args.CornerHeight - Corner) / 2, 0.0, Q.height() / 2);
    if (RX <= 0 || RY <= 0)
      FPainter.drawRect(Q);
    else
      FPainter.drawRoundedRect(Q, RX, RY, Qt::AbsoluteSize);
    return;
  }
  default:
    break;
  }
  const double CX = (Box.Left + Box.Right) / 2, CY = (Box.Top + Box.Bottom) / 2;
  const double RX = (Box.Right - Box.Left) / 2, RY = (Box.Bottom - Box.Top) / 2;
  const double A0 = detail::ParametricAngle(CX, CY, RX, RY, Args.Start.X, Args.Start.Y);
  const double A1 = detail::ParametricAngle(CX, CY, RX, RY, Args.End.X, Args.End.Y);
  double Span = A1 - A0;
  if (Span <= 0) Span += 360; // the same ray twice is the whole ellipse
  QPainterPath Path;
  if (Args.Shape == TShape::Pie)
    Path.moveTo(Q.center());
  else
    Path.arcMoveTo(Q, A0);
  Path.arcTo(Q, A0, Span);
  if (Args.Shape != TShape::Arc) Path.closeSubpath();
  FPainter.drawPath(Path);
}

void TQtCanvas::FlattenShape(const TDRect& Box, const TShapeArgs& Args, std::vector<QPointF>& Out) {
  const double CX = (Box.Left + Box.Right) / 2, CY = (Box.Top + Box.Bottom) / 2;
  const double RX = (Box.Right - Box.Left) / 2, RY = (Box.Bottom - Box.Top) / 2;
  switch (Args.Shape) {
  case TShape::Ellipse:
    detail::AppendArcPoints(Out, CX, CY, RX, RY, 0, 360);
    return;
  case TShape::RoundRect: {
    const double CW = std::clamp(Args.CornerWidth / 2, 0.0, RX);
    const double CH = std::clamp(Args.CornerHeight / 2, 0.0, RY);
    if (CW <= 0 || CH <= 0) {
      Out = {{Box.Left, Box.Top},
             {Box.Right, Box.Top},
             {Box.Right, Box.Bottom},
             {Box.Left, Box.Bottom}};
      return;
    }
    detail::AppendArcPoints(Out, Box.Right - CW, Box.Top + CH, CW, CH, 0, 90);
    detail::AppendArcPoints(Out, Box.Left + CW, Box.Top + CH, CW, CH, 90, 90);
    detail::AppendArcPoints(Out, Box.Left + CW, Box.Bottom - CH, CW, CH, 180, 90);
    detail::AppendArcPoints(Out, Box.Right - CW, Box.Bottom - CH, CW, CH, 270, 90);
    return;
  }
  default:
    break;
  }
  const double A0 = detail::ParametricAngle(CX, CY, RX, RY, Args.Start.X, Args.Start.Y);
  const double A1 = detail::ParametricAngle(CX, CY, RX, RY, Args.End.X, Args.End.Y);
  double Span = A1 - A0;
  if (Span <= 0) Span += 360;
  if (Args.Shape == TShape::Pie) Out.emplace_back(CX, CY);
  detail::AppendArcPoints(Out, CX, CY, RX, RY, A0, Span);
}

} // namespace vx::qt
