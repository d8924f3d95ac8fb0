#include "SamplePage.h"

#include "platform/core/Graphic.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace sample {

using namespace vx;

namespace {

constexpr int CellWidth = 226;
constexpr int CellHeight = 164;

TRect CellRect(int Column, int Row) {
  const int L = 12 + Column * 236, T = 64 + Row * 170;
  return {L, T, L + CellWidth, T + CellHeight};
}

void SmallFont(TCanvas& C, int Height = -10, TColor Color = clBlack) {
  C.Font().SetName("Default");
  C.Font().SetHeight(Height);
  C.Font().SetStyle({});
  C.Font().SetColor(Color);
  C.Font().SetOrientation(0);
}

// Background, frame and title of a cell; returns the area below the title.
TRect BeginCell(TCanvas& C, int Column, int Row, const char* Title) {
  const TRect R = CellRect(Column, Row);
  C.Pen().SetColor(clBlack);
  C.Pen().SetWidth(1);
  C.Pen().SetStyle(psSolid);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(RGB(252, 252, 250));
  C.FillRect(R);
  C.Brush().SetColor(RGB(176, 180, 190));
  C.FrameRect(R);
  C.Brush().SetStyle(bsClear);
  SmallFont(C, -12, clNavy);
  C.Font().SetStyle({fsBold});
  C.TextOut(R.Left + 6, R.Top + 4, Title);
  C.Brush().SetStyle(bsSolid);
  return {R.Left + 8, R.Top + 24, R.Right - 8, R.Bottom - 6};
}

void Label(TCanvas& C, int X, int Y, const std::string& Text) {
  const TBrushStyle Old = C.Brush().Style();
  C.Brush().SetStyle(bsClear);
  SmallFont(C);
  C.TextOut(X, Y, Text);
  C.Brush().SetStyle(Old);
}

void LinesAndPenStyles(TCanvas& C) {
  const TRect A = BeginCell(C, 0, 0, "MoveTo / LineTo, pen styles");
  const struct {
    TPenStyle Style;
    int Width;
    TColor Color;
    const char* Name;
  } Pens[] = {{psSolid, 1, clBlack, "psSolid"},
              {psDash, 1, clNavy, "psDash"},
              {psDot, 1, clMaroon, "psDot"},
              {psDashDot, 1, clGreen, "psDashDot"},
              {psDashDotDot, 1, clPurple, "psDashDotDot"},
              {psSolid, 3, clRed, "width 3"},
              {psSolid, 8, clTeal, "width 8"}};
  int Y = A.Top + 6;
  for (const auto& P : Pens) {
    Label(C, A.Left, Y - 6, P.Name);
    C.Pen().SetStyle(P.Style);
    C.Pen().SetWidth(P.Width);
    C.Pen().SetColor(P.Color);
    C.MoveTo(A.Left + 84, Y);
    C.LineTo(A.Right - 6, Y);
    Y += 19;
  }
}

void PolylineAndPolygon(TCanvas& C) {
  const TRect A = BeginCell(C, 1, 0, "Polyline, Polygon");
  std::vector<TPoint> Zigzag;
  for (int I = 0; I <= 10; ++I)
    Zigzag.push_back({A.Left + 4 + I * 20, A.Top + (I % 2 ? 8 : 36)});
  C.Pen().SetColor(clBlue);
  C.Pen().SetWidth(2);
  C.Polyline(Zigzag);
  Label(C, A.Left + 4, A.Top + 40, "Polyline (open)");
  // A five-pointed star: alternate filling leaves the middle empty.
  std::vector<TPoint> Star;
  const double CX = A.Left + 52, CY = A.Top + 96, R = 40;
  for (int I = 0; I < 5; ++I) {
    const double Angle = std::numbers::pi / 2 + I * 4 * std::numbers::pi / 5;
    Star.push_back(
        {int(std::lround(CX + R * std::cos(Angle))), int(std::lround(CY - R * std::sin(Angle)))});
  }
  C.Pen().SetColor(clBlack);
  C.Pen().SetWidth(1);
  C.Brush().SetColor(RGB(255, 200, 40));
  C.Polygon(Star);
  C.Brush().SetColor(RGB(120, 200, 255));
  C.Polygon(std::vector<TPoint>{
      {A.Left + 120, A.Top + 130}, {A.Left + 170, A.Top + 60}, {A.Left + 205, A.Top + 130}});
  Label(C, A.Left + 120, A.Top + 40 + 92, "Polygon (closed)");
}

void Rectangles(TCanvas& C) {
  const TRect A = BeginCell(C, 2, 0, "Rectangle, FillRect, FrameRect");
  C.Brush().SetColor(RGB(170, 210, 255));
  C.Rectangle(A.Left, A.Top + 4, A.Left + 60, A.Top + 54);
  Label(C, A.Left, A.Top + 58, "Rectangle");
  C.Brush().SetColor(RGB(60, 170, 80));
  C.FillRect(Rect(A.Left + 76, A.Top + 4, A.Left + 136, A.Top + 54));
  Label(C, A.Left + 76, A.Top + 58, "FillRect");
  C.Brush().SetColor(clRed);
  C.FrameRect(Rect(A.Left + 150, A.Top + 4, A.Left + 210, A.Top + 54));
  Label(C, A.Left + 150, A.Top + 58, "FrameRect");
  C.Pen().SetWidth(6);
  C.Pen().SetColor(clNavy);
  C.Brush().SetColor(clYellow);
  C.Rectangle(A.Left, A.Top + 78, A.Left + 96, A.Top + 118);
  C.Pen().SetStyle(psInsideFrame);
  C.Rectangle(A.Left + 112, A.Top + 78, A.Left + 208, A.Top + 118);
  Label(C, A.Left, A.Top + 121, "width 6");
  Label(C, A.Left + 112, A.Top + 121, "psInsideFrame");
}

void RoundRectAndEllipse(TCanvas& C) {
  const TRect A = BeginCell(C, 3, 0, "RoundRect, Ellipse");
  C.Brush().SetColor(RGB(255, 170, 90));
  C.RoundRect(A.Left, A.Top + 4, A.Left + 96, A.Top + 60, 24, 24);
  Label(C, A.Left, A.Top + 62, "RoundRect");
  C.Brush().SetColor(RGB(200, 160, 255));
  C.Ellipse(A.Left + 110, A.Top + 4, A.Left + 208, A.Top + 60);
  Label(C, A.Left + 110, A.Top + 62, "Ellipse");
  C.Brush().SetStyle(bsClear);
  C.Pen().SetColor(clGreen);
  C.Ellipse(A.Left + 10, A.Top + 80, A.Left + 60, A.Top + 130);
  Label(C, A.Left + 64, A.Top + 98, "bsClear");
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clMaroon);
  C.Pen().SetStyle(psClear);
  C.Ellipse(A.Left + 120, A.Top + 80, A.Left + 170, A.Top + 130);
  Label(C, A.Left + 174, A.Top + 98, "psClear");
}

