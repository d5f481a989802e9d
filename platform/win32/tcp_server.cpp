// The socket calls of the TCP-server service on Win32: Winsock 1.1 calls
// only, on non-blocking sockets. The library is started for version 1.1 when
// the first socket object is made and cleaned up after the last.
#include <winsock2.h>
#include <windows.h>

#include <climits>
#include <cstring>

#include "platform/tcp_calls.h"

namespace zorn::platform::net {
namespace {

int users = 0;

SOCKET Sock(TSocketHandle socket) { return static_cast<SOCKET>(socket); }

int Clamp(size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

}  // namespace

void AcquireLibrary() {
  if (users++ > 0) return;
  WSADATA data;
  WSAStartup(MAKEWORD(1, 1), &data);
}

void ReleaseLibrary() {
  if (--users == 0) WSACleanup();
}

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
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return kNoSocket;
  u_long on = 1;
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  sa.sin_addr.s_addr = address;
  if (ioctlsocket(s, FIONBIO, &on) != 0 ||
      bind(s, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
    notLocal = WSAGetLastError() == WSAEADDRNOTAVAIL;
    closesocket(s);
    return kNoSocket;
  }
  return static_cast<TSocketHandle>(s);
}

bool StartListening(TSocketHandle socket, int backlog) { return listen(Sock(socket), backlog) == 0; }

uint16_t LocalPort(TSocketHandle socket) {
  sockaddr_in sa{};
  int len = sizeof sa;
  if (getsockname(Sock(socket), reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
  return ntohs(sa.sin_port);
}

TIo AcceptOne(TSocketHandle listener, TSocketHandle& accepted, std::array<uint8_t, 4>& peer) {
  sockaddr_in sa{};
  int len = sizeof sa;
  SOCKET s = accept(Sock(listener), reinterpret_cast<sockaddr*>(&sa), &len);
  if (s == INVALID_SOCKET) {
    int error = WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return TIo::WouldBlock;
    if (error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAEINTR) return TIo::Closed;
    return TIo::Failed;  // WSAEMFILE, WSAENOBUFS
  }
  // The new socket takes the listener's WSAAsyncSelect, which makes it
  // non-blocking already (and refuses FIONBIO); without one it is set here.
  u_long on = 1;
  ioctlsocket(s, FIONBIO, &on);
  BOOL keepAlive = TRUE;
  setsockopt(s, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&keepAlive),
             sizeof keepAlive);
  std::memcpy(peer.data(), &sa.sin_addr.s_addr, 4);
  accepted = static_cast<TSocketHandle>(s);
  return TIo::Done;
}

TIoResult Receive(TSocketHandle socket, void* buffer, size_t size) {
  int n = recv(Sock(socket), static_cast<char*>(buffer), Clamp(size), 0);
  if (n > 0) return {TIo::Done, static_cast<size_t>(n)};
  if (n == 0) return {TIo::Closed, 0};
  return {WSAGetLastError() == WSAEWOULDBLOCK ? TIo::WouldBlock : TIo::Failed, 0};
}

TIoResult SendSome(TSocketHandle socket, const void* bytes, size_t count) {
  int n = send(Sock(socket), static_cast<const char*>(bytes), Clamp(count), 0);
  if (n >= 0) return {TIo::Done, static_cast<size_t>(n)};
  return {WSAGetLastError() == WSAEWOULDBLOCK ? TIo::WouldBlock : TIo::Failed, 0};
}

void CloseSocket(TSocketHandle socket) { closesocket(Sock(socket)); }

}  // namespace zorn::platform::net
