// The controller link in TCP mode on the virtual clock, against plcsim and
// raw clients over loopback: bytes on the wire, lines with their CR, status
// code and flags with their timers, the settle event, clients sharing one
// line buffer, and the line cap.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "link/controller_link.h"
#include "platform/virtual_loop.h"
#include "support/elements.h"
#include "support/plcsim_harness.h"
#include "support/pty.h"
#include "support/tcp_peer.h"

namespace zorn::test {
namespace {

using Link = TClassMultiElement_Link;

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Input blocks 1 (bool), 3 (int), 5 (str) and output block 4 (bool).
constexpr const char* kBlocks =
    "in bool 1 const 1\n"
    "in int 3 const 12\n"
    "in str 5 const pump\n"
    "out bool 4 const 0\n";

class LinkTcpTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::SetEventLoop(&loop);
    port = FreeLoopbackPort();
    ASSERT_NE(port, 0);
    SetVar("type_connect", 2);
    SetVar("tcp_port", port);
    SetVar("time_refresh", 1);
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(5);
    for (uint16_t i = 0; i < 5; ++i) host->Events[i] = MakeWire(0, &TProbe::Take, &out[i]);
    host->SetFactory(&SchemeFactory<TClassMultiElement_Link>);
    // Tests listen on loopback only.
    Tcp().server->Address = "127.0.0.1";
    dir = fs::temp_directory_path() / ("zorn-link-tcp-" + std::to_string(getpid()));
    fs::create_directories(dir);
    plcsim_test::write_file(dir / "blocks.txt", kBlocks);
  }
  void TearDown() override {
    host.reset();
    platform::SetEventLoop(nullptr);
    RuntimeTest::TearDown();
    fs::remove_all(dir);
  }

  static void SetVar(const std::string& name, int32_t value) {
    MakeInt(TZEGlobalVar::Variable(name), value);
  }
  static std::string Var(const std::string& name) {
    return TProbe::Describe(TZEGlobalVar::Variable(name));
  }
  void Input(uint16_t point, int32_t v) { FireInt(MakeWire(point, &TZEMultiElement::Action, host.get()), v); }
  void Input(uint16_t point, const std::string& s) {
    FireStr(MakeWire(point, &TZEMultiElement::Action, host.get()), s);
  }
  TClassMultiElement_Link& Link() { return *static_cast<TClassMultiElement_Link*>(host->Child->Scheme); }
  TClassMultiElement_TcpLink& Tcp() {
    return *static_cast<TClassMultiElement_TcpLink*>(Link().tcpLink->Child->Scheme);
  }
  TZELineAssembler& LineBuffer() {
    auto* splitter = Tcp().splitter->Child->Scheme;
    return *static_cast<TClassMultiElement_TcpLineSplitter*>(splitter)->lineBuffer;
  }
  bool Run(const std::function<bool()>& done) { return loop.RunUntil(done, std::chrono::seconds(5)); }
  bool Join(TPeer& peer) {
    size_t before = out[Link::OnMessage].Seen.size();
    return peer.Connect(port) && Run([&] { return out[Link::OnMessage].Seen.size() > before; });
  }
  std::vector<std::string> PlcsimArgs(std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--tcp", "127.0.0.1:" + std::to_string(port), "--blocks",
                                  (dir / "blocks.txt").string(), "--log", (dir / "wire.log").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  }
  std::string Wire(size_t atLeast) { return plcsim_test::wait_for_file(dir / "wire.log", atLeast, 3000); }

  TWatchdog watchdog{std::chrono::seconds(30)};
  platform::TVirtualLoop loop;
  uint16_t port = 0;
  std::unique_ptr<TZEMultiElement> host;
  // Lines, status codes, link lost, operator messages, settle events.
  TProbe out[5];
  fs::path dir;
};

