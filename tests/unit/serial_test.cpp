// The POSIX serial-port service on pseudo-terminal pairs: the line settings
// as the driver holds them, bytes both ways unaltered, the read and write
// time-outs, exclusive use, and a device that goes away.
#include "platform/serial.h"

#include <sys/ioctl.h>
#include <termios.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/posix/serial_line.h"
#include "support/pty.h"

namespace zorn::platform {
namespace {

using test::SteadyMs;
using test::TPtyPair;
using test::TWatchdog;

// COM numbers of the tests, far from the machine's own ports.
constexpr uint32_t ComA = 240;
constexpr uint32_t ComB = 241;

TSerialSettings Settings(uint32_t baud, uint32_t parity, uint32_t timeoutMs) {
  TSerialSettings s;
  s.BaudRate = baud;
  s.Parity = parity;
  s.TimeoutMs = timeoutMs;
  return s;
}

class SerialTest : public ::testing::Test {
 protected:
  void SetUp() override { SetSerialDevicePath(ComA, pty.SlavePath); }
  void TearDown() override {
    SetSerialDevicePath(ComA, "");
    SetSerialDevicePath(ComB, "");
  }
  termios LineSettings() const {
    termios t{};
    EXPECT_EQ(tcgetattr(pty.Slave, &t), 0);
    return t;
  }

  TWatchdog watchdog;
  TPtyPair pty;
  TSerialPort port;
};

// A pseudo-terminal drops PARENB, so the parity enable bit is checked on the
// termios the port would apply.
TEST(SerialLineTest, RawLineWithEachParity) {
  struct TCase {
    uint32_t Parity;
    tcflag_t Bits;
  };
  const TCase cases[] = {{parNone, 0},
                         {parOdd, PARENB | PARODD},
                         {parEven, PARENB},
                         {parMark, PARENB | PARODD | CMSPAR},
                         {parSpace, PARENB | CMSPAR}};
  for (const TCase& c : cases) {
    termios t{};
    // Start from a cooked line with everything the port must clear.
    t.c_iflag = ICRNL | IXON | IXOFF | INPCK | ISTRIP;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    t.c_cflag = CS7 | CSTOPB | CRTSCTS | PARENB | PARODD | CMSPAR;
    ASSERT_TRUE(serial::SetLineTermios(Settings(9600, c.Parity, 10), t));
    SCOPED_TRACE(c.Parity);
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), c.Bits);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(t.c_iflag & (ICRNL | IXON | IXOFF | INPCK | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_cc[VMIN], 1);
    EXPECT_EQ(t.c_cc[VTIME], 0);
  }
  // No letter past "NOEMS": no termios and no mode text for the driver.
  termios t{};
  EXPECT_FALSE(serial::SetLineTermios(Settings(9600, 5, 10), t));
  EXPECT_EQ(SerialModeText(Settings(9600, 0xFFFFFFFFu, 10)), "");
  EXPECT_EQ(SerialModeText(Settings(115200, parEven, 10)),
            "baud=115200 parity=E data=8 stop=1 octs=off");
}

TEST_F(SerialTest, SettingsAsTheDriverHoldsThem) {
  struct TCase {
    uint32_t Baud;
    speed_t Code;
    uint32_t Parity;
  };
  const TCase cases[] = {{9600, B9600, parNone},     {19200, B19200, parOdd},
                         {38400, B38400, parEven},   {57600, B57600, parMark},
                         {115200, B115200, parSpace}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Baud);
    ASSERT_TRUE(port.Open(ComA, Settings(c.Baud, c.Parity, 10)));
    termios t = LineSettings();
    EXPECT_EQ(cfgetospeed(&t), c.Code);
    EXPECT_EQ(cfgetispeed(&t), c.Code);
    bool odd = c.Parity == parOdd || c.Parity == parMark;
    bool stick = c.Parity == parMark || c.Parity == parSpace;
    EXPECT_EQ((t.c_cflag & PARODD) != 0, odd);
    EXPECT_EQ((t.c_cflag & CMSPAR) != 0, stick);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
    port.Close();
  }
}

