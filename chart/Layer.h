#pragma once
// An image layer of the panel (background, chart background, foreground): a rectangle
// filled with a brush and a picture placed by TImageMode, which on a zoomable layer
// painted with the axes follows their zoom.

#include "chart/ChartConsts.h"
#include "chart/ChartGraphic.h"
#include "platform/core/Graphic.h"

#include <memory>

namespace vx {

class TVXChartLayer : public TVXChartGraphic {
  VX_CLASS_NAME(TVXChartLayer)
public:
  /// White solid brush, default pen, empty picture, imCenter, opaque, zoomable, visible.
  TVXChartLayer();
  ~TVXChartLayer() override;

  /// Fills the rectangle unless Transparent (owned).
  TBrush& Brush() { return *FBrush; }
  const TBrush& Brush() const { return *FBrush; }
  void SetBrush(const TBrush& Value) { FBrush->Assign(&Value); }
  /// The picture (owned). Painting converts a graphic that is not a bitmap into one.
  TPicture& Image() { return *FImage; }
  const TPicture& Image() const { return *FImage; }
  void SetImage(const TPicture& Value) { FImage->Assign(&Value); }
  TImageMode ImageMode() const { return FImageMode; }
  void SetImageMode(TImageMode Value);
  /// Stored with the layer; painting does not use it.
  TPen& Pen() { return *FPen; }
  const TPen& Pen() const { return *FPen; }
  void SetPen(const TPen& Value) { FPen->Assign(&Value); }
  /// A transparent layer does not fill its rectangle, and its picture is drawn without
  /// its transparent colour.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  /// Whether the picture follows the zoom of the axes it is painted with.
  bool Zoomable() const { return FZoomable; }
  void SetZoomable(bool Value);

  /// The axes of a PaintWithAxes in progress; nullptr otherwise.
  TVXChartAxis* PaintVertAxis() const { return FPaintVertAxis; }
  TVXChartAxis* PaintHorizAxis() const { return FPaintHorizAxis; }

  /// Copies brush, ImageMode, pen, picture, Transparent and Zoomable, then the inherited
  /// members.
  void Assign(const TPersistent* Source) override;
  /// Remembers the axes while Paint runs (also cleared when an exception passes).
  void PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis* VertAxis,
                     TVXChartAxis* HorizAxis) override;
  /// Fills Rect with the brush unless Transparent, then places the picture, clipped to
  /// Rect; the canvas clip in force before is restored afterwards.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

protected:
  void SubObjectChanged(TObject* Sender) override;

private:
  void DrawPicture(TCanvas& Canvas, const TRect& R, TBitmap& Picture);
  /// Places the picture for zoomed axes (imStretch, imTile, imLeft; other modes draw
  /// nothing).
  void DrawZoomed(TCanvas& Canvas, const TRect& R, TBitmap& Picture);

  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TPicture> FImage;
  TImageMode FImageMode = imCenter;
  bool FTransparent = false;
  bool FZoomable = true;
  TVXChartAxis* FPaintVertAxis = nullptr;
  TVXChartAxis* FPaintHorizAxis = nullptr;
  bool FAdjusting = false;
};

} // namespace vx
