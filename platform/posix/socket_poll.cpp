// Socket readiness by poll(). A peer's end of stream shows as readable (the
// receive returns 0); a reset or error as seClose.
#include <poll.h>

#include <cerrno>

#include "platform/socket_set.h"

namespace zorn::platform {

bool WaitSockets(std::vector<TSocketPoll>& items, int timeoutMs) {
  // Kept between calls: the loop polls on every turn. A nested loop (run by
  // a handler) reuses it safely, as the results are copied out before any
  // handler runs.
  static thread_local std::vector<pollfd> fds;
  fds.resize(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    short events = 0;
    if (items[i].Interest & (seAccept | seRead)) events |= POLLIN;
    if (items[i].Interest & seWrite) events |= POLLOUT;
    fds[i] = {static_cast<int>(items[i].Socket), events, 0};
    items[i].Ready = 0;
  }
  int n = poll(fds.empty() ? nullptr : fds.data(), fds.size(), timeoutMs);
  if (n <= 0) return false;
  for (size_t i = 0; i < items.size(); ++i) {
    short r = fds[i].revents;
    uint8_t ready = 0;
    if (r & POLLIN) ready |= (items[i].Interest & seAccept) ? seAccept : seRead;
    if (r & POLLOUT) ready |= seWrite;
    if (r & (POLLHUP | POLLERR)) ready |= seClose;
    if (r & POLLNVAL) ready |= kSocketInvalid;
    items[i].Ready = ready;
  }
  return true;
}

}  // namespace zorn::platform
