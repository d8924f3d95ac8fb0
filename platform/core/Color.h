#pragma once
// Colours: a signed 32-bit value holding either RGB (red in the lowest byte, then green,
// then blue, high byte 0) or a system colour (high byte 0xFF, system index in the low byte).

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

using TColor = std::int32_t;

constexpr TColor RGB(int R, int G, int B) {
  return static_cast<TColor>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int GetRValue(TColor C) {
  return C & 0xFF;
}
constexpr int GetGValue(TColor C) {
  return (C >> 8) & 0xFF;
}
constexpr int GetBValue(TColor C) {
  return (C >> 16) & 0xFF;
}

// Named RGB colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
/// No colour at all: a marker that the owner of the colour interprets (not an RGB value).
constexpr TColor clNone = 0x1FFFFFFF;
/// "Use the default": a marker (for a bitmap's transparent colour, its bottom-left pixel).
constexpr TColor clDefault = 0x20000000;

// System colours: high byte 0xFF, index in the low byte.
constexpr TColor SystemColor(int Index) {
  return static_cast<TColor>(0xFF000000u | unsigned(Index));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

/// True for a system colour (high byte 0xFF).
constexpr bool IsSystemColor(TColor C) {
  return (static_cast<std::uint32_t>(C) >> 24) == 0xFF;
}

/// The RGB value of any colour: every negative colour is a system colour, looked up by its
/// low byte in a fixed table (Color.cpp; an unknown index gives black); any other colour
/// keeps its low three bytes (so the markers clNone and clDefault give no meaningful RGB).
TColor ColorToRGB(TColor C);

/// The colour's name ("clRed", "clBtnFace", "clNone") when it has one.
std::optional<std::string> ColorToIdent(TColor C);
/// The colour of a name (compared without regard to case), or nothing for an unknown name.
std::optional<TColor> IdentToColor(const std::string& Name);

} // namespace vx
