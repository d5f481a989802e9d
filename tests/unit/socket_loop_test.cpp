// Socket readiness of the event loops: the virtual loop polls between its
// steps without waiting, the POSIX loop waits in poll() for sockets and
// timers together, and both keep a handler's changes to the watched set.
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/event_loop.h"
#include "platform/virtual_loop.h"

namespace zorn::platform {
namespace {

using namespace std::chrono_literals;
using TLog = std::vector<std::string>;

// Both ends of a local stream socket pair.
struct TPair {
  TPair() {
    int fds[2];
    EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    A = fds[0];
    B = fds[1];
  }
  ~TPair() {
    if (A >= 0) close(A);
    if (B >= 0) close(B);
  }
  TSocketHandle Handle() const { return static_cast<TSocketHandle>(A); }
  void Write(const char* text) const { ASSERT_GT(write(B, text, strlen(text)), 0); }
  int A = -1;
  int B = -1;
};

std::string Events(uint8_t e) {
  std::string s;
  if (e & seAccept) s += "A";
  if (e & seRead) s += "R";
  if (e & seWrite) s += "W";
  if (e & seClose) s += "C";
  return s;
}

// Logs "name:events" and runs OnReady; reads what is waiting when asked to,
// as a real client would, so that a lasting condition ends.
class TWatcher : public ISocketClient {
 public:
  TWatcher(std::string name, TLog& log) : name_(std::move(name)), log_(log) {}
  void OnSocketReady(TSocketHandle socket, uint8_t events) override {
    log_.push_back(name_ + ":" + Events(events));
    if (Drain && (events & seRead)) {
      char buffer[256];
      while (recv(static_cast<int>(socket), buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
      }
    }
    if (OnReady) OnReady(events);
  }
  bool Drain = true;
  std::function<void(uint8_t)> OnReady;

 private:
  std::string name_;
  TLog& log_;
};

class TTick : public ITimerClient {
 public:
  void OnTimerTick() override { Fn(); }
  std::function<void()> Fn;
};

TEST(VirtualLoopSocketTest, RunPendingReportsReadinessOnceAndNeverMovesTheClock) {
  TVirtualLoop loop;
  TPair pair;
  TLog log;
  TWatcher w("w", log);
  loop.WatchSocket(pair.Handle(), seRead, &w);
  loop.RunPending();
  EXPECT_TRUE(log.empty());  // nothing to read, and nothing waits

  pair.Write("x");
  w.Drain = false;
  loop.RunPending();
  EXPECT_EQ(log, TLog{"w:R"});
  // Unread bytes are reported again on the next round: readiness is level.
  loop.RunPending();
  EXPECT_EQ(log, (TLog{"w:R", "w:R"}));
  EXPECT_EQ(loop.Now(), 0u);

  // A new interest replaces the old: write only, reported while writable.
  loop.WatchSocket(pair.Handle(), seWrite, &w);
  log.clear();
  loop.RunPending();
  EXPECT_EQ(log, TLog{"w:W"});

  loop.UnwatchSocket(pair.Handle());
  log.clear();
  loop.RunPending();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(loop.SocketWatched(pair.Handle()));
}

TEST(VirtualLoopSocketTest, AdvancePollsBetweenTimerSteps) {
  TVirtualLoop loop;
  TPair pair;
  TLog log;
  TWatcher w("read", log);
  w.OnReady = [&](uint8_t) { log.back() += "@" + std::to_string(loop.Now()); };
  loop.WatchSocket(pair.Handle(), seRead, &w);
  TTick writer, marker;
  writer.Fn = [&] {
    log.push_back("tick@" + std::to_string(loop.Now()));
    pair.Write("x");
    loop.KillTimer(&writer);
  };
  marker.Fn = [&] {
    log.push_back("mark@" + std::to_string(loop.Now()));
    loop.KillTimer(&marker);
  };
  loop.SetTimer(&writer, 10);
  loop.SetTimer(&marker, 20);
  loop.Advance(100);
  // The byte written at 10 is reported at 10, before the step at 20.
  EXPECT_EQ(log, (TLog{"tick@10", "read:R@10", "mark@20"}));
}

TEST(VirtualLoopSocketTest, ClosedPeerIsReportedAndAStaleHandleOnlyOnce) {
  TVirtualLoop loop;
  TLog log;
  TPair pair;
  TWatcher w("w", log);
  loop.WatchSocket(pair.Handle(), seRead, &w);
  close(pair.B);
  pair.B = -1;
  loop.RunPending();
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log[0].find('R'), std::string::npos);  // the end of the stream reads as 0 bytes

