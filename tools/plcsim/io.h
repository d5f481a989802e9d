// The simulator's only OS seam: a byte channel to the panel (a TCP connection
// or a serial device), a sleep, and the start-up of the socket library.
// posix_io.cpp and win32_io.cpp implement it; every other file is portable.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace plcsim {

struct Readiness {
  // Bytes are waiting, or the channel has closed; read_some tells which.
  bool readable = false;
  bool writable = false;
};

class Channel {
 public:
  virtual ~Channel() = default;  // an orderly close

  /// Waits at most timeout_ms (0: only looks) until bytes can be read or,
  /// with want_write, until bytes can be written.
  virtual Readiness wait(bool want_write, int timeout_ms) = 0;

  /// Bytes read (> 0), 0 when none are waiting, -1 when the peer has closed
  /// or the channel has failed.
  virtual long read_some(char* buffer, std::size_t capacity) = 0;

  /// Bytes accepted (0 when the channel is full for now), -1 on failure.
  virtual long write_some(const char* data, std::size_t size) = 0;

  /// Ends the channel abruptly: a TCP connection is reset, not closed, once
  /// what was written has left; a serial device is simply let go. The channel
  /// is unusable afterwards.
  virtual void abort() = 0;
};

/// Prepares the socket library and the process (broken pipes must not kill it).
bool io_startup(std::string& error);

/// One connection attempt to host:port that waits at most timeout_ms, from
/// the local "ADDRESS" or "ADDRESS:PORT" in `from` when it is not empty. A
/// connection that turns out to lead to itself (its own address and port at
/// both ends: a simultaneous open, when host:port is one of the local ports
/// connect hands out and nobody listens there yet) is closed and counts as
/// a failure, so a retry cannot leave the port taken by a talk with itself.
std::unique_ptr<Channel> connect_tcp(const std::string& host, const std::string& port,
                                     const std::string& from, int timeout_ms, std::string& error);

/// Opens a serial device raw, 8 data bits, no parity, 1 stop bit, no flow
/// control, at the given speed.
std::unique_ptr<Channel> open_serial(const std::string& path, long baud, std::string& error);

void sleep_ms(int ms);

}  // namespace plcsim
