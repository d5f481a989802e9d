// The TCP-server service under the element: the ordered and bounded send
// queue, and the pause when the OS has no descriptor left for an accept.
#include <sys/resource.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/tcp_server.h"
#include "platform/virtual_loop.h"
#include "support/tcp_peer.h"

namespace zorn::platform {
namespace {

using namespace std::chrono_literals;
using test::TPeer;

// The server side: owns what it accepts and records which connections end.
class TServerSide : public ITcpListenerEvents, public ITcpConnectionEvents {
 public:
  void OnTcpAccept(std::unique_ptr<TTcpConnection> connection) override {
    connection->SetEvents(this);
    Connections.push_back(std::move(connection));
  }
  void OnTcpListenerClosed() override {}
  void OnTcpData(TTcpConnection&, const uint8_t*, size_t) override {}
  void OnTcpClosed(TTcpConnection& c) override { Closed.push_back(&c); }

  std::vector<std::unique_ptr<TTcpConnection>> Connections;
  std::vector<TTcpConnection*> Closed;
};

class TcpServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { SetEventLoop(&loop); }
  void TearDown() override {
    side.Connections.clear();
    listener.reset();
    SetEventLoop(nullptr);
  }
  // Listens on a free loopback port.
  void Listen() {
    listener = std::make_unique<TTcpListener>(side);
    ASSERT_TRUE(listener->Bind(0, "127.0.0.1"));
    ASSERT_TRUE(listener->Listen(10));
    port = listener->LocalPort();
    ASSERT_NE(port, 0);
  }
  bool Run(const std::function<bool()>& done) { return loop.RunUntil(done, 5s); }
  static std::string Pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
    return s;
  }

  TVirtualLoop loop;
  TServerSide side;
  std::unique_ptr<TTcpListener> listener;
  uint16_t port = 0;
};

TEST_F(TcpServiceTest, QueuedBytesLeaveInOrderOnceThePeerReadsAgain) {
  Listen();
  TPeer peer;
  ASSERT_TRUE(peer.Connect(port, "127.0.0.1", 4096));
  ASSERT_TRUE(Run([&] { return !side.Connections.empty(); }));
  TTcpConnection* c = side.Connections.back().get();
  // Sends until the kernel takes no more from a peer that reads nothing,
  // then some more: those wait in the queue, well below its bound.
  const std::string block = Pattern(9 * 1024);
  std::string all;
  int afterFull = 0;
  for (int i = 0; i < 4000 && afterFull < 40; ++i) {
    std::string numbered = block;
    numbered.replace(0, 8, std::to_string(10000000 + i));  // blocks tell apart
    TSendResult r = c->Send(numbered.data(), numbered.size());
    ASSERT_NE(r, TSendResult::Dropped);
    all += numbered;
    if (r == TSendResult::Queued) ++afterFull;
  }
  ASSERT_EQ(afterFull, 40);
  EXPECT_GT(c->QueuedBytes(), 0u);
  ASSERT_TRUE(Run([&] {
    peer.ReadAvailable();
    return peer.Received.size() >= all.size();
  }));
  EXPECT_TRUE(peer.Received == all);
  EXPECT_EQ(c->QueuedBytes(), 0u);
  EXPECT_TRUE(side.Closed.empty());
}

TEST_F(TcpServiceTest, QueueBeyondItsBoundDropsTheConnectionAndReportsItFromTheLoop) {
  Listen();
  TPeer stalled;
  ASSERT_TRUE(stalled.Connect(port, "127.0.0.1", 4096));
  ASSERT_TRUE(Run([&] { return !side.Connections.empty(); }));
  TTcpConnection* c = side.Connections.back().get();
  const std::string block = Pattern(64 * 1024);
  TSendResult r = TSendResult::Sent;
  size_t sent = 0;
  for (int i = 0; i < 2000; ++i) {
    r = c->Send(block.data(), block.size());
    EXPECT_LE(c->QueuedBytes(), TTcpConnection::kMaxQueuedBytes);
    if (r == TSendResult::Dropped) break;
    sent += block.size();
    loop.RunPending();  // the socket takes what it can between sends
  }
  ASSERT_EQ(r, TSendResult::Dropped) << "after " << sent << " bytes";
  // Not from inside Send: the owner hears of it on the loop's next turn.
  EXPECT_TRUE(side.Closed.empty());
  EXPECT_FALSE(c->IsOpen());
  EXPECT_EQ(c->QueuedBytes(), 0u);
  loop.RunPending();
  EXPECT_EQ(side.Closed, std::vector<TTcpConnection*>{c});
  stalled.ReceiveNow(SIZE_MAX, 1s);
  EXPECT_TRUE(stalled.Ended());
}

// With no descriptor left, accept fails while the connection stays waiting;
// asking again at once would spin the loop. The listener rests and takes
// the connections once descriptors are free.
TEST(TcpAcceptTest, OutOfDescriptorsPausesAcceptInsteadOfSpinning) {
  std::unique_ptr<TEventLoop> loop = MakePlatformLoop();
  SetEventLoop(loop.get());
  TServerSide side;
  auto listener = std::make_unique<TTcpListener>(side);
  ASSERT_TRUE(listener->Bind(0, "127.0.0.1"));
  ASSERT_TRUE(listener->Listen(10));

  struct TQuit : ITimerClient {
    std::function<void()> Fn;
    void OnTimerTick() override { Fn(); }
  } stop, watchdog;
  bool timedOut = false;
  stop.Fn = [&] { loop->Quit(); };
  watchdog.Fn = [&] {
    timedOut = true;
    loop->Quit();
  };

  TPeer peers[3];
  // The peers' sockets exist before the limit drops to the next free
  // descriptor; connecting takes no new one, accepting does.
  int probe = dup(0);
  ASSERT_GE(probe, 0);
  close(probe);
  rlimit old{};
  getrlimit(RLIMIT_NOFILE, &old);
  for (TPeer& p : peers) ASSERT_TRUE(p.Connect(listener->LocalPort()));
  probe = dup(0);
  close(probe);
  rlimit low = old;
  low.rlim_cur = static_cast<rlim_t>(probe);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);

  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  loop->SetTimer(&stop, 300);
  loop->Run();
  loop->KillTimer(&stop);
  getrusage(RUSAGE_SELF, &after);
  setrlimit(RLIMIT_NOFILE, &old);
  auto cpuMs = [](const rusage& u) {
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
  };
  EXPECT_TRUE(side.Connections.empty());
  // A spinning loop burns the whole 300 ms; a resting one almost nothing.
  EXPECT_LT(cpuMs(after) - cpuMs(before), 100.0);

  stop.Fn = [&] {
    if (side.Connections.size() == 3) loop->Quit();
  };
  loop->SetTimer(&stop, 5);
  loop->SetTimer(&watchdog, 5000);
  loop->Run();
  loop->KillTimer(&stop);
  loop->KillTimer(&watchdog);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(side.Connections.size(), 3u);

  side.Connections.clear();
  listener.reset();
  SetEventLoop(nullptr);
}

}  // namespace
}  // namespace zorn::platform
