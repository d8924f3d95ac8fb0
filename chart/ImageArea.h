#pragma once
// A decoration area with a picture placed by TImageOptions (the base of the header and
// footer bands).

#include "chart/ChartConsts.h"
#include "chart/ChartGraphic.h"
#include "platform/core/Graphic.h"

#include <memory>

namespace vx {

class TVXChartImageArea : public TVXChartGraphicArea {
  VX_CLASS_NAME(TVXChartImageArea)
public:
  /// Options initially [ioCenter, ioProportional] (bit value 5).
  static constexpr TImageOptions DefaultImageOptions{ioCenter, ioProportional};

  TVXChartImageArea();
  ~TVXChartImageArea() override;

  /// The picture drawn (owned, initially empty); its changes notify the owner.
  TPicture& Image() { return *FImage; }
  const TPicture& Image() const { return *FImage; }
  /// Copies Value into the owned picture.
  void SetImage(const TPicture& Value) { FImage->Assign(&Value); }

  TImageOptions ImageOptions() const { return FImageOptions; }
  /// Stores a changed set, gives the graphic the ioTransparent setting and notifies.
  /// Descendants that keep rival options apart override it.
  virtual void SetImageOptions(TImageOptions Value);

  /// Copies the options and the picture, then the inherited members.
  void Assign(const TPersistent* Source) override;
  /// Brush and pen into the canvas, then the picture: tiled over Rect in tiles of the
  /// image rectangle's size with ioTiled, else stretched into the image rectangle.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;
  /// Where the picture goes in R by ImageOptions: natural size, or with ioStretch (or
  /// ioProportional and a picture larger than R) the proportional fit or the whole of R;
  /// at R's top-left corner, or centred with ioCenter. An empty picture gives an empty
  /// rectangle at that place.
  TRect GetImageRect(const TRect& R) const;

protected:
  /// For the picture: the graphic's Transparent follows ioTransparent; then DoChange.
  void SubObjectChanged(TObject* Sender) override;
  /// Stores the options without notifying (for descendants' setters).
  void StoreImageOptions(TImageOptions Value) { FImageOptions = Value; }
  /// Gives the graphic (if any) the Transparent setting of ioTransparent, without a
  /// second notification.
  void ApplyTransparency();

private:
  std::unique_ptr<TPicture> FImage;
  TImageOptions FImageOptions = DefaultImageOptions;
  bool FAdjusting = false;
};

} // namespace vx
