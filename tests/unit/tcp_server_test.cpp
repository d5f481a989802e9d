// TZETCP_Server on the virtual loop against real clients on loopback: states
// and their events, the wire forms of the four data types, stream
// reassembly, and handlers that close the server from inside its events.
#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/tcp_server_fixture.h"

namespace zorn::test {
namespace {

using namespace std::chrono_literals;
using TLog = std::vector<std::string>;

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// A stream's length header.
std::string Header(uint32_t n) {
  return Bytes({int(n & 0xFF), int(n >> 8 & 0xFF), int(n >> 16 & 0xFF), int(n >> 24)});
}

TEST_F(TcpServerTest, OpenTwiceListensOnceAndClientsComeAndGo) {
  Open();
  Open();
  EXPECT_TRUE(server->Listening());
  TPeer a;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  a.Close();
  ASSERT_TRUE(Run([&] { return Clients() == 0; }));
  EXPECT_EQ(log, (TLog{"start null", "connect str 127.0.0.2", "disconnect str 127.0.0.2"}));
}

TEST_F(TcpServerTest, PortThatCannotBeBoundFiresNothing) {
  int blocker = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  sa.sin_addr.s_addr = inet_addr("127.0.0.1");
  ASSERT_EQ(bind(blocker, reinterpret_cast<sockaddr*>(&sa), sizeof sa), 0);
  ASSERT_EQ(listen(blocker, 1), 0);
  Open();
  SendStr("x");
  loop.RunPending();
  EXPECT_FALSE(server->Listening());
  close(blocker);

  // Ports out of range are refused rather than folded onto another port, and
  // 0 does not listen on a port nobody knows; a bad address binds nothing.
  for (int32_t p : {0, -1, 65536 + 4464}) {
    server->Port = p;
    Open();
  }
  server->Port = port;
  server->Address = "not.an.address";
  Open();
  EXPECT_FALSE(server->Listening());
  EXPECT_TRUE(log.empty());

  server->Address = "127.0.0.1";
  Open();
  EXPECT_EQ(log, TLog{"start null"});
}

TEST_F(TcpServerTest, CloseEndsClientsLastAcceptedFirstThenStopsAndCanOpenAgain) {
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  log.clear();
  Close();
  EXPECT_EQ(log, (TLog{"disconnect str 127.0.0.3", "disconnect str 127.0.0.2", "stop null"}));
  EXPECT_EQ(Clients(), 0u);
  a.ReceiveNow(1);
  b.ReceiveNow(1);
  EXPECT_TRUE(a.Ended());
  EXPECT_TRUE(b.Ended());
  Close();
  EXPECT_EQ(log.size(), 3u);
  // The port is free again at once, connections of the last run lingering
  // or not.
  Open();
  EXPECT_EQ(log.back(), "start null");
  TPeer c;
  EXPECT_TRUE(Join(c));
}

TEST_F(TcpServerTest, StringModeDeliversEachChunkWithTheClientAddress) {
  Open();
  TPeer a;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  log.clear();
  ASSERT_TRUE(a.Send("1;3;"));
  ASSERT_TRUE(RunUntilLogged(1));
  ASSERT_TRUE(a.Send("12\r\n"));
  ASSERT_TRUE(RunUntilLogged(2));
  EXPECT_EQ(log, (TLog{"read str 1;3; from 127.0.0.2", "read str 12\r\n from 127.0.0.2"}));
}

// Including the client that has just connected: the TCP link greets every
// client from OnConnect.
TEST_F(TcpServerTest, SendReachesEveryClientAlsoFromInsideOnConnect) {
  hooks["connect"] = [&](TData&) { SendStr("scan\n"); };
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  SendStr("\rref\n");
  EXPECT_EQ(a.ReceiveNow(15), "scan\nscan\n\rref\n");
  EXPECT_EQ(b.ReceiveNow(10), "scan\n\rref\n");
}

TEST_F(TcpServerTest, IntegerAndRealModesUseLittleEndianFormsOneValuePerChunk) {
  server->DataType = tdInteger;
  Open();
  TPeer a;
  ASSERT_TRUE(Join(a));
  log.clear();
  TData v;
  MakeInt(v, -2);
  Send(v);
  EXPECT_EQ(a.ReceiveNow(4), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
  ASSERT_TRUE(a.Send(Bytes({4, 3, 2, 1, 9, 9})));
  ASSERT_TRUE(RunUntilLogged(1));
  EXPECT_EQ(log.back(), "read int 16909060 from 127.0.0.1");
  // A chunk too short for a value holds none; the next chunk starts afresh.
  ASSERT_TRUE(a.Send(Bytes({7, 0})));
  loop.RunUntil([] { return false; }, 100ms);
  EXPECT_EQ(log.size(), 1u);

  server->DataType = tdReal;
  a.Received.clear();
  MakeReal(v, 1.5);
  Send(v);
  EXPECT_EQ(a.ReceiveNow(8), Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
  ASSERT_TRUE(a.Send(Bytes({0, 0, 0, 0, 0, 0, 0x04, 0xC0})));
  ASSERT_TRUE(RunUntilLogged(2));
  EXPECT_EQ(log.back(), "read real -2.5 from 127.0.0.1");
}

TEST_F(TcpServerTest, StreamModeAssemblesHeaderAndPayloadAcrossChunks) {
  server->DataType = tdStream;
  Open();
  TPeer a;
  ASSERT_TRUE(Join(a));
  log.clear();
  ASSERT_TRUE(a.Send(Bytes({5, 0})));
  loop.RunUntil([] { return false; }, 100ms);  // half a header: nothing to say
  EXPECT_TRUE(log.empty());
  ASSERT_TRUE(a.Send(Bytes({0, 0}) + "he"));
  ASSERT_TRUE(RunUntilLogged(1));
  ASSERT_TRUE(a.Send("llo"));
  ASSERT_TRUE(RunUntilLogged(3));
  EXPECT_EQ(log, (TLog{"progress int 2", "progress int 5", "read stream hello from 127.0.0.1"}));

  // An empty stream and a second stream in one chunk.
  log.clear();
  ASSERT_TRUE(a.Send(Header(0) + Header(2) + "ab"));
  ASSERT_TRUE(RunUntilLogged(4));
  EXPECT_EQ(log, (TLog{"progress int 0", "read stream  from 127.0.0.1", "progress int 2",
                       "read stream ab from 127.0.0.1"}));
}

TEST_F(TcpServerTest, StreamsOfTwoClientsAreAssembledApart) {
  server->DataType = tdStream;
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  log.clear();
  ASSERT_TRUE(a.Send(Header(3) + "a1"));
  ASSERT_TRUE(RunUntilLogged(1));
  ASSERT_TRUE(b.Send(Header(3) + "b1b"));
  ASSERT_TRUE(RunUntilLogged(3));
  ASSERT_TRUE(a.Send("a"));
  ASSERT_TRUE(RunUntilLogged(5));
  EXPECT_EQ(log, (TLog{"progress int 2", "progress int 3", "read stream b1b from 127.0.0.3",
                       "progress int 3", "read stream a1a from 127.0.0.2"}));
}

TEST_F(TcpServerTest, StreamSendFramesTheWholeStreamAndAHugeAnnouncementDropsTheClient) {
  server->DataType = tdStream;
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  TStream stream;
  stream.Append("hey", 3);
  char skip;
  stream.Read(&skip, 1);  // the read position does not matter: sent from the start
  TData v;
  MakeStream(v, &stream);
  Send(v);
  EXPECT_EQ(a.ReceiveNow(7), Header(3) + "hey");
  MakeNull(v);
  Send(v);  // no stream: nothing

  log.clear();
  ASSERT_TRUE(a.Send(Header(0xFFFFFFF0u) + "x"));
  ASSERT_TRUE(Run([&] { return Clients() == 1; }));
  EXPECT_EQ(log, TLog{"disconnect str 127.0.0.2"});
  ASSERT_TRUE(b.Send(Header(1) + "y"));
  ASSERT_TRUE(RunUntilLogged(3));
  EXPECT_EQ(log.back(), "read stream y from 127.0.0.3");
  EXPECT_EQ(b.ReceiveNow(7), Header(3) + "hey");
}

TEST_F(TcpServerTest, DestroyingTheElementClosesEverythingQuietly) {
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a));
  ASSERT_TRUE(Join(b));
  log.clear();
  server.reset();
  loop.RunPending();
  EXPECT_TRUE(log.empty());
  a.ReceiveNow(1);
  b.ReceiveNow(1);
  EXPECT_TRUE(a.Ended());
  EXPECT_TRUE(b.Ended());
}

TEST_F(TcpServerTest, ReadHandlerThatClosesTheServerEndsTheRoundSafely) {
  hooks["read"] = [&](TData&) { Close(); };
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  log.clear();
  ASSERT_TRUE(a.Send("x"));
  ASSERT_TRUE(b.Send("y"));
  ASSERT_TRUE(Run([&] { return !server->Listening(); }));
  loop.RunPending();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].substr(0, 9), "read str ");
  EXPECT_EQ((TLog{log[1], log[2], log[3]}),
            (TLog{"disconnect str 127.0.0.3", "disconnect str 127.0.0.2", "stop null"}));
}

}  // namespace
}  // namespace zorn::test
