// TZEOncePerKey on the virtual clock: one pass per text and interval.
#include "link/once_per_key.h"

#include <gtest/gtest.h>

#include "platform/virtual_loop.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

class OncePerKeyTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::SetEventLoop(&loop);
    gate.OnPass = MakeWire(0, &TProbe::Take, &out);
  }
  void TearDown() override {
    platform::SetEventLoop(nullptr);
    RuntimeTest::TearDown();
  }
  void Pass(const std::string& s) { FireStr(MakeWire(0, &TZEOncePerKey::Pass, &gate), s); }

  platform::TVirtualLoop loop;
  TZEOncePerKey gate;
  TProbe out;
};

TEST_F(OncePerKeyTest, EachTextPassesOncePerInterval) {
  using Seen = std::vector<std::string>;
  Pass("127.0.0.3");
  Pass("127.0.0.3");
  EXPECT_EQ(out.Seen, Seen{"str 127.0.0.3"});
  loop.Advance(30000);
  Pass("127.0.0.4");
  Pass("127.0.0.3");
  EXPECT_EQ(out.Seen, (Seen{"str 127.0.0.3", "str 127.0.0.4"})) << "each text has its own minute";
  loop.Advance(29999);
  Pass("127.0.0.3");
  EXPECT_EQ(out.Seen.size(), 2u) << "a minute has not passed yet";
  loop.Advance(1);
  Pass("127.0.0.3");
  Pass("127.0.0.4");
  EXPECT_EQ(out.Seen, (Seen{"str 127.0.0.3", "str 127.0.0.4", "str 127.0.0.3"}));
  loop.Advance(30000);
  Pass("127.0.0.4");
  EXPECT_EQ(out.Seen.size(), 4u);
  EXPECT_EQ(out.Seen.back(), "str 127.0.0.4");
}

TEST_F(OncePerKeyTest, AFloodOfTextsIsHeldAtTheBound) {
  for (size_t i = 0; i < TZEOncePerKey::MaxKeys + 10; ++i) Pass("key " + std::to_string(i));
  EXPECT_EQ(out.Seen.size(), TZEOncePerKey::MaxKeys);
  loop.Advance(60000);
  Pass("key 5000");
  EXPECT_EQ(out.Seen.back(), "str key 5000") << "room again once the interval ended";
}

}  // namespace
}  // namespace zorn::test
