// TSocket: a listening TCP socket with the clients it accepted, or one such
// client, over the platform's TCP-server service. TZETCP_Server: the element
// that listens for the controller and exchanges values with every client.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/allow_list.h"
#include "platform/tcp_server.h"
#include "runtime/stream.h"
#include "runtime/wire.h"

namespace zorn {

class TSocket final : private platform::ITcpListenerEvents,
                      private platform::ITcpConnectionEvents {
 public:
  using TDataHook = std::function<void(TSocket& socket, const uint8_t* bytes, size_t count)>;
  using THook = std::function<void(TSocket& socket)>;
  using TAddressTest = std::function<bool(const std::string& peer)>;
  using TAddressHook = std::function<void(const std::string& peer)>;

  // A listening socket, closed.
  TSocket() = default;
  // Closes the socket, its clients first, with their hooks; clear the hooks
  // beforehand for a quiet end.
  ~TSocket();
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;

  // Binds a new stream socket to `port` on `address` (dotted decimal; empty
  // for every local address), only while closed. On success the client list
  // starts empty and OnListen is called. A failure reports nothing;
  // BindFailure says why it failed.
  bool Bind(uint16_t port, const std::string& address = "");
  platform::TBindFailure BindFailure() const { return bindFailure_; }
  // Starts accepting clients.
  bool Listen(int backlog);
  bool IsOpen() const { return open_; }
  // Clients in order of acceptance (listening socket only).
  size_t ClientCount() const { return clients_.size(); }
  TSocket* Client(size_t index) const { return clients_[index].get(); }
  // The listening socket that accepted this one; nullptr for a listening socket.
  TSocket* Parent() const { return parent_; }
  // The client's IPv4 address in dotted decimal (clients only).
  const std::string& PeerAddress() const { return peer_; }
  // Bytes of earlier sends still wait for the client to take them.
  bool WouldBlock() const { return connection_ && connection_->QueuedBytes() > 0; }
  // Only while open. A listening socket first closes and destroys its
  // clients, last accepted first; then OnClose is called, and for a client
  // the parent's OnClientClose.
  void Close();
  // Closes and destroys every client, last accepted first.
  void CloseAllClients();
  // Client only: closes this client and destroys it, as when its peer
  // leaves. The object is gone when the call returns.
  void Drop();
  // Sends to a client, after the bytes still queued. A client that cannot
  // take them (failed, or too far behind) is dropped from the loop later.
  void Send(const void* bytes, size_t count);
  void ClearHooks();
  // Expires when the socket is destroyed; for code that calls out through a
  // hook and must know whether the socket survived.
  std::weak_ptr<char> Life() const { return life_; }

  // An accepted socket takes over its parent's OnData; the others are the
  // listening socket's.
  TDataHook OnData;
  THook OnListen;
  THook OnClose;
  THook OnAccept;
  THook OnClientClose;
  // Listening socket only. A connection whose peer address Admits rejects
  // is closed as soon as it is accepted, before anything is read from it or
  // sent to it; it never becomes a client, and OnRefuse is called with the
  // address instead of OnAccept. Unset: every connection is admitted.
  TAddressTest Admits;
  TAddressHook OnRefuse;

 private:
  TSocket(TSocket* parent, std::unique_ptr<platform::TTcpConnection> connection);
  void OnTcpAccept(std::unique_ptr<platform::TTcpConnection> connection) override;
  void OnTcpListenerClosed() override;
  void OnTcpData(platform::TTcpConnection& connection, const uint8_t* bytes,
                 size_t count) override;
  void OnTcpClosed(platform::TTcpConnection& connection) override;
  // Takes `client` out of the list, closes it and destroys it.
  void DestroyClient(TSocket* client);
  // Calls OnClose and, for a client, the parent's OnClientClose.
  void ReportClose();

  TSocket* parent_ = nullptr;
  std::vector<std::unique_ptr<TSocket>> clients_;
  std::unique_ptr<platform::TTcpListener> listener_;
  std::unique_ptr<platform::TTcpConnection> connection_;
  std::string peer_;
  bool open_ = false;
  platform::TBindFailure bindFailure_ = platform::TBindFailure::None;
  std::shared_ptr<char> life_ = std::make_shared<char>();
};

// How TZETCP_Server puts one value on the wire and takes it off again.
enum TTcpDataType : uint8_t {
  tdInteger = 0,  // 4 bytes, little-endian; the first 4 bytes of each chunk
  tdString = 1,   // the bytes as they are; each chunk one string
  tdReal = 2,     // 8-byte IEEE double, little-endian; the first 8 of each chunk
  tdStream = 3,   // 4-byte little-endian length, then the bytes; reassembled
};

class TZETCP_Server : public TElement {
 public:
  static constexpr int Backlog = 10;
  // Longest stream a client may announce; one announcing more is dropped.
  static constexpr uint32_t MaxStreamBytes = 16u << 20;

  TZETCP_Server();
  // Removes the hooks first, so nothing fires while the clients close.
  ~TZETCP_Server() override;

  // Default of PortInput. Ports outside 1 to 65535 are never bound.
  int32_t Port = 0;
  // A TTcpDataType; other values send and receive nothing.
  uint8_t DataType = tdInteger;
  // The local address to listen on, dotted decimal; empty for all of them.
  // Taken when AddressInput is unwired or gives the empty text.
  std::string Address;
  // The clients taken, as TAllowList::Parse reads them; empty for every
  // client. Taken when AllowInput is unwired or gives the empty text.
  std::string Allow;

  TWire DataInput;
  TWire PortInput;
  TWire AddressInput;
  TWire AllowInput;

  // 0: unless listening, reads PortInput (integer, default Port),
  // AddressInput and AllowInput, binds on that port and address and
  // listens; OnStart reports success. An address that is not dotted decimal
  // or not of this machine fires OnAddressError; any other failure (a port
  // in use) fires nothing.
  void Open(TData& data, uint16_t index);
  // 1: if listening, closes every client, last accepted first (OnDisconnect
  // for each), then the listening socket (OnStop).
  void Close(TData& data, uint16_t index);
  // 2: reads DataInput as DataType says and, if listening, sends it to every
  // client in order of acceptance.
  void Send(TData& data, uint16_t index);

  // The client's address text.
  TWire OnConnect;
  TWire OnDisconnect;
  TWire OnStart;
  TWire OnStop;
  // The received value, then the client's address text, as a two-value chain.
  TWire OnRead;
  // Stream mode: the size reached by the stream being received.
  TWire OnProgress;
  // The address of a client that the allow list did not admit; it was
  // closed at once and never was a client.
  TWire OnRefuse;
  // The local address text that Open could not listen on.
  TWire OnAddressError;

  bool Listening() const { return socket_.IsOpen(); }
  const TSocket& Socket() const { return socket_; }

 private:
  // Stream mode reception of one client.
  struct TAssembly {
    std::unique_ptr<TStream> Stream;
    uint32_t Expected = 0;
    uint8_t Header[4] = {};
    uint8_t HeaderCount = 0;
  };

  void Received(TSocket& client, const uint8_t* bytes, size_t count);
  void ReceiveStream(TSocket& client, const uint8_t* bytes, size_t count);
  // Fires OnRead with `value` followed by the client's address.
  void Deliver(const TSocket& client, TData& value);

  TSocket socket_;
  // The allow list of the current listening session, read by Open.
  TAllowList allow_;
  std::map<const TSocket*, TAssembly> assemblies_;
};

}  // namespace zorn
