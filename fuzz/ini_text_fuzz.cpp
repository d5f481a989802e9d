// The INI text reader and writer: any bytes parse and read without harm; a
// written value reads back; no write changes the value of another key, nor
// the entries of another section. Names for the reads come from the text
// itself, cut at line breaks, "[", "]" and "=".
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/posix/ini_file.h"

using namespace zorn::platform::ini;
using zorn::fuzz::Quote;

namespace {

bool Blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string Trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && Blank(s[b])) ++b;
  while (e > b && Blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// A name or value as a program writes it: one line, no NUL, no blanks at
// either end.
std::string OneLine(std::string s) {
  std::string out;
  for (char c : s) {
    if (c != '\0' && c != '\r' && c != '\n') out += c;
  }
  return Trimmed(out);
}

std::string KeyName(std::string s) {
  s = OneLine(s);
  std::string out;
  for (char c : s) {
    if (c != '=') out += c;
  }
  out = Trimmed(out);
  if (out.empty() || out[0] == ';' || out[0] == '[') out = "k" + out;
  return out;
}

std::string SectionName(std::string s) {
  s = OneLine(s);
  return s.empty() ? "s" : s;
}

// Candidate section and key names: pieces of the text's lines.
void Names(const std::string& text, std::vector<std::string>& sections, std::vector<std::string>& keys) {
  std::set<std::string> s{""}, k{""};
  size_t pos = 0;
  while (pos < text.size() && s.size() < 8 && k.size() < 8) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    const size_t open = line.find('['), close = line.rfind(']');
    if (open != std::string::npos && close != std::string::npos && close > open) {
      s.insert(line.substr(open + 1, close - open - 1));
    }
    k.insert(line.substr(0, line.find('=')));
    pos = end + 1;
  }
  sections.assign(s.begin(), s.end());
  keys.assign(k.begin(), k.end());
}

struct TSnapshot {
  std::vector<std::optional<std::string>> Values;
  std::vector<std::optional<std::vector<std::string>>> Entries;
};

TSnapshot Take(const TIniText& t, const std::vector<std::string>& sections, const std::vector<std::string>& keys) {
  TSnapshot shot;
  for (const std::string& s : sections) {
    shot.Entries.push_back(t.SectionEntries(s));
    for (const std::string& k : keys) shot.Values.push_back(t.FindValue(s, k));
  }
  return shot;
}

std::string Show(const std::optional<std::string>& v) { return v ? Quote(*v) : "(none)"; }

// Names are C strings to the profile functions: they end at a NUL.
bool SameName(const std::string& a, const std::string& b) {
  return NamesEqual(a.substr(0, a.find('\0')), b.substr(0, b.find('\0')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider in(bytes, size);
  const std::string original = in.ConsumeRandomLengthString(2048);
  TIniText text(original);
  FUZZ_CHECK(text.Bytes() == original, "parsing keeps the bytes");

  std::vector<std::string> sections, keys;
  Names(original, sections, keys);
  // Reads of every candidate: the buffer rules hold for any value.
  for (const std::string& s : sections) {
    std::vector<std::string> lines;
    const uint32_t packed = PackSection(text.SectionEntries(s), 64, lines);
    FUZZ_CHECK(packed <= 62, std::to_string(packed));
    for (const std::string& k : keys) {
      if (const std::optional<std::string> v = text.FindValue(s, k)) {
        std::string out;
        const uint32_t n = CopyValue(*v, 8, out);
        FUZZ_CHECK(n == out.size() && n <= 7, Quote(out));
        ParseInt(*v);
      }
    }
  }
  const uint32_t number = in.ConsumeIntegral<uint32_t>();
  FUZZ_CHECK(ParseInt(std::to_string(number)) == number, std::to_string(number));

  for (int step = 0; step < 6 && in.remaining_bytes() > 0; ++step) {
    const int op = in.ConsumeIntegralInRange(0, 3);
    const bool existing = in.ConsumeBool();
    const std::string section = SectionName(existing ? sections[in.ConsumeIntegralInRange<size_t>(0, sections.size() - 1)]
                                                     : in.ConsumeRandomLengthString(12));
    const std::string key = KeyName(existing ? keys[in.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)]
                                             : in.ConsumeRandomLengthString(12));
    const std::string value = OneLine(in.ConsumeRandomLengthString(24));

    std::vector<std::string> s = sections, k = keys;
    s.push_back(section);
    k.push_back(key);
    const std::string before = text.Bytes();
    const TSnapshot old = Take(text, s, k);
    // Whether a write to (section, key) may change what (s[i], k[j]) reads.
    auto touched = [&](size_t i, size_t j) {
      const bool sameSection = SameName(s[i], section);
      if (op == 0 || op == 1) return sameSection && SameName(k[j], key);
      return sameSection;
    };
    switch (op) {
      case 0:
        text.SetValue(section, key, value);
        FUZZ_CHECK(text.FindValue(section, key) == value,
                   "written " + Quote(section) + "/" + Quote(key) + "=" + Quote(value) + " reads " +
                       Show(text.FindValue(section, key)) + " in " + Quote(text.Bytes()));
        break;
      case 1: text.DeleteKey(section, key); break;
      case 2: text.DeleteSection(section); break;
      // Entries as a program writes them: a name that cannot start a header
      // or a comment.
      default: text.ReplaceSection(section, {key + "=" + value, KeyName(value) + "=" + key}); break;
    }
    const TSnapshot now = Take(text, s, k);
    for (size_t i = 0; i < s.size(); ++i) {
      // Another section's entries stay; a key or value write changes only
      // that key's entry of its own section.
      if (!SameName(s[i], section)) {
        FUZZ_CHECK(old.Entries[i] == now.Entries[i],
                   "op " + std::to_string(op) + " on " + Quote(section) + " changed section " + Quote(s[i]) +
                       " of " + Quote(before) + " -> " + Quote(text.Bytes()));
      }
      for (size_t j = 0; j < k.size(); ++j) {
        if (touched(i, j)) continue;
        const size_t at = i * k.size() + j;
        FUZZ_CHECK(old.Values[at] == now.Values[at],
                   "op " + std::to_string(op) + " on " + Quote(section) + "/" + Quote(key) + " changed " +
                       Quote(s[i]) + "/" + Quote(k[j]) + ": " + Show(old.Values[at]) + " -> " +
                       Show(now.Values[at]) + " in " + Quote(before) + " -> " + Quote(text.Bytes()));
      }
    }
  }
  return 0;
}
