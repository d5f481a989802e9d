// The watched sockets of the POSIX and virtual loops. Readiness is found by a
// wait of this platform (poll() on POSIX, select() on Win32) and reported in
// the order the sockets were first watched.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/event_loop.h"

namespace zorn::platform {

// One socket's question and answer for WaitSockets.
struct TSocketPoll {
  TSocketHandle Socket = kNoSocket;
  uint8_t Interest = 0;
  // seXxx bits found; kSocketInvalid when the handle is not an open socket.
  uint8_t Ready = 0;
};
constexpr uint8_t kSocketInvalid = 0x80;

// Waits up to `timeoutMs` (−1 for ever, 0 not at all) until one of `items` is
// ready and fills in every item's Ready. With no items it only waits. False
// when the wait was interrupted or failed; nothing is ready then.
bool WaitSockets(std::vector<TSocketPoll>& items, int timeoutMs);

class TSocketSet {
 public:
  void Watch(TSocketHandle socket, uint8_t interest, ISocketClient* client);
  void Unwatch(TSocketHandle socket);
  bool Empty() const { return entries_.empty(); }
  bool Contains(TSocketHandle socket) const;

  // Waits up to `timeoutMs` for any watched socket, then reports what was
  // found. A client may watch and unwatch sockets from its handler: a socket
  // unwatched (or unwatched and watched anew) during the round is not told
  // what the round found for its predecessor. True when anything was reported.
  bool Poll(int timeoutMs);

 private:
  struct TEntry {
    TSocketHandle Socket;
    uint8_t Interest;
    ISocketClient* Client;
    uint64_t Serial;  // a new one for every first watch of a handle
  };
  TEntry* Find(TSocketHandle socket);

  std::vector<TEntry> entries_;
  std::vector<TSocketPoll> polls_;
  std::vector<uint64_t> serials_;
  uint64_t nextSerial_ = 1;
};

}  // namespace zorn::platform
