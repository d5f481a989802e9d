// Shared pieces of the fuzz targets: a broken property aborts with a message,
// which libFuzzer reports as a crash and keeps the input; a probe element
// records what an event carries.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/wire.h"

namespace zorn::fuzz {

[[noreturn]] inline void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "broken property: %s\n%s\n", what, detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(cond, ...) \
  do {                        \
    if (!(cond)) ::zorn::fuzz::Broken(#cond, ##__VA_ARGS__); \
  } while (0)

// Quotes bytes for a message: printable ASCII as it is, the rest as \xNN.
inline std::string Quote(const std::string& s) {
  std::string out = "'";
  for (unsigned char c : s) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[5];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  return out + "'";
}

// Records the text of every value it receives, and the wire index.
class TProbe : public TElement {
 public:
  void Take(TData& data, uint16_t index) {
    Texts.push_back(ToStr(data));
    Indexes.push_back(index);
  }
  std::vector<std::string> Texts;
  std::vector<uint16_t> Indexes;
};

// A data output that answers a fixed text.
class TTextSource : public TElement {
 public:
  void Value(TData& data, uint16_t) { MakeStr(data, TStr(Text)); }
  std::string Text;
};

// Live dispatch, once per process.
inline void StartOnce() {
  static const bool started = (StartLiveDispatch(), true);
  (void)started;
}

}  // namespace zorn::fuzz
