// Hub, emitter, routing, comparison and state elements.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"

namespace zorn {
namespace {

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

TData Str(const char* s) {
  TData d;
  MakeStr(d, s);
  return d;
}

TData Real(double x) {
  TData d;
  MakeReal(d, x);
  return d;
}

// One value as "Int 5", "Str x", "Real 1.5", "Null", "NoSource" or "Kind n".
std::string ShowOne(const TData& d) {
  switch (d.Kind) {
    case dtNull: return "Null";
    case dtInt: return "Int " + std::to_string(d.IntValue);
    case dtStr: return "Str " + d.StrValue.str();
    case dtReal: return "Real " + std::to_string(d.RealValue);
    case dtNoSource: return "NoSource";
    default: return "Kind " + std::to_string(d.Kind);
  }
}

// A record with its whole chain, values separated by ", ".
std::string Show(const TData& d) {
  std::string s = ShowOne(d);
  for (const TData* n = d.Next; n; n = n->Next) s += ", " + ShowOne(*n);
  return s;
}

// Shared journal of every probe, so tests can check the order across points.
std::vector<std::string> g_journal;

// Receives events: journals "name: value-with-chain", remembers the record's
// address (forwarding hands on the caller's own record) and optionally acts
// on the record.
class TProbe : public TElement {
 public:
  explicit TProbe(std::string name) : name_(std::move(name)) {}
  void Take(TData& data, uint16_t) {
    g_journal.push_back(name_ + ": " + Show(data));
    lastAddress = &data;
    if (action) action(data);
  }
  TWire Wire() { return MakeWire(0, &TProbe::Take, this); }

  const TData* lastAddress = nullptr;
  std::function<void(TData&)> action;

 private:
  std::string name_;
};

// A data output answering a fixed value.
class TSource : public TElement {
 public:
  explicit TSource(TData v) : value(v) {}
  void Answer(TData& data, uint16_t) { data = value; }
  TWire Wire() { return MakeWire(0, &TSource::Answer, this); }
  TData value;
};

class FlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_journal.clear();
    StartLiveDispatch();
  }
  void TearDown() override { ResetDispatchForTests(); }
};

using Journal = std::vector<std::string>;

TEST_F(FlowTest, HubGivesEveryOutputItsOwnCopyInOrder) {
  TZEHub hub;
  hub.SetOutCount(3);
  EXPECT_EQ(hub.OutCount(), 3);
  TProbe p0("0"), p1("1"), p2("2");
  // Output 0 consumes the chain of its copy and overwrites the head.
  p0.action = [](TData& d) {
    TData v;
    ReadValue(d, TWire{}, nullptr, v);
    ReadValue(d, TWire{}, nullptr, v);
    MakeStr(d, "changed");
  };
  hub.Outputs[0] = p0.Wire();
  hub.Outputs[1] = p1.Wire();
  hub.Outputs[2] = p2.Wire();

  TData c = Int(3), b = Str("b"), a = Int(1);
  a.Next = &b;
  b.Next = &c;
  TWire in = MakeWire(4, &TZEHub::Distribute, &hub);
  Fire(in, a);

  EXPECT_EQ(g_journal, (Journal{"0: Int 1, Str b, Int 3", "1: Int 1, Str b, Int 3",
                                "2: Int 1, Str b, Int 3"}));
  EXPECT_NE(p1.lastAddress, &a);
  EXPECT_EQ(Show(a), "Int 1, Str b, Int 3");
}

TEST_F(FlowTest, DoDataEmitsItsOwnValueAndDropsTheIncomingChain) {
  TZEDoData emit;
  emit.Data = Str("ref");
  TProbe out("out");
  emit.OnEmit = out.Wire();
  TData b = Int(2), a = Int(1);
  a.Next = &b;
  Fire(MakeWire(0, &TZEDoData::Emit, &emit), a);
  EXPECT_EQ(g_journal, (Journal{"out: Str ref"}));
  EXPECT_EQ(out.lastAddress, &a) << "forward form hands on the received record";

  // With a Null property and no source, the incoming value is not a fallback.
  g_journal.clear();
  emit.Data = TData{};
  TData v = Int(7);
  Fire(MakeWire(0, &TZEDoData::Emit, &emit), v);
  EXPECT_EQ(g_journal, (Journal{"out: Null"}));

  // A wired source wins over the property.
  g_journal.clear();
  emit.Data = Str("ref");
  TSource src(Int(42));
  emit.DataInput = src.Wire();
  TData w = Str("in");
  Fire(MakeWire(0, &TZEDoData::Emit, &emit), w);
  EXPECT_EQ(g_journal, (Journal{"out: Int 42"}));
}