TEST_F(SerialTest, RatesWithoutACodeAndRefusedSettings) {
  uint32_t baud = 0;
  if (serial::DriverSpeed(pty.Slave, baud)) {
    ASSERT_TRUE(port.Open(ComA, Settings(74880, parNone, 10)));
    ASSERT_TRUE(serial::DriverSpeed(pty.Slave, baud));
    EXPECT_EQ(baud, 74880u);
  }
  // A refused open still closes the port that was open, and frees the device.
  EXPECT_FALSE(port.Open(ComA, Settings(9600, 5, 10)));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.Open(ComA, Settings(0, parNone, 10)));
  EXPECT_TRUE(port.Open(ComA, Settings(9600, parNone, 10)));
}

TEST_F(SerialTest, BytesTravelUnalteredBothWays) {
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 10)));
  // Every byte value, CR, LF, NUL, XON and XOFF and the CP1251 letters among them.
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  all += "scan\r\n";

  uint32_t written = 0;
  ASSERT_TRUE(port.Write(all, written));
  EXPECT_EQ(written, all.size());
  EXPECT_EQ(pty.Receive(all.size()), all);

  ASSERT_TRUE(pty.Send(all));
  std::string got, chunk;
  while (got.size() < all.size() && port.Read(static_cast<uint32_t>(all.size() - got.size()), chunk) &&
         !chunk.empty()) {
    got += chunk;
  }
  EXPECT_EQ(got, all);

  // An empty write succeeds with nothing written.
  ASSERT_TRUE(port.Write("", written));
  EXPECT_EQ(written, 0u);
}

TEST_F(SerialTest, ReadsWaitForTheirTimeoutAndNoLonger) {
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 10)));
  std::string bytes = "x";

  // Idle line, one byte asked: 10 * 1 + 10 ms.
  int64_t start = SteadyMs();
  ASSERT_TRUE(port.Read(1, bytes));
  int64_t took = SteadyMs() - start;
  EXPECT_EQ(bytes, "");
  EXPECT_GE(took, 19);
  EXPECT_LT(took, 500);

  // Idle line, five bytes asked at 20 ms: 20 * 5 + 20 ms.
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 20)));
  start = SteadyMs();
  ASSERT_TRUE(port.Read(5, bytes));
  took = SteadyMs() - start;
  EXPECT_EQ(bytes, "");
  EXPECT_GE(took, 119);
  EXPECT_LT(took, 700);

  // Three bytes waiting, a hundred asked: the gap after the third ends the
  // read long before the total of 2020 ms.
  ASSERT_TRUE(pty.Send("abc"));
  start = SteadyMs();
  ASSERT_TRUE(port.Read(100, bytes));
  took = SteadyMs() - start;
  EXPECT_EQ(bytes, "abc");
  EXPECT_LT(took, 1000);

  // Nothing asked, or a time-out of 0: at once.
  start = SteadyMs();
  ASSERT_TRUE(port.Read(0, bytes));
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 0)));
  ASSERT_TRUE(port.Read(10, bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_LT(SteadyMs() - start, 15);
}

// Nobody reads the device: a write ends at its time-out with what the
// driver took, instead of blocking the loop.
TEST_F(SerialTest, WritesToAStalledDeviceEndAtTheirTimeout) {
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 0)));
  const std::string block(1 << 20, 'z');
  uint32_t written = 0;
  int64_t start = SteadyMs();
  ASSERT_TRUE(port.Write(block, written));
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, block.size());
  EXPECT_LT(SteadyMs() - start, 500);
  // The driver moves output on behind the scenes; fill until it takes no more.
  for (int quiet = 0, i = 0; quiet < 3 && i < 200; ++i) {
    ASSERT_TRUE(port.Write(block, written));
    quiet = written == 0 ? quiet + 1 : 0;
    usleep(5000);
  }

  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 5)));
  start = SteadyMs();
  ASSERT_TRUE(port.Write("0123456789", written));
  int64_t took = SteadyMs() - start;
  EXPECT_EQ(written, 0u);
  EXPECT_GE(took, 54);  // 5 * 10 + 5 ms
  EXPECT_LT(took, 700);
}

