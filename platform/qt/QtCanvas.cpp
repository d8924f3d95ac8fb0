// TQtCanvas: state, lines, polygons, rectangles and the ellipse family.
//
// Coordinates. With antialiasing off, Qt's raster engine draws a one-pixel pen through
// the pixel of every integer point it passes (the point (x, y) is the centre of pixel
// (x, y)) and fills the pixels whose centres (x + 0.5, y + 0.5) lie inside a shape. So an
// outline goes to QPainter through the integer points of its outermost pixels
// (Rectangle(L, T, R, B): L .. R - 1), and a shape without outline as the area [L, R] x
// [T, B]. With antialiasing on, pixel x spans [x, x + 1] in Qt and outlines move by half a
// pixel (StrokeOffset) to stay on the pixel centres; areas stay where they are.
//
// Safety. Nothing far outside the device reaches QPainter: lines and polygons are clipped
// in doubles to the device grown by the widest pen (SafeWindow), and an ellipse, arc or
// rounded rectangle whose box does not fit that window is flattened into a polygon fine
// enough for a quarter-pixel error and clipped the same way.

#include "platform/qt/QtCanvas.h"

#include "platform/qt/QtFonts.h"

#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vx::qt {

using detail::TDRect;
using detail::TRect64;

namespace {

QColor ToQColor(TColor C) {
  const TColor RGBValue = ColorToRGB(C);
  return QColor(GetRValue(RGBValue), GetGValue(RGBValue), GetBValue(RGBValue));
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle S) {
  switch (S) {
  case bsSolid:
    return Qt::SolidPattern;
  case bsClear:
    return Qt::NoBrush;
  case bsHorizontal:
    return Qt::HorPattern;
  case bsVertical:
    return Qt::VerPattern;
  case bsFDiagonal:
    return Qt::FDiagPattern;
  case bsBDiagonal:
    return Qt::BDiagPattern;
  case bsCross:
    return Qt::CrossPattern;
  case bsDiagCross:
    return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

// Dash patterns in pen widths, as the toolkit's platform draws its styled pens.
QList<qreal> DashPattern(TPenStyle S) {
  switch (S) {
  case psDash:
    return {18, 6};
  case psDot:
    return {3, 3};
  case psDashDot:
    return {9, 6, 3, 6};
  case psDashDotDot:
    return {9, 3, 3, 3, 3, 3};
  default:
    return {};
  }
}

// A box in pixel-centre coordinates whose sides are at least a point apart.
TDRect Collapse(TDRect B) {
  if (B.Left > B.Right) B.Left = B.Right = (B.Left + B.Right) / 2;
  if (B.Top > B.Bottom) B.Top = B.Bottom = (B.Top + B.Bottom) / 2;
  return B;
}

} // namespace

TQtCanvas::TQtCanvas(QPaintDevice* Device) {
  Begin(Device);
}

TQtCanvas::TQtCanvas(TBitmap& Bitmap) : FBitmap(&Bitmap) {
  if (!Bitmap.Empty())
    FBitmapImage =
        std::make_unique<QImage>(reinterpret_cast<uchar*>(Bitmap.ScanLine(0)), Bitmap.Width(),
                                 Bitmap.Height(), Bitmap.Width() * 4, QImage::Format_ARGB32);
  Begin(FBitmapImage.get());
}

TQtCanvas::~TQtCanvas() {
  End();
}

void TQtCanvas::Begin(QPaintDevice* Device) {
  FDevice = Device;
  if (!Device || !Device->paintEngine() || Device->width() <= 0 || Device->height() <= 0) return;
  if (!FPainter.begin(Device)) return;
  FPainter.setRenderHint(QPainter::Antialiasing, Antialiasing());
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, Antialiasing());
  FPainter.setRenderHint(QPainter::TextAntialiasing, true);
  if (HasClip()) {
    const TRect C = ClipRect();
    DoSetClip(&C);
  }
}

void TQtCanvas::SetDevice(QPaintDevice* Device) {
  End();
  FBitmap = nullptr;
  FBitmapImage.reset();
  Begin(Device);
}

void TQtCanvas::End() {
  if (FPainter.isActive()) FPainter.end();
}

TRect TQtCanvas::Bounds() const {
  if (!FPainter.isActive() || !FDevice) return {};
  return {0, 0, std::min(FDevice->width(), MaxDeviceExtent),
          std::min(FDevice->height(), MaxDeviceExtent)};
}

bool TQtCanvas::IsTrueTypeFont(const TFont& F) const {
  return TCanvas::IsTrueTypeFont(F) && IsScalableFace(F.Name());
}

bool TQtCanvas::RasterDevice() const {
  return FPainter.isActive() && FPainter.paintEngine() &&
         FPainter.paintEngine()->type() == QPaintEngine::Raster;
}

int TQtCanvas::PenWidth() const {
  if (Pen().Style() == psClear || Pen().Color() == clNone) return 0;
  return std::clamp(Pen().Width(), 1, MaxPenWidth);
}

bool TQtCanvas::ApplyPen() {
  const int Width = PenWidth();
  if (Width == 0) {
    FPainter.setPen(Qt::NoPen);
    return false;
  }
  QPen P(ToQColor(Pen().Color()));
  P.setWidth(Width);
  const QList<qreal> Dashes = DashPattern(Pen().Style());
  if (!Dashes.isEmpty()) P.setDashPattern(Dashes);
  // A one-pixel line leaves out its end pixel only with flat caps; wide solid lines get
  // round ends and joins, as the platform's wide pens have.
  const bool Round = Width > 1 && Dashes.isEmpty();
  P.setCapStyle(Round ? Qt::RoundCap : Qt::FlatCap);
  P.setJoinStyle(Round ? Qt::RoundJoin : Qt::MiterJoin);
  FPainter.setPen(P);
  return true;
}

bool TQtCanvas::ApplyBrush() {
  if (Brush().Style() == bsClear || Brush().Color() == clNone) {
    FPainter.setBrush(Qt::NoBrush);
    return false;
  }
  FPainter.setBrush(QBrush(ToQColor(Brush().Color()), ToQtBrushStyle(Brush().Style())));
  return true;
}

TDRect TQtCanvas::SafeWindow() const {
  const TRect B = Bounds();
  const double Margin = MaxPenWidth + 8;
  return {B.Left - Margin, B.Top - Margin, B.Right + Margin, B.Bottom + Margin};
}

void TQtCanvas::DoSetAntialiasing(bool Value) {
  if (!FPainter.isActive()) return;
  FPainter.setRenderHint(QPainter::Antialiasing, Value);
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, Value);
}

