// Dispatch allocates nothing: forwarding reuses the received record and fired
// records live on the caller's stack. The test program counts every heap
// allocation made while counting is switched on.
#include <atomic>
#include <cstdlib>
#include <new>

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

}  // namespace
}  // namespace zorn::test
