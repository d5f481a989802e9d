// The controller link in serial mode on the virtual clock: against plcsim at
// the far end of a pseudo-terminal cable, against a device played by the
// test, and on a port that never opened. Bytes on the wire, CR dropping,
// flags and timers, the failure counter with the link-lost alarm, a device
// that hangs up, long bursts and the line cap.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/controller_link.h"
#include "platform/resources.h"
#include "platform/serial.h"
#include "platform/sound.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "support/elements.h"
#include "support/plcsim_harness.h"
#include "support/pty.h"

namespace zorn::test {
namespace {

using Link = TClassMultiElement_Link;

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// COM numbers of these tests, apart from the machine's and the other tests'.
constexpr int32_t kCom = 241;
constexpr int32_t kComMissing = 242;

constexpr const char* kBlocks =
    "in bool 1 const 1\n"
    "in int 3 const 12\n"
    "in str 5 const pump\n"
    "out bool 4 const 0\n";

// A null-modem cable of two pseudo-terminal pairs whose masters a thread
// joins: the link opens one slave as its COM port, plcsim the other. The
// slaves also stay open here, so a master never sees a hang-up while its
// user is away; nothing reads them here.
class TPtyCable {
 public:
  TPtyCable() {
    termios raw{};
    cfmakeraw(&raw);
    for (TEnd& end : ends_) {
      char name[256] = {};
      if (openpty(&end.Master, &end.Slave, name, &raw, nullptr) != 0) {
        ADD_FAILURE() << "openpty failed";
        return;
      }
      end.Path = name;
      fcntl(end.Master, F_SETFL, fcntl(end.Master, F_GETFL) | O_NONBLOCK);
    }
    thread_ = std::thread([this] { Carry(); });
  }
  ~TPtyCable() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    for (TEnd& end : ends_) {
      close(end.Master);
      close(end.Slave);
    }
  }
  const std::string& PanelPath() const { return ends_[0].Path; }
  const std::string& DevicePath() const { return ends_[1].Path; }
  // Bytes delivered to the panel's end so far.
  size_t ToPanel() const { return toPanel_; }
  // Waits (real time, 3 s at most) until `count` bytes have reached the panel.
  bool WaitToPanel(size_t count) const {
    int64_t deadline = SteadyMs() + 3000;
    while (toPanel_ < count && SteadyMs() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return toPanel_ >= count;
  }

 private:
  struct TEnd {
    int Master = -1;
    int Slave = -1;
    std::string Path;
    std::string Pending;  // read from this master, not yet written to the other
  };

  void Carry() {
    char buffer[4096];
    while (!stop_) {
      pollfd p[2];
      for (int i = 0; i < 2; ++i) {
        p[i] = {ends_[i].Master, 0, 0};
        if (ends_[i].Pending.empty()) p[i].events |= POLLIN;
        if (!ends_[1 - i].Pending.empty()) p[i].events |= POLLOUT;
      }
      poll(p, 2, 5);
      for (int i = 0; i < 2; ++i) {
        TEnd& from = ends_[i];
        TEnd& to = ends_[1 - i];
        if (from.Pending.empty()) {
          ssize_t n = read(from.Master, buffer, sizeof buffer);
          if (n > 0) from.Pending.assign(buffer, static_cast<size_t>(n));
        }
        if (!from.Pending.empty()) {
          ssize_t n = write(to.Master, from.Pending.data(), from.Pending.size());
          if (n > 0) {
            from.Pending.erase(0, static_cast<size_t>(n));
            if (i == 1) toPanel_ += static_cast<size_t>(n);
          }
        }
      }
    }
  }

  TEnd ends_[2];
  std::atomic<bool> stop_{false};
  std::atomic<size_t> toPanel_{0};
  std::thread thread_;
};

class LinkSerialTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    RegisterProgramResources();
    platform::SoundRequests().clear();
    platform::SetEventLoop(&loop);
    platform::SetSerialDevicePath(kComMissing, "/nonexistent/ttyZ");
    SetVar("type_connect", 1);
    SetVar("com_port", kCom);
    SetVar("time_refresh", 0);
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(5);
    for (uint16_t i = 0; i < 5; ++i) host->Events[i] = MakeWire(0, &TProbe::Take, &out[i]);
    host->SetFactory(&SchemeFactory<TClassMultiElement_Link>);
  }
  void TearDown() override {
    host.reset();
    platform::SetEventLoop(nullptr);
    for (int32_t n : {kCom, kComMissing}) platform::SetSerialDevicePath(n, "");
    RuntimeTest::TearDown();
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
  TClassMultiElement_ComLink& Com() {
    auto* link = static_cast<TClassMultiElement_Link*>(host->Child->Scheme);
    return *static_cast<TClassMultiElement_ComLink*>(link->comLink->Child->Scheme);
  }
  // Read-timer steps until `count` lines came out, at most 40 of them.
  bool ReadLines(size_t count) {
    for (int i = 0; i < 40 && out[Link::OnLine].Seen.size() < count; ++i) loop.Advance(500);
    return out[Link::OnLine].Seen.size() >= count;
  }
  static std::string Wave0() {
    platform::TResourceBytes wave = platform::FindResource("WAVE0", platform::UserResourceType);
    return std::string(reinterpret_cast<const char*>(wave.Data), wave.Size);
  }
  // The sound requests are the alarm, WAVE0 played asynchronously.
  static bool AlarmsPlayed(size_t count) {
    const auto& played = platform::SoundRequests();
    if (played.size() != count) return false;
    return std::all_of(played.begin(), played.end(), [](const platform::TSoundRequest& r) {
      return r.Kind == platform::TSoundRequest::Memory && r.Bytes == Wave0() &&
             r.Flags == (platform::sndAsync | platform::sndMemory);
    });
  }

  TWatchdog watchdog{std::chrono::seconds(30)};
  platform::TVirtualLoop loop;
  std::unique_ptr<TZEMultiElement> host;
  // Lines, status codes, link lost, operator messages, settle events.
  TProbe out[5];
};

TEST_F(LinkSerialTest, TalksToPlcsimThroughAPseudoTerminal) {
  TPtyCable cable;
  platform::SetSerialDevicePath(kCom, cable.PanelPath());
  SetVar("time_refresh", 3);
  fs::path dir = fs::temp_directory_path() / ("zorn-link-serial-" + std::to_string(getpid()));
  fs::create_directories(dir);
  plcsim_test::write_file(dir / "blocks.txt", kBlocks);
  fs::path log = dir / "wire.log", err = dir / "plcsim.err";
  plcsim_test::Plcsim sim({"--serial", cable.DevicePath(), "--blocks", (dir / "blocks.txt").string(),
                           "--log", log.string()},
                          err);
  ASSERT_TRUE(sim.started());
  int64_t deadline = SteadyMs() + 5000;
  while (plcsim_test::read_file(err).find("connected") == std::string::npos && SteadyMs() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  auto wire = [&](size_t atLeast) { return plcsim_test::wait_for_file(log, atLeast, 3000); };

  Input(Link::Connection, 1);
  EXPECT_EQ(Var("CON_C"), "int 1");
  EXPECT_EQ(out[Link::OnStatus].Seen, Lines{"int 1"});
  EXPECT_TRUE(Com().port->IsOpen());
  EXPECT_EQ(Var("com_port_speed"), "int 9600") << "set when the scheme was made";

  // The scan request, 2000 ms after the connect request.
  loop.Advance(1999);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(plcsim_test::read_file(log), "");
  loop.Advance(1);
  EXPECT_EQ(wire(5), "scan\n");
  EXPECT_EQ(Var("tx ok"), "int 1");
  EXPECT_EQ(Var("error"), "int 0");
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 3");

  // The answer, read at the next tick, without its CRs; the tx-ok timer
  // drops its flag on the same tick.
  ASSERT_TRUE(cable.WaitToPanel(32));
  loop.Advance(500);
  EXPECT_EQ(out[Link::OnLine].Seen,
            (Lines{"str 0;1;1", "str 1;3;12", "str 2;5;pump", "str 5;4;0"}));
  EXPECT_EQ(Var("rx ok"), "int 1");
  EXPECT_EQ(Var("tx ok"), "int 0");
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 5");

  // The poll every time_refresh seconds; rx ok drops 500 ms after the last line.
  loop.Advance(500);
  EXPECT_EQ(wire(10), "scan\n\rref\n");
  EXPECT_EQ(Var("rx ok"), "int 0");
  ASSERT_TRUE(cable.WaitToPanel(32 + 25));
  loop.Advance(500);
  EXPECT_EQ(out[Link::OnLine].Seen.size(), 7u);

  // Command 1;4 framed as 0D 31 3B 34 0A; raw text unchanged; the ERROR
  // reply becomes the operator's message.
  Input(Link::Send, "1;4");
  EXPECT_EQ(wire(15).substr(10), "\x0d\x31\x3b\x34\x0a");
  ASSERT_TRUE(cable.WaitToPanel(57 + 7));
  loop.Advance(500);
  EXPECT_EQ(out[Link::OnLine].Seen.back(), "str 5;4;1");
  Input(Link::RawText, "1;9\n");
  EXPECT_EQ(wire(19).substr(15), "1;9\n");
  ASSERT_TRUE(cable.WaitToPanel(64 + 9));
  loop.Advance(500);
  EXPECT_EQ(out[Link::OnMessage].Seen, Lines{"str Ошибка доставки блоку выхода № 9"});
  EXPECT_EQ(out[Link::OnLine].Seen.size(), 8u);

  // Disconnected: the port closes, polls and commands are dropped.
  Input(Link::Connection, 0);
  EXPECT_EQ(Var("CON_C"), "int 0");
  EXPECT_FALSE(Com().port->IsOpen());
  EXPECT_FALSE(Com().readTimer->Enabled());
  EXPECT_EQ(out[Link::OnStatus].Seen.back(), "int 4") << "rx ok still set from the ERROR reply";
  loop.Advance(6000);
  Input(Link::Send, "1;4");
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(plcsim_test::read_file(log).size(), 19u);
  EXPECT_TRUE(out[Link::OnLost].Seen.empty());
  EXPECT_TRUE(platform::SoundRequests().empty());
  fs::remove_all(dir);
}

TEST_F(LinkSerialTest, FailedWritesCountUpAndSignalTheLossWithTheAlarm) {
  SetVar("com_port", kComMissing);
  Input(Link::Connection, 1);
  EXPECT_EQ(Var("CON_C"), "int 1") << "the request succeeds on its face";
  EXPECT_FALSE(Com().port->IsOpen());

  // Before any write the count is 0: the scan request fails, the first failure.
  loop.Advance(2000);
  EXPECT_EQ(Var("error"), "int 1");
  EXPECT_EQ(out[Link::OnStatus].Seen, (Lines{"int 1", "int 9"}));
  EXPECT_TRUE(out[Link::OnLost].Seen.empty());

  // The second failure signals the loss, and so does every further one.
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen, Lines{"int 2"});
  EXPECT_TRUE(AlarmsPlayed(1));
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen, (Lines{"int 2", "int 3"}));
  EXPECT_TRUE(AlarmsPlayed(2));

