// TQtCanvas: text. The top-left of the text cell (advance width x ascent + descent) is at
// the given point; the font orientation turns the cell counter-clockwise around it. Glyphs
// are always drawn antialiased (text antialiasing does not follow the canvas switch, which
// is about geometry); a solid brush paints the cell behind the text first.

#include "platform/qt/QtCanvas.h"

#include "platform/qt/QtFonts.h"

#include <QFontMetrics>

#include <cmath>
#include <numbers>

namespace vx::qt {

namespace {

// Text whose origin is further out than this is not drawn: no text is that wide, and
// Qt's glyph positioning is not reliable there.
constexpr double MaxTextOrigin = 1 << 20;

QColor ToQColor(TColor C) {
  const TColor V = ColorToRGB(C);
  return QColor(GetRValue(V), GetGValue(V), GetBValue(V));
}

} // namespace

const QFont& TQtCanvas::CurrentFont() const {
  const TFont& F = Font();
  std::string Key = F.Name();
  Key += '\x1f';
  Key += std::to_string(F.Height());
  Key += '\x1f';
  Key += std::to_string(F.Style().ToBits());
  Key += '\x1f';
  Key += std::to_string(int(F.Pitch()));
  if (!FQFont || Key != FQFontKey) {
    FQFont = ToQFont(F);
    FQFontKey = std::move(Key);
  }
  return *FQFont;
}

TSize TQtCanvas::DoTextExtent(const std::string& Text) const {
  const QFontMetrics M(CurrentFont());
  return {M.horizontalAdvance(QString::fromUtf8(Text)), M.height()};
}

void TQtCanvas::DoTextOut(int X, int Y, const std::string& Text, const TRect* Clip) {
  if (!FPainter.isActive()) return;
  const QFont& QF = CurrentFont();
  const QFontMetrics M(QF);
  const QString S = QString::fromUtf8(Text);
  const double W = M.horizontalAdvance(S);
  const double H = M.height();
  const double Angle = std::fmod(Font().Orientation() / 10.0, 360.0);

  // Skip text that cannot reach the device: the bounding box of the turned cell.
  const double Rad = Angle * std::numbers::pi / 180.0;
  const double C = std::cos(Rad), Sn = std::sin(Rad);
  double MinX = X, MaxX = X, MinY = Y, MaxY = Y;
  const double CornerX[3] = {W, 0, W}, CornerY[3] = {0, H, H};
  for (int I = 0; I < 3; ++I) {
    // Counter-clockwise on the screen, where y grows downwards.
    const double PX = X + CornerX[I] * C + CornerY[I] * Sn;
    const double PY = Y - CornerX[I] * Sn + CornerY[I] * C;
    MinX = std::min(MinX, PX), MaxX = std::max(MaxX, PX);
    MinY = std::min(MinY, PY), MaxY = std::max(MaxY, PY);
  }
  const TRect B = Bounds();
  if (MaxX < B.Left || MinX > B.Right || MaxY < B.Top || MinY > B.Bottom) return;
  if (std::abs(double(X)) > MaxTextOrigin || std::abs(double(Y)) > MaxTextOrigin) return;

  FPainter.save();
  if (Clip) {
    const detail::TRect64 R =
        detail::Intersect(detail::TRect64::From(*Clip), detail::TRect64::From(B));
    FPainter.setClipRect(QRect(int(R.Left), int(R.Top), int(R.Width()), int(R.Height())),
                         Qt::IntersectClip);
  }
  FPainter.translate(X, Y);
  if (Angle != 0) FPainter.rotate(-Angle);
  if (Brush().Style() == bsSolid && Brush().Color() != clNone)
    FPainter.fillRect(QRectF(0, 0, W, H), ToQColor(Brush().Color()));
  if (Font().Color() != clNone) {
    FPainter.setFont(QF);
    FPainter.setPen(ToQColor(Font().Color()));
    FPainter.drawText(QPointF(0, M.ascent()), S);
  }
  FPainter.restore();
}

} // namespace vx::qt
