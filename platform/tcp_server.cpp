#include "platform/tcp_server.h"

#include <array>
#include <utility>

#include "platform/tcp_calls.h"

namespace zorn::platform {
namespace {

using net::TIo;

// One receive call at most; it lives on the stack, so a handler that runs a
// nested loop (a modal box) cannot see its bytes overwritten by another
// connection's.
constexpr size_t kReceiveChunk = 16 * 1024;
// Bytes one notification reads before the other sockets and timers get their
// turn; the rest is reported again.
constexpr size_t kReceiveBudget = 64 * 1024;
// Connections one notification accepts before the others get their turn.
constexpr int kAcceptsPerTurn = 16;
// A drained send queue keeps at most this much memory.
constexpr size_t kQueueKeep = 64 * 1024;

std::string DottedAddress(const std::array<uint8_t, 4>& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) text += '.';
    text += std::to_string(bytes[i]);
  }
  return text;
}

}  // namespace

// ---- TTcpConnection --------------------------------------------------------

TTcpConnection::TTcpConnection(TEventLoop& loop, TSocketHandle socket, std::string peer)
    : loop_(loop), socket_(socket), peer_(std::move(peer)) {
  net::AcquireLibrary();
}

TTcpConnection::~TTcpConnection() {
  Close();
  net::ReleaseLibrary();
}

void TTcpConnection::SetEvents(ITcpConnectionEvents* events) {
  events_ = events;
  UpdateWatch();
}

void TTcpConnection::UpdateWatch() {
  if (state_ != TState::Open) return;
  uint8_t want = (events_ ? seRead : 0) | (QueuedBytes() > 0 ? seWrite : 0);
  if (watched_ && want == interest_) return;
  loop_.WatchSocket(socket_, want, this);
  watched_ = true;
  interest_ = want;
}

TSendResult TTcpConnection::Send(const void* bytes, size_t count) {
  if (state_ != TState::Open) return TSendResult::Dropped;
  const uint8_t* p = static_cast<const uint8_t*>(bytes);
  // Bytes go straight out only when nothing waits before them.
  if (QueuedBytes() == 0) {
    while (count > 0) {
      net::TIoResult r = net::SendSome(socket_, p, count);
      if (r.Status == TIo::Done && r.Count > 0) {
        p += r.Count;
        count -= r.Count;
      } else if (r.Status == TIo::WouldBlock || r.Status == TIo::Done) {
        break;
      } else {
        FailLater();
        return TSendResult::Dropped;
      }
    }
    if (count == 0) return TSendResult::Sent;
  }
  if (QueuedBytes() + count > kMaxQueuedBytes) {
    FailLater();
    return TSendResult::Dropped;
  }
  Queue(p, count);
  UpdateWatch();
  return TSendResult::Queued;
}

void TTcpConnection::Queue(const uint8_t* bytes, size_t count) {
  if (queueHead_ > 0 && queueHead_ >= queue_.size() / 2) {
    queue_.erase(0, queueHead_);
    queueHead_ = 0;
  }
  queue_.append(reinterpret_cast<const char*>(bytes), count);
}

void TTcpConnection::Flush() {
  while (QueuedBytes() > 0) {
    net::TIoResult r = net::SendSome(socket_, queue_.data() + queueHead_, QueuedBytes());
    if (r.Status == TIo::Done && r.Count > 0) {
      queueHead_ += r.Count;
    } else if (r.Status == TIo::WouldBlock || r.Status == TIo::Done) {
      return;  // still watched for writing
    } else {
      FailNow();
      return;
    }
  }
  queueHead_ = 0;
  queue_.clear();
  if (queue_.capacity() > kQueueKeep) queue_.shrink_to_fit();
  UpdateWatch();
}

void TTcpConnection::OnSocketReady(TSocketHandle, uint8_t events) {
  if (events & (seRead | seClose)) {
    if (!ReceiveAvailable((events & seClose) != 0)) return;
  }
  if ((events & seWrite) && state_ == TState::Open) Flush();
}

bool TTcpConnection::ReceiveAvailable(bool ending) {
  if (state_ != TState::Open) return false;
  // A notification that comes while a handler of the last one still runs
  // (a nested loop) leaves the bytes to the outer read, which goes on until
  // nothing is left, so they keep their order.
  if (receiving_) return true;
  if (!events_) {
    if (ending) FailNow();
    return state_ == TState::Open;
  }
  std::weak_ptr<char> life = life_;
  receiving_ = true;
  uint8_t buffer[kReceiveChunk];
  size_t total = 0;
  // An ending connection is read to its end: a peer's last bytes before its
  // close are delivered, not lost.
  while (ending || total < kReceiveBudget) {
    net::TIoResult r = net::Receive(socket_, buffer, sizeof buffer);
    if (r.Status == TIo::Done) {
      total += r.Count;
      events_->OnTcpData(*this, buffer, r.Count);
      if (life.expired()) return false;
      if (state_ != TState::Open) {
        receiving_ = false;
        return false;
      }
      // A short read took all there was: asking again would only hear
      // "would block" (under Wine three server calls); the loop tells of
      // bytes that come later.
      if (r.Count < sizeof buffer && !ending) break;
      continue;
    }
    receiving_ = false;
    if (r.Status == TIo::WouldBlock && !ending) return true;
    FailNow();  // end of stream, an error, or an ending connection drained
    return false;
  }
  receiving_ = false;
  return true;
}

