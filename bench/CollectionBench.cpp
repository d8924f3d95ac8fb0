// Collections as rolling windows and stored descriptions of many items: the costs that
// must not grow with the size of the collection.

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Published.h"
#include "platform/core/Streaming.h"

#include <benchmark/benchmark.h>

namespace vx::bench {
namespace {

class TBenchValue : public TCollectionItem {
  VX_CLASS_NAME(TBenchValue)
public:
  double Value() const { return FValue; }
  void SetValue(double V) { FValue = V; }

private:
  double FValue = 0;
};

class TBenchOwner : public TComponent {
  VX_CLASS_NAME(TBenchOwner)
public:
  explicit TBenchOwner(TComponent* Owner = nullptr) : TComponent(Owner) {}
  TOwnedCollection* Values() const { return FValues.get(); }

private:
  std::unique_ptr<TOwnedCollection> FValues =
      std::make_unique<TOwnedCollection>(this, ItemClassOf<TBenchValue>());
};

VX_PUBLISHED(TBenchValue, TCollectionItem) {
  P.Double("Value", &TBenchValue::Value, &TBenchValue::SetValue, 0.0);
}
VX_PUBLISHED(TBenchOwner, TComponent) {
  P.Collection("Values", &TBenchOwner::Values);
}

// A full window of N values: each step appends one and deletes the oldest.
void BM_CollectionRollingWindow(benchmark::State& State) {
  TOwnedCollection C(nullptr, ItemClassOf<TBenchValue>());
  for (std::int64_t I = 0; I < State.range(0); ++I)
    C.Add();
  for (auto _ : State) {
    C.Add();
    C.Delete(0);
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_CollectionRollingWindow)->Arg(1000)->Arg(1000000);

void BM_CollectionAppendMillion(benchmark::State& State) {
  for (auto _ : State) {
    TOwnedCollection C(nullptr, ItemClassOf<TBenchValue>());
    C.BeginUpdate();
    for (int I = 0; I < 1000000; ++I)
      C.Add();
    C.EndUpdate();
    benchmark::DoNotOptimize(C.Count());
  }
  State.SetItemsProcessed(State.iterations() * 1000000);
}
BENCHMARK(BM_CollectionAppendMillion)->Unit(benchmark::kMillisecond);

void BM_ReadDescriptionOfManyItems(benchmark::State& State) {
  TBenchOwner Owner;
  for (std::int64_t I = 0; I < State.range(0); ++I)
    static_cast<TBenchValue*>(Owner.Values()->Add())->SetValue(static_cast<double>(I) + 0.5);
  const std::string Text = WriteComponent(Owner);
  for (auto _ : State)
    benchmark::DoNotOptimize(ReadComponent(Text));
  State.SetItemsProcessed(State.iterations() * State.range(0));
  State.SetBytesProcessed(State.iterations() * static_cast<std::int64_t>(Text.size()));
}
BENCHMARK(BM_ReadDescriptionOfManyItems)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vx::bench
