#pragma once
// TQtCanvas: the canvas on a QPainter over any paint device (a QImage, a widget during its
// paint event, a QSvgGenerator, a QPdfWriter, or a TBitmap's own pixels). It keeps the
// toolkit's integer conventions exactly on pixels while antialiasing is off (the default)
// and clips all geometry before it reaches QPainter, so any int coordinates are safe.

#include "platform/core/Canvas.h"
#include "platform/core/Graphic.h"
#include "platform/qt/QtGeometry.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>

namespace vx::qt {

class TQtCanvas : public TCanvas {
  VX_CLASS_NAME(TQtCanvas)
public:
  /// The widest pen drawn; wider pens are drawn this wide.
  static constexpr int MaxPenWidth = 1000;
  /// Devices are used up to this many pixels in each direction.
  static constexpr int MaxDeviceExtent = 30000;

  /// Paints on Device, which must outlive the canvas (or SetDevice). A device that cannot
  /// be painted on (a null image) gives a canvas that draws nothing.
  explicit TQtCanvas(QPaintDevice* Device);
  /// Paints on the pixels of Bitmap (wrapped, not copied); Bitmap() returns it.
  explicit TQtCanvas(TBitmap& Bitmap);
  ~TQtCanvas() override;

  /// Ends painting on the current device and begins on Device (nullptr: none). Pen, brush,
  /// font, clip and antialiasing carry over.
  void SetDevice(QPaintDevice* Device);
  /// Ends painting now (flushes SVG and PDF output); the canvas then draws nothing.
  void End();
  /// Whether the painter is active.
  bool IsActive() const { return FPainter.isActive(); }
  /// The painter, for drawing that the canvas does not offer.
  QPainter& Painter() { return FPainter; }

  TRect Bounds() const override;
  const TBitmap* Bitmap() const override { return FBitmap; }
  /// False for the platform's bitmap faces (see TCanvas), otherwise whether Qt scales the
  /// face that draws the name (true for every installed TrueType or OpenType face).
  bool IsTrueTypeFont(const TFont& F) const override;

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
  enum class TShape : std::uint8_t { Ellipse, RoundRect, Arc, Chord, Pie };
  struct TShapeArgs {
    TShape Shape = TShape::Ellipse;
    double CornerWidth = 0;
    double CornerHeight = 0;
    TPoint Start;
    TPoint End;
  };

  void Begin(QPaintDevice* Device);
  // Sets the painter's pen from the canvas pen; false when no outline is drawn.
  bool ApplyPen();
  // Sets the painter's brush from the canvas brush; false when nothing is filled.
  bool ApplyBrush();
  // The pen width in force (1..MaxPenWidth), 0 without an outline.
  int PenWidth() const;
  // Device bounds grown by the widest pen: geometry outside cannot show.
  detail::TDRect SafeWindow() const;
  // Offset of lines and outlines from the canvas's pixel-centre coordinates to Qt's.
  static constexpr double LineOffset() { return 0.5; }
  // The same for the curves of arcs, chords and pies drawn as Qt paths: a one-pixel
  // aliased outline a 1/64 pixel less, where Qt's outline of a curve comes out most
  // nearly symmetric.
  double CurveOffset() const { return Antialiasing() || PenWidth() > 1 ? 0.5 : 0.5 - 1.0 / 64; }
  // Whether outlines are drawn line by line with ExactLine (a solid one-pixel pen without
  // antialiasing); other pens keep Qt's paths, whose dashes run on around corners.
  bool ExactOutline() const {
    return PenWidth() == 1 && (Pen().Style() == psSolid || Pen().Style() == psInsideFrame) &&
           !Antialiasing();
  }
  // The one-pixel line from (X0, Y0) that sets its start pixel and not its end pixel.
  QLineF ExactLine(double X0, double Y0, double X1, double Y1) const;

  // Fills the pixels of R that lie on the device.
  void FillArea(const detail::TRect64& R, const QBrush& Brush);
  void DrawPolyPoints(std::vector<QPointF>& Points, bool Closed, bool Outline, bool Fill);
  void DrawShape(const TRect& R, const TShapeArgs& Args);
  // The shape as a Qt path in Box moved by S; Corner: how much smaller the corner ellipse
  // of a rounded rectangle is than its pixel size.
  void DrawShapePath(const detail::TDRect& Box, const TShapeArgs& Args, double S, double Corner);
  // An ellipse (corner size = box size) or a rounded rectangle, row by row.
  void DrawRoundSpans(const TRect& R, std::int64_t CornerWidth, std::int64_t CornerHeight,
                      bool Outline, bool Fill);
  // Fills the pixels X0 .. X1 of row Y (on the device).
  void FillSpan(std::int64_t Y, std::int64_t X0, std::int64_t X1, const QBrush& Brush);
  void FlattenShape(const detail::TDRect& Box, const TShapeArgs& Args, std::vector<QPointF>& Out);
  void DrawImagePart(const detail::TRect64& Target, const QImage& Image, const QRectF& Source,
                     QPainter::CompositionMode Mode);
  // Draws a transparent bitmap stretched onto Target by sampling only the visible pixels;
  // false when that fast path does not apply (smooth scaling, vector device, huge area).
  bool DrawKeyedPart(const detail::TRect64& Target, const TBitmap& B);
  const QFont& CurrentFont() const;
  bool RasterDevice() const;

  QPainter FPainter;
  QPaintDevice* FDevice = nullptr;
  TBitmap* FBitmap = nullptr;
  std::unique_ptr<QImage> FBitmapImage; // wraps FBitmap's pixels
  // The QFont of the canvas font, rebuilt only when the font changes.
  mutable std::optional<QFont> FQFont;
  mutable std::string FQFontKey;
};

} // namespace vx::qt
