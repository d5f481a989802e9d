// The arithmetic element.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/math.h"

namespace zorn {
namespace {

// One value as "Int 5", "Real 1.5", "Null" or "Kind n".
std::string ShowValue(const TData& d) {
  switch (d.Kind) {
    case dtNull: return "Null";
    case dtInt: return "Int " + std::to_string(d.IntValue);
    case dtReal: {
      std::string s = std::to_string(d.RealValue);
      s.erase(s.find_last_not_of('0') + 1);
      if (s.back() == '.') s.pop_back();
      return "Real " + s;
    }
    default: return "Kind " + std::to_string(d.Kind);
  }
}

class TMathProbe : public TElement {
 public:
  void Result(TData& data, uint16_t) {
    journal.push_back("result " + ShowValue(data));
    lastAddress = &data;
  }
  void Error(TData& data, uint16_t) { journal.push_back("error " + ShowValue(data)); }
  std::vector<std::string> journal;
  const TData* lastAddress = nullptr;
};

class TOperand : public TElement {
 public:
  void Answer(TData& data, uint16_t) { data = value; }
  TData value;
};

using Journal = std::vector<std::string>;

class MathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartLiveDispatch();
    math.OnResult = MakeWire(0, &TMathProbe::Result, &probe);
    math.OnError = MakeWire(0, &TMathProbe::Error, &probe);
  }
  void TearDown() override { ResetDispatchForTests(); }

  void CalcWith(TData d) { Fire(MakeWire(0, &TZEMath::Calc, &math), d); }
  void CalcWithStr(const char* s) {
    TData d;
    MakeStr(d, s);
    CalcWith(d);
  }
  std::string Result() {
    TData d;
    math.Result(d, 0);
    return ShowValue(d);
  }

  TZEMath math;
  TMathProbe probe;
};

TEST_F(MathTest, SubtractOneFromTheReceivedText) {
  math.Operation = moSubtract;
  math.Op2 = 1;
  CalcWithStr("5");
  CalcWithStr("2.5");  // 1.5 rounds to the even 2
  CalcWithStr("0");
  CalcWithStr("-1.5");  // -2.5 rounds to -2
  EXPECT_EQ(probe.journal,
            (Journal{"result Int 4", "result Int 2", "result Int -1", "result Int -2"}));
  EXPECT_EQ(Result(), "Int -2");
}

TEST_F(MathTest, ResultIsANestedFreshRecord) {
  math.Operation = moAdd;
  math.Op2 = 1;
  TData d;
  MakeInt(d, 1);
  Fire(MakeWire(0, &TZEMath::Calc, &math), d);
  EXPECT_EQ(probe.journal, (Journal{"result Int 2"}));
  EXPECT_NE(probe.lastAddress, &d);
}

TEST_F(MathTest, DivideRoundsHalfToEven) {
  math.Operation = moDivide;
  // Both operands from the record, in order Op1 then Op2.
  TData two, seven;
  MakeInt(two, 2);
  MakeInt(seven, 7);
  seven.Next = &two;
  CalcWith(seven);
  math.Op1 = 5;
  math.Op2 = 2;
  CalcWith(TData{});
  EXPECT_EQ(probe.journal, (Journal{"result Int 4", "result Int 2"}));
}

TEST_F(MathTest, DivisionByZeroReportsErrorAndReadsNull) {
  math.Operation = moDivide;
  math.SetDefault(3);
  math.Op1 = 8;
  TOperand zero;
  MakeInt(zero.value, 0);
  math.Op2Input = MakeWire(0, &TOperand::Answer, &zero);
  EXPECT_EQ(Result(), "Int 3") << "Default before the first Calc";
  CalcWith(TData{});
  EXPECT_EQ(probe.journal, (Journal{"error Null"}));
  EXPECT_EQ(Result(), "Null");

  MakeInt(zero.value, 4);
  CalcWith(TData{});
  EXPECT_EQ(probe.journal.back(), "result Int 2");
  EXPECT_EQ(Result(), "Int 2");
}

TEST_F(MathTest, RealResultMultiplier) {
  math.Operation = moMultiply;
  math.Op2 = 1000;
  math.RealResult = true;
  EXPECT_EQ(Result(), "Real 0");
  CalcWithStr("0.25");
  TData d;
  MakeReal(d, 1.5);
  CalcWith(d);
  EXPECT_EQ(probe.journal, (Journal{"result Real 250", "result Real 1500"}));
  EXPECT_EQ(Result(), "Real 1500");
}

TEST_F(MathTest, WiredInputsWinOverPropertiesAndRecord) {
  math.Operation = moSubtract;
  math.Op1 = 100;
  TOperand a, b;
  MakeStr(a.value, "10");
  MakeReal(b.value, 0.5);
  math.Op1Input = MakeWire(0, &TOperand::Answer, &a);
  math.Op2Input = MakeWire(0, &TOperand::Answer, &b);
  math.RealResult = true;
  TData d;
  MakeInt(d, 77);
  CalcWith(d);
  EXPECT_EQ(probe.journal, (Journal{"result Real 9.5"}));
}

TEST_F(MathTest, IntResultKeepsTheLow32Bits) {
  math.Operation = moMultiply;
  math.Op1 = 3;
  math.Op2 = 1e9;
  CalcWith(TData{});
  EXPECT_EQ(probe.journal, (Journal{"result Int -1294967296"}));
}

TEST_F(MathTest, DefaultIsRoundedUnlessRealResult) {
  math.SetDefault(2.5);
  EXPECT_EQ(Result(), "Int 2");
  math.RealResult = true;
  EXPECT_EQ(Result(), "Real 2.5");
}

}  // namespace
}  // namespace zorn
