// Running plcsim from a test: the program as a child process, the panel's
// ends of a link (a loopback listener, a connected socket, a pseudo-terminal
// master), each read with a deadline so that a silent peer fails the test
// instead of hanging it.
#pragma once

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/plcsim_process.h"

namespace plcsim_test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline long long ms_since(Clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

inline int ms_left(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

inline std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void write_file(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Waits until the file holds at least size bytes (the log is written as bytes arrive).
inline std::string wait_for_file(const fs::path& path, std::size_t size, int timeout_ms) {
  auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  std::string text;
  while ((text = read_file(path)).size() < size && ms_left(deadline) > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return text;
}

// A running plcsim; the destructor kills and reaps one that is still running.
class Plcsim : public PlcsimProcess {
 public:
  Plcsim(const std::vector<std::string>& args, const fs::path& stderr_file)
      : PlcsimProcess(args, stderr_file.string()) {}

  // The exit code, or -1 (with a test failure) when it did not end in time.
  int wait_exit(int timeout_ms) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      int status = 0;
      if (pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      if (ms_left(deadline) == 0) {
        ADD_FAILURE() << "plcsim did not end within " << timeout_ms << " ms";
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
};

// One end of a link, a connected socket or a pty master, read with deadlines.
class Peer {
 public:
  explicit Peer(int fd = -1) : fd_(fd) {}
  Peer(Peer&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Peer& operator=(Peer&& other) noexcept {
    if (this != &other) {
      close();
      fd_ = other.fd_;
      other.fd_ = -1;
    }
    return *this;
  }
  ~Peer() { close(); }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool ok() const { return fd_ >= 0; }
  int fd() const { return fd_; }

  void send(const std::string& bytes) const {
    ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // One read of what arrives within timeout_ms: the bytes, empty on time-out,
  // and in end the read's result when the link ended (0 or -errno).
  std::string read_chunk(int timeout_ms, int* end = nullptr) const {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return {};
    char buffer[65536];
    ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) return std::string(buffer, static_cast<std::size_t>(n));
    if (end != nullptr) *end = n == 0 ? 0 : -errno;
    return {};
  }

  // Bytes until they hold count LFs (or count bytes of CR with --ending cr).
  std::string read_until(char terminator, int count, int timeout_ms, int* end = nullptr) const {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    std::string got;
    int local_end = 1;
    while (static_cast<int>(std::count(got.begin(), got.end(), terminator)) < count && ms_left(deadline) > 0) {
      got += read_chunk(ms_left(deadline), &local_end);
      if (local_end <= 0) break;
    }
    if (end != nullptr) *end = local_end;
    return got;
  }

  std::string read_lines(int count, int timeout_ms = 2000) const { return read_until('\n', count, timeout_ms); }

  // Whatever arrives within quiet_ms; used to check that nothing more comes.
  std::string drain(int quiet_ms) const {
    std::string got, chunk;
    while (!(chunk = read_chunk(quiet_ms)).empty()) got += chunk;
    return got;
  }

  // Reads until the link ends; the read's result (0: orderly close, -errno),
  // or 1 when it stayed open. Bytes that still arrive go to rest.
  int wait_end(int timeout_ms, std::string* rest = nullptr) const {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    int end = 1;
    while (end > 0 && ms_left(deadline) > 0) {
      std::string chunk = read_chunk(ms_left(deadline), &end);
      if (rest != nullptr) *rest += chunk;
    }
    return end;
  }

 private:
  int fd_;
};

// The panel's side of TCP: a listening socket on 127.0.0.1.
class Listener {
 public:
  explicit Listener(int port = 0) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 4) != 0) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
    socklen_t len = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~Listener() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  int port() const { return port_; }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

  Peer accept(int timeout_ms) const {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return Peer();
    return Peer(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
  }

 private:
  int fd_ = -1;
  int port_ = 0;
};

inline std::vector<std::string> split_lines(const std::string& text, const std::string& ending = "\r\n") {
  std::vector<std::string> lines;
  std::size_t from = 0, at;
  while ((at = text.find(ending, from)) != std::string::npos) {
    lines.push_back(text.substr(from, at - from));
    from = at + ending.size();
  }
  return lines;
}

// The panel's acceptance rule: one digit, ";", then text with another ";".
inline bool panel_accepts(const std::string& line) {
  return line.size() >= 3 && line[0] >= '0' && line[0] <= '9' && line[1] == ';' &&
         line.find(';', 2) != std::string::npos;
}

// A pseudo-terminal pair: the test holds the master, plcsim opens
// the slave by its path. The slave is raw before plcsim comes, so nothing
// the test writes is echoed or translated.
class Pty {
 public:
  Pty() {
    termios raw{};
    ::cfmakeraw(&raw);
    char name[128];
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) return;
    // plcsim must not inherit the master, or closing it here hangs up nothing.
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    path_ = name;
  }
  ~Pty() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
  }
  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }
  int take_master() {
    int fd = master_;
    master_ = -1;
    return fd;
  }

 private:
  int master_ = -1, slave_ = -1;
  std::string path_;
};

}  // namespace plcsim_test
