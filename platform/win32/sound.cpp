// Sounds through winmm.
#include "platform/sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace zorn::platform {

bool SoundFileExists(const std::string& path) {
  if (path.empty()) return false;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void PlaySoundFile(const std::string& path, uint32_t flags) { sndPlaySoundA(path.c_str(), flags); }

void PlaySoundMemory(const uint8_t* data, size_t, uint32_t flags) {
  PlaySoundA(reinterpret_cast<LPCSTR>(data), nullptr, flags | SND_MEMORY);
}

void StopSound() { PlaySoundA(nullptr, nullptr, SND_ASYNC); }

// Win32 plays its sounds; there is nothing to record.
std::vector<TSoundRequest>& SoundRequests() {
  static std::vector<TSoundRequest> none;
  return none;
}

}  // namespace zorn::platform
