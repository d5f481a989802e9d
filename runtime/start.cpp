#include "runtime/start.h"

#include <vector>

#include "runtime/global_var.h"

namespace zorn {
namespace {

std::vector<TStartHandler>& Queue() {
  static std::vector<TStartHandler> queue;
  return queue;
}

bool g_started = false;
void (*g_applicationWindowStep)() = nullptr;

}  // namespace

void RegisterStartHandler(TStartHandler handler) { Queue().push_back(handler); }

void RunStartHandlers() {
  auto& queue = Queue();
  // The length is read again before each call: handlers may queue more.
  for (size_t i = 0; i < queue.size(); ++i) {
    TStartHandler handler = queue[i];
    (handler.Object->*handler.Method)();
  }
  queue.clear();
  g_started = true;
}

void SetApplicationWindowStep(void (*step)()) { g_applicationWindowStep = step; }

void StartDispatch() {
  if (g_applicationWindowStep) g_applicationWindowStep();
  StartLiveDispatch();
  RunStartHandlers();
}

bool SchemeStarted() { return g_started; }
void SetSchemeStarted(bool started) { g_started = started; }

void ResetRuntimeForTests() {
  ResetDispatchForTests();
  Queue().clear();
  g_started = false;
  TZEGlobalVar::ClearRegistry();
}

}  // namespace zorn
