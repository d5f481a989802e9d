// The socket calls under the TCP-server service, one small set per platform
// (platform/posix/tcp_server.cpp, platform/win32/tcp_server.cpp). Every
// socket they make is non-blocking.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/event_loop.h"

namespace zorn::platform::net {

enum class TIo : uint8_t {
  Done,        // something was done (Count says how much)
  WouldBlock,  // nothing can be done now
  Closed,      // the peer ended the stream; for an accept: that connection vanished
  Failed,      // an error; for an accept: the OS lacks resources for now
};

struct TIoResult {
  TIo Status = TIo::Failed;
  size_t Count = 0;
};

// Holds the socket library while any socket object lives (WSAStartup for
// Winsock 1.1 on Win32; nothing on POSIX).
void AcquireLibrary();
void ReleaseLibrary();

// An IPv4 address in network order from dotted text; false when it does not
// parse. The empty text is every local address.
bool ParseAddress(const std::string& text, uint32_t& address);
// A stream socket bound to address:port; kNoSocket when it cannot be made or
// bound, with `notLocal` set when the address is no address of this machine.
TSocketHandle BindStream(uint32_t address, uint16_t port, bool& notLocal);
bool StartListening(TSocketHandle socket, int backlog);
uint16_t LocalPort(TSocketHandle socket);
// Accepts one waiting connection into `accepted`, with the peer's address
// bytes, first byte first.
TIo AcceptOne(TSocketHandle listener, TSocketHandle& accepted, std::array<uint8_t, 4>& peer);
TIoResult Receive(TSocketHandle socket, void* buffer, size_t size);
TIoResult SendSome(TSocketHandle socket, const void* bytes, size_t count);
void CloseSocket(TSocketHandle socket);

}  // namespace zorn::platform::net
