// Win32 channels: a non-blocking Winsock socket driven by select(), and a COM
// port whose reads return at once with whatever has arrived.
#include <cstring>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include "io.h"

namespace plcsim {
namespace {

std::string socket_error_text(int code) {
  switch (code) {
    case WSAECONNREFUSED: return "connection refused";
    case WSAETIMEDOUT: return "connection timed out";
    case WSAENETUNREACH: return "network unreachable";
    case WSAEHOSTUNREACH: return "host unreachable";
    default: return "socket error " + std::to_string(code);
  }
}

class SocketChannel final : public Channel {
 public:
  explicit SocketChannel(SOCKET s) : s_(s) {}
  ~SocketChannel() override {
    if (s_ != INVALID_SOCKET) ::closesocket(s_);
  }

  Readiness wait(bool want_write, int timeout_ms) override {
    fd_set reads, writes, faults;
    FD_ZERO(&reads);
    FD_ZERO(&writes);
    FD_ZERO(&faults);
    FD_SET(s_, &reads);
    FD_SET(s_, &faults);
    if (want_write) FD_SET(s_, &writes);
    timeval tv{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
    Readiness r;
    if (::select(0, &reads, &writes, &faults, &tv) > 0) {
      r.readable = FD_ISSET(s_, &reads) || FD_ISSET(s_, &faults);
      r.writable = FD_ISSET(s_, &writes) != 0;
    }
    return r;
  }

  long read_some(char* buffer, std::size_t capacity) override {
    int n = ::recv(s_, buffer, static_cast<int>(capacity), 0);
    if (n > 0) return n;
    if (n == SOCKET_ERROR && ::WSAGetLastError() == WSAEWOULDBLOCK) return 0;
    return -1;
  }

  long write_some(const char* data, std::size_t size) override {
    int n = ::send(s_, data, static_cast<int>(size), 0);
    if (n >= 0) return n;
    return ::WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
  }

  void abort() override {
    if (s_ == INVALID_SOCKET) return;
    // Winsock offers no look at the send queue; on loopback a short pause
    // lets the lines already written leave before the reset discards them.
    ::Sleep(50);
    linger hard{1, 0};
    ::setsockopt(s_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
    ::closesocket(s_);
    s_ = INVALID_SOCKET;
  }

 private:
  SOCKET s_;
};

class SerialChannel final : public Channel {
 public:
  explicit SerialChannel(HANDLE h) : h_(h) {}
  ~SerialChannel() override {
    if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
  }

  // A COM handle opened without overlapped I/O cannot be waited on together
  // with a time-out, so the input queue is looked at every millisecond.
  // Writes block for at most the write time-out, so it is always writable.
  Readiness wait(bool want_write, int timeout_ms) override {
    Readiness r;
    const DWORD start = ::GetTickCount();
    for (;;) {
      DWORD errors = 0;
      COMSTAT stat{};
      if (!::ClearCommError(h_, &errors, &stat) || stat.cbInQue > 0) r.readable = true;
      r.writable = want_write;
      if (r.readable || r.writable) return r;
      if (static_cast<int>(::GetTickCount() - start) >= timeout_ms) return r;
      ::Sleep(1);
    }
  }

  long read_some(char* buffer, std::size_t capacity) override {
    DWORD got = 0;
    if (!::ReadFile(h_, buffer, static_cast<DWORD>(capacity), &got, nullptr)) return -1;
    return static_cast<long>(got);
  }

  long write_some(const char* data, std::size_t size) override {
    DWORD put = 0;
    if (!::WriteFile(h_, data, static_cast<DWORD>(size), &put, nullptr)) return -1;
    return static_cast<long>(put);
  }

  void abort() override {
    if (h_ == INVALID_HANDLE_VALUE) return;
    ::CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

// Both ends of a connected socket are one and the same address and port.
bool connected_to_itself(SOCKET s) {
  sockaddr_storage own{}, peer{};
  int own_len = sizeof own, peer_len = sizeof peer;
  if (::getsockname(s, reinterpret_cast<sockaddr*>(&own), &own_len) != 0 ||
      ::getpeername(s, reinterpret_cast<sockaddr*>(&peer), &peer_len) != 0)
    return false;
  return own_len == peer_len && std::memcmp(&own, &peer, own_len) == 0;
}

// Binds s to "ADDRESS[:PORT]"; true at once when `from` is empty.
bool bind_from(SOCKET s, const std::string& from, std::string& error) {
  if (from.empty()) return true;
  std::size_t colon = from.find(':');
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = ::inet_addr(from.substr(0, colon).c_str());
  if (colon != std::string::npos) {
    sa.sin_port = htons(static_cast<u_short>(std::stoi(from.substr(colon + 1))));
    // The port is taken again on every retry, after a close that may linger.
    BOOL one = TRUE;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&one), sizeof one);
  }
  if (::bind(s, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
    error = "cannot bind " + from + ": " + socket_error_text(::WSAGetLastError());
    return false;
  }
  return true;
}

SOCKET connect_one(const addrinfo* a, const std::string& from, int timeout_ms, std::string& error) {
  SOCKET s = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
  if (s == INVALID_SOCKET) {
    error = socket_error_text(::WSAGetLastError());
    return INVALID_SOCKET;
  }
  u_long on = 1;
  ::ioctlsocket(s, FIONBIO, &on);
  if (!bind_from(s, from, error)) {
    ::closesocket(s);
    return INVALID_SOCKET;
  }
  if (::connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) != 0) {
    int code = ::WSAGetLastError();
    if (code != WSAEWOULDBLOCK) {
      error = socket_error_text(code);
      ::closesocket(s);
      return INVALID_SOCKET;
    }
    fd_set writes, faults;
    FD_ZERO(&writes);
    FD_ZERO(&faults);
    FD_SET(s, &writes);
    FD_SET(s, &faults);
    timeval tv{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
    int n = ::select(0, nullptr, &writes, &faults, &tv);
    if (n <= 0 || FD_ISSET(s, &faults)) {
      int so_error = WSAETIMEDOUT;
      int len = sizeof so_error;
      if (n > 0) ::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&so_error), &len);
      error = socket_error_text(so_error);
      ::closesocket(s);
      return INVALID_SOCKET;
    }
  }
  if (connected_to_itself(s)) {
    error = "connected to itself (nobody listens there yet)";
    ::closesocket(s);
    return INVALID_SOCKET;
  }
  // Small writes must leave one by one, or split lines would be joined again.
  BOOL one = TRUE;
  ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
  return s;
}

}  // namespace

bool io_startup(std::string& error) {
  WSADATA data;
  if (int rc = ::WSAStartup(MAKEWORD(2, 2), &data); rc != 0) {
    error = socket_error_text(rc);
    return false;
  }
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
    error = socket_error_text(rc);
    return nullptr;
  }
  SOCKET s = INVALID_SOCKET;
  for (const addrinfo* a = found; a != nullptr && s == INVALID_SOCKET; a = a->ai_next)
    s = connect_one(a, from, timeout_ms, error);
  ::freeaddrinfo(found);
  if (s == INVALID_SOCKET) return nullptr;
  return std::make_unique<SocketChannel>(s);
}

std::unique_ptr<Channel> open_serial(const std::string& path, long baud, std::string& error) {
  // "COM12" needs the device namespace prefix; a full path is taken as given.
  std::string name = path;
  if (name.size() > 3 && _strnicmp(name.c_str(), "COM", 3) == 0) name = "\\\\.\\" + name;
  HANDLE h = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           0, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = "cannot open " + name + " (error " + std::to_string(::GetLastError()) + ")";
    return nullptr;
  }
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  std::string settings = "baud=" + std::to_string(baud) + " parity=N data=8 stop=1";
  bool ok = ::GetCommState(h, &dcb) && ::BuildCommDCBA(settings.c_str(), &dcb);
  if (ok) {
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    ok = ::SetCommState(h, &dcb);
  }
  // Reads return at once with what is there; a write gives up after 2 s.
  COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 2000};
  if (!ok || !::SetCommTimeouts(h, &timeouts)) {
    error = "cannot set up " + name + " (error " + std::to_string(::GetLastError()) + ")";
    ::CloseHandle(h);
    return nullptr;
  }
  return std::make_unique<SerialChannel>(h);
}

void sleep_ms(int ms) {
  if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
}

}  // namespace plcsim
