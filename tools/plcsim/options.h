// plcsim's command line.
#pragma once

#include <cstdint>
#include <string>

#include "byte_log.h"
#include "output.h"

namespace plcsim {

enum class LinkKind { Tcp, Serial };
enum class DisconnectUnit { Never, Lines, Milliseconds };

struct Options {
  LinkKind link = LinkKind::Tcp;
  std::string host, port;  // --tcp HOST:PORT
  std::string from;        // --from ADDRESS[:PORT]: the connection's own end; empty: any
  std::string device;      // --serial PATH
  long baud = 9600;
  std::string blocks_file;
  int connect_timeout_ms = 10000;  // 0: retry for ever
  ShapeSettings shape;             // --ending, --garbage-every, --split-writes, --seed
  bool flood = false;
  DisconnectUnit disconnect_unit = DisconnectUnit::Never;
  long long disconnect_after = 0;
  bool reconnect = false;
  int reconnect_delay_ms = 200;
  std::string log_file;
  LogStyle log_style = LogStyle::Raw;
  bool quiet = false;
  long long exit_after_ms = 0;  // 0: run until the link ends
  bool help = false;
};

/// False with a message on a bad command line.
bool parse_options(int argc, char** argv, Options& options, std::string& error);

const char* usage_text();

}  // namespace plcsim
