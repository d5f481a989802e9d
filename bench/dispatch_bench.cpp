// Cost of one forwarding hop, of a hub fan-out and of data reads.
#include <benchmark/benchmark.h>

#include <vector>

#include "runtime/flow/hub.h"
#include "runtime/global_var.h"
#include "runtime/start.h"

namespace zorn {
namespace {

class TPass : public TElement {
 public:
  void Take(TData& data, uint16_t) { ForwardTo(data, Out); }
  TWire Out;
};

class TSink : public TElement {
 public:
  void Take(TData& data, uint16_t) { benchmark::DoNotOptimize(data.IntValue); }
};

// Items processed = forwarding hops.
void BM_ForwardHop(benchmark::State& state) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  const int length = static_cast<int>(state.range(0));
  std::vector<TPass> chain(length);
  TSink sink;
  for (int i = 0; i + 1 < length; ++i) chain[i].Out = MakeWire(0, &TPass::Take, &chain[i + 1]);
  chain.back().Out = MakeWire(0, &TSink::Take, &sink);
  TWire in = MakeWire(0, &TPass::Take, &chain[0]);
  for (auto _ : state) FireInt(in, 1);
  state.SetItemsProcessed(state.iterations() * length);
  ResetRuntimeForTests();
}
BENCHMARK(BM_ForwardHop)->Arg(1000);

// Items processed = deliveries through a hub with eight outputs, text values.
void BM_HubFanOut(benchmark::State& state) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZEHub hub;
  hub.SetOutCount(8);
  TSink sink;
  for (auto& out : hub.Outputs) out = MakeWire(0, &TSink::Take, &sink);
  TWire in = MakeWire(0, &TZEHub::Distribute, &hub);
  TData value;
  MakeStr(value, std::string(64, 'v'));
  for (auto _ : state) Fire(in, value);
  state.SetItemsProcessed(state.iterations() * 8);
  ResetRuntimeForTests();
}
BENCHMARK(BM_HubFanOut);

// One ReadInt of a wired global variable, and one of an unwired input that
// falls back to the received record.
void BM_ReadWired(benchmark::State& state) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZEGlobalVar var;
  var.SetName("time_refresh");
  TData five;
  MakeInt(five, 5);
  var.SetDefault(five);
  TWire input = MakeWire(0, &TZEGlobalVar::Value, &var);
  TData received;
  for (auto _ : state) benchmark::DoNotOptimize(ReadInt(received, input, 0));
  state.SetItemsProcessed(state.iterations());
  ResetRuntimeForTests();
}
BENCHMARK(BM_ReadWired);

void BM_ReadFallback(benchmark::State& state) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TWire unwired;
  for (auto _ : state) {
    TData received;
    MakeInt(received, 3);
    benchmark::DoNotOptimize(ReadInt(received, unwired, 0));
  }
  state.SetItemsProcessed(state.iterations());
  ResetRuntimeForTests();
}
BENCHMARK(BM_ReadFallback);

}  // namespace
}  // namespace zorn
