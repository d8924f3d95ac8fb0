// Put and Get on the integer hash table: 1,000,000 operations per run, starting from the
// graph chart's settings (capacity 101, load factor 0.75), so the puts include every growth.

#include "foundation/HashTable.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr std::int32_t Operations = 1000000;

// Sequential keys 1..N, or pseudo-random non-zero keys over the whole 32-bit range (a few
// hundred repeat, which then replace a value).
std::vector<std::int32_t> MakeKeys(bool Random) {
  std::vector<std::int32_t> Keys(Operations);
  std::mt19937 Gen(42);
  for (std::int32_t I = 0; I < Operations; ++I)
    Keys[I] = Random ? static_cast<std::int32_t>(Gen() | 1u) : I + 1;
  return Keys;
}

void BM_Put(benchmark::State& State) {
  const auto Keys = MakeKeys(State.range(1) != 0);
  for (auto _ : State) {
    vx::TGHashIntTable Table(101, 0.75f);
    Table.SetHashType(static_cast<vx::TGHashType>(State.range(0)));
    for (std::int32_t K : Keys)
      Table.Put(K, K);
    benchmark::DoNotOptimize(Table.Count());
  }
  State.SetItemsProcessed(State.iterations() * Operations);
}

void BM_Get(benchmark::State& State) {
  const auto Keys = MakeKeys(State.range(1) != 0);
  vx::TGHashIntTable Table(101, 0.75f);
  Table.SetHashType(static_cast<vx::TGHashType>(State.range(0)));
  for (std::int32_t K : Keys)
    Table.Put(K, K);
  for (auto _ : State) {
    std::int64_t Sum = 0;
    for (std::int32_t K : Keys)
      Sum += Table.Get(K);
    benchmark::DoNotOptimize(Sum);
  }
  State.SetItemsProcessed(State.iterations() * Operations);
}

// Every position forward, then every position backward, through the cursor.
void BM_EntryAtWalk(benchmark::State& State) {
  vx::TGHashIntTable Table(101, 0.75f);
  for (std::int32_t K = 1; K <= Operations; ++K)
    Table.Put(K, K);
  for (auto _ : State) {
    std::int64_t Sum = 0;
    for (std::int32_t I = 0; I < Operations; ++I)
      Sum += Table.ValueAt(I);
    for (std::int32_t I = Operations - 1; I >= 0; --I)
      Sum += Table.ValueAt(I);
    benchmark::DoNotOptimize(Sum);
  }
  State.SetItemsProcessed(State.iterations() * 2 * Operations);
}

// Arguments: hash type (0 truncation, 1 division, 2 mid-square, 3 folding), random keys.
void HashArgs(benchmark::internal::Benchmark* B) {
  B->ArgNames({"hash", "random"});
  for (int Random : {0, 1})
    for (int Type : {0, 1, 2, 3})
      B->Args({Type, Random});
  B->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Put)->Apply(HashArgs);
BENCHMARK(BM_Get)->Apply(HashArgs);
BENCHMARK(BM_EntryAtWalk)->Unit(benchmark::kMillisecond);
