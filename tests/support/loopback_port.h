// A free TCP port on loopback, for tests and benchmarks that need a server
// of their own. It is taken below the OS's range of ephemeral ports (the
// local ports connect picks): a client that retries a port of that range
// before anyone listens there can be given that very port as its own and
// connect to itself.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>
#include <utility>

namespace zorn::test {

// The first and last ephemeral port (Linux: ip_local_port_range).
inline std::pair<int, int> EphemeralPorts() {
  std::ifstream range("/proc/sys/net/ipv4/ip_local_port_range");
  int first = 32768, last = 60999;
  if (!(range >> first >> last) || first < 1 || last < first || last > 65535) {
    first = 32768;
    last = 60999;
  }
  return {first, last};
}

// True when `port` can be bound on every local address just now.
inline bool PortFree(uint16_t port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  sa.sin_addr.s_addr = htonl(INADDR_ANY);
  bool free = bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0;
  close(fd);
  return free;
}

// A port that was free a moment ago on every local address, outside the
// ephemeral range: from 10000 up to the range's start, or above its end when
// the range starts too low; 0 when none was found.
inline uint16_t FreeLoopbackPort() {
  auto [first, last] = EphemeralPorts();
  int low = 10000, high = first - 1;
  if (high - low < 1000) {
    low = last + 1;
    high = 65535;
  }
  if (high < low) return 0;
  // Tests run side by side: each process draws its own sequence.
  static std::minstd_rand draw(static_cast<uint32_t>(
      getpid() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
  std::uniform_int_distribution<int> pick(low, high);
  for (int attempt = 0; attempt < 500; ++attempt) {
    uint16_t port = static_cast<uint16_t>(pick(draw));
    if (PortFree(port)) return port;
  }
  return 0;
}

}  // namespace zorn::test
