// TZETCP_Server under abuse: a thousand connects in a row, clients that
// vanish, stay silent or half-close, a client that stops reading and one
// that floods. None may crash or hang the loop, grow memory without bound,
// or keep the other clients from being served.
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/tcp_server_fixture.h"

namespace zorn::test {
namespace {

using namespace std::chrono_literals;

size_t Count(const std::vector<std::string>& log, const std::string& prefix) {
  size_t n = 0;
  for (const std::string& s : log) n += s.compare(0, prefix.size(), prefix) == 0;
  return n;
}

TEST_F(TcpServerTest, AThousandConnectsInARowAllComeAndGoWhileAnotherClientStays) {
  Open();
  TPeer steady;
  ASSERT_TRUE(Join(steady, "127.0.0.2"));
  std::atomic<bool> stop{false};
  std::atomic<int> made{0};
  std::atomic<int> accepted{0};
  hooks["connect"] = [&](TData&) { ++accepted; };
  // Connect, maybe say something, then close or reset: as fast as it goes,
  // but never more waiting than the backlog of 10 holds (beyond it the
  // kernel drops the handshake and the client retries a second later).
  std::thread storm([&] {
    for (int i = 0; i < 1000 && !stop; ++i) {
      while (made - accepted >= 8 && !stop) std::this_thread::sleep_for(100us);
      TPeer p;
      if (!p.Connect(port, "127.0.0.3")) continue;
      ++made;
      if (i % 3 == 0) p.Send("0;1;1\n");
      if (i % 2 == 0) {
        p.Reset();
      } else {
        p.Close();
      }
    }
  });
  bool settled = Run([&] {
    return Count(log, "disconnect str 127.0.0.3") == 1000 && Clients() == 1;
  });
  stop = true;
  storm.join();
  ASSERT_TRUE(settled) << made << " connected, " << Count(log, "connect str 127.0.0.3")
                       << " accepted, " << Count(log, "disconnect str 127.0.0.3") << " gone";
  EXPECT_EQ(Count(log, "connect str 127.0.0.3"), 1000u);

  log.clear();
  ASSERT_TRUE(steady.Send("1;2;3\n"));
  ASSERT_TRUE(RunUntilLogged(1));
  EXPECT_EQ(log, std::vector<std::string>{"read str 1;2;3\n from 127.0.0.2"});
  SendStr("ref");
  EXPECT_EQ(steady.ReceiveNow(3), "ref");
}

TEST_F(TcpServerTest, VanishedSilentAndHalfClosedClientsLeaveTheOthersServed) {
  Open();
  std::vector<TPeer> silent(20), vanished(10), halfClosed(5);
  for (TPeer& p : silent) ASSERT_TRUE(Join(p, "127.0.0.4"));
  for (TPeer& p : vanished) {
    ASSERT_TRUE(Join(p, "127.0.0.5"));
    p.Send("1;2;");  // a partial line, then a reset
    p.Reset();
  }
  for (TPeer& p : halfClosed) {
    ASSERT_TRUE(Join(p, "127.0.0.6"));
    shutdown(p.Fd(), SHUT_WR);
  }
  TPeer good;
  ASSERT_TRUE(Join(good, "127.0.0.2"));
  // Gone: the reset ones and those that closed their sending side (their
  // end of stream is the end of the connection).
  ASSERT_TRUE(Run([&] {
    return Count(log, "disconnect str 127.0.0.5") + Count(log, "disconnect str 127.0.0.6") == 15;
  }));
  EXPECT_EQ(Clients(), 21u);
  size_t before = log.size();
  ASSERT_TRUE(good.Send("0;1;1\n"));
  ASSERT_TRUE(RunUntilLogged(before + 1));
  EXPECT_EQ(log.back(), "read str 0;1;1\n from 127.0.0.2");
  SendStr("\rref\n");
  EXPECT_EQ(good.ReceiveNow(5), "\rref\n");
  for (TPeer& p : silent) EXPECT_EQ(p.ReceiveNow(5), "\rref\n");
  for (TPeer& p : halfClosed) {
    p.ReceiveNow(1, 1s);
    EXPECT_TRUE(p.Ended());
  }
}

// A client that never reads is dropped once a megabyte waits for it; the
// reading client gets every byte, in order, all the while.
TEST_F(TcpServerTest, ClientThatStopsReadingIsDroppedAndTheOtherGetsEverything) {
  Open();
  TPeer good, stalled;
  ASSERT_TRUE(Join(good, "127.0.0.2"));
  ASSERT_TRUE(stalled.Connect(port, "127.0.0.3", 4096));
  ASSERT_TRUE(Run([&] { return Clients() == 2; }));
  std::string expected;
  bool dropped = false;
  for (int i = 0; i < 1000 && !dropped; ++i) {
    std::string block(64 * 1024, static_cast<char>('a' + i % 26));
    block.replace(0, 8, std::to_string(10000000 + i));
    SendStr(block);
    expected += block;
    ASSERT_TRUE(Run([&] {
      good.ReadAvailable();
      return good.Received.size() == expected.size();
    })) << "block " << i;
    dropped = Count(log, "disconnect str 127.0.0.3") == 1;
  }
  EXPECT_TRUE(dropped);
  EXPECT_TRUE(good.Received == expected);
  EXPECT_EQ(Clients(), 1u);
  // At most the kernel's buffers and the queue's megabyte went out to it.
  stalled.ReceiveNow(SIZE_MAX, 2s);
  EXPECT_TRUE(stalled.Ended());
  EXPECT_LT(stalled.Received.size(), expected.size());
}

// On the real loop: a client floods at full speed; another client's
// exchanges and a timer still get their turns.
TEST_F(TcpServerTest, FloodingClientStarvesNeitherTheOtherClientNorTheTimers) {
  std::unique_ptr<platform::TEventLoop> real = platform::MakePlatformLoop();
  platform::SetEventLoop(real.get());
  size_t floodChunks = 0;
  size_t goodReads = 0;
  TCall reader([&](TData& d, uint16_t) {
    if (ToStr(*d.Next) == "127.0.0.2") {
      ++goodReads;
      SendStr("pong");  // to every client, the flooder included
    } else {
      ++floodChunks;
    }
  });
  server->OnRead = MakeWire(0, &TCall::Take, &reader);
  Open();
  ASSERT_TRUE(server->Listening());

  struct TTick : platform::ITimerClient {
    std::function<void()> Fn;
    void OnTimerTick() override { Fn(); }
  } ticker, driver, watchdog;
  int ticks = 0;
  ticker.Fn = [&] { ++ticks; };
  bool timedOut = false;
  watchdog.Fn = [&] {
    timedOut = true;
    real->Quit();
  };

  TPeer good, flooder;
  ASSERT_TRUE(good.Connect(port, "127.0.0.2"));
  ASSERT_TRUE(flooder.Connect(port, "127.0.0.3"));
  std::atomic<bool> stop{false};
  std::thread flood([&] {
    const std::string block(64 * 1024, 'x');
    while (!stop) flooder.Send(block);
  });
  // The good client pings, waits for its pong, and pings again, 20 times.
  int pongs = 0;
  good.Send("ping");
  driver.Fn = [&] {
    good.ReadAvailable();
    size_t n = 0;
    for (size_t at = 0; (at = good.Received.find("pong", at)) != std::string::npos; at += 4) ++n;
    if (static_cast<int>(n) > pongs) {
      pongs = static_cast<int>(n);
      if (pongs == 20) {
        real->Quit();
      } else {
        good.Send("ping");
      }
    }
  };
  real->SetTimer(&ticker, 10);
  real->SetTimer(&driver, 2);
  real->SetTimer(&watchdog, 10000);
  real->Run();
  stop = true;
  flood.join();
  real->KillTimer(&ticker);
  real->KillTimer(&driver);
  real->KillTimer(&watchdog);

  EXPECT_FALSE(timedOut) << pongs << " pongs";
  EXPECT_EQ(pongs, 20);
  EXPECT_GE(goodReads, 20u);
  EXPECT_GT(floodChunks, 0u);
  EXPECT_GT(ticks, 0);
  // The server belongs to this loop: it goes before the loop does.
  server.reset();
}

}  // namespace
}  // namespace zorn::test
