#include "graphics/Text.h"

#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace vx {
namespace {

// The recording canvas measures 7 x 13 pixels per character with the default font.
constexpr int CharW = 7;
constexpr int LineH = 13;

std::string Visible(std::string S) {
  std::string R;
  for (char C : S) {
    if (C == '\r')
      R += "<CR>";
    else if (C == '\n')
      R += "<LF>";
    else
      R += C;
  }
  return R;
}

std::string WithoutLineBreaks(const std::string& S) {
  std::string R;
  for (char C : S)
    if (C != '\r' && C != '\n') R += C;
  return R;
}

// ---------------------------------------------------------------- WrapText

struct WrapCase {
  const char* Name;
  std::string Text;
  int MaxWidth;
  std::string Expected;
};

class WrapTextTable : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTextTable, InsertsLineBreaks) {
  const WrapCase& C = GetParam();
  TRecordingCanvas Canvas;
  EXPECT_EQ(Visible(WrapText(Canvas, C.Text, C.MaxWidth)), Visible(C.Expected)) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapTextTable,
    ::testing::Values(
        // "alpha " is 42 pixels: the width holds it but not the next word.
        WrapCase{"TwoWords", "alpha beta", 43, "alpha \r\nbeta"},
        WrapCase{"TwoWordsFit", "alpha beta", 200, "alpha beta"},
        WrapCase{"QuotedPhraseStaysTogether", "\"big cat\" runs far away", 70,
                 "\"big cat\" \r\nruns far \r\naway"},
        WrapCase{"SingleQuotes", "'big cat' runs", 70, "'big cat' \r\nruns"},
        WrapCase{"LongWordStaysWhole", "a extraordinarily bc", 30, "a \r\nextraordinarily \r\nbc"},
        WrapCase{"BreaksAfterHyphen", "well-known fact", 40, "well-\r\nknown \r\nfact"},
        WrapCase{"BreaksAfterTab", "ab\tcd", 20, "ab\t\r\ncd"},
        WrapCase{"ZeroWidthOneTokenPerLine", "ab cd ef", 0, "ab \r\ncd \r\nef"},
        WrapCase{"NegativeWidthOneTokenPerLine", "ab cd ef", -50, "ab \r\ncd \r\nef"},
        WrapCase{"Empty", "", 100, ""}, WrapCase{"OneCharacter", "x", 0, "x"},
        WrapCase{"OnlyLineBreaks", "\r\n\r\n", 0, "\r\n\r\n"},
        WrapCase{"ExistingLineBreakStartsALine", "ab\r\ncd ef", 30, "ab\r\ncd ef"},
        WrapCase{"ExistingLineBreakThenWrap", "ab\r\ncd ef", 25, "ab\r\ncd \r\nef"},
        WrapCase{"ClosingQuoteAtTheEnd", "say \"hi\"", 30, "say \r\n\"hi\""},
        WrapCase{"UnclosedQuoteRunsToTheEnd", "a 'bc de", 14, "a \r\n'bc de"}),
    [](const ::testing::TestParamInfo<WrapCase>& Info) { return std::string(Info.param.Name); });

TEST(WrapText, ManyKilobytesOnlyInsertLineBreaksAndEveryLineFits) {
  TRecordingCanvas Canvas;
  std::string Text;
  for (int I = 0; I < 20000; ++I)
    Text += (I % 3 == 0) ? "lorem " : "ipsum-dolor ";
  const int MaxWidth = 40 * CharW;
  const std::string Wrapped = WrapText(Canvas, Text, MaxWidth);
  EXPECT_EQ(WithoutLineBreaks(Wrapped), Text);
  std::size_t Start = 0;
  int Lines = 0;
  while (Start < Wrapped.size()) {
    std::size_t End = Wrapped.find("\r\n", Start);
    if (End == std::string::npos) End = Wrapped.size();
    EXPECT_LE(Canvas.TextWidth(Wrapped.substr(Start, End - Start)), MaxWidth);
    Start = End + 2;
    ++Lines;
  }
  EXPECT_GT(Lines, 1000);
}

TEST(WrapText, OneHugeWordIsLeftAlone) {
  TRecordingCanvas Canvas;
  const std::string Text(100000, 'w');
  EXPECT_EQ(WrapText(Canvas, Text, 10), Text);
}

// ------------------------------------------------------- GetRotatedTextExtent

struct ExtentCase {
  int Angle;
  TSize Size;
  TPoint Offset;
};

