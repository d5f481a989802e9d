// The POSIX build performs no system action: it runs the panel only in tests
// and on the headless backend. Requests are recorded instead and reported
// as done.
#include "platform/system_actions.h"

#include <utility>

namespace zorn::platform {
namespace {

constexpr size_t MaxRecorded = 256;

bool Record(TSystemRequest request) {
  auto& requests = SystemRequests();
  if (requests.size() >= MaxRecorded) requests.erase(requests.begin());
  requests.push_back(std::move(request));
  return true;
}

}  // namespace

bool ShellOpen(const std::string& path) { return Record({TSystemRequest::Open, path, 0.0f}); }

bool SetMasterVolume(float level) { return Record({TSystemRequest::Volume, {}, level}); }

bool ShutDown() { return Record({TSystemRequest::ShutDown, {}, 0.0f}); }

bool Restart() { return Record({TSystemRequest::Restart, {}, 0.0f}); }

bool LockWorkstation() { return Record({TSystemRequest::Lock, {}, 0.0f}); }

std::vector<TSystemRequest>& SystemRequests() {
  static std::vector<TSystemRequest> requests;
  return requests;
}

}  // namespace zorn::platform
