#pragma once
// Text routines shared by the decorations and the charts: turning a font, measuring the
// box of a turned text, drawing aligned (also word-wrapped) text, and the word wrap used
// to measure such text.

#include "platform/core/Canvas.h"
#include "platform/core/GraphicsObjects.h"
#include "platform/core/Types.h"

#include <string>

namespace vx {

/// The line break that WrapText inserts: carriage return + line feed.
inline constexpr const char* WrapLineBreak = "\r\n";

/// Turns Font by Angle degrees (counter-clockwise): Orientation becomes Round(10 x Angle)
/// tenths of a degree (taken modulo a full turn; a NaN or infinite angle counts as 0). The
/// face "Default" (any case) becomes the toolkit's default face; a face that Measure says
/// cannot be turned (TCanvas::IsTrueTypeFont false) becomes "Arial". Measure nullptr uses
/// the platform's rule of the base canvas. Height, style, colour, charset and pitch are
/// kept. Fires the font's OnChange once when anything changed.
void SetFontAngle(TFont& Font, float Angle, const TCanvas* Measure = nullptr);

/// Size: the box that Text needs when drawn with the canvas font turned by Angle whole
/// degrees; Offset: the point inside that box where TextOut must start the text. With
/// Angle 0 the plain text extent and (0, 0).
void GetRotatedTextExtent(const TCanvas& Canvas, int Angle, const std::string& Text, TSize& Size,
                          TPoint& Offset);

/// Draws Text into Rect with the DT_... flags Format, with a transparent background (the
/// brush style is restored afterwards, also when an exception passes). DT_VCENTER or
/// DT_BOTTOM with DT_WORDBREAK place the wrapped block, measured with the canvas's own
/// wrap, in Rect; without DT_WORDBREAK they make the text a single line.
void DrawAlignedText(TCanvas& Canvas, const std::string& Text, unsigned Format, TRect Rect);

/// The height of a text block: TextHeight(Text) x (1 + the line feeds in Text), clamped to
/// the int range.
int GetTextBlockHeight(const TCanvas& Canvas, const std::string& Text);

/// Text with CR LF inserted so that each line fits MaxWidth pixels where the words allow,
/// breaking after tab, blank and hyphen; a quoted section ("..." or '...') is not broken.
/// A token wider than MaxWidth stays whole on its own line; MaxWidth <= 0 puts every token
/// on its own line. Linear in the length of Text.
std::string WrapText(const TCanvas& Canvas, const std::string& Text, int MaxWidth);

} // namespace vx
