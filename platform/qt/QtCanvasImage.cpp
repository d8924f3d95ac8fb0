// TQtCanvas: bitmaps, the triangle gradient and the focus rectangle. These work in pixel
// areas (pixel (x, y) is [x, x + 1] x [y, y + 1] in Qt in both rendering modes).

#include "platform/qt/QtCanvas.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx::qt {

using detail::TDRect;
using detail::TRect64;

namespace {

// A read-only view of a bitmap's pixels (0xAARRGGBB rows, as QImage::Format_ARGB32).
QImage ViewOf(const TBitmap& B) {
  return QImage(reinterpret_cast<const uchar*>(B.ScanLine(0)), B.Width(), B.Height(), B.Width() * 4,
                QImage::Format_ARGB32);
}

// The image to draw for a bitmap: with Transparent, the transparent colour left out.
// Own is true when the bitmap is the one being painted on, which must not be read while
// it is written.
QImage DrawableImage(const TBitmap& B, bool Own) {
  QImage Image = ViewOf(B);
  if (!B.Transparent()) return Own ? Image.copy() : Image;
  Image = Image.copy();
  const TColor Key = ColorToRGB(B.TransparentColor());
  const std::uint32_t KeyRGB = (std::uint32_t(GetRValue(Key)) << 16) |
                               (std::uint32_t(GetGValue(Key)) << 8) | std::uint32_t(GetBValue(Key));
  for (int Y = 0; Y < Image.height(); ++Y) {
    auto* Row = reinterpret_cast<std::uint32_t*>(Image.scanLine(Y));
    for (int X = 0; X < Image.width(); ++X)
      if ((Row[X] & 0x00FFFFFFu) == KeyRGB) Row[X] = 0;
  }
  return Image;
}

} // namespace

void TQtCanvas::DrawImagePart(const TRect64& Target, const QImage& Image, const QRectF& Source,
                              QPainter::CompositionMode Mode) {
  // Only the part of the target on the device is handed to Qt, with the matching part of
  // the source, so huge stretch rectangles never reach QPainter.
  const TRect64 Visible = detail::Intersect(Target, TRect64::From(Bounds()));
  if (Visible.Empty() || Image.isNull()) return;
  const double SX = Source.width() / double(Target.Width());
  const double SY = Source.height() / double(Target.Height());
  const QRectF From(Source.x() + (Visible.Left - Target.Left) * SX,
                    Source.y() + (Visible.Top - Target.Top) * SY, Visible.Width() * SX,
                    Visible.Height() * SY);
  const QRectF To(double(Visible.Left), double(Visible.Top), double(Visible.Width()),
                  double(Visible.Height()));
  const QPainter::CompositionMode Old = FPainter.compositionMode();
  if (RasterDevice()) FPainter.setCompositionMode(Mode);
  FPainter.drawImage(To, Image, From);
  FPainter.setCompositionMode(Old);
}

bool TQtCanvas::DrawKeyedPart(const TRect64& Target, const TBitmap& B) {
  // Without smooth scaling every drawn pixel is one source pixel, so leaving out the
  // transparent colour after sampling gives the same picture as keying the whole bitmap
  // first, at a cost proportional to the pixels drawn instead of the bitmap's size (a
  // large transparent map over a small plot is painted on every repaint).
  constexpr std::int64_t MaxPixels = std::int64_t{1} << 24;
  if (Antialiasing() || !RasterDevice() || !B.Transparent()) return false;
  const TRect64 Visible = detail::Intersect(Target, TRect64::From(ClipRect()));
  if (Visible.Empty()) return true;
  if (Visible.Width() * Visible.Height() > MaxPixels) return false;
  const int W = int(Visible.Width());
  const int H = int(Visible.Height());
  const double SX = double(B.Width()) / double(Target.Width());
  const double SY = double(B.Height()) / double(Target.Height());
  const auto SourceIndex = [](double Pos, int Size) {
    return std::clamp(static_cast<int>(std::floor(Pos)), 0, Size - 1);
  };
  std::vector<int> Columns(static_cast<std::size_t>(W));
  for (int X = 0; X < W; ++X)
    Columns[std::size_t(X)] =
        SourceIndex((double(Visible.Left - Target.Left) + X + 0.5) * SX, B.Width());
  const TColor Key = ColorToRGB(B.TransparentColor());
  const std::uint32_t KeyRGB = (std::uint32_t(GetRValue(Key)) << 16) |
                               (std::uint32_t(GetGValue(Key)) << 8) | std::uint32_t(GetBValue(Key));
  QImage Part(W, H, QImage::Format_ARGB32);
  for (int Y = 0; Y < H; ++Y) {
    const std::uint32_t* Source =
        B.ScanLine(SourceIndex((double(Visible.Top - Target.Top) + Y + 0.5) * SY, B.Height()));
    auto* Row = reinterpret_cast<std::uint32_t*>(Part.scanLine(Y));
    for (int X = 0; X < W; ++X) {
      const std::uint32_t P = Source[Columns[std::size_t(X)]];
      Row[X] = (P & 0x00FFFFFFu) == KeyRGB ? 0 : P;
    }
  }
  const QPainter::CompositionMode Old = FPainter.compositionMode();
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QPoint(int(Visible.Left), int(Visible.Top)), Part);
  FPainter.setCompositionMode(Old);
  return true;
}

