// POSIX channels: non-blocking sockets and termios devices driven by poll().
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include "io.h"

namespace plcsim {
namespace {

enum class FdKind { Socket, Terminal };

long long monotonic_ms() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

class FdChannel final : public Channel {
 public:
  FdChannel(int fd, FdKind kind) : fd_(fd), kind_(kind) {}
  ~FdChannel() override {
    if (fd_ >= 0) ::close(fd_);
  }

  Readiness wait(bool want_write, int timeout_ms) override {
    pollfd p{fd_, static_cast<short>(POLLIN | (want_write ? POLLOUT : 0)), 0};
    Readiness r;
    if (::poll(&p, 1, timeout_ms) > 0) {
      // A hang-up or an error counts as readable: the read reports it.
      r.readable = (p.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
      r.writable = (p.revents & POLLOUT) != 0;
    }
    return r;
  }

  long read_some(char* buffer, std::size_t capacity) override {
    ssize_t n = ::read(fd_, buffer, capacity);
    if (n > 0) return static_cast<long>(n);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
    return -1;  // end of stream, a reset, or a terminal whose other side is gone
  }

  long write_some(const char* data, std::size_t size) override {
    ssize_t n = kind_ == FdKind::Socket ? ::send(fd_, data, size, MSG_NOSIGNAL)
                                        : ::write(fd_, data, size);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
    return -1;
  }

  void abort() override {
    if (fd_ < 0) return;
    if (kind_ == FdKind::Socket) {
      // A reset throws away whatever the kernel still holds, so the lines
      // already written are given a moment to leave first.
#ifdef TIOCOUTQ
      const long long until = monotonic_ms() + 200;
      int queued = 0;
      while (::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && monotonic_ms() < until)
        sleep_ms(1);
#endif
      linger hard{1, 0};
      ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
    ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
  FdKind kind_;
};

bool set_nonblocking(int fd) {
  int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// Both ends of a connected socket are one and the same address and port.
bool connected_to_itself(int fd) {
  sockaddr_storage own{}, peer{};
  socklen_t own_len = sizeof own, peer_len = sizeof peer;
  if (::getsockname(fd, reinterpret_cast<sockaddr*>(&own), &own_len) != 0 ||
      ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peer_len) != 0)
    return false;
  return own_len == peer_len && std::memcmp(&own, &peer, own_len) == 0;
}

// Binds fd to "ADDRESS[:PORT]"; true at once when `from` is empty.
bool bind_from(int fd, const std::string& from, std::string& error) {
  if (from.empty()) return true;
  std::size_t colon = from.find(':');
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  if (::inet_pton(AF_INET, from.substr(0, colon).c_str(), &sa.sin_addr) != 1) {
    error = "bad local address " + from;
    return false;
  }
  if (colon != std::string::npos) {
    sa.sin_port = htons(static_cast<uint16_t>(std::stoi(from.substr(colon + 1))));
    // The port is taken again on every retry, after a close that may linger.
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  }
  if (::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
    error = "cannot bind " + from + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

int connect_one(const addrinfo* a, const std::string& from, int timeout_ms, std::string& error) {
  int fd = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
  if (fd < 0) {
    error = std::strerror(errno);
    return -1;
  }
  if (!set_nonblocking(fd)) {
    error = std::strerror(errno);
    ::close(fd);
    return -1;
  }
  if (!bind_from(fd, from, error)) {
    ::close(fd);
    return -1;
  }
  int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
  if (rc != 0 && errno == EINPROGRESS) {
    pollfd p{fd, POLLOUT, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) {
      error = "connection timed out";
      ::close(fd);
      return -1;
    }
    int so_error = 0;
    socklen_t len = sizeof so_error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &so_error, &len);
    rc = so_error == 0 ? 0 : -1;
    errno = so_error;
  }
  if (rc != 0) {
    error = std::strerror(errno);
    ::close(fd);
    return -1;
  }
  if (connected_to_itself(fd)) {
    error = "connected to itself (nobody listens there yet)";
    ::close(fd);
    return -1;
  }
  // Small writes must leave one by one, or split lines would be joined again.
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  return fd;
}

bool speed_of(long baud, speed_t& speed) {
  static const struct {
    long baud;
    speed_t speed;
  } table[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},
               {19200, B19200}, {38400, B38400}, {57600, B57600},   {115200, B115200},
               {230400, B230400}};
  for (const auto& row : table) {
    if (row.baud == baud) {
      speed = row.speed;
      return true;
    }
  }
  return false;
}

}  // namespace

bool io_startup(std::string&) {
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

std::unique_ptr<Channel> connect_tcp(const std::string& host, const std::string& port,
                                     const std::string& from, int timeout_ms, std::string& error) {
  addrinfo hints{};
  // A local address is IPv4, so the panel's is too.
  hints.ai_family = from.empty() ? AF_UNSPEC : AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (int rc = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found); rc != 0) {
    error = ::gai_strerror(rc);
    return nullptr;
  }
  int fd = -1;
  for (const addrinfo* a = found; a != nullptr && fd < 0; a = a->ai_next)
    fd = connect_one(a, from, timeout_ms, error);
  ::freeaddrinfo(found);
  if (fd < 0) return nullptr;
  return std::make_unique<FdChannel>(fd, FdKind::Socket);
}

std::unique_ptr<Channel> open_serial(const std::string& path, long baud, std::string& error) {
  speed_t speed{};
  if (!speed_of(baud, speed)) {
    error = "unsupported speed " + std::to_string(baud);
    return nullptr;
  }
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  termios t{};
  if (::tcgetattr(fd, &t) != 0) {
    error = std::string("not a terminal: ") + std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  // Raw both ways: no echo, no CR/LF translation on input or output.
  ::cfmakeraw(&t);
  t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  ::cfsetispeed(&t, speed);
  ::cfsetospeed(&t, speed);
  if (::tcsetattr(fd, TCSANOW, &t) != 0) {
    error = std::string("cannot set the line: ") + std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FdChannel>(fd, FdKind::Terminal);
}

void sleep_ms(int ms) {
  if (ms <= 0) return;
  timespec t{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
  }
}

}  // namespace plcsim
