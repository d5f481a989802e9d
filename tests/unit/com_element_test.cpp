// TZECOM and TZEEnumCOM through their wires, on pseudo-terminal pairs that
// stand in for COM ports.
#include "link/com.h"

#include <termios.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/elements.h"
#include "support/pty.h"

namespace zorn {
namespace {

using test::TCall;
using test::TProbe;
using test::TPtyPair;
using test::TSource;
using test::TWatchdog;

// COM numbers of the tests, far from the machine's own ports.
constexpr uint32_t ComA = 230;
constexpr uint32_t ComB = 231;
constexpr uint32_t ComMissing = 232;

class ComElementTest : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::SetSerialDevicePath(ComA, a.SlavePath);
    platform::SetSerialDevicePath(ComB, b.SlavePath);
    platform::SetSerialDevicePath(ComMissing, "/nonexistent/ttyZ");
    com.Port = ComA - 1;
    com.BaudRate = 9600;
    com.Timeout = 10;
    com.OnWrite = MakeWire(0, &TProbe::Take, &writes);
    com.OnRead = MakeWire(0, &TProbe::Take, &reads);
  }
  void TearDown() override {
    for (uint32_t n : {ComA, ComB, ComMissing}) platform::SetSerialDevicePath(n, "");
    RuntimeTest::TearDown();
  }

  void Open() { Act(&TZECOM::Open); }
  void Write(const std::string& s) { Act(&TZECOM::Write, s); }
  void Read(int32_t count) {
    TData d;
    MakeInt(d, count);
    Fire(MakeWire(4, &TZECOM::Read, &com), d);
  }
  void Act(void (TZECOM::*action)(TData&, uint16_t), const std::string& s = {}) {
    TData d;
    if (!s.empty()) MakeStr(d, s);
    Fire(MakeWire(0, action, &com), d);
  }
  speed_t Speed(const TPtyPair& pty) const {
    termios t{};
    tcgetattr(pty.Slave, &t);
    return cfgetospeed(&t);
  }

  TWatchdog watchdog;
  TPtyPair a, b;
  TZECOM com;
  TProbe writes, reads;
};

TEST_F(ComElementTest, OpensThePropertyPortAndWritesWithByteCounts) {
  Open();
  ASSERT_TRUE(com.IsOpen());
  EXPECT_EQ(Speed(a), static_cast<speed_t>(B9600));
  EXPECT_FALSE(platform::ProbeSerialPort(ComA));

  Write("ref\r\n");
  Write("");
  EXPECT_EQ(writes.Seen, (std::vector<std::string>{"int 5", "int 0"}));
  EXPECT_EQ(a.Receive(5), "ref\r\n");
}

TEST_F(ComElementTest, InputsOverrideTheProperties) {
  TSource port, baud;
  MakeStr(port.Answer, std::to_string(ComB));  // "com_port" holds text
  MakeInt(baud.Answer, 19200);
  com.PortInput = MakeWire(0, &TSource::Value, &port);
  com.BaudRateInput = MakeWire(0, &TSource::Value, &baud);
  com.Parity = platform::parOdd;
  Open();
  ASSERT_TRUE(com.IsOpen());
  EXPECT_TRUE(platform::ProbeSerialPort(ComA));
  EXPECT_FALSE(platform::ProbeSerialPort(ComB));
  EXPECT_EQ(Speed(b), static_cast<speed_t>(B19200));
  termios t{};
  tcgetattr(b.Slave, &t);
  EXPECT_NE(t.c_cflag & PARODD, 0u);

  // Open again on another port: the first is released.
  MakeStr(port.Answer, std::to_string(ComA));
  Open();
  ASSERT_TRUE(com.IsOpen());
  EXPECT_TRUE(platform::ProbeSerialPort(ComB));
  EXPECT_FALSE(platform::ProbeSerialPort(ComA));
}

TEST_F(ComElementTest, FailedOpensLeaveItClosedAndSilent) {
  TSource port;
  com.PortInput = MakeWire(0, &TSource::Value, &port);
  for (int32_t number : {static_cast<int32_t>(ComMissing), 0, -3}) {
    SCOPED_TRACE(number);
    MakeInt(port.Answer, ComA);
    Open();
    ASSERT_TRUE(com.IsOpen());
    MakeInt(port.Answer, number);
    Open();
    EXPECT_FALSE(com.IsOpen());
    // The failed open closed the port it had.
    EXPECT_TRUE(platform::ProbeSerialPort(ComA));
  }
  // A parity index without a letter is refused too.
  MakeInt(port.Answer, ComA);
  com.Parity = 5;
  Open();
  EXPECT_FALSE(com.IsOpen());

  Write("scan\n");
  Read(1);
  Act(&TZECOM::SetDTR);
  Act(&TZECOM::Close);
  EXPECT_TRUE(writes.Seen.empty());
  EXPECT_TRUE(reads.Seen.empty());
}

