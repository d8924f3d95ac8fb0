#pragma once
// The enumerations and sets the whole chart library shares. Declaration order is binding:
// values are stored and compared by ordinal, and bit n of a set stands for ordinal n.
// Each type's value names (VX_ENUM_NAMES) are what stored descriptions write.

#include "platform/core/Published.h"
#include "platform/core/Set.h"

#include <cstdint>

namespace vx {

/// Where a caption sits inside a shape or text box.
enum T2DTextAlignment : std::uint8_t {
  taTopLeft,
  taTopCenter,
  taTopRight,
  taCenterLeft,
  taCentered,
  taCenterRight,
  taBottomLeft,
  taBottomCenter,
  taBottomRight
};
VX_ENUM_NAMES(T2DTextAlignment, "taTopLeft", "taTopCenter", "taTopRight", "taCenterLeft",
              "taCentered", "taCenterRight", "taBottomLeft", "taBottomCenter", "taBottomRight")

/// The direction in which a graph chart lays out its levels.
enum TVXChartOrientation : std::uint8_t { coTopDown, coBottomUp, coLeftRight, coRightLeft };
VX_ENUM_NAMES(TVXChartOrientation, "coTopDown", "coBottomUp", "coLeftRight", "coRightLeft")

/// Which side of the chart area an axis serves.
enum TVXChartAxisLocation : std::uint8_t { caLeft, caRight, caBottom, caTop };
VX_ENUM_NAMES(TVXChartAxisLocation, "caLeft", "caRight", "caBottom", "caTop")

/// The side of the panel the legend is placed on.
enum TVXLegendAlignment : std::uint8_t { laLeft, laRight, laBottom, laTop };
VX_ENUM_NAMES(TVXLegendAlignment, "laLeft", "laRight", "laBottom", "laTop")

/// What the legend lists.
enum TVXLegendStyle : std::uint8_t { lsAutomatic, lsChartNames, lsValues, lsChartNameAndLastValue };
VX_ENUM_NAMES(TVXLegendStyle, "lsAutomatic", "lsChartNames", "lsValues", "lsChartNameAndLastValue")

/// The outline of the legend box.
enum TVXLegendRectStyle : std::uint8_t { rsRectangle, rsRoundedRect };
VX_ENUM_NAMES(TVXLegendRectStyle, "rsRectangle", "rsRoundedRect")

/// The text of a legend entry or value label.
enum TVXLegendTextStyle : std::uint8_t {
  ltsCaption,
  ltsValue,
  ltsValueNCaption,
  ltsCaptionNValue,
  ltsPercent,
  ltsPercentNCaption,
  ltsCaptionNPercent
};
VX_ENUM_NAMES(TVXLegendTextStyle, "ltsCaption", "ltsValue", "ltsValueNCaption", "ltsCaptionNValue",
              "ltsPercent", "ltsPercentNCaption", "ltsCaptionNPercent")

/// The direction in which the drop shadow is offset.
enum TVXShadowDirection : std::uint8_t { sdBottomRight, sdBottomLeft, sdTopRight, sdTopLeft };
VX_ENUM_NAMES(TVXShadowDirection, "sdBottomRight", "sdBottomLeft", "sdTopRight", "sdTopLeft")

/// How a layer places its picture.
enum TImageMode : std::uint8_t {
  imCenter,
  imLeft,
  imRight,
  imTop,
  imBottom,
  imStretch,
  imTile,
  imProportional,
  imProportionalCenter
};
VX_ENUM_NAMES(TImageMode, "imCenter", "imLeft", "imRight", "imTop", "imBottom", "imStretch",
              "imTile", "imProportional", "imProportionalCenter")

/// How a header or footer places its picture.
enum TImageOption : std::uint8_t { ioCenter, ioStretch, ioProportional, ioTiled, ioTransparent };
VX_ENUM_NAMES(TImageOption, "ioCenter", "ioStretch", "ioProportional", "ioTiled", "ioTransparent")
using TImageOptions = TSet<TImageOption>;

/// Switches of an axis.
enum TAxisOption : std::uint8_t {
  axAutomaticMinimum,
  axAutomaticMaximum,
  axShowLabels,
  axShowGrid,
  axShowTitle,
  axInverted,
  axLogarithmic
};
VX_ENUM_NAMES(TAxisOption, "axAutomaticMinimum", "axAutomaticMaximum", "axShowLabels", "axShowGrid",
              "axShowTitle", "axInverted", "axLogarithmic")
using TAxisOptions = TSet<TAxisOption>;

/// What an axis grid draws.
enum TAxisDrawGridOption : std::uint8_t { goDrawMajorGrid, goDrawMinorGrid, goDrawTickMarks };
VX_ENUM_NAMES(TAxisDrawGridOption, "goDrawMajorGrid", "goDrawMinorGrid", "goDrawTickMarks")
using TAxisDrawGridOptions = TSet<TAxisDrawGridOption>;

/// What an axis writes as its labels.
enum TAxisLabelStyle : std::uint8_t { alsAutomatic, alsValue, alsCaption };
VX_ENUM_NAMES(TAxisLabelStyle, "alsAutomatic", "alsValue", "alsCaption")

/// Switches of a chart.
enum TChartOption : std::uint8_t {
  coColorEachPoint,
  coShowInLegend,
  coAllowSingleValue,
  coUseVerticalOffset,
  coLabelEachPoint,
  coHideShadow
};
VX_ENUM_NAMES(TChartOption, "coColorEachPoint", "coShowInLegend", "coAllowSingleValue",
              "coUseVerticalOffset", "coLabelEachPoint", "coHideShadow")
using TChartOptions = TSet<TChartOption>;

/// Which horizontal panel axis a chart binds to.
enum THorizontalAxis : std::uint8_t { haBottomAxis, haTopAxis, haCustomAxis };
VX_ENUM_NAMES(THorizontalAxis, "haBottomAxis", "haTopAxis", "haCustomAxis")

/// Which vertical panel axis a chart binds to.
enum TVerticalAxis : std::uint8_t { vaLeftAxis, vaRightAxis, vaCustomAxis };
VX_ENUM_NAMES(TVerticalAxis, "vaLeftAxis", "vaRightAxis", "vaCustomAxis")

/// The flavour of a logarithmic axis.
enum TVXLogarithmicType : std::uint8_t { ltCompressRight, ltCompressLeft, ltFishEye };
VX_ENUM_NAMES(TVXLogarithmicType, "ltCompressRight", "ltCompressLeft", "ltFishEye")

/// A dimension of two-dimensional values: xyX is dimension 0, xyY dimension 1.
enum TXY : std::uint8_t { xyX, xyY };
VX_ENUM_NAMES(TXY, "xyX", "xyY")
using TXYSet = TSet<TXY>;

/// The line-like charts a point chart also draws.
enum TBasicChart : std::uint8_t { bcLine, bcArea };
VX_ENUM_NAMES(TBasicChart, "bcLine", "bcArea")
using TBasicCharts = TSet<TBasicChart>;

/// How consecutive points of a line, area or point chart are joined.
enum TLineChartStyle : std::uint8_t {
  lsStraight,
  lsStairStep,
  lsStairStepInverted,
  lsCurveInterpolation,
  lsCurveApproximation
};
VX_ENUM_NAMES(TLineChartStyle, "lsStraight", "lsStairStep", "lsStairStepInverted",
              "lsCurveInterpolation", "lsCurveApproximation")

/// How an equalizer chart draws its levels.
enum TEQChartStyle : std::uint8_t { eqNormal, eqSmooth, eqValue };
VX_ENUM_NAMES(TEQChartStyle, "eqNormal", "eqSmooth", "eqValue")

/// Switches of an equalizer chart.
enum TEQOption : std::uint8_t { eqoGradient, eqoPartial, eqoDrawHigh };
VX_ENUM_NAMES(TEQOption, "eqoGradient", "eqoPartial", "eqoDrawHigh")
using TEQOptions = TSet<TEQOption>;

/// The figure a bar chart draws per value.
enum TBarChartStyle : std::uint8_t {
  bsRectangle,
  bsEllipse,
  bsImage,
  bsDiamond,
  bsLeftTriangle,
  bsRightTriangle,
  bsUpTriangle,
  bsDownTriangle,
  bsRoundRect,
  bsGradientRect,
  bsArrow
};
VX_ENUM_NAMES(TBarChartStyle, "bsRectangle", "bsEllipse", "bsImage", "bsDiamond", "bsLeftTriangle",
              "bsRightTriangle", "bsUpTriangle", "bsDownTriangle", "bsRoundRect", "bsGradientRect",
              "bsArrow")

/// The direction bars (and equalizer levels) grow in.
enum TBarOrientation : std::uint8_t { boHorizontal, boVertical };
VX_ENUM_NAMES(TBarOrientation, "boHorizontal", "boVertical")

/// The direction of a guide line.
enum TLineOrientation : std::uint8_t { lnHorizontal, lnVertical };
VX_ENUM_NAMES(TLineOrientation, "lnHorizontal", "lnVertical")
using TLineOrientations = TSet<TLineOrientation>;

/// How the charts of one group are stacked.
enum TVXGroupStyle : std::uint8_t { gsNone, gsStacked, gsStacked100 };
VX_ENUM_NAMES(TVXGroupStyle, "gsNone", "gsStacked", "gsStacked100")

/// The mouse gestures a panel turns into actions.
enum TChartUserAction : std::uint8_t { cuaZoom, cuaPan, cuaSelection };
VX_ENUM_NAMES(TChartUserAction, "cuaZoom", "cuaPan", "cuaSelection")
using TChartUserActions = TSet<TChartUserAction>;

/// The chart kinds, as stored for the sub-charts of a nestogram.
enum TVXChartType : std::uint8_t {
  ctCustom,
  ctAreaChart,
  ctArrowChart,
  ctBarChart,
  ctLineChart,
  ctPieChart,
  ctPointChart,
  ctShapeChart,
  ctGraphChart,
  ctEQChart,
  ctGuideChart,
  ctNestogram
};
VX_ENUM_NAMES(TVXChartType, "ctCustom", "ctAreaChart", "ctArrowChart", "ctBarChart", "ctLineChart",
              "ctPieChart", "ctPointChart", "ctShapeChart", "ctGraphChart", "ctEQChart",
              "ctGuideChart", "ctNestogram")

} // namespace vx
