// The PC-level actions of the event rules: open a file with the shell, set
// the master volume of the default audio output, shut down, restart and lock
// the workstation. Win32 makes the real calls. The POSIX build does nothing
// but record each request, so that no test ever acts on the machine it runs
// on.
#pragma once

#include <string>
#include <vector>

namespace zorn::platform {

// ShellExecute(no window, "open", path, no parameters, no folder, show
// mode 1), the path in code page 1251. False when the shell refused.
bool ShellOpen(const std::string& path);
// The master volume of the default render endpoint, as a scalar from 0.0
// (silent) to 1.0 (full); the caller keeps it in that range. False when
// there is no such endpoint or it refused.
bool SetMasterVolume(float level);
// ExitWindowsEx with the shutdown or the reboot flag, never forced, with the
// process's "SeShutdownPrivilege" enabled just before the request and
// disabled again after it. False when the system refused.
bool ShutDown();
bool Restart();
// LockWorkStation. False when the system refused.
bool LockWorkstation();

// The POSIX record of requests, oldest first, at most the last 256; tests
// read and clear it. Empty on Win32.
struct TSystemRequest {
  enum TKind { Open, Volume, ShutDown, Restart, Lock };
  TKind Kind = Open;
  std::string Path;    // Open
  float Level = 0.0f;  // Volume
};
std::vector<TSystemRequest>& SystemRequests();

}  // namespace zorn::platform
