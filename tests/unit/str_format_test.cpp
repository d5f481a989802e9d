// Filling numbered placeholders.
#include <gtest/gtest.h>

#include "elements/format_str.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;
using Args = std::vector<std::string>;

TEST(StrFormatRules, PercentEscapesAndNumbers) {
  EXPECT_EQ(FormatPlaceholders("%1%%%2", Args{"a", "b"}), "a%b");
  EXPECT_EQ(FormatPlaceholders("%%1", Args{"a"}), "%1");
  EXPECT_EQ(FormatPlaceholders("%1;%10", Args{"x"}), "x;%10");
  EXPECT_EQ(FormatPlaceholders("%3 %1", Args{"a", "b"}), "%3 a");   // beyond Count
  EXPECT_EQ(FormatPlaceholders("100%", Args{"a"}), "100%");
  EXPECT_EQ(FormatPlaceholders("%%%", Args{}), "%%");
  EXPECT_EQ(FormatPlaceholders("", Args{"a"}), "");
  EXPECT_EQ(FormatPlaceholders("%1%1%1", Args{"ab"}), "ababab");
}

TEST(StrFormatRules, ArgumentsNeverExtendAPlaceholder) {
  // An argument that begins with a digit does not turn "%2" into "%27".
  EXPECT_EQ(FormatPlaceholders("%2%1", Args{"7", "x"}), "x7");
  // An argument that ends with "%" does not join the digits after it.
  EXPECT_EQ(FormatPlaceholders("%1%2", Args{"50%", "3", "no"}), "50%3");
  EXPECT_EQ(FormatPlaceholders("%1%2", Args{"50%", "3"}), "50%3");
  // Twelve arguments: "%1" inside "%12" stays for the twelfth.
  Args twelve;
  for (int i = 1; i <= 12; ++i) twelve.push_back("<" + std::to_string(i) + ">");
  EXPECT_EQ(FormatPlaceholders("%12,%1,%10", twelve), "<12>,<1>,<10>");
}

TEST(StrFormatRules, InsertedTextIsFilledByLargerNumbersOnly) {
  EXPECT_EQ(FormatPlaceholders("%1", Args{"[%2]", "y"}), "[y]");
  EXPECT_EQ(FormatPlaceholders("%2", Args{"x", "[%1]"}), "[%1]");
  EXPECT_EQ(FormatPlaceholders("%1", Args{"%1"}), "%1");  // not searched again for 1
  EXPECT_EQ(FormatPlaceholders("%1", Args{"%%2", "y"}), "%y");
}

// Placeholders whose digits name no argument, side by side with those that
// do, with and without a "%" in an argument (which lets inserted text be
// filled again).
TEST(StrFormatRules, DigitsThatNameNoArgumentStayAsTyped) {
  EXPECT_EQ(FormatPlaceholders("%0;%01;%1;%2", Args{"a"}), "%0;%01;a;%2");
  EXPECT_EQ(FormatPlaceholders("%0;%01;%1;%2", Args{"a%"}), "%0;%01;a%;%2");
  EXPECT_EQ(FormatPlaceholders("%%%1%", Args{"x"}), "%x%");
  EXPECT_EQ(FormatPlaceholders("%%%1%", Args{"%"}), "%%%");
  EXPECT_EQ(FormatPlaceholders("%1%", Args{"9"}), "9%");
  EXPECT_EQ(FormatPlaceholders("%12345678901", Args{"a"}), "%12345678901");
  EXPECT_EQ(FormatPlaceholders("%1x%1", Args{"1"}), "1x1");
  EXPECT_EQ(FormatPlaceholders("%2%1", Args{"%", "7"}), "7%");
  EXPECT_EQ(FormatPlaceholders("%1%2", Args{"%", "7"}), "%7");
}

// Control bytes in the mask or the arguments are text like any other; the
// markers of the rules never collide with them.
TEST(StrFormatRules, ControlBytesSurvive) {
  const std::string nul(1, '\0'), one(1, '\x01');
  EXPECT_EQ(FormatPlaceholders("%1", Args{"a" + one + "b" + nul}), "a" + one + "b" + nul);
  EXPECT_EQ(FormatPlaceholders(nul + "%1" + one, Args{"x"}), nul + "x" + one);
}

class StrFormatElement : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    format.OnResult = MakeWire(0, &TProbe::Take, &probe);
  }
  std::string Result() {
    TData d;
    format.Result(d, 0);
    return TProbe::Describe(d);
  }
  TZEFormatStr format;
  TProbe probe;
};

TEST_F(StrFormatElement, UnwiredArgumentsTakeTheChainInOrder) {
  format.Mask = "%1;%2;1;0;%2;70;0";
  format.SetCount(2);
  TData second;
  MakeStr(second, "12");
  TData first;
  MakeStr(first, "1");
  first.Next = &second;
  Fire(MakeWire(0, &TZEFormatStr::Format, &format), first);
  EXPECT_EQ(probe.Seen, (std::vector<std::string>{"str 1;12;1;0;12;70;0"}));
  EXPECT_EQ(Result(), "str 1;12;1;0;12;70;0");
}

TEST_F(StrFormatElement, EveryArgumentIsReadOnceEvenWithoutItsPlaceholder) {
  format.Mask = "%3-%1";
  format.SetCount(3);
  std::vector<test::TSource> sources(3);
  for (int i = 0; i < 3; ++i) {
    MakeInt(sources[i].Answer, 10 + i);
    format.Args[i] = MakeWire(0, &test::TSource::Value, &sources[i]);
  }
  FireNull(MakeWire(0, &TZEFormatStr::Format, &format));
  EXPECT_EQ(probe.Seen, (std::vector<std::string>{"str 12-10"}));
  for (const auto& s : sources) EXPECT_EQ(s.Reads, 1);
}

// A controller value may hold any byte. Markers of codes 0 and 1 in the
// text itself would turn its NUL into "%" and drop its byte 1; the markers
// lie outside the byte range instead, so the log row keeps the value whole.
TEST_F(StrFormatElement, ValuesWithBytesZeroAndOneReachTheRowUnchanged) {
  const std::string value("7\0" "5\x01", 4);
  format.Mask = "%1;%2 %3;%4;%5 (100%%)";
  format.SetCount(5);
  std::vector<test::TSource> sources(5);
  const std::string args[] = {"Overheat", "Больше", "70", value, "Проиграть звук"};
  for (int i = 0; i < 5; ++i) {
    MakeStr(sources[i].Answer, args[i]);
    format.Args[i] = MakeWire(0, &test::TSource::Value, &sources[i]);
  }
  FireNull(MakeWire(0, &TZEFormatStr::Format, &format));
  EXPECT_EQ(probe.Seen, (std::vector<std::string>{"str Overheat;Больше 70;" + value + ";Проиграть звук (100%)"}));
}

}  // namespace
}  // namespace zorn