TEST_F(FlowTest, IndexToChanelRoutesByTheFirstValueAndPassesTheSecond) {
  TZEIndexToChanel route;
  route.SetCount(2);
  TProbe c0("c0"), c1("c1");
  route.Channels[0] = c0.Wire();
  route.Channels[1] = c1.Wire();
  TWire in = MakeWire(0, &TZEIndexToChanel::Route, &route);

  TData x = Str("x"), one = Int(1);
  one.Next = &x;
  Fire(in, one);
  EXPECT_EQ(g_journal, (Journal{"c1: Str x"}));
  EXPECT_EQ(c1.lastAddress, &one);

  // Only the value read goes on, not the rest of the chain.
  g_journal.clear();
  TData t = Str("t"), s = Str("s"), zero = Int(0);
  zero.Next = &s;
  s.Next = &t;
  Fire(in, zero);
  EXPECT_EQ(g_journal, (Journal{"c0: Str s"}));
}

TEST_F(FlowTest, IndexToChanelOutOfRangeFiresNothing) {
  TZEIndexToChanel route;
  route.SetCount(2);
  TProbe c0("c0"), c1("c1");
  route.Channels[0] = c0.Wire();
  route.Channels[1] = c1.Wire();
  TWire in = MakeWire(0, &TZEIndexToChanel::Route, &route);
  for (int32_t i : {2, -1, 1000}) {
    TData d = Int(i);
    Fire(in, d);
  }
  EXPECT_TRUE(g_journal.empty());
}

TEST_F(FlowTest, IndexToChanelWithWiredIndexAndProperty) {
  TZEIndexToChanel route;
  route.SetCount(3);
  TProbe c2("c2");
  route.Channels[2] = c2.Wire();
  TSource index(Str("2"));
  route.Index = index.Wire();
  route.Data = Str("p");
  TData d = Int(0);
  Fire(MakeWire(0, &TZEIndexToChanel::Route, &route), d);
  EXPECT_EQ(g_journal, (Journal{"c2: Str p"}));
}

TEST_F(FlowTest, ChanelToIndexReportsTheCallingChannel) {
  TZEChanelToIndex sel;
  sel.Count = 3;
  TProbe out("out");
  sel.OnIndex = out.Wire();
  TData b = Int(9), a = Str("q");
  a.Next = &b;
  Fire(MakeWire(1, &TZEChanelToIndex::Select, &sel), a);
  TData n;
  Fire(MakeWire(2, &TZEChanelToIndex::Select, &sel), n);
  EXPECT_EQ(g_journal, (Journal{"out: Int 1", "out: Int 2"}));
}

TEST_F(FlowTest, SwitchSequence) {
  TZESwitch sw;
  sw.DataOn = Int(1);
  sw.DataOff = Int(0);
  sw.SetStartOff(true);
  TProbe toggle("toggle"), on("on"), off("off");
  // A receiver of OnToggle that spoils the record must not change what
  // OnOn and OnOff receive.
  toggle.action = [](TData& d) { MakeStr(d, "spoiled"); };
  sw.OnToggle = toggle.Wire();
  sw.OnOn = on.Wire();
  sw.OnOff = off.Wire();
  TData v;
  sw.Value(v, 0);
  EXPECT_EQ(Show(v), "Int 0");

  TData d1 = Str("anything");
  Fire(MakeWire(0, &TZESwitch::Toggle, &sw), d1);
  EXPECT_EQ(on.lastAddress, &d1);
  TData d2;
  Fire(MakeWire(0, &TZESwitch::SwitchOn, &sw), d2);
  TData d3;
  Fire(MakeWire(0, &TZESwitch::SwitchOff, &sw), d3);
  TData d4;
  Fire(MakeWire(0, &TZESwitch::SwitchOff, &sw), d4);

  EXPECT_EQ(g_journal,
            (Journal{"toggle: Int 1", "on: Int 1", "toggle: Int 0", "off: Int 0"}));
  EXPECT_EQ(sw.State, 0);
  sw.Value(v, 0);
  EXPECT_EQ(Show(v), "Int 0");
}

TEST_F(FlowTest, SwitchInputsAndStartOn) {
  TZESwitch sw;
  sw.DataOn = Int(1);
  sw.DataOff = Int(0);
  sw.SetStartOff(false);
  EXPECT_EQ(sw.State, 1);
  EXPECT_EQ(Show(sw.Current), "Int 1");
  TSource offSource(Str("low"));
  sw.DataOffInput = offSource.Wire();
  TProbe off("off");
  sw.OnOff = off.Wire();
  TData d;
  Fire(MakeWire(0, &TZESwitch::Toggle, &sw), d);
  EXPECT_EQ(g_journal, (Journal{"off: Str low"}));

  // No input and a Null property: the value comes with the action.
  g_journal.clear();
  sw.DataOn = TData{};
  TProbe on("on");
  sw.OnOn = on.Wire();
  TData b = Int(8), a = Int(7);
  a.Next = &b;
  Fire(MakeWire(0, &TZESwitch::Toggle, &sw), a);
  EXPECT_EQ(g_journal, (Journal{"on: Int 7"}));
}

