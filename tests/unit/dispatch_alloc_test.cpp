// Dispatch allocates nothing: forwarding reuses the received record and fired
// records live on the caller's stack. The test program counts every heap
// allocation made while counting is switched on.
#include <atomic>
#include <cstdlib>
#include <new>

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "support/elements.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

// Every form that pairs with these is replaced too: a block from the
// library's nothrow new (std::stable_sort's buffer) would otherwise reach
// the free() below, which AddressSanitizer reports as a mismatch.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (g_counting) ++g_allocations;
  return std::malloc(size ? size : 1);
}
void* operator new(std::size_t size) {
  if (void* p = operator new(size, std::nothrow)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace zorn::test {
namespace {

// Counts what reaches it without allocating.
class TCounter : public TElement {
 public:
  void Take(TData& data, uint16_t) {
    ++calls;
    length += data.StrValue.size();
  }
  long calls = 0;
  size_t length = 0;
};

using DispatchAllocationTest = RuntimeTest;

TEST_F(DispatchAllocationTest, ForwardingChainAndHubFanOutAllocateNothing) {
  constexpr int kLength = 10000;
  std::vector<TPassOn> chain(kLength);
  TZEHub hub;
  hub.SetOutCount(3);
  TCounter counter;
  for (int i = 0; i + 1 < kLength; ++i) chain[i].Out = MakeWire(0, &TPassOn::Take, &chain[i + 1]);
  chain.back().Out = MakeWire(0, &TZEHub::Distribute, &hub);
  for (auto& out : hub.Outputs) out = MakeWire(0, &TCounter::Take, &counter);
  TWire in = MakeWire(0, &TPassOn::Take, &chain[0]);

  // A text far beyond any small-string buffer, made before counting starts.
  TStr text(std::string(1000, 'x'));
  TData chained;
  MakeInt(chained, 1);
  TData head;
  MakeStr(head, text);
  head.Next = &chained;

  g_allocations = 0;
  g_counting = true;
  Fire(in, head);
  FireInt(in, 7);
  FireStr(in, text);
  g_counting = false;

  EXPECT_EQ(g_allocations, 0);
  EXPECT_EQ(counter.calls, 9);
  EXPECT_EQ(counter.length, 6000u);
}

TEST_F(DispatchAllocationTest, ASplitIsOneAllocationAndFindingItAgainNone) {
  const TStr line("1;12;57;rest");
  g_allocations = 0;
  g_counting = true;
  const TStrSplit* split = line.Split(';', 0, 3);
  const long made = g_allocations;
  const TStrSplit* again = line.Split(';', 0, 3);
  TStr part = split->Parts[1];
  g_counting = false;
  EXPECT_EQ(made, 1);
  EXPECT_EQ(g_allocations, 1);
  EXPECT_EQ(again, split);
  EXPECT_EQ(part.str(), "12");
}

// A list visited item by item: each item split and its second part compared
// with the line's, as the line matchers do. Once every item was split, a
// visit allocates nothing.
TEST_F(DispatchAllocationTest, VisitingSplitListItemsAllocatesNothing) {
  TZEStrList list;
  list.SetStrings("unit_1;1;12;5\r\nunit_2;2;13;5\r\nunit_3;1;14;5\r\n");
  TZEMultiStrPart line, record;
  line.Delimiter = record.Delimiter = ";";
  line.SetCount(3);
  record.SetCount(4);
  TZEArrayEnum records;
  TZEIf_else sameType;
  TCounter concerned;
  records.Array = MakeWire(0, &TZEStrList::Array, &list);
  records.OnItem = MakeWire(0, &TZEMultiStrPart::Split, &record);
  record.OnSplit = MakeWire(0, &TZEIf_else::Compare, &sameType);
  sameType.Op1Input = MakeWire(0, &TZEMultiStrPart::Part, &line);
  sameType.Op2Input = MakeWire(1, &TZEMultiStrPart::Part, &record);
  sameType.OnTrue = MakeWire(0, &TCounter::Take, &concerned);
  line.OnSplit = MakeWire(0, &TZEArrayEnum::Enum, &records);
  const TWire in = MakeWire(0, &TZEMultiStrPart::Split, &line);

  const TStr text("1;12;40");
  FireStr(in, text);  // splits the line and every item
  g_allocations = 0;
  g_counting = true;
  FireStr(in, text);
  FireStr(in, text);
  g_counting = false;
  EXPECT_EQ(g_allocations, 0);
  EXPECT_EQ(concerned.calls, 6);
}

}  // namespace
}  // namespace zorn::test
