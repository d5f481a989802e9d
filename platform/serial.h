// The serial-port service: one COM port, opened by number, with synchronous
// reads and writes bounded by a uniform time-out. Win32 uses the kernel32 comm
// functions on "\\.\ComN"; POSIX uses termios on the device that COMn maps to.
#pragma once

#include <cstdint>
#include <string>

namespace zorn::platform {

// Parity by index into "NOEMS".
enum TParity : uint32_t {
  parNone = 0,
  parOdd = 1,
  parEven = 2,
  parMark = 3,
  parSpace = 4,
};

// Line settings. Data bits are always 8, stop bits 1, every flow control off.
struct TSerialSettings {
  uint32_t BaudRate = 9600;
  uint32_t Parity = parNone;
  // Milliseconds. A read of n bytes returns after at most Timeout * n +
  // Timeout ms, or sooner when Timeout ms pass between two received bytes; a
  // write of n bytes gets Timeout * n + Timeout ms. 0 means no waiting: a read
  // returns what has already arrived, a write hands the driver what it takes
  // at once (Win32: the write is then untimed, which with flow control off
  // ends as soon as the bytes are sent).
  uint32_t TimeoutMs = 0;
};

// The parity letter of `parity`, or '\0' for an index outside "NOEMS".
char ParityLetter(uint32_t parity);
// The Windows mode text of `settings`, e.g. "baud=9600 parity=N data=8
// stop=1 octs=off"; empty when the parity index has no letter.
std::string SerialModeText(const TSerialSettings& settings);

// One open port, or none. Closed on destruction. Every call returns at once
// on a closed port with its failure value.
class TSerialPort {
 public:
  TSerialPort() = default;
  ~TSerialPort();
  TSerialPort(const TSerialPort&) = delete;
  TSerialPort& operator=(const TSerialPort&) = delete;

  // Closes any open port, then opens COM`port` (1-based) exclusively and
  // applies `settings`. False, and closed, when the device is missing, busy,
  // or refuses the settings.
  bool Open(uint32_t port, const TSerialSettings& settings);
  void Close();
  bool IsOpen() const { return handle_ != InvalidHandle; }

  // Writes `bytes` as one request. True with the count written (fewer than
  // asked when the write time-out ran out); false when the device failed, for
  // example because it went away.
  bool Write(const std::string& bytes, uint32_t& written);
  // Reads at most `maxBytes` bytes into `bytes` (replacing its contents),
  // waiting no longer than the time-out. True also when nothing arrived;
  // false when the device failed.
  bool Read(uint32_t maxBytes, std::string& bytes);
  // Raises or drops DTR. False when the device has no such line (a
  // pseudo-terminal) or failed.
  bool SetDtr(bool on);

 private:
  static constexpr intptr_t InvalidHandle = -1;
  // Win32: the HANDLE; POSIX: the file descriptor.
  intptr_t handle_ = InvalidHandle;
  uint32_t timeoutMs_ = 0;
  // The COM number while open.
  uint32_t port_ = 0;
};

// Whether COM`port` could be opened exclusively right now; the test open is
// closed at once. A port open elsewhere, in this process too, is not free.
bool ProbeSerialPort(uint32_t port);

// The device COM`port` opens. Win32: "\\.\ComN". POSIX: the path set with
// SetSerialDevicePath, else the environment variable ZORN_COM<n>, else
// /dev/ttyS<n-1>; native form. Empty for port 0.
std::string SerialDevicePath(uint32_t port);
// POSIX only: makes COM`port` open the native device `path` (a
// pseudo-terminal in tests); an empty path removes the override. Win32
// ignores it.
void SetSerialDevicePath(uint32_t port, const std::string& path);

}  // namespace zorn::platform
