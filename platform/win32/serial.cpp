// The Win32 serial port: the kernel32 comm functions on "\\.\ComN", opened
// without sharing and without overlapped I/O.
#include "platform/serial.h"

#include <windows.h>

#include <set>

namespace zorn::platform {
namespace {

// The ports this process holds open. Windows refuses a second open of a COM
// port by itself, Wine does not; the count keeps the program's own ports out
// of a second open and out of the probe on both.
std::set<uint32_t>& HeldPorts() {
  static std::set<uint32_t> held;
  return held;
}

HANDLE OpenDevice(uint32_t port) {
  if (port == 0) return INVALID_HANDLE_VALUE;
  return CreateFileA(SerialDevicePath(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One value fills all five time-outs. All zeros would make a read wait until
// every asked byte has come, however long; a time-out of 0 therefore asks
// for a read that returns at once with what has arrived.
COMMTIMEOUTS UniformTimeouts(uint32_t ms) {
  COMMTIMEOUTS t{};
  if (ms == 0) {
    t.ReadIntervalTimeout = MAXDWORD;
    return t;
  }
  t.ReadIntervalTimeout = ms;
  t.ReadTotalTimeoutMultiplier = ms;
  t.ReadTotalTimeoutConstant = ms;
  t.WriteTotalTimeoutMultiplier = ms;
  t.WriteTotalTimeoutConstant = ms;
  return t;
}

}  // namespace

TSerialPort::~TSerialPort() { Close(); }

bool TSerialPort::Open(uint32_t port, const TSerialSettings& settings) {
  Close();
  std::string mode = SerialModeText(settings);
  if (mode.empty() || HeldPorts().count(port) != 0) return false;
  HANDLE h = OpenDevice(port);
  if (h == INVALID_HANDLE_VALUE) return false;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  COMMTIMEOUTS timeouts = UniformTimeouts(settings.TimeoutMs);
  if (!GetCommState(h, &dcb) || !BuildCommDCBA(mode.c_str(), &dcb) || !SetCommState(h, &dcb) ||
      !SetCommTimeouts(h, &timeouts)) {
    CloseHandle(h);
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(h);
  timeoutMs_ = settings.TimeoutMs;
  port_ = port;
  HeldPorts().insert(port);
  return true;
}

void TSerialPort::Close() {
  if (!IsOpen()) return;
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = InvalidHandle;
  HeldPorts().erase(port_);
}

bool TSerialPort::Write(const std::string& bytes, uint32_t& written) {
  written = 0;
  if (!IsOpen()) return false;
  DWORD n = 0;
  BOOL ok = WriteFile(reinterpret_cast<HANDLE>(handle_), bytes.data(),
                      static_cast<DWORD>(bytes.size()), &n, nullptr);
  written = n;
  return ok != FALSE;
}

bool TSerialPort::Read(uint32_t maxBytes, std::string& bytes) {
  bytes.clear();
  if (!IsOpen()) return false;
  bytes.resize(maxBytes);
  DWORD n = 0;
  BOOL ok = ReadFile(reinterpret_cast<HANDLE>(handle_), bytes.data(), maxBytes, &n, nullptr);
  bytes.resize(ok ? n : 0);
  return ok != FALSE;
}

bool TSerialPort::SetDtr(bool on) {
  if (!IsOpen()) return false;
  return EscapeCommFunction(reinterpret_cast<HANDLE>(handle_), on ? SETDTR : CLRDTR) != FALSE;
}

bool ProbeSerialPort(uint32_t port) {
  if (HeldPorts().count(port) != 0) return false;
  HANDLE h = OpenDevice(port);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

std::string SerialDevicePath(uint32_t port) {
  if (port == 0) return {};
  return "\\\\.\\Com" + std::to_string(port);
}

// Windows names its ports itself.
void SetSerialDevicePath(uint32_t, const std::string&) {}

}  // namespace zorn::platform
