// Accepted reply lines per second through the controller link, in TCP mode,
// from plcsim flooding the panel with its input blocks' lines over loopback.
// The loop is the virtual-clock loop, so the figure is the cost of reading,
// cutting, checking and delivering lines, not of timers.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "link/controller_link.h"
#include "platform/virtual_loop.h"
#include "runtime/start.h"
#include "support/loopback_port.h"
#include "support/plcsim_process.h"


namespace zorn {
namespace {

namespace fs = std::filesystem;
using test::FreeLoopbackPort;

class TLineCounter : public TElement {
 public:
  void Take(TData&, uint16_t) { ++Lines; }
  uint64_t Lines = 0;
};

// Items processed = reply lines accepted by the link's reply check.
void BM_LinkTcpFloodLines(benchmark::State& state) {
  ResetRuntimeForTests();
  platform::TVirtualLoop loop;
  platform::SetEventLoop(&loop);
  const uint16_t port = FreeLoopbackPort();
  MakeInt(TZEGlobalVar::Variable("type_connect"), 2);
  MakeInt(TZEGlobalVar::Variable("tcp_port"), port);
  MakeInt(TZEGlobalVar::Variable("time_refresh"), 0);

  TLineCounter accepted;
  auto host = std::make_unique<TZEMultiElement>();
  host->SetEventCount(5);
  host->Events[0] = MakeWire(0, &TLineCounter::Take, &accepted);
  host->SetFactory(&SchemeFactory<TClassMultiElement_Link>);
  auto* link = static_cast<TClassMultiElement_Link*>(host->Child->Scheme);
  static_cast<TClassMultiElement_TcpLink*>(link->tcpLink->Child->Scheme)->server->Address = "127.0.0.1";
  StartLiveDispatch();
  FireInt(MakeWire(0, &TZEMultiElement::Action, host.get()), 1);

  // Sixteen input blocks of the three types, values that change every round.
  fs::path blocks = fs::temp_directory_path() / ("zorn-link-bench-" + std::to_string(getpid()) + ".txt");
  {
    std::ofstream file(blocks);
    for (int i = 0; i < 16; ++i) {
      if (i % 4 == 0) file << "in bool " << i << " square 2\n";
      else if (i % 4 == 3) file << "in str " << i << " counter 0 1\n";
      else file << "in int " << i << " counter " << i * 100 << " 7 0 100000\n";
    }
  }
  plcsim_test::PlcsimProcess sim(
      {"--tcp", "127.0.0.1:" + std::to_string(port), "--blocks", blocks.string(), "--flood", "--quiet"},
      "/dev/null");
  const auto limit = std::chrono::seconds(20);
  if (!sim.started() || !loop.RunUntil([&] { return accepted.Lines > 0; }, limit)) {
    state.SkipWithError("plcsim did not connect and flood");
  }

  constexpr uint64_t kBatch = 20000;
  uint64_t counted = 0;
  for (auto _ : state) {
    uint64_t target = accepted.Lines + kBatch;
    uint64_t before = accepted.Lines;
    if (!loop.RunUntil([&] { return accepted.Lines >= target; }, limit)) {
      state.SkipWithError("the flood stopped");
      break;
    }
    counted += accepted.Lines - before;
  }
  state.SetItemsProcessed(static_cast<int64_t>(counted));

  host.reset();
  platform::SetEventLoop(nullptr);
  ResetRuntimeForTests();
  fs::remove(blocks);
}
BENCHMARK(BM_LinkTcpFloodLines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zorn
