// termios details of the POSIX serial port, apart so that tests can check the
// settings a pseudo-terminal cannot hold (it always clears PARENB).
#pragma once

#include <termios.h>

#include <cstdint>

#include "platform/serial.h"

namespace zorn::platform::serial {

// Turns `t`, as read from the device, into the raw line of `settings`: 8 data
// bits, 1 stop bit, the parity, no flow control and no processing; the
// driver's own read timer is off (the port times its reads with poll). The
// speed is left alone. False when the parity index has no letter.
bool SetLineTermios(const TSerialSettings& settings, termios& t);

// The termios code of a standard `baud` rate; false for 0 and for rates
// without a code.
bool StandardSpeed(uint32_t baud, speed_t& code);

// Sets a rate without a standard code (Linux termios2); false where the
// driver or the system cannot.
bool SetCustomSpeed(int fd, uint32_t baud);
// The output rate the driver holds, asked through termios2; false where that
// interface is missing.
bool DriverSpeed(int fd, uint32_t& baud);

}  // namespace zorn::platform::serial
