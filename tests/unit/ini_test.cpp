// The POSIX INI profile service against the rules of the Windows profile
// functions, on real files in a fresh temporary folder.
#include "platform/ini.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/paths.h"

namespace zorn::platform {
namespace {

namespace fs = std::filesystem;

const std::string F1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";
const std::string F2 =
    "[section1]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n[section2]\r\n[section3]\r\n=val5\r\n";
const std::string F3 = "[ section1 ]\r\n[section2]\r\n[section3]\r\n";

class IniTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zorn-ini-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(Dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(Dir, ec);
  }

  // The program's (Windows-form, CP1251) name of a file in the folder.
  std::string Win(const std::string& name) const { return FromNativePath(Dir) + "\\" + name; }
  std::string Native(const std::string& name) const { return ToNativePath(Win(name)); }

  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(Native(name), std::ios::binary) << bytes;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool Exists(const std::string& name) const { return fs::exists(Native(name)); }

  std::string Str(const std::string& name, const std::string& section, const std::string& key,
                  const std::string& def = "def", uint32_t size = 32768) const {
    std::string value;
    const uint32_t n = ReadIniString(Win(name), section, key, def, size, value);
    EXPECT_EQ(n, value.size()) << section << "/" << key;
    return value;
  }
  std::vector<std::string> Section(const std::string& name, const std::string& section,
                                   uint32_t size = 32767, uint32_t* count = nullptr) const {
    std::vector<std::string> lines;
    const uint32_t n = ReadIniSection(Win(name), section, size, lines);
    if (count) *count = n;
    return lines;
  }

  std::string Dir;
};

using Lines = std::vector<std::string>;

// A literal with NUL bytes inside, all of it.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST_F(IniTest, ReadsStringsByCaseInsensitiveTrimmedNames) {
  Put("f1.ini", F1);
  std::string v;
  EXPECT_EQ(ReadIniString(Win("f1.ini"), "section1", "name1", "def", 100, v), 4u);
  EXPECT_EQ(v, "val1");
  EXPECT_EQ(Str("f1.ini", "SECTION1", "NaMe1"), "val1");
  EXPECT_EQ(Str("f1.ini", " section1 ", "\tname1 "), "val1");
  EXPECT_EQ(Str("f1.ini", "section1", "name2"), "val2");
  EXPECT_EQ(Str("f1.ini", "section1", "name3"), "def");  // a line without "=" is no key
  EXPECT_EQ(Str("f1.ini", "section2", "name1"), "def");

  Put("f3.ini", F3);
  Put("f3.ini", F3 + "k=1\r\n");
  EXPECT_EQ(Str("f3.ini", "section3", "k"), "1");
  Put("f3.ini", "[ section1 ]\r\nk=2\r\n");
  EXPECT_EQ(Str("f3.ini", "section1", "k"), "2");

  Put("blanks.ini", "[a]\r\n  k1  =  v1  \r\n\tk2\t=\tv2\t\r\nk3=v\x1a\r\nk4=a=b\r\n k5 = = c\r\n");
  EXPECT_EQ(Str("blanks.ini", "a", "k1"), "v1");
  EXPECT_EQ(Str("blanks.ini", "a", "k2"), "v2");
  EXPECT_EQ(Str("blanks.ini", "a", "k3"), "v");
  EXPECT_EQ(Str("blanks.ini", "a", "k4"), "a=b");
  EXPECT_EQ(Str("blanks.ini", "a", "k5"), "= c");

  Put("cyr.ini", "[Раздел]\r\nКлюч=Значение\r\nЁж=ёлка\r\n");
  EXPECT_EQ(Str("cyr.ini", "РАЗДЕЛ", "ключ"), "Значение");
  EXPECT_EQ(Str("cyr.ini", "раздел", "ёЖ"), "ёлка");
  EXPECT_EQ(Str("cyr.ini", "раздел", "ключи"), "def");
}

TEST_F(IniTest, ReadsFirstOfDuplicatesAndOnlyTheFirstSection) {
  Put("dup.ini", "[a]\r\nk=1\r\nk=2\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\nm=4\r\n");
  EXPECT_EQ(Str("dup.ini", "a", "k"), "1");
  EXPECT_EQ(Str("dup.ini", "a", "m"), "def");
  EXPECT_EQ(Section("dup.ini", "A"), (Lines{"k=1", "k=2"}));
}

