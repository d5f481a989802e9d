// Reply lines per second, side by side: a plain C++ loop that does the
// matching of the three line matchers (mask, split, exact type and block,
// text comparison by condition, change detection) over records split once,
// and the whole main scheme on the headless backend and the virtual clock,
// fed at the reply fan-out as the link delivers lines. Both take the same
// generated lines: 50 indicators, 50 main list rows and 50 event rules on 100
// blocks, random values from a fixed seed. One run prints both figures, their
// ratio and the heap allocations per line, counted by the operator new of
// this program.
//
//   zorn_reply_bench [CPU seconds of the scheme, default 2] [lines, default 20000]
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "app/event_window/event_window.h"
#include "app/indicator_window/indicator_item.h"
#include "app/indicator_window/indicator_window.h"
#include "app/main_list/main_list.h"
#include "bench/support/main_scheme_bench.h"
#include "ui/headless/backend.h"

namespace {
std::atomic<uint64_t> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace zorn {
namespace {

namespace fs = std::filesystem;

// CPU time of this thread: the machine may be shared, and wall time would
// count the others' work.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

constexpr int kBlocks = 100;
constexpr int kRecords = 50;  // per list
int kLines = 20000;  // a second argument makes it shorter, for profilers
// CPU seconds of one turn of either side.
constexpr double kSlice = 0.01;

// A small fixed generator, so the workload is the same on every library.
class TRandom {
 public:
  explicit TRandom(uint64_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint64_t state_;
};

// One indicator, main list row or event rule, split once.
struct TRecord {
  std::string type, block, value;
  int condition = 0;
  std::string name;
};

struct TWorkload {
  std::vector<int> blockType;  // type code of each block
  std::vector<TRecord> indicators, rows, rules;
  std::vector<std::string> lines;
};

// Values are 0 … 99 as text, so "greater" and "less" compare as texts do.
TWorkload MakeWorkload() {
  TRandom random(20261208);
  TWorkload w;
  for (int b = 0; b < kBlocks; ++b) w.blockType.push_back(random.Below(3));
  auto record = [&](int conditions, const std::string& name) {
    TRecord r;
    int block = random.Below(kBlocks);
    r.type = std::to_string(w.blockType[block]);
    r.block = std::to_string(block + 1);
    r.value = std::to_string(random.Below(100));
    r.condition = random.Below(conditions);
    r.name = name;
    return r;
  };
  for (int i = 0; i < kRecords; ++i) {
    w.indicators.push_back(record(4, "Ind " + std::to_string(i + 1)));
    w.rows.push_back(record(4, "Row " + std::to_string(i + 1) + ": "));
    w.rules.push_back(record(5, "Rule " + std::to_string(i + 1)));
  }
  for (int i = 0; i < kLines; ++i) {
    int block = random.Below(kBlocks);
    w.lines.push_back(std::to_string(w.blockType[block]) + ";" + std::to_string(block + 1) + ";" +
                      std::to_string(random.Below(100)));
  }
  return w;
}

// ---- The plain loop ----

int CompareAscii(std::string_view a, std::string_view b) {
  auto up = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = up(static_cast<unsigned char>(a[i])) - up(static_cast<unsigned char>(b[i]));
    if (d != 0) return d;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Condition codes 0 equal, 1 not equal, 2 greater, 3 less.
bool Holds(int condition, std::string_view value, std::string_view compare) {
  switch (condition) {
    case 0: return value == compare;
    case 1: return value != compare;
    case 2: return CompareAscii(value, compare) > 0;
    default: return CompareAscii(value, compare) < 0;
  }
}

class TPlainLoop {
 public:
  explicit TPlainLoop(const TWorkload& w)
      : w_(w), indicatorState_(kRecords, -1), rowState_(kRecords, -1), armed_(kRecords, false),
        changeValue_(kRecords), primed_(kRecords, false) {}

  void Line(std::string_view line) {
    // "#;*;*": one digit, ";", then a second ";" somewhere after it.
    if (line.size() < 3 || line[0] < '0' || line[0] > '9' || line[1] != ';') return;
    if (line.find(';', 2) == std::string_view::npos) return;
    std::string_view f[3];
    size_t pos = 0;
    for (auto& field : f) {
      size_t end = line.find(';', pos);
      if (end == std::string_view::npos) end = line.size();
      field = pos < line.size() ? line.substr(pos, end - pos) : std::string_view();
      pos = end < line.size() ? end + 1 : line.size();
    }
    Indicators(w_.indicators, indicatorState_, f);
    Indicators(w_.rows, rowState_, f);
    Rules(f);
  }

  const std::vector<int>& IndicatorStates() const { return indicatorState_; }
  const std::vector<int>& RowStates() const { return rowState_; }
  uint64_t Changes() const { return changes_; }
  uint64_t Fires() const { return fires_; }

 private:
  void Indicators(const std::vector<TRecord>& records, std::vector<int>& states,
                  const std::string_view* f) {
    for (size_t k = 0; k < records.size(); ++k) {
      const TRecord& r = records[k];
      if (f[0] != r.type || f[1] != r.block) continue;
      int state = Holds(r.condition, f[2], r.value) ? 1 : 0;
      if (state != states[k]) ++changes_;
      states[k] = state;
    }
  }

  void Rules(const std::string_view* f) {
    for (size_t k = 0; k < w_.rules.size(); ++k) {
      const TRecord& r = w_.rules[k];
      if (f[0] != r.type || f[1] != r.block) continue;
      if (r.condition == 0) {
        if (changeValue_[k] != f[2]) {
          if (primed_[k]) ++fires_;
          primed_[k] = true;
          changeValue_[k].assign(f[2]);
        }
      } else if (Holds(r.condition - 1, f[2], r.value)) {
        if (!armed_[k]) ++fires_;
        armed_[k] = true;
      } else {
        armed_[k] = false;
      }
    }
  }

  const TWorkload& w_;
  std::vector<int> indicatorState_, rowState_;
  std::vector<bool> armed_;
  std::vector<std::string> changeValue_;
  std::vector<bool> primed_;
  uint64_t changes_ = 0, fires_ = 0;
};

// ---- The whole main scheme ----

fs::path WriteSettings(const TWorkload& w) {
  fs::path folder = fs::temp_directory_path() / ("zorn-reply-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "config.ini", std::ios::binary)
      << "[config]\r\ntype_connect=2\r\ntcp_port=4455\r\n"
         "[indicatorForm]\r\nvisible=1\r\n[graphForm]\r\nvisible=1\r\n"
         // The event journal's disk writes (a flush to disk per logged row)
         // are not matching work; the plain loop has none.
         "[journal]\r\nenable=0\r\n";
  auto fields = [](const TRecord& r) {
    return r.type + ";" + r.block + ";" + r.value + ";" + std::to_string(r.condition) + ";" + r.name;
  };
  std::string units, rows, rules;
  for (int i = 0; i < kRecords; ++i) {
    const std::string n = std::to_string(i + 1);
    units += "unit_" + n + "=" + fields(w.indicators[i]) + ";70;" + std::to_string(i % 2) + "\r\n";
    rows += "unit_" + n + "=" + fields(w.rows[i]) + ";70;" + std::to_string(i % 2) + "\r\n";
    rules += "event_" + n + "=" + fields(w.rules[i]) + ";0;\r\n";
  }
  std::ofstream(folder / "user_settings.ini", std::ios::binary)
      << "[indicatorForm]\r\n" << units << "[mainForm]\r\n" << rows << "[eventForm]\r\n" << rules;
  return folder;
}

struct TFigure {
  double linesPerSecond = 0;
  double allocationsPerLine = 0;
};

// Feeds the lines, in order and round and round, to one side of the
// comparison, and keeps its CPU time, lines and allocations.
template <class F>
class TRunner {
 public:
  TRunner(const TWorkload& w, F line) : w_(w), line_(std::move(line)) {}

  // One line, counted or not.
  void Step() {
    line_(w_.lines[next_]);
    next_ = (next_ + 1) % w_.lines.size();
  }
  // Lines, counted, for `slice` seconds of CPU time; the clock is read
  // every hundred lines.
  void Counted(double slice) {
    const uint64_t allocations = g_allocations.load();
    const double start = CpuSeconds();
    double now = start;
    while (now - start < slice) {
      for (int i = 0; i < 100; ++i) Step();
      lines_ += 100;
      now = CpuSeconds();
    }
    seconds_ += now - start;
    allocations_ += g_allocations.load() - allocations;
  }
  // Up to the end of the current pass, so that every line was seen as often.
  void FinishPass() {
    while (next_ != 0) Step();
  }
  double Seconds() const { return seconds_; }
  TFigure Figure() const {
    return {static_cast<double>(lines_) / seconds_,
            static_cast<double>(allocations_) / static_cast<double>(lines_)};
  }

 private:
  const TWorkload& w_;
  F line_;
  size_t next_ = 0;
  double seconds_ = 0;
  uint64_t allocations_ = 0, lines_ = 0;
};

std::string PictureOf(TClassChildPanelEx_IndicatorItem& item) {
  const auto& bitmap = ui::headless::Of(item.picture->Widget()).Bitmap();
  return bitmap ? static_cast<const ui::headless::THeadlessBitmap&>(*bitmap).Name : "";
}

// The states the scheme's panels show, as the plain loop keeps them: 1
// active, 0 inactive, -1 never told.
std::vector<int> States(TZEMultiElementEx& host, const char* inactive, const char* active) {
  std::vector<int> states;
  for (TZEEditMultiEx* i : host.Instances) {
    std::string name = PictureOf(*static_cast<TClassChildPanelEx_IndicatorItem*>(i->Scheme));
    states.push_back(name == active ? 1 : name == inactive ? 0 : -2);
  }
  return states;
}

int Run(double seconds) {
  const TWorkload w = MakeWorkload();

  TPlainLoop plain(w);
  TRunner plainRunner(w, [&](const std::string& l) { plain.Line(l); });

  const fs::path folder = WriteSettings(w);
  auto harness = std::make_unique<bench::TMainSchemeBench>(folder.string());
  TClassMainForm_Main* scheme = &harness->Scheme();
  platform::TVirtualLoop& loop = harness->Loop();

  // The link hands on shared texts; making them is the link's cost.
  std::vector<TStr> texts(w.lines.begin(), w.lines.end());
  size_t next = 0, count = 0;
  TData line;
  TRunner schemeRunner(w, [&](const std::string&) {
    MakeStr(line, texts[next]);
    next = (next + 1) % texts.size();
    scheme->replyFanOut->Distribute(line, 0);
    if (++count % 1000 == 0) loop.Advance(600);  // blink ticks and sound gates
  });

  // A first pass of each warms up; then the two take turns in slices of
  // equal CPU time, so that both meet the same load of a shared machine and
  // each starts a slice as cold as the other after the other's slice.
  for (size_t i = 0; i < w.lines.size(); ++i) {
    plainRunner.Step();
    schemeRunner.Step();
  }
  while (schemeRunner.Seconds() < seconds) {
    schemeRunner.Counted(kSlice);
    plainRunner.Counted(kSlice);
  }
  plainRunner.FinishPass();
  schemeRunner.FinishPass();
  const TFigure loopFigure = plainRunner.Figure();
  const TFigure schemeFigure = schemeRunner.Figure();

  // Both must have done the same matching: the panels show the states the
  // plain loop computed, and the rules wrote rows.
  auto& indicators =
      *static_cast<TClassChildForm_IndicatorWindow*>(scheme->indicatorWindow->Child->Scheme);
  auto& mainList = *static_cast<TClassChildPanel_MainList*>(scheme->mainList->Child->Scheme);
  auto& events = *static_cast<TClassChildForm_EventWindow*>(scheme->eventWindow->Child->Scheme);
  auto expected = [](std::vector<int> states) {
    for (int& s : states) s = s < 0 ? 0 : s;  // never told: the first picture
    return states;
  };
  bool same = States(*indicators.items, "BITMAP11", "BITMAP12") ==
                  expected(plain.IndicatorStates()) &&
              States(*mainList.rows, "BITMAP13", "BITMAP14") == expected(plain.RowStates());
  const size_t rows = events.table->Rows().size();

  // The visits alone: lines of a type no record has, so every record is
  // visited and none is concerned.
  std::vector<TStr> strangers;
  for (const std::string& l : w.lines) strangers.emplace_back("9" + l.substr(1));
  TRunner visitRunner(w, [&](const std::string&) {
    MakeStr(line, strangers[next]);
    next = (next + 1) % strangers.size();
    scheme->replyFanOut->Distribute(line, 0);
  });
  next = 0;
  for (size_t i = 0; i < w.lines.size(); ++i) visitRunner.Step();
  while (visitRunner.Seconds() < seconds / 4) visitRunner.Counted(kSlice);
  const TFigure visitFigure = visitRunner.Figure();

  harness.reset();
  fs::remove_all(folder);

  std::printf("workload: %d indicators, %d main list rows, %d event rules on %d blocks; "
              "%d lines\n",
              kRecords, kRecords, kRecords, kBlocks, kLines);
  std::printf("plain loop:  %12.0f lines/s  %8.2f allocations/line\n", loopFigure.linesPerSecond,
              loopFigure.allocationsPerLine);
  std::printf("main scheme: %12.0f lines/s  %8.2f allocations/line\n",
              schemeFigure.linesPerSecond, schemeFigure.allocationsPerLine);
  std::printf("ratio scheme/plain: %.2f %%  (%.2f us per line through the scheme)\n",
              100.0 * schemeFigure.linesPerSecond / loopFigure.linesPerSecond,
              1e6 / schemeFigure.linesPerSecond);
  std::printf("main scheme, lines no record is concerned by: %12.0f lines/s  %8.2f "
              "allocations/line\n",
              visitFigure.linesPerSecond, visitFigure.allocationsPerLine);
  std::printf("plain loop, all passes: %llu state changes, %llu rule fires; scheme log rows: %zu\n",
              static_cast<unsigned long long>(plain.Changes()),
              static_cast<unsigned long long>(plain.Fires()), rows);
  if (!same || rows != 200) {
    std::printf("ERROR: the scheme's panels or log differ from the plain loop\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace zorn

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  if (seconds <= 0) seconds = 2.0;
  if (argc > 2 && std::atoi(argv[2]) > 0) zorn::kLines = std::atoi(argv[2]);
  return zorn::Run(seconds);
}
