// Socket readiness by select(), for the virtual-clock loop of tests on
// Windows; the Win32 loop itself is told by WSAAsyncSelect. A peer's end of
// stream shows as readable (the receive returns 0).
#define FD_SETSIZE 1024
#include <winsock2.h>
#include <windows.h>

#include "platform/socket_set.h"

namespace zorn::platform {

bool WaitSockets(std::vector<TSocketPoll>& items, int timeoutMs) {
  for (TSocketPoll& item : items) item.Ready = 0;
  fd_set readable, writable, failed;
  FD_ZERO(&readable);
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  u_int count = 0;
  for (const TSocketPoll& item : items) {
    if (count == FD_SETSIZE) break;  // the rest waits for the next round
    SOCKET s = static_cast<SOCKET>(item.Socket);
    if (item.Interest & (seAccept | seRead)) FD_SET(s, &readable);
    if (item.Interest & seWrite) FD_SET(s, &writable);
    FD_SET(s, &failed);
    ++count;
  }
  if (count == 0) {
    // select() with no socket fails at once instead of waiting.
    if (timeoutMs != 0) Sleep(timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
    return false;
  }
  timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  int n = select(0, &readable, &writable, &failed, timeoutMs < 0 ? nullptr : &tv);
  if (n == SOCKET_ERROR) {
    // One closed handle fails the whole call: find it so that its owner hears.
    bool found = false;
    for (TSocketPoll& item : items) {
      int type = 0;
      int len = sizeof type;
      if (getsockopt(static_cast<SOCKET>(item.Socket), SOL_SOCKET, SO_TYPE,
                     reinterpret_cast<char*>(&type), &len) == SOCKET_ERROR) {
        item.Ready = kSocketInvalid;
        found = true;
      }
    }
    return found;
  }
  if (n == 0) return false;
  for (TSocketPoll& item : items) {
    SOCKET s = static_cast<SOCKET>(item.Socket);
    uint8_t ready = 0;
    if (FD_ISSET(s, &readable)) ready |= (item.Interest & seAccept) ? seAccept : seRead;
    if (FD_ISSET(s, &writable)) ready |= seWrite;
    if (FD_ISSET(s, &failed)) ready |= seClose;
    item.Ready = ready;
  }
  return true;
}

}  // namespace zorn::platform