TEST_F(IniTest, CommentsHeadersAndKeysBeforeTheFirstSection) {
  Put("c.ini",
      "pre=1\r\n[s]\r\n;c=1\r\n  ;d=2\r\n#e=3\r\nf=v ;c\r\n[s2\r\ng=1\r\n[s3]junk\r\nh=2\r\n"
      "[s5]]\r\nk=5\r\n");
  EXPECT_EQ(Str("c.ini", "", "pre"), "1");
  EXPECT_EQ(Str("c.ini", "s", "#e"), "3");   // "#" is ordinary
  EXPECT_EQ(Str("c.ini", "s", "f"), "v ;c");  // no comments after a value
  EXPECT_EQ(Str("c.ini", "s", "g"), "1");     // "[s2" is no header
  EXPECT_EQ(Str("c.ini", "s2", "g"), "def");
  EXPECT_EQ(Str("c.ini", "s3", "h"), "2");
  EXPECT_EQ(Str("c.ini", "s5]", "k"), "5");   // the name runs to the last "]"
  EXPECT_EQ(Section("c.ini", "s"), (Lines{"#e=3", "f=v ;c", "[s2", "g=1"}));
}

TEST_F(IniTest, LineEndsOfEveryKind) {
  Put("ends.ini", "[a]\rk1=v1\rk2=v2\n[b]\nk3=v3\r\r\n[c]\n\nk4=v4");
  EXPECT_EQ(Str("ends.ini", "a", "k1"), "v1");
  EXPECT_EQ(Str("ends.ini", "a", "k2"), "v2");
  EXPECT_EQ(Str("ends.ini", "b", "k3"), "v3");
  EXPECT_EQ(Str("ends.ini", "c", "k4"), "v4");
  EXPECT_EQ(Section("ends.ini", "a"), (Lines{"k1=v1", "k2=v2"}));
}

TEST_F(IniTest, QuotesAndTruncation) {
  Put("q.ini",
      "[s]\r\nq=\"abcdefgh\"\r\nr='ab'\r\nt=\"\"\r\nu=\"\r\nv=\"x'\r\nw= \" a \" \r\n"
      "x=\"hello\" world\r\ny=\"a\"\"\r\n");
  EXPECT_EQ(Str("q.ini", "s", "r"), "ab");
  EXPECT_EQ(Str("q.ini", "s", "t"), "");
  EXPECT_EQ(Str("q.ini", "s", "u"), "\"");
  EXPECT_EQ(Str("q.ini", "s", "v"), "\"x'");
  EXPECT_EQ(Str("q.ini", "s", "w"), " a ");
  EXPECT_EQ(Str("q.ini", "s", "x"), "\"hello\" world");
  EXPECT_EQ(Str("q.ini", "s", "y"), "a\"");

  Put("f1.ini", F1);
  EXPECT_EQ(Str("f1.ini", "section1", "name1", "def", 4), "val");
  EXPECT_EQ(Str("f1.ini", "section1", "name1", "def", 1), "");
  EXPECT_EQ(Str("f1.ini", "section1", "name1", "def", 0), "");
  // A quoted value is cut to the buffer, except that one exactly filling it
  // loses a character more.
  const std::pair<uint32_t, std::string> cuts[] = {
      {2, "a"}, {8, "abcdefg"}, {9, "abcdefg"}, {10, "abcdefgh"}, {11, "abcdefgh"}};
  for (const auto& [size, text] : cuts) EXPECT_EQ(Str("q.ini", "s", "q", "d", size), text) << size;
}

TEST_F(IniTest, DefaultsLoseTrailingSpacesOnly) {
  Put("a.ini", "[a]\r\nk=1\r\n");
  EXPECT_EQ(Str("a.ini", "a", "zz", "  dd  "), "  dd");
  EXPECT_EQ(Str("a.ini", "a", "zz", "d\t"), "d\t");
  EXPECT_EQ(Str("a.ini", "a", "zz", "   "), " ");
  EXPECT_EQ(Str("a.ini", "a", "zz", ""), "");
  EXPECT_EQ(Str("a.ini", "a", "zz", "\"q\""), "q");
  EXPECT_EQ(Str("a.ini", "a", "zz", "abcdef", 4), "abc");
  EXPECT_EQ(Str("missing.ini", "a", "k", "dd"), "dd");
  EXPECT_EQ(Str("a.ini", "nosec", "k", "dd"), "dd");
  // The C-string rule: nothing after a NUL counts.
  EXPECT_EQ(Str("a.ini", std::string("a\0x", 3), std::string("k\0y", 3)), "1");
}

