#include "platform/core/RecordingCanvas.h"
#include "platform/core/Graphic.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(RecordingCanvas, SnapshotsThePenBrushAndFontInForce) {
  TRecordingCanvas C;
  C.Rectangle(0, 0, 10, 10);
  C.Pen().SetColor(clRed);
  C.Pen().SetWidth(3);
  C.Pen().SetStyle(psDash);
  C.Brush().SetColor(clBtnFace);
  C.Brush().SetStyle(bsClear);
  C.Font().SetName("Arial");
  C.Font().SetSize(12);
  C.Font().SetStyle({fsBold});
  C.Font().SetColor(clBlue);
  C.Font().SetOrientation(900);
  C.Ellipse(0, 0, 10, 10);
  C.TextOut(5, 6, "up");

  const auto& Cmds = C.Commands();
  ASSERT_EQ(Cmds.size(), 3u) << C.Dump();
  EXPECT_EQ(Cmds[0].Pen, (TPenState{clBlack, 1, psSolid}));
  EXPECT_EQ(Cmds[0].Brush, (TBrushState{clWhite, bsSolid}));
  EXPECT_EQ(Cmds[1].Pen, (TPenState{clRed, 3, psDash}));
  EXPECT_EQ(Cmds[1].Brush, (TBrushState{clBtnFace, bsClear}));
  EXPECT_EQ(Cmds[2].Font, (TFontState{"Arial", -16, {fsBold}, clBlue, 900}));
  EXPECT_EQ(Cmds[2].Rect, Rect(5, 6, 5 + 2 * 10, 6 + 19)); // em 16: 10 x 19 per character
  EXPECT_EQ(C.Dump(), "#0 Rectangle (0,0,10,10) pen clBlack/1/psSolid brush clWhite/bsSolid\n"
                      "#1 Ellipse (0,0,10,10) pen clRed/3/psDash brush clBtnFace/bsClear\n"
                      "#2 TextOut (5,6) \"up\" cell (5,6,25,25) font \"Arial\"/-16/[fsBold]/"
                      "clBlue/900 brush bsClear\n");
}

