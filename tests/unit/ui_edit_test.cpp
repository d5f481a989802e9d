// The edit box: validation of what the user types in each input mode, the
// caret after a rejected key, and the events.
#include <gtest/gtest.h>

#include "support/ui.h"
#include "ui/elements/edit.h"
#include "ui/elements/edit_rules.h"

namespace zorn::ui {
namespace {

using headless::vkBack;
using headless::vkHome;
using headless::vkReturn;
using test::TProbe;
using test::UiTest;

TEST(EditRulesTest, ValidTextsPerMode) {
  for (const char* ok : {"0", "123", "007"}) EXPECT_TRUE(ValidInMode(emUnsigned, ok)) << ok;
  for (const char* bad : {"", "-1", "+1", "1a", " 1"}) EXPECT_FALSE(ValidInMode(emUnsigned, bad)) << bad;
  for (const char* ok : {"0", "-12", "+7", "$ff", "0x1a", "$0"}) EXPECT_TRUE(ValidInMode(emInteger, ok)) << ok;
  for (const char* bad : {"", "-", "$", "0x", "$FF", "0X1", "0xg", "--1", "-$1", "1-"}) {
    EXPECT_FALSE(ValidInMode(emInteger, bad)) << bad;
  }
  EXPECT_TRUE(ValidInMode(emText, ""));
}

TEST(EditRulesTest, ValuesOfIntegerTexts) {
  EXPECT_EQ(IntegerOf(emInteger, "-12"), -12);
  EXPECT_EQ(IntegerOf(emInteger, "+12"), 12);
  EXPECT_EQ(IntegerOf(emInteger, "$ff"), 255);
  EXPECT_EQ(IntegerOf(emInteger, "0x7fffffff"), 2147483647);
  EXPECT_EQ(IntegerOf(emInteger, "0xffffffff"), -1);  // wraps
  EXPECT_EQ(IntegerOf(emInteger, "-"), 0);
  EXPECT_EQ(IntegerOf(emUnsigned, "4294967297"), 1);
  // "0x10" is hexadecimal only in integer mode.
  EXPECT_EQ(IntegerOf(emUnsigned, "0x10"), 0);
}

class EditTest : public UiTest {
 protected:
  void Make(TEditMode mode, const std::string& text) {
    edit.Mode = mode;
    edit.Text = text;
    edit.Init();
    edit.OnChange = MakeWire(0, &TProbe::Take, &changes);
    edit.OnEnter = MakeWire(0, &TProbe::Take, &enters);
  }
  headless::THeadlessWidget& Box() { return W(edit); }

  TZEEdit edit;
  TProbe changes, enters;
};

TEST_F(EditTest, IntegerRejectsALetterAndPutsTheCaretBack) {
  Make(emInteger, "12");
  Box().Key(headless::vkEnd);
  Box().Key(headless::vkLeft);  // between 1 and 2
  ASSERT_TRUE(Box().Type("x"));
  EXPECT_EQ(Box().Text(), "12");
  EXPECT_EQ(Box().Caret(), 1);
  EXPECT_TRUE(changes.Seen.empty());
  Box().Type("5");
  EXPECT_EQ(Box().Text(), "152");
  EXPECT_EQ(changes.Seen, (std::vector<std::string>{"int 152"}));
}

TEST_F(EditTest, PartialNumbersMayStandWhileTyped) {
  Make(emInteger, "");
  Box().Type("-");
  EXPECT_EQ(Box().Text(), "-");
  Box().Type("4");
  Box().Key(vkBack);
  Box().Key(vkBack);
  EXPECT_EQ(Box().Text(), "0");
  EXPECT_EQ(changes.Seen, (std::vector<std::string>{"int 0", "int -4", "int 0", "int 0"}));
}

TEST_F(EditTest, HexadecimalTakesLowerCaseDigitsOnly) {
  Make(emInteger, "");
  Box().Type("0x");
  EXPECT_EQ(Box().Text(), "0x");
  Box().Type("1F");
  EXPECT_EQ(Box().Text(), "0x1");
  Box().Type("f");
  EXPECT_EQ(changes.Seen, (std::vector<std::string>{"int 0", "int 0", "int 1", "int 31"}));
  TZEEdit dollar;
  dollar.Mode = emInteger;
  dollar.Init();
  W(dollar).Type("$a-");
  EXPECT_EQ(W(dollar).Text(), "$a");
}

TEST_F(EditTest, EmptyingANumericBoxLeavesZero) {
  Make(emUnsigned, "7");
  Box().Key(headless::vkEnd);
  Box().Key(vkBack);
  EXPECT_EQ(Box().Text(), "0");
  EXPECT_EQ(changes.Seen, (std::vector<std::string>{"int 0"}));
  Box().Key(vkHome);
  Box().Type("-");
  EXPECT_EQ(Box().Text(), "0");
}

TEST_F(EditTest, TextModeTakesAnythingAndEnterClearsWhenAsked) {
  edit.ClearOnEnter = true;
  Make(emText, "stroka");
  Box().Key(headless::vkEnd);
  Box().Type(" ё");
  ASSERT_TRUE(Box().Key(vkReturn));
  EXPECT_EQ(enters.Seen, (std::vector<std::string>{"str stroka ё"}));
  EXPECT_EQ(Box().Text(), "");
  EXPECT_EQ(changes.Seen.size(), 2u);  // the two typed characters, not the clearing
  // An empty box still reports its Enter.
  Box().Key(vkReturn);
  EXPECT_EQ(enters.Seen.back(), "str ");
}

TEST_F(EditTest, SetTextKeepsTheCaretAndFiresNothing) {
  Make(emInteger, "1234");
  Box().Key(headless::vkEnd);
  Box().Key(headless::vkLeft);
  TData d;
  MakeStr(d, "98765");
  edit.SetText(d, 0);
  EXPECT_EQ(Box().Text(), "98765");
  EXPECT_EQ(Box().Caret(), 3);
  EXPECT_TRUE(changes.Seen.empty());
  // The text set becomes the one a rejected key returns to.
  Box().Type("z");
  EXPECT_EQ(Box().Text(), "98765");
  TData out;
  edit.Value(out, 0);
  EXPECT_EQ(TProbe::Describe(out), "int 98765");
}

TEST_F(EditTest, MaxLengthIsThePlatformLimit) {
  edit.MaxLength = 3;
  Make(emText, "");
  Box().Type("abcd");
  EXPECT_EQ(Box().Text(), "abc");
  EXPECT_EQ(changes.Seen.size(), 3u);
}

}  // namespace
}  // namespace zorn::ui