TEST_F(IniTest, Integers) {
  Put("i.ini",
      "[s]\r\na=-1\r\nb=4294967296\r\nc=4294967297\r\nd=102abc\r\ne=abc\r\nf=\r\ng=  +1\r\n"
      "h=\"12\"\r\ni=0x1F\r\nj=-0x10\r\nk=0X1F\r\nl=0b102\r\nm=0o17\r\nn=010\r\no= - 5\r\n"
      "p=--1\r\nq=\"\"\r\nr=\" 12\"\r\nt=42A9\r\n"
      "u=12345678901234567890123456789\r\nv=123456789012345678901234567890\r\n"
      "w=\"1234567890123456789012345678\"\r\nx=\"12345678901234567890123456789\"\r\n");
  const std::pair<const char*, uint32_t> cases[] = {
      {"a", 4294967295u}, {"b", 0},  {"c", 1},  {"d", 102}, {"e", 0},   {"f", 77},  {"g", 1},
      {"h", 12},          {"i", 31}, {"j", 0u - 16}, {"k", 0}, {"l", 2}, {"m", 15}, {"n", 10},
      {"o", 0},           {"p", 0},  {"q", 77}, {"r", 12},  {"t", 42},  {"zz", 77},
      // Only the first 29 characters are read, so u and v agree, and so do
      // w and x (the cut of a quoted value).
      {"u", 1849262357u}, {"v", 1849262357u}, {"w", 3191403342u}, {"x", 3191403342u}};
  for (const auto& [key, want] : cases) EXPECT_EQ(ReadIniInt(Win("i.ini"), "s", key, 77), want) << key;
  EXPECT_EQ(static_cast<int32_t>(ReadIniInt(Win("i.ini"), "s", "a", 0)), -1);
  EXPECT_EQ(ReadIniInt(Win("missing.ini"), "s", "a", -5), static_cast<uint32_t>(-5));
}

TEST_F(IniTest, SectionReadsAndTheirBufferCut) {
  Put("f2.ini", F2);
  uint32_t n = 0;
  EXPECT_EQ(Section("f2.ini", "section1", 100, &n), (Lines{"name1=val1", "name2=", "name3", "name4=val4"}));
  EXPECT_EQ(n, 35u);
  EXPECT_EQ(Section("f2.ini", "section2", 100, &n), Lines{});
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(Section("f2.ini", "section3"), Lines{"=val5"});
  EXPECT_EQ(Section("missing.ini", "section1", 100, &n), Lines{});
  EXPECT_EQ(n, 0u);
  Section("f2.ini", "section2", 2, &n);
  EXPECT_EQ(n, 0u);

  Put("f1.ini", F1);
  EXPECT_EQ(Section("f1.ini", "section1"), (Lines{"name1=val1", "name2=\"val2\"", "name3", "name4=a"}));
  // Cut to size - 2 characters; entries that would exactly fill the buffer
  // (39) count as cut.
  const Lines all = {"name1=val1", "name2=\"val2\"", "name3", "name4=a"};
  const std::tuple<uint32_t, uint32_t, Lines> cuts[] = {
      {0, 0, {}},            {1, 0, {}},
      {2, 0, {}},            {3, 1, {"n"}},
      {10, 8, {"name1=va"}}, {12, 10, {"name1=val1"}},
      {14, 12, {"name1=val1", "n"}},
      {38, 36, {"name1=val1", "name2=\"val2\"", "name3", "name4="}},
      {39, 37, all},         {40, 38, all}};
  for (const auto& [size, count, lines] : cuts) {
    EXPECT_EQ(Section("f1.ini", "section1", size, &n), lines) << size;
    EXPECT_EQ(n, count) << size;
  }

  Put("s.ini", "[a]\r\n  k = v  \r\n;c\r\n\r\n  x  \r\n=1\r\n\r\n=2\r\n;c\r\n=3\r\n");
  EXPECT_EQ(Section("s.ini", "a"), (Lines{"k=v", "x", "=1", "=3"}));
}

