// Shared text functions, program paths and the diagnostic box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "runtime/paths.h"
#include "runtime/text.h"

namespace zorn {
namespace {

TEST(TextCutToken, CutsAtTheFirstDelimiterOnly) {
  std::string text = "a,b";
  EXPECT_EQ(CutToken(text, ','), "a");
  EXPECT_EQ(text, "b");
  text = "abc";
  EXPECT_EQ(CutToken(text, ','), "abc");
  EXPECT_EQ(text, "abc");
  text = "a,";
  EXPECT_EQ(CutToken(text, ','), "a");
  EXPECT_EQ(text, "");
  text = ",x,y";
  EXPECT_EQ(CutToken(text, ','), "");
  EXPECT_EQ(text, "x,y");
}

TEST(TextCutToken, LoopWithAFinalDelimiterRunsTheTextEmpty) {
  std::string text = "1;;3";
  text += ';';
  std::vector<std::string> tokens;
  while (!text.empty()) tokens.push_back(CutToken(text, ';'));
  EXPECT_EQ(tokens, (std::vector<std::string>{"1", "", "3"}));
}

TEST(TextPosFrom, OneBasedSearchFromAStart) {
  EXPECT_EQ(PosFrom("b", "abcb", 1), 2u);
  EXPECT_EQ(PosFrom("b", "abcb", 2), 2u);
  EXPECT_EQ(PosFrom("b", "abcb", 3), 4u);
  EXPECT_EQ(PosFrom("b", "abcb", 5), 0u);
  EXPECT_EQ(PosFrom("b", "abcb", 99), 0u);
  EXPECT_EQ(PosFrom("cb", "abcb", 1), 3u);
  EXPECT_EQ(PosFrom("B", "abcb", 1), 0u);
  EXPECT_EQ(PosFrom("", "abcb", 1), 0u);
  EXPECT_EQ(PosFrom("abcbx", "abcb", 1), 0u);
}

TEST(TextReplaceAll, InsertedTextIsNeverRescanned) {
  std::string text = "aaa";
  ReplaceAll(text, "a", "aa");
  EXPECT_EQ(text, "aaaaaa");
  text = "xabx";
  ReplaceAll(text, "ab", "aab");
  EXPECT_EQ(text, "xaabx");
  text = "abab";
  ReplaceAll(text, "ab", "b");
  EXPECT_EQ(text, "bb");
  // The search resumes after the replaced match, not inside it.
  text = "aaa";
  ReplaceAll(text, "aa", "X");
  EXPECT_EQ(text, "Xa");
  text = "AbABab";
  ReplaceAll(text, "ab", "-");
  EXPECT_EQ(text, "AbAB-");
  text = "none";
  ReplaceAll(text, "", "x");
  EXPECT_EQ(text, "none");
  text = "a;b;";
  ReplaceAll(text, ";", "");
  EXPECT_EQ(text, "ab");
}

TEST(TextReplaceAll, RejectedMatchStaysAndSearchMovesOnByOne) {
  std::vector<size_t> asked;
  auto rejectFirst = [&](size_t pos) {
    asked.push_back(pos);
    return asked.size() > 1;
  };
  std::string text = "aaa";
  ReplaceAll(text, "aa", "X", rejectFirst);
  EXPECT_EQ(text, "aX");
  EXPECT_EQ(asked, (std::vector<size_t>{1, 2}));

  // Positions are those of the text as replaced so far.
  asked.clear();
  text = "a-a-a";
  ReplaceAll(text, "a", "bbb", [&](size_t pos) {
    asked.push_back(pos);
    return pos != 5;
  });
  EXPECT_EQ(text, "bbb-a-bbb");
  EXPECT_EQ(asked, (std::vector<size_t>{1, 5, 7}));
}

TEST(TextCompareTextAscii, FoldsOnlyLatinLettersAndOrdersPrefixesFirst) {
  EXPECT_EQ(CompareTextAscii("abc", "ABC"), 0);
  EXPECT_EQ(CompareTextAscii("", ""), 0);
  EXPECT_LT(CompareTextAscii("a", "B"), 0);
  EXPECT_GT(CompareTextAscii("b", "A"), 0);
  EXPECT_LT(CompareTextAscii("ab", "abc"), 0);
  EXPECT_GT(CompareTextAscii("ABC", "ab"), 0);
  EXPECT_LT(CompareTextAscii("", "a"), 0);
  // Folding is to upper case: "_" (0x5F) sorts after every letter.
  EXPECT_GT(CompareTextAscii("_", "a"), 0);
  // Cyrillic bytes are unsigned and never folded.
  EXPECT_NE(CompareTextAscii("а", "А"), 0);
  EXPECT_GT(CompareTextAscii("я", "z"), 0);
  EXPECT_LT(CompareTextAscii("Я", "я"), 0);
  EXPECT_GT(CompareTextAscii("1б", "1Б"), 0);
}

TEST(TextLowerAscii, LowersLatinLettersOnly) {
  ASSERT_EQ(std::string("Я").size(), 1u);  // CP1251 literals
  EXPECT_EQ(LowerAscii("AbZ-09 [@]"), "abz-09 [@]");
  EXPECT_EQ(LowerAscii("ЯZя"), "Яzя");
  EXPECT_EQ(LowerAscii(""), "");
}

// Sets TMPDIR for one test and restores it afterwards.
class TextPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("TMPDIR")) saved_ = old;
  }
  void TearDown() override {
    if (saved_) setenv("TMPDIR", saved_->c_str(), 1);
    else unsetenv("TMPDIR");
    platform::SetMessageBoxOwner(nullptr);
    platform::ShownMessages().clear();
  }
  std::optional<std::string> saved_;
};

