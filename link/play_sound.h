// TZEPlaySound: plays a sound file, else one of the program's own sounds
// (resources of type 100), else stops the sound that plays.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

enum TPlayMode : uint8_t {
  pmSync = 0,       // the call returns when the sound has ended
  pmAsync = 1,      // a new sound replaces the one playing
  pmAsyncLoop = 2,  // as Async, repeating until replaced or stopped
};

class TZEPlaySound : public TElement {
 public:
  // Any other value plays as pmAsync, so that no stray mode can hold the
  // loop thread for the length of a sound.
  uint8_t Mode = pmSync;
  // Default of FileNameInput.
  std::string FileName;
  // When not empty, the name of the sound; FileName is then never read.
  std::string ResourceName;
  TWire FileNameInput;

  // Takes the name, plays the file of that name (relative to the current
  // folder) or else the resource, or else stops the sound; then forwards
  // Null to OnPlay.
  void Play(TData& data, uint16_t index);

  TWire OnPlay;

  // The winmm flags of a mode.
  static uint32_t ModeFlags(uint8_t mode);
};

}  // namespace zorn
