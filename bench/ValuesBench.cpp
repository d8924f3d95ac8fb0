// Value collections under live-plotting loads: appending a million two-dimensional values
// (unsorted and sorted with ascending keys), a rolling window, the statistics recompute,
// and the memory a value costs with everything included.
//
// Memory is read from the allocator itself (glibc's mallinfo2: bytes in use, which
// include each block's header and rounding), so the figure holds the value, its numbers,
// the collection's slot for it and the allocator's overhead.

#include "chart/ChartValues.h"

#include <benchmark/benchmark.h>

#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vx {
namespace {

// The chart side of a collection: takes every notification and does nothing with it.
class TQuietChart : public TPersistent, public IVXValuesOwner {
public:
  void ValueChanged(TVXChartValue*) override {}
  void ValueSelectionChanged(TVXChartValue*) override {}
  void ValueVisibleChanged(TVXChartValue*) override {}
  TVXGroupStyle GroupStyle() const override { return gsNone; }
  TChartOptions Options() const override { return {coColorEachPoint}; }
};

// Two numbers per value (X, Y), as the line, area and point charts keep them.
class TPairs : public TVXChartValues {
public:
  explicit TPairs(TPersistent* Owner, bool Hooks = false) : TVXChartValues(Owner) {
    SetDimensionCount(2);
    if (Hooks) CustomStatistics();
  }
  using TVXChartValues::MarkStatisticsDirty;
};

double Y(int I) {
  return (I * 7919 % 1000) * 0.5;
}

void Fill(TPairs& Values, int Count) {
  for (int I = 0; I < Count; ++I)
    Values.AddValues({double(I), Y(I)});
}

// Appending Count values to an empty collection; the collection is torn down untimed.
void BM_Append(benchmark::State& State, bool Sorted) {
  const int Count = static_cast<int>(State.range(0));
  TQuietChart Chart;
  for (auto _ : State) {
    auto Values = std::make_unique<TPairs>(&Chart);
    Values->SetSorted(Sorted);
    Fill(*Values, Count);
    benchmark::DoNotOptimize(Values->Count());
    State.PauseTiming();
    Values.reset();
    State.ResumeTiming();
  }
  State.SetItemsProcessed(State.iterations() * Count);
  State.counters["ns_per_value"] = benchmark::Counter(
      double(State.iterations()) * Count * 1e-9,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_Append, unsorted, false)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MinWarmUpTime(0.5);
BENCHMARK_CAPTURE(BM_Append, sorted_ascending, true)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MinWarmUpTime(0.5);

// A full window of Limit values: every append drops the value at index 0. The time per
// append must not grow with the window.
void BM_RollingWindow(benchmark::State& State) {
  const int Limit = static_cast<int>(State.range(0));
  TQuietChart Chart;
  TPairs Values(&Chart);
  Values.SetLimit(Limit);
  Fill(Values, Limit);
  int I = Limit;
  for (auto _ : State) {
    Values.AddValues({double(I), Y(I)});
    ++I;
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_RollingWindow)->Arg(1000)->Arg(100000)->Arg(1000000);

// Recomputing the statistics of a million 2-D values; reported per value and dimension.
void BM_Statistics(benchmark::State& State, bool Hooks) {
  const int Count = static_cast<int>(State.range(0));
  TQuietChart Chart;
  TPairs Values(&Chart, Hooks);
  Fill(Values, Count);
  for (auto _ : State) {
    Values.MarkStatisticsDirty();
    benchmark::DoNotOptimize(Values.HighValue(0));
  }
  State.counters["ns_per_value_and_dimension"] = benchmark::Counter(
      double(State.iterations()) * Count * 2 * 1e-9,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_Statistics, plain, false)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Statistics, through_hooks, true)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

#if defined(__GLIBC__)
std::size_t BytesInUse() {
  const struct mallinfo2 M = mallinfo2();
  return M.uordblks + M.hblkhd; // heap blocks in use plus mmapped blocks
}

// Bytes per 2-D value without caption, everything included, after Count appends (and,
// with a window, in a full rolling window that has turned over once).
void BM_BytesPerValue(benchmark::State& State, bool Window) {
  const int Count = static_cast<int>(State.range(0));
  TQuietChart Chart;
  double Bytes = 0;
  for (auto _ : State) {
    const std::size_t Before = BytesInUse();
    auto Values = std::make_unique<TPairs>(&Chart);
    if (Window) Values->SetLimit(Count);
    Fill(*Values, Window ? 2 * Count : Count);
    Bytes = double(BytesInUse() - Before) / Count;
    State.PauseTiming();
    Values.reset();
    State.ResumeTiming();
  }
  State.counters["bytes_per_value"] = Bytes;
}
BENCHMARK_CAPTURE(BM_BytesPerValue, append, false)
    ->Arg(1000000)
    ->Arg(600000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_BytesPerValue, rolling_window, true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
#endif

} // namespace
} // namespace vx
