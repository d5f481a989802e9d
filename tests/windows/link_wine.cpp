// The controller link on the Win32 loop under Wine, against plcsim: first
// on COM<n> of the prefix (one end of a socat pseudo-terminal pair whose
// other end a plcsim holds), then listening on loopback TCP for a second
// plcsim. link_wine.sh sets the stage and checks what both plcsims received.
//   link_wine.exe N PORT   the two phases on COMN and on TCP port PORT
//   link_wine.exe --ready  returns at once (the script makes the prefix)
// Prints each check; the exit code is the number of failures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/controller_link.h"
#include "platform/event_loop.h"
#include "runtime/start.h"

namespace zp = zorn::platform;
using zorn::TData;

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) ++failures;
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
  std::fflush(stdout);
}

// The link's five outputs, as texts in order of arrival.
class TOutputs : public zorn::TElement {
 public:
  void Take(TData& d, uint16_t index) {
    Seen[index].push_back(zorn::ToStr(d));
    if (index == 4) SettledAt = GetTickCount();
    if (index == 3) MessageAt = GetTickCount();
  }
  bool Has(uint16_t index, const std::string& text) const {
    return std::find(Seen[index].begin(), Seen[index].end(), text) != Seen[index].end();
  }
  bool StatusBitSeen(int bit) const {
    return std::any_of(Seen[1].begin(), Seen[1].end(),
                       [bit](const std::string& s) { return (std::atoi(s.c_str()) >> bit) & 1; });
  }
  void Clear() {
    for (auto& s : Seen) s.clear();
  }
  std::vector<std::string> Seen[5];
  DWORD SettledAt = 0;
  DWORD MessageAt = 0;
};

std::string Var(const char* name) { return zorn::ToStr(zorn::TZEGlobalVar::Variable(name)); }
void SetVar(const char* name, int32_t value) { zorn::MakeInt(zorn::TZEGlobalVar::Variable(name), value); }

// Steps run in turn from a 20 ms timer: each waits for its condition, at
// most 10 s, then acts.
struct TStep {
  const char* Waits;
  std::function<bool()> Ready;
  std::function<void()> Then;
};

class TScript : public zp::ITimerClient {
 public:
  explicit TScript(std::vector<TStep> steps) : steps_(std::move(steps)) {}
  void OnTimerTick() override {
    if (next_ >= steps_.size()) return;
    TStep& step = steps_[next_];
    if (started_ == 0) started_ = GetTickCount();
    bool ready = step.Ready();
    if (!ready && GetTickCount() - started_ < 10000) return;
    Check(ready, step.Waits);
    if (!ready) {
      next_ = steps_.size();
      zp::EventLoop().Quit();
      return;
    }
    started_ = 0;
    ++next_;
    step.Then();
  }

 private:
  std::vector<TStep> steps_;
  size_t next_ = 0;
  DWORD started_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--ready") == 0) return 0;
  if (argc != 3) {
    std::printf("usage: link_wine.exe N PORT | --ready\n");
    return 2;
  }
  const int32_t com = std::atoi(argv[1]);
  const int32_t port = std::atoi(argv[2]);

  std::unique_ptr<zp::TEventLoop> loop = zp::MakePlatformLoop();
  zp::SetEventLoop(loop.get());
  TOutputs out;
  auto host = std::make_unique<zorn::TZEMultiElement>();
  host->SetEventCount(5);
  for (uint16_t i = 0; i < 5; ++i) host->Events[i] = zorn::MakeWire(i, &TOutputs::Take, &out);
  host->SetFactory(&zorn::SchemeFactory<zorn::TClassMultiElement_Link>);
  auto* link = static_cast<zorn::TClassMultiElement_Link*>(host->Child->Scheme);
  static_cast<zorn::TClassMultiElement_TcpLink*>(link->tcpLink->Child->Scheme)->server->Address =
      "127.0.0.1";
  zorn::StartLiveDispatch();
  auto input = [&](uint16_t point, TData v) {
    zorn::Fire(zorn::MakeWire(point, &zorn::TZEMultiElement::Action, host.get()), v);
  };
  auto number = [](int32_t i) {
    TData d;
    zorn::MakeInt(d, i);
    return d;
  };
  auto text = [](const char* s) {
    TData d;
    zorn::MakeStr(d, s);
    return d;
  };

  TScript script({
      {"the serial link started",
       [] { return true; },
       [&] {
         SetVar("type_connect", 1);
         SetVar("com_port", com);
         SetVar("time_refresh", 1);
         input(0, number(1));
         Check(Var("CON_C") == "1", "CON_C is 1 after the connect request");
       }},
      {"the serial scan answer, CR dropped",
       [&] { return out.Has(0, "5;4;0") && out.Has(0, "1;3;12"); },
       [&] { input(1, text("1;4")); }},
      {"the serial command answer", [&] { return out.Has(0, "5;4;1"); },
       [&] { input(3, text("1;9\n")); }},
      {"the serial delivery error message",
       [&] { return out.Has(3, "Ошибка доставки блоку выхода № 9"); },
       [&] {
         Check(out.StatusBitSeen(0) && out.StatusBitSeen(1) && out.StatusBitSeen(2),
               "the status code showed connected, tx ok and rx ok");
         Check(out.Seen[2].empty(), "no link loss on the serial link");
         input(0, number(0));
         Check(Var("CON_C") == "0", "CON_C is 0 after the disconnect request");
         out.Clear();
       }},
      {"the TCP link started",
       [] { return true; },
       [&] {
         SetVar("type_connect", 2);
         SetVar("tcp_port", port);
         input(0, number(1));
         Check(Var("CON_T") == "1", "CON_T is 1 while listening");
       }},
      {"plcsim connected over TCP and answered the scan, CR kept",
       [&] { return out.Has(3, "Подключение: 127.0.0.1") && out.Has(0, "5;4;0\r"); },
       [] {}},
      {"the settle event", [&] { return out.Has(4, "1"); },
       [&] {
         Check(out.SettledAt - out.MessageAt >= 900, "the settle event came a second after the client");
         input(1, text("1;4"));
       }},
      {"the TCP command answer", [&] { return out.Has(0, "5;4;1\r"); },
       [&] {
         input(0, number(0));
         Check(Var("CON_T") == "0", "CON_T is 0 after the disconnect request");
         zp::EventLoop().Quit();
       }},
  });
  loop->SetTimer(&script, 20);
  loop->Run();
  loop->KillTimer(&script);

  host.reset();
  zp::SetEventLoop(nullptr);
  std::printf("%d failure(s)\n", failures);
  return failures;
}
