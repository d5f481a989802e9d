// Cost of the mask check on reply lines and records, and of filling a
// seven-field pattern.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "elements/format_str.h"
#include "elements/str_mask.h"
#include "runtime/start.h"

namespace zorn {
namespace {

class TSink : public TElement {
 public:
  void Take(TData& data, uint16_t) { benchmark::DoNotOptimize(data.StrValue.size()); }
};

void MatchOnly(benchmark::State& state, const char* mask, const char* text) {
  const std::string m = mask, t = text;
  for (auto _ : state) benchmark::DoNotOptimize(MaskMatches(t, m, TCaseMode::IgnoreCase));
}

// The whole Check: the text arrives on an event and leaves on OnMatch.
void CheckElement(benchmark::State& state, const char* mask, const char* text) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZEStrMask e;
  TSink sink;
  e.Mask = mask;
  e.IgnoreCase = true;
  e.OnMatch = MakeWire(0, &TSink::Take, &sink);
  TWire check = MakeWire(0, &TZEStrMask::Check, &e);
  TData line;
  MakeStr(line, text);
  for (auto _ : state) FireCopy(check, line);
  ResetRuntimeForTests();
}

BENCHMARK_CAPTURE(MatchOnly, reply, "#;*;*", "1;12;345");
BENCHMARK_CAPTURE(MatchOnly, record, "unit*=#;*;*;#;*;*;#", "unit_3=1;12;1;0;Мотор;70;1");
BENCHMARK_CAPTURE(MatchOnly, event_record, "event*=#;*;*;#;*;#;*",
                  "event_2=1;5;1;2;Авария насоса;3;C:\\sounds\\alarm.wav");
BENCHMARK_CAPTURE(CheckElement, reply, "#;*;*", "1;12;345");
BENCHMARK_CAPTURE(CheckElement, record, "unit*=#;*;*;#;*;*;#", "unit_3=1;12;1;0;Мотор;70;1");

void FormatOnly(benchmark::State& state) {
  const std::vector<std::string> args = {"1", "12", "1", "0", "Мотор", "70", "1"};
  for (auto _ : state) benchmark::DoNotOptimize(FormatPlaceholders("%1;%2;%3;%4;%5;%6;%7", args));
}
BENCHMARK(FormatOnly);

// The whole Format with its seven arguments taken from the received chain.
void FormatElement(benchmark::State& state) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZEFormatStr e;
  TSink sink;
  e.Mask = "%1;%2;%3;%4;%5;%6;%7";
  e.SetCount(7);
  e.OnResult = MakeWire(0, &TSink::Take, &sink);
  const char* values[] = {"1", "12", "1", "0", "Мотор", "70", "1"};
  std::vector<TData> nodes(7);
  for (int i = 0; i < 7; ++i) {
    MakeStr(nodes[i], values[i]);
    if (i > 0) nodes[i - 1].Next = &nodes[i];
  }
  TWire format = MakeWire(0, &TZEFormatStr::Format, &e);
  for (auto _ : state) FireCopy(format, nodes[0]);
  ResetRuntimeForTests();
}
BENCHMARK(FormatElement);

}  // namespace
}  // namespace zorn
