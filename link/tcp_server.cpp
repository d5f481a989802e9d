#include "link/tcp_server.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zorn {
namespace {

uint32_t LoadLe32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint64_t LoadLe64(const uint8_t* p) {
  return uint64_t{LoadLe32(p)} | uint64_t{LoadLe32(p + 4)} << 32;
}

void StoreLe(std::string& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

// ---- TSocket ---------------------------------------------------------------

TSocket::TSocket(TSocket* parent, std::unique_ptr<platform::TTcpConnection> connection)
    : parent_(parent), connection_(std::move(connection)), open_(true) {
  peer_ = connection_->PeerAddress();
}

TSocket::~TSocket() { Close(); }

bool TSocket::Bind(uint16_t port, const std::string& address) {
  if (open_ || parent_) return false;
  // A fresh listener each time, on the loop installed now.
  platform::ITcpListenerEvents& events = *this;
  auto listener = std::make_unique<platform::TTcpListener>(events);
  if (!listener->Bind(port, address)) {
    bindFailure_ = listener->BindFailure();
    return false;
  }
  bindFailure_ = platform::TBindFailure::None;
  listener_ = std::move(listener);
  clients_.clear();
  open_ = true;
  if (OnListen) OnListen(*this);
  return true;
}

bool TSocket::Listen(int backlog) { return open_ && listener_ && listener_->Listen(backlog); }

void TSocket::Close() {
  if (!open_) return;
  if (!parent_) {
    std::weak_ptr<char> life = life_;
    CloseAllClients();
    if (life.expired() || !open_) return;  // a hook closed it meanwhile
    open_ = false;
    listener_->Close();
  } else {
    open_ = false;
    connection_->Close();
  }
  ReportClose();
}

void TSocket::ReportClose() {
  std::weak_ptr<char> life = life_;
  if (OnClose) OnClose(*this);
  if (life.expired()) return;
  if (parent_ && parent_->OnClientClose) parent_->OnClientClose(*this);
}

void TSocket::CloseAllClients() {
  std::weak_ptr<char> life = life_;
  while (!clients_.empty()) {
    DestroyClient(clients_.back().get());
    if (life.expired()) return;
  }
}

void TSocket::DestroyClient(TSocket* client) {
  auto it = std::find_if(clients_.begin(), clients_.end(),
                         [client](const std::unique_ptr<TSocket>& c) { return c.get() == client; });
  if (it == clients_.end()) return;
  // Out of the list before its close is reported: the hooks see the clients
  // that remain. Nothing of this object is touched after the close, which
  // may have destroyed it.
  std::unique_ptr<TSocket> owned = std::move(*it);
  clients_.erase(it);
  owned->Close();
}

void TSocket::Drop() {
  if (parent_) parent_->DestroyClient(this);
}

void TSocket::Send(const void* bytes, size_t count) {
  if (open_ && connection_ && count > 0) connection_->Send(bytes, count);
}

void TSocket::ClearHooks() {
  OnData = nullptr;
  OnListen = nullptr;
  OnClose = nullptr;
  OnAccept = nullptr;
  OnClientClose = nullptr;
  Admits = nullptr;
  OnRefuse = nullptr;
}

void TSocket::OnTcpAccept(std::unique_ptr<platform::TTcpConnection> connection) {
  if (!open_) return;
  if (Admits && !Admits(connection->PeerAddress())) {
    // Closed before it is watched: nothing of it is read, nothing sent.
    std::string peer = connection->PeerAddress();
    connection.reset();
    if (OnRefuse) OnRefuse(peer);
    return;
  }
  std::unique_ptr<TSocket> client(new TSocket(this, std::move(connection)));
  TSocket* c = client.get();
  c->OnData = OnData;
  clients_.push_back(std::move(client));
  c->connection_->SetEvents(c);
  if (OnAccept) OnAccept(*c);
}

void TSocket::OnTcpListenerClosed() {
  // The listening socket failed: it ends as a Close would end it, its
  // clients first, so none is left behind without a listener.
  if (!open_) return;
  std::weak_ptr<char> life = life_;
  CloseAllClients();
  if (life.expired() || !open_) return;
  open_ = false;
  ReportClose();
}

void TSocket::OnTcpData(platform::TTcpConnection&, const uint8_t* bytes, size_t count) {
  if (open_ && OnData) OnData(*this, bytes, count);
}

void TSocket::OnTcpClosed(platform::TTcpConnection&) {
  if (parent_) {
    parent_->DestroyClient(this);
  } else {
    Close();
  }
}

// ---- TZETCP_Server ---------------------------------------------------------

TZETCP_Server::TZETCP_Server() {
  socket_.OnListen = [this](TSocket&) { FireNull(OnStart); };
  socket_.OnClose = [this](TSocket&) { FireNull(OnStop); };
  socket_.OnAccept = [this](TSocket& client) { FireStr(OnConnect, client.PeerAddress()); };
  socket_.OnClientClose = [this](TSocket& client) {
    assemblies_.erase(&client);
    FireStr(OnDisconnect, client.PeerAddress());
  };
  socket_.OnData = [this](TSocket& client, const uint8_t* bytes, size_t count) {
    Received(client, bytes, count);
  };
  socket_.Admits = [this](const std::string& peer) { return allow_.Allows(peer); };
  socket_.OnRefuse = [this](const std::string& peer) { FireStr(OnRefuse, peer); };
}

TZETCP_Server::~TZETCP_Server() {
  socket_.ClearHooks();
  for (size_t i = 0; i < socket_.ClientCount(); ++i) socket_.Client(i)->ClearHooks();
}

void TZETCP_Server::Open(TData& data, uint16_t) {
  if (socket_.IsOpen()) return;
  int32_t port = ReadInt(data, PortInput, Port);
  // An input that gives the empty text leaves its property in force.
  TData none;
  std::string address = ReadStr(none, AddressInput, "");
  if (address.empty()) address = Address;
  std::string allow = ReadStr(none, AllowInput, "");
  if (allow.empty()) allow = Allow;
  // htons would fold a port out of range onto another; 0 would listen on a
  // port nobody knows.
  if (port < 1 || port > 65535) return;
  // Only the plain dotted form: inet_addr would also take "127.1" or a
  // hexadecimal text and listen somewhere the operator did not mean.
  if (!address.empty() && !ParseDottedIpv4(address)) {
    FireStr(OnAddressError, address);
    return;
  }
  allow_ = TAllowList::Parse(allow);
  if (!socket_.Bind(static_cast<uint16_t>(port), address)) {
    if (socket_.BindFailure() == platform::TBindFailure::NotLocal) FireStr(OnAddressError, address);
    return;
  }
  // Bound but unable to listen: nobody could ever connect, so it closes
  // again (OnStop) rather than claim to listen.
  if (socket_.IsOpen() && !socket_.Listen(Backlog)) socket_.Close();
}

void TZETCP_Server::Close(TData&, uint16_t) { socket_.Close(); }

void TZETCP_Server::Send(TData& data, uint16_t) {
  std::string bytes;
  switch (DataType) {
    case tdInteger:
      StoreLe(bytes, static_cast<uint32_t>(ReadInt(data, DataInput, 0)), 4);
      break;
    case tdString:
      bytes = ReadStr(data, DataInput, "");
      break;
    case tdReal: {
      double x = ReadReal(data, DataInput, 0.0);
      uint64_t raw;
      std::memcpy(&raw, &x, sizeof raw);
      StoreLe(bytes, raw, 8);
      break;
    }
    case tdStream: {
      auto* stream = static_cast<TStream*>(ReadStream(data, DataInput, nullptr));
      if (!stream) return;
      StoreLe(bytes, static_cast<uint32_t>(stream->Size()), 4);
      bytes += stream->Bytes();
      break;
    }
    default:
      return;
  }
  if (!socket_.IsOpen()) return;
  // Sending calls nothing back (a failed client leaves from the loop later),
  // so the list stays as it is during the round.
  for (size_t i = 0; i < socket_.ClientCount(); ++i) {
    socket_.Client(i)->Send(bytes.data(), bytes.size());
  }
}

void TZETCP_Server::Received(TSocket& client, const uint8_t* bytes, size_t count) {
  TData value;
  switch (DataType) {
    case tdInteger:
      // A chunk too short for a value holds none.
      if (count < 4) return;
      MakeInt(value, static_cast<int32_t>(LoadLe32(bytes)));
      break;
    case tdString:
      MakeStr(value, std::string(reinterpret_cast<const char*>(bytes), count));
      break;
    case tdReal: {
      if (count < 8) return;
      uint64_t raw = LoadLe64(bytes);
      double x;
      std::memcpy(&x, &raw, sizeof x);
      MakeReal(value, x);
      break;
    }
    case tdStream:
      ReceiveStream(client, bytes, count);
      return;
    default:
      return;
  }
  Deliver(client, value);
}

// Each client has its own assembly, so streams of two clients never mix.
// Every handler may close the server or the client, so the assembly is
// looked up again after each event.
void TZETCP_Server::ReceiveStream(TSocket& client, const uint8_t* bytes, size_t count) {
  std::weak_ptr<char> life = client.Life();
  size_t at = 0;
  while (at < count) {
    TAssembly* a = &assemblies_[&client];
    if (!a->Stream) {
      size_t take = std::min<size_t>(4 - a->HeaderCount, count - at);
      std::memcpy(a->Header + a->HeaderCount, bytes + at, take);
      a->HeaderCount = static_cast<uint8_t>(a->HeaderCount + take);
      at += take;
      if (a->HeaderCount < 4) return;  // the rest of the header comes later
      a->Expected = LoadLe32(a->Header);
      if (a->Expected > MaxStreamBytes) {
        client.Drop();
        return;
      }
      a->Stream = std::make_unique<TStream>();
    }
    size_t take = std::min<size_t>(a->Expected - a->Stream->Size(), count - at);
    a->Stream->Append(bytes + at, take);
    at += take;
    FireInt(OnProgress, static_cast<int32_t>(a->Stream->Size()));
    if (life.expired()) return;
    auto it = assemblies_.find(&client);
    if (it == assemblies_.end() || !it->second.Stream) return;
    a = &it->second;
    if (a->Stream->Size() == a->Expected) {
      std::unique_ptr<TStream> done = std::move(a->Stream);
      a->HeaderCount = 0;
      done->Rewind();
      TData value;
      MakeStream(value, done.get());
      Deliver(client, value);
      if (life.expired()) return;
    }
  }
}

void TZETCP_Server::Deliver(const TSocket& client, TData& value) {
  TData address;
  MakeStr(address, client.PeerAddress());
  value.Next = &address;
  Fire(OnRead, value);
  value.Next = nullptr;  // the address is gone with this call
}

}  // namespace zorn
