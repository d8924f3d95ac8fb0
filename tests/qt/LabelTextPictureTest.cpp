// Turned label texts on real pixels: the box that GetRotatedTextExtent gives holds the text
// that TextOut draws at its offset with the font turned by SetFontAngle. With
// VX_WRITE_DOCS=1 the test also writes the picture docs/labels.png.

#include "tests/qt/QtTestSupport.h"

#include "chart/Chart.h"
#include "chart/ChartValues.h"
#include "graphics/Text.h"
#include "platform/qt/QtExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vx::qt::test {
namespace {

const std::string LabelText = "Revenue 2024";

void UseLabelFont(TCanvas& Canvas, int Angle) {
  Canvas.Font().SetName("Arial");
  Canvas.Font().SetHeight(-16);
  Canvas.Font().SetColor(clNavy);
  Canvas.Font().SetOrientation(0);
  SetFontAngle(Canvas.Font(), static_cast<float>(Angle), &Canvas);
}

// Draws Text turned by Angle, its box centred in Cell; returns the box.
TRect DrawTurnedLabel(TCanvas& Canvas, const TRect& Cell, int Angle, const std::string& Text) {
  UseLabelFont(Canvas, Angle);
  TSize Size;
  TPoint Offset;
  GetRotatedTextExtent(Canvas, Angle, Text, Size, Offset);
  const TRect Box = Bounds(Cell.Left + (Cell.Width() - Size.cx) / 2,
                           Cell.Top + (Cell.Height() - Size.cy) / 2, Size.cx, Size.cy);
  Canvas.Brush().SetStyle(bsClear);
  Canvas.TextOut(Box.Left + Offset.X, Box.Top + Offset.Y, Text);
  return Box;
}

TEST(LabelTextPicture, TurnedTextStaysInsideItsBox) {
  for (int Angle : {0, 45, 90, 180, 270, 315}) {
    TImageCanvas Surface(240, 240);
    const TRect Box = DrawTurnedLabel(*Surface.Canvas, Rect(0, 0, 240, 240), Angle, LabelText);
    const int Width = Surface.Canvas->TextWidth(LabelText);
    const QImage& I = Surface.Done();
    const TPixelSet Ink = PixelsNot(I);
    ASSERT_GT(Ink.size(), 100u) << "angle " << Angle << ": no text drawn";
    // A pixel of slack for glyph edges that antialiased text spills over.
    const TPixelSet Outside =
        Minus(Ink, Area(Box.Left - 1, Box.Top - 1, Box.Right + 1, Box.Bottom + 1));
    EXPECT_TRUE(Outside.empty()) << "angle " << Angle << ": " << Outside.size()
                                 << " pixels outside the box\n"
                                 << Picture(I, Area(Box.Left, Box.Top, Box.Right, Box.Bottom));
    // The text fills its box across its turned direction: it is not drawn somewhere small.
    int MinX = 1 << 20, MaxX = -1, MinY = 1 << 20, MaxY = -1;
    for (auto [X, Y] : Ink) {
      MinX = std::min(MinX, X);
      MaxX = std::max(MaxX, X);
      MinY = std::min(MinY, Y);
      MaxY = std::max(MaxY, Y);
    }
    EXPECT_GT(std::max(MaxX - MinX, MaxY - MinY), Width * 6 / 10) << "angle " << Angle;
  }
}

// The documentation picture: four turned labels, value labels at points and wrapped text.
void DrawLabelsPage(TCanvas& C) {
  C.Brush().SetColor(clWhite);
  C.FillRect(Rect(0, 0, 720, 420));
  C.Font().SetName("Arial");
  C.Font().SetHeight(-13);
  C.Font().SetColor(clBlack);
  C.Brush().SetStyle(bsClear);
  C.TextOut(12, 10, "Label texts turned with SetFontAngle; the grey box is GetRotatedTextExtent");

  const int Angles[] = {0, 45, 90, 270};
  for (int I = 0; I < 4; ++I) {
    const TRect Cell = Bounds(12 + I * 176, 34, 164, 200);
    C.Pen().SetColor(clSilver);
    C.Brush().SetStyle(bsClear);
    C.Rectangle(Cell);
    TRect Box;
    {
      // Draw the box first, then the text over it.
      UseLabelFont(C, Angles[I]);
      TSize Size;
      TPoint Offset;
      GetRotatedTextExtent(C, Angles[I], LabelText, Size, Offset);
      Box = Bounds(Cell.Left + (Cell.Width() - Size.cx) / 2,
                   Cell.Top + (Cell.Height() - Size.cy) / 2, Size.cx, Size.cy);
      C.Brush().SetColor(TColor(0xEEEEEE));
      C.Brush().SetStyle(bsSolid);
      C.Pen().SetColor(clGray);
      C.Rectangle(Box);
      C.Pen().SetColor(clRed);
      C.Brush().SetColor(clRed);
      C.Ellipse(Box.Left + Offset.X - 2, Box.Top + Offset.Y - 2, Box.Left + Offset.X + 3,
                Box.Top + Offset.Y + 3);
    }
    DrawTurnedLabel(C, Cell, Angles[I], LabelText);
    C.Font().SetOrientation(0);
    C.Font().SetHeight(-12);
    C.Font().SetColor(clBlack);
    C.Brush().SetStyle(bsClear);
    C.TextOut(Cell.Left + 4, Cell.Bottom + 4, std::to_string(Angles[I]) + " degrees");
  }
  C.Font().SetHeight(-11);
  C.TextOut(12, 258, "The red dot is where TextOut starts the turned text.");

  // Value labels of a chart above their points, and label texts wrapped into rectangles.
  TVXChart Chart;
  Chart.Font().SetName("Arial");
  Chart.Font().SetHeight(-13);
  Chart.Font().SetColor(clBlack);
  Chart.SetValueLabelStyle(ltsCaptionNPercent);
  Chart.Values().AddValues({25}, -1, "North");
  Chart.Values().AddValues({50}, -1, "South");
  Chart.Values().AddValues({25}, -1, "Internationalisation of receivables");
  const TPoint Points[] = {{60, 340}, {190, 310}};
  for (int I = 0; I < 2; ++I) {
    const TPoint P = Points[I];
    C.Pen().SetColor(clMaroon);
    C.Brush().SetColor(clMaroon);
    C.Brush().SetStyle(bsSolid);
    C.Ellipse(P.X - 3, P.Y - 3, P.X + 4, P.Y + 4);
    C.Font().Assign(&Chart.Font());
    // A kind puts the label a little above its marker.
    Chart.DrawValueLabel(C, *Chart.Values().Items(I), P.X, P.Y - 12);
  }
  C.Font().Assign(&Chart.Font());
  const std::string Long = "Sales of the northern region in the second quarter, "
                           "\"after returns\" and before taxes";
  const TRect Centred = Rect(290, 280, 470, 400);
  const TRect Cut = Rect(500, 280, 600, 400);
  C.Pen().SetColor(clSilver);
  C.Brush().SetStyle(bsClear);
  C.Rectangle(Centred);
  C.Rectangle(Cut);
  DrawAlignedText(C, Long, DT_VCENTER | DT_WORDBREAK, Rect(294, 284, 466, 396));
  Chart.DrawValueLabelInRect(C, *Chart.Values().Items(2), Rect(504, 284, 596, 396));
  C.Font().SetHeight(-11);
  C.TextOut(12, 404, "Value labels above points (DrawValueLabel)");
  C.TextOut(290, 404, "DT_VCENTER + DT_WORDBREAK");
  C.TextOut(500, 404, "DrawValueLabelInRect");
}

TEST(LabelTextPicture, DocumentationPicture) {
  // Drawing the page must work whether or not the file is wanted.
  TImageCanvas Surface(720, 420);
  DrawLabelsPage(*Surface.Canvas);
  EXPECT_GT(PixelsNot(Surface.Done()).size(), 2000u);

  const char* Wanted = std::getenv("VX_WRITE_DOCS");
  if (!Wanted || std::string(Wanted) != "1") GTEST_SKIP() << "set VX_WRITE_DOCS=1 to write it";
  const std::filesystem::path Docs =
      std::filesystem::path(VX_TEST_DATA_DIR).parent_path().parent_path() / "docs";
  ExportPng((Docs / "labels.png").string(), 720, 420, DrawLabelsPage);
  EXPECT_TRUE(std::filesystem::exists(Docs / "labels.png"));
}

} // namespace
} // namespace vx::qt::test
