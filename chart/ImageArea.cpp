#include "chart/ImageArea.h"

#include "graphics/Geometry.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <cstdint>

namespace vx {

TVXChartImageArea::TVXChartImageArea() : FImage(std::make_unique<TPicture>()) {
  FImage->SetOnChange(SubObjectHandler());
}

TVXChartImageArea::~TVXChartImageArea() {
  FImage->SetOnChange(nullptr);
}

void TVXChartImageArea::SetImageOptions(TImageOptions Value) {
  if (!SetField(FImageOptions, Value)) return;
  ApplyTransparency();
  DoChange();
}

void TVXChartImageArea::ApplyTransparency() {
  TGraphic* Graphic = FImage->Graphic();
  if (!Graphic) return;
  // The graphic's change comes back through the picture; the caller notifies once.
  struct TFlag {
    bool& F;
    explicit TFlag(bool& Flag) : F(Flag) { F = true; }
    ~TFlag() { F = false; }
  } Adjusting(FAdjusting);
  Graphic->SetTransparent(FImageOptions.Contains(ioTransparent));
}

void TVXChartImageArea::SubObjectChanged(TObject* Sender) {
  if (FAdjusting) return;
  if (Sender == FImage.get()) ApplyTransparency();
  TVXChartGraphicArea::SubObjectChanged(Sender);
}

void TVXChartImageArea::Assign(const TPersistent* Source) {
  if (const auto* A = dynamic_cast<const TVXChartImageArea*>(Source)) {
    FImageOptions = A->FImageOptions;
    FImage->Assign(A->FImage.get());
  }
  TVXChartGraphicArea::Assign(Source);
}

TRect TVXChartImageArea::GetImageRect(const TRect& R) const {
  const int W = FImage->Width();
  const int H = FImage->Height();
  const std::int64_t Width = std::int64_t{R.Right} - R.Left;
  const std::int64_t Height = std::int64_t{R.Bottom} - R.Top;
  std::int64_t A = W;
  std::int64_t B = H;
  const bool Proportional = FImageOptions.Contains(ioProportional);
  if (FImageOptions.Contains(ioStretch) || (Proportional && (Width < W || Height < H))) {
    if (Proportional && W > 0 && H > 0) {
      const TSize Fit = ProportionalFit(R, W, H);
      A = Fit.cx;
      B = Fit.cy;
    } else {
      A = Width;
      B = Height;
    }
  }
  TRect I{R.Left, R.Top, ClampToInt(R.Left + A), ClampToInt(R.Top + B)};
  if (FImageOptions.Contains(ioCenter))
    I = {ClampToInt(I.Left + (Width - A) / 2), ClampToInt(I.Top + (Height - B) / 2),
         ClampToInt(I.Right + (Width - A) / 2), ClampToInt(I.Bottom + (Height - B) / 2)};
  return I;
}

void TVXChartImageArea::Draw(TCanvas& Canvas, const TRect& Rect) {
  TVXChartGraphicArea::Draw(Canvas, Rect);
  const TGraphic* Graphic = FImage->Graphic();
  if (!Graphic) return;
  const TRect I = GetImageRect(Rect);
  if (FImageOptions.Contains(ioTiled))
    TileStretchDraw(Canvas, Rect, Rect.Top, Rect.Left, ClampToInt(std::int64_t{I.Bottom} - I.Top),
                    ClampToInt(std::int64_t{I.Right} - I.Left), Graphic);
  else
    Canvas.StretchDraw(I, Graphic);
}

// The picture and its options are published by the header, with its own setter.
VX_PUBLISHED(TVXChartImageArea, TVXChartGraphicArea) {}

} // namespace vx
