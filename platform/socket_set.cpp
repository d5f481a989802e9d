#include "platform/socket_set.h"

#include <algorithm>

namespace zorn::platform {

TSocketSet::TEntry* TSocketSet::Find(TSocketHandle socket) {
  for (TEntry& e : entries_) {
    if (e.Socket == socket) return &e;
  }
  return nullptr;
}

bool TSocketSet::Contains(TSocketHandle socket) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [socket](const TEntry& e) { return e.Socket == socket; });
}

void TSocketSet::Watch(TSocketHandle socket, uint8_t interest, ISocketClient* client) {
  if (TEntry* e = Find(socket)) {
    e->Interest = interest;
    e->Client = client;
    return;
  }
  entries_.push_back({socket, interest, client, nextSerial_++});
}

void TSocketSet::Unwatch(TSocketHandle socket) {
  std::erase_if(entries_, [socket](const TEntry& e) { return e.Socket == socket; });
}

bool TSocketSet::Poll(int timeoutMs) {
  // The round works on its own snapshot: handlers change entries_ freely.
  std::vector<TSocketPoll> polls;
  std::vector<uint64_t> serials;
  polls.swap(polls_);
  serials.swap(serials_);
  polls.clear();
  serials.clear();
  for (const TEntry& e : entries_) {
    polls.push_back({e.Socket, e.Interest, 0});
    serials.push_back(e.Serial);
  }
  bool reported = false;
  if (WaitSockets(polls, timeoutMs)) {
    for (size_t i = 0; i < polls.size(); ++i) {
      if (polls[i].Ready == 0) continue;
      TEntry* e = Find(polls[i].Socket);
      if (!e || e->Serial != serials[i]) continue;
      uint8_t events = polls[i].Ready & (e->Interest | seClose);
      ISocketClient* client = e->Client;
      // A handle that is no longer a socket would be reported on every turn;
      // its owner hears of it once, as a close.
      if (polls[i].Ready & kSocketInvalid) {
        events = seClose;
        Unwatch(polls[i].Socket);
      }
      if (events == 0) continue;
      reported = true;
      client->OnSocketReady(polls[i].Socket, events);
    }
  }
  // Keep the buffers for the next round unless a nested round took them.
  if (polls_.capacity() < polls.capacity()) {
    polls_.swap(polls);
    serials_.swap(serials);
  }
  return reported;
}

}  // namespace zorn::platform
