#pragma once
// The value names of the chart vocabulary, as stored descriptions write them. Include it
// where properties of these types are published.

#include "chart/ChartConsts.h"
#include "platform/core/Published.h"

namespace vx {

VX_ENUM_NAMES(T2DTextAlignment, "taTopLeft", "taTopCenter", "taTopRight", "taCenterLeft",
              "taCentered", "taCenterRight", "taBottomLeft", "taBottomCenter", "taBottomRight")
VX_ENUM_NAMES(TVXChartOrientation, "coTopDown", "coBottomUp", "coLeftRight", "coRightLeft")
VX_ENUM_NAMES(TVXChartAxisLocation, "caLeft", "caRight", "caBottom", "caTop")
VX_ENUM_NAMES(TVXLegendAlignment, "laLeft", "laRight", "laBottom", "laTop")
VX_ENUM_NAMES(TVXLegendStyle, "lsAutomatic", "lsChartNames", "lsValues", "lsChartNameAndLastValue")
VX_ENUM_NAMES(TVXLegendRectStyle, "rsRectangle", "rsRoundedRect")
VX_ENUM_NAMES(TVXLegendTextStyle, "ltsCaption", "ltsValue", "ltsValueNCaption", "ltsCaptionNValue",
              "ltsPercent", "ltsPercentNCaption", "ltsCaptionNPercent")
VX_ENUM_NAMES(TVXShadowDirection, "sdBottomRight", "sdBottomLeft", "sdTopRight", "sdTopLeft")
VX_ENUM_NAMES(TImageMode, "imCenter", "imLeft", "imRight", "imTop", "imBottom", "imStretch",
              "imTile", "imProportional", "imProportionalCenter")
VX_ENUM_NAMES(TImageOption, "ioCenter", "ioStretch", "ioProportional", "ioTiled", "ioTransparent")
VX_ENUM_NAMES(TAxisOption, "axAutomaticMinimum", "axAutomaticMaximum", "axShowLabels", "axShowGrid",
              "axShowTitle", "axInverted", "axLogarithmic")
VX_ENUM_NAMES(TAxisDrawGridOption, "goDrawMajorGrid", "goDrawMinorGrid", "goDrawTickMarks")
VX_ENUM_NAMES(TAxisLabelStyle, "alsAutomatic", "alsValue", "alsCaption")
VX_ENUM_NAMES(TChartOption, "coColorEachPoint", "coShowInLegend", "coAllowSingleValue",
              "coUseVerticalOffset", "coLabelEachPoint", "coHideShadow")
VX_ENUM_NAMES(THorizontalAxis, "haBottomAxis", "haTopAxis", "haCustomAxis")
VX_ENUM_NAMES(TVerticalAxis, "vaLeftAxis", "vaRightAxis", "vaCustomAxis")
VX_ENUM_NAMES(TVXLogarithmicType, "ltCompressRight", "ltCompressLeft", "ltFishEye")
VX_ENUM_NAMES(TXY, "xyX", "xyY")
VX_ENUM_NAMES(TBasicChart, "bcLine", "bcArea")
VX_ENUM_NAMES(TLineChartStyle, "lsStraight", "lsStairStep", "lsStairStepInverted",
              "lsCurveInterpolation", "lsCurveApproximation")
VX_ENUM_NAMES(TEQChartStyle, "eqNormal", "eqSmooth", "eqValue")
VX_ENUM_NAMES(TEQOption, "eqoGradient", "eqoPartial", "eqoDrawHigh")
VX_ENUM_NAMES(TBarChartStyle, "bsRectangle", "bsEllipse", "bsImage", "bsDiamond", "bsLeftTriangle",
              "bsRightTriangle", "bsUpTriangle", "bsDownTriangle", "bsRoundRect", "bsGradientRect",
              "bsArrow")
VX_ENUM_NAMES(TBarOrientation, "boHorizontal", "boVertical")
VX_ENUM_NAMES(TLineOrientation, "lnHorizontal", "lnVertical")
VX_ENUM_NAMES(TVXGroupStyle, "gsNone", "gsStacked", "gsStacked100")
VX_ENUM_NAMES(TChartUserAction, "cuaZoom", "cuaPan", "cuaSelection")
VX_ENUM_NAMES(TVXChartType, "ctCustom", "ctAreaChart", "ctArrowChart", "ctBarChart", "ctLineChart",
              "ctPieChart", "ctPointChart", "ctShapeChart", "ctGraphChart", "ctEQChart",
              "ctGuideChart", "ctNestogram")

} // namespace vx
