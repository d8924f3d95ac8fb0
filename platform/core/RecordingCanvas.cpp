#include "platform/core/RecordingCanvas.h"

#include "platform/core/Graphic.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace vx {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, INT_MIN, INT_MAX));
}

constexpr const char* OpNames[] = {
    "Line",        "Polyline", "Polygon", "Rectangle",  "FillRect",         "RoundRect",
    "Ellipse",     "Arc",      "Chord",   "Pie",        "TextOut",          "Draw",
    "StretchDraw", "CopyRect", "SetClip", "RemoveClip", "GradientTriangle", "FocusRect",
    "Antialiasing"};

constexpr const char* PenStyleNames[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                         "psDashDotDot", "psClear", "psInsideFrame"};
constexpr const char* BrushStyleNames[] = {"bsSolid",    "bsClear",     "bsHorizontal",
                                           "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                           "bsCross",    "bsDiagCross"};
constexpr const char* FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <std::size_t N> const char* NameOf(const char* const (&Names)[N], unsigned Index) {
  return Index < N ? Names[Index] : "?";
}

std::string ColorText(TColor C) {
  if (auto Name = ColorToIdent(C)) return *Name;
  char Buf[16];
  if (C < 0 || C > 0xFFFFFF)
    std::snprintf(Buf, sizeof Buf, "$%08X", static_cast<unsigned>(C));
  else
    std::snprintf(Buf, sizeof Buf, "#%02X%02X%02X", GetRValue(C), GetGValue(C), GetBValue(C));
  return Buf;
}

std::string PointText(TPoint P) {
  return "(" + std::to_string(P.X) + "," + std::to_string(P.Y) + ")";
}

std::string RectText(const TRect& R) {
  return "(" + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," +
         std::to_string(R.Right) + "," + std::to_string(R.Bottom) + ")";
}

std::string PointsText(const std::vector<TPoint>& Points) {
  std::string S;
  for (const TPoint& P : Points)
    S += (S.empty() ? "" : " ") + PointText(P);
  return S;
}

std::string PenText(const TPenState& P) {
  return " pen " + ColorText(P.Color) + "/" + std::to_string(P.Width) + "/" +
         NameOf(PenStyleNames, P.Style);
}

std::string BrushText(const TBrushState& B) {
  return " brush " + ColorText(B.Color) + "/" + NameOf(BrushStyleNames, B.Style);
}

std::string FontText(const TFontState& F) {
  std::string Styles;
  for (unsigned I = 0; I < 4; ++I)
    if (F.Style.Contains(static_cast<TFontStyle>(I)))
      Styles += std::string(Styles.empty() ? "" : ",") + FontStyleNames[I];
  return " font \"" + F.Name + "\"/" + std::to_string(F.Height) + "/[" + Styles + "]/" +
         ColorText(F.Color) + "/" + std::to_string(F.Orientation);
}

// Extends Box (Empty while nothing was added) to include the point.
void Extend(TRect& Box, bool& Empty, TPoint P) {
  if (Empty) {
    Box = {P.X, P.Y, P.X, P.Y};
    Empty = false;
    return;
  }
  Box.Left = std::min(Box.Left, P.X);
  Box.Top = std::min(Box.Top, P.Y);
  Box.Right = std::max(Box.Right, P.X);
  Box.Bottom = std::max(Box.Bottom, P.Y);
}

bool HasRect(TCanvasOp Op) {
  switch (Op) {
  case copLine:
  case copPolyline:
  case copPolygon:
  case copGradientTriangle:
  case copRemoveClip:
  case copAntialiasing:
    return false;
  default:
    return true;
  }
}

} // namespace

const char* CanvasOpName(TCanvasOp Op) {
  return NameOf(OpNames, Op);
}