TEST_F(IniTest, WritesNewFileInWindowsForm) {
  const std::string f = Win("new.ini");
  EXPECT_TRUE(WriteIniString(f, "App1", "key1", "string1"));
  EXPECT_TRUE(WriteIniString(f, "App1", "key2", "string2"));
  EXPECT_TRUE(WriteIniString(f, "App2", "key4", "string4"));
  EXPECT_TRUE(WriteIniString(f, "App1", "key3", "string3"));
  EXPECT_TRUE(WriteIniString(f, "App3", "key5", "string5"));
  EXPECT_EQ(Get("new.ini"),
            "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
            "[App3]\r\nkey5=string5\r\n");
  EXPECT_TRUE(WriteIniString(f, "app1", "KEY2", ""));
  EXPECT_TRUE(WriteIniString(f, "App2", " sp ", "  \"v\"  "));
  EXPECT_EQ(Get("new.ini"),
            "[App1]\r\nkey1=string1\r\nkey2=\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
            "sp =\"v\"  \r\n[App3]\r\nkey5=string5\r\n");
  EXPECT_EQ(Str("new.ini", "App2", "sp"), "v");
}

TEST_F(IniTest, WritesKeepEveryOtherByte) {
  Put("keep.ini", "; head\r\n\r\n[a]\r\n  K1  =  v1  \r\nk2=v2\r\n\r\n;tail c\r\n\r\n[b]\nx=1\n");
  const std::string f = Win("keep.ini");
  EXPECT_TRUE(WriteIniString(f, "A", "k1", "new"));
  EXPECT_TRUE(WriteIniString(f, "a", "k3", "v3"));
  EXPECT_TRUE(WriteIniString(f, "b", "y", "2"));
  EXPECT_TRUE(WriteIniString(f, "c", "z", "3"));
  EXPECT_EQ(Get("keep.ini"),
            "; head\r\n\r\n[a]\r\nK1=new\r\nk2=v2\r\nk3=v3\r\n\r\n;tail c\r\n\r\n[b]\nx=1\ny=2\r\n"
            "[c]\r\nz=3\r\n");

  Put("open.ini", "[a]\r\nk=1");
  EXPECT_TRUE(WriteIniString(Win("open.ini"), "a", "m", "2"));
  EXPECT_EQ(Get("open.ini"), "[a]\r\nk=1\r\nm=2\r\n");
  Put("open.ini", "[a]\nk=1");
  EXPECT_TRUE(WriteIniString(Win("open.ini"), "b", "m", "2"));
  EXPECT_EQ(Get("open.ini"), "[a]\nk=1\r\n[b]\r\nm=2\r\n");
  Put("open.ini", "[a]");
  EXPECT_TRUE(WriteIniString(Win("open.ini"), "a", "k", "v"));
  EXPECT_EQ(Get("open.ini"), "[a]\r\nk=v\r\n");

  Put("first.ini", "[a]\r\nk=1\r\nk=2\r\n[b]\r\n[A]\r\nm=4\r\n");
  EXPECT_TRUE(WriteIniString(Win("first.ini"), "a", "k", "9"));
  EXPECT_TRUE(WriteIniString(Win("first.ini"), "A", "m", "8"));
  EXPECT_EQ(Get("first.ini"), "[a]\r\nk=9\r\nk=2\r\nm=8\r\n[b]\r\n[A]\r\nm=4\r\n");

  Put("bare.ini", "[a]\r\nname3\r\nk=1\r\n");
  EXPECT_EQ(Str("bare.ini", "a", "name3"), "def");
  EXPECT_TRUE(WriteIniString(Win("bare.ini"), "a", "NAME3", "x"));
  EXPECT_EQ(Get("bare.ini"), "[a]\r\nname3=x\r\nk=1\r\n");

  Put("bom.ini", "\xEF\xBB\xBF[a]\r\nk=1\r\n");
  EXPECT_EQ(Str("bom.ini", "a", "k"), "1");
  EXPECT_TRUE(WriteIniString(Win("bom.ini"), "", "top", "1"));
  EXPECT_EQ(Get("bom.ini"), "\xEF\xBB\xBFtop=1\r\n[a]\r\nk=1\r\n");
}

