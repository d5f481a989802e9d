// The calls of the INI differential test. Both runs execute exactly this
// sequence; every call is recorded with its result and the file after it.
#include "tests/windows/ini_script.h"

#include <sstream>

#include "platform/ini.h"

namespace zorn::inidiff {
namespace {

using Lines = std::vector<std::string>;

const std::string F1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";
const std::string F2 =
    "[section1]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n[section2]\r\n[section3]\r\n=val5\r\n";
const std::string F3 = "[ section1 ]\r\n[section2]\r\n[section3]\r\n";

// A literal with NUL bytes inside, all of it.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

std::string Join(const Lines& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) out += (i ? "\n" : "") + lines[i];
  return out;
}

// Runs the calls of one case after another on the case's file.
class TRun {
 public:
  TRun(THost& host, std::vector<TRecord>& out) : Host(host), Out(out) {}

  // Starts a case on `file`: written with `initial`, or removed when none.
  void Case(const std::string& name, const std::string& file, std::optional<std::string> initial) {
    CaseName = name;
    File = file;
    Step = 0;
    if (initial) Host.PutFile(file, *initial);
    else Host.RemoveFile(file);
    Record("put", "put " + File, initial ? "file" : "missing");
  }
  void Reset(std::optional<std::string> initial) { Case(CaseName, File, std::move(initial)); }

  // The next call's section and key as Wine is given them. Wine's profile
  // functions fold only ASCII letters, while Windows matches names without
  // regard to case (documented); the names given here are the file's own
  // spelling, so Wine shows what Windows answers to the script's names.
  void OnWine(const std::string& section, const std::string& key) {
    WineSection = section;
    WineKey = key;
    WineNames = true;
  }

  void Read(const std::string& section, const std::string& key, const std::string& def = "def",
            uint32_t size = 256) {
    std::string value;
    const uint32_t n =
        platform::ReadIniString(Path(), Sec(section), Key(key), def, size, value);
    Record("read", "read [" + section + "] " + key + " def=" + def + " size=" + std::to_string(size),
           std::to_string(n) + " " + value);
  }
  void Int(const std::string& section, const std::string& key, int32_t def = 77) {
    const uint32_t n = platform::ReadIniInt(Path(), Sec(section), Key(key), def);
    Record("int", "int [" + section + "] " + key + " def=" + std::to_string(def), std::to_string(n));
  }
  void Section(const std::string& section, uint32_t size = 32767) {
    Lines lines;
    const uint32_t n = platform::ReadIniSection(Path(), Sec(section), size, lines);
    Record("section", "section [" + section + "] size=" + std::to_string(size),
           std::to_string(n) + " " + Join(lines));
  }
  void Write(const std::string& section, const std::string& key, const std::string& value) {
    const bool ok = platform::WriteIniString(Path(), Sec(section), Key(key), value);
    Record("write", "write [" + section + "] " + key + "=" + value, ok ? "1" : "0");
  }
  void DeleteKey(const std::string& section, const std::string& key) {
    const bool ok = platform::DeleteIniKey(Path(), Sec(section), Key(key));
    Record("delete", "delete [" + section + "] " + key, ok ? "1" : "0");
  }
  void DeleteSection(const std::string& section) {
    const bool ok = platform::DeleteIniSection(Path(), Sec(section));
    Record("delete", "delete [" + section + "]", ok ? "1" : "0");
  }
  void WriteSection(const std::string& section, const Lines& lines) {
    const bool ok = platform::WriteIniSection(Path(), Sec(section), lines);
    Record("writesection", "writesection [" + section + "] " + Join(lines), ok ? "1" : "0");
  }
  void Flush() {
    const bool ok = platform::FlushIni(Path());
    Record("flush", "flush", ok ? "1" : "0");
  }
  void List(const std::string& folder) { Record("list", "list " + folder, Join(Host.List(folder))); }