std::string TCanvasCommand::ToString() const {
  std::string S = CanvasOpName(Op);
  switch (Op) {
  case copLine:
  case copPolyline:
    S += " " + PointsText(Points) + PenText(Pen);
    break;
  case copPolygon:
    S += " " + PointsText(Points) + PenText(Pen) + BrushText(Brush);
    break;
  case copRectangle:
  case copEllipse:
    S += " " + RectText(Rect) + PenText(Pen) + BrushText(Brush);
    break;
  case copRoundRect:
    S += " " + RectText(Rect) + " corner " + std::to_string(Corner.cx) + "x" +
         std::to_string(Corner.cy) + PenText(Pen) + BrushText(Brush);
    break;
  case copArc:
    S += " " + RectText(Rect) + " " + PointsText(Points) + PenText(Pen);
    break;
  case copChord:
  case copPie:
    S += " " + RectText(Rect) + " " + PointsText(Points) + PenText(Pen) + BrushText(Brush);
    break;
  case copFillRect:
    S += " " + RectText(Rect) + BrushText(Brush);
    break;
  case copTextOut:
    S += " " + PointText(Points.empty() ? TPoint{} : Points.front()) + " \"" + Text + "\" cell " +
         RectText(Rect) + (TextClip ? " clipped to " + RectText(*TextClip) : std::string()) +
         FontText(Font) + " brush " + NameOf(BrushStyleNames, Brush.Style);
    break;
  case copDraw:
  case copStretchDraw:
    S += " " + RectText(Rect) + " " + GraphicClass + " " + std::to_string(GraphicSize.cx) + "x" +
         std::to_string(GraphicSize.cy);
    break;
  case copCopyRect:
    S += " " + RectText(Rect) + " from " + RectText(SourceRect) + " of " + GraphicClass + " " +
         std::to_string(GraphicSize.cx) + "x" + std::to_string(GraphicSize.cy);
    break;
  case copSetClip:
  case copFocusRect:
    S += " " + RectText(Rect);
    break;
  case copRemoveClip:
    break;
  case copGradientTriangle:
    for (const TTriVertex& V : Vertices) {
      char Buf[48];
      std::snprintf(Buf, sizeof Buf, " #%02X%02X%02X", V.Red >> 8, V.Green >> 8, V.Blue >> 8);
      S += " " + PointText({V.X, V.Y}) + Buf;
    }
    break;
  case copAntialiasing:
    S += Antialiasing ? " on" : " off";
    break;
  }
  if (Clip && Op != copSetClip) S += " clip " + RectText(*Clip);
  return S;
}

// ---- TRecordingCanvas ----

TRecordingCanvas::TRecordingCanvas() = default;

TRecordingCanvas::TRecordingCanvas(const TRect& Bounds) : FBounds(Bounds) {}

std::vector<const TCanvasCommand*> TRecordingCanvas::CommandsOf(TCanvasOp Op) const {
  std::vector<const TCanvasCommand*> Result;
  for (const TCanvasCommand& C : FCommands)
    if (C.Op == Op) Result.push_back(&C);
  return Result;
}

std::vector<std::string> TRecordingCanvas::Texts() const {
  std::vector<std::string> Result;
  for (const TCanvasCommand& C : FCommands)
    if (C.Op == copTextOut) Result.push_back(C.Text);
  return Result;
}

std::vector<std::vector<TPoint>> TRecordingCanvas::Polylines() const {
  std::vector<std::vector<TPoint>> Result;
  for (const TCanvasCommand& C : FCommands)
    if (C.Op == copPolyline) Result.push_back(C.Points);
  return Result;
}

std::size_t TRecordingCanvas::Count(TCanvasOp Op) const {
  return static_cast<std::size_t>(std::count_if(FCommands.begin(), FCommands.end(),
                                                [Op](const auto& C) { return C.Op == Op; }));
}

TRect TRecordingCanvas::BoundsOf(TCanvasOp Op) const {
  TRect Box;
  bool Empty = true;
  for (const TCanvasCommand& C : FCommands) {
    if (C.Op != Op) continue;
    if (HasRect(Op)) {
      Extend(Box, Empty, C.Rect.TopLeft());
      Extend(Box, Empty, C.Rect.BottomRight());
    } else {
      for (const TPoint& P : C.Points)
        Extend(Box, Empty, P);
    }
  }
  return Box;
}

std::string TRecordingCanvas::Dump() const {
  std::string S;
  for (std::size_t I = 0; I < FCommands.size(); ++I)
    S += "#" + std::to_string(I) + " " + FCommands[I].ToString() + "\n";
  return S.empty() ? "(no operations)\n" : S;
}