TEST_F(ComElementTest, ReadCountsAndTheLimit) {
  Open();
  ASSERT_TRUE(com.IsOpen());
  ASSERT_TRUE(a.Send("abcdef"));
  Read(3);
  Read(0);
  Read(3);
  Read(1);  // idle line: empty after the time-out
  EXPECT_EQ(reads.Seen, (std::vector<std::string>{"str abc", "str ", "str def", "str "}));

  for (int32_t count : {5000, -1}) {
    SCOPED_TRACE(count);
    reads.Seen.clear();
    const std::string block(5000, 'q');
    ASSERT_TRUE(a.Send(block));
    Read(count);
    Read(count);
    ASSERT_EQ(reads.Seen.size(), 2u);
    EXPECT_EQ(reads.Seen[0], "str " + std::string(TZECOM::MaxRead, 'q'));
    EXPECT_EQ(reads.Seen[1], "str " + std::string(5000 - TZECOM::MaxRead, 'q'));
  }
}

// The serial link reads every waiting byte one at a time, each OnRead asking
// for the next; with OnRead forwarded that runs as a loop, not a recursion.
TEST_F(ComElementTest, ReadingByteAfterByteRunsAtConstantDepth) {
  Open();
  ASSERT_TRUE(com.IsOpen());
  const std::string burst(3000, 'x');
  ASSERT_TRUE(a.Send(burst + "\n"));
  std::string line;
  std::vector<const void*> frames;
  TWire again = MakeWire(4, &TZECOM::Read, &com);
  TCall next([&](TData& data, uint16_t) {
    int here = 0;
    frames.push_back(&here);
    std::string c = ToStr(data);
    if (c.empty() || c == "\n") return;
    line += c;
    ForwardInt(data, again, 1);
  });
  com.OnRead = MakeWire(0, &TCall::Take, &next);
  Read(1);
  EXPECT_EQ(line, burst);
  ASSERT_EQ(frames.size(), burst.size() + 1);
  EXPECT_EQ(frames.front(), frames.back());
}

TEST_F(ComElementTest, APeerThatGoesAwayGivesFailedWritesAndEmptyReads) {
  Open();
  ASSERT_TRUE(com.IsOpen());
  Write("scan\n");
  a.CloseMaster();
  Write("ref\r\n");
  Write("ref\r\n");
  Read(1);
  Act(&TZECOM::SetDTR);
  EXPECT_EQ(writes.Seen, (std::vector<std::string>{"int 5", "int 0", "int 0"}));
  EXPECT_EQ(reads.Seen, (std::vector<std::string>{"str "}));
  Act(&TZECOM::Close);
  EXPECT_FALSE(com.IsOpen());
}

TEST_F(ComElementTest, DestroyingTheElementClosesThePort) {
  {
    TZECOM other;
    other.Port = ComB - 1;
    other.BaudRate = 9600;
    TData d;
    other.Open(d, 0);
    ASSERT_TRUE(other.IsOpen());
    EXPECT_FALSE(platform::ProbeSerialPort(ComB));
  }
  EXPECT_TRUE(platform::ProbeSerialPort(ComB));
}

TEST_F(ComElementTest, EnumListsTheFreePortsInRisingOrder) {
  // ComA held by the element, ComB free, ComMissing without a device.
  Open();
  ASSERT_TRUE(com.IsOpen());
  TZEEnumCOM enumerator;
  std::vector<int32_t> found;
  TZECOM opener;
  bool openedInHandler = false;
  TCall take([&](TData& data, uint16_t) {
    found.push_back(ToInt(data));
    if (ToInt(data) == static_cast<int32_t>(ComB)) {
      // The probe is already closed when OnPort runs.
      opener.Port = ComB - 1;
      opener.BaudRate = 9600;
      TData none;
      opener.Open(none, 0);
      openedInHandler = opener.IsOpen();
      opener.Close(none, 0);
    }
  });
  enumerator.OnPort = MakeWire(0, &TCall::Take, &take);
  TData d;
  Fire(MakeWire(0, &TZEEnumCOM::Enum, &enumerator), d);

  auto has = [&](uint32_t n) {
    return std::find(found.begin(), found.end(), static_cast<int32_t>(n)) != found.end();
  };
  EXPECT_TRUE(has(ComB));
  EXPECT_FALSE(has(ComA));
  EXPECT_FALSE(has(ComMissing));
  EXPECT_TRUE(openedInHandler);
  for (size_t i = 0; i < found.size(); ++i) {
    EXPECT_GE(found[i], 1);
    EXPECT_LE(found[i], 256);
    if (i > 0) {
      EXPECT_LT(found[i - 1], found[i]);
    }
  }
}

}  // namespace
}  // namespace zorn
