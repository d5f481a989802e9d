// The ring of recent values, and splitting and joining multi-value records.
#include "elements/multi_data.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;
using ListMultiDataTest = RuntimeTest;

// A record with its chain, values separated by ", ".
std::string ShowChain(const TData& d) {
  std::string s = TProbe::Describe(d);
  for (const TData* n = d.Kind == dtNull ? nullptr : d.Next; n; n = n->Next) {
    s += ", " + TProbe::Describe(*n);
  }
  return s;
}

// Str values linked into a chain that the test owns; answers it as a source.
class TChain : public TElement {
 public:
  explicit TChain(const std::vector<std::string>& texts) : nodes(texts.size()) {
    for (size_t i = 0; i < nodes.size(); ++i) {
      MakeStr(nodes[i], texts[i]);
      if (i > 0) nodes[i - 1].Next = &nodes[i];
    }
  }
  void Value(TData& data, uint16_t) { data = nodes.front(); }
  std::vector<TData> nodes;
};

TEST_F(ListMultiDataTest, FifoKeepsTheLatestValuesNewestFirst) {
  TZEMemFifo fifo;
  fifo.SetSize(2);
  TData initial;
  MakeInt(initial, -1);
  fifo.SetInitial(initial);  // after Size, it still fills every slot
  TProbe out;
  fifo.OnOut = MakeWire(0, &TProbe::Take, &out);
  for (int32_t v : {5, 7, 9}) FireInt(MakeWire(0, &TZEMemFifo::Push, &fifo), v);
  Journal items;
  for (uint16_t k = 0; k < 3; ++k) {
    TData d;
    fifo.Item(d, k);
    items.push_back(TProbe::Describe(d));
  }
  EXPECT_EQ(out.Seen, (Journal{"int -1", "int -1", "int 5"}));
  EXPECT_EQ(items, (Journal{"int 9", "int 7", "null"}));
  fifo.SetSize(0);
  FireInt(MakeWire(0, &TZEMemFifo::Push, &fifo), 1);
  EXPECT_EQ(out.Seen.size(), 3u);
}

TEST_F(ListMultiDataTest, SplitSendsOneValuePerEventFromItsOwnCopy) {
  TZEMT_MultiData split;
  split.SetCount(2);
  Journal journal;
  TChain chain({"a", "b", "c"});
  bool nest = true;
  TCall value([&](TData& d, uint16_t i) {
    journal.push_back(std::to_string(i + 1) + ": " + ShowChain(d));
    chain.nodes[1].StrValue = "changed";  // the owner reuses its nodes
    if (nest) {  // a nested Split must not disturb this one
      nest = false;
      TChain inner({"p"});
      Fire(MakeWire(0, &TZEMT_MultiData::Split, &split), inner.nodes[0]);
    }
  });
  for (uint16_t i = 0; i < 2; ++i) split.OnValue[i] = MakeWire(i, &TCall::Take, &value);
  TData record = chain.nodes[0];
  Fire(MakeWire(0, &TZEMT_MultiData::Split, &split), record);
  EXPECT_EQ(record.Kind, dtNull) << "the received record is taken";
  split.Skip = 1;
  split.Data = MakeWire(0, &TChain::Value, &chain);
  FireNull(MakeWire(0, &TZEMT_MultiData::Split, &split));
  EXPECT_EQ(journal, (Journal{"1: str a", "1: str p", "2: str b", "1: str changed", "2: str c"}));
}

TEST_F(ListMultiDataTest, JoinAppendsEveryInputButNeverTheRecord) {
  TzeMT_AddData join;
  join.SetCount(4);
  Journal journal;
  // Consumes the chain as a reader does; the nodes must still be released.
  TCall result([&](TData& d, uint16_t) {
    journal.push_back(ShowChain(d));
    TData v;
    while (d.Kind != dtNull) ReadValue(d, TWire{}, nullptr, v);
  });
  join.OnResult = MakeWire(0, &TCall::Take, &result);
  FireStr(MakeWire(0, &TzeMT_AddData::Join, &join), "record");

  TChain first({"a", "b"});
  TSource null, boundary;  // Null adds nothing; NoSource takes Default
  boundary.Answer.Kind = dtNoSource;
  MakeStr(join.Default, "d");
  join.Values[0] = MakeWire(0, &TChain::Value, &first);
  join.Values[1] = MakeWire(0, &TSource::Value, &null);
  join.Values[2] = MakeWire(0, &TSource::Value, &boundary);
  FireStr(MakeWire(0, &TzeMT_AddData::Join, &join), "record");
  EXPECT_EQ(journal, (Journal{"null", "str a, str b, str d, str d"}));
  EXPECT_EQ(first.nodes[0].Next, &first.nodes[1]);
}

}  // namespace
}  // namespace zorn::test