  // A connect request starts the count again.
  Input(Link::Connection, 1);
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen.size(), 2u);
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen.back(), "int 2");

  // After 100 the count wraps to 0, which is no loss.
  for (int i = 0; i < 98; ++i) Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen.back(), "int 100");
  size_t signals = out[Link::OnLost].Seen.size();
  Input(Link::Send, "ref");
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen.size(), signals);
  Input(Link::Send, "ref");
  EXPECT_EQ(out[Link::OnLost].Seen.back(), "int 2");
  EXPECT_EQ(out[Link::OnLost].Seen.size(), signals + 1);
}

TEST_F(LinkSerialTest, AWriteThatDidNotHappenCountsAsFailed) {
  TPtyPair device;
  platform::SetSerialDevicePath(kCom, device.SlavePath);
  Input(Link::Connection, 1);
  loop.Advance(2000);
  EXPECT_EQ(device.Receive(5), "scan\n");
  EXPECT_EQ(Var("error"), "int 0");

  // A pending scan request outlives the disconnect and meets a closed
  // port: nothing is written, which is a failed write, whatever the count
  // of the write before.
  Input(Link::Connection, 1);
  Input(Link::Connection, 0);
  loop.Advance(2000);
  EXPECT_EQ(Var("tx ok"), "int 0");
  EXPECT_EQ(Var("error"), "int 1");
  EXPECT_EQ(device.Receive(1, 50), "");
}

