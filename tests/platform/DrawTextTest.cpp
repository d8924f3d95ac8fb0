#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace vx {
namespace {

// With the default font the recording canvas measures 7 pixels per character and 13 per
// line.
struct TLine {
  int X;
  int Y;
  std::string Text;
  friend bool operator==(const TLine&, const TLine&) = default;
  friend std::ostream& operator<<(std::ostream& S, const TLine& L) {
    return S << "(" << L.X << "," << L.Y << ",\"" << L.Text << "\")";
  }
};

std::vector<TLine> DrawnLines(const TRecordingCanvas& C) {
  std::vector<TLine> Lines;
  for (const TCanvasCommand* Cmd : C.CommandsOf(copTextOut))
    Lines.push_back({Cmd->Points[0].X, Cmd->Points[0].Y, Cmd->Text});
  return Lines;
}

TEST(DrawText, PlacesLinesByTheFormatFlags) {
  const TRect Box = Rect(0, 0, 100, 50);
  const struct {
    const char* Name;
    std::string Text;
    TRect R;
    unsigned Format;
    std::vector<TLine> Lines;
    int Height;
  } Cases[] = {
      {"left", "abc", Box, DT_LEFT, {{0, 0, "abc"}}, 13},
      {"centre", "abc", Box, DT_CENTER, {{39, 0, "abc"}}, 13},
      {"right", "abc", Box, DT_RIGHT, {{79, 0, "abc"}}, 13},
      {"vcenter single line", "abc", Box, DT_SINGLELINE | DT_VCENTER, {{0, 18, "abc"}}, 13},
      {"bottom single line",
       "abc",
       Box,
       DT_SINGLELINE | DT_BOTTOM | DT_RIGHT,
       {{79, 37, "abc"}},
       13},
      {"vcenter needs single line", "abc", Box, DT_VCENTER, {{0, 0, "abc"}}, 13},
      {"bottom needs single line", "abc", Box, DT_BOTTOM, {{0, 0, "abc"}}, 13},
      {"vcenter of a taller text",
       "abc",
       Rect(0, 0, 100, 10),
       DT_SINGLELINE | DT_VCENTER,
       {{0, -1, "abc"}},
       13},
      {"line breaks CR LF, LF and CR",
       "a\r\nbb\nccc\rd",
       Rect(0, 0, 100, 100),
       DT_RIGHT,
       {{93, 0, "a"}, {86, 13, "bb"}, {79, 26, "ccc"}, {93, 39, "d"}},
       52},
      {"empty lines count but draw nothing",
       "a\n\nb",
       Box,
       DT_LEFT,
       {{0, 0, "a"}, {0, 26, "b"}},
       39},
      {"single line keeps breaks in the text", "a\nb", Box, DT_SINGLELINE, {{0, 0, "a\nb"}}, 13},
      {"word break",
       "alpha beta gamma",
       Rect(0, 0, 80, 50),
       DT_WORDBREAK,
       {{0, 0, "alpha beta"}, {0, 13, "gamma"}},
       26},
      {"word break centred",
       "alpha beta gamma",
       Rect(0, 0, 40, 50),
       DT_WORDBREAK | DT_CENTER,
       {{2, 0, "alpha"}, {6, 13, "beta"}, {2, 26, "gamma"}},
       39},
      {"a long word stays whole",
       "an extraordinarily long",
       Rect(0, 0, 40, 50),
       DT_WORDBREAK,
       {{0, 0, "an"}, {0, 13, "extraordinarily"}, {0, 26, "long"}},
       39},
      {"blanks at a break vanish, leading blanks stay",
       "  ab   cd",
       Rect(0, 0, 35, 50),
       DT_WORDBREAK,
       {{0, 0, "  ab"}, {0, 13, "cd"}},
       26},
      {"end ellipsis", "abcdefghij", Rect(0, 0, 50, 50), DT_END_ELLIPSIS, {{0, 0, "abcd..."}}, 13},
      {"end ellipsis of what fits stays off",
       "abcdefg",
       Rect(0, 0, 49, 50),
       DT_END_ELLIPSIS,
       {{0, 0, "abcdefg"}},
       13},
      {"ellipsis when even the dots do not fit",
       "abcdefghij",
       Rect(0, 0, 14, 50),
       DT_END_ELLIPSIS,
       {{0, 0, "..."}},
       13},
      {"ellipsis cuts whole code points",
       "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC",
       Rect(0, 0, 35, 50),
       DT_END_ELLIPSIS,
       {{0, 0, "\xC3\xA4\xC3\xB6..."}},
       13},
      {"ellipsis with word break cuts a long word",
       "an extraordinarily",
       Rect(0, 0, 56, 50),
       DT_WORDBREAK | DT_END_ELLIPSIS,
       {{0, 0, "an"}, {0, 13, "extra..."}},
       26},
      {"clipped lines below the box are not drawn",
       "1\n2\n3\n4\n5",
       Rect(0, 0, 100, 30),
       0,
       {{0, 0, "1"}, {0, 13, "2"}, {0, 26, "3"}},
       65},
      {"unclipped lines are all drawn",
       "1\n2\n3\n4",
       Rect(0, 0, 100, 30),
       DT_NOCLIP,
       {{0, 0, "1"}, {0, 13, "2"}, {0, 26, "3"}, {0, 39, "4"}},
       52},
      {"centred on a point without clipping",
       "abc",
       Rect(50, 20, 50, 20),
       DT_CENTER | DT_NOCLIP,
       {{40, 20, "abc"}},
       13},
      {"an empty box clips everything", "abc", Rect(50, 20, 50, 20), DT_CENTER, {}, 13},
  };
  for (const auto& C : Cases) {
    TRecordingCanvas Canvas;
    TRect R = C.R;
    const int Height = Canvas.DrawText(C.Text, R, C.Format);
    EXPECT_EQ(DrawnLines(Canvas), C.Lines) << C.Name << "\n" << Canvas.Dump();
    EXPECT_EQ(Height, C.Height) << C.Name;
    EXPECT_EQ(R, C.R) << C.Name << ": the rectangle changes only with DT_CALCRECT";
  }
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
  TRecordingCanvas Canvas;
  TRect R = Rect(10, 10, 30, 30);
  Canvas.DrawText("clipped", R, DT_LEFT);
  Canvas.DrawText("free", R, DT_NOCLIP);
  const auto Texts = Canvas.CommandsOf(copTextOut);
  ASSERT_EQ(Texts.size(), 2u);
  EXPECT_EQ(Texts[0]->TextClip, R);
  EXPECT_FALSE(Texts[1]->TextClip.has_value());
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  const struct {
    const char* Name;
    std::string Text;
    TRect R;
    unsigned Format;
    TRect Result;
  } Cases[] = {
      {"one line", "abc", Rect(10, 20, 100, 100), 0, Rect(10, 20, 31, 33)},
      {"explicit lines", "abc\ndefgh", Rect(10, 20, 100, 100), 0, Rect(10, 20, 45, 46)},
      {"single line", "abc\ndefgh", Rect(10, 20, 100, 100), DT_SINGLELINE, Rect(10, 20, 73, 33)},
      {"word break takes the widest line", "alpha beta gamma", Rect(0, 0, 80, 0), DT_WORDBREAK,
       Rect(0, 0, 70, 26)},
      {"a long word widens the box", "an extraordinarily", Rect(0, 0, 40, 0), DT_WORDBREAK,
       Rect(0, 0, 105, 26)},
      {"ellipsis narrows", "abcdefghij", Rect(0, 0, 50, 0), DT_END_ELLIPSIS, Rect(0, 0, 49, 13)},
      {"empty text is one empty line", "", Rect(5, 5, 50, 50), 0, Rect(5, 5, 5, 18)},
  };
  for (const auto& C : Cases) {
    TRecordingCanvas Canvas;
    TRect R = C.R;
    const int Height = Canvas.DrawText(C.Text, R, C.Format | DT_CALCRECT);
    EXPECT_EQ(R, C.Result) << C.Name;
    EXPECT_EQ(Height, C.Result.Bottom - C.Result.Top) << C.Name;
    EXPECT_TRUE(Canvas.Commands().empty()) << C.Name << "\n" << Canvas.Dump();
  }
}

TEST(DrawText, ThreeWrappedLinesOfTheDefaultFontAreThirteenPixelsEach) {
  TRecordingCanvas Canvas;
  TRect R = Rect(0, 0, 70, 0);
  EXPECT_EQ(Canvas.DrawText("one two three four five", R, DT_WORDBREAK | DT_CALCRECT), 39);
  EXPECT_EQ(Canvas.TextExtent("W"), (TSize{7, 13}));
}

} // namespace
} // namespace vx
