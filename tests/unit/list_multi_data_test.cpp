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
  for (const TData* n = d.Kind == dtNull ? nullptr : d.Next; n; n = n->Next) s += ", " + TProbe::Describe(*n);
  return s;
}

// Values linked into a chain that the test owns.
struct TChain {
  explicit TChain(std::vector<std::string> texts) : nodes(texts.size()) {
    for (size_t i = 0; i < nodes.size(); ++i) {
      MakeStr(nodes[i], texts[i]);
      if (i > 0) nodes[i - 1].Next = &nodes[i];
    }
  }
  void Value(TData& data) { data = nodes.front(); }
  std::vector<TData> nodes;
};

TEST_F(ListMultiDataTest, FifoKeepsTheLatestValuesNewestFirst) {
  TZEMemFifo fifo;
  fifo.SetSize(2);
  MakeInt(*new (&fifo) TZEMemFifo, 0), void();  // placeholder removed below
}

}  // namespace
}  // namespace zorn::test