class RotatedExtentTable : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(RotatedExtentTable, GivesBoxAndStartPoint) {
  TRecordingCanvas Canvas;
  Canvas.Font().SetHeight(-8); // 5 x 10 per character: ten characters are 50 x 10
  const std::string Text = "0123456789";
  ASSERT_EQ(Canvas.TextExtent(Text), (TSize{50, 10}));
  TSize Size{-1, -1};
  TPoint Offset{-1, -1};
  GetRotatedTextExtent(Canvas, GetParam().Angle, Text, Size, Offset);
  EXPECT_EQ(Size, GetParam().Size) << "angle " << GetParam().Angle;
  EXPECT_EQ(Offset, GetParam().Offset) << "angle " << GetParam().Angle;
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RotatedExtentTable,
    ::testing::Values(ExtentCase{0, {50, 10}, {0, 0}}, ExtentCase{90, {20, 70}, {10, 55}},
                      ExtentCase{45, {55, 55}, {10, 40}}, ExtentCase{180, {70, 20}, {60, 10}},
                      ExtentCase{270, {20, 70}, {10, 10}}, ExtentCase{-90, {20, 70}, {10, 10}},
                      ExtentCase{135, {55, 55}, {45, 45}}));

// ------------------------------------------------------------ DrawAlignedText

struct AlignedCase {
  const char* Name;
  unsigned Format;
  std::string Text;
  std::vector<TPoint> Starts; // where each drawn line starts
};

class DrawAlignedTextTable : public ::testing::TestWithParam<AlignedCase> {};

TEST_P(DrawAlignedTextTable, PlacesTheLines) {
  const AlignedCase& C = GetParam();
  TRecordingCanvas Canvas;
  DrawAlignedText(Canvas, C.Text, C.Format, Rect(0, 0, 100, 100));
  const auto Outs = Canvas.CommandsOf(copTextOut);
  ASSERT_EQ(Outs.size(), C.Starts.size()) << C.Name << "\n" << Canvas.Dump();
  for (std::size_t I = 0; I < Outs.size(); ++I)
    EXPECT_EQ(Outs[I]->Points.at(0), C.Starts[I]) << C.Name << " line " << I;
}

// Three words of ten letters wrap to three lines of 13 pixels (39) in 100 pixels.
const std::string ThreeLines = "aaaaaaaaaa bbbbbbbbbb cccccccccc";

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawAlignedTextTable,
    ::testing::Values(
        AlignedCase{"VCenterOneLine", DT_VCENTER, "abc", {{0, (100 - LineH) / 2}}},
        AlignedCase{"BottomOneLine", DT_BOTTOM, "abc", {{0, 100 - LineH}}},
        // The block starts 19 pixels (39 div 2) above the centre at 50.
        AlignedCase{"VCenterWrappedBlock",
                    DT_VCENTER | DT_WORDBREAK,
                    ThreeLines,
                    {{0, 31}, {0, 31 + LineH}, {0, 31 + 2 * LineH}}},
        AlignedCase{"BottomWrappedBlock",
                    DT_BOTTOM | DT_WORDBREAK,
                    ThreeLines,
                    {{0, 61}, {0, 61 + LineH}, {0, 61 + 2 * LineH}}},
        // The canvas wraps "well-known fact" into two lines; the block stands on the bottom
        // edge (WrapText would measure one line and push the second out of the rectangle).
        AlignedCase{"BottomBlockMeasuredByTheDrawingWrap",
                    DT_BOTTOM | DT_WORDBREAK,
                    "well-known fact",
                    {{0, 100 - 2 * LineH}, {0, 100 - LineH}}},
        AlignedCase{"TopWrapped", DT_WORDBREAK, ThreeLines, {{0, 0}, {0, LineH}, {0, 2 * LineH}}},
        AlignedCase{"CenteredUnclipped", DT_CENTER | DT_NOCLIP, "abcd", {{50 - 14, 0}}},
        AlignedCase{"Empty", DT_VCENTER | DT_WORDBREAK, "", {}}),
    [](const ::testing::TestParamInfo<AlignedCase>& Info) { return std::string(Info.param.Name); });

TEST(DrawAlignedText, DrawsTransparentlyAndRestoresTheBrushStyle) {
  TRecordingCanvas Canvas;
  Canvas.Brush().SetStyle(bsCross);
  DrawAlignedText(Canvas, "abc", DT_LEFT, Rect(0, 0, 100, 100));
  ASSERT_EQ(Canvas.Count(copTextOut), 1u);
  EXPECT_EQ(Canvas.CommandsOf(copTextOut)[0]->Brush.Style, bsClear);
  EXPECT_EQ(Canvas.Brush().Style(), bsCross);
}

class ThrowingCanvas : public TRecordingCanvas {
protected:
  void DoTextOut(int, int, const std::string&, const TRect*) override {
    throw std::runtime_error("device lost");
  }
};

