// The Win32 loop: the thread's message queue, with window timers, posted
// tasks and socket notifications (WSAAsyncSelect) on one hidden message-only
// window. All are handled in the window procedure, so they also run inside
// the nested loops of modal boxes.
#include "platform/event_loop.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/timer_queue.h"

namespace zorn::platform {
namespace {

constexpr UINT kRunTasks = WM_APP + 1;
// Each watch of a socket takes the next message number of this range, so a
// notification still queued for an earlier socket of the same handle value is
// told apart and dropped.
constexpr UINT kSocketFirst = WM_APP + 0x100;
constexpr UINT kSocketCount = 0x3000;
constexpr wchar_t kClassName[] = L"ZornLoopWindow";
// Wine has been seen to drop an FD_ACCEPT under load, after which a
// listener never hears of waiting connections again. So half a second after
// each accept notification the listeners are looked at once more, and again
// as long as a look finds a connection waiting: a burst of connects ends
// with every one taken. An idle listener costs only a rare look, a select()
// without waiting, as the last guard; nothing else runs while nobody calls.
constexpr UINT_PTR kAcceptRecheckTimer = ~UINT_PTR{0};  // never a client timer id
constexpr UINT kAcceptRecheckMs = 500;
constexpr UINT kAcceptIdleCheckMs = 10000;
// The window timer of the client timers.
constexpr UINT_PTR kQueueTimer = 1;
// Windows' clock tick: timers due this close together fire together.
constexpr uint64_t kBatchMs = 16;
// How much later than asked a timer's first tick may come to fall in step.
constexpr uint64_t kAlignLaterMs = 200;
// The window timer and the tick count round apart by a millisecond or two.
constexpr uint64_t kEarlyMs = 2;

long SelectEvents(uint8_t interest) {
  long events = FD_CLOSE;
  if (interest & seAccept) events |= FD_ACCEPT;
  if (interest & seRead) events |= FD_READ;
  if (interest & seWrite) events |= FD_WRITE;
  return events;
}

uint8_t ReadyEvents(long selected) {
  uint8_t ready = 0;
  if (selected & FD_ACCEPT) ready |= seAccept;
  if (selected & FD_READ) ready |= seRead;
  if (selected & FD_WRITE) ready |= seWrite;
  if (selected & FD_CLOSE) ready |= seClose;
  return ready;
}

class TWin32Loop final : public TEventLoop {
 public:
  TWin32Loop() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TWin32Loop::WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);  // fails harmlessly when a second loop registers again
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  ~TWin32Loop() override {
    if (armed_) ::KillTimer(window_, kQueueTimer);
    for (const auto& [socket, watch] : sockets_) WSAAsyncSelect(socket, window_, 0, 0);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }

  // The client timers share one window timer. A timer's first tick falls in
  // with a tick of another timer near it (at most 16 ms sooner, a third of
  // its period and 200 ms later), and timers due within 16 ms of each other
  // fire in one wake-up, as they would on Windows' own 16 ms clock tick: the
  // blink, the poll, the lamps and the tray's look then share the tray's
  // wake-ups, and what they change is painted once.
  void SetTimer(ITimerClient* client, uint32_t periodMs) override {
    timers_.Kill(client);
    uint64_t period = periodMs == 0 ? 1 : periodMs;
    uint64_t due = NowMs() + period;
    uint64_t sooner = std::min(kBatchMs, period / 2);
    uint64_t later = std::min(period / 3, kAlignLaterMs);
    timers_.Start(client, periodMs, timers_.TickNear(due - sooner, due + later));
    Arm();
  }

  void KillTimer(ITimerClient* client) override {
    timers_.Kill(client);
    Arm();
  }

  void Post(std::function<void()> task) override {
    tasks_.push_back(std::move(task));
    // One wake-up message at a time keeps the thread's queue from filling up.
    if (!wakePosted_) wakePosted_ = PostMessageW(window_, kRunTasks, 0, 0) != 0;
  }

  // WSAAsyncSelect reports a condition that holds when it is called, so a
  // change of interest loses nothing. The interest is kept here as well: a
  // notification already queued under the old one is filtered by the new.
  void WatchSocket(TSocketHandle socket, uint8_t interest, ISocketClient* client) override {
    SOCKET s = static_cast<SOCKET>(socket);
    auto it = sockets_.find(s);
    if (it == sockets_.end()) {
      UINT message = kSocketFirst + nextSocketMessage_;
      nextSocketMessage_ = (nextSocketMessage_ + 1) % kSocketCount;
      it = sockets_.emplace(s, TSocketWatch{message, interest, client}).first;
    } else {
      it->second.Interest = interest;
      it->second.Client = client;
    }
    WSAAsyncSelect(s, window_, it->second.Message, SelectEvents(interest));
    UpdateAcceptRecheck();
  }

  void UnwatchSocket(TSocketHandle socket) override {
    SOCKET s = static_cast<SOCKET>(socket);
    if (sockets_.erase(s) != 0) WSAAsyncSelect(s, window_, 0, 0);
    UpdateAcceptRecheck();
  }

