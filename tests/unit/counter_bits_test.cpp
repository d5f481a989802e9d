// The wrapping counter and the converters between integers and bits.
#include <climits>
#include <string>
#include <vector>

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
    counter.Min = 0;
    counter.Max = 100;
    counter.Step = 1;
    counter.OnCount = Watch(count);
    counter.OnReset = Watch(reset);
    counter.OnMax = Watch(max);
    counter.OnMin = Watch(min);
  }
  TWire Watch(TCall& call) { return MakeWire(0, &TCall::Take, &call); }
  TCall Named(const std::string& name) {
    return TCall([this, name](TData& d, uint16_t) {
      journal.push_back(name + " " + TProbe::Describe(d));
    });
  }
  void Next() { FireStr(MakeWire(0, &TZECounterEx::Next, &counter), "x"); }
  void Reset() { FireNull(MakeWire(0, &TZECounterEx::Reset, &counter)); }

  TZECounterEx counter;
  Journal journal;
  TCall count = Named("count");
  TCall reset = Named("reset");
  TCall max = Named("max");
  TCall min = Named("min");
};

TEST_F(CounterExTest, CountsUpAndWrapsPastMax) {
  Reset();
  Next();
  EXPECT_EQ(journal, (Journal{"reset int 0", "count int 1"}));
  for (int i = 0; i < 99; ++i) Next();
  EXPECT_EQ(journal.back(), "count int 100");
  journal.clear();
  Next();
  EXPECT_EQ(journal, (Journal{"max null", "count int 0"}));
}

TEST_F(CounterExTest, StartsAtValueAndWrapsToTheBoundNotTheRemainder) {
  counter.SetValue(98);
  counter.Step = 5;
  Next();
  Next();
  EXPECT_EQ(journal, (Journal{"max null", "count int 0", "count int 5"}));
}

TEST_F(CounterExTest, CountsDownAndWrapsPastMin) {
  counter.Direction = true;
  counter.Max = 3;
  counter.SetValue(1);
  Next();
  Next();
  Next();
  Reset();
  EXPECT_EQ(journal, (Journal{"count int 0", "min null", "count int 3", "count int 2",
                              "reset int 3"}));
}

TEST_F(CounterExTest, OverflowWrapsAroundInThirtyTwoBits) {
  counter.Max = INT_MAX;
  counter.SetValue(INT_MAX);
  Next();
  EXPECT_EQ(journal, (Journal{"count int " + std::to_string(INT_MIN)}));
  EXPECT_EQ(counter.Value(), INT_MIN);
}

class BitsTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    MakeInt(split.OneValue, 1);
    MakeInt(split.ZeroValue, 0);
    SetBitCount(4);
  }
  void SetBitCount(int32_t n) {
    split.SetCount(n);
    for (int32_t i = 0; i < n; ++i) split.OnBit[i] = MakeWire(i, &TProbe::Take, &bits);
  }
  // Bit events as "index:value".
  Journal Sent() {
    Journal j;
    for (size_t i = 0; i < bits.Seen.size(); ++i) {
      j.push_back(std::to_string(bits.Indexes[i]) + ":" + bits.Seen[i]);
    }
    bits.Seen.clear();
    bits.Indexes.clear();
    return j;
  }
  void Split(int32_t v) { FireInt(MakeWire(0, &TZEIntToBits::Split, &split), v); }

  TZEIntToBits split;
  TProbe bits;
};

TEST_F(BitsTest, SplitSendsEveryBitLowestFirst) {
  split.SendZeros = true;
  Split(5);
  EXPECT_EQ(Sent(), (Journal{"0:int 1", "1:int 0", "2:int 1", "3:int 0"}));
  split.SendZeros = false;
  Split(5 + 16);  // bits beyond Count are not sent
  EXPECT_EQ(Sent(), (Journal{"0:int 1", "2:int 1"}));
}

TEST_F(BitsTest, SplitTakesBitNumbersModuloThirtyTwo) {
  SetBitCount(34);
  Split(INT_MIN | 2);
  EXPECT_EQ(Sent(), (Journal{"1:int 1", "31:int 1", "33:int 1"}));
}

TEST_F(BitsTest, SplitReadsItsInputAndSendsCopies) {
  TSource value;
  MakeStr(value.Answer, "3");
  split.Value = MakeWire(0, &TSource::Value, &value);
  // A receiver that changes its record must not change OneValue.
  TCall spoil([](TData& d, uint16_t) { MakeStr(d, "spoilt"); });
  split.OnBit[0] = MakeWire(0, &TCall::Take, &spoil);
  Split(0);
  Split(0);
  EXPECT_EQ(Sent(), (Journal{"1:int 1", "1:int 1"}));
  EXPECT_EQ(TProbe::Describe(split.OneValue), "int 1");
}

class BitsJoinTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    join.OnResult = MakeWire(0, &TProbe::Take, &result);
  }
  // Wires input i to a source answering values[i].
  void WireInputs(const std::vector<TData>& values) {
    join.SetCount(static_cast<int32_t>(values.size()));
    sources.assign(values.size(), TSource{});
    for (size_t i = 0; i < values.size(); ++i) {
      sources[i].Answer = values[i];
      join.Bits[i] = MakeWire(0, &TSource::Value, &sources[i]);
    }
  }
  void Join(TData& record) { Fire(MakeWire(0, &TZEBitsToInt::Join, &join), record); }
  void Join() {
    TData none;
    Join(none);
  }

  TZEBitsToInt join;
  std::vector<TSource> sources;
  TProbe result;
};

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

TEST_F(BitsJoinTest, AnyNonZeroInputIsASetBit) {
  WireInputs({Int(1), Int(0), Int(7), Int(0)});
  Join();
  TData s;
  MakeStr(s, "-2");
  WireInputs({Int(0), s, TData{}, Int(1)});
  Join();
  EXPECT_EQ(result.Seen, (Journal{"int 5", "int 10"}));
}

TEST_F(BitsJoinTest, UnwiredInputsTakeSuccessiveValuesOfTheRecord) {
  join.SetCount(4);
  TData one = Int(1);
  Join(one);
  TData c = Int(1), b = Int(0), a = Int(1);
  a.Next = &b;
  b.Next = &c;
  Join(a);
  EXPECT_EQ(result.Seen, (Journal{"int 1", "int 5"}));
}

TEST_F(BitsJoinTest, LargeSumsBecomeNegativeIntsThenReals) {
  WireInputs(std::vector<TData>(32, Int(1)));
  Join();
  std::vector<TData> top(32, Int(0));
  top[31] = Int(1);
  WireInputs(top);
  Join();
  top.push_back(Int(1));
  WireInputs(top);
  Join();
  EXPECT_EQ(result.Seen, (Journal{"int -1", "int " + std::to_string(INT_MIN), "real 6442450944"}));
}

}  // namespace
}  // namespace zorn::test
