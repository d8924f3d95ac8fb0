#pragma once
// The base of every decoration a chart panel paints (layers, gradient, shadow, labels,
// header and footer, axes, grid, legend): a visibility flag, a change notification towards
// the owner and the drawing protocol Paint = OnDrawing -> Draw -> OnDraw. Also the area
// base that adds a brush and a pen.
//
// Construction: each class level sets its own defaults and connects the change events of
// the sub-objects it owns in its constructor (C++ constructors cannot reach the overrides
// of a derived class, so there is no virtual InitDefaults/ConnectEvents pair).

#include "chart/ChartEvents.h"
#include "platform/core/Canvas.h"
#include "platform/core/GraphicsObjects.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

#include <memory>

namespace vx {

class TGraphic;
class TVXChartAxis;

class TVXChartGraphic : public TPersistent {
  VX_CLASS_NAME(TVXChartGraphic)
public:
  TVXChartGraphic();
  ~TVXChartGraphic() override;

  /// Whether the owner paints the decoration. The setter notifies only on a change.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  /// The owner's handler, called with the decoration as Sender after every change.
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
  /// Asked before painting (Sender is the decoration); clearing DoDraw cancels the paint.
  const TVXChartDrawingEvent& OnDrawing() const { return FOnDrawing; }
  void SetOnDrawing(TVXChartDrawingEvent Handler) { FOnDrawing = std::move(Handler); }
  /// Told after painting.
  const TVXChartDrawEvent& OnDraw() const { return FOnDraw; }
  void SetOnDraw(TVXChartDrawEvent Handler) { FOnDraw = std::move(Handler); }

  /// From another decoration copies Visible; other sources raise the assignment error.
  /// Descendants copy their own members first. Notifies once at the end, so an owner
  /// that copies settings in repaints.
  void Assign(const TPersistent* Source) override;

  /// The drawing protocol: when DoDrawing allows it, Draw and then DoDraw. Each of the
  /// three gets its own copy of Rect, so a handler that changes its rectangle changes
  /// nothing that is painted. Exceptions of handlers and drawing pass through.
  virtual void Paint(TCanvas& Canvas, const TRect& Rect);
  /// Paint with knowledge of the two axes of the plot (either may be nullptr); the base
  /// ignores them.
  virtual void PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis* VertAxis,
                             TVXChartAxis* HorizAxis);
  /// Paints the decoration into Rect (pixels), without events.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect) = 0;

  /// Draws Graphic at its natural size in tiles from (Left, Top) rightwards and downwards
  /// while a tile starts before Rect.Right and Rect.Bottom. Tiles that reach neither into
  /// Rect nor into the canvas's clip are skipped; an empty graphic draws nothing.
  static void TileDraw(TCanvas& Canvas, const TRect& Rect, int Top, int Left,
                       const TGraphic* Graphic);
  /// The same walk with tiles of TileWidth x TileHeight, each stretched with StretchDraw.
  /// A tile size of zero or less draws nothing.
  static void TileStretchDraw(TCanvas& Canvas, const TRect& Rect, int Top, int Left, int TileHeight,
                              int TileWidth, const TGraphic* Graphic);

protected:
  /// Called by SetVisible after a change; calls DoChange.
  virtual void VisibleChanged();
  /// Calls OnChange with the decoration as Sender when assigned.
  virtual void DoChange();
  /// OnDrawing with DoDraw starting true; returns DoDraw.
  virtual bool DoDrawing(TCanvas& Canvas, const TRect& Rect);
  /// OnDraw when assigned.
  virtual void DoDraw(TCanvas& Canvas, const TRect& Rect);
  /// The change handler of owned sub-objects; the base calls DoChange.
  virtual void SubObjectChanged(TObject* Sender);
  /// A handler that forwards to SubObjectChanged, for the OnChange of owned sub-objects.
  TNotifyEvent SubObjectHandler();

private:
  bool FVisible = true;
  TNotifyEvent FOnChange;
  TVXChartDrawingEvent FOnDrawing;
  TVXChartDrawEvent FOnDraw;
};

/// A decoration with a brush (clBtnFace, solid) and a pen (black, solid, width 1), both
/// owned; changes of either notify the owner.
class TVXChartGraphicArea : public TVXChartGraphic {
  VX_CLASS_NAME(TVXChartGraphicArea)
public:
  TVXChartGraphicArea();
  ~TVXChartGraphicArea() override;

  TBrush& Brush() { return *FBrush; }
  const TBrush& Brush() const { return *FBrush; }
  /// Copies Value into the owned brush.
  void SetBrush(const TBrush& Value) { FBrush->Assign(&Value); }
  TPen& Pen() { return *FPen; }
  const TPen& Pen() const { return *FPen; }
  /// Copies Value into the owned pen.
  void SetPen(const TPen& Value) { FPen->Assign(&Value); }

  /// Copies brush and pen, then the inherited members.
  void Assign(const TPersistent* Source) override;
  /// Selects the brush and the pen into the canvas and paints nothing; descendants call
  /// it first.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

private:
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
};

/// The largest size of a W x H picture's aspect that fits into R (W and H positive);
/// the integer parts cut toward zero.
TSize ProportionalFit(const TRect& R, int W, int H);

} // namespace vx
