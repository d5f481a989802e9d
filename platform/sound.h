// The sound service: plays a WAVE file or WAVE bytes in memory, or stops the
// sound that plays. Win32 calls winmm (sndPlaySoundA, PlaySoundA). The POSIX
// build plays nothing: it records each request for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorn::platform {

// The winmm flag values.
enum TSoundFlags : uint32_t {
  sndSync = 0x0000,
  sndAsync = 0x0001,
  sndMemory = 0x0004,
  sndLoop = 0x0008,
};

// Whether `path` names an existing file that is not a folder; a relative name
// is taken from the current folder.
bool SoundFileExists(const std::string& path);
// sndPlaySoundA(path, flags): the new sound replaces any that plays; with
// sndSync the call returns when it has ended.
void PlaySoundFile(const std::string& path, uint32_t flags);
// PlaySoundA(data, no module, flags | sndMemory). The bytes must stay valid
// while the sound plays (the program's resources always do).
void PlaySoundMemory(const uint8_t* data, size_t size, uint32_t flags);
// PlaySoundA with no sound and sndAsync: stops any sound that plays.
void StopSound();

// The POSIX record of requests, oldest first, at most the last 256; tests read
// and clear it. Empty on Win32.
struct TSoundRequest {
  enum TKind { File, Memory, Stop };
  TKind Kind = Stop;
  std::string Path;   // File
  std::string Bytes;  // Memory: a copy of the bytes played
  uint32_t Flags = 0; // as passed to the winmm call, sndMemory included
};
std::vector<TSoundRequest>& SoundRequests();

}  // namespace zorn::platform
