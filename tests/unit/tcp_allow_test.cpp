// TZETCP_Server's allow list and local address, on the virtual loop against
// real clients on loopback: a refused client is closed before anything is
// read or sent, and never becomes a client; the server listens only on the
// address it was given, and tells when that address does not do.
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/tcp_server_fixture.h"

namespace zorn::test {
namespace {

using namespace std::chrono_literals;
using TLog = std::vector<std::string>;

class TcpAllowTest : public TcpServerTest {
 protected:
  void SetUp() override {
    TcpServerTest::SetUp();
    Log(server->OnRefuse, "refuse");
    Log(server->OnAddressError, "address");
  }
  bool Logged(const std::string& entry) {
    return Run([&] {
      for (const std::string& e : log) {
        if (e == entry) return true;
      }
      return false;
    });
  }
};

TEST_F(TcpAllowTest, ARefusedClientIsClosedBeforeAnythingIsReadOrSent) {
  server->Allow = "127.0.0.2";
  Open();
  TPeer allowed, refused;
  ASSERT_TRUE(Join(allowed, "127.0.0.2"));
  // The refused client speaks at once; nothing of it may arrive.
  ASSERT_TRUE(refused.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(refused.Send("0;1;1\n"));
  ASSERT_TRUE(Logged("refuse str 127.0.0.3"));
  SendStr("scan\n");
  EXPECT_EQ(allowed.ReceiveNow(5), "scan\n");
  EXPECT_EQ(refused.ReceiveNow(1, 2s), "") << "nothing is sent to a refused client";
  EXPECT_TRUE(refused.Ended()) << "the refused client is closed at once";
  EXPECT_EQ(Clients(), 1u);
  ASSERT_TRUE(allowed.Send("1;3;12\n"));
  ASSERT_TRUE(Run([&] { return log.size() >= 4; }));
  loop.RunPending();
  EXPECT_EQ(log, (TLog{"start null", "connect str 127.0.0.2", "refuse str 127.0.0.3",
                       "read str 1;3;12\n from 127.0.0.2"}));
}

TEST_F(TcpAllowTest, RangesAdmitTheirClientsAndEveryRefusalIsReported) {
  server->Allow = "127.0.0.8/30, 127.0.0.20";
  Open();
  TPeer in1, in2, out1, out2;
  ASSERT_TRUE(Join(in1, "127.0.0.9"));
  ASSERT_TRUE(Join(in2, "127.0.0.20"));
  ASSERT_TRUE(out1.Connect(port, "127.0.0.12"));
  ASSERT_TRUE(Logged("refuse str 127.0.0.12"));
  ASSERT_TRUE(out2.Connect(port, "127.0.0.12"));
  ASSERT_TRUE(Run([&] { return log.size() >= 5; }));
  EXPECT_EQ(log, (TLog{"start null", "connect str 127.0.0.9", "connect str 127.0.0.20",
                       "refuse str 127.0.0.12", "refuse str 127.0.0.12"}))
      << "the element reports every refusal; the link limits the messages";
  EXPECT_EQ(Clients(), 2u);
}

TEST_F(TcpAllowTest, AListWithoutAValidEntryAdmitsNobody) {
  server->Allow = "127.0.0.256, everyone";
  Open();
  EXPECT_TRUE(server->Listening());
  TPeer a;
  ASSERT_TRUE(a.Connect(port, "127.0.0.1"));
  ASSERT_TRUE(Logged("refuse str 127.0.0.1"));
  EXPECT_EQ(Clients(), 0u);
}

TEST_F(TcpAllowTest, WithoutAListEveryClientIsTaken) {
  Open();
  TPeer a, b;
  ASSERT_TRUE(Join(a, "127.0.0.2"));
  ASSERT_TRUE(Join(b, "127.0.0.3"));
  EXPECT_EQ(Clients(), 2u);
  EXPECT_EQ(log, (TLog{"start null", "connect str 127.0.0.2", "connect str 127.0.0.3"}));
}

TEST_F(TcpAllowTest, TheListIsReadAtEachOpening) {
  server->Allow = "127.0.0.2";
  Open();
  TPeer a;
  ASSERT_TRUE(a.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(Logged("refuse str 127.0.0.3"));
  Close();
  server->Allow = "";
  Open();
  ASSERT_TRUE(Join(a, "127.0.0.3"));
  EXPECT_EQ(Clients(), 1u);
}

TEST_F(TcpAllowTest, ListensOnlyOnTheGivenAddress) {
  server->Address = "127.0.0.2";
  Open();
  ASSERT_TRUE(server->Listening());
  TPeer other, right;
  EXPECT_FALSE(other.Connect(port, "127.0.0.1", 0, "127.0.0.3")) << "refused by the OS";
  ASSERT_TRUE(right.Connect(port, "127.0.0.1", 0, "127.0.0.2"));
  ASSERT_TRUE(Run([&] { return connects == 1; }));
  EXPECT_EQ(log, (TLog{"start null", "connect str 127.0.0.1"}));
}

TEST_F(TcpAllowTest, AnAddressThatDoesNotDoIsReportedAndNothingListens) {
  // Not dotted decimal (inet_addr would take the first two), and well formed
  // but no address of this machine (a documentation network).
  for (const char* address : {"127.1", "0x7f.0.0.1", "127.0.0.300", "192.0.2.1"}) {
    log.clear();
    server->Address = address;
    Open();
    loop.RunPending();
    EXPECT_FALSE(server->Listening()) << address;
    EXPECT_EQ(log, (TLog{std::string("address str ") + address})) << address;
  }
  // A port in use at a good address stays silent, as before.
  server->Address = "127.0.0.1";
  Open();
  ASSERT_TRUE(server->Listening());
  log.clear();
  auto second = std::make_unique<TZETCP_Server>();
  second->Address = "127.0.0.1";
  second->Port = port;
  Log(second->OnAddressError, "second address");
  Log(second->OnStart, "second start");
  TData d;
  second->Open(d, 0);
  EXPECT_FALSE(second->Listening());
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace zorn::test