void TQtCanvas::DoSetClip(const TRect* Clip) {
  if (!FPainter.isActive()) return;
  if (!Clip) {
    FPainter.setClipping(false);
    return;
  }
  // QRect arithmetic overflows on huge rectangles: intersect with the device first. An
  // empty clip lets nothing through.
  const TRect64 R = detail::Intersect(TRect64::From(*Clip), TRect64::From(Bounds()));
  FPainter.setClipRect(QRect(int(R.Left), int(R.Top), int(R.Width()), int(R.Height())));
}

// ---- lines and polygons ----

QLineF TQtCanvas::ExactLine(double X0, double Y0, double X1, double Y1) const {
  const double S = StrokeOffset();
  const double DX = X1 - X0, DY = Y1 - Y0;
  const double Major = std::abs(DX) >= std::abs(DY) ? DX : DY;
  if (Antialiasing() || Major >= 0) return QLineF(X0 + S, Y0 + S, X1 + S, Y1 + S);
  // Qt draws a one-pixel line from its smaller end up to, not including, its larger end.
  // A line that runs backwards moves half a pixel forward along itself (the same
  // geometric line), so that its start pixel is drawn and its end pixel is not.
  const double T = 0.5 / -Major;
  const double SX = -DX * T, SY = -DY * T;
  return QLineF(X0 + SX, Y0 + SY, X1 + SX, Y1 + SY);
}