void TTcpConnection::FailNow() {
  if (state_ != TState::Open) return;
  CloseSocket();
  state_ = TState::Closed;
  if (events_) events_->OnTcpClosed(*this);
}

void TTcpConnection::FailLater() {
  if (state_ != TState::Open) return;
  CloseSocket();
  state_ = TState::Failed;
  std::weak_ptr<char> life = life_;
  loop_.Post([this, life] {
    if (life.expired() || state_ != TState::Failed) return;
    state_ = TState::Closed;
    if (events_) events_->OnTcpClosed(*this);
  });
}

void TTcpConnection::Close() {
  CloseSocket();
  state_ = TState::Closed;
}

void TTcpConnection::CloseSocket() {
  if (socket_ == kNoSocket) return;
  if (watched_) loop_.UnwatchSocket(socket_);
  watched_ = false;
  net::CloseSocket(socket_);
  socket_ = kNoSocket;
  queue_ = std::string();
  queueHead_ = 0;
}

// ---- TTcpListener ----------------------------------------------------------

TTcpListener::TTcpListener(ITcpListenerEvents& events) : events_(events), loop_(EventLoop()) {
  net::AcquireLibrary();
}

TTcpListener::~TTcpListener() {
  Close();
  net::ReleaseLibrary();
}

bool TTcpListener::Bind(uint16_t port, const std::string& address) {
  if (IsOpen()) return false;
  uint32_t a = 0;
  if (!net::ParseAddress(address, a)) {
    bindFailure_ = TBindFailure::BadAddress;
    return false;
  }
  bool notLocal = false;
  socket_ = net::BindStream(a, port, notLocal);
  bindFailure_ = IsOpen() ? TBindFailure::None
                 : notLocal ? TBindFailure::NotLocal
                            : TBindFailure::Other;
  return IsOpen();
}

bool TTcpListener::Listen(int backlog) {
  if (!IsOpen() || listening_) return false;
  if (!net::StartListening(socket_, backlog)) return false;
  listening_ = true;
  loop_.WatchSocket(socket_, seAccept, this);
  return true;
}

uint16_t TTcpListener::LocalPort() const { return IsOpen() ? net::LocalPort(socket_) : 0; }

void TTcpListener::Close() {
  if (!IsOpen()) return;
  if (paused_) loop_.KillTimer(this);
  paused_ = false;
  if (listening_) loop_.UnwatchSocket(socket_);
  listening_ = false;
  net::CloseSocket(socket_);
  socket_ = kNoSocket;
}

void TTcpListener::OnSocketReady(TSocketHandle, uint8_t events) {
  std::weak_ptr<char> life = life_;
  if (events & seAccept) {
    AcceptWaiting();
    if (life.expired()) return;
  }
  if ((events & seClose) && IsOpen()) {
    Close();
    events_.OnTcpListenerClosed();
  }
}

void TTcpListener::AcceptWaiting() {
  std::weak_ptr<char> life = life_;
  for (int i = 0; i < kAcceptsPerTurn && listening_ && !paused_; ++i) {
    TSocketHandle accepted = kNoSocket;
    std::array<uint8_t, 4> peer{};
    TIo r = net::AcceptOne(socket_, accepted, peer);
    if (r == TIo::WouldBlock) return;
    if (r == TIo::Closed) continue;
    if (r == TIo::Failed) {
      // Out of descriptors or buffers: the waiting connection stays ready, so
      // asking again at once would spin. Rest a while, then try again.
      loop_.UnwatchSocket(socket_);
      paused_ = true;
      loop_.SetTimer(this, kAcceptPauseMs);
      return;
    }
    std::unique_ptr<TTcpConnection> connection(
        new TTcpConnection(loop_, accepted, DottedAddress(peer)));
    events_.OnTcpAccept(std::move(connection));
    if (life.expired()) return;
  }
}

void TTcpListener::OnTimerTick() {
  loop_.KillTimer(this);
  paused_ = false;
  if (listening_) loop_.WatchSocket(socket_, seAccept, this);
}

}  // namespace zorn::platform