// A shape of the arc family in a box with its two radial points marked.
void ArcShape(TCanvas& C, TArcKind Kind, const TRect& Box, double From, double To) {
  const TPoint Center = CenterPoint(Box);
  const double Length = (Box.Right - Box.Left) / 2.0 + 8;
  auto Ray = [&](double Degrees) {
    const double A = Degrees * std::numbers::pi / 180;
    return TPoint{Center.X + int(std::lround(Length * std::cos(A))),
                  Center.Y - int(std::lround(Length * std::sin(A)))};
  };
  const TPoint P1 = Ray(From), P2 = Ray(To);
  C.Pen().SetColor(clBlack);
  C.Pen().SetStyle(psSolid);
  C.Brush().SetColor(RGB(255, 120, 120));
  if (Kind == akArc) {
    C.Pen().SetWidth(2);
    C.Arc(Box.Left, Box.Top, Box.Right, Box.Bottom, P1.X, P1.Y, P2.X, P2.Y);
  } else if (Kind == akChord) {
    C.Chord(Box.Left, Box.Top, Box.Right, Box.Bottom, P1.X, P1.Y, P2.X, P2.Y);
  } else {
    C.Pie(Box.Left, Box.Top, Box.Right, Box.Bottom, P1.X, P1.Y, P2.X, P2.Y);
  }
  C.Pen().SetWidth(1);
  C.Pen().SetStyle(psDot);
  C.Pen().SetColor(clGray);
  C.MoveTo(Center.X, Center.Y);
  C.LineTo(P1.X, P1.Y);
  C.MoveTo(Center.X, Center.Y);
  C.LineTo(P2.X, P2.Y);
  C.Pen().SetStyle(psSolid);
  C.Brush().SetColor(clGreen);
  C.FillRect(Rect(P1.X - 2, P1.Y - 2, P1.X + 3, P1.Y + 3));
  C.Brush().SetColor(clRed);
  C.FillRect(Rect(P2.X - 2, P2.Y - 2, P2.X + 3, P2.Y + 3));
}

