// The TCP-server service: an IPv4 listening socket and the connections it
// accepts, driven by the event loop's socket readiness. Nothing here blocks:
// a send that cannot go out at once is queued, in order, and finished when
// the socket is writable again, so a peer that stops reading never stalls the
// loop thread. Every notification arrives on the loop thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/event_loop.h"

namespace zorn::platform {

class TTcpConnection;

// What happens on one accepted connection.
class ITcpConnectionEvents {
 public:
  // Bytes received, in order; `count` is never 0.
  virtual void OnTcpData(TTcpConnection& connection, const uint8_t* bytes, size_t count) = 0;
  // The connection ended: the peer closed or reset it, it failed, or its send
  // queue overflowed. The socket is closed already and nothing follows. Not
  // called after Close, nor ever from inside a call into the connection (a
  // failure found by Send is reported from the loop later).
  virtual void OnTcpClosed(TTcpConnection& connection) = 0;

 protected:
  ~ITcpConnectionEvents() = default;
};

// What happens on a listening socket.
class ITcpListenerEvents {
 public:
  // A new connection, already accepted; the receiver owns it.
  virtual void OnTcpAccept(std::unique_ptr<TTcpConnection> connection) = 0;
  // The listening socket failed and is closed (rare: the network went away).
  virtual void OnTcpListenerClosed() = 0;

 protected:
  ~ITcpListenerEvents() = default;
};

enum class TSendResult : uint8_t {
  Sent,     // all bytes went to the OS
  Queued,   // the rest waits, in order, for the socket to take it
  Dropped,  // the connection is closed (or failed now: OnTcpClosed follows)
};

class TTcpConnection final : private ISocketClient {
 public:
  // Bytes waiting to be sent, at most; a send beyond it drops the connection.
  static constexpr size_t kMaxQueuedBytes = size_t{1} << 20;

  // Closes the connection without notifying.
  ~TTcpConnection();
  TTcpConnection(const TTcpConnection&) = delete;
  TTcpConnection& operator=(const TTcpConnection&) = delete;

  // Sets the receiver of this connection's events; reception starts with the
  // first one set.
  void SetEvents(ITcpConnectionEvents* events);
  // The peer's IPv4 address in dotted decimal, as 192.168.0.10.
  const std::string& PeerAddress() const { return peer_; }
  bool IsOpen() const { return state_ == TState::Open; }
  // Sends `count` bytes after those already queued.
  TSendResult Send(const void* bytes, size_t count);
  size_t QueuedBytes() const { return queue_.size() - queueHead_; }
  // Closes the socket at once; bytes still queued are discarded, and no
  // event follows.
  void Close();

 private:
  friend class TTcpListener;
  enum class TState : uint8_t { Open, Failed, Closed };

  TTcpConnection(TEventLoop& loop, TSocketHandle socket, std::string peer);
  void OnSocketReady(TSocketHandle socket, uint8_t events) override;
  // Reads what has arrived, up to a budget per notification unless the
  // connection is ending; false when the connection is gone.
  bool ReceiveAvailable(bool ending);
  // Sends from the queue until it is empty or the socket is full.
  void Flush();
  void Queue(const uint8_t* bytes, size_t count);
  // Watches for reading once there is a receiver, for writing while bytes
  // are queued.
  void UpdateWatch();
  // Closes the socket on a failure and tells the receiver, now (from a
  // notification) or from the loop (from a call of the owner).
  void FailNow();
  void FailLater();
  void CloseSocket();

  TEventLoop& loop_;
  TSocketHandle socket_;
  std::string peer_;
  ITcpConnectionEvents* events_ = nullptr;
  TState state_ = TState::Open;
  bool receiving_ = false;
  bool watched_ = false;
  uint8_t interest_ = 0;
  std::string queue_;
  size_t queueHead_ = 0;
  // Expires with the object: code that called out checks it before going on.
  std::shared_ptr<char> life_ = std::make_shared<char>();
};

// Why the last Bind of a listener failed.
enum class TBindFailure : uint8_t {
  None,
  BadAddress,  // the address text does not parse
  NotLocal,    // the address is no address of this machine
  Other,       // for example a port in use
};

class TTcpListener final : private ISocketClient, private ITimerClient {
 public:
  // Waiting time after the OS refused an accept for lack of resources.
  static constexpr uint32_t kAcceptPauseMs = 100;

  explicit TTcpListener(ITcpListenerEvents& events);
  ~TTcpListener();
  TTcpListener(const TTcpListener&) = delete;
  TTcpListener& operator=(const TTcpListener&) = delete;

  // Makes a stream socket bound to `port` on `address`, dotted decimal text,
  // or on every local address when it is empty. Port 0 takes a free port
  // (see LocalPort). False, with nothing open, when the address does not
  // parse or the socket cannot be bound (a port in use); BindFailure says
  // which.
  bool Bind(uint16_t port, const std::string& address);
  TBindFailure BindFailure() const { return bindFailure_; }
  // Starts accepting, with room for `backlog` waiting connections.
  bool Listen(int backlog);
  bool IsOpen() const { return socket_ != kNoSocket; }
  bool IsListening() const { return listening_; }
  uint16_t LocalPort() const;
  // Closes the listening socket; no event follows. Accepted connections are
  // their owners' and stay open.
  void Close();

 private:
  void OnSocketReady(TSocketHandle socket, uint8_t events) override;
  void OnTimerTick() override;
  void AcceptWaiting();

  ITcpListenerEvents& events_;
  TEventLoop& loop_;
  TSocketHandle socket_ = kNoSocket;
  bool listening_ = false;
  bool paused_ = false;
  TBindFailure bindFailure_ = TBindFailure::None;
  std::shared_ptr<char> life_ = std::make_shared<char>();
};

}  // namespace zorn::platform
