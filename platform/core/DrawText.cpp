// The generic DrawText: line splitting, word wrap, alignment, end ellipsis and clipping
// built only on DoTextExtent and DoTextOut, so that every backend lays text out alike.

#include "platform/core/Canvas.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace vx {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, INT_MIN, INT_MAX));
}

bool FitsInt(std::int64_t V) {
  return V >= INT_MIN && V <= INT_MAX;
}

// Paragraphs separated by CR LF, CR or LF; n breaks give n + 1 paragraphs.
std::vector<std::string> SplitParagraphs(const std::string& Text) {
  std::vector<std::string> Result;
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '\r' && Text[I] != '\n') continue;
    Result.push_back(Text.substr(Start, I - Start));
    if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
    Start = I + 1;
  }
  Result.push_back(Text.substr(Start));
  return Result;
}

} // namespace

// Breaks one paragraph at blanks into lines no wider than Width where the words allow: a
// word that is wider on its own stays whole on its line. The blanks at a break vanish;
// blanks before the first word of the paragraph stay.
static void WrapParagraph(const TCanvas& Canvas, const std::string& P, std::int64_t Width,
                          std::vector<std::string>& Lines) {
  // A paragraph that fits needs no walk (and a wide box no quadratic one).
  if (Canvas.TextWidth(P) <= Width) {
    Lines.push_back(P);
    return;
  }
  std::string Line;
  bool LineHasWord = false;
  std::size_t Pos = 0;
  while (Pos < P.size()) {
    const std::size_t BlankStart = Pos;
    while (Pos < P.size() && P[Pos] == ' ')
      ++Pos;
    if (Pos == P.size()) {
      if (!LineHasWord) Line += P.substr(BlankStart);
      break;
    }
    const std::size_t WordStart = Pos;
    while (Pos < P.size() && P[Pos] != ' ')
      ++Pos;
    if (!LineHasWord) {
      Line = P.substr(BlankStart, Pos - BlankStart);
      LineHasWord = true;
      continue;
    }
    std::string Candidate = Line + P.substr(BlankStart, Pos - BlankStart);
    if (Canvas.TextWidth(Candidate) <= Width) {
      Line = std::move(Candidate);
    } else {
      Lines.push_back(std::move(Line));
      Line = P.substr(WordStart, Pos - WordStart);
    }
  }
  Lines.push_back(std::move(Line));
}

// The longest code-point prefix of Line that fits Width together with "..."; "..." alone
// when none does (clipping then cuts it).
static std::string EndEllipsis(const TCanvas& Canvas, const std::string& Line, std::int64_t Width) {
  static const std::string Dots = "...";
  std::vector<std::size_t> Ends; // byte length of each code-point prefix, shortest first
  for (std::size_t I = 1; I <= Line.size(); ++I)
    if (I == Line.size() || (static_cast<unsigned char>(Line[I]) & 0xC0) != 0x80) Ends.push_back(I);
  // Widths grow with the prefix, so a binary search finds the longest that fits.
  std::size_t Lo = 0, Hi = Ends.size(); // prefixes with index < Lo fit
  while (Lo < Hi) {
    const std::size_t Mid = Lo + (Hi - Lo) / 2;
    if (Canvas.TextWidth(Line.substr(0, Ends[Mid]) + Dots) <= Width)
      Lo = Mid + 1;
    else
      Hi = Mid;
  }
  return (Lo == 0 ? std::string() : Line.substr(0, Ends[Lo - 1])) + Dots;
}

int TCanvas::DrawText(const std::string& Text, TRect& R, unsigned Format) {
  const bool SingleLine = (Format & DT_SINGLELINE) != 0;
  const std::int64_t Width = std::int64_t{R.Right} - R.Left;
  const std::int64_t LineHeight = DoTextExtent(std::string()).cy;

  std::vector<std::string> Lines;
  if (SingleLine) {
    Lines.push_back(Text);
  } else {
    for (const std::string& P : SplitParagraphs(Text)) {
      if (Format & DT_WORDBREAK)
        WrapParagraph(*this, P, Width, Lines);
      else
        Lines.push_back(P);
    }
  }
  if (Format & DT_END_ELLIPSIS)
    for (std::string& Line : Lines)
      if (DoTextExtent(Line).cx > Width) Line = EndEllipsis(*this, Line, Width);

  const std::int64_t Height = static_cast<std::int64_t>(Lines.size()) * LineHeight;
  if (Format & DT_CALCRECT) {
    std::int64_t Widest = 0;
    for (const std::string& Line : Lines)
      Widest = std::max<std::int64_t>(Widest, DoTextExtent(Line).cx);
    R.Right = ClampToInt(R.Left + Widest);
    R.Bottom = ClampToInt(R.Top + Height);
    return ClampToInt(Height);
  }

  std::int64_t Top = R.Top;
  if (SingleLine && (Format & DT_VCENTER))
    Top = R.Top + (std::int64_t{R.Bottom} - R.Top - LineHeight) / 2;
  else if (SingleLine && (Format & DT_BOTTOM))
    Top = std::int64_t{R.Bottom} - LineHeight;

  const bool Clipped = (Format & DT_NOCLIP) == 0;
  if (Clipped && IsRectEmpty(R)) return ClampToInt(Height);
  const TRect Clip = R;
  for (std::size_t I = 0; I < Lines.size(); ++I) {
    const std::int64_t Y = Top + static_cast<std::int64_t>(I) * LineHeight;
    if (Clipped && Y >= R.Bottom) break;
    if (!FitsInt(Y)) break;
    if ((Clipped && Y + LineHeight <= R.Top) || Lines[I].empty()) continue;
    const std::int64_t LineWidth = DoTextExtent(Lines[I]).cx;
    std::int64_t X = R.Left;
    if (Format & DT_CENTER)
      X = R.Left + (Width - LineWidth) / 2;
    else if (Format & DT_RIGHT)
      X = std::int64_t{R.Right} - LineWidth;
    if (FitsInt(X))
      DoTextOut(static_cast<int>(X), static_cast<int>(Y), Lines[I], Clipped ? &Clip : nullptr);
  }
  return ClampToInt(Height);
}

} // namespace vx
