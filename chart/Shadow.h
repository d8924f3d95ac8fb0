#pragma once
// Drop shadows: the geometry of an object and its shadow inside one rectangle, and the
// flat painting of a shadow in the outline of a shape (used by the legend and the chart
// kinds through the panel's ChartShadow).

#include "chart/ChartConsts.h"
#include "chart/ChartGraphic.h"
#include "graphics/Shapes.h"

namespace vx {

class TVXChartShadow : public TVXChartGraphicArea {
  VX_CLASS_NAME(TVXChartShadow)
public:
  /// Black solid brush, sdBottomRight, Size 3, Shape ssRectangle.
  TVXChartShadow();

  /// Where the shadow falls from the object.
  TVXShadowDirection Direction() const { return FDirection; }
  void SetDirection(TVXShadowDirection Value);
  /// The offset between object and shadow in pixels (not validated).
  int Size() const { return FSize; }
  void SetSize(int Value);
  /// The outline of the object whose shadow is drawn (public, not stored).
  TVXShapeStyle Shape() const { return FShape; }
  /// Stores ssImage as ssRectangle, any other style as given; notifies on a change.
  void SetShape(TVXShapeStyle Value);

  /// Stores Shape exactly as given, without notifying, and paints the shadow into Rect
  /// with the drawing events (Paint).
  void DrawShadow(TCanvas& Canvas, const TRect& Rect, TVXShapeStyle Shape);
  /// The shadow's part of a rectangle that holds an object together with its shadow:
  /// the object's size, offset by Size towards Direction.
  TRect GetShadowRect(const TRect& R) const;
  /// The object's part of such a rectangle.
  TRect GetObjectRect(const TRect& R) const;

  /// Copies Size and Direction (not Shape), then the inherited members.
  void Assign(const TPersistent* Source) override;
  /// Brush and pen into the canvas, then Shape drawn flat (a three-dimensional style as
  /// its flat counterpart) into GetShadowRect(Rect). Image shapes draw nothing.
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

private:
  TVXShadowDirection FDirection = sdBottomRight;
  int FSize = 3;
  TVXShapeStyle FShape = ssRectangle;
};

} // namespace vx
