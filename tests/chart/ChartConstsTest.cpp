#include "chart/ChartConsts.h"
#include "chart/ChartEvents.h" // compiled here: the signatures have no source of their own

#include <gtest/gtest.h>

namespace vx {
namespace {

// Stored descriptions keep enumerations by ordinal: the last value of every type pins
// its length and order, a few values inside it pin the middle; the stored names follow
// the same order.
TEST(ChartConsts, OrdinalsFollowDeclarationOrder) {
  struct Case {
    const char* Name;
    int Actual;
    int Expected;
    const TEnumInfo& Info; // the names stored descriptions use
  };
  const Case Cases[] = {
      {"taBottomRight", taBottomRight, 8, EnumInfoOf(taBottomRight)},
      {"taCentered", taCentered, 4, EnumInfoOf(taCentered)},
      {"coRightLeft", coRightLeft, 3, EnumInfoOf(coRightLeft)},
      {"caTop", caTop, 3, EnumInfoOf(caTop)},
      {"laTop", laTop, 3, EnumInfoOf(laTop)},
      {"lsChartNameAndLastValue", lsChartNameAndLastValue, 3, EnumInfoOf(lsChartNameAndLastValue)},
      {"rsRoundedRect", rsRoundedRect, 1, EnumInfoOf(rsRoundedRect)},
      {"ltsCaptionNPercent", ltsCaptionNPercent, 6, EnumInfoOf(ltsCaptionNPercent)},
      {"ltsPercent", ltsPercent, 4, EnumInfoOf(ltsPercent)},
      {"sdTopLeft", sdTopLeft, 3, EnumInfoOf(sdTopLeft)},
      {"imProportionalCenter", imProportionalCenter, 8, EnumInfoOf(imProportionalCenter)},
      {"imTile", imTile, 6, EnumInfoOf(imTile)},
      {"ioTransparent", ioTransparent, 4, EnumInfoOf(ioTransparent)},
      {"axLogarithmic", axLogarithmic, 6, EnumInfoOf(axLogarithmic)},
      {"axShowGrid", axShowGrid, 3, EnumInfoOf(axShowGrid)},
      {"goDrawTickMarks", goDrawTickMarks, 2, EnumInfoOf(goDrawTickMarks)},
      {"alsCaption", alsCaption, 2, EnumInfoOf(alsCaption)},
      {"coHideShadow", coHideShadow, 5, EnumInfoOf(coHideShadow)},
      {"haCustomAxis", haCustomAxis, 2, EnumInfoOf(haCustomAxis)},
      {"vaCustomAxis", vaCustomAxis, 2, EnumInfoOf(vaCustomAxis)},
      {"ltFishEye", ltFishEye, 2, EnumInfoOf(ltFishEye)},
      {"xyY", xyY, 1, EnumInfoOf(xyY)},
      {"bcArea", bcArea, 1, EnumInfoOf(bcArea)},
      {"lsCurveApproximation", lsCurveApproximation, 4, EnumInfoOf(lsCurveApproximation)},
      {"eqValue", eqValue, 2, EnumInfoOf(eqValue)},
      {"eqoDrawHigh", eqoDrawHigh, 2, EnumInfoOf(eqoDrawHigh)},
      {"bsArrow", bsArrow, 10, EnumInfoOf(bsArrow)},
      {"bsGradientRect", bsGradientRect, 9, EnumInfoOf(bsGradientRect)},
      {"boVertical", boVertical, 1, EnumInfoOf(boVertical)},
      {"lnVertical", lnVertical, 1, EnumInfoOf(lnVertical)},
      {"gsStacked100", gsStacked100, 2, EnumInfoOf(gsStacked100)},
      {"cuaSelection", cuaSelection, 2, EnumInfoOf(cuaSelection)},
      {"ctNestogram", ctNestogram, 11, EnumInfoOf(ctNestogram)},
      {"ctGraphChart", ctGraphChart, 8, EnumInfoOf(ctGraphChart)},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(C.Actual, C.Expected) << C.Name;
    EXPECT_EQ(C.Info.IndexOf(C.Name), C.Expected) << C.Name;
  }
}

TEST(ChartConsts, SetBitsStandForOrdinals) {
  const TChartOptions Defaults{coColorEachPoint, coShowInLegend, coAllowSingleValue,
                               coLabelEachPoint};
  EXPECT_EQ(Defaults.ToBits(), 23u);
  EXPECT_EQ((TAxisOptions{axAutomaticMinimum, axAutomaticMaximum, axShowLabels}).ToBits(), 7u);
  EXPECT_EQ((TXYSet{xyY}).ToBits(), 2u);
  EXPECT_EQ((TImageOptions{ioTransparent}).ToBits(), 16u);
}

} // namespace
} // namespace vx
