// The socket calls of the TCP-server service on POSIX: non-blocking BSD
// sockets; a send never raises SIGPIPE.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/tcp_calls.h"

namespace zorn::platform::net {
namespace {

bool MakeNonBlocking(int fd) {
  int flags = fcntl(fd, F_GETFL, 0);
  if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) return false;
  return fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

int Fd(TSocketHandle socket) { return static_cast<int>(socket); }

}  // namespace

void AcquireLibrary() {}
void ReleaseLibrary() {}

bool ParseAddress(const std::string& text, uint32_t& address) {
  if (text.empty()) {
    address = htonl(INADDR_ANY);
    return true;
  }
  address = inet_addr(text.c_str());
  return address != INADDR_NONE;
}

TSocketHandle BindStream(uint32_t address, uint16_t port, bool& notLocal) {
  notLocal = false;
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return kNoSocket;
  // A restarted server binds again while connections of the last one linger
  // in TIME_WAIT; a port that another socket listens on still fails.
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  sa.sin_addr.s_addr = address;
  if (!MakeNonBlocking(fd) || bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
    notLocal = errno == EADDRNOTAVAIL;
    close(fd);
    return kNoSocket;
  }
  return static_cast<TSocketHandle>(fd);
}

bool StartListening(TSocketHandle socket, int backlog) { return listen(Fd(socket), backlog) == 0; }

uint16_t LocalPort(TSocketHandle socket) {
  sockaddr_in sa{};
  socklen_t len = sizeof sa;
  if (getsockname(Fd(socket), reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
  return ntohs(sa.sin_port);
}

TIo AcceptOne(TSocketHandle listener, TSocketHandle& accepted, std::array<uint8_t, 4>& peer) {
  sockaddr_in sa{};
  socklen_t len = sizeof sa;
  int fd;
  do {
    fd = accept(Fd(listener), reinterpret_cast<sockaddr*>(&sa), &len);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (WouldBlock(errno)) return TIo::WouldBlock;
    // The connection went away before it was taken; others may wait.
    if (errno == ECONNABORTED || errno == EPROTO || errno == EPERM) return TIo::Closed;
    return TIo::Failed;  // EMFILE, ENFILE, ENOBUFS, ENOMEM
  }
  if (!MakeNonBlocking(fd)) {
    close(fd);
    return TIo::Closed;
  }
  // Finds, after the OS's long idle time, a peer that vanished without a word.
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  std::memcpy(peer.data(), &sa.sin_addr.s_addr, 4);
  accepted = static_cast<TSocketHandle>(fd);
  return TIo::Done;
}

TIoResult Receive(TSocketHandle socket, void* buffer, size_t size) {
  for (;;) {
    ssize_t n = recv(Fd(socket), buffer, size, 0);
    if (n > 0) return {TIo::Done, static_cast<size_t>(n)};
    if (n == 0) return {TIo::Closed, 0};
    if (errno == EINTR) continue;
    return {WouldBlock(errno) ? TIo::WouldBlock : TIo::Failed, 0};
  }
}

TIoResult SendSome(TSocketHandle socket, const void* bytes, size_t count) {
  for (;;) {
    ssize_t n = send(Fd(socket), bytes, count, MSG_NOSIGNAL);
    if (n >= 0) return {TIo::Done, static_cast<size_t>(n)};
    if (errno == EINTR) continue;
    return {WouldBlock(errno) ? TIo::WouldBlock : TIo::Failed, 0};
  }
}

void CloseSocket(TSocketHandle socket) { close(Fd(socket)); }

}  // namespace zorn::platform::net