 private:
  std::string Path() const { return Host.Folder() + "\\" + File; }
  std::string Sec(const std::string& s) const { return WineNames && Host.FoldsOnlyAscii() ? WineSection : s; }
  std::string Key(const std::string& k) const { return WineNames && Host.FoldsOnlyAscii() ? WineKey : k; }

  void Record(const std::string& kind, const std::string& op, const std::string& result) {
    TRecord r;
    r.Case = CaseName;
    r.Step = Step++;
    r.Kind = kind;
    r.Op = op;
    r.Result = result;
    r.File = Host.GetFile(File);
    if (WineNames && Host.FoldsOnlyAscii()) r.Note = "wine names [" + WineSection + "] " + WineKey;
    WineNames = false;
    Out.push_back(std::move(r));
  }

  THost& Host;
  std::vector<TRecord>& Out;
  std::string CaseName, File, WineSection, WineKey;
  bool WineNames = false;
  int Step = 0;
};

void KnownFiles(TRun& r) {
  r.Case("f1", "f1.ini", F1);
  r.Read("section1", "name1", "def", 100);
  r.Read("SECTION1", "NaMe1");
  r.Read("section1", "name2");
  r.Read("section1", "name3", "def  ");
  for (uint32_t size : {0u, 1u, 2u, 4u}) r.Read("section1", "name1", "def", size);
  for (uint32_t size : {4u, 5u, 6u, 7u}) r.Read("section1", "name2", "def", size);
  r.Read("section1", "nx", "default", 4);
  for (uint32_t size : {1u, 2u, 3u, 10u, 11u, 12u, 13u, 37u, 38u, 39u, 40u, 100u}) r.Section("section1", size);
  r.Section("section2");
  r.Int("section1", "name1");
  r.Flush();

  r.Case("f2", "f2.ini", F2);
  for (const char* s : {"section1", "section2", "section3", "section4"}) r.Section(s);
  r.Read("section3", "");
  r.Read("section1", "name2");
  r.Int("section1", "name2", 5);
  r.Write("section1", "name3", "now");
  r.Write("section2", "", "empty key");
  r.Section("section2");

  r.Case("f3", "f3.ini", F3);
  r.Section("section1");
  r.Write(" section1 ", "k", "1");
  r.Read("section1", "k");
  r.DeleteSection("section2");
}

void Layout(TRun& r) {
  r.Case("comments", "comments.ini",
         "; head\r\n\r\n[a]\r\n;c=1\r\n  ;d=2\r\n#e=3\r\nf=v ;c\r\nk=1\r\n\r\n;tail\r\n\r\n[b]\r\nx=1\r\n");
  for (const char* k : {"#e", "f", ";c", ";d", "k", "; head"}) r.Read("a", k);
  r.Section("a");
  r.Write("a", "k2", "v2");
  r.Write("b", "y", "2");
  r.DeleteKey("a", "k");
  r.Section("a");
  r.DeleteSection("a");
  r.Section("b");

  r.Case("blanks", "blanks.ini",
         "[a]\r\n  k1  =  v1  \r\n\tk2\t=\tv2\t\r\nk3 =v\x1a\r\n k4=a=b\r\nk5 = = c\r\n\r\n\r\n"
         "[b]\r\n\r\nm=1\r\n");
  for (const char* k : {"k1", "k2", "k3", "k4", "k5"}) r.Read("a", k);
  r.Read(" a ", " k1 ");
  r.Section("a");
  r.Write("a", "k1", "new");
  r.Write("a", " k6 ", "  six  ");
  r.Read("a", "k6");
  r.Section("a");

  r.Case("headers", "headers.ini",
         "pre=1\r\n[s3]junk\r\nh=2\r\n[]\r\ni=3\r\n [s4] \r\nj=4\r\n[s5]]\r\nk=5\r\n[s6 ] x]\r\n"
         "l=6\r\n[s2\r\ng=1\r\n");
  r.Read("", "pre");
  r.Read("", "i");
  r.Section("");
  r.Read("s3", "h");
  r.Read("s4", "j");
  r.Read("s5", "k");
  r.Read("s5]", "k");
  r.Read("s6 ] x", "l");
  r.Read("s6 ] x", "g");
  r.Read("s2", "g");
  r.Section("s6 ] x");

  r.Case("unnamed", "unnamed.ini", "p=1\r\n[a]\r\nk=1\r\n");
  for (uint32_t size : {1u, 2u, 4u, 5u, 6u}) r.Section("", size);
  r.Write("", "q", "2");
  r.Write("", "p", "3");
  r.Section("");
  r.DeleteSection("");
  r.Section("", 2);
  r.Read("", "p");
  r.Write("", "top", "1");
  r.Read("", "top");

  r.Case("bare lines", "bare.ini", "[a]\r\nname3\r\n  spaced  \r\nk=1\r\n[b]\r\nplain\r\n");
  r.Read("a", "name3");
  r.Read("a", "spaced");
  r.Int("a", "name3", 9);
  r.Section("a");
  r.Write("a", "NAME3", "x");
  r.Read("a", "name3");
  r.DeleteKey("b", "plain");
  r.Section("b");
}

void Duplicates(TRun& r) {
  r.Case("duplicates", "dup.ini", "[a]\r\nk=1\r\nk=2\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\nm=4\r\n");
  r.Read("a", "k");
  r.Read("a", "m");
  r.Read("A", "k");
  for (const char* s : {"a", "A", "b"}) r.Section(s);
  r.Write("a", "k", "9");
  r.Write("A", "m", "8");
  for (int i = 0; i < 3; ++i) r.DeleteKey("a", "k");
  r.DeleteKey("a", "m");
  r.Read("a", "m");
  r.Write("a", "k", "new");
  r.DeleteSection("a");
  r.DeleteSection("a");
  r.Section("a");
  r.DeleteSection("zz");
  r.DeleteKey("zz", "k");

  r.Case("mixed case", "mixed.ini", "[MixedCase]\r\nKeyOne=1\r\nkeytwo=2\r\n[UPPER]\r\nLOW=3\r\n");
  r.Read("mixedcase", "KEYONE");
  r.Read("MIXEDCASE", "KeyTwo");
  r.Read("upper", "low");
  r.Write("mixedcase", "KEYONE", "x");
  r.Write("mixedCASE", "NewKey", "y");
  r.Write("upper", "low", "");
  r.DeleteKey("MIXEDCASE", "keytwo");
  r.Section("MixedCase");
  r.DeleteSection("uPPER");
}

void Quotes(TRun& r) {
  r.Case("quotes", "quotes.ini",
         "[s]\r\nq=\"abcdefgh\"\r\nr='ab'\r\nt=\"\"\r\nu=\"\r\nv=\"x'\r\nw= \" a \" \r\nx=\"hello\" world\r\n"
         "y=\"a\"\"\r\nz='   Backups'\r\nn=\"12\"\r\n");
  for (uint32_t size = 1; size <= 12; ++size) r.Read("s", "q", "d", size);
  for (uint32_t size = 1; size <= 5; ++size) r.Read("s", "r", "d", size);
  for (const char* k : {"t", "u", "v", "w", "x", "y", "z"}) r.Read("s", k);
  for (uint32_t size = 1; size <= 6; ++size) r.Read("s", "w", "d", size);
  r.Int("s", "n");
  r.Int("s", "t");
  r.Section("s");
  for (const char* def : {"  dd  ", "", "   ", "d\t", " \t ", "\"q\"", " \" d \" "}) r.Read("s", "none", def);
  for (uint32_t size : {4u, 7u, 8u}) r.Read("s", "none", "\"abcdef\"", size);
  r.Write("s", "new", "\"quoted\" ");
  r.Read("s", "new");
  r.Write("s", "q", "'single'");
  r.Read("s", "q");
  r.Section("s", 60);
}

void LineEnds(TRun& r) {
  r.Case("lf", "lf.ini", "[a]\nk=1\nm=2\n[b]\nx=1\n");
  r.Read("a", "m");
  r.Section("a");
  r.Write("a", "k", "9");
  r.Write("a", "n", "3");
  r.Write("c", "z", "4");
  r.DeleteKey("b", "x");
  r.Section("a");

  r.Case("cr", "cr.ini", "[a]\rk1=v1\rk2=v2\r");
  r.Read("a", "k2");
  r.Section("a");
  r.Write("a", "k3", "v3");
  r.Section("a");

  r.Case("mixed ends", "ends.ini", "[a]\r\nk=1\n[b]\rx=1\r\r\n[c]\n\nk4=v4");
  r.Read("b", "x");
  r.Read("c", "k4");
  r.Write("b", "y", "2");
  r.Write("c", "k5", "5");
  r.Section("c");

  r.Case("open end", "open.ini", "[a]\r\nk=1");
  r.Write("a", "m", "2");
  r.Reset(std::string("[a]\r\nk=1"));
  r.Write("b", "m", "2");
  r.Reset(std::string("[a]"));
  r.Write("a", "k", "v");
}

void Cyrillic(TRun& r) {
  r.Case("cyrillic", "cyr.ini",
         "[Раздел]\r\nКлюч=Значение\r\nЁж=ёлка\r\nЯ=Ч\r\n[ЁЛКА]\r\nx=Привет, мир\r\n");
  r.Read("Раздел", "Ключ");
  r.Read("ЁЛКА", "x");
  r.OnWine("Раздел", "Ключ");
  r.Read("РАЗДЕЛ", "ключ");
  r.OnWine("Раздел", "Ёж");
  r.Read("раздел", "ёЖ");
  r.OnWine("ЁЛКА", "x");
  r.Read("ёлка", "X");
  r.OnWine("Раздел", "Ключ");
  r.Write("раздел", "КЛЮЧ", "новое значение");
  r.OnWine("Раздел", "");
  r.Section("раздел");
  r.OnWine("Раздел", "Я");
  r.DeleteKey("РАЗДЕЛ", "я");
  r.Write("Новый", "Ключ", "Значение");
  r.Read("Новый", "Ключ");
  std::string all;
  for (int c = 0x80; c <= 0xFF; ++c) all += static_cast<char>(c);
  r.Write("bytes", "all", all);
  r.Read("bytes", "all");
  r.Section("bytes");
}

void Integers(TRun& r) {
  r.Case("integers", "int.ini",
         "[s]\r\na=-1\r\nb=4294967296\r\nc=4294967297\r\nd=102abc\r\ne=abc\r\nf=\r\ng=  +1\r\nh=\"12\"\r\n"
         "i=0x1F\r\nj=-0x10\r\nk=0X1F\r\nl=0b102\r\nm=0o17\r\nn=010\r\no= - 5\r\np=--1\r\nq=\"\"\r\n"
         "r=\" 12\"\r\nt=42A9\r\nu=12345678901234567890123456789\r\nv=123456789012345678901234567890\r\n"
         "w=\"1234567890123456789012345678\"\r\nx=\"12345678901234567890123456789\"\r\ny=0xffffffff\r\n"
         "z=0x100000001\r\naa=-2147483648\r\nab=2147483648\r\nac=+-1\r\nad=0o9\r\nae=0xAbC\r\naf=1e3\r\n"
         "ag=12 34\r\nah=0x\r\nai=-\r\n");
  for (const char* k : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
                        "q", "r", "t", "u", "v", "w", "x", "y", "z", "aa", "ab", "ac", "ad", "ae", "af",
                        "ag", "ah", "ai", "none"})
    r.Int("s", k);
  r.Int("s", "none", -5);
  r.Int("nosec", "a", 0);
}

