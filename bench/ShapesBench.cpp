// Cost of the shape routines themselves (the null canvas draws nothing): a point chart
// draws one shape per value and per shadow.

#include "graphics/Shapes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DrawShape(benchmark::State& State) {
  const auto Style = static_cast<vx::TVXShapeStyle>(State.range(0));
  vx::TCanvas Canvas;
  vx::TRect Face;
  for (auto _ : State) {
    vx::DrawShape(Canvas, vx::Rect(10, 20, 50, 44), nullptr, Style, true, vx::clBtnHighlight,
                  vx::clBtnShadow, 3, Face);
    benchmark::DoNotOptimize(Face);
  }
  State.SetLabel(vx::ShapeStyleName(Style));
}
BENCHMARK(BM_DrawShape)->DenseRange(0, vx::ShapeStyleCount - 1);

} // namespace