void Arcs(TCanvas& C) {
  const TRect A = BeginCell(C, 0, 1, "Arc, Chord, Pie (green to red)");
  ArcShape(C, akArc, Rect(A.Left + 4, A.Top + 20, A.Left + 66, A.Top + 82), 0, 270);
  ArcShape(C, akChord, Rect(A.Left + 76, A.Top + 20, A.Left + 138, A.Top + 82), 200, 340);
  ArcShape(C, akPie, Rect(A.Left + 148, A.Top + 20, A.Left + 210, A.Top + 82), 30, 120);
  Label(C, A.Left + 20, A.Top + 112, "Arc");
  Label(C, A.Left + 88, A.Top + 112, "Chord");
  Label(C, A.Left + 166, A.Top + 112, "Pie");
  Label(C, A.Left + 4, A.Top + 126, "counter-clockwise from the first ray");
}

void BrushStyles(TCanvas& C) {
  const TRect A = BeginCell(C, 1, 1, "Brush styles");
  const struct {
    TBrushStyle Style;
    const char* Name;
  } Brushes[] = {{bsSolid, "bsSolid"},           {bsClear, "bsClear"},
                 {bsHorizontal, "bsHorizontal"}, {bsVertical, "bsVertical"},
                 {bsFDiagonal, "bsFDiagonal"},   {bsBDiagonal, "bsBDiagonal"},
                 {bsCross, "bsCross"},           {bsDiagCross, "bsDiagCross"}};
  for (int I = 0; I < 8; ++I) {
    const int X = A.Left + (I % 2) * 106, Y = A.Top + (I / 2) * 33 + 2;
    C.Brush().SetColor(clBlue);
    C.Brush().SetStyle(Brushes[I].Style);
    C.Rectangle(X, Y, X + 28, Y + 28);
    Label(C, X + 34, Y + 8, Brushes[I].Name);
  }
}

void ClearStylesAndTextBackground(TCanvas& C) {
  const TRect A = BeginCell(C, 2, 1, "psClear, bsClear, text");
  C.Brush().SetColor(RGB(230, 230, 230));
  C.Brush().SetStyle(bsDiagCross);
  C.FillRect(A);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(RGB(255, 150, 0));
  C.Pen().SetStyle(psClear);
  C.Rectangle(A.Left + 4, A.Top + 4, A.Left + 94, A.Top + 50);
  C.Pen().SetStyle(psSolid);
  C.Brush().SetStyle(bsClear);
  C.Rectangle(A.Left + 112, A.Top + 4, A.Left + 202, A.Top + 50);
  SmallFont(C);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clWhite);
  C.TextOut(A.Left + 10, A.Top + 20, "psClear");
  C.Brush().SetStyle(bsClear);
  C.TextOut(A.Left + 130, A.Top + 20, "bsClear");
  SmallFont(C, -13);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clYellow);
  C.TextOut(A.Left + 4, A.Top + 70, "Opaque text (bsSolid)");
  C.Brush().SetStyle(bsClear);
  C.TextOut(A.Left + 4, A.Top + 100, "Transparent text (bsClear)");
}

