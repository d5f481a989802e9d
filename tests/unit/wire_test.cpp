// Firing, forwarding, reading with fallbacks, the two phases, start handlers
// and global variables.
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/global_var.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using WireTest = RuntimeTest;

// Three unwired inputs with empty defaults read in a row, then a fourth.
class TThreeReader : public TElement {
 public:
  void Run(TData& data, uint16_t) {
    a = ReadStr(data, A, "");
    b = ReadInt(data, B, 0);
    c = ReadReal(data, C, 0.0);
    d = ReadStr(data, D, "");
    leftKind = data.Kind;
  }
  TWire A, B, C, D;
  std::string a, d;
  int32_t b = -1;
  double c = -1;
  uint8_t leftKind = 99;
};

TEST_F(WireTest, UnwiredFireAndForwardLeaveTheRecord) {
  TWire none;
  TData d;
  MakeStr(d, "keep");
  Fire(none, d);
  EXPECT_EQ(ToStr(d), "keep");

  TPassOn pass;  // forwards to its unwired Out
  TWire toPass = MakeWire(0, &TPassOn::Take, &pass);
  Fire(toPass, d);
  EXPECT_EQ(d.Kind, dtStr) << "forward flag must be cleared";
  EXPECT_EQ(ToStr(d), "keep");
}

TEST_F(WireTest, ForwardingRunsSuccessorsInOrderWithTheSameRecord) {
  TPassOn first, second;
  TProbe probe;
  first.Out = MakeWire(0, &TPassOn::Take, &second);
  second.Out = MakeWire(7, &TProbe::Take, &probe);
  TWire in = MakeWire(0, &TPassOn::Take, &first);
  FireInt(in, 42);
  ASSERT_EQ(probe.Seen, std::vector<std::string>{"int 42"});
  EXPECT_EQ(probe.Indexes[0], 7);
}

// Each link records how deep the stack is when it runs.
class TDepthPass : public TElement {
 public:
  void Take(TData& data, uint16_t) {
    char here;
    auto at = reinterpret_cast<uintptr_t>(&here);
    lowest = std::min(lowest, at);
    highest = std::max(highest, at);
    ForwardTo(data, Out);
  }
  TWire Out;
  static inline uintptr_t lowest = UINTPTR_MAX, highest = 0;
};

TEST_F(WireTest, ForwardingChainRunsAtConstantDepth) {
  constexpr int kLength = 100000;
  std::vector<std::unique_ptr<TDepthPass>> chain;
  for (int i = 0; i < kLength; ++i) chain.push_back(std::make_unique<TDepthPass>());
  for (int i = 0; i + 1 < kLength; ++i)
    chain[i]->Out = MakeWire(0, &TDepthPass::Take, chain[i + 1].get());
  TProbe end;
  chain.back()->Out = MakeWire(0, &TProbe::Take, &end);
  TWire in = MakeWire(0, &TDepthPass::Take, chain[0].get());
  FireStr(in, "through");
  EXPECT_EQ(end.Seen, std::vector<std::string>{"str through"});
  EXPECT_LT(TDepthPass::highest - TDepthPass::lowest, 256u);
}

TEST_F(WireTest, PropertyWinsOverTheRecordAndEmptyPropertyConsumesIt) {
  TWire unwired;
  TData d;
  MakeStr(d, "from record");
  EXPECT_EQ(ReadStr(d, unwired, "abc"), "abc");
  EXPECT_EQ(ToStr(d), "from record") << "the record is not consumed";

  TData second;
  MakeInt(second, 5);
  d.Next = &second;
  EXPECT_EQ(ReadStr(d, unwired, ""), "from record");
  EXPECT_EQ(d.Kind, dtInt) << "the record moves on to its next value";
  EXPECT_EQ(ReadInt(d, unwired, 0), 5);
  EXPECT_EQ(d.Kind, dtNull);
}

TEST_F(WireTest, UnwiredInputsTakeSuccessiveChainValues) {
  TData n2, n3;
  MakeInt(n2, 12);
  MakeStr(n3, "2.5");
  TData head;
  MakeStr(head, "one");
  head.Next = &n2;
  n2.Next = &n3;
  TThreeReader reader;
  TWire in = MakeWire(0, &TThreeReader::Run, &reader);
  Fire(in, head);
  EXPECT_EQ(reader.a, "one");
  EXPECT_EQ(reader.b, 12);
  EXPECT_DOUBLE_EQ(reader.c, 2.5);
  EXPECT_EQ(reader.d, "");
  EXPECT_EQ(reader.leftKind, dtNull);
  EXPECT_EQ(n2.Kind, dtInt) << "readers never change the owner's nodes";
}

TEST_F(WireTest, WiredAnswerWinsAndNoSourceFallsBack) {
  TSource source;
  MakeInt(source.Answer, 9);
  TWire w = MakeWire(0, &TSource::Value, &source);
  TData d;
  MakeInt(d, 1);
  EXPECT_EQ(ReadInt(d, w, 4), 9);
  EXPECT_EQ(ToInt(d), 1) << "a wired read does not touch the record";

  source.Answer.Kind = dtNoSource;
  EXPECT_EQ(ReadInt(d, w, 4), 4);
  EXPECT_EQ(ReadInt(d, w, 0), 1) << "NoSource falls back like an unwired input";
  EXPECT_EQ(d.Kind, dtNull);
}