TEST_F(SerialTest, APortIsUsedByOneOpenerOnly) {
  SetSerialDevicePath(ComB, pty.SlavePath);
  EXPECT_TRUE(ProbeSerialPort(ComA));
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 10)));

  TSerialPort second;
  EXPECT_FALSE(second.Open(ComA, Settings(9600, parNone, 10)));
  EXPECT_FALSE(second.Open(ComB, Settings(9600, parNone, 10)));  // same device, other name
  EXPECT_FALSE(ProbeSerialPort(ComA));
  // Other programs are kept out by the kernel's exclusive mode.
  int exclusive = 0;
  if (ioctl(pty.Slave, TIOCGEXCL, &exclusive) == 0) {
    EXPECT_EQ(exclusive, 1);
  }

  port.Close();
  EXPECT_TRUE(ProbeSerialPort(ComA));
  // Probing leaves the port free, and closing ends the exclusive mode.
  EXPECT_TRUE(ProbeSerialPort(ComA));
  if (ioctl(pty.Slave, TIOCGEXCL, &exclusive) == 0) {
    EXPECT_EQ(exclusive, 0);
  }
  EXPECT_TRUE(second.Open(ComB, Settings(9600, parNone, 10)));
}

TEST_F(SerialTest, Dtr) {
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 10)));
  int lines = 0;
  if (!port.SetDtr(true)) {
    EXPECT_NE(ioctl(pty.Slave, TIOCMGET, &lines), 0);
    // The port goes on working after the refused request.
    uint32_t written = 0;
    EXPECT_TRUE(port.Write("ok", written));
    EXPECT_EQ(pty.Receive(2), "ok");
    GTEST_SKIP() << "pseudo-terminals have no modem lines; DTR cannot be driven here";
  }
  ASSERT_EQ(ioctl(pty.Slave, TIOCMGET, &lines), 0);
  EXPECT_NE(lines & TIOCM_DTR, 0);
  ASSERT_TRUE(port.SetDtr(false));
  ASSERT_EQ(ioctl(pty.Slave, TIOCMGET, &lines), 0);
  EXPECT_EQ(lines & TIOCM_DTR, 0);
}

TEST_F(SerialTest, ADeviceThatGoesAwayFailsCleanly) {
  ASSERT_TRUE(port.Open(ComA, Settings(9600, parNone, 50)));
  ASSERT_TRUE(pty.Send("tail"));
  // Let the bytes reach the line before the device goes.
  std::string bytes;
  ASSERT_TRUE(port.Read(2, bytes));
  EXPECT_EQ(bytes, "ta");
  pty.CloseMaster();

  uint32_t written = 7;
  EXPECT_FALSE(port.Write("scan\n", written));
  EXPECT_EQ(written, 0u);
  EXPECT_FALSE(port.Write("", written));
  // A hang-up ends a read at once instead of waiting 50 * 100 + 50 ms.
  int64_t start = SteadyMs();
  port.Read(100, bytes);
  EXPECT_FALSE(port.Read(100, bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_LT(SteadyMs() - start, 1000);
  port.SetDtr(true);
  port.Close();
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialTest, ClosedPortAndMissingDevices) {
  uint32_t written = 5;
  std::string bytes = "x";
  EXPECT_FALSE(port.Write("a", written));
  EXPECT_EQ(written, 0u);
  EXPECT_FALSE(port.Read(1, bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_FALSE(port.SetDtr(true));

  EXPECT_FALSE(port.Open(0, Settings(9600, parNone, 10)));
  SetSerialDevicePath(ComB, "/nonexistent/ttyZ");
  EXPECT_FALSE(port.Open(ComB, Settings(9600, parNone, 10)));
  EXPECT_FALSE(ProbeSerialPort(ComB));
  // A file that is not a terminal is no port.
  SetSerialDevicePath(ComB, "/proc/self/status");
  EXPECT_FALSE(port.Open(ComB, Settings(9600, parNone, 10)));
  EXPECT_FALSE(ProbeSerialPort(ComB));
  EXPECT_FALSE(port.IsOpen());

  // Where COMn leads: the default, the environment, the override.
  EXPECT_EQ(SerialDevicePath(1), "/dev/ttyS0");
  setenv("ZORN_COM250", "/tmp/line250", 1);
  EXPECT_EQ(SerialDevicePath(250), "/tmp/line250");
  SetSerialDevicePath(250, "/tmp/set250");
  EXPECT_EQ(SerialDevicePath(250), "/tmp/set250");
  SetSerialDevicePath(250, "");
  unsetenv("ZORN_COM250");
  EXPECT_EQ(SerialDevicePath(250), "/dev/ttyS249");
  EXPECT_EQ(SerialDevicePath(0), "");
}

}  // namespace
}  // namespace zorn::platform
