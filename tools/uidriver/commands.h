// The commands of uidriver, by name.
#pragma once

#include <windows.h>

#include "args.h"

namespace zorn::uidriver {

struct TContext {
  DWORD TimeoutMs = 5000;  // how long waits for windows, controls, menus and texts last
  bool RealInput = false;  // SendInput instead of posted mouse messages
};

// Runs one command; fails (text.h) with the exit code and message.
void RunCommand(const TCommand& command, const TContext& defaults);
// The one-screen summary printed by "help".
const char* UsageText();

}  // namespace zorn::uidriver