void Missing(TRun& r) {
  r.Case("missing", "missing.ini", std::nullopt);
  r.Read("a", "k", "dd");
  r.Int("a", "k", -5);
  r.Section("a");
  r.Section("a", 1);
  r.Section("a", 2);
  r.Flush();
  r.DeleteKey("a", "k");  // Windows leaves an empty file; Wine none
  r.Reset(std::nullopt);
  r.DeleteSection("a");
  r.Reset(std::nullopt);
  r.Write("a", "k", "");
  r.Reset(std::nullopt);
  r.WriteSection("a", {"k=1", "m=2"});
}

void Sections(TRun& r) {
  r.Case("section reads", "sections.ini",
         "[a]\r\n  k = v  \r\n;c\r\n\r\n  x  \r\n=1\r\n=2\r\n;c\r\n=3\r\n[b]\r\n = v6\r\n[c]\r\n=1\r\nk\r\n=2\r\n[empty]\r\n");
  r.Section("a");
  for (uint32_t size = 1; size <= 8; ++size) r.Section("a", size);
  for (uint32_t size : {13u, 14u, 15u}) r.Section("a", size);
  r.Section("zz", 1);
  r.Section("empty", 1);
  r.Section("empty", 2);
  r.Section("b");
  r.Section("c");
  r.Read("b", "");

  r.Case("write section", "writesec.ini", "[a]\r\nk=1\r\nm=2\r\n[b]\r\nn=3\r\n");
  r.WriteSection("a", {"x=1", "y = 2", " z", ";c", "q=3"});
  r.WriteSection("A", {"only=1"});
  r.WriteSection("b", {});
  r.WriteSection("c", {"p=1", "p=2", "=v"});
  r.Section("c");
  r.WriteSection("a", {";k=1", "k2 =  v2  "});
  r.Section("a");
}

