#include "platform/core/Canvas.h"

#include "platform/core/Graphic.h"
#include "platform/core/TextCompare.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>

namespace vx {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, INT_MIN, INT_MAX));
}

// The toolkit's shape functions accept their two corners in any order.
TRect Normalized(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

// Faces that are bitmap fonts on the platform and so cannot be turned.
constexpr const char* BitmapFaces[] = {"MS Sans Serif", "MS Serif", "System",     "Terminal",
                                       "Fixedsys",      "Courier",  "Small Fonts"};

} // namespace

std::size_t CodePointCount(const std::string& Text) {
  std::size_t N = 0;
  for (unsigned char C : Text)
    if ((C & 0xC0) != 0x80) // every byte but a UTF-8 continuation byte starts a code point
      ++N;
  return N;
}

TSize FixedTextExtent(const TFont& Font, const std::string& Text) {
  std::int64_t Em = Font.Height();
  if (Em < 0) Em = -Em;
  if (Em == 0) Em = -TFont().Height();
  // 0.6 and 1.2 em, rounded half up, in integers.
  const std::int64_t Advance = std::max<std::int64_t>(1, (Em * 6 + 5) / 10);
  const std::int64_t Line = std::max<std::int64_t>(1, (Em * 12 + 5) / 10);
  const std::int64_t Count = static_cast<std::int64_t>(
      std::min<std::size_t>(CodePointCount(Text), static_cast<std::size_t>(INT_MAX)));
  return {ClampToInt(Advance * Count), ClampToInt(Line)};
}

// ---- TCanvas ----

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::MoveTo(int X, int Y) {
  FPenPos = {X, Y};
}

void TCanvas::LineTo(int X, int Y) {
  const TPoint To{X, Y};
  // The end pixel is never set, so a line to the pen position itself sets nothing.
  if (To != FPenPos) DoLine(FPenPos, To);
  FPenPos = To;
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolyline(Points);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolygon(Points);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (!IsRectEmpty(R)) DoRectangle(R);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (IsRectEmpty(R)) return;
  // A negative corner size means no rounding, not a mirrored one.
  DoRoundRect(R, std::max(X3, 0), std::max(Y3, 0));
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (!IsRectEmpty(R)) DoEllipse(R);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (!IsRectEmpty(R)) DoArc(akArc, R, {X3, Y3}, {X4, Y4});
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (!IsRectEmpty(R)) DoArc(akChord, R, {X3, Y3}, {X4, Y4});
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (!IsRectEmpty(R)) DoArc(akPie, R, {X3, Y3}, {X4, Y4});
}

void TCanvas::FillRect(const TRect& R) {
  if (!IsRectEmpty(R)) DoFillRect(R);
}

void TCanvas::FrameRect(const TRect& R) {
  if (IsRectEmpty(R)) return;
  // Four one-pixel strips in the brush; none overlaps another, so an inverting or
  // translucent backend draws each pixel once. Bottom > Top, so Top + 1 cannot overflow.
  DoFillRect({R.Left, R.Top, R.Right, R.Top + 1});
  if (R.Bottom - 1 > R.Top) DoFillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom});
  if (R.Bottom - 1 > R.Top + 1) {
    DoFillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1});
    if (R.Right - 1 > R.Left) DoFillRect({R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1});
  }
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  if (!Text.empty()) DoTextOut(X, Y, Text, nullptr);
  FPenPos = {ClampToInt(std::int64_t{X} + DoTextExtent(Text).cx), Y};
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
  if (IsRectEmpty(R)) return;
  // An opaque brush fills the whole rectangle behind the text, as the toolkit does.
  if (FBrush->Style() != bsClear) DoFillRect(R);
  if (!Text.empty()) DoTextOut(X, Y, Text, &R);
}

TSize TCanvas::TextExtent(const std::string& Text) const {
  return DoTextExtent(Text);
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
  if (Graphic && !Graphic->Empty()) DoDraw(X, Y, *Graphic);
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic) {
  if (Graphic && !Graphic->Empty() && !IsRectEmpty(R)) DoStretchDraw(R, *Graphic);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) {
  const TBitmap* Bitmap = Source.Bitmap();
  if (Bitmap && !Bitmap->Empty() && !IsRectEmpty(Dest) && !IsRectEmpty(SourceRect))
    DoCopyRect(Dest, *Bitmap, SourceRect);
}

TRect TCanvas::ClipRect() const {
  const TRect Surface = Bounds();
  if (!FClip) return Surface;
  TRect R;
  IntersectRect(R, *FClip, Surface);
  return R;
}

void TCanvas::SetClipRect(const TRect& R) {
  FClip = R;
  DoSetClip(&R);
}

void TCanvas::RemoveClip() {
  FClip.reset();
  DoSetClip(nullptr);
}

void TCanvas::GradientTriangle(const TTriVertex& A, const TTriVertex& B, const TTriVertex& C) {
  DoGradientTriangle(A, B, C);
}

void TCanvas::DrawFocusRect(const TRect& R) {
  if (!IsRectEmpty(R)) DoDrawFocusRect(R);
}

bool TCanvas::IsTrueTypeFont(const TFont& F) const {
  for (const char* Face : BitmapFaces)
    if (SameText(F.Name(), Face)) return false;
  return true;
}

TRect TCanvas::Bounds() const {
  return {-UnboundedExtent, -UnboundedExtent, UnboundedExtent, UnboundedExtent};
}

void TCanvas::SetAntialiasing(bool Value) {
  if (FAntialiasing == Value) return;
  FAntialiasing = Value;
  DoSetAntialiasing(Value);
}

// The null backend: draws nothing, measures with the fixed metrics.
void TCanvas::DoLine(TPoint, TPoint) {}
void TCanvas::DoPolyline(std::span<const TPoint>) {}
void TCanvas::DoPolygon(std::span<const TPoint>) {}
void TCanvas::DoRectangle(const TRect&) {}
void TCanvas::DoFillRect(const TRect&) {}
void TCanvas::DoRoundRect(const TRect&, int, int) {}
void TCanvas::DoEllipse(const TRect&) {}
void TCanvas::DoArc(TArcKind, const TRect&, TPoint, TPoint) {}
void TCanvas::DoTextOut(int, int, const std::string&, const TRect*) {}
TSize TCanvas::DoTextExtent(const std::string& Text) const {
  return FixedTextExtent(*FFont, Text);
}
void TCanvas::DoDraw(int, int, const TGraphic&) {}
void TCanvas::DoStretchDraw(const TRect&, const TGraphic&) {}
void TCanvas::DoCopyRect(const TRect&, const TBitmap&, const TRect&) {}
void TCanvas::DoSetClip(const TRect*) {}
void TCanvas::DoGradientTriangle(const TTriVertex&, const TTriVertex&, const TTriVertex&) {}
void TCanvas::DoDrawFocusRect(const TRect&) {}
void TCanvas::DoSetAntialiasing(bool) {}

// ---- TCanvasStateSaver ----

TCanvasStateSaver::TCanvasStateSaver(TCanvas& Canvas) : FCanvas(Canvas) {
  FPen.Assign(&Canvas.Pen());
  FBrush.Assign(&Canvas.Brush());
  FFont.Assign(&Canvas.Font());
}

TCanvasStateSaver::~TCanvasStateSaver() {
  // Assign only notifies on a real change, so restoring an untouched canvas is silent.
  FCanvas.Pen().Assign(&FPen);
  FCanvas.Brush().Assign(&FBrush);
  FCanvas.Font().Assign(&FFont);
}

} // namespace vx
