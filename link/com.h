// TZECOM: one serial port, opened, written, read and its DTR driven on
// request; it has no thread or timer of its own. TZEEnumCOM: lists the COM
// ports that can be opened.
#pragma once

#include <cstdint>

#include "platform/serial.h"
#include "runtime/wire.h"

namespace zorn {

class TZECOM : public TElement {
 public:
  // Longest read; larger counts, negative ones included, read this much.
  static constexpr uint32_t MaxRead = 4096;

  // Zero-based port index (COM1 is 0); the default of PortInput is Port + 1.
  uint8_t Port = 0;
  // Default of BaudRateInput.
  uint32_t BaudRate = 0;
  // Index into "NOEMS"; an index outside it makes Open fail.
  uint32_t Parity = 0;
  // The read and write time-out in milliseconds (see platform/serial.h).
  uint32_t Timeout = 0;

  // Opens the port: first closes it, then reads PortInput (the 1-based port
  // number) and BaudRateInput as integers. Reports nothing either way; a
  // failure leaves the port closed.
  void Open(TData& data, uint16_t index);
  void Close(TData& data, uint16_t index);
  // Writes the received value as text in one request and forwards the count
  // written to OnWrite, 0 when the write failed. Does nothing while closed.
  void Write(TData& data, uint16_t index);
  // Reads up to ToInt of the received value bytes (at most MaxRead) and
  // forwards what came, possibly nothing, to OnRead as Str; a failed read
  // gives the empty text. Does nothing while closed.
  void Read(TData& data, uint16_t index);
  // Drops DTR for an Int 0, raises it for any other value. Does nothing while
  // closed; a port without the line ignores it.
  void SetDTR(TData& data, uint16_t index);

  bool IsOpen() const { return port_.IsOpen(); }

  TWire OnWrite;
  TWire OnRead;

  TWire BaudRateInput;
  TWire PortInput;

 private:
  platform::TSerialPort port_;
};

class TZEEnumCOM : public TElement {
 public:
  // Highest port tried.
  static constexpr int32_t LastPort = 256;

  // Probes COM1 to COM256 in rising order and calls OnPort with the number
  // of each port that can be opened exclusively (nested, one call a port).
  // Nothing marks the end of the scan.
  void Enum(TData& data, uint16_t index);

  TWire OnPort;
};

}  // namespace zorn
