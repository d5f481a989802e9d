// The line assembler against a direct reading of its rules, over received
// text cut into chunks of any sizes: no line and no pending buffer above the
// cap, the lines joined with LF are a sub-sequence of what went in, and every
// line is exactly what the rules make of the bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "link/line_assembler.h"

using namespace zorn;
using zorn::fuzz::Quote;

namespace {

bool IsSubsequence(const std::string& part, const std::string& whole) {
  size_t j = 0;
  for (size_t i = 0; i < whole.size() && j < part.size(); ++i) j += whole[i] == part[j];
  return j == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  zorn::fuzz::StartOnce();
  FuzzedDataProvider in(bytes, size);
  TZELineAssembler assembler;
  assembler.MaxLength = in.ConsumeIntegralInRange<size_t>(0, 40);
  if (in.ConsumeBool()) assembler.Dropped = "\r";
  zorn::fuzz::TProbe lines, added;
  assembler.OnLine = MakeWire(0, &zorn::fuzz::TProbe::Take, &lines);
  assembler.OnAdded = MakeWire(0, &zorn::fuzz::TProbe::Take, &added);
  const TWire add = MakeWire(0, &TZELineAssembler::Add, &assembler);

  std::string received;
  // The rules, read directly: LF ends the line, a dropped byte is skipped,
  // any other byte is kept while the line is shorter than the cap.
  std::vector<std::string> expected;
  std::string pending;
  while (in.remaining_bytes() > 0) {
    const std::string chunk = in.ConsumeRandomLengthString(64);
    received += chunk;
    for (char c : chunk) {
      if (c == '\n') {
        expected.push_back(pending);
        pending.clear();
      } else if (assembler.Dropped.find(c) == std::string::npos && pending.size() < assembler.MaxLength) {
        pending += c;
      }
    }
    const size_t before = added.Texts.size();
    FireStr(add, TStr(chunk));
    FUZZ_CHECK(added.Texts.size() == before + 1 && added.Texts.back() == chunk,
               "the received record goes on unchanged to OnAdded");
    FUZZ_CHECK(assembler.Pending() <= assembler.MaxLength);
    FUZZ_CHECK(assembler.Pending() == pending.size());
  }

  std::string joined;
  for (const std::string& line : lines.Texts) {
    FUZZ_CHECK(line.size() <= assembler.MaxLength, Quote(line));
    joined += line + "\n";
  }
  FUZZ_CHECK(IsSubsequence(joined, received), Quote(joined) + " in " + Quote(received));
  FUZZ_CHECK(lines.Texts == expected, "lines differ from the rules' lines for " + Quote(received));
  return 0;
}