TEST(RecordingCanvas, QueriesCountBoundAndClear) {
  TRecordingCanvas C(Rect(0, 0, 300, 200));
  EXPECT_EQ(C.Bounds(), Rect(0, 0, 300, 200));
  const std::vector<TPoint> A{{10, 50}, {20, 5}, {30, 60}};
  const std::vector<TPoint> B{{-4, 7}, {100, 8}};
  C.Polyline(A);
  C.Polyline(B);
  C.MoveTo(0, 0);
  C.LineTo(3, 4);
  C.SetClipRect(Rect(0, 0, 50, 50));
  C.TextOut(1, 2, "x");
  C.RemoveClip();
  C.TextOut(1, 2, "y");
  EXPECT_EQ(C.Polylines(), (std::vector<std::vector<TPoint>>{A, B}));
  EXPECT_EQ(C.Texts(), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(C.Count(copPolyline), 2u);
  EXPECT_EQ(C.Count(copLine), 1u);
  EXPECT_EQ(C.Count(copEllipse), 0u);
  EXPECT_EQ(C.BoundsOf(copPolyline), Rect(-4, 5, 100, 60));
  EXPECT_EQ(C.BoundsOf(copTextOut), Rect(1, 2, 8, 15));
  EXPECT_EQ(C.BoundsOf(copEllipse), Rect(0, 0, 0, 0));
  const auto Texts = C.CommandsOf(copTextOut);
  EXPECT_EQ(Texts[0]->Clip, Rect(0, 0, 50, 50));
  EXPECT_FALSE(Texts[1]->Clip.has_value());
  C.Clear();
  EXPECT_TRUE(C.Commands().empty());
  EXPECT_EQ(C.Dump(), "(no operations)\n");
}

TEST(Canvas, ChecksArgumentsBeforeTheBackend) {
  const struct {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    std::string Recorded; // the Dump without state, "" for nothing
  } Cases[] = {
      {"corners in any order", [](TCanvas& C) { C.Rectangle(10, 12, 0, 2); },
       "Rectangle (0,2,10,12)"},
      {"empty rectangle", [](TCanvas& C) { C.Rectangle(0, 0, 0, 0); }, ""},
      {"no height", [](TCanvas& C) { C.Ellipse(0, 5, 10, 5); }, ""},
      {"inverted fill", [](TCanvas& C) { C.FillRect(Rect(10, 10, 0, 0)); }, ""},
      {"negative corners are square", [](TCanvas& C) { C.RoundRect(0, 0, 9, 9, -4, 3); },
       "RoundRect (0,0,9,9) corner 0x3"},
      {"pie box sorted", [](TCanvas& C) { C.Pie(10, 10, 0, 0, 10, 5, 0, 5); },
       "Pie (0,0,10,10) (10,5) (0,5)"},
      {"zero-length line", [](TCanvas& C) { C.LineTo(0, 0); }, ""},
      {"line", [](TCanvas& C) { C.MoveTo(1, 1), C.LineTo(4, 1); }, "Line (1,1) (4,1)"},
      {"one-point polyline",
       [](TCanvas& C) {
         C.Polyline(std::vector<TPoint>{{1, 1}});
       },
       ""},
      {"empty text", [](TCanvas& C) { C.TextOut(3, 3, ""); }, ""},
      {"null graphic", [](TCanvas& C) { C.Draw(0, 0, nullptr); }, ""},
      {"empty stretch target",
       [](TCanvas& C) {
         TBitmap B(2, 2);
         C.StretchDraw(Rect(5, 5, 5, 9), &B);
       },
       ""},
      {"frame of four strips", [](TCanvas& C) { C.FrameRect(Rect(0, 0, 4, 3)); },
       "FillRect (0,0,4,1)|FillRect (0,2,4,3)|FillRect (0,1,1,2)|FillRect (3,1,4,2)"},
      {"frame one pixel high", [](TCanvas& C) { C.FrameRect(Rect(0, 0, 4, 1)); },
       "FillRect (0,0,4,1)"},
      {"text rect fills with an opaque brush",
       [](TCanvas& C) { C.TextRect(Rect(0, 0, 20, 10), 2, 1, "ab"); },
       "FillRect (0,0,20,10)|TextOut (2,1) \"ab\" cell (2,1,16,14) clipped to (0,0,20,10)"},
      {"text rect with a clear brush",
       [](TCanvas& C) {
         C.Brush().SetStyle(bsClear);
         C.TextRect(Rect(0, 0, 20, 10), 2, 1, "");
       },
       ""},
      {"copy from a canvas without a bitmap",
       [](TCanvas& C) {
         TCanvas Window;
         C.CopyRect(Rect(0, 0, 5, 5), Window, Rect(0, 0, 5, 5));
       },
       ""},
      {"copy from a bitmap",
       [](TCanvas& C) {
         TBitmap B(8, 8);
         C.CopyRect(Rect(0, 0, 16, 16), B.Canvas(), Rect(0, 0, 8, 8));
       },
       "CopyRect (0,0,16,16) from (0,0,8,8) of TBitmap 8x8"},
      {"antialiasing set once",
       [](TCanvas& C) { C.SetAntialiasing(true), C.SetAntialiasing(true); }, "Antialiasing on"},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    Case.Draw(C);
    std::string Recorded;
    for (const TCanvasCommand& Cmd : C.Commands()) {
      std::string Line = Cmd.ToString();
      // Keep the arguments, drop the state snapshot.
      for (const char* Cut : {" pen ", " brush ", " font "})
        if (auto At = Line.find(Cut); At != std::string::npos) Line.erase(At);
      Recorded += (Recorded.empty() ? "" : "|") + Line;
    }
    EXPECT_EQ(Recorded, Case.Recorded) << Case.Name;
  }
}

TEST(Canvas, TextOutMovesThePenToTheEndOfTheText) {
  TRecordingCanvas C;
  C.TextOut(10, 20, "abc");
  EXPECT_EQ(C.PenPos(), Point(31, 20));
}

TEST(Canvas, KnowsTheBitmapFacesThatCannotTurn) {
  TCanvas C;
  TFont F;
  for (const char* Face : {"MS Sans Serif", "ms sans serif", "System", "Terminal", "Fixedsys",
                           "Courier", "Small Fonts", "MS Serif"}) {
    F.SetName(Face);
    EXPECT_FALSE(C.IsTrueTypeFont(F)) << Face;
  }
  for (const char* Face : {"Arial", "Courier New", "Tahoma", "DejaVu Sans", "Default", ""}) {
    F.SetName(Face);
    EXPECT_TRUE(C.IsTrueTypeFont(F)) << Face;
  }
}

TEST(Canvas, StateSaverRestoresPenBrushAndFont) {
  TCanvas C;
  C.Pen().SetColor(clRed);
  int Changes = 0;
  {
    TCanvasStateSaver Saver(C);
    C.Pen().SetColor(clBlue);
    C.Brush().SetStyle(bsClear);
    C.Font().SetStyle({fsBold});
    C.Font().SetOnChange([&](TObject*) { ++Changes; });
  }
  EXPECT_EQ(C.Pen().Color(), clRed);
  EXPECT_EQ(C.Brush().Style(), bsSolid);
  EXPECT_TRUE(C.Font().Style().Empty());
  EXPECT_EQ(Changes, 1); // one notification for the restored font
}

} // namespace
} // namespace vx
