#include "platform/core/Color.h"
#include "platform/core/TextCompare.h"

#include <array>
#include <cctype>

namespace vx {

namespace {

// The fixed RGB values of the system colours, indexed by the low byte of a system colour.
// They follow today's light-grey desktop scheme (button faces RGB(240, 240, 240), white
// windows, black text), so pictures look the same on every machine and in every backend.
// An index beyond the table gives black, as the platform answers for an unknown index.
constexpr std::array<TColor, 31> SystemRGB = {
    RGB(200, 200, 200), //  0 clScrollBar
    RGB(0, 0, 0),       //  1 clBackground
    RGB(153, 180, 209), //  2 clActiveCaption
    RGB(191, 205, 219), //  3 clInactiveCaption
    RGB(240, 240, 240), //  4 clMenu
    RGB(255, 255, 255), //  5 clWindow
    RGB(100, 100, 100), //  6 clWindowFrame
    RGB(0, 0, 0),       //  7 clMenuText
    RGB(0, 0, 0),       //  8 clWindowText
    RGB(0, 0, 0),       //  9 clCaptionText
    RGB(180, 180, 180), // 10 clActiveBorder
    RGB(244, 247, 252), // 11 clInactiveBorder
    RGB(171, 171, 171), // 12 clAppWorkSpace
    RGB(0, 120, 215),   // 13 clHighlight
    RGB(255, 255, 255), // 14 clHighlightText
    RGB(240, 240, 240), // 15 clBtnFace
    RGB(160, 160, 160), // 16 clBtnShadow
    RGB(109, 109, 109), // 17 clGrayText
    RGB(0, 0, 0),       // 18 clBtnText
    RGB(0, 0, 0),       // 19 clInactiveCaptionText
    RGB(255, 255, 255), // 20 clBtnHighlight
    RGB(105, 105, 105), // 21 cl3DDkShadow
    RGB(227, 227, 227), // 22 cl3DLight
    RGB(0, 0, 0),       // 23 clInfoText
    RGB(255, 255, 225), // 24 clInfoBk
    RGB(0, 0, 0),       // 25 (unused index)
    RGB(0, 102, 204),   // 26 clHotLight
    RGB(185, 209, 234), // 27 clGradientActiveCaption
    RGB(215, 228, 242), // 28 clGradientInactiveCaption
    RGB(51, 153, 255),  // 29 clMenuHighlight
    RGB(240, 240, 240), // 30 clMenuBar
};

struct TColorName {
  TColor Color;
  const char* Name;
};

// The first entry of a colour is its name when written (clSilver before clLtGray).
constexpr TColorName ColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuText, "clMenuText"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

} // namespace

TColor ColorToRGB(TColor C) {
  // Any negative colour is a system colour, looked up by its low byte.
  if (C < 0) {
    const unsigned Index = static_cast<std::uint32_t>(C) & 0xFFu;
    return Index < SystemRGB.size() ? SystemRGB[Index] : clBlack;
  }
  return C & 0xFFFFFF;
}

std::optional<std::string> ColorToIdent(TColor C) {
  for (const TColorName& N : ColorNames)
    if (N.Color == C) return std::string(N.Name);
  return std::nullopt;
}

std::optional<TColor> IdentToColor(const std::string& Name) {
  for (const TColorName& N : ColorNames)
    if (SameText(Name, N.Name)) return N.Color;
  return std::nullopt;
}

} // namespace vx