TCanvasCommand& TRecordingCanvas::Add(TCanvasOp Op) {
  TCanvasCommand& C = FCommands.emplace_back();
  C.Op = Op;
  C.Pen = {Pen().Color(), Pen().Width(), Pen().Style()};
  C.Brush = {Brush().Color(), Brush().Style()};
  C.Font = {Font().Name(), Font().Height(), Font().Style(), Font().Color(), Font().Orientation()};
  if (HasClip()) C.Clip = ClipRect();
  return C;
}

void TRecordingCanvas::DoLine(TPoint From, TPoint To) {
  Add(copLine).Points = {From, To};
}

void TRecordingCanvas::DoPolyline(std::span<const TPoint> Points) {
  Add(copPolyline).Points.assign(Points.begin(), Points.end());
}

void TRecordingCanvas::DoPolygon(std::span<const TPoint> Points) {
  Add(copPolygon).Points.assign(Points.begin(), Points.end());
}

void TRecordingCanvas::DoRectangle(const TRect& R) {
  Add(copRectangle).Rect = R;
}

void TRecordingCanvas::DoFillRect(const TRect& R) {
  Add(copFillRect).Rect = R;
}

void TRecordingCanvas::DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
  TCanvasCommand& C = Add(copRoundRect);
  C.Rect = R;
  C.Corner = {CornerWidth, CornerHeight};
}

void TRecordingCanvas::DoEllipse(const TRect& R) {
  Add(copEllipse).Rect = R;
}

void TRecordingCanvas::DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) {
  const TCanvasOp Op = Kind == akChord ? copChord : Kind == akPie ? copPie : copArc;
  TCanvasCommand& C = Add(Op);
  C.Rect = R;
  C.Points = {Start, End};
}

void TRecordingCanvas::DoTextOut(int X, int Y, const std::string& Text, const TRect* Clip) {
  const TSize Extent = DoTextExtent(Text);
  TCanvasCommand& C = Add(copTextOut);
  C.Points = {{X, Y}};
  C.Text = Text;
  C.Rect = {X, Y, ClampToInt(std::int64_t{X} + Extent.cx), ClampToInt(std::int64_t{Y} + Extent.cy)};
  if (Clip) C.TextClip = *Clip;
}

TSize TRecordingCanvas::DoTextExtent(const std::string& Text) const {
  return FixedTextExtent(Font(), Text);
}

void TRecordingCanvas::DoDraw(int X, int Y, const TGraphic& Graphic) {
  TCanvasCommand& C = Add(copDraw);
  C.Points = {{X, Y}};
  C.Rect = {X, Y, ClampToInt(std::int64_t{X} + Graphic.Width()),
            ClampToInt(std::int64_t{Y} + Graphic.Height())};
  C.GraphicClass = Graphic.ClassName();
  C.GraphicSize = {Graphic.Width(), Graphic.Height()};
}

void TRecordingCanvas::DoStretchDraw(const TRect& R, const TGraphic& Graphic) {
  TCanvasCommand& C = Add(copStretchDraw);
  C.Rect = R;
  C.GraphicClass = Graphic.ClassName();
  C.GraphicSize = {Graphic.Width(), Graphic.Height()};
}

void TRecordingCanvas::DoCopyRect(const TRect& Dest, const TBitmap& Source,
                                  const TRect& SourceRect) {
  TCanvasCommand& C = Add(copCopyRect);
  C.Rect = Dest;
  C.SourceRect = SourceRect;
  C.GraphicClass = Source.ClassName();
  C.GraphicSize = {Source.Width(), Source.Height()};
}

void TRecordingCanvas::DoSetClip(const TRect* Clip) {
  if (Clip)
    Add(copSetClip).Rect = *Clip;
  else
    Add(copRemoveClip);
}

void TRecordingCanvas::DoGradientTriangle(const TTriVertex& A, const TTriVertex& B,
                                          const TTriVertex& C) {
  TCanvasCommand& Cmd = Add(copGradientTriangle);
  Cmd.Vertices = {A, B, C};
  Cmd.Points = {{A.X, A.Y}, {B.X, B.Y}, {C.X, C.Y}};
}

void TRecordingCanvas::DoDrawFocusRect(const TRect& R) {
  Add(copFocusRect).Rect = R;
}

void TRecordingCanvas::DoSetAntialiasing(bool Value) {
  Add(copAntialiasing).Antialiasing = Value;
}

} // namespace vx
