#include "platform/core/Color.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Color, SystemColorsBecomeTheirTableRgb) {
  const struct {
    TColor System;
    TColor Expected;
  } Cases[] = {
      {clBtnFace, RGB(240, 240, 240)},
      {clBtnShadow, RGB(160, 160, 160)},
      {clBtnHighlight, RGB(255, 255, 255)},
      {clWindow, RGB(255, 255, 255)},
      {clWindowText, RGB(0, 0, 0)},
      {clActiveBorder, RGB(180, 180, 180)},
      {clInactiveBorder, RGB(244, 247, 252)},
      {clHighlight, RGB(0, 120, 215)},
      {clInfoBk, RGB(255, 255, 225)},
      {clMenuBar, RGB(240, 240, 240)},
      {SystemColor(25), clBlack},
      {SystemColor(200), clBlack},
      {static_cast<TColor>(0x80000005),
       RGB(255, 255, 255)}, // any negative colour is a system colour
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(ColorToRGB(C.System), C.Expected) << std::hex << C.System;
    EXPECT_TRUE(C.System < 0);
  }
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clRed));
}

TEST(Color, RgbColorsPassThroughWithoutTheirHighByte) {
  for (const TColor C : {clBlack, clRed, clWhite, RGB(1, 2, 3), clMoneyGreen})
    EXPECT_EQ(ColorToRGB(C), C);
  EXPECT_EQ(ColorToRGB(0x01123456), 0x123456);
  EXPECT_EQ(RGB(1, 2, 3), 0x030201);
  EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
  EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
  EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}

TEST(Color, NamesRoundTripAndIgnoreCase) {
  for (const TColor C : {clBlack, clRed, clMedGray, clBtnFace, cl3DDkShadow, clInfoBk, clNone,
                         clDefault, clHotLight, clMenuBar}) {
    const auto Name = ColorToIdent(C);
    ASSERT_TRUE(Name.has_value()) << std::hex << C;
    EXPECT_EQ(IdentToColor(*Name), C) << *Name;
  }
  EXPECT_EQ(ColorToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToIdent(clSilver), "clSilver"); // not its alias clLtGray
  EXPECT_EQ(IdentToColor("clLtGray"), clSilver);
  EXPECT_EQ(IdentToColor("CLBTNFACE"), clBtnFace);
  EXPECT_FALSE(ColorToIdent(RGB(1, 2, 3)).has_value());
  EXPECT_FALSE(IdentToColor("clBtnFac").has_value());
  EXPECT_FALSE(IdentToColor("").has_value());
}

} // namespace
} // namespace vx
