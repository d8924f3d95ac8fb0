#pragma once
// Helpers of the Qt backend tests: an image with a canvas on it, and the set of pixels
// that differ from the background, compared as sets so that a failure prints a picture.

#include "platform/qt/QtCanvas.h"

#include <QImage>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace vx::qt::test {

using TPixelSet = std::set<std::pair<int, int>>; // (x, y)

constexpr QRgb White = 0xFFFFFFFF;

/// A white ARGB32 image of W x H pixels and a canvas on it.
struct TImageCanvas {
  QImage Image;
  std::unique_ptr<TQtCanvas> Canvas;
  TImageCanvas(int W, int H) : Image(W, H, QImage::Format_ARGB32) {
    Image.fill(White);
    Canvas = std::make_unique<TQtCanvas>(&Image);
  }
  /// Ends painting (so the image is complete) and returns it.
  const QImage& Done() {
    Canvas->End();
    return Image;
  }
};

/// Pixels that are not Background.
TPixelSet PixelsNot(const QImage& Image, QRgb Background = White);
/// Pixels that equal Colour exactly.
TPixelSet PixelsOf(const QImage& Image, QRgb Colour);
/// All pixels x in [X0, X1), y in [Y0, Y1).
TPixelSet Area(int X0, int Y0, int X1, int Y1);
/// The one-pixel outline of [X0, X1) x [Y0, Y1).
TPixelSet Outline(int X0, int Y0, int X1, int Y1);
/// The pixels of A not in B.
TPixelSet Minus(const TPixelSet& A, const TPixelSet& B);
/// A picture of the image ('.' background, '#' other, 'o' expected but missing, 'x'
/// unexpected) for failure messages.
std::string Picture(const QImage& Image, const TPixelSet& Expected, QRgb Background = White);

/// 0xFFRRGGBB of a TColor.
QRgb ToRgb(TColor C);

} // namespace vx::qt::test
