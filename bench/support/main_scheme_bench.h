// The whole main scheme on the headless backend and the virtual clock, as the
// benchmarks drive it: made over a settings folder the benchmark wrote, taken
// apart again in the reverse order.
#pragma once

#include <memory>
#include <string>

#include "platform/paths.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/paths.h"
#include "runtime/program/main_scheme.h"
#include "runtime/start.h"
#include "ui/elements/win.h"
#include "ui/headless/backend.h"

namespace zorn::bench {

class TMainSchemeBench {
 public:
  // `folder` is the program's folder, with its config.ini and
  // user_settings.ini; the scheme is started and its first timers have run.
  explicit TMainSchemeBench(const std::string& folder) {
    SetExeFolderForTests(platform::FromNativePath(folder + "/"));
    ui::SetBackend(&backend_);
    ui::ResetUiForTests();
    RegisterProgramResources();
    platform::SetEventLoop(&loop_);
    ResetRuntimeForTests();
    scheme_ = std::make_unique<TClassMainForm_Main>();
    StartDispatch();
    loop_.Advance(10);
  }
  ~TMainSchemeBench() {
    scheme_.reset();
    platform::SetEventLoop(nullptr);
    ui::ResetUiForTests();
    ui::SetBackend(nullptr);
    ResetRuntimeForTests();
    SetExeFolderForTests("");
  }
  TMainSchemeBench(const TMainSchemeBench&) = delete;
  TMainSchemeBench& operator=(const TMainSchemeBench&) = delete;

  TClassMainForm_Main& Scheme() { return *scheme_; }
  platform::TVirtualLoop& Loop() { return loop_; }

 private:
  ui::headless::THeadlessBackend backend_;
  platform::TVirtualLoop loop_;
  std::unique_ptr<TClassMainForm_Main> scheme_;
};

}  // namespace zorn::bench