TEST_F(WireTest, ReadValueAndChainFallbacks) {
  TWire unwired;
  TData n2;
  MakeInt(n2, 2);
  TData head;
  MakeInt(head, 1);
  head.Next = &n2;

  TData def;
  MakeStr(def, "default");
  TData v;
  ReadValue(head, unwired, &def, v);
  EXPECT_EQ(ToStr(v), "default");
  EXPECT_EQ(v.Next, nullptr);

  ReadValue(head, unwired, nullptr, v);
  EXPECT_EQ(ToInt(v), 1);
  EXPECT_EQ(v.Next, nullptr) << "a value read detaches the chain";
  EXPECT_EQ(ToInt(head), 2);

  MakeInt(head, 1);
  head.Next = &n2;
  TData all;
  ReadChain(head, unwired, nullptr, all);
  EXPECT_EQ(ToInt(all), 1);
  EXPECT_EQ(all.Next, &n2) << "a chain read takes the whole chain";
  EXPECT_EQ(head.Kind, dtNull);
  EXPECT_EQ(head.Next, nullptr);
}

TEST_F(WireTest, HandleReadsOnlyTakeTheirKind) {
  TWire unwired;
  int stream = 0;
  TData d;
  MakeStr(d, "text");
  EXPECT_EQ(ReadStream(d, unwired, nullptr), nullptr);
  EXPECT_EQ(ToStr(d), "text") << "a record of another kind is not consumed";
  MakeStream(d, &stream);
  EXPECT_EQ(ReadStream(d, unwired, nullptr), &stream);
  EXPECT_EQ(d.Kind, dtNull);

  TSource source;
  MakeStr(source.Answer, "not an array");
  EXPECT_EQ(ReadArray(MakeWire(0, &TSource::Value, &source)), nullptr);
  EXPECT_EQ(ReadArray(unwired), nullptr);
}

TEST(WirePhaseTest, NothingFiresOrReadsDuringConstruction) {
  ResetRuntimeForTests();
  TProbe probe;
  TSource source;
  MakeStr(source.Answer, "live");
  TWire event = MakeWire(0, &TProbe::Take, &probe);
  TWire input = MakeWire(0, &TSource::Value, &source);
  TData d;
  MakeStr(d, "record");
  FireInt(event, 1);
  EXPECT_TRUE(probe.Seen.empty());
  EXPECT_EQ(ReadStr(d, input, "property"), "") << "wired: no fallback while building";
  EXPECT_EQ(source.Reads, 0);

  StartLiveDispatch();
  FireInt(event, 1);
  EXPECT_EQ(ReadStr(d, input, "property"), "live");
  EXPECT_EQ(probe.Seen.size(), 1u);
  ResetRuntimeForTests();
}

// A start handler that, when told to, queues a further handler.
class TStarter : public TElement {
 public:
  TStarter(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
  void Start() {
    log_.push_back(name_);
    if (spawn) RegisterStartHandler(&TStarter::Start, spawn);
  }
  TStarter* spawn = nullptr;

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

TEST(StartHandlerTest, RunInOrderIncludingThoseQueuedWhileRunning) {
  ResetRuntimeForTests();
  std::vector<std::string> log;
  TStarter a(log, "a"), b(log, "b"), late(log, "late"), later(log, "later");
  a.spawn = &late;
  late.spawn = &later;
  RegisterStartHandler(&TStarter::Start, &a);
  RegisterStartHandler(&TStarter::Start, &b);
  EXPECT_FALSE(SchemeStarted());
  StartDispatch();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "late", "later"}));
  EXPECT_TRUE(SchemeStarted());
  EXPECT_TRUE(DispatchLive());
  RunStartHandlers();
  EXPECT_EQ(log.size(), 4u) << "the queue is emptied";
  ResetRuntimeForTests();
}

TEST_F(WireTest, GlobalVariablesShareOneValueCaseInsensitively) {
  TZEGlobalVar upper, lower, other;
  upper.SetName("Time_Refresh");
  lower.SetName("time_refresh");
  other.SetName("другое");
  TProbe written;
  upper.OnWrite = MakeWire(0, &TProbe::Take, &written);

  TData tail;
  MakeInt(tail, 2);
  TData head;
  MakeInt(head, 5);
  head.Next = &tail;
  TWire write = MakeWire(0, &TZEGlobalVar::Write, &upper);
  Fire(write, head);

  TData v;
  lower.Value(v, 0);
  EXPECT_EQ(ToInt(v), 5);
  EXPECT_EQ(v.Next, nullptr) << "only the head is stored";
  EXPECT_EQ(written.Seen, std::vector<std::string>{"int 5"});
  other.Value(v, 0);
  EXPECT_EQ(v.Kind, dtNull);

  TZEGlobalVar withDefault;
  withDefault.SetName("TIME_REFRESH");
  TData three;
  MakeInt(three, 3);
  withDefault.SetDefault(three);
  lower.Value(v, 0);
  EXPECT_EQ(ToInt(v), 3) << "a default overwrites the shared value";

  TZEGlobalVar unbound;
  unbound.SetName("");
  unbound.SetDefault(three);
  unbound.Value(v, 0);
  EXPECT_EQ(v.Kind, dtNull);
}

TEST_F(WireTest, GlobalVariableRebindsByName) {
  TZEGlobalVar a, b;
  a.SetName("x");
  b.SetName("y");
  TData v;
  MakeInt(v, 8);
  b.Write(v, 0);
  TData name;
  MakeStr(name, "Y");
  a.SetNameAction(name, 0);
  a.Value(v, 0);
  EXPECT_EQ(ToInt(v), 8);
}

}  // namespace
}  // namespace zorn::test
