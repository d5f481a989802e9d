// The ring of recent values, and splitting and joining multi-value records.
#include <functional>
#include <string>
#include <vector>

#include "elements/multi_data.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;
using ListMultiDataTest = RuntimeTest;

TData Str(const std::string& s) {
  TData d;
  MakeStr(d, s);
  return d;
}

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

// A record with its whole chain, values separated by ", ".
std::string ShowChain(const TData& d) {
  std::string s = TProbe::Describe(d);
  for (const TData* n = d.Next; n && d.Kind != dtNull; n = n->Next) {
    s += ", " + TProbe::Describe(*n);
    if (n->Kind == dtNull) break;
  }
  return s;
}

// A data output answering a chain of values it owns.
class TChainSource : public TElement {
 public:
  explicit TChainSource(std::vector<TData> values) : nodes(std::move(values)) {
    for (size_t i = 0; i + 1 < nodes.size(); ++i) nodes[i].Next = &nodes[i + 1];
  }
  void Value(TData& data, uint16_t) { data = nodes.front(); }
  std::vector<TData> nodes;
};

std::string FifoItem(TZEMemFifo& fifo, uint16_t k) {
  TData d;
  fifo.Item(d, k);
  return TProbe::Describe(d);
}

TEST_F(ListMultiDataTest, FifoKeepsTheLatestValuesNewestFirst) {
  TZEMemFifo fifo;
  fifo.SetSize(2);
  TProbe out;
  fifo.OnOut = MakeWire(0, &TProbe::Take, &out);
  TWire push = MakeWire(0, &TZEMemFifo::Push, &fifo);
  EXPECT_EQ(FifoItem(fifo, 0), "null");
  FireInt(push, 5);
  FireInt(push, 7);
  EXPECT_EQ(FifoItem(fifo, 0), "int 7");
  EXPECT_EQ(FifoItem(fifo, 1), "int 5");
  FireStr(push, "9");
  EXPECT_EQ(out.Seen, (Journal{"null", "null", "int 5"}));
  EXPECT_EQ(FifoItem(fifo, 0), "str 9");
  EXPECT_EQ(FifoItem(fifo, 1), "int 7");
  EXPECT_EQ(FifoItem(fifo, 2), "null");
}

TEST_F(ListMultiDataTest, FifoStartsFullOfInitialWhicheverIsSetFirst) {
  TZEMemFifo fifo;
  fifo.SetInitial(Int(-1));
  fifo.SetSize(3);
  TZEMemFifo other;
  other.SetSize(3);
  other.SetInitial(Int(-1));
  for (TZEMemFifo* f : {&fifo, &other}) {
    TProbe out;
    f->OnOut = MakeWire(0, &TProbe::Take, &out);
    TSource data;
    f->Data = MakeWire(0, &TSource::Value, &data);
    for (int i = 1; i <= 4; ++i) {
      data.Answer = Int(i);
      FireStr(MakeWire(0, &TZEMemFifo::Push, f), "not this");
    }
    EXPECT_EQ(out.Seen, (Journal{"int -1", "int -1", "int -1", "int 1"}));
    EXPECT_EQ(FifoItem(*f, 0) + FifoItem(*f, 1) + FifoItem(*f, 2), "int 4int 3int 2");
  }
}

TEST_F(ListMultiDataTest, FifoWithoutSlotsDoesNothing) {
  TZEMemFifo fifo;
  fifo.SetSize(0);
  TProbe out;
  fifo.OnOut = MakeWire(0, &TProbe::Take, &out);
  FireInt(MakeWire(0, &TZEMemFifo::Push, &fifo), 1);
  EXPECT_TRUE(out.Seen.empty());
  EXPECT_EQ(FifoItem(fifo, 0), "null");
}

class ListMultiDataSplitTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    split.SetCount(2);
    for (uint16_t i = 0; i < 2; ++i) split.OnValue[i] = MakeWire(i, &TCall::Take, &value);
  }
  void Split(TData& record) { Fire(MakeWire(0, &TZEMT_MultiData::Split, &split), record); }

  TZEMT_MultiData split;
  Journal journal;
  std::function<void(uint16_t)> onValue;
  TCall value{[this](TData& d, uint16_t i) {
    journal.push_back(std::to_string(i + 1) + ": " + ShowChain(d));
    if (onValue) onValue(i);
  }};
};

