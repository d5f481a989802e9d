// The Win32 serial port under Wine, on a COM port of the prefix that leads to
// a pseudo-terminal; serial_wine.sh plays the device on the other end.
//   serial_wine.exe N        the exchange on COMN
//   serial_wine.exe --ready  returns at once (the script makes the prefix)
// Prints each failed check; the exit code is the number of failures.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/serial.h"

namespace zp = zorn::platform;

namespace {

int failures = 0;

void Check(bool ok, const char* what, const std::string& detail = {}) {
  if (!ok) {
    ++failures;
    std::printf("FAILED: %s %s\n", what, detail.c_str());
  } else {
    std::printf("ok: %s %s\n", what, detail.c_str());
  }
  std::fflush(stdout);
}

zp::TSerialSettings Settings(uint32_t baud, uint32_t parity, uint32_t timeoutMs) {
  zp::TSerialSettings s;
  s.BaudRate = baud;
  s.Parity = parity;
  s.TimeoutMs = timeoutMs;
  return s;
}

// Lines from the port; bytes after an LF wait for the next call.
class TLineReader {
 public:
  explicit TLineReader(zp::TSerialPort& port) : port_(port) {}
  // The next line with its LF, or what came before `ms` ran out.
  std::string Next(DWORD ms) {
    DWORD start = GetTickCount();
    std::string chunk;
    for (;;) {
      size_t lf = pending_.find('\n');
      if (lf != std::string::npos) {
        std::string line = pending_.substr(0, lf + 1);
        pending_.erase(0, lf + 1);
        return line;
      }
      if (GetTickCount() - start >= ms || !port_.Read(4096, chunk)) break;
      pending_ += chunk;
    }
    std::string rest;
    rest.swap(pending_);
    return rest;
  }

 private:
  zp::TSerialPort& port_;
  std::string pending_;
};

HANDLE OpenRaw(uint32_t com) {
  return CreateFileA(zp::SerialDevicePath(com).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                     OPEN_EXISTING, 0, nullptr);
}

void CheckSettings(uint32_t com) {
  zp::TSerialPort port;
  Check(port.Open(com, Settings(19200, zp::parOdd, 10)), "open at 19200 O");
  zp::TSerialPort second;
  Check(!second.Open(com, Settings(9600, zp::parNone, 10)), "a second open of the port is refused");
  Check(!zp::ProbeSerialPort(com), "the probe sees the port in use");
  // Windows refuses a second CreateFileA of a COM port by itself; Wine lets
  // it through, which is why the service keeps count of its own ports.
  HANDLE h = OpenRaw(com);
  std::printf("note: a second CreateFileA of the open port under this system: %s\n",
              h == INVALID_HANDLE_VALUE ? "refused" : "allowed");
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  port.Close();
  Check(zp::ProbeSerialPort(com), "the probe sees the port free after Close");

  // The line keeps its settings after Close; read them back through a new
  // handle. (The pseudo-terminal drops the parity enable bit, so parity is
  // not compared.)
  h = OpenRaw(com);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  bool got = h != INVALID_HANDLE_VALUE && GetCommState(h, &dcb);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  Check(got, "GetCommState on a new handle");
  if (got) {
    Check(dcb.BaudRate == 19200, "baud rate", std::to_string(dcb.BaudRate));
    Check(dcb.ByteSize == 8 && dcb.StopBits == ONESTOPBIT, "8 data bits, 1 stop bit",
          std::to_string(dcb.ByteSize) + " " + std::to_string(dcb.StopBits));
    Check(!dcb.fOutxCtsFlow && !dcb.fOutX && !dcb.fInX, "no flow control");
  }

  Check(!zp::ProbeSerialPort(com + 1), "a COM port without a device is not free",
        std::to_string(com + 1));
  zp::TSerialPort bad;
  Check(!bad.Open(com, Settings(9600, 5, 10)), "a parity without a letter is refused");
  Check(!bad.Open(0, Settings(9600, zp::parNone, 10)), "COM0 does not open");
}

void CheckExchange(uint32_t com) {
  zp::TSerialPort port;
  if (!port.Open(com, Settings(9600, zp::parNone, 10))) {
    Check(false, "open at 9600 N", zp::SerialDevicePath(com));
    return;
  }
  // An idle line: a one-byte read returns empty after about 20 ms.
  std::string bytes = "x";
  DWORD start = GetTickCount();
  bool ok = port.Read(1, bytes);
  DWORD took = GetTickCount() - start;
  Check(ok && bytes.empty() && took < 1000, "idle one-byte read returns empty",
        std::to_string(took) + " ms");

  uint32_t written = 0;
  const std::string hello = "hello \xE7\xEE\xF0\xED\r\n";  // CP1251 "зорн"
  bool sent = port.Write(hello, written);
  Check(sent && written == hello.size(), "write the greeting", std::to_string(written));
  TLineReader lines(port);
  std::string reply = lines.Next(10000);
  Check(reply == "ack:hello \xE7\xEE\xF0\xED\r\n", "the device's answer", reply);

  // A long line arrives in several reads.
  std::string burst = lines.Next(10000);
  Check(burst == std::string(2000, 'x') + "\n", "a 2000-byte line", std::to_string(burst.size()));

  bool dtr = port.SetDtr(true) && port.SetDtr(false);
  std::printf("note: DTR on a pseudo-terminal under Wine: %s\n", dtr ? "accepted" : "refused");
  Check(port.Write("bye\n", written) && written == 4, "write the farewell");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--ready") == 0) return 0;
  if (argc != 2) {
    std::printf("usage: serial_wine.exe N | --ready\n");
    return 2;
  }
  uint32_t com = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
  CheckSettings(com);
  CheckExchange(com);
  std::printf("%d failure(s)\n", failures);
  return failures;
}
