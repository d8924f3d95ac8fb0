#pragma once
// The drawing surface. TCanvas owns its pen, brush and font, keeps the pen position and
// turns the toolkit's drawing calls into a few protected backend operations (the Do...
// functions). The base class is the null canvas: it measures text with fixed metrics and
// draws nothing. Backends (Qt, recording) override the Do... functions.
//
// Integer conventions: Rectangle(L, T, R, B) covers the pixels x in [L, R-1],
// y in [T, B-1]; FillRect, Ellipse, RoundRect, Arc, Chord and Pie fit the same box; arcs run
// counter-clockwise from the first radial point to the second; LineTo does not set its end
// pixel. Rectangle, RoundRect, Ellipse, Arc, Chord and Pie accept their corners in any
// order (they are sorted first) and draw nothing when the box has no width or no height;
// FillRect, FrameRect, TextRect, StretchDraw, CopyRect and DrawFocusRect take the rectangle
// as given and draw nothing when it is empty or inverted. The public operations check
// their arguments and never overflow; the Do... operations see only such checked input.

#include "platform/core/GraphicsObjects.h"
#include "platform/core/Types.h"

#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vx {

class TGraphic;
class TBitmap;

// Format flags of DrawText.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

/// A corner of a gradient triangle: position and 16-bit colour channels (8-bit value * 256).
struct TTriVertex {
  int X = 0;
  int Y = 0;
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
};

enum TArcKind : std::uint8_t { akArc, akChord, akPie };

/// Code points in UTF-8 text (every byte that is not a continuation byte counts).
std::size_t CodePointCount(const std::string& Text);

/// The fixed text metrics of the null and the recording canvas, so that layout can be
/// tested without fonts: with em = |Font.Height| (0 counts as the default 11 pixels),
/// every code point is max(1, round(0.6 em)) pixels wide and a line is
/// max(1, round(1.2 em)) pixels high (halves rounded up). The default font (Height -11)
/// gives 7 x 13 per character. Empty text is 0 wide and one line high. Style, face and
/// orientation do not change the extent.
TSize FixedTextExtent(const TFont& Font, const std::string& Text);

class TCanvas : public TPersistent {
  VX_CLASS_NAME(TCanvas)
public:
  static constexpr int UnboundedExtent = 0x3FFFFFFF;

  TCanvas();
  ~TCanvas() override;

  TPen& Pen() { return *FPen; }
  TBrush& Brush() { return *FBrush; }
  TFont& Font() { return *FFont; }
  const TPen& Pen() const { return *FPen; }
  const TBrush& Brush() const { return *FBrush; }
  const TFont& Font() const { return *FFont; }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { FPenPos = Value; }

  void MoveTo(int X, int Y);
  /// Draws from the pen position to (X, Y) without its end pixel; moves the pen there.
  void LineTo(int X, int Y);
  /// Open line through the points; fewer than two points draw nothing.
  void Polyline(std::span<const TPoint> Points);
  /// Closed, filled with the brush and outlined with the pen; fewer than two points draw nothing.
  void Polygon(std::span<const TPoint> Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  /// X3, Y3: width and height of the ellipse that rounds the corners.
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  /// Arcs of the ellipse in (X1, Y1, X2, Y2), counter-clockwise from the ray towards
  /// (X3, Y3) to the ray towards (X4, Y4).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  /// Fills with the brush only; an empty or inverted rectangle fills nothing.
  void FillRect(const TRect& R);
  /// Outlines with the brush colour (1 pixel), as the toolkit does.
  void FrameRect(const TRect& R);

  /// The top-left of the text cell at (X, Y); the font orientation turns the text
  /// counter-clockwise around that point. A brush other than bsClear paints the text
  /// background. Moves the pen position to (X + TextWidth(Text), Y).
  void TextOut(int X, int Y, const std::string& Text);
  /// TextOut clipped to R; a brush other than bsClear first fills R (even for empty text).
  void TextRect(const TRect& R, int X, int Y, const std::string& Text);
  TSize TextExtent(const std::string& Text) const;
  int TextWidth(const std::string& Text) const { return TextExtent(Text).cx; }
  int TextHeight(const std::string& Text) const { return TextExtent(Text).cy; }
  /// Draws Text into R with the DT_... flags and returns the height of the text (lines
  /// times line height). Built on DoTextExtent and DoTextOut only (DrawText.cpp), so every
  /// backend lays text out alike: explicit line breaks (CR, LF, CR LF) unless
  /// DT_SINGLELINE; DT_WORDBREAK breaks at blanks (a word wider than R stays whole);
  /// DT_CENTER/DT_RIGHT per line; DT_VCENTER/DT_BOTTOM only with DT_SINGLELINE;
  /// DT_END_ELLIPSIS cuts a line that is too wide and ends it in "..."; the text is
  /// clipped to R unless DT_NOCLIP. With DT_CALCRECT nothing is drawn, R.Right becomes
  /// R.Left + the widest line and R.Bottom R.Top + the height. '&' is drawn as it is
  /// (no prefix processing) and tabs are not expanded.
  int DrawText(const std::string& Text, TRect& R, unsigned Format);

  /// Draws the graphic at its natural size with its top-left at (X, Y); nullptr or an
  /// empty graphic draws nothing.
  void Draw(int X, int Y, const TGraphic* Graphic);
  void StretchDraw(const TRect& R, const TGraphic* Graphic);
  /// Copies SourceRect of Source (a canvas that draws on a bitmap) stretched onto Dest.
  void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect);