TEST_F(TextPaths, BareNamesLandInTheProgramFolder) {
  std::string folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(platform::ExeFilePath().rfind(folder, 0), 0u);
  EXPECT_EQ(platform::ExeFilePath().find('\\', folder.size()), std::string::npos);

  EXPECT_EQ(FullFileName("user_settings.ini"), folder + "user_settings.ini");
  EXPECT_EQ(FullFileName("sub\\a.ini"), "sub\\a.ini");
  EXPECT_EQ(FullFileName("C:a.ini"), "C:a.ini");
}

TEST_F(TextPaths, TempMacroGetsExactlyOneSeparator) {
  setenv("TMPDIR", "/var/tmp/zorn/", 1);
  EXPECT_EQ(ExpandPathMacros("%tmpdir%x"), "\\var\\tmp\\zorn\\x");
  EXPECT_EQ(FullFileName("%tmpdir%x"), "\\var\\tmp\\zorn\\x");
  setenv("TMPDIR", "/var/tmp/zorn", 1);
  EXPECT_EQ(FullFileName("%tmpdir%x"), "\\var\\tmp\\zorn\\x");
}

TEST_F(TextPaths, EveryMacroExpandsEverywhereCaseSensitively) {
  std::string win = platform::WindowsFolder() + "\\";
  std::string sys = platform::SystemFolder() + "\\";
  EXPECT_EQ(ExpandPathMacros("%windir%a;%windir%b"), win + "a;" + win + "b");
  EXPECT_EQ(ExpandPathMacros("%sysdir%c"), sys + "c");
  EXPECT_EQ(ExpandPathMacros("%WINDIR%a"), "%WINDIR%a");
  EXPECT_EQ(FullFileName("%WINDIR%a"), ExeFolder() + "%WINDIR%a");
}

TEST_F(TextPaths, DebugMessageUsesItsCaptionAndTheMainWindow) {
  platform::ShownMessages().clear();
  ShowDebugMessage("first");
  int window = 0;
  platform::SetMessageBoxOwner(&window);
  ShowDebugMessage("second");
  const auto& shown = platform::ShownMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Text, "first");
  EXPECT_EQ(shown[0].Caption, "String-Debug");
  EXPECT_FALSE(shown[0].Owned);
  EXPECT_EQ(shown[1].Text, "second");
  EXPECT_TRUE(shown[1].Owned);
}

TEST_F(TextPaths, UserResourcesAreOfType100Only) {
  static const uint8_t sound[] = {1, 2, 3};
  static const uint8_t picture[] = {4};
  platform::RegisterEmbeddedResource("TESTWAVE", platform::UserResourceType, sound, sizeof sound);
  platform::RegisterEmbeddedResource("TESTBMP", 2, picture, sizeof picture);
  platform::TResourceBytes bytes = LoadUserResource("TESTWAVE");
  EXPECT_EQ(bytes.Data, sound);
  EXPECT_EQ(bytes.Size, 3u);
  EXPECT_FALSE(LoadUserResource("TESTBMP").Found());
  EXPECT_FALSE(LoadUserResource("NOSUCHWAVE").Found());
}

}  // namespace
}  // namespace zorn
