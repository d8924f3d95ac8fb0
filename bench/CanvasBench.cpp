// DrawText layout cost on the null canvas (fixed metrics): word wrap and ellipsis of long
// texts, which a paint must never get stuck in.

#include "platform/core/Canvas.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Words(int Count) {
  std::string S;
  for (int I = 0; I < Count; ++I)
    S += (I % 3 == 0 ? "chart " : I % 3 == 1 ? "values " : "axis ");
  return S;
}

void BM_DrawTextWordBreak(benchmark::State& State) {
  vx::TCanvas Canvas;
  const std::string Text = Words(static_cast<int>(State.range(0)));
  const int Width = static_cast<int>(State.range(1));
  for (auto _ : State) {
    vx::TRect R = vx::Rect(0, 0, Width, 400);
    benchmark::DoNotOptimize(Canvas.DrawText(Text, R, vx::DT_WORDBREAK | vx::DT_END_ELLIPSIS));
  }
  State.SetItemsProcessed(State.iterations() * State.range(0));
}
BENCHMARK(BM_DrawTextWordBreak)->Args({20, 300})->Args({10000, 300})->Args({10000, 1000000});

void BM_DrawTextEllipsis(benchmark::State& State) {
  vx::TCanvas Canvas;
  const std::string Text(static_cast<std::size_t>(State.range(0)), 'x');
  for (auto _ : State) {
    vx::TRect R = vx::Rect(0, 0, 300, 20);
    benchmark::DoNotOptimize(Canvas.DrawText(Text, R, vx::DT_SINGLELINE | vx::DT_END_ELLIPSIS));
  }
}
BENCHMARK(BM_DrawTextEllipsis)->Arg(100)->Arg(100000);

} // namespace
