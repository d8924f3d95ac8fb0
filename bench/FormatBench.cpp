// Number formatting as the axes use it: one call per tick label on every paint.

#include "platform/core/Convert.h"
#include "platform/core/Format.h"
#include "platform/core/FormatFloat.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

namespace {

// Typical tick values: whole numbers, decimals, large and small magnitudes, zero.
const std::array<double, 8> Values{0.0, 2.0, 12.5, 1234.5678, -987654.321, 0.000123, 3.0e9, -42.0};

void BM_FormatFloatAxisPattern(benchmark::State& State) {
  std::size_t I = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(vx::FormatFloat("#,##0.###", Values[I++ % Values.size()]));
  }
}
BENCHMARK(BM_FormatFloatAxisPattern);

void BM_FormatTwoDecimals(benchmark::State& State) {
  std::size_t I = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(vx::Format("%.2f", Values[I++ % Values.size()]));
  }
}
BENCHMARK(BM_FormatTwoDecimals);

void BM_FloatToStr(benchmark::State& State) {
  std::size_t I = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(vx::FloatToStr(Values[I++ % Values.size()]));
  }
}
BENCHMARK(BM_FloatToStr);

// Reference point: the C library's fixed format into a std::string.
void BM_SnprintfTwoDecimals(benchmark::State& State) {
  std::size_t I = 0;
  for (auto _ : State) {
    char Buf[64];
    const int N = std::snprintf(Buf, sizeof Buf, "%.2f", Values[I++ % Values.size()]);
    benchmark::DoNotOptimize(std::string(Buf, N));
  }
}
BENCHMARK(BM_SnprintfTwoDecimals);

} // namespace
