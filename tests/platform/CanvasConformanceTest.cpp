#include "support/CanvasConformance.h"
#include "platform/core/RecordingCanvas.h"

namespace vx::conformance {
namespace {

struct NullBackend {
  static std::unique_ptr<TCanvas> Create() { return std::make_unique<TCanvas>(); }
};

struct RecordingBackend {
  static std::unique_ptr<TCanvas> Create() { return std::make_unique<TRecordingCanvas>(); }
};

using CoreBackends = ::testing::Types<NullBackend, RecordingBackend>;
INSTANTIATE_TYPED_TEST_SUITE_P(Core, CanvasConformance, CoreBackends);

} // namespace
} // namespace vx::conformance
