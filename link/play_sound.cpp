#include "link/play_sound.h"

#include "platform/sound.h"
#include "runtime/paths.h"

namespace zorn {

uint32_t TZEPlaySound::ModeFlags(uint8_t mode) {
  switch (mode) {
    case pmSync: return platform::sndSync;
    case pmAsyncLoop: return platform::sndAsync | platform::sndLoop;
    default: return platform::sndAsync;
  }
}

void TZEPlaySound::Play(TData& data, uint16_t) {
  std::string name = !ResourceName.empty() ? ResourceName : ReadStr(data, FileNameInput, FileName);
  uint32_t flags = ModeFlags(Mode);
  platform::TResourceBytes resource;
  if (platform::SoundFileExists(name)) {
    platform::PlaySoundFile(name, flags);
  } else if (!name.empty() && (resource = LoadUserResource(name)).Found()) {
    platform::PlaySoundMemory(resource.Data, resource.Size, flags);
  } else {
    platform::StopSound();
  }
  ForwardNull(data, OnPlay);
}

}  // namespace zorn
