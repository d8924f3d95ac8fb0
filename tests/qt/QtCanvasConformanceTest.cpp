// The canvas conformance suite on the Qt canvas, over a QImage and over a TBitmap.

#include "platform/qt/QtCanvas.h"

#include "tests/support/CanvasConformance.h"

namespace vx::conformance {
namespace {

using qt::TQtCanvas;

// The device is a base so that it is built before the canvas and outlives it.
struct TImageHolder {
  QImage Image{220, 220, QImage::Format_ARGB32_Premultiplied};
};
class TImageQtCanvas : private TImageHolder, public TQtCanvas {
public:
  TImageQtCanvas() : TQtCanvas(&Image) {}
};

struct TBitmapHolder {
  TBitmap Pixels{220, 220};
};
class TBitmapQtCanvas : private TBitmapHolder, public TQtCanvas {
public:
  TBitmapQtCanvas() : TQtCanvas(Pixels) {}
};

struct QtImageBackend {
  static std::unique_ptr<TCanvas> Create() { return std::make_unique<TImageQtCanvas>(); }
};
struct QtBitmapBackend {
  static std::unique_ptr<TCanvas> Create() { return std::make_unique<TBitmapQtCanvas>(); }
};

using QtBackends = ::testing::Types<QtImageBackend, QtBitmapBackend>;
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, CanvasConformance, QtBackends);

} // namespace
} // namespace vx::conformance
