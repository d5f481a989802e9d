// The number checks of the editor dialogs: which texts are decimal numbers
// within a range, and the element that passes a save on or refuses it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/editors/number_text.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;
using test::TSource;

bool Int32(const std::string& text) { return IsDecimalIn(text, INT32_MIN, INT32_MAX); }

TEST(DecimalText, TakesASignAndDigitsWithinTheSigned32BitRange) {
  for (const char* text : {"0", "7", "007", "+5", "-0", "-12", "2147483647", "-2147483648",
                           "0000000000002147483647", "-000000000002147483648"}) {
    EXPECT_TRUE(Int32(text)) << text;
  }
  for (const char* text : {"2147483648", "-2147483649", "3000000000", "4294967296", "4294967297",
                           "99999999999999999999999999", "-99999999999999999999999999"}) {
    EXPECT_FALSE(Int32(text)) << text;
  }
}

TEST(DecimalText, RefusesAnythingButDecimalDigits) {
  for (const char* text : {"", "-", "+", "--1", "+-1", "$10", "0x10", "1e3", "1.0", " 5", "5 ",
                           "1;2", "five", "пять"}) {
    EXPECT_FALSE(Int32(text)) << text;
  }
}

TEST(DecimalText, KeepsToTheGivenBounds) {
  EXPECT_TRUE(IsDecimalIn("0", 0, INT32_MAX));
  EXPECT_TRUE(IsDecimalIn("-0", 0, INT32_MAX));
  EXPECT_FALSE(IsDecimalIn("-1", 0, INT32_MAX));
  EXPECT_TRUE(IsDecimalIn("0070", 0, 70));
  EXPECT_FALSE(IsDecimalIn("71", 0, 70));
  EXPECT_TRUE(IsDecimalIn("-5", -5, -1));
  EXPECT_FALSE(IsDecimalIn("0", -5, -1));
  EXPECT_FALSE(IsDecimalIn("-6", -5, -1));
}

class DecimalCheckElement : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    check.OnValid = MakeWire(0, &TProbe::Take, &valid);
    check.OnInvalid = MakeWire(0, &TProbe::Take, &invalid);
  }
  void Check(const std::string& received) {
    FireStr(MakeWire(0, &TZEDecimalCheck::Check, &check), received);
  }
  TZEDecimalCheck check;
  TProbe valid, invalid;
};

TEST_F(DecimalCheckElement, PassesTheRecordAsReceivedToOneSide) {
  Check("42");  // unwired: the received text is checked
  Check("4294967297");
  TSource source;
  check.Text = MakeWire(0, &TSource::Value, &source);
  MakeStr(source.Answer, "-7");
  Check("click");
  MakeStr(source.Answer, "0x7");
  Check("again");
  check.Min = 0;
  MakeStr(source.Answer, "-7");
  Check("bounded");
  EXPECT_EQ(valid.Seen, (std::vector<std::string>{"str 42", "str click"}));
  EXPECT_EQ(invalid.Seen, (std::vector<std::string>{"str 4294967297", "str again", "str bounded"}));
}

}  // namespace
}  // namespace zorn
