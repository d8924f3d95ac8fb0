#include "graphics/Text.h"

#include "graphics/CanvasGuards.h"

#include "platform/core/MathUtils.h"
#include "platform/core/TextCompare.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace vx {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, INT_MIN, INT_MAX));
}

bool IsBreakChar(char C) {
  return C == '\t' || C == ' ' || C == '-';
}

bool IsLineBreakChar(char C) {
  return C == '\r' || C == '\n';
}

bool IsQuoteChar(char C) {
  return C == '"' || C == '\'';
}

// Length of the wrap token that starts at the 1-based position P of Text (P < length).
// The scan stops at a break character or a line break; a quoted section is taken whole;
// the break characters and then the line breaks that follow belong to the token. The
// token may reach the last character only through a closing quote there.
std::size_t TokenLength(const std::string& Text, std::size_t P) {
  const std::size_t Len = Text.size();
  const auto At = [&Text](std::size_t Pos) { return Text[Pos - 1]; };
  std::size_t I = P;
  while (I < Len) {
    const char C = At(I);
    if (IsBreakChar(C) || IsLineBreakChar(C)) break;
    if (IsQuoteChar(C)) {
      const std::size_t Close =
          Text.find(C, I); // 0-based index of the next quote = 1-based I + 1..
      I = Close == std::string::npos ? Len : Close + 2;
    } else {
      ++I;
    }
  }
  while (I < Len && IsBreakChar(At(I)))
    ++I;
  while (I < Len && IsLineBreakChar(At(I)))
    ++I;
  return I - P;
}

bool EndsWithLineBreak(const std::string& Token) {
  return Token.size() >= 2 && Token.compare(Token.size() - 2, 2, WrapLineBreak) == 0;
}

} // namespace

void SetFontAngle(TFont& Font, float Angle, const TCanvas* Measure) {
  static const TCanvas PlatformRule;
  if (Measure == nullptr) Measure = &PlatformRule;

  // Tenths of a degree; beyond a full turn only the remainder matters for the picture, and
  // it keeps the orientation in range for any angle.
  double Tenths = std::isfinite(Angle) ? 10.0 * static_cast<double>(Angle) : 0.0;
  Tenths = std::fmod(Tenths, 3600.0);

  TFont Turned;
  Turned.Assign(&Font);
  if (SameText(Turned.Name(), "Default")) Turned.SetName(TFont().Name());
  // Only scalable faces can be turned.
  if (!Measure->IsTrueTypeFont(Turned)) Turned.SetName("Arial");
  Turned.SetOrientation(static_cast<int>(Round(Tenths)));
  Font.Assign(&Turned);
}

void GetRotatedTextExtent(const TCanvas& Canvas, int Angle, const std::string& Text, TSize& Size,
                          TPoint& Offset) {
  Offset = TPoint{0, 0};
  Size = Canvas.TextExtent(Text);
  if (Angle == 0) return;
  const std::int64_t W = Size.cx;
  const std::int64_t H = Size.cy;
  const double Radians = Angle * std::numbers::pi / 180.0;
  const std::int64_t C = Round(static_cast<double>(W) * std::cos(Radians));
  const std::int64_t S = Round(static_cast<double>(W) * std::sin(Radians));
  const std::int64_t CX = std::llabs(C) + 2 * H;
  const std::int64_t CY = std::llabs(S) + 2 * H;
  Size = TSize{ClampToInt(CX), ClampToInt(CY)};
  Offset.X = ClampToInt(C < 0 ? CX - H : H);
  if (S < 0)
    Offset.Y = ClampToInt(H);
  else if (C < 0)
    Offset.Y = ClampToInt(CY - H);
  else
    Offset.Y = ClampToInt(CY - H - H / 2);
}

void DrawAlignedText(TCanvas& Canvas, const std::string& Text, unsigned Format, TRect Rect) {
  TBrushStyleKeeper Keep(Canvas);
  Canvas.Brush().SetStyle(bsClear);
  if (((Format & DT_SINGLELINE) == 0 && (Format & DT_VCENTER) != 0) || (Format & DT_BOTTOM) != 0) {
    if (Format & DT_WORDBREAK) {
      // The block is measured with the wrap that draws it: a block measured by another
      // wrap (WrapText also breaks after hyphens and keeps quotes together) can come out
      // a line short, and its last line is then cut off at the bottom.
      TRect Measure = Rect;
      const int H =
          Canvas.DrawText(Text, Measure, (Format | DT_CALCRECT) & ~(DT_VCENTER | DT_BOTTOM));
      if (Format & DT_VCENTER)
        Rect.Top = ClampToInt(std::int64_t{CenterPoint(Rect).Y} - H / 2);
      else
        Rect.Top = ClampToInt(std::int64_t{Rect.Bottom} - H);
    } else {
      // The canvas aligns single lines itself.
      Format |= DT_SINGLELINE;
    }
  }
  // The original text: DrawText wraps it again with DT_WORDBREAK.
  Canvas.DrawText(Text, Rect, Format);
}

int GetTextBlockHeight(const TCanvas& Canvas, const std::string& Text) {
  const std::int64_t LineFeeds = std::count(Text.begin(), Text.end(), '\n');
  return ClampToInt(std::int64_t{Canvas.TextHeight(Text)} * (1 + LineFeeds));
}

std::string WrapText(const TCanvas& Canvas, const std::string& Text, int MaxWidth) {
  std::string Result;
  if (Text.empty()) return Result;
  Result.reserve(Text.size() + Text.size() / 8);
  const std::size_t Len = Text.size();
  std::int64_t W = 0;
  bool AtLineStart = true;
  std::size_t P = 1; // 1-based
  while (P < Len) {
    const std::size_t N = TokenLength(Text, P);
    const std::string Token = Text.substr(P - 1, N);
    const std::int64_t TokenWidth = Canvas.TextWidth(Token);
    if (AtLineStart || W + TokenWidth < MaxWidth) {
      Result += Token;
      W += TokenWidth;
      AtLineStart = EndsWithLineBreak(Token);
      if (AtLineStart) W = 0;
    } else if (EndsWithLineBreak(Token)) {
      Result += Token;
      W = 0;
      AtLineStart = true;
    } else {
      Result += WrapLineBreak;
      Result += Token;
      W = TokenWidth;
    }
    P += N;
  }
  // The scan leaves the last character, unless a closing quote took it along.
  if (P == Len) Result += Text[Len - 1];
  return Result;
}

} // namespace vx