TEST_F(LinkTcpTest, TalksToPlcsimWithFlagsTimersAndSettleEvent) {
  Input(Link::Connection, 1);
  EXPECT_EQ(Var("CON_T"), "int 1");
  EXPECT_EQ(out[Link::OnStatus].Seen, Lines{"int 1"}) << "listening sets the connected bit";

  plcsim_test::Plcsim sim(PlcsimArgs(), dir / "plcsim.err");
  ASSERT_TRUE(sim.started());
  ASSERT_TRUE(Run([&] { return !out[Link::OnMessage].Seen.empty(); }));
  EXPECT_EQ(out[Link::OnMessage].Seen, Lines{"str Подключение: 127.0.0.1"});
  EXPECT_EQ(Wire(5), "scan\n") << "the scan request goes out at once, unframed";
  EXPECT_EQ(Var("tx ok"), "int 1");

  // The reply lines keep their CR.
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 4; }));
  EXPECT_EQ(out[Link::OnLine].Seen,
            (Lines{"str 0;1;1\r", "str 1;3;12\r", "str 2;5;pump\r", "str 5;4;0\r"}));
  EXPECT_EQ(Var("rx ok"), "int 1");
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 7");

  // Both flags drop 200 ms after their last transfer; the settle event comes
  // one second after the client came, together with the first poll.
  loop.Advance(199);
  EXPECT_EQ(Var("tx ok"), "int 1");
  loop.Advance(1);
  EXPECT_EQ(Var("tx ok"), "int 0");
  EXPECT_EQ(Var("rx ok"), "int 0");
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 1");
  loop.Advance(799);
  EXPECT_TRUE(out[Link::OnClient].Seen.empty());
  loop.Advance(1);
  EXPECT_EQ(out[Link::OnClient].Seen, Lines{"int 1"});
  EXPECT_EQ(Wire(10), "scan\n\rref\n");
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 7; }));
  EXPECT_EQ(out[Link::OnLine].Seen[6], "str 2;5;pump\r");

  // A command is framed as CR, text, LF; raw text goes as it is. The
  // controller's ERROR reply keeps its CR in the operator's message.
  Input(Link::Send, "1;4");
  EXPECT_EQ(Wire(15).substr(10), "\x0d\x31\x3b\x34\x0a");
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 8; }));
  EXPECT_EQ(out[Link::OnLine].Seen[7], "str 5;4;1\r");
  Input(Link::RawText, "1;9\n");
  EXPECT_EQ(Wire(19).substr(15), "1;9\n");
  ASSERT_TRUE(Run([&] { return out[Link::OnMessage].Seen.size() >= 2; }));
  EXPECT_EQ(out[Link::OnMessage].Seen[1], "str Ошибка доставки блоку выхода № 9\r");
  EXPECT_EQ(out[Link::OnLine].Seen.size(), 8u) << "the ERROR line is no reply line";
  EXPECT_TRUE(out[Link::OnLost].Seen.empty()) << "only the serial link reports a loss";

  // Disconnecting closes the client (plcsim ends as asked) and the server;
  // the poll timer stops and nothing more is sent.
  Input(Link::Connection, 0);
  EXPECT_EQ(Var("CON_T"), "int 0");
  EXPECT_EQ(sim.wait_exit(3000), 0);
  size_t statuses = out[Link::OnStatus].Seen.size();
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 6") << "tx ok and rx ok still set";
  loop.Advance(5000);
  Input(Link::Send, "1;4");
  EXPECT_EQ(Var("tx ok"), "int 0");
  EXPECT_EQ(out[Link::OnStatus].Seen.size(), statuses + 2) << "only the drops of the two flags";
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 0");
  EXPECT_EQ(plcsim_test::read_file(dir / "wire.log").size(), 19u);
}

TEST_F(LinkTcpTest, DropsPlcsimsGarbageAndJoinsSplitWrites) {
  SetVar("time_refresh", 0);
  Input(Link::Connection, 1);
  plcsim_test::Plcsim sim(PlcsimArgs({"--garbage-every", "1", "--split-writes", "--split-delay-ms", "1"}),
                          dir / "plcsim.err");
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 4; }));
  // After every reply line one garbage line: none passes, none is reported.
  // The last reply comes after the garbage of the ones before it.
  Input(Link::Send, "1;4");
  Input(Link::Send, "0;4");
  Input(Link::Send, "1;4");
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 7; }));
  EXPECT_EQ(out[Link::OnLine].Seen,
            (Lines{"str 0;1;1\r", "str 1;3;12\r", "str 2;5;pump\r", "str 5;4;0\r", "str 5;4;1\r",
                   "str 5;4;0\r", "str 5;4;1\r"}));
  EXPECT_EQ(out[Link::OnMessage].Seen.size(), 1u) << "only the connection message";
}