void TQtCanvas::DoDraw(int X, int Y, const TGraphic& Graphic) {
  const auto* B = dynamic_cast<const TBitmap*>(&Graphic);
  if (!FPainter.isActive() || !B || B->Empty()) return;
  const TRect64 Target{X, Y, std::int64_t{X} + B->Width(), std::int64_t{Y} + B->Height()};
  if (DrawKeyedPart(Target, *B)) return;
  DrawImagePart(Target, DrawableImage(*B, B == FBitmap), QRectF(0, 0, B->Width(), B->Height()),
                QPainter::CompositionMode_SourceOver);
}

void TQtCanvas::DoStretchDraw(const TRect& R, const TGraphic& Graphic) {
  const auto* B = dynamic_cast<const TBitmap*>(&Graphic);
  if (!FPainter.isActive() || !B || B->Empty() || IsRectEmpty(R)) return;
  if (DrawKeyedPart(TRect64::From(R), *B)) return;
  DrawImagePart(TRect64::From(R), DrawableImage(*B, B == FBitmap),
                QRectF(0, 0, B->Width(), B->Height()), QPainter::CompositionMode_SourceOver);
}

void TQtCanvas::DoCopyRect(const TRect& Dest, const TBitmap& Source, const TRect& SourceRect) {
  if (!FPainter.isActive() || Source.Empty() || IsRectEmpty(Dest) || IsRectEmpty(SourceRect))
    return;
  // The part of the source rectangle outside the bitmap has no pixels: the destination
  // shrinks in proportion.
  const TRect64 S = TRect64::From(SourceRect);
  const TRect64 SV = detail::Intersect(S, {0, 0, Source.Width(), Source.Height()});
  if (SV.Empty()) return;
  const TRect64 D = TRect64::From(Dest);
  const double FX = double(D.Width()) / double(S.Width());
  const double FY = double(D.Height()) / double(S.Height());
  const TRect64 DV{D.Left + std::llround((SV.Left - S.Left) * FX),
                   D.Top + std::llround((SV.Top - S.Top) * FY),
                   D.Left + std::llround((SV.Right - S.Left) * FX),
                   D.Top + std::llround((SV.Bottom - S.Top) * FY)};
  if (DV.Empty()) return;
  // Always a copy of the part: the source may be the bitmap this canvas paints on.
  const QImage Part =
      ViewOf(Source).copy(int(SV.Left), int(SV.Top), int(SV.Width()), int(SV.Height()));
  DrawImagePart(DV, Part, QRectF(0, 0, Part.width(), Part.height()),
                QPainter::CompositionMode_Source);
}

