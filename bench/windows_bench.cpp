// Reply lines per second through the operator windows: the whole main scheme
// on the headless backend and the virtual clock, with 20 indicators, 20 main
// list rows and 20 event rules on ten blocks, fed at the reply fan-out as the
// link delivers accepted lines. Every line changes its block's value, so
// states flip, blinking starts and stops and rules write their rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/event_window/event_window.h"
#include "bench/support/main_scheme_bench.h"

namespace zorn {
namespace {

namespace fs = std::filesystem;

// The settings of the run, in a fresh folder that the program takes as its own.
fs::path WriteSettings() {
  fs::path folder = fs::temp_directory_path() / ("zorn-windows-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "config.ini", std::ios::binary)
      << "[config]\r\ntype_connect=2\r\ntcp_port=4455\r\n"
         "[indicatorForm]\r\nvisible=1\r\n[graphForm]\r\nvisible=1\r\n";
  std::string units, rows, rules;
  for (int i = 1; i <= 20; ++i) {
    const std::string block = std::to_string(1 + i % 10), n = std::to_string(i);
    units += "unit_" + n + "=1;" + block + ";5;2;Block " + block + ";70;1\r\n";
    rows += "unit_" + n + "=1;" + block + ";5;3;Row " + block + ": ;70;1\r\n";
    rules += "event_" + n + "=1;" + block + ";" + (i % 2 ? "5;3" : ";0") + ";Rule " + n + ";0;\r\n";
  }
  std::ofstream(folder / "user_settings.ini", std::ios::binary)
      << "[indicatorForm]\r\n" << units << "[mainForm]\r\n" << rows << "[eventForm]\r\n" << rules;
  return folder;
}

void BM_WindowsReplyLines(benchmark::State& state) {
  const fs::path folder = WriteSettings();
  auto harness = std::make_unique<bench::TMainSchemeBench>(folder.string());
  TClassMainForm_Main* scheme = &harness->Scheme();
  platform::TVirtualLoop& loop = harness->Loop();

  TData line;
  uint32_t n = 0;
  for (auto _ : state) {
    // Values 0 … 9 round the blocks: each crosses the compare value 5.
    MakeStr(line, "1;" + std::to_string(1 + n % 10) + ";" + std::to_string(n / 10 % 10));
    scheme->replyFanOut->Distribute(line, 0);
    if (++n % 1000 == 0) loop.Advance(600);  // blink ticks and sound gates
  }
  state.SetItemsProcessed(state.iterations());
  // The rules must have been at work, or the figure measures nothing.
  auto& events = *static_cast<TClassChildForm_EventWindow*>(scheme->eventWindow->Child->Scheme);
  if (state.iterations() > 100 && events.table->Rows().size() != 200) state.SkipWithError("no log rows");

  harness.reset();
  fs::remove_all(folder);
}
BENCHMARK(BM_WindowsReplyLines);

}  // namespace
}  // namespace zorn