TEST(DrawAlignedText, RestoresTheBrushStyleWhenDrawingFails) {
  ThrowingCanvas Canvas;
  Canvas.Brush().SetStyle(bsSolid);
  EXPECT_THROW(DrawAlignedText(Canvas, "abc", DT_LEFT, Rect(0, 0, 100, 100)), std::runtime_error);
  EXPECT_EQ(Canvas.Brush().Style(), bsSolid);
}

TEST(DrawAlignedText, HugeCaptionWithDegenerateRectangles) {
  TRecordingCanvas Canvas;
  std::string Text;
  for (int I = 0; I < 10000; ++I)
    Text += "word ";
  for (const TRect R : {Rect(0, 0, 0, 0), Rect(50, 50, 10, 10), Rect(0, 0, 1, 100)}) {
    Canvas.Clear();
    DrawAlignedText(Canvas, Text, DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS, R);
    DrawAlignedText(Canvas, Text, DT_CENTER | DT_NOCLIP, R);
  }
  EXPECT_GE(Canvas.Count(copTextOut), 1u); // the unclipped call always draws
}

// --------------------------------------------------------- GetTextBlockHeight

TEST(GetTextBlockHeight, CountsLineFeeds) {
  TRecordingCanvas Canvas;
  EXPECT_EQ(GetTextBlockHeight(Canvas, "a\r\nb"), 2 * LineH);
  EXPECT_EQ(GetTextBlockHeight(Canvas, ""), LineH);
  EXPECT_EQ(GetTextBlockHeight(Canvas, "abc"), LineH);
  EXPECT_EQ(GetTextBlockHeight(Canvas, "\n\n"), 3 * LineH);
  EXPECT_EQ(GetTextBlockHeight(Canvas, "a\rb"), LineH); // only line feeds count
}

// --------------------------------------------------------------- SetFontAngle

class AllFacesTurnCanvas : public TRecordingCanvas {
public:
  bool IsTrueTypeFont(const TFont&) const override { return true; }
};

TEST(SetFontAngle, SetsTheOrientationAndKeepsTheOtherAttributes) {
  TFont F;
  F.SetName("Courier New");
  F.SetHeight(-20);
  F.SetStyle({fsBold, fsItalic});
  F.SetColor(clRed);
  F.SetCharset(0);
  F.SetPitch(fpFixed);
  int Changes = 0;
  F.SetOnChange([&](TObject*) { ++Changes; });
  SetFontAngle(F, 45);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(F.Orientation(), 450);
  EXPECT_EQ(F.Name(), "Courier New");
  EXPECT_EQ(F.Height(), -20);
  EXPECT_EQ(F.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(F.Color(), clRed);
  EXPECT_EQ(F.Charset(), 0);
  EXPECT_EQ(F.Pitch(), fpFixed);
  SetFontAngle(F, 45);
  EXPECT_EQ(Changes, 1); // nothing changed
}

TEST(SetFontAngle, AngleToTenthsOfADegree) {
  const struct {
    float Angle;
    int Tenths;
  } Cases[] = {{0, 0},
               {90, 900},
               {22.5f, 225},
               {22.56f, 226},
               {-90, -900},
               {270, 2700},
               {720.5, 5},
               {std::numeric_limits<float>::quiet_NaN(), 0},
               {std::numeric_limits<float>::infinity(), 0}};
  for (const auto& C : Cases) {
    TFont F;
    F.SetName("Arial");
    SetFontAngle(F, C.Angle);
    EXPECT_EQ(F.Orientation(), C.Tenths) << C.Angle;
  }
  TFont Huge;
  SetFontAngle(Huge, 1e30f);
  EXPECT_LT(std::abs(Huge.Orientation()), 3600);
}

TEST(SetFontAngle, DefaultFaceAndFacesThatCannotTurn) {
  const std::string ToolkitDefault = TFont().Name();
  AllFacesTurnCanvas Scalable;
  const struct {
    const char* Name;
    const TCanvas* Measure;
    std::string Expected;
  } Cases[] = {
      {"Default", &Scalable, ToolkitDefault},
      {"dEfAuLt", &Scalable, ToolkitDefault},
      // The toolkit default face is a bitmap face on the platform rule.
      {"Default", nullptr, "Arial"},
      {"Courier", nullptr, "Arial"},
      {"MS Sans Serif", nullptr, "Arial"},
      {"Courier", &Scalable, "Courier"},
      {"Courier New", nullptr, "Courier New"},
      {"Tahoma", nullptr, "Tahoma"},
  };
  for (const auto& C : Cases) {
    TFont F;
    F.SetName(C.Name);
    SetFontAngle(F, 45, C.Measure);
    EXPECT_EQ(F.Name(), C.Expected) << C.Name;
    EXPECT_EQ(F.Orientation(), 450);
  }
}

} // namespace
} // namespace vx
