// The POSIX serial port: termios on the device COMn maps to. The descriptor
// is non-blocking; reads and writes wait in poll() for at most the time-outs
// that the Win32 comm time-outs give, so both platforms return alike.
#include "platform/serial.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>

#include "platform/posix/serial_line.h"

namespace zorn::platform {
namespace {

std::map<uint32_t, std::string>& Overrides() {
  static std::map<uint32_t, std::string> paths;
  return paths;
}

int64_t NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Waits up to `ms` (0 or more) for `events` on `fd`; EINTR counts as a
// short wait, the caller's loop looks again.
void WaitFor(int fd, short events, int64_t ms) {
  pollfd p{fd, events, 0};
  // Rounded up by one, so a wait never ends a hair before its deadline.
  int wait = ms > 100000 ? 100000 : static_cast<int>(ms) + 1;
  poll(&p, 1, wait);
}

// Opens the device for reading and writing without making it the
// controlling terminal; -1 unless it is a terminal that no other descriptor
// holds locked. The lock (flock) keeps out other opens by this program,
// which the kernel's exclusive mode does not when running as root.
int OpenExclusive(uint32_t port) {
  std::string path = SerialDevicePath(port);
  if (path.empty()) return -1;
  int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  termios t{};
  if (tcgetattr(fd, &t) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool ApplySettings(int fd, const TSerialSettings& settings) {
  termios t{};
  if (tcgetattr(fd, &t) != 0 || !serial::SetLineTermios(settings, t)) return false;
  speed_t code = B0;
  bool standard = serial::StandardSpeed(settings.BaudRate, code);
  if (standard && (cfsetispeed(&t, code) != 0 || cfsetospeed(&t, code) != 0)) return false;
  if (tcsetattr(fd, TCSANOW, &t) != 0) return false;
  return standard || (settings.BaudRate != 0 && serial::SetCustomSpeed(fd, settings.BaudRate));
}

}  // namespace

namespace serial {

bool SetLineTermios(const TSerialSettings& settings, termios& t) {
  char letter = ParityLetter(settings.Parity);
  if (letter == '\0') return false;
  cfmakeraw(&t);
  t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  t.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
  t.c_cflag |= CS8 | CREAD | CLOCAL;
  switch (letter) {
    case 'O': t.c_cflag |= PARENB | PARODD; break;
    case 'E': t.c_cflag |= PARENB; break;
    case 'M': t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case 'S': t.c_cflag |= PARENB | CMSPAR; break;
    default: break;
  }
  // With the descriptor non-blocking, VMIN 1 makes an idle line answer
  // EAGAIN, so that a read of 0 bytes can only mean a hang-up.
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return true;
}

bool StandardSpeed(uint32_t baud, speed_t& code) {
  static const std::map<uint32_t, speed_t> codes = {
      {50, B50},         {75, B75},         {110, B110},       {134, B134},
      {150, B150},       {200, B200},       {300, B300},       {600, B600},
      {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
      {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
      {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
  };
  auto it = codes.find(baud);
  if (it == codes.end()) return false;
  code = it->second;
  return true;
}

}  // namespace serial

TSerialPort::~TSerialPort() { Close(); }

bool TSerialPort::Open(uint32_t port, const TSerialSettings& settings) {
  Close();
  if (ParityLetter(settings.Parity) == '\0') return false;
  int fd = OpenExclusive(port);
  if (fd < 0) return false;
  // Keeps out other programs too (root passes, hence the lock above).
  ioctl(fd, TIOCEXCL);
  if (!ApplySettings(fd, settings)) {
    ioctl(fd, TIOCNXCL);
    close(fd);
    return false;
  }
  handle_ = fd;
  timeoutMs_ = settings.TimeoutMs;
  port_ = port;
  return true;
}

void TSerialPort::Close() {
  if (!IsOpen()) return;
  int fd = static_cast<int>(handle_);
  // The exclusive mode outlives the descriptor while the other side of a
  // pseudo-terminal stays open, and would refuse the next open.
  ioctl(fd, TIOCNXCL);
  close(fd);
  handle_ = InvalidHandle;
}

bool TSerialPort::Write(const std::string& bytes, uint32_t& written) {
  written = 0;
  if (!IsOpen()) return false;
  int fd = static_cast<int>(handle_);
  const int64_t t = timeoutMs_;
  const int64_t deadline = NowMs() + t * static_cast<int64_t>(bytes.size()) + t;
  // Runs once for an empty text, so that a vanished device still fails.
  do {
    ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n > 0) {
      written += static_cast<uint32_t>(n);
      continue;
    }
    if (n == 0 && bytes.empty()) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
    int64_t left = deadline - NowMs();
    if (t == 0 || left <= 0) break;
    WaitFor(fd, POLLOUT, left);
  } while (written < bytes.size());
  return true;
}

bool TSerialPort::Read(uint32_t maxBytes, std::string& bytes) {
  bytes.clear();
  if (!IsOpen()) return false;
  if (maxBytes == 0) return true;
  int fd = static_cast<int>(handle_);
  const int64_t t = timeoutMs_;
  const int64_t start = NowMs();
  const int64_t total = start + t * static_cast<int64_t>(maxBytes) + t;
  int64_t interval = total;  // starts with the first byte
  bytes.resize(maxBytes);
  size_t got = 0;
  bool failed = false;
  while (got < maxBytes) {
    ssize_t n = read(fd, bytes.data() + got, maxBytes - got);
    if (n > 0) {
      got += static_cast<size_t>(n);
      interval = NowMs() + t;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    // End of file on a terminal: the other side hung up.
    if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
      failed = true;
      break;
    }
    int64_t left = (interval < total ? interval : total) - NowMs();
    if (t == 0 || left <= 0) break;
    WaitFor(fd, POLLIN, left);
  }
  bytes.resize(got);
  // Bytes that did arrive before a failure are kept; the next read fails.
  return !failed || got > 0;
}

bool TSerialPort::SetDtr(bool on) {
  if (!IsOpen()) return false;
  int bit = TIOCM_DTR;
  return ioctl(static_cast<int>(handle_), on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
}

bool ProbeSerialPort(uint32_t port) {
  int fd = OpenExclusive(port);
  if (fd < 0) return false;
  close(fd);
  return true;
}

std::string SerialDevicePath(uint32_t port) {
  if (port == 0) return {};
  auto it = Overrides().find(port);
  if (it != Overrides().end()) return it->second;
  std::string name = "ZORN_COM" + std::to_string(port);
  if (const char* path = std::getenv(name.c_str()); path && *path) return path;
  return "/dev/ttyS" + std::to_string(port - 1);
}

void SetSerialDevicePath(uint32_t port, const std::string& path) {
  if (path.empty()) {
    Overrides().erase(port);
  } else {
    Overrides()[port] = path;
  }
}

}  // namespace zorn::platform
