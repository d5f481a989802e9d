// Socket readiness of the event loops: the virtual loop polls between its
// steps without waiting, the POSIX loop waits in poll() for sockets and
// timers together, and both keep a handler's changes to the watched set.
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
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

// Logs "name:events", reads what is waiting as a real client would (so that
// the condition ends), then runs OnReady.
class TWatcher : public ISocketClient {
 public:
  TWatcher(std::string name, TLog& log) : name_(std::move(name)), log_(log) {}
  void OnSocketReady(TSocketHandle socket, uint8_t events) override {
    log_.push_back(name_ + ":" + Events(events));
    if (events & seRead) {
      char buffer[256];
      while (recv(static_cast<int>(socket), buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
      }
    }
    if (OnReady) OnReady(events);
  }
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
  // Between steps only: RunPending reports without moving the clock.
  pair.Write("y");
  loop.RunPending();
  EXPECT_EQ(log.back(), "read:R@100");
  loop.UnwatchSocket(pair.Handle());
}

// A handle closed without unwatching would be ready for ever; its owner
// hears of it once, as a close, and the loop forgets it.
TEST(VirtualLoopSocketTest, HandleClosedWhileWatchedIsReportedOnceAsAClose) {
  TVirtualLoop loop;
  TLog log;
  TPair pair;
  TWatcher w("w", log);
  loop.WatchSocket(pair.Handle(), seRead, &w);
  close(pair.A);
  TSocketHandle stale = pair.Handle();
  pair.A = -1;
  loop.RunPending();
  loop.RunPending();
  EXPECT_EQ(log, TLog{"w:C"});
  EXPECT_FALSE(loop.SocketWatched(stale));
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

}  // namespace
}  // namespace zorn::platform
