// The POSIX path boundary: Windows-form CP1251 paths <-> native UTF-8 paths.
#include <iconv.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/posix/cp1251.h"

namespace zorn::platform {
namespace {

std::string Utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

// The C library's own CP1251 table, as the reference for ours.
std::string IconvToUtf8(const std::string& in) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::string out(in.size() * 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  EXPECT_NE(r, static_cast<size_t>(-1)) << "iconv failed";
  out.resize(out.size() - dstLeft);
  return out;
}

TEST(Cp1251Test, EveryAssignedByteMatchesTheReferenceAndRoundTrips) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x98) continue;  // unassigned in CP1251
    std::string one(1, static_cast<char>(b));
    std::string utf8 = Cp1251ToUtf8(one);
    EXPECT_EQ(utf8, IconvToUtf8(one)) << "byte 0x" << std::hex << b;
    EXPECT_EQ(Utf8ToCp1251(utf8), one) << "byte 0x" << std::hex << b;
  }
}

TEST(Cp1251Test, ForeignAndMalformedUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("\xE6\x97\xA5\xE6\x9C\xAC"), "??");  // two CJK characters
  EXPECT_EQ(Utf8ToCp1251("a\xF0\x9F\x98\x80" "b"), "a?b");       // an emoji
  EXPECT_EQ(Utf8ToCp1251("a\xD0"), "a?");           // cut short
  EXPECT_EQ(Utf8ToCp1251("\xFF\xD0\x90x"), "?\xC0x");  // stray byte, then "А"
  EXPECT_EQ(Utf8ToCp1251(Utf8(u8"Привет")), "Привет");  // literal is CP1251 here
}

TEST(NativePathTest, SeparatorsAndTextEncodingConvertBothWays) {
  const std::string program = "C:\\Данные\\журнал №1.ini";
  const std::string native = Utf8(u8"C:/Данные/журнал №1.ini");
  EXPECT_EQ(ToNativePath(program), native);
  EXPECT_EQ(FromNativePath(native), program);
  EXPECT_EQ(ToNativePath("config.ini"), "config.ini");
}

TEST(FolderTest, FoldersAreInProgramFormWithoutTrailingSeparator) {
  EXPECT_EQ(WindowsFolder(), "\\usr\\share");
  EXPECT_EQ(SystemFolder(), "\\usr\\lib");

  const char* saved = std::getenv("TMPDIR");
  std::string restore = saved ? saved : "";
  setenv("TMPDIR", Utf8(u8"/var/tmp/проба/").c_str(), 1);
  EXPECT_EQ(TempFolder(), "\\var\\tmp\\проба");
  unsetenv("TMPDIR");
  EXPECT_EQ(TempFolder(), "\\tmp");
  if (saved) setenv("TMPDIR", restore.c_str(), 1);
}

TEST(FolderTest, ExeFilePathNamesTheRunningProgram) {
  char buf[4096] = {};
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  ASSERT_GT(n, 0);
  EXPECT_EQ(ToNativePath(ExeFilePath()), std::string(buf, static_cast<size_t>(n)));
  EXPECT_EQ(ExeFilePath().front(), '\\');
}

}  // namespace
}  // namespace zorn::platform
