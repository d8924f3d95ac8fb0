#include "chart/ChartGraphic.h"

#include "graphics/Geometry.h"
#include "platform/core/Graphic.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vx {

namespace {

// The start of the first tile of a walk from Origin with step Size whose tile reaches
// past Lo: tiles wholly before Lo cannot be seen and are jumped over in one step.
std::int64_t FirstTile(std::int64_t Origin, std::int64_t Size, std::int64_t Lo) {
  if (Origin + Size > Lo) return Origin;
  return Origin + (Lo - Origin) / Size * Size;
}

// Calls Fn(x, y) for every tile of the walk that can show.
template <typename F>
void ForEachTile(const TCanvas& Canvas, const TRect& Rect, int Top, int Left, int TileHeight,
                 int TileWidth, F&& Fn) {
  if (TileWidth <= 0 || TileHeight <= 0) return;
  const TRect Clip = Canvas.ClipRect();
  const std::int64_t XLo = std::max(Rect.Left, Clip.Left);
  const std::int64_t YLo = std::max(Rect.Top, Clip.Top);
  const std::int64_t XHi = std::min(Rect.Right, Clip.Right);
  const std::int64_t YHi = std::min(Rect.Bottom, Clip.Bottom);
  if (XLo >= XHi || YLo >= YHi) return;
  const std::int64_t X0 = FirstTile(Left, TileWidth, XLo);
  const std::int64_t Y0 = FirstTile(Top, TileHeight, YLo);
  for (std::int64_t X = X0; X < XHi; X += TileWidth)
    for (std::int64_t Y = Y0; Y < YHi; Y += TileHeight)
      Fn(static_cast<int>(X), static_cast<int>(Y));
}

} // namespace

// ---- TVXChartGraphic ----

TVXChartGraphic::TVXChartGraphic() = default;

TVXChartGraphic::~TVXChartGraphic() {
  FOnChange = nullptr;
}

void TVXChartGraphic::SetVisible(bool Value) {
  if (SetField(FVisible, Value)) VisibleChanged();
}

void TVXChartGraphic::VisibleChanged() {
  DoChange();
}

void TVXChartGraphic::DoChange() {
  if (FOnChange) FOnChange(this);
}

void TVXChartGraphic::Assign(const TPersistent* Source) {
  if (const auto* G = dynamic_cast<const TVXChartGraphic*>(Source)) {
    FVisible = G->FVisible;
    DoChange();
    return;
  }
  TPersistent::Assign(Source);
}

void TVXChartGraphic::Paint(TCanvas& Canvas, const TRect& Rect) {
  // Copies taken before anything runs: a handler may even change the caller's rectangle.
  const TRect Own = Rect;
  if (DoDrawing(Canvas, Own)) {
    Draw(Canvas, TRect(Own));
    DoDraw(Canvas, TRect(Own));
  }
}

void TVXChartGraphic::PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis*,
                                    TVXChartAxis*) {
  Paint(Canvas, Rect);
}

bool TVXChartGraphic::DoDrawing(TCanvas& Canvas, const TRect& Rect) {
  bool Result = true;
  if (FOnDrawing) FOnDrawing(this, &Canvas, Rect, Result);
  return Result;
}

void TVXChartGraphic::DoDraw(TCanvas& Canvas, const TRect& Rect) {
  if (FOnDraw) FOnDraw(this, &Canvas, Rect);
}

void TVXChartGraphic::SubObjectChanged(TObject*) {
  DoChange();
}

TNotifyEvent TVXChartGraphic::SubObjectHandler() {
  return [this](TObject* Sender) { SubObjectChanged(Sender); };
}

void TVXChartGraphic::TileDraw(TCanvas& Canvas, const TRect& Rect, int Top, int Left,
                               const TGraphic* Graphic) {
  if (!Graphic) return;
  ForEachTile(Canvas, Rect, Top, Left, Graphic->Height(), Graphic->Width(),
              [&](int X, int Y) { Canvas.Draw(X, Y, Graphic); });
}

void TVXChartGraphic::TileStretchDraw(TCanvas& Canvas, const TRect& Rect, int Top, int Left,
                                      int TileHeight, int TileWidth, const TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  ForEachTile(Canvas, Rect, Top, Left, TileHeight, TileWidth, [&](int X, int Y) {
    Canvas.StretchDraw(
        {X, Y, ClampToInt(std::int64_t{X} + TileWidth), ClampToInt(std::int64_t{Y} + TileHeight)},
        Graphic);
  });
}

// ---- TVXChartGraphicArea ----

TVXChartGraphicArea::TVXChartGraphicArea()
    : FBrush(std::make_unique<TBrush>()), FPen(std::make_unique<TPen>()) {
  FBrush->SetColor(clBtnFace);
  FBrush->SetOnChange(SubObjectHandler());
  FPen->SetOnChange(SubObjectHandler());
}

TVXChartGraphicArea::~TVXChartGraphicArea() {
  SetOnDrawing(nullptr);
  SetOnDraw(nullptr);
  FBrush->SetOnChange(nullptr);
  FPen->SetOnChange(nullptr);
}

void TVXChartGraphicArea::Assign(const TPersistent* Source) {
  if (const auto* A = dynamic_cast<const TVXChartGraphicArea*>(Source)) {
    FBrush->Assign(A->FBrush.get());
    FPen->Assign(A->FPen.get());
  }
  TVXChartGraphic::Assign(Source);
}

void TVXChartGraphicArea::Draw(TCanvas& Canvas, const TRect&) {
  Canvas.Brush().Assign(FBrush.get());
  Canvas.Pen().Assign(FPen.get());
}

// ---- proportional fit ----

TSize ProportionalFit(const TRect& R, int W, int H) {
  const double Aspect = static_cast<double>(W) / H;
  const std::int64_t Width = std::int64_t{R.Right} - R.Left;
  const std::int64_t Height = std::int64_t{R.Bottom} - R.Top;
  // Cut toward zero; the results never exceed the rectangle's own extents, so the
  // clamping only guards degenerate (inverted) rectangles.
  auto Cut = [](double V) {
    return ClampToInt(static_cast<std::int64_t>(std::clamp(std::trunc(V), -9.0e18, 9.0e18)));
  };
  std::int64_t A = 0;
  std::int64_t B = 0;
  if (H < W) {
    B = Cut(Width / Aspect);
    A = Width;
    if (Height < B) {
      A = Cut(Aspect * Height);
      B = Height;
    }
  } else {
    A = Cut(Aspect * Height);
    B = Height;
    if (Width < A) {
      B = Cut(Width / Aspect);
      A = Width;
    }
  }
  return {ClampToInt(A), ClampToInt(B)};
}

// Visible is declared by each concrete decoration, at its place among the others.
VX_PUBLISHED(TVXChartGraphic, TPersistent) {}
VX_PUBLISHED(TVXChartGraphicArea, TVXChartGraphic) {}

} // namespace vx
