#include "platform/event_loop.h"

namespace zorn::platform {
namespace {

TEventLoop* installed = nullptr;

}  // namespace

TEventLoop& EventLoop() {
  if (installed) return *installed;
  static std::unique_ptr<TEventLoop> own = MakePlatformLoop();
  return *own;
}

void SetEventLoop(TEventLoop* loop) { installed = loop; }

}  // namespace zorn::platform
