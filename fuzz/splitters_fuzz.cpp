// The splitters against a direct reading of their cutting rules: the stored
// parts and the rest of TZEMultiStrPart, the fields and the rest seen by each
// receiver of TZEMultiStrData (from the left and from the right), and the
// items of TZEStr_Enum in its field, character and chunk modes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "elements/str_split.h"
#include "fuzz_support.h"

using namespace zorn;
using zorn::fuzz::Quote;

namespace {

// Rule 7: the field before the first delimiter; the whole text when there is none.
std::string CutLeft(std::string& text, char d) {
  const size_t p = text.find(d);
  std::string field = text.substr(0, p);
  text = p == std::string::npos ? std::string() : text.substr(p + 1);
  return field;
}

std::string CutRight(std::string& text, char d) {
  const size_t p = text.rfind(d);
  std::string field = p == std::string::npos ? text : text.substr(p + 1);
  text = p == std::string::npos ? std::string() : text.substr(0, p);
  return field;
}

std::string Joined(const std::vector<std::string>& v) {
  std::string out;
  for (const std::string& s : v) out += Quote(s) + " ";
  return out;
}

// Reads the rest of a TZEMultiStrData while one of its events runs.
class TRestReader : public TElement {
 public:
  void Take(TData& data, uint16_t index) {
    Fields.push_back(ToStr(data));
    Indexes.push_back(index);
    TData rest;
    Owner->Rest(rest, 0);
    Rests.push_back(ToStr(rest));
  }
  TZEMultiStrData* Owner = nullptr;
  std::vector<std::string> Fields, Rests;
  std::vector<uint16_t> Indexes;
};

void CheckPart(const std::string& text, const std::string& delimiter, int skip, int count) {
  TZEMultiStrPart e;
  e.Delimiter = delimiter;
  e.Skip = skip;
  e.SetCount(count);
  zorn::fuzz::TProbe probe;
  e.OnNoDelimiter = MakeWire(0, &zorn::fuzz::TProbe::Take, &probe);
  e.OnSplit = MakeWire(1, &zorn::fuzz::TProbe::Take, &probe);
  // Parts of an earlier split are never kept.
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &e), TStr(delimiter.empty() ? "x" : "a" + delimiter + "b"));
  probe.Texts.clear();
  probe.Indexes.clear();
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &e), TStr(text));

  std::vector<std::string> parts(static_cast<size_t>(count));
  std::string rest = text;
  uint16_t event = 0;
  if (!delimiter.empty() && text.find(delimiter[0]) != std::string::npos) {
    for (int i = 0; i < skip; ++i) CutLeft(rest, delimiter[0]);
    for (std::string& p : parts) p = CutLeft(rest, delimiter[0]);
    event = 1;
  }
  FUZZ_CHECK(probe.Texts.size() == 1 && probe.Indexes[0] == event && probe.Texts[0] == rest,
             "part split of " + Quote(text) + " fired " + Joined(probe.Texts));
  for (int i = 0; i < count; ++i) {
    TData d;
    e.Part(d, static_cast<uint16_t>(i));
    FUZZ_CHECK(ToStr(d) == parts[i], "part " + std::to_string(i + 1) + " of " + Quote(text) + " is " +
                                         Quote(ToStr(d)) + ", rules " + Quote(parts[i]));
  }
}

void CheckData(const std::string& text, const std::string& delimiter, int skip, int count, bool right) {
  TZEMultiStrData e;
  e.Delimiter = delimiter;
  e.Skip = skip;
  e.SetCount(count);
  TRestReader reader;
  reader.Owner = &e;
  for (int i = 0; i < count; ++i) e.OnPart[i] = MakeWire(static_cast<uint16_t>(i), &TRestReader::Take, &reader);
  FireStr(right ? MakeWire(0, &TZEMultiStrData::SplitRight, &e) : MakeWire(0, &TZEMultiStrData::Split, &e),
          TStr(text));

  std::vector<std::string> fields, rests;
  std::string rest = text;
  if (!delimiter.empty() && text.find(delimiter[0]) != std::string::npos) {
    const char d = delimiter[0];
    for (int i = 0; i < skip; ++i) right ? CutRight(rest, d) : CutLeft(rest, d);
    for (int i = 0; i < count; ++i) {
      fields.push_back(right ? CutRight(rest, d) : CutLeft(rest, d));
      rests.push_back(rest);
    }
  }
  FUZZ_CHECK(reader.Fields == fields, std::string(right ? "right" : "left") + " split of " + Quote(text) +
                                          " sent " + Joined(reader.Fields) + ", rules " + Joined(fields));
  FUZZ_CHECK(reader.Rests == rests, "rest seen by the receivers of " + Quote(text));
  for (size_t i = 0; i < reader.Indexes.size(); ++i) FUZZ_CHECK(reader.Indexes[i] == i, "event order");
  TData d;
  e.Rest(d, 0);
  FUZZ_CHECK(ToStr(d) == rest, "rest after " + Quote(text) + " is " + Quote(ToStr(d)) + ", rules " + Quote(rest));
}

