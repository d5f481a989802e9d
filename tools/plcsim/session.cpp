#include "session.h"

#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>

#include "byte_log.h"
#include "controller.h"
#include "io.h"
#include "output.h"

namespace plcsim {
namespace {

long long now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

enum class End { PeerClosed, Disconnected, TimeUp };

class Simulator {
 public:
  Simulator(const Options& o, BlockTable& table)
      : o_(o), controller_(table), shaper_(o.shape), started_(now_ms()),
        exit_at_(o.exit_after_ms > 0 ? started_ + o.exit_after_ms : 0) {}

  int run() {
    std::string error;
    if (!o_.log_file.empty() && !log_.open(o_.log_file, o_.log_style, error)) {
      say("%s", error.c_str());
      return 1;
    }
    for (;;) {
      std::unique_ptr<Channel> channel = open_channel();
      if (!channel) return time_up() ? 0 : 2;
      End end = serve(*channel);
      channel.reset();
      say("link ended: %s; %lld lines sent", end == End::PeerClosed ? "the peer closed it"
                                             : end == End::Disconnected ? "cut as asked"
                                                                        : "time up",
          lines_sent_);
      if (end == End::TimeUp || !o_.reconnect) return 0;
      sleep_ms(static_cast<int>(cap_to_exit(o_.reconnect_delay_ms)));
      if (time_up()) return 0;
    }
  }

 private:
  template <typename... Args>
  void say(const char* format, Args... args) {
    if (o_.quiet) return;
    std::fprintf(stderr, "plcsim: ");
    std::fprintf(stderr, format, args...);
    std::fputc('\n', stderr);
  }

  bool time_up() const { return exit_at_ != 0 && now_ms() >= exit_at_; }

  // The wait of ms milliseconds, shortened so as not to pass --exit-after-ms.
  long long cap_to_exit(long long ms) const {
    if (exit_at_ == 0) return ms;
    long long left = exit_at_ - now_ms();
    return left < ms ? (left > 0 ? left : 0) : ms;
  }

  // Retries until the link comes up, --connect-timeout passes or time is up.
  std::unique_ptr<Channel> open_channel() {
    const long long give_up = o_.connect_timeout_ms > 0 ? now_ms() + o_.connect_timeout_ms : 0;
    const std::string where = o_.link == LinkKind::Tcp ? o_.host + ":" + o_.port : o_.device;
    std::string error, last_error;
    for (;;) {
      std::unique_ptr<Channel> channel =
          o_.link == LinkKind::Tcp
              ? connect_tcp(o_.host, o_.port, o_.from, static_cast<int>(cap_to_exit(1000)), error)
              : open_serial(o_.device, o_.baud, error);
      if (channel) {
        say("connected to %s", where.c_str());
        return channel;
      }
      if (error != last_error) say("%s: %s; retrying", where.c_str(), error.c_str());
      last_error = error;
      if ((give_up != 0 && now_ms() >= give_up) || time_up()) {
        if (!time_up()) say("gave up on %s", where.c_str());
        return nullptr;
      }
      sleep_ms(static_cast<int>(cap_to_exit(50)));
    }
  }

  void queue_lines(const std::vector<std::string>& lines) {
    const bool was_empty = queue_.empty();
    for (const std::string& line : lines) shaper_.queue_line(line, queue_);
    if (was_empty && !queue_.empty()) ready_at_ = now_ms() + queue_.front().delay_ms;
  }

  void take_bytes(const char* data, std::size_t size) {
    log_.record(data, size);
    std::vector<std::string> lines;
    received_.feed(data, size, lines);
    for (const std::string& line : lines) {
      Answer a = controller_.answer(line, now_ms() - started_);
      if (a.request == Request::Ignored)
        say("ignored \"%s\"", hex_escaped(line.data(), line.size()).c_str());
      else if (!o_.flood)
        say("<- \"%s\", %zu lines", hex_escaped(line.data(), line.size()).c_str(), a.lines.size());
      queue_lines(a.lines);
    }
  }

  // False when --disconnect-after has now been reached.
  bool write_front(Channel& channel, bool& failed) {
    WriteUnit& unit = queue_.front();
    if (!unit.bytes.empty()) {
      long n = channel.write_some(unit.bytes.data() + written_, unit.bytes.size() - written_);
      if (n < 0) {
        failed = true;
        return true;
      }
      written_ += static_cast<std::size_t>(n);
      if (written_ < unit.bytes.size()) return true;
    }
    const bool line_done = unit.ends_line;
    queue_.pop_front();
    written_ = 0;
    if (!queue_.empty()) ready_at_ = now_ms() + queue_.front().delay_ms;
    if (line_done) ++lines_sent_;
    return !(line_done && o_.disconnect_unit == DisconnectUnit::Lines &&
             lines_sent_ - lines_at_connect_ >= o_.disconnect_after);
  }

  End serve(Channel& channel) {
    received_ = LineBuffer();
    queue_.clear();
    written_ = 0;
    lines_at_connect_ = lines_sent_;
    const long long cut_at =
        o_.disconnect_unit == DisconnectUnit::Milliseconds ? now_ms() + o_.disconnect_after : 0;
    char buffer[4096];
    for (;;) {
      const long long now = now_ms();
      if (exit_at_ != 0 && now >= exit_at_) return End::TimeUp;
      if (cut_at != 0 && now >= cut_at) {
        channel.abort();
        return End::Disconnected;
      }
      if (o_.flood && queue_.empty()) queue_lines(controller_.poll_lines(now - started_));

      const bool want_write = !queue_.empty() && now >= ready_at_;
      long long wake = now + 1000;
      if (exit_at_ != 0 && exit_at_ < wake) wake = exit_at_;
      if (cut_at != 0 && cut_at < wake) wake = cut_at;
      if (!queue_.empty() && !want_write && ready_at_ < wake) wake = ready_at_;
      Readiness r = channel.wait(want_write, static_cast<int>(wake > now ? wake - now : 0));

      if (r.readable) {
        long n = channel.read_some(buffer, sizeof buffer);
        if (n < 0) return End::PeerClosed;
        take_bytes(buffer, static_cast<std::size_t>(n));
      }
      if (want_write && r.writable) {
        bool failed = false;
        if (!write_front(channel, failed)) {
          channel.abort();
          return End::Disconnected;
        }
        if (failed) return End::PeerClosed;
      }
    }
  }

  const Options& o_;
  Controller controller_;
  OutputShaper shaper_;
  ByteLog log_;
  const long long started_;
  const long long exit_at_;

  LineBuffer received_;
  std::deque<WriteUnit> queue_;
  std::size_t written_ = 0;  // of the front unit
  long long ready_at_ = 0;   // when the front unit may go
  long long lines_sent_ = 0;
  long long lines_at_connect_ = 0;
};

}  // namespace

int run_simulator(const Options& options, BlockTable& table) {
  return Simulator(options, table).run();
}

}  // namespace plcsim