void TQtCanvas::DoGradientTriangle(const TTriVertex& A, const TTriVertex& B, const TTriVertex& C) {
  if (!FPainter.isActive()) return;
  // Pixel (x, y) belongs to the triangle when its centre (x + 0.5, y + 0.5) does, as for
  // a polygon filled without outline; its colour interpolates the corners linearly.
  const double AX = A.X, AY = A.Y, BX = B.X, BY = B.Y, CX = C.X, CY = C.Y;
  const double Area = (BX - AX) * (CY - AY) - (BY - AY) * (CX - AX);
  if (Area == 0 || !std::isfinite(Area)) return;
  const TRect64 Box{std::int64_t(std::floor(std::min({AX, BX, CX}))),
                    std::int64_t(std::floor(std::min({AY, BY, CY}))),
                    std::int64_t(std::ceil(std::max({AX, BX, CX}))),
                    std::int64_t(std::ceil(std::max({AY, BY, CY})))};
  const TRect64 V = detail::Intersect(Box, TRect64::From(ClipRect()));
  if (V.Empty()) return;
  QImage Image(int(V.Width()), int(V.Height()), QImage::Format_ARGB32);
  Image.fill(0);

  // Edge functions E_i(P) = cross(V_j - V_i, P - V_i) / Area: barycentric weights that are
  // all >= 0 inside. Each is linear in x along a row.
  struct TEdge {
    double X0, Y0, DX, DY;
  };
  const TEdge Edges[3] = {{BX, BY, CX - BX, CY - BY},  // weight of A
                          {CX, CY, AX - CX, AY - CY},  // weight of B
                          {AX, AY, BX - AX, BY - AY}}; // weight of C
  const double Red[3] = {A.Red / 256.0, B.Red / 256.0, C.Red / 256.0};
  const double Green[3] = {A.Green / 256.0, B.Green / 256.0, C.Green / 256.0};
  const double Blue[3] = {A.Blue / 256.0, B.Blue / 256.0, C.Blue / 256.0};

  for (int Row = 0; Row < Image.height(); ++Row) {
    const double PY = double(V.Top + Row) + 0.5;
    // Weight_i(px) = K_i * px + M_i.
    double K[3], M[3];
    double Lo = double(V.Left) + 0.5, Hi = double(V.Right) - 0.5;
    bool Empty = false;
    for (int I = 0; I < 3; ++I) {
      const TEdge& E = Edges[I];
      K[I] = -E.DY / Area;
      M[I] = (E.DX * (PY - E.Y0) + E.DY * E.X0) / Area;
      if (K[I] > 0)
        Lo = std::max(Lo, -M[I] / K[I]);
      else if (K[I] < 0)
        Hi = std::min(Hi, -M[I] / K[I]);
      else if (M[I] < 0)
        Empty = true;
    }
    if (Empty || Lo > Hi) continue;
    const std::int64_t First = std::max<std::int64_t>(V.Left, std::int64_t(std::ceil(Lo - 0.5)));
    const std::int64_t Last =
        std::min<std::int64_t>(V.Right - 1, std::int64_t(std::floor(Hi - 0.5)));
    auto* Line = reinterpret_cast<std::uint32_t*>(Image.scanLine(Row));
    for (std::int64_t X = First; X <= Last; ++X) {
      const double PX = double(X) + 0.5;
      double R = 0, G = 0, Bl = 0;
      for (int I = 0; I < 3; ++I) {
        const double Wt = std::clamp(K[I] * PX + M[I], 0.0, 1.0);
        R += Wt * Red[I];
        G += Wt * Green[I];
        Bl += Wt * Blue[I];
      }
      auto Channel = [](double V) { return std::uint32_t(std::clamp(std::lround(V), 0L, 255L)); };
      Line[X - V.Left] = 0xFF000000u | (Channel(R) << 16) | (Channel(G) << 8) | Channel(Bl);
    }
  }
  const QPainter::CompositionMode Old = FPainter.compositionMode();
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QPoint(int(V.Left), int(V.Top)), Image);
  FPainter.setCompositionMode(Old);
}

void TQtCanvas::DoDrawFocusRect(const TRect& R) {
  if (!FPainter.isActive()) return;
  // Every other pixel of the frame, chosen by (x + y) parity so that each pixel is
  // inverted at most once: drawing the same rectangle again restores the picture.
  const TRect64 Dev = TRect64::From(Bounds());
  const TRect64 F = TRect64::From(R);
  QPolygon Points;
  auto AddRow = [&](std::int64_t Y, std::int64_t X0, std::int64_t X1) {
    if (Y < Dev.Top || Y >= Dev.Bottom) return;
    for (std::int64_t X = std::max(X0, Dev.Left); X <= std::min(X1, Dev.Right - 1); ++X)
      if (((X + Y) & 1) == 0) Points << QPoint(int(X), int(Y));
  };
  auto AddColumn = [&](std::int64_t X, std::int64_t Y0, std::int64_t Y1) {
    if (X < Dev.Left || X >= Dev.Right) return;
    for (std::int64_t Y = std::max(Y0, Dev.Top); Y <= std::min(Y1, Dev.Bottom - 1); ++Y)
      if (((X + Y) & 1) == 0) Points << QPoint(int(X), int(Y));
  };
  AddRow(F.Top, F.Left, F.Right - 1);
  if (F.Bottom - 1 > F.Top) AddRow(F.Bottom - 1, F.Left, F.Right - 1);
  AddColumn(F.Left, F.Top + 1, F.Bottom - 2);
  if (F.Right - 1 > F.Left) AddColumn(F.Right - 1, F.Top + 1, F.Bottom - 2);
  if (Points.isEmpty()) return;
  FPainter.save();
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  if (RasterDevice()) {
    FPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    FPainter.setPen(QPen(Qt::white, 1));
  } else {
    // Vector devices cannot invert: the dots are drawn in black.
    FPainter.setPen(QPen(Qt::black, 1));
  }
  FPainter.drawPoints(Points);
  FPainter.restore();
}

} // namespace vx::qt