void CheckEnum(const std::string& text, const std::string& delimiter, int from, int to, int step, bool whole) {
  TZEStr_Enum e;
  e.Delimiter = delimiter;
  e.From = from;
  e.To = to;
  e.Step = step;
  e.WholeChunks = whole;
  zorn::fuzz::TProbe probe;
  e.OnPart = MakeWire(0, &zorn::fuzz::TProbe::Take, &probe);
  e.OnEnd = MakeWire(1, &zorn::fuzz::TProbe::Take, &probe);
  FireStr(MakeWire(0, &TZEStr_Enum::Enum, &e), TStr(text));

  std::vector<std::string> items;
  const int64_t length = static_cast<int64_t>(text.size());
  if (!text.empty() && !delimiter.empty()) {
    // Fields at every delimiter; one at the very end makes no empty field.
    std::vector<std::string> fields;
    std::string rest = text;
    while (!rest.empty()) fields.push_back(CutLeft(rest, delimiter[0]));
    for (size_t n = 1; n <= fields.size(); ++n) {
      if (to > 0 && static_cast<int64_t>(n) > to) break;
      if (static_cast<int64_t>(n) >= from) items.push_back(fields[n - 1]);
    }
  } else if (!text.empty() && step == 1) {
    for (int64_t p = from; p <= length && (to == -1 || p <= to); ++p) items.push_back(text.substr(p - 1, 1));
  } else if (!text.empty()) {
    const int64_t start = int64_t{step} * (from - 1);
    const int64_t end = to == -1 ? length : std::min(length, start + int64_t{step} * (to - from + 1));
    for (int64_t p = start; p < end; p += step) {
      const int64_t n = std::min<int64_t>(step, end - p);
      if (n < step && whole) break;
      items.push_back(text.substr(p, n));
    }
  }
  std::vector<std::string> sent(probe.Texts.begin(), probe.Texts.end());
  FUZZ_CHECK(!sent.empty() && probe.Indexes.back() == 1 && sent.back().empty(), "OnEnd comes last, with Null");
  sent.pop_back();
  FUZZ_CHECK(sent == items, "enum of " + Quote(text) + " from " + std::to_string(from) + " to " +
                                std::to_string(to) + " step " + std::to_string(step) + " sent " + Joined(sent) +
                                ", rules " + Joined(items));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  zorn::fuzz::StartOnce();
  FuzzedDataProvider in(bytes, size);
  // Mostly ";", the program's delimiter; sometimes another byte or none.
  const int pick = in.ConsumeIntegralInRange(0, 3);
  std::string delimiter = pick == 0 ? "" : pick == 1 ? std::string(1, static_cast<char>(in.ConsumeIntegral<uint8_t>())) : ";";
  if (in.ConsumeBool() && !delimiter.empty()) delimiter += "x";  // only the first character counts
  const int skip = in.ConsumeIntegralInRange(0, 3);
  const int count = in.ConsumeIntegralInRange(0, 8);
  const bool right = in.ConsumeBool();
  const bool fieldMode = in.ConsumeBool();
  // Character and chunk modes need From >= 1; a range that ends before it
  // starts is left out, as the rules leave it open.
  const int from = fieldMode ? in.ConsumeIntegralInRange(-2, 10) : in.ConsumeIntegralInRange(1, 10);
  int to = in.ConsumeIntegralInRange(-1, 12);
  if (!fieldMode && to != -1 && to < from) to = -1;
  const int step = in.ConsumeIntegralInRange(1, 5);
  const bool whole = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString().substr(0, 300);

  CheckPart(text, delimiter, skip, count);
  CheckData(text, delimiter, skip, count, right);
  CheckEnum(text, fieldMode ? (delimiter.empty() ? ";" : delimiter) : "", from, to, step, whole);
  return 0;
}