// The settings files as zorn uses them.
void Settings(TRun& r) {
  const char* keys[] = {"type_connect", "com_port", "com_port_speed", "tcp_port", "time_refresh",
                        "reconnecting"};
  r.Case("config.ini", "config.ini", std::nullopt);
  for (const char* k : keys) r.Int("config", k, 0);
  const char* values[] = {"2", "3", "115200", "4455", "1", "1"};
  for (int i = 0; i < 6; ++i) {
    r.Write("config", keys[i], values[i]);
    r.Flush();
  }
  r.Write("buttonForm", "visible", "1");
  r.Write("mainForm", "Left", "-8");
  for (const char* k : keys) r.Int("config", k, 0);
  r.Int("mainForm", "Left", 0);
  r.Int("graphForm", "visible", 0);

  r.Case("user_settings.ini", "user_settings.ini",
         "[buttonForm]\r\nunit_1=5;12;1;0;Насос;70;0\r\nUnit_5=5;12;1;0;Pump;70;0\r\nbuttonX=junk\r\n"
         "unit_4=5;12;1;0;Pump;70\r\n\r\n[indicatorForm]\r\nunit_2=0;3;1;0;Авария;90;1\r\n"
         "[eventForm]\r\nevent_1=0;7;1;1;Пуск;2;C:\\Звуки\\пуск.wav\r\n");
  r.Section("buttonForm");
  r.Write("buttonForm", "unit_2", "5;13;1;0;13;70;0");
  r.Write("buttonForm", "unit_1", "6;12;5;3;Насос №1;80;0");
  r.Read("buttonForm", "unit_1", "", 32768);
  r.DeleteKey("buttonForm", "unit_4");
  r.Section("buttonForm");
  r.Write("mainForm", "unit_1", "1;4;10;2;Давление;70;0");
  r.DeleteKey("eventForm", "event_1");
  r.Section("eventForm");
  r.Section("indicatorForm");
}