void Antialiasing(TCanvas& C) {
  const TRect A = BeginCell(C, 3, 1, "Antialiasing off / on");
  for (int Side = 0; Side < 2; ++Side) {
    const int X = A.Left + Side * 106;
    C.SetAntialiasing(Side == 1);
    C.Pen().SetColor(clNavy);
    C.Pen().SetWidth(2);
    C.Brush().SetColor(RGB(150, 220, 150));
    C.Ellipse(X + 4, A.Top + 6, X + 96, A.Top + 70);
    C.Pen().SetWidth(1);
    C.Pen().SetColor(clRed);
    for (int I = 0; I < 5; ++I) {
      C.MoveTo(X + 4, A.Top + 78 + I * 3);
      C.LineTo(X + 96, A.Top + 94 + I * 6);
    }
    C.SetAntialiasing(false);
    Label(C, X + 40, A.Top + 122, Side ? "on" : "off");
  }
}

void Fonts(TCanvas& C) {
  const TRect A = BeginCell(C, 0, 2, "TextOut and fonts");
  const struct {
    const char* Name;
    int Height;
    TFontStyles Style;
    const char* Text;
  } Lines[] = {{"Default", -11, {}, "Default, 8 pt: the default face"},
               {"MS Sans Serif", -13, {fsBold}, "MS Sans Serif, bold"},
               {"Arial", -16, {}, "Arial, 12 pt"},
               {"Arial", -13, {fsItalic}, "Arial, italic"},
               {"Default", -13, {fsUnderline}, "Underlined"},
               {"Default", -13, {fsStrikeOut}, "Struck out"},
               {"DejaVu Serif", -18, {}, "DejaVu Serif, 18 px"}};
  int Y = A.Top;
  C.Brush().SetStyle(bsClear);
  for (const auto& L : Lines) {
    SmallFont(C, L.Height, clBlack);
    C.Font().SetName(L.Name);
    C.Font().SetStyle(L.Style);
    C.TextOut(A.Left, Y, L.Text);
    Y += C.TextHeight(L.Text) + 1;
  }
}

void RotatedText(TCanvas& C) {
  const TRect A = BeginCell(C, 1, 2, "Rotated text");
  const int X = A.Left + 96, Y = A.Top + 70;
  C.Pen().SetColor(clSilver);
  C.MoveTo(A.Left, Y);
  C.LineTo(A.Right, Y);
  C.MoveTo(X, A.Top);
  C.LineTo(X, A.Bottom);
  C.Brush().SetStyle(bsClear);
  const struct {
    int Tenths;
    const char* Text;
    TColor Color;
  } Texts[] = {{0, "  Text 0°", clBlack},
               {450, "  Text 45°", clBlue},
               {900, "  Text 90°", clGreen},
               {2700, "  Text 270°", clMaroon}};
  for (const auto& T : Texts) {
    SmallFont(C, -13, T.Color);
    C.Font().SetName("Arial");
    C.Font().SetOrientation(T.Tenths);
    C.TextOut(X, Y, T.Text);
  }
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clRed);
  C.FillRect(Rect(X - 1, Y - 1, X + 2, Y + 2));
}

