#include "link/com.h"

#include <string>

namespace zorn {

void TZECOM::Open(TData& data, uint16_t) {
  port_.Close();
  int32_t number = ReadInt(data, PortInput, static_cast<int32_t>(Port) + 1);
  int32_t baud = ReadInt(data, BaudRateInput, static_cast<int32_t>(BaudRate));
  // A port number below 1 names no device.
  if (number < 1) return;
  platform::TSerialSettings settings;
  settings.BaudRate = static_cast<uint32_t>(baud);
  settings.Parity = Parity;
  settings.TimeoutMs = Timeout;
  port_.Open(static_cast<uint32_t>(number), settings);
}

void TZECOM::Close(TData&, uint16_t) { port_.Close(); }

void TZECOM::Write(TData& data, uint16_t) {
  if (!port_.IsOpen()) return;
  uint32_t written = 0;
  bool ok = port_.Write(ToStr(data), written);
  ForwardInt(data, OnWrite, ok ? static_cast<int32_t>(written) : 0);
}

void TZECOM::Read(TData& data, uint16_t) {
  if (!port_.IsOpen()) return;
  uint32_t count = static_cast<uint32_t>(ToInt(data));
  if (count > MaxRead) count = MaxRead;
  std::string bytes;
  if (!port_.Read(count, bytes)) bytes.clear();
  ForwardStr(data, OnRead, std::move(bytes));
}

void TZECOM::SetDTR(TData& data, uint16_t) {
  if (!port_.IsOpen()) return;
  port_.SetDtr(IsTrue(data));
}

void TZEEnumCOM::Enum(TData&, uint16_t) {
  for (int32_t n = 1; n <= LastPort; ++n) {
    // The probe is closed before OnPort runs, so a handler may open the port.
    if (platform::ProbeSerialPort(static_cast<uint32_t>(n))) FireInt(OnPort, n);
  }
}

}  // namespace zorn