TEST_F(FlowTest, CaseComparesTextExactly) {
  TZECase arm;
  arm.Value = Str("abc");
  arm.Data = Int(100);
  TProbe match("match"), other("else");
  arm.OnMatch = match.Wire();
  arm.OnElse = other.Wire();
  TWire test = MakeWire(0, &TZECase::Test, &arm);

  TData tail = Int(2), upper = Str("ABC");
  upper.Next = &tail;
  Fire(test, upper);
  TData exact = Str("abc");
  Fire(test, exact);
  EXPECT_EQ(g_journal, (Journal{"else: Str ABC, Int 2", "match: Int 100"}));
}

TEST_F(FlowTest, CaseWithIntValueMatchesIntAndItsText) {
  TZECase arm;
  arm.Value = Int(5);
  arm.Data = Str("five");
  TProbe match("match"), other("else");
  arm.OnMatch = match.Wire();
  arm.OnElse = other.Wire();
  TWire test = MakeWire(0, &TZECase::Test, &arm);
  for (TData d : {Int(5), Str("5"), Str("05"), Int(6), Real(5.0)}) Fire(test, d);
  // '05' is text and compares as text with '5'.
  EXPECT_EQ(g_journal, (Journal{"match: Str five", "match: Str five", "else: Str 05",
                                "else: Int 6", "match: Str five"}));
}

struct TCompareCase {
  const char* what;
  TData a, b;
  uint8_t mode;
  bool holds;
};

TEST_F(FlowTest, CompareValuesTable) {
  TData icon;
  MakeIcon(icon, &icon);
  const TCompareCase cases[] = {
      {"text order folds letters", Str("apple"), Str("Banana"), cmLess, true},
      {"text order is not numeric", Str("10"), Int(9), cmLess, true},
      {"int against text as number", Int(10), Str("9"), cmLess, false},
      {"int against text greater", Int(10), Str("9"), cmGreater, true},
      {"null equals null", TData{}, TData{}, cmEqual, true},
      {"null in mode 5", TData{}, TData{}, cmNotEqual, true},
      {"null in mode 1", TData{}, TData{}, cmLess, true},
      {"null against int 0", TData{}, Int(0), cmEqual, false},
      {"null against text in mode 5", TData{}, Str("x"), cmNotEqual, false},
      {"int against null is 0", Int(0), TData{}, cmEqual, true},
      {"text equality is exact", Str("abc"), Str("ABC"), cmEqual, false},
      {"text inequality is exact", Str("abc"), Str("ABC"), cmNotEqual, true},
      {"folded equal is <=", Str("abc"), Str("ABC"), cmLessOrEqual, true},
      {"folded equal is >=", Str("abc"), Str("ABC"), cmGreaterOrEqual, true},
      {"folded equal is not <", Str("abc"), Str("ABC"), cmLess, false},
      {"prefix comes first", Str("ab"), Str("abc"), cmLess, true},
      {"bytes are unsigned", Str("я"), Str("z"), cmGreater, true},
      {"Cyrillic is not folded", Str("я"), Str("Я"), cmGreaterOrEqual, true},
      {"Cyrillic is not folded, <", Str("я"), Str("Я"), cmLessOrEqual, false},
      {"negative ints", Int(-3), Int(2), cmLess, true},
      {"int equal", Int(7), Int(7), cmGreaterOrEqual, true},
      {"int not equal", Int(7), Int(7), cmNotEqual, false},
      {"int against real rounds b", Int(2), Real(2.4), cmEqual, true},
      {"real against int", Real(2.5), Int(2), cmGreater, true},
      {"real against text", Real(2.5), Str("2.5"), cmEqual, true},
      {"real <=", Real(-1.0), Real(-1.0), cmLessOrEqual, true},
      {"other kinds are false", icon, icon, cmEqual, false},
      {"other kinds are false in mode 5", icon, Int(1), cmNotEqual, false},
      {"unknown mode", Int(1), Int(1), 6, false},
  };
  for (const TCompareCase& c : cases) {
    EXPECT_EQ(CompareValues(c.a, c.b, c.mode), c.holds) << c.what;
  }
}

TEST_F(FlowTest, IfElseForwardsTheReceivedRecordUnchanged) {
  TZEIf_else cmp;
  cmp.Type = cmLess;
  TProbe yes("true"), no("false");
  cmp.OnTrue = yes.Wire();
  cmp.OnFalse = no.Wire();
  TWire in = MakeWire(0, &TZEIf_else::Compare, &cmp);

  // Unwired, with Null properties: Op1 and Op2 are the first two values.
  TData c = Str("tail"), b = Int(4), a = Int(3);
  a.Next = &b;
  b.Next = &c;
  Fire(in, a);
  EXPECT_EQ(yes.lastAddress, &a);
  TData e = Int(3), d = Int(4);
  d.Next = &e;
  Fire(in, d);
  EXPECT_EQ(g_journal, (Journal{"true: Int 3, Int 4, Str tail", "false: Int 4, Int 3"}));
}