TEST_F(IniTest, DeletesKeysAndSections) {
  Put("d.ini", "[a]\r\nk=1\r\n; note\r\nm=2\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\n");
  const std::string f = Win("d.ini");
  EXPECT_TRUE(DeleteIniKey(f, "A", "K"));
  EXPECT_EQ(Get("d.ini"), "[a]\r\n; note\r\nm=2\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\n");
  EXPECT_TRUE(DeleteIniKey(f, "a", "k"));  // on to the next section of the name
  EXPECT_EQ(Get("d.ini"), "[a]\r\n; note\r\nm=2\r\n[b]\r\nx=1\r\n[A]\r\n");
  EXPECT_TRUE(DeleteIniKey(f, "a", "k"));
  EXPECT_TRUE(DeleteIniKey(f, "nosec", "k"));
  EXPECT_TRUE(DeleteIniKey(f, "b", "x"));  // the header stays
  EXPECT_EQ(Get("d.ini"), "[a]\r\n; note\r\nm=2\r\n[b]\r\n[A]\r\n");
  EXPECT_TRUE(DeleteIniSection(f, "A"));
  EXPECT_EQ(Get("d.ini"), "[b]\r\n[A]\r\n");
  EXPECT_TRUE(DeleteIniSection(f, "zz"));
  EXPECT_EQ(Get("d.ini"), "[b]\r\n[A]\r\n");

  // Windows leaves an empty file after a delete from a missing one.
  EXPECT_TRUE(DeleteIniKey(Win("gone.ini"), "a", "k"));
  EXPECT_TRUE(Exists("gone.ini"));
  EXPECT_EQ(Get("gone.ini"), "");
}

TEST_F(IniTest, WritesWholeSections) {
  Put("w.ini", "[a]\r\nk=1\r\n;about m\r\nm=2\r\n\r\n[b]\r\nn=3\r\n");
  const std::string f = Win("w.ini");
  EXPECT_TRUE(WriteIniSection(f, "a", {"x=1", "y = 2", " z", ";c", "", "q=3"}));
  EXPECT_EQ(Get("w.ini"), "[a]\r\nx=1\r\n;about m\r\ny =2\r\nq=3\r\n\r\n[b]\r\nn=3\r\n");
  EXPECT_TRUE(WriteIniSection(f, "A", {"only=1"}));
  EXPECT_EQ(Get("w.ini"), "[a]\r\nonly=1\r\n;about m\r\n\r\n[b]\r\nn=3\r\n");
  EXPECT_TRUE(WriteIniSection(f, "b", {}));
  EXPECT_TRUE(WriteIniSection(f, "c", {"p=1", "p=2"}));
  EXPECT_EQ(Get("w.ini"), "[a]\r\nonly=1\r\n;about m\r\n\r\n[b]\r\n[c]\r\np=1\r\np=2\r\n");
  EXPECT_EQ(Section("w.ini", "c"), (Lines{"p=1", "p=2"}));
}

TEST_F(IniTest, FlushReturnsFalseAndChangesNothing) {
  Put("f1.ini", F1);
  EXPECT_FALSE(FlushIni(Win("f1.ini")));
  EXPECT_EQ(Get("f1.ini"), F1);
}