TEST_F(LinkSerialTest, APortGoneAfterARunOfPollsIsNeverTakenForLive) {
  TPtyPair device;
  platform::SetSerialDevicePath(kCom, device.SlavePath);
  SetVar("time_refresh", 1);
  Input(Link::Connection, 1);
  std::string wire;
  for (int i = 0; i < 5; ++i) {
    loop.Advance(1000);
    wire += device.Receive(5);
  }
  // Writes of 5 bytes, as the scan request's.
  ASSERT_NE(wire.find("scan\n"), std::string::npos) << wire;
  ASSERT_NE(wire.find("\rref\n\rref\n\rref\n"), std::string::npos) << wire;
  ASSERT_EQ(Var("error"), "int 0");

  // The device goes away for good; the reconnection closes the port and
  // opens it again, which now fails.
  device.CloseMaster();
  platform::SetSerialDevicePath(kCom, "/nonexistent/zorn-gone");
  Input(Link::Connection, 0);
  loop.Advance(600);  // past the last poll's "tx ok" flash
  ASSERT_EQ(Var("tx ok"), "int 0");
  out[Link::OnStatus].Seen.clear();
  Input(Link::Connection, 1);
  ASSERT_FALSE(Com().port->IsOpen());
  loop.Advance(5000);
  // The scan request and the polls all fail: never "tx ok", never a status
  // with the sent bit, and the loss is signalled.
  EXPECT_EQ(Var("tx ok"), "int 0");
  for (const std::string& code : out[Link::OnStatus].Seen) {
    EXPECT_EQ(std::stoi(code.substr(4)) & 2, 0) << code;
  }
  EXPECT_FALSE(out[Link::OnLost].Seen.empty());
}

