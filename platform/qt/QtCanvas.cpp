// TQtCanvas: state, lines, polygons, rectangles and the ellipse family.
//
// Coordinates. The canvas speaks in the toolkit's terms: the integer point (x, y) is the
// centre of pixel (x, y). Qt's raster engine puts pixel (x, y) at [x, x + 1] x [y, y + 1],
// fills the pixels whose centres lie inside a shape, and draws a one-pixel line through
// the pixels that contain the line at the centres of its major axis. So a shape without
// outline goes to Qt as the area [L, R] x [T, B] (the pixels L .. R - 1), and outlines and
// lines move by half a pixel onto the pixel centres (LineOffset). Qt's aliased ellipse,
// which rounds its rectangle to integers itself, gets the integer box of the outline's
// pixels (CurveOffset). Lines and the outlines of polygons and rectangles drawn with a
// solid one-pixel pen are drawn segment by segment (ExactLine), each from its first pixel
// up to, not including, its last, whichever way it runs.
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
  const double DX = X1 - X0, DY = Y1 - Y0;
  if (Antialiasing()) return QLineF(X0 + 0.5, Y0 + 0.5, X1 + 0.5, Y1 + 0.5);
  // Qt's aliased one-pixel line takes, along its major axis, the pixels whose centres lie
  // after its smaller end up to and including its larger end; across, the pixel that
  // holds the line where it crosses the pixel's centre line when the line rises along the
  // major axis, or its leading edge otherwise. The toolkit wants the pixels from the
  // start up to, not including, the end, each nearest to the line at the pixel centre.
  // So the line moves by half a pixel onto Qt's pixel centres, along the major axis by a
  // further 1/64 pixel (Qt's coordinate step) backwards or forwards so that the start
  // pixel is in the range and the end pixel is not, and across by the slope times the
  // distance between Qt's sample and the pixel centre.
  constexpr double Nudge = 1.0 / 64;
  const bool XMajor = std::abs(DX) >= std::abs(DY);
  const double Major = XMajor ? DX : DY, Minor = XMajor ? DY : DX;
  const double Along = Major >= 0 ? 0.5 - Nudge : 0.5 + Nudge;
  const double Slope = Major != 0 ? Minor / Major : 0; // minor per major step
  const double Sample = Slope > 0 ? 0.5 : 0.0;
  const double Across = 0.5 - Slope * (Sample - Along);
  const double SX = XMajor ? Along : Across, SY = XMajor ? Across : Along;
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
  std::vector<QPointF> P;
  P.reserve(Points.size());
  for (const TPoint& Pt : Points)
    P.emplace_back(Pt.X, Pt.Y);
  DrawPolyPoints(P, false, true, false);
}

void TQtCanvas::DoPolygon(std::span<const TPoint> Points) {
  if (!FPainter.isActive()) return;
  const bool Outline = ApplyPen();
  const bool Fill = ApplyBrush();
  if (!Outline && !Fill) return;
  std::vector<QPointF> P;
  P.reserve(Points.size());
  for (const TPoint& Pt : Points)
    P.emplace_back(Pt.X, Pt.Y);
  DrawPolyPoints(P, true, Outline, Fill);
}

