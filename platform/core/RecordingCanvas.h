#pragma once
// A canvas that records every drawing operation with its arguments and the pen, brush and
// font in force, instead of drawing. It measures text with the fixed metrics of
// FixedTextExtent, so what it records is the same on every machine. Tests of drawing code
// query it (Texts(), Polylines(), BoundsOf(...)) and print Dump() when they fail.

#include "platform/core/Canvas.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vx {

/// The recorded operations, one per backend operation of TCanvas.
enum TCanvasOp : std::uint8_t {
  copLine,
  copPolyline,
  copPolygon,
  copRectangle,
  copFillRect,
  copRoundRect,
  copEllipse,
  copArc,
  copChord,
  copPie,
  copTextOut,
  copDraw,
  copStretchDraw,
  copCopyRect,
  copSetClip,
  copRemoveClip,
  copGradientTriangle,
  copFocusRect,
  copAntialiasing
};

/// "Line", "Polyline", ... (the operation's name without prefix).
const char* CanvasOpName(TCanvasOp Op);

struct TPenState {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  friend bool operator==(const TPenState&, const TPenState&) = default;
};

struct TBrushState {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrushState&, const TBrushState&) = default;
};

struct TFontState {
  std::string Name;
  int Height = 0;
  TFontStyles Style;
  TColor Color = clBlack;
  int Orientation = 0;
  friend bool operator==(const TFontState&, const TFontState&) = default;
};

/// One recorded operation. Which fields are meaningful depends on Op (see each field).
struct TCanvasCommand {
  TCanvasOp Op = copLine;
  /// Line: from and to. Polyline, Polygon: the points. Arc, Chord, Pie: the start and end
  /// radial points. TextOut, Draw: the position. GradientTriangle: the three corners.
  std::vector<TPoint> Points;
  /// Rectangle, FillRect, RoundRect, Ellipse, Arc, Chord, Pie: the (sorted) box. TextOut:
  /// the unturned text cell (position and measured extent). Draw: the graphic's box at its
  /// position. StretchDraw, CopyRect: the destination. SetClip, FocusRect: the rectangle.
  TRect Rect;
  /// RoundRect: width and height of the corner ellipse.
  TSize Corner;
  /// TextOut: the text (UTF-8).
  std::string Text;
  /// TextOut: the rectangle the text is clipped to (TextRect, DrawText), if any.
  std::optional<TRect> TextClip;
  /// CopyRect: the source rectangle.
  TRect SourceRect;
  /// Draw, StretchDraw, CopyRect: the class name and size of the graphic drawn.
  std::string GraphicClass;
  TSize GraphicSize;
  /// GradientTriangle: the three corners with their colours.
  std::array<TTriVertex, 3> Vertices{};
  /// Antialiasing: the new setting.
  bool Antialiasing = false;
  /// The canvas clip in force while the operation ran (after it, for SetClip).
  std::optional<TRect> Clip;
  TPenState Pen;
  TBrushState Brush;
  TFontState Font;

  /// One readable line with the arguments and the state that matters for the operation.
  std::string ToString() const;
};

class TRecordingCanvas : public TCanvas {
  VX_CLASS_NAME(TRecordingCanvas)
public:
  /// A recording canvas whose surface is (0, 0, 1000, 1000).
  TRecordingCanvas();
  explicit TRecordingCanvas(const TRect& Bounds);

  TRect Bounds() const override { return FBounds; }
  /// Changes the reported surface (ClipRect follows); records nothing.
  void SetBounds(const TRect& Value) { FBounds = Value; }

  /// Every recorded operation, oldest first.
  const std::vector<TCanvasCommand>& Commands() const { return FCommands; }
  /// The recorded operations of one kind, oldest first (pointers into Commands()).
  std::vector<const TCanvasCommand*> CommandsOf(TCanvasOp Op) const;
  /// The texts of all TextOut operations, in order (DrawText and TextRect record TextOut).
  std::vector<std::string> Texts() const;
  /// The points of all Polyline operations, in order (lines from LineTo are copLine).
  std::vector<std::vector<TPoint>> Polylines() const;
  std::size_t Count(TCanvasOp Op) const;
  /// The box spanned by the coordinates of all operations of one kind (their Rect, or
  /// their Points where they have no Rect); (0, 0, 0, 0) when there is none. Coordinates,
  /// not covered pixels: a line from (0, 0) to (10, 0) gives (0, 0, 10, 0).
  TRect BoundsOf(TCanvasOp Op) const;
  /// Forgets every recorded operation (the pen, brush, font and clip stay).
  void Clear() { FCommands.clear(); }
  /// All recorded operations, one numbered line each, for failure messages.
  std::string Dump() const;

protected:
  void DoLine(TPoint From, TPoint To) override;
  void DoPolyline(std::span<const TPoint> Points) override;
  void DoPolygon(std::span<const TPoint> Points) override;
  void DoRectangle(const TRect& R) override;
  void DoFillRect(const TRect& R) override;
  void DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) override;
  void DoEllipse(const TRect& R) override;
  void DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) override;
  void DoTextOut(int X, int Y, const std::string& Text, const TRect* Clip) override;
  TSize DoTextExtent(const std::string& Text) const override;
  void DoDraw(int X, int Y, const TGraphic& Graphic) override;
  void DoStretchDraw(const TRect& R, const TGraphic& Graphic) override;
  void DoCopyRect(const TRect& Dest, const TBitmap& Source, const TRect& SourceRect) override;
  void DoSetClip(const TRect* Clip) override;
  void DoGradientTriangle(const TTriVertex& A, const TTriVertex& B, const TTriVertex& C) override;
  void DoDrawFocusRect(const TRect& R) override;
  void DoSetAntialiasing(bool Value) override;

private:
  /// A new command of kind Op with the current pen, brush, font and clip.
  TCanvasCommand& Add(TCanvasOp Op);

  TRect FBounds{0, 0, 1000, 1000};
  std::vector<TCanvasCommand> FCommands;
};

} // namespace vx