  // GetMessage waits inside its own request: under Wine each wake-up costs
  // one wineserver round trip (and a yield) less than WaitMessage followed
  // by a PeekMessage that finds the queue empty. WM_QUIT comes after the
  // messages posted before it, as the old loop's draining did.
  void Run() override {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  void Quit() override { PostQuitMessage(0); }

  // The performance counter: the tick count moves in steps of 15 ms or so,
  // too coarse for timers that fall in step by the millisecond.
  uint64_t NowMs() const override {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    uint64_t c = count.QuadPart, f = frequency.QuadPart;
    return c / f * 1000 + c % f * 1000 / f;
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TWin32Loop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_TIMER) {
      self->Tick(wp);
      return 0;
    }
    if (self && msg == kRunTasks) {
      self->RunTasks();
      return 0;
    }
    if (self && msg >= kSocketFirst && msg < kSocketFirst + kSocketCount) {
      self->SocketReady(msg, static_cast<SOCKET>(wp), WSAGETSELECTEVENT(lp));
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }

  // The look's timer runs while a listener is watched: soon after an accept
  // notification or a look that found work, rarely otherwise.
  void ScheduleAcceptRecheck(UINT periodMs) {
    bool listening = false;
    for (const auto& [socket, watch] : sockets_) listening |= (watch.Interest & seAccept) != 0;
    if (!listening) {
      if (recheckMs_ != 0) ::KillTimer(window_, kAcceptRecheckTimer);
      recheckMs_ = 0;
      return;
    }
    if (periodMs == recheckMs_) return;
    recheckMs_ = periodMs;
    ::SetTimer(window_, kAcceptRecheckTimer, periodMs, nullptr);
  }
  void UpdateAcceptRecheck() {
    ScheduleAcceptRecheck(recheckMs_ != 0 ? recheckMs_ : kAcceptIdleCheckMs);
  }

  // Only a listener with a connection waiting is told, one by one; each may
  // unwatch itself or others. True when one was told.
  bool RecheckAccepts() {
    std::vector<SOCKET> listeners;
    for (const auto& [socket, watch] : sockets_) {
      if (watch.Interest & seAccept) listeners.push_back(socket);
    }
    bool found = false;
    for (SOCKET s : listeners) {
      fd_set waiting;
      FD_ZERO(&waiting);
      FD_SET(s, &waiting);
      timeval now{0, 0};
      if (select(0, &waiting, nullptr, nullptr, &now) != 1) continue;
      auto it = sockets_.find(s);
      if (it != sockets_.end() && (it->second.Interest & seAccept)) {
        found = true;
        it->second.Client->OnSocketReady(s, seAccept);
      }
    }
    return found;
  }

  void Tick(UINT_PTR id) {
    if (id == kAcceptRecheckTimer) {
      bool found = RecheckAccepts();
      ScheduleAcceptRecheck(found ? kAcceptRecheckMs : kAcceptIdleCheckMs);
      return;
    }
    if (id != kQueueTimer) return;
    uint64_t now = NowMs();
    // The window timer keeps its period: its next firing is known.
    while (armed_ && armedFor_ <= now + kEarlyMs) armedFor_ += armedDelay_;
    // The due timers are taken first and the window timer set for what
    // follows, so a tick that starts or stops timers, or opens a modal box
    // whose loop must go on ticking, meets a settled queue.
    std::vector<std::pair<ITimerClient*, uint64_t>> due;
    while (ITimerClient* client = timers_.PopDue(now + kEarlyMs)) {
      due.emplace_back(client, timers_.StartCount(client));
    }
    Arm();
    // A timer stopped or restarted by an earlier tick of this pass is skipped.
    for (auto [client, start] : due) {
      if (timers_.StartCount(client) == start) client->OnTimerTick();
    }
  }

  // Sets the window timer for the next wake-up; it is left alone when it
  // fires then anyway, as it does for timers in step with each other.
  void Arm() {
    std::optional<uint64_t> wake = timers_.WakeTime(kBatchMs);
    if (!wake) {
      if (armed_) ::KillTimer(window_, kQueueTimer);
      armed_ = false;
      return;
    }
    if (armed_ && armedFor_ == *wake) return;
    uint64_t now = NowMs();
    armedDelay_ = *wake > now ? *wake - now : 1;
    armedFor_ = now + armedDelay_;
    armed_ = ::SetTimer(window_, kQueueTimer, static_cast<UINT>(armedDelay_), nullptr) != 0;
  }

  void SocketReady(UINT message, SOCKET socket, long selected) {
    auto it = sockets_.find(socket);
    if (it == sockets_.end() || it->second.Message != message) return;
    uint8_t events = ReadyEvents(selected) & (it->second.Interest | seClose);
    if (events == 0) return;
    ISocketClient* client = it->second.Client;
    // A look soon after, in case the next notification of a burst is lost.
    if (events & seAccept) ScheduleAcceptRecheck(kAcceptRecheckMs);
    client->OnSocketReady(socket, events);
  }

  // Runs the tasks queued so far; those they post wait for the next wake-up,
  // so other messages get their turn in between.
  void RunTasks() {
    wakePosted_ = false;
    size_t n = tasks_.size();
    for (size_t i = 0; i < n && !tasks_.empty(); ++i) {
      std::function<void()> task = std::move(tasks_.front());
      tasks_.pop_front();
      task();
    }
    if (!tasks_.empty() && !wakePosted_) wakePosted_ = PostMessageW(window_, kRunTasks, 0, 0) != 0;
  }

  struct TSocketWatch {
    UINT Message;
    uint8_t Interest;
    ISocketClient* Client;
  };

  HWND window_ = nullptr;
  std::map<SOCKET, TSocketWatch> sockets_;
  UINT nextSocketMessage_ = 0;
  TTimerQueue timers_;
  bool armed_ = false;
  uint64_t armedFor_ = 0;  // when the window timer fires next
  uint64_t armedDelay_ = 0;
  std::deque<std::function<void()>> tasks_;
  bool wakePosted_ = false;
  UINT recheckMs_ = 0;  // the look's period; 0 while no listener is watched
};

}  // namespace

std::unique_ptr<TEventLoop> MakePlatformLoop() { return std::make_unique<TWin32Loop>(); }

}  // namespace zorn::platform
