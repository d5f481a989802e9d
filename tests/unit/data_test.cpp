// The value record: constructors, conversions, truth test and chains.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "runtime/data.h"
#include "runtime/wire.h"

namespace zorn {
namespace {

TData Int(int32_t i) { TData d; MakeInt(d, i); return d; }
TData Str(const std::string& s) { TData d; MakeStr(d, s); return d; }
TData Real(double x) { TData d; MakeReal(d, x); return d; }

// The values of a chain as its readers see them: up to the end or a Null node.
std::vector<std::string> Values(const TData& head) {
  std::vector<std::string> out;
  for (const TData* n = &head; n && n->Kind != dtNull; n = n->Next) out.push_back(ToStr(*n));
  return out;
}

using Strings = std::vector<std::string>;

TEST(DataRecord, FreshRecordIsNullWithNeutralConversions) {
  TData d;
  EXPECT_EQ(KindOf(d), dtNull);
  EXPECT_EQ(ToStr(d), "");
  EXPECT_EQ(ToInt(d), 0);
  EXPECT_EQ(ToReal(d), 0.0);
  EXPECT_EQ(ToIndex(d), -1);
  EXPECT_TRUE(IsTrue(d));
}

TEST(DataRecord, ConstructorsDetachAndKeepUnrelatedFields) {
  TWire wire;
  TData other;
  TData d = Str("old");
  d.ForwardWire = &wire;
  d.Next = &other;
  MakeNull(d);
  EXPECT_EQ(d.ForwardWire, nullptr);
  EXPECT_EQ(d.Next, nullptr);
  EXPECT_EQ(d.StrValue.str(), "old");  // a record turned into Null keeps its text

  d.Next = &other;
  d.ForwardWire = &wire;
  MakeInt(d, 5);
  EXPECT_TRUE(IsInt(d));
  EXPECT_EQ(d.Next, nullptr);
  EXPECT_EQ(d.ForwardWire, nullptr);

  // The text is shared, not copied.
  TStr text("shared");
  MakeStr(d, text);
  EXPECT_TRUE(IsStr(d));
  EXPECT_EQ(d.StrValue.c_str(), text.c_str());

  int icon = 0;
  int stream = 0;
  MakeIcon(d, &icon);
  EXPECT_TRUE(IsIcon(d));
  EXPECT_EQ(ToIcon(d), &icon);
  EXPECT_EQ(ToStr(d), "");
  EXPECT_EQ(ToInt(d), 0);
  MakeStream(d, &stream);
  EXPECT_EQ(KindOf(d), dtStream);
  EXPECT_EQ(ToIcon(d), nullptr);
}

TEST(DataRecord, CopyValueTakesEverythingButTheLinks) {
  TWire wire;
  TData next;
  TData src = Real(2.5);
  src.StrValue = "kept";
  src.ForwardWire = &wire;
  src.Next = &next;
  TData dst;
  CopyValue(dst, src);
  EXPECT_EQ(dst.Kind, dtReal);
  EXPECT_EQ(dst.RealValue, 2.5);
  EXPECT_EQ(dst.StrValue.str(), "kept");
  EXPECT_EQ(dst.ForwardWire, nullptr);
  EXPECT_EQ(dst.Next, nullptr);
  EXPECT_EQ(src.Next, &next);
}

TEST(DataToStr, IntegersAndOtherKinds) {
  EXPECT_EQ(ToStr(Int(0)), "0");
  EXPECT_EQ(ToStr(Int(-42)), "-42");
  EXPECT_EQ(ToStr(Int(std::numeric_limits<int32_t>::min())), "-2147483648");
  EXPECT_EQ(ToStr(Str("as is ")), "as is ");
  TData d;
  d.Kind = dtNoSource;
  d.StrValue = "ignored";
  EXPECT_EQ(ToStr(d), "");
  EXPECT_EQ(ToInt(d), 0);
  EXPECT_EQ(ToIndex(d), -1);
}

TEST(DataToInt, TextTakesOnlyASignedDecimalPrefix) {
  EXPECT_EQ(ToInt(Str(" 7")), 0);
  EXPECT_EQ(ToInt(Str("7 ")), 7);
  EXPECT_EQ(ToInt(Str("+7")), 7);
  EXPECT_EQ(ToInt(Str("-7")), -7);
  EXPECT_EQ(ToInt(Str("0x10")), 0);
  EXPECT_EQ(ToInt(Str("12abc")), 12);
  EXPECT_EQ(ToInt(Str("-")), 0);
  EXPECT_EQ(ToInt(Str("+-5")), 0);
  EXPECT_EQ(ToInt(Str("")), 0);
}

TEST(DataToInt, TextWrapsAroundIn32Bits) {
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(StrToInt("4294967296"), 0);
  EXPECT_EQ(StrToInt("4294967301"), 5);
  EXPECT_EQ(StrToInt("-4294967295"), 1);
}

TEST(DataToInt, RealsRoundToEvenThenKeepLow32Bits) {
  EXPECT_EQ(ToInt(Real(0.5)), 0);
  EXPECT_EQ(ToInt(Real(1.5)), 2);
  EXPECT_EQ(ToInt(Real(2.5)), 2);
  EXPECT_EQ(ToInt(Real(3.5)), 4);
  EXPECT_EQ(ToInt(Real(-0.5)), 0);
  EXPECT_EQ(ToInt(Real(-2.5)), -2);
  EXPECT_EQ(ToInt(Real(-3.5)), -4);
  EXPECT_EQ(ToInt(Real(2.4999)), 2);
  EXPECT_EQ(ToInt(Real(-2.5001)), -3);
  EXPECT_EQ(ToInt(Real(0.49999999999999994)), 0);
  EXPECT_EQ(ToInt(Real(4294967297.0)), 1);
  EXPECT_EQ(ToInt(Real(2147483648.0)), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ToInt(Real(-4294967296.0 - 3)), -3);
  // Beyond 64 bits the conversion yields the integer indefinite, low half 0.
  EXPECT_EQ(ToInt(Real(1e19)), 0);
  EXPECT_EQ(ToInt(Real(-1e300)), 0);
  EXPECT_EQ(ToInt(Real(std::nan(""))), 0);
  EXPECT_EQ(ToInt(Real(INFINITY)), 0);
  EXPECT_EQ(RoundToInt(4503599627370497.0), 1);  // 2^52 + 1, already whole
}

TEST(DataToReal, IntegersExactlyAndTextByTheDigitRule) {
  EXPECT_EQ(ToReal(Int(2147483647)), 2147483647.0);
  EXPECT_EQ(ToReal(Int(-5)), -5.0);
  EXPECT_EQ(ToReal(Str("3.25e-2")), 0.0325);
  EXPECT_EQ(ToReal(Str("-1e2")), -100.0);
  EXPECT_EQ(StrToReal(""), 0.0);
  EXPECT_EQ(StrToReal("12.5abc"), 12.5);
  EXPECT_EQ(StrToReal("-.5"), -0.5);
  EXPECT_EQ(StrToReal("+2"), 2.0);
  EXPECT_EQ(StrToReal("1,5"), 1.0);
  EXPECT_EQ(StrToReal("1.2.3"), 1.2);
  EXPECT_EQ(StrToReal(" 5"), 0.0);
  EXPECT_EQ(StrToReal("+-5"), 0.0);
}

TEST(DataToReal, ExponentIsASignedIntegerPrefix) {
  EXPECT_EQ(StrToReal("1e3"), 1000.0);
  EXPECT_EQ(StrToReal("1E+3"), 1000.0);
  EXPECT_EQ(StrToReal("2.5e1x"), 25.0);
  EXPECT_EQ(StrToReal("5e-3"), 0.005);
  EXPECT_EQ(StrToReal("1e"), 1.0);
  EXPECT_EQ(StrToReal("1e-"), 1.0);
  EXPECT_EQ(StrToReal("e5"), 0.0);
  EXPECT_EQ(StrToReal("1e2.5"), 100.0);  // the exponent stops the number
  EXPECT_EQ(StrToReal("1e22"), 1e22);
  // The exponent is read as StrToInt reads it, wrapping at 32 bits: 2^32 + 1.
  EXPECT_EQ(StrToReal("1e4294967297"), 10.0);
}

// The value is the double nearest to the decimal number that the text rules
// read, as the compiler makes it of the same literal.
TEST(DataToReal, TextGivesTheNearestDouble) {
  EXPECT_EQ(ToReal(Str("3.25e-2")), 0.0325);
  EXPECT_EQ(StrToReal("0.3"), 0.3);
  EXPECT_EQ(StrToReal("123.456"), 123.456);
  EXPECT_EQ(StrToReal("1.2.3"), 1.2);
  EXPECT_EQ(StrToReal("5e-3"), 0.005);
  EXPECT_EQ(StrToReal("-7e-10"), -7e-10);
  EXPECT_EQ(StrToReal("1e23"), 1e23);
  EXPECT_EQ(StrToReal("1234.5678e-2"), 12.345678);
  EXPECT_EQ(StrToReal(".00012e4"), 1.2);
  EXPECT_EQ(StrToReal("0.1000000000000000055511151231257827"), 0.1);
  EXPECT_EQ(StrToReal("2.2250738585072014e-308"), 2.2250738585072014e-308);
  EXPECT_EQ(StrToReal("4.9e-324"), 4.9e-324);  // the smallest subnormal
  EXPECT_EQ(StrToReal("9007199254740993"), 9007199254740992.0);  // 2^53 + 1: the tie goes to even
  // Beyond the range: infinity above, 0 below; no digit but 0 gives 0.
  EXPECT_EQ(StrToReal("1e400"), INFINITY);
  EXPECT_EQ(StrToReal("-1e400"), -INFINITY);
  EXPECT_EQ(StrToReal("1e-400"), 0.0);
  EXPECT_EQ(StrToReal("0e400"), 0.0);
  EXPECT_EQ(StrToReal("000.000e-400"), 0.0);
}

TEST(DataRealToStr, FifteenDigitsWithoutExponent) {
  EXPECT_EQ(RealToStr(0.0), "0");
  EXPECT_EQ(RealToStr(-0.0), "0");
  EXPECT_EQ(RealToStr(1.0), "1");
  EXPECT_EQ(RealToStr(100.0), "100");
  EXPECT_EQ(RealToStr(0.5), "0.5");
  EXPECT_EQ(RealToStr(0.00001), "0.00001");
  EXPECT_EQ(RealToStr(123.456), "123.456");
  EXPECT_EQ(RealToStr(-2.25), "-2.25");
  EXPECT_EQ(RealToStr(-0.001), "-0.001");
  EXPECT_EQ(RealToStr(0.1 + 0.2), "0.3");
  EXPECT_EQ(RealToStr(1.0 / 3.0), "0." + std::string(15, '3'));
  EXPECT_EQ(RealToStr(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(RealToStr(-1.0 / 3.0), "-0." + std::string(15, '3'));
  EXPECT_EQ(RealToStr(1e-7), "0.0000001");
  EXPECT_EQ(RealToStr(123456789.123456789), "123456789.123457");
  EXPECT_EQ(RealToStr(12345678901234.5), "12345678901234.5");
  EXPECT_EQ(ToStr(Real(2.5)), "2.5");
}

TEST(DataRealToStr, LargeNumbersPadWithZeros) {
  EXPECT_EQ(RealToStr(1e15), "1" + std::string(15, '0'));
  EXPECT_EQ(RealToStr(1e20), "1" + std::string(20, '0'));
  EXPECT_EQ(RealToStr(-1e20), "-1" + std::string(20, '0'));
  EXPECT_EQ(RealToStr(123456789012345678.0), "123456789012346000");
  EXPECT_EQ(RealToStr(1234567890123456.0), "1234567890123460");
  EXPECT_EQ(RealToStr(100000000000000.0), "100000000000000");
  std::string max = RealToStr(DBL_MAX);
  EXPECT_EQ(max.size(), 309u);
  EXPECT_EQ(max.substr(0, 16), "1797693134862320");
}

TEST(DataRealToStr, RoundingCarriesIntoTheNextPowerOfTen) {
  EXPECT_EQ(RealToStr(999999999999999.9), "1000000000000000");
  EXPECT_EQ(RealToStr(99999999999999.99), "100000000000000");
  EXPECT_EQ(RealToStr(9.9999999999999999e-5), "0.0001");
  EXPECT_EQ(RealToStr(0.99999999999999994), "1");
  EXPECT_EQ(RealToStr(-9.9999999999999995), "-10");
}

TEST(DataRealToStr, TinyNumbersAndNonFiniteValues) {
  EXPECT_EQ(RealToStr(4.9406564584124654e-324), "0." + std::string(323, '0') + "494065645841247");
  EXPECT_EQ(RealToStr(INFINITY), "INF");
  EXPECT_EQ(RealToStr(-INFINITY), "-INF");
  EXPECT_EQ(RealToStr(std::nan("")), "NAN");
}

TEST(DataToIndex, InvalidTextIsToldApartFromZero) {
  EXPECT_EQ(ToIndex(Str("")), -1);
  EXPECT_EQ(ToIndex(Str("0")), 0);
  EXPECT_EQ(ToIndex(Str("007")), 7);
  EXPECT_EQ(ToIndex(Str("x")), -1);
  EXPECT_EQ(ToIndex(Str("-0")), -1);
  EXPECT_EQ(ToIndex(Str("12x")), 12);
  EXPECT_EQ(ToIndex(Str("-3")), -3);
  EXPECT_EQ(ToIndex(Int(0)), 0);
  EXPECT_EQ(ToIndex(Int(-5)), -5);
  EXPECT_EQ(ToIndex(Real(2.5)), 2);
  EXPECT_EQ(ToIndex(Real(0.2)), 0);
  TData font;
  MakeFont(font, nullptr);
  EXPECT_EQ(ToIndex(font), -1);
}

TEST(DataIsTrue, OnlyIntegerZeroIsFalse) {
  EXPECT_FALSE(IsTrue(Int(0)));
  EXPECT_TRUE(IsTrue(Int(1)));
  EXPECT_TRUE(IsTrue(Int(-1)));
  EXPECT_TRUE(IsTrue(Str("0")));
  EXPECT_TRUE(IsTrue(Str("")));
  EXPECT_TRUE(IsTrue(Real(0.0)));
  TData null = Int(0);
  MakeNull(null);  // IntValue still 0
  EXPECT_TRUE(IsTrue(null));
}

// Three stack nodes a -> b -> c owned by the test.
struct TStackChain {
  TData a = Str("a"), b = Str("b"), c = Real(3.5);
  TStackChain() {
    a.Next = &b;
    b.Next = &c;
  }
};

TEST(DataChain, CopyChainOntoItselfMakesPrivateNodesInOrder) {
  TStackChain chain;
  CopyChain(chain.a, chain.a);
  EXPECT_EQ(Values(chain.a), (Strings{"a", "b", "3.5"}));
  ASSERT_NE(chain.a.Next, nullptr);
  EXPECT_NE(chain.a.Next, &chain.b);
  EXPECT_NE(chain.a.Next->Next, &chain.c);
  EXPECT_EQ(chain.a.Next->Next->Next, nullptr);
  EXPECT_EQ(chain.b.Next, &chain.c);  // the old nodes are untouched
  FreeChain(chain.a);
  EXPECT_EQ(chain.a.Next, nullptr);
  EXPECT_EQ(chain.a.StrValue.str(), "a");
}

TEST(DataChain, CopyChainEndsAtANullNode) {
  TStackChain chain;
  MakeNull(chain.b);
  chain.b.Next = &chain.c;
  TData copy = Int(9);
  CopyChain(copy, chain.a);
  EXPECT_EQ(copy.StrValue.str(), "a");
  ASSERT_NE(copy.Next, nullptr);
  EXPECT_EQ(copy.Next->Kind, dtNull);
  EXPECT_EQ(copy.Next->Next, nullptr);
  FreeChain(copy);

  TData single = Int(1);
  CopyChain(copy, single);
  EXPECT_EQ(copy.Next, nullptr);
  EXPECT_EQ(ToInt(copy), 1);
}

TEST(DataChain, AppendOntoNullMakesTheRecordTheFirstValue) {
  TStackChain src;
  TData dst;
  TData* tail = AppendChain(dst, src.a);
  EXPECT_EQ(Values(dst), (Strings{"a", "b", "3.5"}));
  EXPECT_NE(dst.Next, &src.b);
  EXPECT_EQ(tail, dst.Next->Next);
  EXPECT_EQ(tail->Next, nullptr);
  EXPECT_EQ(src.a.Next, &src.b);

  TData more = Int(4);
  tail = AppendChain(dst, more);
  EXPECT_EQ(Values(dst), (Strings{"a", "b", "3.5", "4"}));
  EXPECT_EQ(ToInt(*tail), 4);
  FreeChain(dst);
  EXPECT_EQ(dst.Next, nullptr);
  EXPECT_EQ(Values(dst), (Strings{"a"}));
}

TEST(DataChain, AppendingNullAddsNothing) {
  TData dst = Int(1);
  TData null;
  EXPECT_EQ(AppendChain(dst, null), &dst);
  EXPECT_EQ(dst.Next, nullptr);
  EXPECT_EQ(ToInt(dst), 1);

  TData empty;
  EXPECT_EQ(AppendChain(empty, null), &empty);
  EXPECT_TRUE(IsNull(empty));
  EXPECT_EQ(empty.Next, nullptr);

  // A Null node inside the source ends what is appended.
  TStackChain src;
  MakeNull(src.b);
  src.b.Next = &src.c;
  AppendChain(dst, src.a);
  EXPECT_EQ(Values(dst), (Strings{"1", "a"}));
  EXPECT_EQ(dst.Next->Next, nullptr);
  FreeChain(dst);
}

TEST(DataChain, AppendingAChainToItselfDoublesIt) {
  TData dst = Str("x");
  TData y = Str("y");
  AppendChain(dst, y);
  TData* tail = AppendChain(dst, dst);
  EXPECT_EQ(Values(dst), (Strings{"x", "y", "x", "y"}));
  EXPECT_EQ(tail->Next, nullptr);
  FreeChain(dst);
}

}  // namespace
}  // namespace zorn