TEST_F(IniTest, FailedWritesLoseNothing) {
  EXPECT_FALSE(WriteIniString(Win("nodir\\x.ini"), "a", "k", "v"));
  EXPECT_FALSE(DeleteIniKey(Win("nodir\\x.ini"), "a", "k"));
  EXPECT_FALSE(Exists("nodir"));
  Put("plain", "x");
  EXPECT_FALSE(WriteIniString(Win("plain\\x.ini"), "a", "k", "v"));
  fs::create_directory(Native("folder.ini"));
  EXPECT_FALSE(WriteIniString(Win("folder.ini"), "a", "k", "v"));
  EXPECT_EQ(Str("folder.ini", "a", "k", "dd"), "dd");
  EXPECT_EQ(Section("folder.ini", "a"), Lines{});

  // A write that cannot be completed (the file size limit here; a full disk
  // alike) leaves the old file and no temporary one.
  Put("big.ini", F1);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(WriteIniString(Win("big.ini"), "section2", "k", std::string(1000, 'v')) ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have failed";
  EXPECT_EQ(Get("big.ini"), F1);
  size_t files = 0;
  for (auto& e : fs::directory_iterator(Dir)) files += e.is_regular_file();
  EXPECT_EQ(files, 2u);  // plain and big.ini
}

// For every user, root included (as CI runs): a file or folder without any
// write permission is read-only, a file without any read permission unreadable.
TEST_F(IniTest, PermissionsAreRespected) {
  Put("ro.ini", F1);
  fs::permissions(Native("ro.ini"), fs::perms::owner_read);
  EXPECT_FALSE(WriteIniString(Win("ro.ini"), "section1", "name1", "x"));
  EXPECT_EQ(Get("ro.ini"), F1);
  fs::permissions(Native("ro.ini"), fs::perms::none);
  EXPECT_EQ(Str("ro.ini", "section1", "name1"), "def");
  EXPECT_FALSE(DeleteIniKey(Win("ro.ini"), "section1", "name1"));
  fs::permissions(Native("ro.ini"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Get("ro.ini"), F1);
  fs::permissions(Dir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteIniString(Win("ro.ini"), "section1", "name1", "x"));
  EXPECT_EQ(Get("ro.ini"), F1);
}

TEST_F(IniTest, ReplacingKeepsModeAndSymbolicLinks) {
  Put("real.ini", F1);
  fs::permissions(Native("real.ini"), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read);
  fs::create_symlink(Native("real.ini"), Native("link.ini"));
  EXPECT_TRUE(WriteIniString(Win("link.ini"), "section2", "k", "v"));
  EXPECT_TRUE(fs::is_symlink(Native("link.ini")));
  EXPECT_EQ(Get("real.ini"), F1 + "k=v\r\n");
  EXPECT_EQ(fs::status(Native("real.ini")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniTest, CyrillicPathsAreNativeUtf8) {
  fs::create_directory(fs::path(Dir) / u8"Папка");
  const std::string f = Win("Папка\\ключ.ini");
  EXPECT_TRUE(WriteIniString(f, "Раздел", "Ключ", "Значение"));
  EXPECT_TRUE(fs::exists(fs::path(Dir) / u8"Папка" / u8"ключ.ini"));
  EXPECT_EQ(Str("Папка\\ключ.ini", "раздел", "КЛЮЧ"), "Значение");
}

TEST_F(IniTest, JunkNulsAndLongLinesReadNeutrally) {
  Put("nul.ini", Bytes("[a]\r\nk=1\0z\r\nm=2\r\n\0[b]\r\nn=3\r\n"));
  EXPECT_EQ(Str("nul.ini", "a", "k"), "1");
  EXPECT_EQ(Str("nul.ini", "a", "n"), "3");  // "\0[b]" is no header
  EXPECT_EQ(Section("nul.ini", "a"), (Lines{"k=1", "m=2", "n=3"}));

  const std::string huge(100000, 'x');
  Put("long.ini", "[a]\r\nk=" + huge + "\r\n" + huge + "\r\nm=2\r\n");
  EXPECT_EQ(Str("long.ini", "a", "k"), huge.substr(0, 32767));
  EXPECT_EQ(Str("long.ini", "a", "m"), "2");
  uint32_t n = 0;
  const Lines lines = Section("long.ini", "a", 32767, &n);
  EXPECT_EQ(n, 32765u);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), 32765u);

  // Random bytes: every call returns, and a written value reads back.
  std::mt19937 random(1251);
  for (int round = 0; round < 200; ++round) {
    std::string junk(random() % 400, '\0');
    for (char& c : junk) c = static_cast<char>(random() % 4 ? "[]=;\r\n ab\"'"[random() % 12] : random());
    Put("junk.ini", junk);
    std::string v;
    std::vector<std::string> l;
    ReadIniString(Win("junk.ini"), "a", "b", "d", 50, v);
    ReadIniInt(Win("junk.ini"), "a", "b", 0);
    ReadIniSection(Win("junk.ini"), "a", 50, l);
    ASSERT_TRUE(WriteIniString(Win("junk.ini"), "zorn", "unit_1", "5;12;1;0;Pump;70;0"));
    ASSERT_EQ(Str("junk.ini", "zorn", "unit_1"), "5;12;1;0;Pump;70;0") << round;
    ASSERT_TRUE(DeleteIniKey(Win("junk.ini"), "zorn", "unit_1"));
    ASSERT_EQ(Str("junk.ini", "zorn", "unit_1"), "def") << round;
    ASSERT_TRUE(DeleteIniSection(Win("junk.ini"), "a"));
    ASSERT_TRUE(WriteIniSection(Win("junk.ini"), "a", {"x=1"}));
    ASSERT_EQ(Str("junk.ini", "a", "x"), "1") << round;
  }
}

}  // namespace
}  // namespace zorn::platform
