// Portable parts of the serial-port service.
#include "platform/serial.h"

namespace zorn::platform {

char ParityLetter(uint32_t parity) {
  static constexpr char letters[] = "NOEMS";
  return parity < sizeof letters - 1 ? letters[parity] : '\0';
}

std::string SerialModeText(const TSerialSettings& settings) {
  char letter = ParityLetter(settings.Parity);
  if (letter == '\0') return {};
  return "baud=" + std::to_string(settings.BaudRate) + " parity=" + letter +
         " data=8 stop=1 octs=off";
}

}  // namespace zorn::platform