TEST_F(LinkTcpTest, ClientsShareCommandsAndOneLineBuffer) {
  SetVar("time_refresh", 0);
  Input(Link::Connection, 1);
  TPeer a, b;
  ASSERT_TRUE(Join(a));
  ASSERT_TRUE(Join(b));
  // Each connect sends the scan request to every client there is.
  EXPECT_EQ(a.ReceiveNow(10), "scan\nscan\n");
  EXPECT_EQ(b.ReceiveNow(5), "scan\n");
  Input(Link::Send, "1;4");
  EXPECT_EQ(a.ReceiveNow(15).substr(10), "\r1;4\n");
  EXPECT_EQ(b.ReceiveNow(10).substr(5), "\r1;4\n");

  // Lines come out in arrival order, and a partial line of one client is
  // joined with what the other sends next.
  ASSERT_TRUE(a.Send("0;1;1\n1;3;"));
  ASSERT_TRUE(
      Run([&] { return out[Link::OnLine].Seen.size() >= 1 && LineBuffer().Pending() == 4; }));
  ASSERT_TRUE(b.Send("12\r\n5;4;1\n"));
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 3; }));
  EXPECT_EQ(out[Link::OnLine].Seen, (Lines{"str 0;1;1", "str 1;3;12\r", "str 5;4;1"}));

  // The settle timer runs once for the two connects that came at once.
  loop.Advance(1000);
  EXPECT_EQ(out[Link::OnClient].Seen, Lines{"int 1"});
  EXPECT_EQ(out[Link::OnMessage].Seen,
            (Lines{"str Подключение: 127.0.0.1", "str Подключение: 127.0.0.1"}));
}

TEST_F(LinkTcpTest, CapsALineAtSixtyFourKilobytes) {
  SetVar("time_refresh", 0);
  Input(Link::Connection, 1);
  TPeer peer;
  ASSERT_TRUE(Join(peer));

  // A megabyte without LF keeps at most the cap.
  const size_t cap = TZELineAssembler::DefaultMaxLength;
  ASSERT_EQ(cap, 65536u);
  std::string flood = "1;3;" + std::string(1 << 20, 'x');
  size_t sent = 0;
  while (sent < flood.size()) {
    size_t n = std::min<size_t>(64 * 1024, flood.size() - sent);
    ASSERT_TRUE(peer.Send(std::string_view(flood).substr(sent, n)));
    sent += n;
    ASSERT_TRUE(Run([&] { return LineBuffer().Pending() == std::min(sent, cap); }));
  }
  // The LF ends the capped line; the next lines are whole again.
  ASSERT_TRUE(peer.Send("tail\r\n0;1;1\r\n1;3;12\n"));
  ASSERT_TRUE(Run([&] { return out[Link::OnLine].Seen.size() >= 3; }));
  ASSERT_EQ(out[Link::OnLine].Seen.size(), 3u);
  EXPECT_EQ(out[Link::OnLine].Seen[0], "str " + flood.substr(0, cap));
  EXPECT_EQ(out[Link::OnLine].Seen[1], "str 0;1;1\r");
  EXPECT_EQ(out[Link::OnLine].Seen[2], "str 1;3;12");
  EXPECT_EQ(LineBuffer().Pending(), 0u);
}

TEST_F(LinkTcpTest, NoLinkTypeReachesNoLinkButPollingStarts) {
  SetVar("type_connect", 0);
  Input(Link::Connection, 1);
  EXPECT_EQ(Var("CON_T"), "null");
  EXPECT_EQ(Var("CON_C"), "null");
  auto& poll = *static_cast<TClassMultiElement_PollTimer*>(Link().pollTimer->Child->Scheme);
  EXPECT_TRUE(poll.timer->Enabled());
  loop.Advance(3000);
  EXPECT_EQ(Var("tx ok"), "null") << "both links dropped the polls";
  for (const TProbe& p : out) EXPECT_TRUE(p.Seen.empty());
}

}  // namespace
}  // namespace zorn::test