  /// The clip rectangle in force: the clip set by SetClipRect intersected with Bounds()
  /// ((0, 0, 0, 0) when they do not overlap), or Bounds() without a clip.
  TRect ClipRect() const;
  /// Restricts drawing to R (replacing any earlier clip); an empty R lets nothing through.
  void SetClipRect(const TRect& R);
  /// Removes the clip: the whole surface can be drawn again.
  void RemoveClip();
  bool HasClip() const { return FClip.has_value(); }

  /// Shades a triangle by linear interpolation of the three corner colours.
  void GradientTriangle(const TTriVertex& A, const TTriVertex& B, const TTriVertex& C);
  /// Inverts a dotted frame; drawing the same rectangle twice removes it.
  void DrawFocusRect(const TRect& R);

  /// Whether the font would be drawn with a scalable (TrueType-like) face that can be
  /// turned. The base answers false for the platform's bitmap faces ("MS Sans Serif",
  /// "MS Serif", "System", "Terminal", "Fixedsys", "Courier", "Small Fonts", any case)
  /// and true for every other name.
  virtual bool IsTrueTypeFont(const TFont& F) const;
  /// The bounds of the surface (0, 0, width, height); the null canvas is unbounded:
  /// +-UnboundedExtent in each direction (its width still fits an int).
  virtual TRect Bounds() const;
  /// The bitmap this canvas draws on, if any (CopyRect reads from it).
  virtual const TBitmap* Bitmap() const { return nullptr; }

  bool Antialiasing() const { return FAntialiasing; }
  void SetAntialiasing(bool Value);

protected:
  // Backend operations in device pixels, using the canvas's current pen, brush and font.
  // Arguments are already checked (non-degenerate where the operation needs it).
  virtual void DoLine(TPoint From, TPoint To);
  virtual void DoPolyline(std::span<const TPoint> Points);
  virtual void DoPolygon(std::span<const TPoint> Points);
  virtual void DoRectangle(const TRect& R);
  virtual void DoFillRect(const TRect& R);
  virtual void DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight);
  virtual void DoEllipse(const TRect& R);
  virtual void DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End);
  /// Text at (X, Y) with the font's orientation; Clip restricts it (TextRect) when set.
  virtual void DoTextOut(int X, int Y, const std::string& Text, const TRect* Clip);
  /// The unturned extent of Text in the current font; empty text: width 0, one line high.
  virtual TSize DoTextExtent(const std::string& Text) const;
  virtual void DoDraw(int X, int Y, const TGraphic& Graphic);
  virtual void DoStretchDraw(const TRect& R, const TGraphic& Graphic);
  virtual void DoCopyRect(const TRect& Dest, const TBitmap& Source, const TRect& SourceRect);
  /// nullptr removes the clip.
  virtual void DoSetClip(const TRect* Clip);
  virtual void DoGradientTriangle(const TTriVertex& A, const TTriVertex& B, const TTriVertex& C);
  virtual void DoDrawFocusRect(const TRect& R);
  virtual void DoSetAntialiasing(bool Value);

private:
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  TPoint FPenPos;
  std::optional<TRect> FClip;
  bool FAntialiasing = false;
};

/// Saves pen, brush and font of a canvas and restores them when it leaves scope.
class TCanvasStateSaver {
public:
  explicit TCanvasStateSaver(TCanvas& Canvas);
  ~TCanvasStateSaver();
  TCanvasStateSaver(const TCanvasStateSaver&) = delete;
  TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

private:
  TCanvas& FCanvas;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
};

} // namespace vx
