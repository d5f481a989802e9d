// --log: every byte received from the panel, appended to a file as it
// arrives and flushed at once, so a test can read it while plcsim runs.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace plcsim {

enum class LogStyle { Raw, HexEscaped };

class ByteLog {
 public:
  ByteLog() = default;
  ByteLog(const ByteLog&) = delete;
  ByteLog& operator=(const ByteLog&) = delete;
  ~ByteLog();

  bool open(const std::string& path, LogStyle style, std::string& error);
  void record(const char* data, std::size_t size);

 private:
  std::FILE* file_ = nullptr;
  LogStyle style_ = LogStyle::Raw;
};

/// Printable ASCII stays, a backslash doubles, every other byte becomes \xHH.
/// An escaped LF is followed by a real line break to keep the file readable;
/// that break is no received byte.
std::string hex_escaped(const char* data, std::size_t size);

}  // namespace plcsim