void TQtCanvas::DoLine(TPoint From, TPoint To) {
  if (!FPainter.isActive() || !ApplyPen()) return;
  double X0 = From.X, Y0 = From.Y, X1 = To.X, Y1 = To.Y;
  if (!detail::ClipSegment(X0, Y0, X1, Y1, SafeWindow())) return;
  FPainter.drawLine(ExactLine(X0, Y0, X1, Y1));
}

void TQtCanvas::DoPolyline(std::span<const TPoint> Points) {
  if (!FPainter.isActive() || !ApplyPen()) return;
  if (ExactOutline()) {
    // Segment by segment, each from its first pixel up to the next point, as LineTo: Qt's
    // own polyline leaves out the joint pixel where a segment turns back.
    std::vector<QLineF> Lines;
    Lines.reserve(Points.size());
    const TDRect W = SafeWindow();
    for (std::size_t I = 0; I + 1 < Points.size(); ++I) {
      double X0 = Points[I].X, Y0 = Points[I].Y, X1 = Points[I + 1].X, Y1 = Points[I + 1].Y;
      if ((X0 != X1 || Y0 != Y1) && detail::ClipSegment(X0, Y0, X1, Y1, W))
        Lines.push_back(ExactLine(X0, Y0, X1, Y1));
    }
    FPainter.drawLines(Lines.data(), int(Lines.size()));
    return;
  }
  std::vector<QPointF> P;
  P.reserve(Points.size());
  const double S = StrokeOffset();
  for (const TPoint& Pt : Points)
    P.emplace_back(Pt.X + S, Pt.Y + S);
  DrawPolyPoints(P, false, true, false);
}

void TQtCanvas::DoPolygon(std::span<const TPoint> Points) {
  if (!FPainter.isActive()) return;
  const bool Outline = ApplyPen();
  const bool Fill = ApplyBrush();
  if (!Outline && !Fill) return;
  // Without an outline the fill covers the pixels whose centres lie inside the polygon.
  const double S = Outline ? StrokeOffset() : 0.0;
  std::vector<QPointF> P;
  P.reserve(Points.size());
  for (const TPoint& Pt : Points)
    P.emplace_back(Pt.X + S, Pt.Y + S);
  DrawPolyPoints(P, true, Outline, Fill);
}

void TQtCanvas::DrawPolyPoints(std::vector<QPointF>& Points, bool Closed, bool Outline, bool Fill) {
  const TDRect W = SafeWindow();
  const bool Inside = std::all_of(Points.begin(), Points.end(),
                                  [&](const QPointF& P) { return W.Contains(P.x(), P.y()); });
  if (!Fill) FPainter.setBrush(Qt::NoBrush);
  if (!Outline) FPainter.setPen(Qt::NoPen);
  if (Closed) {
    if (!Inside) Points = detail::ClipPolygon(Points, W);
    if (Points.size() < 2) return;
    if (!Outline || !ExactOutline()) {
      FPainter.drawPolygon(Points.data(), int(Points.size()), Qt::OddEvenFill);
      return;
    }
    // Qt's one-pixel outline of a closed path leaves out a corner where an edge runs
    // backwards; the edges are drawn as lines instead, each from its first pixel.
    if (Fill) {
      const QPen P = FPainter.pen();
      FPainter.setPen(Qt::NoPen);
      FPainter.drawPolygon(Points.data(), int(Points.size()), Qt::OddEvenFill);
      FPainter.setPen(P);
    }
    std::vector<QLineF> Lines;
    Lines.reserve(Points.size());
    for (std::size_t I = 0; I < Points.size(); ++I) {
      const QPointF& A = Points[I];
      const QPointF& B = Points[(I + 1) % Points.size()];
      if (A != B) Lines.push_back(ExactLine(A.x(), A.y(), B.x(), B.y()));
    }
    FPainter.drawLines(Lines.data(), int(Lines.size()));
    return;
  }
  if (Inside) {
    FPainter.drawPolyline(Points.data(), int(Points.size()));
    return;
  }
  for (const std::vector<QPointF>& Run : detail::ClipPolyline(Points, W))
    FPainter.drawPolyline(Run.data(), int(Run.size()));
}

