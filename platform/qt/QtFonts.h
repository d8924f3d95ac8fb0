#pragma once
// Fonts of the Qt backend: which installed face draws a font name, and the QFont of a
// TFont. Needs a QGuiApplication (Qt's font database lives there).

#include "platform/core/GraphicsObjects.h"

#include <QFont>
#include <QString>

#include <string>

namespace vx::qt {

/// The face every unknown or generic name falls back to.
inline constexpr const char* DefaultFontFace = "DejaVu Sans";

/// The installed family that draws the face Name: "MS Sans Serif", "Default" and an empty
/// name give the default face, "Arial" gives "Liberation Sans", "Times New Roman"
/// "Liberation Serif", "Courier New" and "Courier" "Liberation Mono"; another name is used
/// as it is when Qt knows the family, else the default face. Names compare without
/// regard to case.
QString ResolveFontFace(const std::string& Name);

/// The QFont of F: the resolved face; the pixel size from Height (a negative height is the
/// character height, a positive one the cell height including the internal leading, 0 the
/// default 11 pixels; sizes are limited to 1..4096 pixels); bold, italic, underline and
/// strike-out; fixed pitch; no kerning, so that the width of a text is the sum of the
/// widths of its parts.
QFont ToQFont(const TFont& F);

/// Whether the face that draws Name can be scaled and turned.
bool IsScalableFace(const std::string& Name);

/// Throws EInvalidOperation when no QGuiApplication exists (fonts cannot be used then).
void RequireGuiApplication(const char* What);

} // namespace vx::qt
