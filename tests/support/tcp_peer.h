// A TCP client on loopback for tests of the server side: connects from a
// chosen 127.x.y.z address (so that two clients show different peer texts),
// sends, and reads without blocking so that a test can drive the loop and
// read in turn. Every wait has a deadline.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/loopback_port.h"

namespace zorn::test {

class TPeer {
 public:
  TPeer() = default;
  TPeer(const TPeer&) = delete;
  TPeer& operator=(const TPeer&) = delete;
  ~TPeer() { Close(); }

  // Connects to `to`:port from `local`; a receive buffer of
  // `receiveBuffer` bytes when not 0. The kernel completes the connection
  // before the server accepts it, so this returns without the loop running.
  bool Connect(uint16_t port, const char* local = "127.0.0.1", int receiveBuffer = 0,
               const char* to = "127.0.0.1") {
    Close();
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    if (fd_ < 0) return false;
    if (receiveBuffer > 0) setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    // A connect that finds the backlog full gives up instead of hanging.
    timeval limit{2, 0};
    setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    // The local port is chosen by connect, which knows the destination and
    // so never picks one whose last connection there lingers in TIME_WAIT.
    int noPort = 1;
    setsockopt(fd_, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &noPort, sizeof noPort);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = inet_addr(local);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = inet_addr(to);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        connect(fd_, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
      Close();
      return false;
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL, 0) | O_NONBLOCK);
    eof_ = false;
    Received.clear();
    return true;
  }

  // Sends all of `bytes` (waiting for room up to a second); false on failure.
  bool Send(std::string_view bytes) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!bytes.empty()) {
      ssize_t n = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (n > 0) {
        bytes.remove_prefix(static_cast<size_t>(n));
        continue;
      }
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd p{fd_, POLLOUT, 0};
      poll(&p, 1, 10);
    }
    return true;
  }

  // Appends whatever has arrived to Received, without waiting. Notes the end
  // of the stream (or a reset) in Ended.
  void ReadAvailable() {
    char buffer[65536];
    for (;;) {
      ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
      if (n > 0) {
        Received.append(buffer, static_cast<size_t>(n));
        continue;
      }
      if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) eof_ = true;
      return;
    }
  }
  bool Ended() const { return eof_; }

  // Reads until `count` bytes have come, the stream ended or the deadline
  // passed; for data the server has sent already (nothing of the loop needed).
  std::string ReceiveNow(size_t count, std::chrono::milliseconds wait = std::chrono::seconds(2)) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    while (Received.size() < count && !eof_ && std::chrono::steady_clock::now() < deadline) {
      pollfd p{fd_, POLLIN, 0};
      poll(&p, 1, 10);
      ReadAvailable();
    }
    return Received;
  }

  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }
  // Ends the connection with a reset instead of a close.
  void Reset() {
    linger l{1, 0};
    setsockopt(fd_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    Close();
  }
  int Fd() const { return fd_; }

  std::string Received;

 private:
  int fd_ = -1;
  bool eof_ = false;
};

}  // namespace zorn::test
