// Parsing and editing of INI text with the observable rules of the Windows
// profile functions. Where Windows' own rule is not known, the rule is the one
// the private-profile functions show under Wine.
#include "platform/posix/ini_file.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zorn::platform::ini {
namespace {

const std::string LineBreak = "\r\n";

// CP1251 letters folded to lower case: ASCII, А-Я, and the other Cyrillic pairs.
std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> fold{};
  for (int c = 0; c < 256; ++c) fold[c] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) fold[c] = static_cast<unsigned char>(c + 0x20);
  for (int c = 0xC0; c <= 0xDF; ++c) fold[c] = static_cast<unsigned char>(c + 0x20);
  const std::pair<int, int> pairs[] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                                       {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2},
                                       {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
                                       {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (auto [upper, lower] : pairs) fold[upper] = static_cast<unsigned char>(lower);
  return fold;
}

std::string LTrim(const std::string& text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return text.substr(b);
}

// The C-string part of a text: the Windows calls see nothing after a NUL.
std::string CString(const std::string& text) { return text.substr(0, text.find('\0')); }

void Classify(const std::string& content, TLine& line) {
  const std::string t = Trim(content);
  if (t.empty()) return;
  const size_t close = t.rfind(']');
  if (t[0] == '[' && close != std::string::npos && close > 0) {
    line.Kind = TLineKind::Header;
    line.Name = Trim(t.substr(1, close - 1));
    return;
  }
  // Comment lines stay out of section reads, but a key lookup still finds
  // ";name=value" (observed).
  line.Kind = t[0] == ';' ? TLineKind::Comment : TLineKind::Entry;
  const size_t eq = t.find('=');
  line.HasEquals = eq != std::string::npos;
  line.Name = line.HasEquals ? Trim(t.substr(0, eq)) : t;
  if (line.HasEquals) line.Value = Trim(t.substr(eq + 1));
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

bool NamesEqual(const std::string& a, const std::string& b) {
  static const std::array<unsigned char, 256> fold = MakeFoldTable();
  const std::string x = Trim(a), y = Trim(b);
  return x.size() == y.size() &&
         std::equal(x.begin(), x.end(), y.begin(), [](char p, char q) {
           return fold[static_cast<unsigned char>(p)] == fold[static_cast<unsigned char>(q)];
         });
}

std::string StripDefault(const std::string& text) {
  size_t e = text.size();
  while (e > 1 && text[e - 1] == ' ') --e;
  return text.substr(0, e);
}

uint32_t CopyValue(const std::string& value, uint32_t bufferSize, std::string& out) {
  out.clear();
  if (bufferSize <= 1) return 0;
  const size_t room = bufferSize - 1;
  const size_t len = value.size();
  if (len >= 2 && (value[0] == '"' || value[0] == '\'') && value[len - 1] == value[0]) {
    // A quoted value that exactly fills the buffer loses its last character
    // too (observed).
    const size_t inner = len - 2;
    const size_t take = room < inner ? room : room == inner ? inner - 1 : inner;
    out = value.substr(1, take);
  } else {
    out = value.substr(0, std::min(len, room));
  }
  return static_cast<uint32_t>(out.size());
}

uint32_t ParseInt(const std::string& text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t base = 10;
  if (i + 1 < n && text[i] == '0') {
    const char p = text[i + 1];
    base = p == 'x' ? 16 : p == 'o' ? 8 : p == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  uint32_t v = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    uint32_t d = 99;
    if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
    if (d >= base) break;
    v = v * base + d;
  }
  return negative ? 0u - v : v;
}

uint32_t PackSection(const std::optional<std::vector<std::string>>& entries, uint32_t bufferSize,
                     std::vector<std::string>& lines) {
  lines.clear();
  if (!entries || bufferSize == 0) return 0;
  size_t total = 0;
  for (const std::string& e : *entries) total += e.size() + 1;
  // Entries that would exactly fill the buffer with its final NUL count as
  // cut too (observed).
  if (total + 2 <= bufferSize) {
    lines = *entries;
    return static_cast<uint32_t>(total);
  }
  if (bufferSize == 1) return 0;
  // Cut: the first bufferSize - 2 characters, then the two final NULs.
  size_t room = bufferSize - 2;
  for (const std::string& e : *entries) {
    if (room == 0) break;
    const size_t take = std::min(room, e.size());
    if (take > 0) lines.push_back(e.substr(0, take));
    room -= take;
    if (room > 0) --room;  // the entry's NUL
  }
  return bufferSize - 2;
}

TIniText::TIniText(std::string bytes) : Text(std::move(bytes)) { Parse(); }

void TIniText::Parse() {
  Lines.clear();
  Sections.clear();
  BodyStart = Text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  size_t pos = BodyStart;
  while (pos < Text.size()) {
    TLine line;
    line.Start = pos;
    line.End = std::min(Text.find_first_of("\r\n", pos), Text.size());
    line.Next = line.End;
    if (line.Next < Text.size())
      line.Next += Text.compare(line.Next, 2, LineBreak) == 0 ? 2 : 1;
    Classify(CString(Text.substr(pos, line.End - pos)), line);
    Lines.push_back(std::move(line));
    pos = Lines.back().Next;
  }
  TSection current;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (Lines[i].Kind != TLineKind::Header) continue;
    current.Last = i;
    Sections.push_back(current);
    current = TSection{static_cast<long>(i), i + 1, i + 1};
  }
  current.Last = Lines.size();
  Sections.push_back(current);
}

std::vector<TIniText::TSection> TIniText::FindSections(const std::string& section) const {
  std::vector<TSection> found;
  for (const TSection& s : Sections) {
    const std::string& name = s.Header < 0 ? std::string() : Lines[s.Header].Name;
    if (NamesEqual(name, CString(section))) found.push_back(s);
  }
  return found;
}

std::optional<size_t> TIniText::FindKeyLine(const TSection& s, const std::string& key) const {
  for (size_t i = s.First; i < s.Last; ++i) {
    const TLine& l = Lines[i];
    if ((l.Kind == TLineKind::Entry || l.Kind == TLineKind::Comment) && NamesEqual(l.Name, CString(key)))
      return i;
  }
  return std::nullopt;
}

size_t TIniText::InsertPoint(const TSection& s) const {
  for (size_t i = s.Last; i > s.First; --i)
    if (Lines[i - 1].Kind == TLineKind::Entry) return Lines[i - 1].Next;
  return s.Header < 0 ? BodyStart : Lines[s.Header].Next;
}

void TIniText::InsertAt(size_t at, const std::string& lines) {
  const bool open = at == Text.size() && at > BodyStart && Text.back() != '\r' && Text.back() != '\n';
  Splice(at, at, open ? LineBreak + lines : lines);
}

void TIniText::Splice(size_t from, size_t to, const std::string& with) {
  Text.replace(from, to - from, with);
}

std::optional<std::string> TIniText::FindValue(const std::string& section,
                                               const std::string& key) const {
  const std::vector<TSection> found = FindSections(section);
  if (found.empty()) return std::nullopt;
  // A line without "=" is a key without a value: reads give the default, but
  // a write gives it one (observed).
  const std::optional<size_t> line = FindKeyLine(found.front(), key);
  if (!line || !Lines[*line].HasEquals) return std::nullopt;
  return Lines[*line].Value;
}

std::optional<std::vector<std::string>> TIniText::SectionEntries(const std::string& section) const {
  const std::vector<TSection> found = FindSections(section);
  if (found.empty()) return std::nullopt;
  std::vector<std::string> entries;
  // An empty-named entry right after another one (blank lines between) is not
  // listed (observed).
  bool afterEmptyName = false;
  for (size_t i = found.front().First; i < found.front().Last; ++i) {
    const TLine& l = Lines[i];
    if (l.Kind == TLineKind::Blank) continue;
    if (l.Kind != TLineKind::Entry) {
      afterEmptyName = false;
      continue;
    }
    const bool emptyName = l.HasEquals && l.Name.empty();
    if (emptyName && afterEmptyName) continue;
    afterEmptyName = emptyName;
    entries.push_back(l.HasEquals ? l.Name + "=" + l.Value : l.Name);
  }
  return entries;
}

bool TIniText::SetValue(const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::string before = Text;
  // Leading blanks of what is written are dropped, trailing ones kept.
  const std::string line = LTrim(CString(key)) + "=" + LTrim(CString(value));
  const std::vector<TSection> found = FindSections(section);
  if (found.empty()) {
    InsertAt(Text.size(), "[" + LTrim(CString(section)) + "]" + LineBreak + line + LineBreak);
  } else if (std::optional<size_t> i = FindKeyLine(found.front(), key)) {
    const TLine& old = Lines[*i];
    Splice(old.Start, old.End, old.Name + "=" + LTrim(CString(value)));
  } else {
    InsertAt(InsertPoint(found.front()), line + LineBreak);
  }
  Parse();
  return Text != before;
}

bool TIniText::DeleteKey(const std::string& section, const std::string& key) {
  // Unlike reads and writes, a delete also looks in later sections of the same
  // name (observed).
  for (const TSection& s : FindSections(section)) {
    if (std::optional<size_t> i = FindKeyLine(s, key)) {
      Splice(Lines[*i].Start, Lines[*i].Next, "");
      Parse();
      return true;
    }
  }
  return false;
}

bool TIniText::DeleteSection(const std::string& section) {
  const std::vector<TSection> found = FindSections(section);
  if (found.empty()) return false;
  const TSection& s = found.front();
  const size_t from = s.Header < 0 ? BodyStart : Lines[s.Header].Start;
  const size_t to = s.Last < Lines.size() ? Lines[s.Last].Start : Text.size();
  if (from == to) return false;
  Splice(from, to, "");
  Parse();
  return true;
}

bool TIniText::ReplaceSection(const std::string& section, const std::vector<std::string>& lines) {
  const std::string before = Text;
  std::vector<std::string> fresh;
  for (const std::string& raw : lines) {
    const std::string l = CString(raw);
    const size_t eq = l.find('=');
    if (eq == std::string::npos) continue;
    fresh.push_back(LTrim(l.substr(0, eq)) + "=" + LTrim(l.substr(eq + 1)));
  }
  const std::vector<TSection> found = FindSections(section);
  if (found.empty()) {
    std::string block;
    for (const std::string& l : fresh) block += l + LineBreak;
    InsertAt(Text.size(), "[" + LTrim(CString(section)) + "]" + LineBreak + block);
    Parse();
    return true;
  }
  // New entries take the places of the old ones in order, so comments between
  // them stay where they were; extra new ones follow the last entry.
  const TSection& s = found.front();
  std::vector<size_t> old;
  for (size_t i = s.First; i < s.Last; ++i)
    if (Lines[i].Kind == TLineKind::Entry) old.push_back(i);
  std::string extra;
  for (size_t k = old.size(); k < fresh.size(); ++k) extra += fresh[k] + LineBreak;
  if (!extra.empty()) InsertAt(InsertPoint(s), extra);
  // Back to front, so the offsets of earlier lines stay valid.
  for (size_t k = old.size(); k-- > 0;) {
    const TLine& l = Lines[old[k]];
    if (k < fresh.size()) Splice(l.Start, l.End, fresh[k]);
    else Splice(l.Start, l.Next, "");
  }
  Parse();
  return Text != before;
}

}  // namespace zorn::platform::ini