void Junk(TRun& r) {
  r.Case("nul bytes", "zeros.ini", Bytes("[a]\r\nk=1\0z\r\nm=2\r\n\0[b]\r\nn=3\r\n\x1a\r\n"));
  r.Read("a", "k");
  r.Read("a", "n");
  r.Read("b", "n");
  r.Section("a");
  r.Write("a", "k", "2");
  r.Section("a");

  r.Case("bom", "bom.ini", "\xEF\xBB\xBF[a]\r\nk=1\r\n");
  r.Read("a", "k");
  r.Section("a");

  // Pseudo-random text made of INI punctuation, letters and any byte.
  uint32_t seed = 1251;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  for (int round = 0; round < 6; ++round) {
    std::string junk(200 + next() % 600, '\0');
    for (char& c : junk) c = next() % 4 ? "[]=;\r\n ab\"'\t"[next() % 12] : static_cast<char>(next());
    r.Case("junk " + std::to_string(round), "junk.ini", junk);
    for (const char* s : {"a", "b", "", "ab"}) {
      r.Section(s);
      for (const char* k : {"a", "b", "", "ab"}) r.Read(s, k);
      r.Int(s, "a");
    }
    r.Section("a", 20);
  }
}

void Long(TRun& r) {
  const std::string huge(40000, 'x');
  r.Case("long lines", "long.ini", "[a]\r\nk=" + huge + "\r\n" + huge + "\r\nm=2\r\n");
  r.Read("a", "k", "", 32768);
  r.Read("a", "m");
  r.Section("a");
  r.Section("a", 100000);
  r.Write("a", "n", "3");
  r.Read("a", "n");
}

