#include "chart/ChartConsts.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// Stored descriptions keep enumerations by ordinal: the last value of every type pins
// its length and order, a few values inside it pin the middle.
TEST(ChartConsts, OrdinalsFollowDeclarationOrder) {
  struct Case {
    const char* Name;
    int Actual;
    int Expected;
  };
  const Case Cases[] = {
      {"taBottomRight", taBottomRight, 8},
      {"taCentered", taCentered, 4},
      {"coRightLeft", coRightLeft, 3},
      {"caTop", caTop, 3},
      {"laTop", laTop, 3},
      {"lsChartNameAndLastValue", lsChartNameAndLastValue, 3},
      {"rsRoundedRect", rsRoundedRect, 1},
      {"ltsCaptionNPercent", ltsCaptionNPercent, 6},
      {"ltsPercent", ltsPercent, 4},
      {"sdTopLeft", sdTopLeft, 3},
      {"imProportionalCenter", imProportionalCenter, 8},
      {"imTile", imTile, 6},
      {"ioTransparent", ioTransparent, 4},
      {"axLogarithmic", axLogarithmic, 6},
      {"axShowGrid", axShowGrid, 3},
      {"goDrawTickMarks", goDrawTickMarks, 2},
      {"alsCaption", alsCaption, 2},
      {"coHideShadow", coHideShadow, 5},
      {"haCustomAxis", haCustomAxis, 2},
      {"vaCustomAxis", vaCustomAxis, 2},
      {"ltFishEye", ltFishEye, 2},
      {"xyY", xyY, 1},
      {"bcArea", bcArea, 1},
      {"lsCurveApproximation", lsCurveApproximation, 4},
      {"eqValue", eqValue, 2},
      {"eqoDrawHigh", eqoDrawHigh, 2},
      {"bsArrow", bsArrow, 10},
      {"bsGradientRect", bsGradientRect, 9},
      {"boVertical", boVertical, 1},
      {"lnVertical", lnVertical, 1},
      {"gsStacked100", gsStacked100, 2},
      {"cuaSelection", cuaSelection, 2},
      {"ctNestogram", ctNestogram, 11},
      {"ctGraphChart", ctGraphChart, 8},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(C.Actual, C.Expected) << C.Name;
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