TEST_F(FlowTest, IfElseReadsPropertiesAndInputs) {
  TZEIf_else cmp;
  cmp.Type = cmGreater;
  cmp.Op2 = Int(0);  // an Int 0 property is a value, not absent
  TProbe yes("true"), no("false");
  cmp.OnTrue = yes.Wire();
  cmp.OnFalse = no.Wire();
  TWire in = MakeWire(0, &TZEIf_else::Compare, &cmp);
  for (TData d : {Int(1), Int(0), Int(-1)}) Fire(in, d);
  EXPECT_EQ(g_journal, (Journal{"true: Int 1", "false: Int 0", "false: Int -1"}));

  // A wired Op1 wins over the received record.
  g_journal.clear();
  TSource op1(Str("5"));
  cmp.Op1Input = op1.Wire();
  cmp.Type = cmEqual;
  cmp.Op2 = Int(5);
  TData d = Str("other");
  Fire(in, d);
  EXPECT_EQ(g_journal, (Journal{"true: Str other"}));
}

TEST_F(FlowTest, IfElseNullOperands) {
  TZEIf_else cmp;
  TProbe yes("true"), no("false");
  cmp.OnTrue = yes.Wire();
  cmp.OnFalse = no.Wire();
  TWire in = MakeWire(0, &TZEIf_else::Compare, &cmp);
  cmp.Type = cmEqual;
  TData n1;
  Fire(in, n1);
  cmp.Type = cmNotEqual;
  TData n2;
  Fire(in, n2);
  // Op1 Null from the record's end, Op2 the property.
  cmp.Op2 = Int(1);
  TData n3;
  Fire(in, n3);
  EXPECT_EQ(g_journal, (Journal{"true: Null", "true: Null", "false: Null"}));
}

TEST_F(FlowTest, GetIndexDataSelectsOneInput) {
  TZEGetIndexData get;
  get.SetCount(2);
  TSource second(Str("second"));
  get.Inputs[1] = second.Wire();
  TProbe out("index");
  get.OnIndex = out.Wire();
  TWire set = MakeWire(0, &TZEGetIndexData::SetIndex, &get);

  TData v;
  get.Value(v, 0);
  EXPECT_EQ(Show(v), "Null");

  TData one = Int(1);
  Fire(set, one);
  get.Value(v, 0);
  EXPECT_EQ(Show(v), "Str second");

  TData zero = Str("0");
  Fire(set, zero);
  get.Value(v, 0);
  EXPECT_EQ(Show(v), "NoSource");

  TData five = Int(5);
  Fire(set, five);
  v = Str("stale");
  get.Value(v, 0);
  EXPECT_EQ(Show(v), "Null");

  TData minus = Int(-1);
  Fire(set, minus);
  EXPECT_EQ(get.Selected, -1);
  EXPECT_EQ(g_journal, (Journal{"index: Int 1", "index: Int 0", "index: Int 5", "index: Int -1"}));

  // Resizing drops the selection.
  Fire(set, one);
  get.SetCount(3);
  EXPECT_EQ(get.Selected, -1);
}

TEST_F(FlowTest, MemoryWriteClearAndValue) {
  TZEMemory mem;
  mem.SetDefault(Int(7));
  TProbe change("change");
  mem.OnChange = change.Wire();
  TData v;
  mem.Value(v, 0);
  EXPECT_EQ(Show(v), "Int 7");

  // Unwired Data: the head of the record, without its chain.
  TData b = Str("b"), a = Str("a");
  a.Next = &b;
  Fire(MakeWire(0, &TZEMemory::Write, &mem), a);
  EXPECT_EQ(change.lastAddress, &a);
  mem.Value(v, 0);
  EXPECT_EQ(Show(v), "Str a");

  TSource src(Real(1.5));
  mem.Data = src.Wire();
  TData any = Int(99);
  Fire(MakeWire(0, &TZEMemory::Write, &mem), any);
  mem.Value(v, 0);
  EXPECT_EQ(Show(v), "Real 1.500000");

  TData c = Str("ignored");
  Fire(MakeWire(0, &TZEMemory::Clear, &mem), c);
  mem.Value(v, 0);
  EXPECT_EQ(Show(v), "Int 7");
  EXPECT_EQ(g_journal, (Journal{"change: Str a", "change: Real 1.500000", "change: Int 7"}));
}

}  // namespace
}  // namespace zorn