void Paths(TRun& r) {
  r.Case("cyrillic path", "Папка\\ключ.ini", std::nullopt);
  r.Write("s", "k", "v");
  r.Read("s", "k");
  r.List("Папка");
  r.Case("missing folder", "nodir\\x.ini", std::nullopt);
  r.Write("a", "k", "v");
  r.Read("a", "k");
}

}  // namespace

std::vector<TRecord> RunScript(THost& host) {
  std::vector<TRecord> out;
  TRun r(host, out);
  host.MakeFolder("Папка");
  KnownFiles(r);
  Layout(r);
  Duplicates(r);
  Quotes(r);
  LineEnds(r);
  Cyrillic(r);
  Integers(r);
  Missing(r);
  Sections(r);
  Settings(r);
  Junk(r);
  Long(r);
  Paths(r);
  return out;
}

std::string Escape(const std::string& bytes) {
  static const char hex[] = "0123456789abcdef";
  std::string out;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c >= 0x7F || c == '\\') {
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 4 > text.size() || text[i + 1] != 'x') return std::nullopt;
    const int high = HexDigit(text[i + 2]), low = HexDigit(text[i + 3]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 3;
  }
  return out;
}

}  // namespace

std::string FormatTranscript(const std::vector<TRecord>& records) {
  std::string out;
  for (const TRecord& r : records) {
    out += Escape(r.Case) + "\t" + std::to_string(r.Step) + "\t" + r.Kind + "\t" + Escape(r.Op) + "\t" +
           Escape(r.Result) + "\t" + (r.File ? "+" + Escape(*r.File) : "-") + "\t" + Escape(r.Note) + "\n";
  }
  return out;
}

std::optional<std::vector<TRecord>> ParseTranscript(const std::string& text) {
  std::vector<TRecord> records;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
      f.push_back(line.substr(start, tab - start));
    f.push_back(line.substr(start));
    if (f.size() != 7 || f[5].empty()) return std::nullopt;
    TRecord r;
    auto name = Unescape(f[0]), op = Unescape(f[3]), result = Unescape(f[4]), note = Unescape(f[6]);
    if (!name || !op || !result || !note) return std::nullopt;
    r.Case = *name;
    r.Step = std::stoi(f[1]);
    r.Kind = f[2];
    r.Op = *op;
    r.Result = *result;
    r.Note = *note;
    if (f[5][0] == '+') {
      r.File = Unescape(f[5].substr(1));
      if (!r.File) return std::nullopt;
    }
    records.push_back(std::move(r));
  }
  return records;
}

}  // namespace zorn::inidiff
