// The event-loop service: posted tasks, periodic timers and quit, all run on
// the one loop thread.
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

class TEventLoop {
 public:
  virtual ~TEventLoop() = default;

  // Starts the periodic timer of `client`, or restarts it when it runs: the
  // next tick comes one full period from now. A period of 0 counts as 1 ms.
  virtual void SetTimer(ITimerClient* client, uint32_t periodMs) = 0;
  // Removes the timer of `client`; no tick of it arrives afterwards.
  virtual void KillTimer(ITimerClient* client) = 0;
  // Queues a task to run on the loop thread after the current one returns.
  virtual void Post(std::function<void()> task) = 0;
  // Runs until Quit is called.
  virtual void Run() = 0;
  virtual void Quit() = 0;
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