TEST_F(LinkSerialTest, ADeviceThatHangsUpMakesWritesFailAndSignalsTheLoss) {
  TPtyPair device;
  platform::SetSerialDevicePath(kCom, device.SlavePath);
  Input(Link::Connection, 1);
  loop.Advance(2000);
  ASSERT_EQ(device.Receive(5), "scan\n");
  // Every CR is dropped wherever it stands; an LF alone is an empty line,
  // which the reply check drops.
  ASSERT_TRUE(device.Send("1;\r3;12\r\n\n"));
  loop.Advance(500);
  EXPECT_EQ(out[Link::OnLine].Seen, Lines{"str 1;3;12"});

  device.CloseMaster();
  loop.Advance(500);
  Input(Link::Send, "1;4");
  EXPECT_EQ(Var("error"), "int 1");
  EXPECT_TRUE(out[Link::OnLost].Seen.empty());
  Input(Link::Send, "1;4");
  EXPECT_EQ(out[Link::OnLost].Seen, Lines{"int 2"});
  EXPECT_TRUE(AlarmsPlayed(1));
  loop.Advance(5000);
  Input(Link::Connection, 0);
  EXPECT_FALSE(Com().port->IsOpen());
  EXPECT_EQ(out[Link::OnLine].Seen.size(), 1u);
}

TEST_F(LinkSerialTest, ReadsABurstOfAnyLengthAtConstantStackDepth) {
  TPtyPair device;
  platform::SetSerialDevicePath(kCom, device.SlavePath);
  // Where each line's handler runs on the stack.
  std::vector<uintptr_t> depth;
  TCall handler([&](TData& d, uint16_t) {
    volatile char marker = 0;
    depth.push_back(reinterpret_cast<uintptr_t>(&marker));
    out[Link::OnLine].Take(d, 0);
  });
  host->Events[Link::OnLine] = MakeWire(0, &TCall::Take, &handler);
  Input(Link::Connection, 1);

  // As many lines as the pseudo-terminal takes before it is read.
  const std::string line = "1;3;12\r\n";
  size_t lines = 0;
  while (lines < 20000 && write(device.Master, line.data(), line.size()) == static_cast<ssize_t>(line.size()))
    ++lines;
  ASSERT_GT(lines, 1000u);
  ASSERT_TRUE(ReadLines(lines));
  EXPECT_EQ(out[Link::OnLine].Seen.size(), lines);
  EXPECT_EQ(out[Link::OnLine].Seen.back(), "str 1;3;12");
  auto [low, high] = std::minmax_element(depth.begin(), depth.end());
  EXPECT_LT(*high - *low, 1024u) << "the stack grew with the burst";
}

TEST_F(LinkSerialTest, CapsALineAtSixtyFourKilobytes) {
  TPtyPair device;
  platform::SetSerialDevicePath(kCom, device.SlavePath);
  Input(Link::Connection, 1);
  const std::string big = "1;3;" + std::string(70000, 'x');
  // The device writes from its own thread: the line is more than the
  // pseudo-terminal holds.
  std::thread writer([&] { EXPECT_TRUE(device.Send(big + "\r\n0;1;1\r\n", 10000)); });
  bool read = ReadLines(2);
  writer.join();
  ASSERT_TRUE(read);
  EXPECT_EQ(out[Link::OnLine].Seen[0], "str " + big.substr(0, TZELineAssembler::DefaultMaxLength));
  EXPECT_EQ(out[Link::OnLine].Seen[1], "str 0;1;1");
  EXPECT_EQ(Com().lineBuffer->Pending(), 0u);
}

}  // namespace
}  // namespace zorn::test
