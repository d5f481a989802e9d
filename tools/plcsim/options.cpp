#include "options.h"

#include <string_view>
#include <vector>

#include "blocks.h"

namespace plcsim {
namespace {

bool integer_in(std::string_view text, long long lo, long long hi, long long& value) {
  return parse_integer(text, value) && value >= lo && value <= hi;
}

class Parser {
 public:
  Parser(int argc, char** argv) : args_(argv + 1, argv + argc) {}

  bool run(Options& o, std::string& error) {
    bool have_link = false;
    while (next()) {
      if (name_ == "--help" || name_ == "-h") {
        o.help = true;
        return true;
      }
      bool ok = true;
      if (name_ == "--tcp") {
        ok = value(error) && tcp(o, error);
        have_link = have_link || ok;
      } else if (name_ == "--from") {
        ok = value(error) && from(o, error);
      } else if (name_ == "--serial") {
        ok = value(error);
        o.link = LinkKind::Serial;
        o.device = value_;
        have_link = have_link || ok;
      } else if (name_ == "--baud") {
        ok = number(1, 4000000, error);
        o.baud = static_cast<long>(n_);
      } else if (name_ == "--blocks") {
        ok = value(error);
        o.blocks_file = value_;
      } else if (name_ == "--seed") {
        ok = number(0, 0x7fffffffffffffffLL, error);
        o.shape.seed = static_cast<std::uint64_t>(n_);
      } else if (name_ == "--connect-timeout") {
        ok = number(0, 86400000, error);
        o.connect_timeout_ms = static_cast<int>(n_);
      } else if (name_ == "--garbage-every") {
        ok = number(1, 1000000, error);
        o.shape.garbage_every = static_cast<int>(n_);
      } else if (name_ == "--split-writes") {
        o.shape.split_writes = flag(error);
        ok = o.shape.split_writes;
      } else if (name_ == "--split-delay-ms") {
        ok = number(0, 10000, error);
        o.shape.split_delay_ms = static_cast<int>(n_);
      } else if (name_ == "--ending") {
        ok = value(error) && ending(o, error);
      } else if (name_ == "--flood") {
        ok = o.flood = flag(error);
      } else if (name_ == "--disconnect-after") {
        ok = value(error) && disconnect(o, error);
      } else if (name_ == "--reconnect") {
        ok = o.reconnect = flag(error);
      } else if (name_ == "--reconnect-delay-ms") {
        ok = number(0, 600000, error);
        o.reconnect_delay_ms = static_cast<int>(n_);
      } else if (name_ == "--log") {
        ok = value(error);
        o.log_file = value_;
      } else if (name_ == "--log-hex") {
        ok = flag(error);
        o.log_style = LogStyle::HexEscaped;
      } else if (name_ == "--quiet" || name_ == "-q") {
        ok = o.quiet = flag(error);
      } else if (name_ == "--exit-after-ms") {
        ok = number(1, 86400000LL * 365, error);
        o.exit_after_ms = n_;
      } else {
        error = "unknown option " + std::string(name_);
        return false;
      }
      if (!ok) return false;
    }
    if (!have_link) {
      error = "give --tcp HOST:PORT or --serial PATH";
      return false;
    }
    if (o.blocks_file.empty()) {
      error = "give --blocks FILE";
      return false;
    }
    return true;
  }

 private:
  // Takes the next argument; "--name=value" carries its value inline.
  bool next() {
    if (at_ >= args_.size()) return false;
    std::string_view arg = args_[at_++];
    std::size_t eq = arg.find('=');
    inline_ = arg.substr(0, 2) == "--" && eq != std::string_view::npos;
    name_ = inline_ ? arg.substr(0, eq) : arg;
    if (inline_) value_ = std::string(arg.substr(eq + 1));
    return true;
  }

  bool value(std::string& error) {
    if (inline_) return true;
    if (at_ >= args_.size()) {
      error = std::string(name_) + " needs a value";
      return false;
    }
    value_ = args_[at_++];
    return true;
  }

  bool flag(std::string& error) {
    if (!inline_) return true;
    error = std::string(name_) + " takes no value";
    return false;
  }

