#pragma once
// Set-up of the Qt backend: TBitmap canvases on QPainter, the BMP and PNG codecs of
// TPicture, and conversions between QImage and TBitmap.

#include "platform/core/Graphic.h"

#include <QImage>

#include <memory>

namespace vx::qt {

/// Makes every TBitmap canvas a TQtCanvas, registers the "bmp" and "png" codecs (read:
/// any variant QImage reads, 8-bit palettes included, as 32-bit pixels; write: 32-bit PNG,
/// 24-bit BMP or 32-bit BMP when a pixel is not opaque) and maps the screen cursor to Qt's
/// override cursor. Safe to call more than once.
void RegisterQtBackend();

/// A copy of the bitmap's pixels as a QImage (Format_ARGB32); an empty bitmap gives a
/// null image.
QImage ToQImage(const TBitmap& Bitmap);
/// Copies Image (any format, converted to 32-bit ARGB) into Bitmap, resizing it.
void AssignQImage(TBitmap& Bitmap, const QImage& Image);
/// A new bitmap holding a copy of Image.
std::unique_ptr<TBitmap> ToBitmap(const QImage& Image);

} // namespace vx::qt
