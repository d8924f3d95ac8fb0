#include "chart/Layer.h"

#include "chart/LayerAxes.h"
#include "chart/LayerPlacement.h"
#include "graphics/Geometry.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <cstdint>

namespace vx {

namespace {

// Clips the canvas to R (within any clip already in force) and restores the clip that
// was in force when it leaves scope, also when an exception passes.
class TClipGuard {
public:
  TClipGuard(TCanvas& Canvas, const TRect& R)
      : FCanvas(Canvas), FHadClip(Canvas.HasClip()), FOld(Canvas.ClipRect()) {
    TRect Clip = R;
    if (FHadClip) IntersectRect(Clip, R, FOld);
    FCanvas.SetClipRect(Clip);
  }
  ~TClipGuard() {
    if (FHadClip)
      FCanvas.SetClipRect(FOld);
    else
      FCanvas.RemoveClip();
  }
  TClipGuard(const TClipGuard&) = delete;
  TClipGuard& operator=(const TClipGuard&) = delete;

private:
  TCanvas& FCanvas;
  bool FHadClip;
  TRect FOld;
};

// Sets a flag for the lifetime of the guard.
class TFlagGuard {
public:
  explicit TFlagGuard(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagGuard() { FFlag = false; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
  bool& FFlag;
};

TRect Sized(int Left, int Top, std::int64_t Width, std::int64_t Height) {
  return {Left, Top, ClampToInt(Left + Width), ClampToInt(Top + Height)};
}

} // namespace

TVXChartLayer::TVXChartLayer()
    : FBrush(std::make_unique<TBrush>()), FPen(std::make_unique<TPen>()),
      FImage(std::make_unique<TPicture>()) {
  FBrush->SetOnChange(SubObjectHandler());
  FPen->SetOnChange(SubObjectHandler());
  FImage->SetOnChange(SubObjectHandler());
}

TVXChartLayer::~TVXChartLayer() {
  SetOnChange(nullptr);
  FBrush->SetOnChange(nullptr);
  FPen->SetOnChange(nullptr);
  FImage->SetOnChange(nullptr);
}

void TVXChartLayer::SetImageMode(TImageMode Value) {
  if (SetField(FImageMode, Value)) DoChange();
}

void TVXChartLayer::SetTransparent(bool Value) {
  if (SetField(FTransparent, Value)) DoChange();
}

void TVXChartLayer::SetZoomable(bool Value) {
  if (SetField(FZoomable, Value)) DoChange();
}

void TVXChartLayer::SubObjectChanged(TObject* Sender) {
  // Painting brings the picture in line with the layer's own settings; that changes
  // nothing the owner has not painted already.
  if (FAdjusting) return;
  TVXChartGraphic::SubObjectChanged(Sender);
}

void TVXChartLayer::Assign(const TPersistent* Source) {
  if (const auto* L = dynamic_cast<const TVXChartLayer*>(Source)) {
    FBrush->Assign(L->FBrush.get());
    FImageMode = L->FImageMode;
    FPen->Assign(L->FPen.get());
    FImage->Assign(L->FImage.get());
    FTransparent = L->FTransparent;
    FZoomable = L->FZoomable;
  }
  TVXChartGraphic::Assign(Source);
}

void TVXChartLayer::PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis* VertAxis,
                                  TVXChartAxis* HorizAxis) {
  struct TAxesGuard {
    TVXChartLayer& L;
    ~TAxesGuard() { L.FPaintVertAxis = L.FPaintHorizAxis = nullptr; }
  } Guard{*this};
  FPaintVertAxis = VertAxis;
  FPaintHorizAxis = HorizAxis;
  TVXChartGraphic::PaintWithAxes(Canvas, Rect, VertAxis, HorizAxis);
}

void TVXChartLayer::Draw(TCanvas& Canvas, const TRect& Rect) {
  Canvas.Brush().Assign(FBrush.get());
  if (!FTransparent) Canvas.FillRect(Rect);
  if (!FImage->Graphic()) return;
  TBitmap* Picture = nullptr;
  {
    TFlagGuard Adjusting(FAdjusting);
    FImage->Graphic()->SetTransparent(FTransparent);
    Picture = &FImage->Bitmap(); // converts another kind of graphic once, and keeps it
  }
  // A picture without pixels draws nothing (and no tile walk can start).
  if (Picture->Empty()) return;
  TClipGuard Clip(Canvas, Rect);
  DrawPicture(Canvas, Rect, *Picture);
}

void TVXChartLayer::DrawPicture(TCanvas& Canvas, const TRect& R, TBitmap& Picture) {
  if (FZoomable && FPaintVertAxis && FPaintHorizAxis &&
      (AxisIsZoomed(*FPaintHorizAxis) || AxisIsZoomed(*FPaintVertAxis))) {
    DrawZoomed(Canvas, R, Picture);
    return;
  }
  const int W = Picture.Width();
  const int Hp = Picture.Height();
  const TPoint C = RectCenter(R);
  const TPoint P{C.X - W / 2, C.Y - Hp / 2};
  const std::int64_t Width = std::int64_t{R.Right} - R.Left;
  const std::int64_t Height = std::int64_t{R.Bottom} - R.Top;
  switch (FImageMode) {
  case imCenter:
    Canvas.Draw(P.X, P.Y, &Picture);
    break;
  case imLeft:
    Canvas.Draw(R.Left, P.Y, &Picture);
    break;
  case imRight:
    Canvas.Draw(ClampToInt(std::int64_t{R.Right} - W), P.Y, &Picture);
    break;
  case imTop:
    Canvas.Draw(P.X, R.Top, &Picture);
    break;
  case imBottom:
    Canvas.Draw(P.X, ClampToInt(std::int64_t{R.Bottom} - Hp), &Picture);
    break;
  case imStretch:
    Canvas.StretchDraw(R, &Picture);
    break;
  case imTile:
    TileDraw(Canvas, R, R.Top, R.Left, &Picture);
    break;
  case imProportional:
  case imProportionalCenter: {
    // Unlike the image area, the layer scales the picture up as well as down.
    const TSize Fit = ProportionalFit(R, W, Hp);
    TRect D = Sized(R.Left, R.Top, Fit.cx, Fit.cy);
    if (FImageMode == imProportionalCenter)
      D = Sized(ClampToInt(R.Left + (Width - Fit.cx) / 2),
                ClampToInt(R.Top + (Height - Fit.cy) / 2), Fit.cx, Fit.cy);
    Canvas.StretchDraw(D, &Picture);
    break;
  }
  }
}

void TVXChartLayer::DrawZoomed(TCanvas& Canvas, const TRect& R, TBitmap& Picture) {
  const int W = Picture.Width();
  const int Hp = Picture.Height();
  const TVXAxisZoom H = AxisZoom(*FPaintHorizAxis, R, W, false);
  const TVXAxisZoom V = AxisZoom(*FPaintVertAxis, R, Hp, true);
  switch (FImageMode) {
  case imStretch: {
    TRect Source;
    if (ZoomedStretchSource(W, Hp, H, V, Source)) Canvas.CopyRect(R, Picture.Canvas(), Source);
    break;
  }
  case imTile: {
    TVXZoomedTiles Tiles;
    if (ZoomedTiles(R, W, Hp, H, V, Tiles))
      TileStretchDraw(Canvas, R, Tiles.Top, Tiles.Left, Tiles.Height, Tiles.Width, &Picture);
    break;
  }
  case imLeft: {
    TRect Dest;
    if (ZoomedLeftRect(R, W, Hp, RectCenter(R).Y - Hp / 2, H, V, Dest))
      Canvas.StretchDraw(Dest, &Picture);
    break;
  }
  default: // the other modes have no zoomed form: nothing is drawn while zoomed
    break;
  }
}

VX_PUBLISHED(TVXChartLayer, TVXChartGraphic) {
  P.Object("Brush", [](const TVXChartLayer& L) -> const TBrush& { return L.Brush(); });
  P.Object("Image", [](const TVXChartLayer& L) -> const TPicture& { return L.Image(); });
  P.Enum("ImageMode", &TVXChartLayer::ImageMode, &TVXChartLayer::SetImageMode);
  P.Object("Pen", [](const TVXChartLayer& L) -> const TPen& { return L.Pen(); });
  P.Bool("Transparent", &TVXChartLayer::Transparent, &TVXChartLayer::SetTransparent, false);
  P.Bool("Zoomable", &TVXChartLayer::Zoomable, &TVXChartLayer::SetZoomable, true);
  P.Bool("Visible", &TVXChartLayer::Visible, &TVXChartLayer::SetVisible);
}

} // namespace vx