  // A handle closed without unwatching would be ready for ever; its owner
  // hears of it once, as a close, and the loop forgets it.
  TPair other;
  TLog log2;
  TWatcher w2("w2", log2);
  loop.WatchSocket(other.Handle(), seRead, &w2);
  close(other.A);
  TSocketHandle stale = other.Handle();
  other.A = -1;
  loop.RunPending();
  loop.RunPending();
  EXPECT_EQ(log2, TLog{"w2:C"});
  EXPECT_FALSE(loop.SocketWatched(stale));
  loop.UnwatchSocket(pair.Handle());
}

// A handler that unwatches another socket, closes it and watches a new one
// of the same descriptor number: what the round found for the old socket
// must not reach the new owner.
TEST(VirtualLoopSocketTest, HandlerChangesToTheWatchedSetTakeEffectWithinTheRound) {
  TVirtualLoop loop;
  TLog log;
  auto first = std::make_unique<TPair>();
  auto second = std::make_unique<TPair>();
  TWatcher a("a", log), b("b", log), c("c", log);
  std::unique_ptr<TPair> replacement;
  a.OnReady = [&](uint8_t) {
    int oldFd = second->A;
    loop.UnwatchSocket(second->Handle());
    second.reset();
    replacement = std::make_unique<TPair>();
    ASSERT_EQ(replacement->A, oldFd);  // the lowest free descriptor comes back
    loop.WatchSocket(replacement->Handle(), seRead, &c);
  };
  loop.WatchSocket(first->Handle(), seRead, &a);
  loop.WatchSocket(second->Handle(), seRead, &b);
  first->Write("1");
  second->Write("2");
  loop.RunPending();
  EXPECT_EQ(log, TLog{"a:R"});
  replacement->Write("3");
  loop.RunPending();
  EXPECT_EQ(log, (TLog{"a:R", "c:R"}));
  loop.UnwatchSocket(first->Handle());
  loop.UnwatchSocket(replacement->Handle());
}

TEST(VirtualLoopSocketTest, RunUntilWaitsForAPeerInRealTimeAndGivesUpAtTheDeadline) {
  TVirtualLoop loop;
  TPair pair;
  TLog log;
  TWatcher w("w", log);
  loop.WatchSocket(pair.Handle(), seRead, &w);
  std::thread peer([&] {
    std::this_thread::sleep_for(30ms);
    pair.Write("late");
  });
  EXPECT_TRUE(loop.RunUntil([&] { return !log.empty(); }, 5s));
  peer.join();
  EXPECT_EQ(loop.Now(), 0u);
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(loop.RunUntil([] { return false; }, 50ms));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
  loop.UnwatchSocket(pair.Handle());
}

// The real loop sleeps in poll() until a socket or a timer needs it. The
// watchdog quits it and fails the test instead of hanging.
class PosixLoopSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    watchdog.Fn = [this] {
      ADD_FAILURE() << "watchdog: the loop did not finish";
      loop->Quit();
    };
    loop->SetTimer(&watchdog, 5000);
  }
  void TearDown() override { loop->KillTimer(&watchdog); }

  std::unique_ptr<TEventLoop> loop = MakePlatformLoop();
  TTick watchdog;
};

TEST_F(PosixLoopSocketTest, WakesForAPeerWhileTimersGoOnTicking) {
  TPair pair;
  TLog log;
  TWatcher w("w", log);
  int ticks = 0;
  TTick ticker;
  ticker.Fn = [&] { ++ticks; };
  loop->SetTimer(&ticker, 5);
  w.OnReady = [&](uint8_t) { loop->Quit(); };
  loop->WatchSocket(pair.Handle(), seRead, &w);
  std::thread peer([&] {
    std::this_thread::sleep_for(60ms);
    pair.Write("x");
  });
  loop->Run();
  peer.join();
  EXPECT_EQ(log, TLog{"w:R"});
  EXPECT_GE(ticks, 2);
  loop->KillTimer(&ticker);
  loop->UnwatchSocket(pair.Handle());
}

TEST_F(PosixLoopSocketTest, UnwatchedSocketIsNeverReportedAndWriteReadinessComesWhenAsked) {
  TPair pair;
  TLog log;
  TWatcher w("w", log);
  loop->WatchSocket(pair.Handle(), seRead, &w);
  loop->UnwatchSocket(pair.Handle());
  pair.Write("x");
  // Watched for writing: reported at once; the handler stops it and quits.
  TPair other;
  TWatcher v("v", log);
  v.OnReady = [&](uint8_t) {
    loop->UnwatchSocket(other.Handle());
    loop->Post([&] { loop->Quit(); });
  };
  loop->WatchSocket(other.Handle(), seRead | seWrite, &v);
  loop->Run();
  EXPECT_EQ(log, TLog{"v:W"});
}

}  // namespace
}  // namespace zorn::platform