void TQtCanvas::DrawPolyPoints(std::vector<QPointF>& Points, bool Closed, bool Outline, bool Fill) {
  const TDRect W = SafeWindow();
  const bool Inside = std::all_of(Points.begin(), Points.end(),
                                  [&](const QPointF& P) { return W.Contains(P.x(), P.y()); });
  const QPen Pen = FPainter.pen();
  if (!Fill) FPainter.setBrush(Qt::NoBrush);
  if (Closed && !Inside) Points = detail::ClipPolygon(Points, W);
  if (Points.size() < 2) return;

  if (Outline && ExactOutline()) {
    // The inside (pixel centres inside the polygon through the outline's pixels), then
    // every segment from its first pixel, so that each vertex is drawn exactly once.
    if (Closed && Fill) {
      FPainter.setPen(Qt::NoPen);
      FPainter.drawPolygon(Points.data(), int(Points.size()), Qt::OddEvenFill);
      FPainter.setPen(Pen);
    }
    std::vector<QLineF> Lines;
    Lines.reserve(Points.size());
    const std::size_t Count = Closed ? Points.size() : Points.size() - 1;
    for (std::size_t I = 0; I < Count; ++I) {
      double X0 = Points[I].x(), Y0 = Points[I].y();
      double X1 = Points[(I + 1) % Points.size()].x(), Y1 = Points[(I + 1) % Points.size()].y();
      if ((X0 != X1 || Y0 != Y1) && detail::ClipSegment(X0, Y0, X1, Y1, W))
        Lines.push_back(ExactLine(X0, Y0, X1, Y1));
    }
    FPainter.drawLines(Lines.data(), int(Lines.size()));
    return;
  }
  if (!Outline) {
    FPainter.setPen(Qt::NoPen);
    FPainter.drawPolygon(Points.data(), int(Points.size()), Qt::OddEvenFill);
    return;
  }
  // Styled or wide pens: Qt's own paths, whose dashes run on around the corners.
  const double S = LineOffset();
  for (QPointF& P : Points)
    P += QPointF(S, S);
  if (Closed) {
    FPainter.drawPolygon(Points.data(), int(Points.size()), Qt::OddEvenFill);
    return;
  }
  if (Inside) {
    FPainter.drawPolyline(Points.data(), int(Points.size()));
    return;
  }
  const TDRect Shifted{W.Left + S, W.Top + S, W.Right + S, W.Bottom + S};
  for (const std::vector<QPointF>& Run : detail::ClipPolyline(Points, Shifted))
    FPainter.drawPolyline(Run.data(), int(Run.size()));
}

// ---- rectangles ----

void TQtCanvas::FillArea(const TRect64& R, const QBrush& Brush) {
  const TRect64 V = detail::Intersect(R, TRect64::From(Bounds()));
  if (V.Empty()) return;
  // QRect(L, T, W, H) is exactly the pixels L .. L + W - 1 in both rendering modes.
  FPainter.fillRect(QRect(int(V.Left), int(V.Top), int(V.Width()), int(V.Height())), Brush);
}

void TQtCanvas::DoFillRect(const TRect& R) {
  if (FPainter.isActive() && ApplyBrush()) FillArea(TRect64::From(R), FPainter.brush());
}

void TQtCanvas::DoRectangle(const TRect& R) {
  if (!FPainter.isActive()) return;
  if (!ApplyPen()) {
    DoFillRect(R);
    return;
  }
  const bool Fill = ApplyBrush();
  if (ExactOutline()) {
    // Four one-pixel strips and the inside: exact also where the rectangle leaves the
    // device, where Qt's path outline can lose a corner pixel.
    const TRect64 Box = TRect64::From(R);
    if (Fill)
      FillArea({Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1}, FPainter.brush());
    const QBrush Edge(FPainter.pen().color());
    FillArea({Box.Left, Box.Top, Box.Right, Box.Top + 1}, Edge);
    FillArea({Box.Left, Box.Bottom - 1, Box.Right, Box.Bottom}, Edge);
    FillArea({Box.Left, Box.Top + 1, Box.Left + 1, Box.Bottom - 1}, Edge);
    FillArea({Box.Right - 1, Box.Top + 1, Box.Right, Box.Bottom - 1}, Edge);
    return;
  }
  QPen P = FPainter.pen();
  P.setJoinStyle(Qt::MiterJoin);
  FPainter.setPen(P);
  const int Width = PenWidth();
  const double Inset = Pen().Style() == psInsideFrame ? (Width - 1) / 2.0 : 0.0;
  TDRect Box = detail::Collapse(
      {R.Left + Inset, R.Top + Inset, R.Right - 1.0 - Inset, R.Bottom - 1.0 - Inset});
  const TDRect W = SafeWindow();
  if (!W.Contains(Box)) {
    // The sides that leave the window cannot show; the others stay where they are.
    Box = {std::max(Box.Left, W.Left), std::max(Box.Top, W.Top), std::min(Box.Right, W.Right),
           std::min(Box.Bottom, W.Bottom)};
    if (Box.Left > Box.Right || Box.Top > Box.Bottom) return;
  }
  const double S = LineOffset();
  FPainter.drawRect(QRectF(Box.Left + S, Box.Top + S, Box.Right - Box.Left, Box.Bottom - Box.Top));
}

} // namespace vx::qt