// ---- rectangles ----

void TQtCanvas::DoFillRect(const TRect& R) {
  if (!FPainter.isActive() || !ApplyBrush()) return;
  const TRect64 V = detail::Intersect(TRect64::From(R), TRect64::From(Bounds()));
  if (V.Empty()) return;
  // QRect(L, T, W, H) is exactly the pixels L .. L + W - 1 in both rendering modes.
  FPainter.fillRect(QRect(int(V.Left), int(V.Top), int(V.Width()), int(V.Height())),
                    FPainter.brush());
}

void TQtCanvas::DoRectangle(const TRect& R) {
  if (!FPainter.isActive()) return;
  if (!ApplyPen()) {
    DoFillRect(R);
    return;
  }
  ApplyBrush();
  QPen P = FPainter.pen();
  P.setJoinStyle(Qt::MiterJoin);
  FPainter.setPen(P);
  const int Width = PenWidth();
  const double Inset = Pen().Style() == psInsideFrame ? (Width - 1) / 2.0 : 0.0;
  TDRect Box =
      Collapse({R.Left + Inset, R.Top + Inset, R.Right - 1.0 - Inset, R.Bottom - 1.0 - Inset});
  const TDRect W = SafeWindow();
  if (!W.Contains(Box)) {
    // The sides that leave the window cannot show; the others stay where they are.
    Box = {std::max(Box.Left, W.Left), std::max(Box.Top, W.Top), std::min(Box.Right, W.Right),
           std::min(Box.Bottom, W.Bottom)};
    if (Box.Left > Box.Right || Box.Top > Box.Bottom) return;
  }
  const double S = StrokeOffset();
  FPainter.drawRect(QRectF(Box.Left + S, Box.Top + S, Box.Right - Box.Left, Box.Bottom - Box.Top));
}

// ---- the ellipse family ----

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
  TDRect Box;
  double Corner = 0; // how much smaller the corner ellipse is than its pixel size
  if (Outline) {
    const bool Inside = Pen().Style() == psInsideFrame && Args.Shape != TShape::Arc;
    const double Inset = Inside ? (PenWidth() - 1) / 2.0 : 0.0;
    Box = Collapse({R.Left + Inset, R.Top + Inset, R.Right - 1.0 - Inset, R.Bottom - 1.0 - Inset});
    Corner = 1;
  } else {
    Box = {double(R.Left), double(R.Top), double(R.Right), double(R.Bottom)};
  }
  if (Args.Shape == TShape::Arc) FPainter.setBrush(Qt::NoBrush);

  const double S = Outline ? StrokeOffset() : 0.0;
  if (!SafeWindow().Contains(Box)) {
    std::vector<QPointF> Points;
    FlattenShape(Box, Args, Points);
    for (QPointF& P : Points)
      P += QPointF(S, S);
    DrawPolyPoints(Points, Args.Shape != TShape::Arc, Outline, Fill);
    return;
  }

  const QRectF Q(Box.Left + S, Box.Top + S, Box.Right - Box.Left, Box.Bottom - Box.Top);
  switch (Args.Shape) {
  case TShape::Ellipse:
    if (Outline) {
      FPainter.drawEllipse(Q);
    } else {
      // drawEllipse fills small aliased ellipses with its own midpoint rule, one row short
      // at the top; a path is filled by pixel centres like every other area.
      QPainterPath Path;
      Path.addEllipse(Q);
      FPainter.drawPath(Path);
    }
    return;
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
