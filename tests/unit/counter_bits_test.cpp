// The wrapping counter and the converters between integers and bits.
#include <climits>

#include "elements/bits.h"
#include "elements/counter.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

class CounterExTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    counter.Max = 100;
    counter.Step = 1;
    counter.OnCount = MakeWire(0, &TCall::Take, &count);
    counter.OnReset = MakeWire(0, &TCall::Take, &count);
    counter.OnMax = MakeWire(0, &TCall::Take, &bound);
    counter.OnMin = MakeWire(0, &TCall::Take, &bound);
  }
  void Next(int times = 1) {
    while (times--) FireStr(MakeWire(0, &TZECounterEx::Next, &counter), "x");
  }
  TZECounterEx counter;
  Journal journal;
  TCall count{[this](TData& d, uint16_t) { journal.push_back(ToStr(d)); }};
  TCall bound{[this](TData& d, uint16_t) { journal.push_back("wrap " + TProbe::Describe(d)); }};
};

TEST_F(CounterExTest, CountsUpAndWrapsToMinPastMax) {
  counter.SetValue(50);
  FireNull(MakeWire(0, &TZECounterEx::Reset, &counter));
  Next(101);
  EXPECT_EQ(journal.size(), 103u);
  EXPECT_EQ(Journal(journal.begin(), journal.begin() + 2), (Journal{"0", "1"}));
  EXPECT_EQ(Journal(journal.end() - 3, journal.end()), (Journal{"100", "wrap null", "0"}));
  journal.clear();
  counter.SetValue(98);
  counter.Step = 5;
  Next();  // 103 wraps to Min, not to the remainder
  EXPECT_EQ(journal, (Journal{"wrap null", "0"}));
}

TEST_F(CounterExTest, CountsDownAndWrapsToMaxPastMin) {
  counter.Direction = true;
  counter.Max = 3;
  counter.SetValue(1);
  Next(3);
  FireNull(MakeWire(0, &TZECounterEx::Reset, &counter));
  EXPECT_EQ(journal, (Journal{"0", "wrap null", "3", "2", "3"}));
}

using BitsTest = RuntimeTest;

TEST_F(BitsTest, SplitSendsBitsLowestFirstModuloThirtyTwo) {
  TZEIntToBits split;
  split.SetCount(34);
  MakeInt(split.OneValue, 1);
  MakeInt(split.ZeroValue, 0);
  TProbe bits;
  for (uint16_t i = 0; i < 34; ++i) split.OnBit[i] = MakeWire(i, &TProbe::Take, &bits);
  // A receiver that changes its record must not change OneValue.
  TCall spoil([](TData& d, uint16_t) { MakeStr(d, "spoilt"); });
  split.OnBit[1] = MakeWire(1, &TCall::Take, &spoil);
  FireInt(MakeWire(0, &TZEIntToBits::Split, &split), INT_MIN | 7);
  EXPECT_EQ(bits.Indexes, (std::vector<uint16_t>{0, 2, 31, 32, 34 - 1}));
  EXPECT_EQ(bits.Seen, Journal(5, "int 1"));

  split.SetCount(4);
  for (uint16_t i = 0; i < 4; ++i) split.OnBit[i] = MakeWire(i, &TProbe::Take, &bits);
  split.SendZeros = true;
  bits.Seen.clear();
  FireInt(MakeWire(0, &TZEIntToBits::Split, &split), 5);
  EXPECT_EQ(bits.Seen, (Journal{"int 1", "int 0", "int 1", "int 0"}));
}

TEST_F(BitsTest, JoinSumsNonZeroInputsAsIntOrReal) {
  TZEBitsToInt join;
  TProbe result;
  join.OnResult = MakeWire(0, &TProbe::Take, &result);
  std::vector<TSource> sources(33);
  auto joinWith = [&](const std::vector<const char*>& values) {
    join.SetCount(static_cast<int32_t>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
      MakeStr(sources[i].Answer, values[i]);
      join.Bits[i] = MakeWire(0, &TSource::Value, &sources[i]);
    }
    FireNull(MakeWire(0, &TZEBitsToInt::Join, &join));
  };
  joinWith({"1", "0", "7", "-2"});
  joinWith(std::vector<const char*>(32, "1"));
  std::vector<const char*> high(33, "0");
  high[31] = "1";
  joinWith(std::vector<const char*>(high.begin(), high.end() - 1));
  high[32] = "1";
  joinWith(high);
  // Unwired inputs take the successive values of the record.
  join.SetCount(0);
  join.SetCount(4);
  TData c, b, a;
  MakeInt(a, 1), MakeInt(b, 0), MakeInt(c, 1);
  a.Next = &b;
  b.Next = &c;
  Fire(MakeWire(0, &TZEBitsToInt::Join, &join), a);
  EXPECT_EQ(result.Seen, (Journal{"int 13", "int -1", "int " + std::to_string(INT_MIN),
                                  "real 6442450944", "int 5"}));
}

}  // namespace
}  // namespace zorn::test
