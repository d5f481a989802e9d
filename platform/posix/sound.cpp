// The POSIX build has no sound output: the panel runs there only in tests and
// on the headless backend. Requests are recorded instead.
#include "platform/sound.h"

#include <sys/stat.h>

#include <utility>

#include "platform/paths.h"

namespace zorn::platform {
namespace {

constexpr size_t MaxRecorded = 256;

void Record(TSoundRequest request) {
  auto& requests = SoundRequests();
  if (requests.size() >= MaxRecorded) requests.erase(requests.begin());
  requests.push_back(std::move(request));
}

}  // namespace

bool SoundFileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(ToNativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void PlaySoundFile(const std::string& path, uint32_t flags) {
  Record({TSoundRequest::File, path, {}, flags});
}

void PlaySoundMemory(const uint8_t* data, size_t size, uint32_t flags) {
  Record({TSoundRequest::Memory, {}, std::string(reinterpret_cast<const char*>(data), size),
          flags | sndMemory});
}

void StopSound() { Record({TSoundRequest::Stop, {}, {}, sndAsync}); }

std::vector<TSoundRequest>& SoundRequests() {
  static std::vector<TSoundRequest> requests;
  return requests;
}

}  // namespace zorn::platform
