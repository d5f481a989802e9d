// The format filler against a direct reading of the placeholder rules, with
// markers that no byte can equal: "%%" becomes the percent marker, then for
// k = 1 … Count every "%k" not followed by a digit becomes the argument
// marker and argument k, resuming after the inserted text; argument markers
// are removed and percent markers become "%". Checked through the function
// and through the element with its arguments on wired inputs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "elements/format_str.h"
#include "fuzz_support.h"

using namespace zorn;
using zorn::fuzz::Quote;

namespace {

constexpr int kPercentMark = -1;
constexpr int kArgMark = -2;
// Arguments that hold later placeholders can grow the text without end;
// such inputs are passed over.
constexpr size_t kMaxCells = 1 << 16;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

bool RuleFormat(const std::string& mask, const std::vector<std::string>& args, std::string& out) {
  std::vector<int> text;
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '%' && i + 1 < mask.size() && mask[i + 1] == '%') {
      text.push_back(kPercentMark);
      ++i;
    } else {
      text.push_back(static_cast<unsigned char>(mask[i]));
    }
  }
  for (size_t k = 1; k <= args.size(); ++k) {
    const std::string needle = "%" + std::to_string(k);
    const std::string& arg = args[k - 1];
    size_t i = 0;
    while (i + needle.size() <= text.size()) {
      bool found = true;
      for (size_t j = 0; j < needle.size() && found; ++j) {
        found = text[i + j] == static_cast<unsigned char>(needle[j]);
      }
      const size_t after = i + needle.size();
      if (found && (after == text.size() || !IsDigit(text[after]))) {
        std::vector<int> insert{kArgMark};
        for (unsigned char c : arg) insert.push_back(c);
        text.erase(text.begin() + i, text.begin() + after);
        text.insert(text.begin() + i, insert.begin(), insert.end());
        i += insert.size();
        if (text.size() > kMaxCells) return false;
      } else {
        ++i;
      }
    }
  }
  out.clear();
  for (int c : text) {
    if (c == kArgMark) continue;
    out += c == kPercentMark ? '%' : static_cast<char>(c);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  zorn::fuzz::StartOnce();
  FuzzedDataProvider in(bytes, size);
  const int count = in.ConsumeIntegralInRange<int>(0, 12);
  std::vector<std::string> args;
  for (int k = 0; k < count; ++k) args.push_back(in.ConsumeRandomLengthString(16));
  const std::string mask = in.ConsumeRemainingBytesAsString().substr(0, 512);

  std::string expected;
  if (!RuleFormat(mask, args, expected)) return 0;
  const std::string got = FormatPlaceholders(mask, args);
  FUZZ_CHECK(got == expected, "mask " + Quote(mask) + " gives " + Quote(got) + ", rules " + Quote(expected));

  TZEFormatStr element;
  element.Mask = mask;
  element.SetCount(count);
  std::vector<zorn::fuzz::TTextSource> sources(args.size());
  for (size_t k = 0; k < args.size(); ++k) {
    sources[k].Text = args[k];
    element.Args[k] = MakeWire(0, &zorn::fuzz::TTextSource::Value, &sources[k]);
  }
  zorn::fuzz::TProbe probe;
  element.OnResult = MakeWire(0, &zorn::fuzz::TProbe::Take, &probe);
  FireNull(MakeWire(0, &TZEFormatStr::Format, &element));
  FUZZ_CHECK(probe.Texts.size() == 1 && probe.Texts[0] == expected, "the element fires the result");
  TData result;
  element.Result(result, 0);
  FUZZ_CHECK(ToStr(result) == expected, "the element keeps the result");
  return 0;
}
