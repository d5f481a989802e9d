// A TZETCP_Server on the virtual loop, listening on a free loopback port,
// with every event written to a log as "event value".
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/tcp_server.h"
#include "platform/virtual_loop.h"
#include "support/elements.h"
#include "support/tcp_peer.h"

namespace zorn::test {

class TcpServerTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::SetEventLoop(&loop);
    port = FreeLoopbackPort();
    ASSERT_NE(port, 0);
    server = std::make_unique<TZETCP_Server>();
    server->Address = "127.0.0.1";
    server->Port = port;
    server->DataType = tdString;
    Log(server->OnConnect, "connect");
    Log(server->OnDisconnect, "disconnect");
    Log(server->OnStart, "start");
    Log(server->OnStop, "stop");
    Log(server->OnRead, "read");
    Log(server->OnProgress, "progress");
  }
  void TearDown() override {
    server.reset();
    platform::SetEventLoop(nullptr);
    RuntimeTest::TearDown();
  }

  // The value as the log shows it: kind and text; a stream as its bytes; a
  // second value of the chain after " from ".
  static std::string Show(const TData& d) {
    std::string text;
    if (TStream* s = StreamOf(d)) {
      text = "stream " + s->Bytes();
    } else {
      text = TProbe::Describe(d);
    }
    if (d.Next) text += " from " + ToStr(*d.Next);
    return text;
  }

  void Log(TWire& event, const std::string& name) {
    auto call = std::make_unique<TCall>([this, name](TData& d, uint16_t) {
      log.push_back(name + " " + Show(d));
      if (name == "connect") ++connects;
      if (auto it = hooks.find(name); it != hooks.end()) it->second(d);
    });
    event = MakeWire(0, &TCall::Take, call.get());
    calls.push_back(std::move(call));
  }

  void Open() {
    TData d;
    server->Open(d, 0);
  }
  void Close() {
    TData d;
    server->Close(d, 2);
  }
  void Send(TData value) { server->Send(value, 2); }
  void SendStr(const std::string& s) {
    TData d;
    MakeStr(d, s);
    Send(d);
  }

  // Drives the loop until `done`, five real seconds at most.
  bool Run(const std::function<bool()>& done) {
    return loop.RunUntil(done, std::chrono::seconds(5));
  }
  bool RunUntilLogged(size_t entries) {
    return Run([&] { return log.size() >= entries; });
  }
  size_t Clients() const { return server->Socket().ClientCount(); }
  // Connects `peer` from `local` and drives the loop until it is accepted.
  bool Join(TPeer& peer, const char* local = "127.0.0.1") {
    size_t before = connects;
    return peer.Connect(port, local) && Run([&] { return connects > before; });
  }

  platform::TVirtualLoop loop;
  uint16_t port = 0;
  std::unique_ptr<TZETCP_Server> server;
  std::vector<std::string> log;
  size_t connects = 0;
  // Extra work for an event's handler, by event name.
  std::map<std::string, std::function<void(TData&)>> hooks;
  std::vector<std::unique_ptr<TCall>> calls;
};

}  // namespace zorn::test