TEST_F(ListMultiDataSplitTest, SendsOneValueOnEachEvent) {
  TData c = Str("c"), b = Int(2), a = Str("a");
  a.Next = &b;
  b.Next = &c;
  Split(a);
  EXPECT_EQ(a.Kind, dtNull) << "the received record is taken";
  split.Skip = 1;
  TData record = a = Str("a");
  record.Next = &b;
  Split(record);
  split.Skip = 3;
  record = a;
  Split(record);
  EXPECT_EQ(journal, (Journal{"1: str a", "2: int 2", "1: int 2", "2: str c"}));
}

TEST_F(ListMultiDataSplitTest, StopsWhenValuesRunOut) {
  TData b = TData{}, a = Int(1);
  a.Next = &b;  // a Null node ends the chain
  Split(a);
  TData none;
  Split(none);
  EXPECT_EQ(journal, (Journal{"1: int 1"}));
}

TEST_F(ListMultiDataSplitTest, WorksOnItsOwnCopyOfTheChain) {
  TChainSource source({Str("x"), Str("y"), Str("z")});
  split.Data = MakeWire(0, &TChainSource::Value, &source);
  // The owner of the chain reuses its nodes while the events run.
  onValue = [&](uint16_t) { source.nodes[1] = Str("changed"); };
  TData record = Int(5);
  Split(record);
  EXPECT_EQ(journal, (Journal{"1: str x", "2: str y"}));
  EXPECT_EQ(record.Kind, dtInt) << "a wired input leaves the record alone";
}

TEST_F(ListMultiDataSplitTest, ASplitInsideAnEventKeepsTheOuterValues) {
  onValue = [&](uint16_t i) {
    if (i != 0 || journal.size() > 1) return;
    TData q = Str("q"), p = Str("p");
    p.Next = &q;
    Split(p);
  };
  TData b = Str("b"), a = Str("a");
  a.Next = &b;
  Split(a);
  EXPECT_EQ(journal, (Journal{"1: str a", "1: str p", "2: str q", "2: str b"}));
}

class ListMultiDataJoinTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    join.SetCount(2);
    join.OnResult = MakeWire(0, &TCall::Take, &result);
  }
  void Join(TData record) { Fire(MakeWire(0, &TzeMT_AddData::Join, &join), record); }

  TzeMT_AddData join;
  Journal journal;
  // Consumes the chain as a reader does, to show the nodes are still freed.
  TCall result{[this](TData& d, uint16_t) {
    journal.push_back(ShowChain(d));
    TData v;
    while (d.Kind != dtNull) ReadValue(d, TWire{}, nullptr, v);
  }};
};

TEST_F(ListMultiDataJoinTest, UnwiredInputsGiveDefaultNeverTheRecord) {
  Join(Str("record"));
  join.Default = Int(5);
  Join(Str("record"));
  EXPECT_EQ(journal, (Journal{"null", "int 5, int 5"}));
}

TEST_F(ListMultiDataJoinTest, AppendsEveryChainInInputOrder) {
  join.SetCount(4);
  TChainSource first({Str("a"), Str("b")});
  TSource nothing;  // answers Null: adds nothing
  TSource third;
  third.Answer = Int(3);
  TSource boundary;  // nothing connected behind it: the default steps in
  boundary.Answer.Kind = dtNoSource;
  join.Default = Str("d");
  join.Values[0] = MakeWire(0, &TChainSource::Value, &first);
  join.Values[1] = MakeWire(0, &TSource::Value, &nothing);
  join.Values[2] = MakeWire(0, &TSource::Value, &third);
  join.Values[3] = MakeWire(0, &TSource::Value, &boundary);
  Join(Str("record"));
  Join(TData{});
  EXPECT_EQ(journal, (Journal{"str a, str b, int 3, str d", "str a, str b, int 3, str d"}));
  EXPECT_EQ(first.nodes[0].Next, &first.nodes[1]) << "the source's chain is not touched";
}

}  // namespace
}  // namespace zorn::test