  bool number(long long lo, long long hi, std::string& error) {
    if (!value(error)) return false;
    if (integer_in(value_, lo, hi, n_)) return true;
    error = std::string(name_) + " needs a number from " + std::to_string(lo) + " to " + std::to_string(hi);
    return false;
  }

  bool tcp(Options& o, std::string& error) {
    std::size_t colon = value_.rfind(':');
    long long port = 0;
    if (colon == std::string::npos || colon == 0 || !integer_in(value_.substr(colon + 1), 1, 65535, port)) {
      error = "--tcp needs HOST:PORT, for example 127.0.0.1:4455";
      return false;
    }
    o.link = LinkKind::Tcp;
    o.host = value_.substr(0, colon);
    o.port = std::to_string(port);
    return true;
  }

  // An IPv4 address in dotted decimal, optionally with ":PORT".
  bool from(Options& o, std::string& error) {
    std::string_view text = value_;
    std::size_t colon = text.find(':');
    long long port = 0;
    std::string_view address = text.substr(0, colon);
    int dots = 0;
    bool ok = !address.empty();
    for (char c : address) {
      if (c == '.') ++dots;
      else if (c < '0' || c > '9') ok = false;
    }
    ok = ok && dots == 3;
    if (ok && colon != std::string_view::npos) ok = integer_in(text.substr(colon + 1), 1, 65535, port);
    if (!ok) {
      error = "--from needs ADDRESS or ADDRESS:PORT, for example 127.0.0.2";
      return false;
    }
    o.from = value_;
    return true;
  }

  bool ending(Options& o, std::string& error) {
    if (value_ == "crlf") o.shape.ending = Ending::CrLf;
    else if (value_ == "lf") o.shape.ending = Ending::Lf;
    else if (value_ == "cr") o.shape.ending = Ending::Cr;
    else if (value_ == "none") o.shape.ending = Ending::None;
    else {
      error = "--ending is crlf, lf, cr or none";
      return false;
    }
    return true;
  }

  bool disconnect(Options& o, std::string& error) {
    std::string_view text = value_;
    o.disconnect_unit = DisconnectUnit::Lines;
    if (text.size() > 2 && text.substr(text.size() - 2) == "ms") {
      o.disconnect_unit = DisconnectUnit::Milliseconds;
      text.remove_suffix(2);
    }
    if (!integer_in(text, 1, 86400000LL * 365, o.disconnect_after)) {
      error = "--disconnect-after needs N (lines) or Nms";
      return false;
    }
    return true;
  }

  std::vector<std::string> args_;
  std::size_t at_ = 0;
  std::string_view name_;
  std::string value_;
  bool inline_ = false;
  long long n_ = 0;
};

}  // namespace

bool parse_options(int argc, char** argv, Options& options, std::string& error) {
  return Parser(argc, argv).run(options, error);
}

const char* usage_text() {
  return "usage: plcsim (--tcp HOST:PORT | --serial PATH [--baud N]) --blocks FILE [options]\n"
         "  --from ADDR[:PORT]       connect from this local address (and port)\n"
         "  --connect-timeout MS     retry the connect or open this long (default 10000, 0: for ever)\n"
         "  --seed N                 seed of random walks and split points (default 1)\n"
         "  --ending crlf|lf|cr|none line ending of replies (default crlf)\n"
         "  --garbage-every N        a garbage line after every N reply lines\n"
         "  --split-writes           cut every line into several writes\n"
         "  --split-delay-ms MS      pause between those writes (default 5)\n"
         "  --flood                  send input block lines unasked, as fast as they go\n"
         "  --disconnect-after N|Nms cut the link hard after N lines sent or N ms connected\n"
         "  --reconnect              connect again after the link ended\n"
         "  --reconnect-delay-ms MS  pause before that (default 200)\n"
         "  --log FILE               append every byte received to FILE\n"
         "  --log-hex                write the log hex-escaped\n"
         "  --exit-after-ms MS       end after MS milliseconds\n"
         "  --quiet                  no messages on stderr\n";
}

}  // namespace plcsim