void TextInRectangles(TCanvas& C) {
  const TRect A = BeginCell(C, 2, 2, "TextRect, DrawText");
  SmallFont(C, -12);
  const TRect Clip = Rect(A.Left, A.Top + 2, A.Left + 120, A.Top + 22);
  C.Brush().SetColor(RGB(255, 240, 200));
  C.TextRect(Clip, A.Left + 4, A.Top + 5, "TextRect clips this long text at the edge");
  TRect Box = Rect(A.Left, A.Top + 32, A.Left + 120, A.Top + 100);
  C.Brush().SetColor(RGB(220, 235, 255));
  C.FillRect(Box);
  C.Brush().SetStyle(bsClear);
  C.DrawText("DrawText with DT_WORDBREAK and DT_CENTER wraps the words", Box,
             DT_WORDBREAK | DT_CENTER);
  TRect Line = Rect(A.Left, A.Top + 108, A.Left + 120, A.Top + 126);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(RGB(225, 255, 225));
  C.FillRect(Line);
  C.Brush().SetStyle(bsClear);
  C.DrawText("DT_END_ELLIPSIS shortens a line that does not fit", Line,
             DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  TRect Right = Rect(A.Left + 128, A.Top + 32, A.Right, A.Top + 100);
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(RGB(245, 225, 255));
  C.FillRect(Right);
  C.Brush().SetStyle(bsClear);
  C.DrawText("right, bottom", Right, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
}

void Clipping(TCanvas& C) {
  const TRect A = BeginCell(C, 3, 2, "SetClipRect, RemoveClip");
  const TRect Clip = Rect(A.Left + 30, A.Top + 20, A.Left + 180, A.Top + 110);
  C.SetClipRect(Clip);
  C.Brush().SetColor(RGB(255, 210, 120));
  C.Ellipse(A.Left - 20, A.Top - 10, A.Left + 120, A.Top + 140);
  C.Brush().SetColor(RGB(120, 200, 255));
  C.Ellipse(A.Left + 100, A.Top, A.Left + 260, A.Top + 160);
  C.Pen().SetWidth(3);
  C.Pen().SetColor(clRed);
  C.MoveTo(A.Left, A.Top + 60);
  C.LineTo(A.Right, A.Top + 60);
  C.RemoveClip();
  C.Pen().SetWidth(1);
  C.Pen().SetStyle(psDash);
  C.Pen().SetColor(clBlack);
  C.Brush().SetStyle(bsClear);
  C.Rectangle(Clip.Left - 1, Clip.Top - 1, Clip.Right + 1, Clip.Bottom + 1);
  C.Pen().SetStyle(psSolid);
  C.Pen().SetColor(clGreen);
  C.MoveTo(A.Left, A.Top + 124);
  C.LineTo(A.Right, A.Top + 124);
  Label(C, A.Left, A.Top + 126, "after RemoveClip: unclipped");
}

void Gradients(TCanvas& C) {
  const TRect A = BeginCell(C, 0, 3, "GradientTriangle");
  auto V = [](int X, int Y, TColor Color) {
    return TTriVertex{X,
                      Y,
                      std::uint16_t(GetRValue(Color) << 8),
                      std::uint16_t(GetGValue(Color) << 8),
                      std::uint16_t(GetBValue(Color) << 8),
                      0};
  };
  const TRect S = Rect(A.Left, A.Top + 4, A.Left + 120, A.Top + 124);
  C.GradientTriangle(V(S.Left, S.Top, clRed), V(S.Right, S.Top, clYellow),
                     V(S.Right, S.Bottom, clBlue));
  C.GradientTriangle(V(S.Left, S.Top, clRed), V(S.Right, S.Bottom, clBlue),
                     V(S.Left, S.Bottom, clLime));
  C.GradientTriangle(V(A.Left + 140, A.Top + 124, clNavy), V(A.Left + 175, A.Top + 4, clAqua),
                     V(A.Left + 210, A.Top + 124, clFuchsia));
}

void BandGradient(TCanvas& C) {
  const TRect A = BeginCell(C, 1, 3, "Band gradient of FillRects");
  const int Bands = 42;
  for (int I = 0; I < Bands; ++I) {
    const int X0 = A.Left + (A.Right - A.Left) * I / Bands;
    const int X1 = A.Left + (A.Right - A.Left) * (I + 1) / Bands;
    C.Brush().SetColor(RGB(0, 40 + 200 * I / Bands, 80 + 170 * I / Bands));
    C.FillRect(Rect(X0, A.Top + 4, X1, A.Top + 60));
  }
  for (int I = 0; I < 16; ++I) {
    const int Y0 = A.Top + 70 + 60 * I / 16, Y1 = A.Top + 70 + 60 * (I + 1) / 16;
    C.Brush().SetColor(RGB(255, 255 * I / 15, 0));
    C.FillRect(Rect(A.Left, Y0, A.Right, Y1));
  }
}

// A small picture drawn through the bitmap's own canvas.
std::unique_ptr<TBitmap> MakeBitmap() {
  auto B = std::make_unique<TBitmap>(24, 24);
  TCanvas& C = B->Canvas();
  for (int Y = 0; Y < 24; Y += 6)
    for (int X = 0; X < 24; X += 6) {
      C.Brush().SetColor(((X + Y) / 6) % 2 ? RGB(255, 220, 120) : RGB(120, 180, 255));
      C.FillRect(Rect(X, Y, X + 6, Y + 6));
    }
  C.Brush().SetColor(clRed);
  C.Ellipse(4, 4, 20, 20);
  return B;
}

void Bitmaps(TCanvas& C) {
  const TRect A = BeginCell(C, 2, 3, "Draw, StretchDraw, Transparent");
  const std::unique_ptr<TBitmap> B = MakeBitmap();
  C.Draw(A.Left, A.Top + 4, B.get());
  Label(C, A.Left, A.Top + 30, "Draw");
  C.StretchDraw(Rect(A.Left + 40, A.Top + 4, A.Left + 112, A.Top + 76), B.get());
  Label(C, A.Left + 40, A.Top + 78, "StretchDraw x3");
  // A sprite whose fuchsia background is left out.
  TBitmap Sprite(24, 24);
  Sprite.Canvas().Brush().SetColor(clFuchsia);
  Sprite.Canvas().FillRect(Rect(0, 0, 24, 24));
  Sprite.Canvas().Brush().SetColor(clGreen);
  Sprite.Canvas().Polygon(std::vector<TPoint>{{12, 1}, {23, 22}, {1, 22}});
  Sprite.SetTransparent(true);
  C.Brush().SetColor(clSilver);
  C.Brush().SetStyle(bsCross);
  C.FillRect(Rect(A.Left + 128, A.Top + 4, A.Left + 208, A.Top + 76));
  C.Brush().SetStyle(bsSolid);
  C.StretchDraw(Rect(A.Left + 132, A.Top + 8, A.Left + 204, A.Top + 72), &Sprite);
  Label(C, A.Left + 128, A.Top + 78, "Transparent");
  Sprite.SetTransparent(false);
  C.Draw(A.Left + 128, A.Top + 100, &Sprite);
  Label(C, A.Left + 156, A.Top + 106, "opaque");
}

void CopyAndFocus(TCanvas& C) {
  const TRect A = BeginCell(C, 3, 3, "CopyRect, DrawFocusRect");
  const std::unique_ptr<TBitmap> B = MakeBitmap();
  C.CopyRect(Rect(A.Left, A.Top + 4, A.Left + 96, A.Top + 100), B->Canvas(), Rect(6, 6, 18, 18));
  Label(C, A.Left, A.Top + 104, "CopyRect (12 x 12 to 96 x 96)");
  C.Brush().SetColor(RGB(200, 220, 240));
  C.FillRect(Rect(A.Left + 110, A.Top + 4, A.Right, A.Top + 100));
  C.DrawFocusRect(Rect(A.Left + 120, A.Top + 14, A.Right - 10, A.Top + 90));
  C.DrawFocusRect(Rect(A.Left + 130, A.Top + 24, A.Right - 20, A.Top + 80));
  C.DrawFocusRect(Rect(A.Left + 130, A.Top + 24, A.Right - 20, A.Top + 80)); // twice: gone
  Label(C, A.Left + 110, A.Top + 118, "focus rectangle");
}

} // namespace

void DrawSamplePage(TCanvas& Canvas) {
  TCanvasStateSaver Saver(Canvas);
  Canvas.Brush().SetColor(RGB(232, 234, 238));
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.FillRect(Rect(0, 0, PageWidth, PageHeight));
  Canvas.Brush().SetStyle(bsClear);
  SmallFont(Canvas, -22, RGB(30, 40, 70));
  Canvas.Font().SetStyle({fsBold});
  Canvas.TextOut(12, 10, "VXChart canvas operations");
  SmallFont(Canvas, -12, RGB(70, 80, 100));
  Canvas.TextOut(14, 40,
                 "Every drawing operation of TCanvas through the Qt backend; antialiasing off "
                 "unless noted.");
  LinesAndPenStyles(Canvas);
  PolylineAndPolygon(Canvas);
  Rectangles(Canvas);
  RoundRectAndEllipse(Canvas);
  Arcs(Canvas);
  BrushStyles(Canvas);
  ClearStylesAndTextBackground(Canvas);
  Antialiasing(Canvas);
  Fonts(Canvas);
  RotatedText(Canvas);
  TextInRectangles(Canvas);
  Clipping(Canvas);
  Gradients(Canvas);
  BandGradient(Canvas);
  Bitmaps(Canvas);
  CopyAndFocus(Canvas);
}

} // namespace sample
