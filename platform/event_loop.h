// The event-loop service: posted tasks, periodic timers, socket readiness and
// quit, all run on the one loop thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace zorn::platform {

// Receives the ticks of its timer. The client pointer identifies the timer.
class ITimerClient {
 public:
  virtual void OnTimerTick() = 0;

 protected:
  ~ITimerClient() = default;
};

// A socket as the OS knows it: a file descriptor on POSIX, a SOCKET on Win32.
using TSocketHandle = uintptr_t;
constexpr TSocketHandle kNoSocket = ~TSocketHandle{0};

// Readiness of a watched socket, as bits.
enum TSocketEvent : uint8_t {
  seAccept = 1,  // a connection waits on a listening socket
  seRead = 2,    // bytes, or the peer's end of the stream, wait to be received
  seWrite = 4,   // the send buffer has room again
  seClose = 8,   // the connection ended or failed; reported without being asked
};

// Receives the readiness of the sockets it watches.
class ISocketClient {
 public:
  // `events` holds the seXxx bits found, within the socket's interest and
  // seClose. It is a hint: the socket must be non-blocking, and a call that
  // would block just ends the handling.
  virtual void OnSocketReady(TSocketHandle socket, uint8_t events) = 0;

 protected:
  ~ISocketClient() = default;
};

// The longest timer period every loop takes (Win32's SetTimer: about 24.8
// days).
constexpr uint32_t kLongestTimerPeriodMs = 0x7FFFFFFF;

class TEventLoop {
 public:
  virtual ~TEventLoop() = default;

  // Starts the periodic timer of `client`, or restarts it when it runs: the
  // next tick comes one full period from now (the Win32 loop may move it a
  // little to share a wake-up with other timers). A period of 0 counts as
  // 1 ms; periods above kLongestTimerPeriodMs are not supported.
  virtual void SetTimer(ITimerClient* client, uint32_t periodMs) = 0;
  // Removes the timer of `client`; no tick of it arrives afterwards.
  virtual void KillTimer(ITimerClient* client) = 0;
  // Queues a task to run on the loop thread after the current one returns.
  virtual void Post(std::function<void()> task) = 0;
  // Watches `socket` for the seXxx events in `interest` and reports them to
  // `client` on the loop thread; watching a watched socket again changes its
  // interest and client. A condition that lasts is reported again after the
  // call that should have ended it (receive, accept, send), so a client may
  // leave work for a later notification. Ask for seWrite only while there is
  // something to send: a writable socket is reported on every turn.
  virtual void WatchSocket(TSocketHandle socket, uint8_t interest, ISocketClient* client) = 0;
  // Stops watching `socket`; nothing more of it is reported, not even a
  // notification found in the same turn. Call it before closing the socket.
  virtual void UnwatchSocket(TSocketHandle socket) = 0;
  // Runs until Quit is called.
  virtual void Run() = 0;
  virtual void Quit() = 0;
  // Milliseconds on the clock the loop's timers run on, from an arbitrary
  // start; it never goes back. The virtual loop's clock in tests.
  virtual uint64_t NowMs() const = 0;
};

// The loop the program's elements use: the one installed with SetEventLoop,
// else this platform's own loop, made on first use.
TEventLoop& EventLoop();
// Installs `loop` (not owned) for the elements; nullptr returns to the
// platform's own loop. Tests install the virtual-clock loop.
void SetEventLoop(TEventLoop* loop);
// A new loop of this platform (Win32 message loop or POSIX poll()).
std::unique_ptr<TEventLoop> MakePlatformLoop();

}  // namespace zorn::platform
