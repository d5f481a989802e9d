// Reading an array by index and enumerating it.
#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

class ListArrayTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    list.SetStrings("a\r\nb\r\nc");
  }
  TWire ListArray() { return MakeWire(0, &TZEStrList::Array, &list); }
  TZEStrList list;
};

TEST_F(ListArrayTest, ReadTakesTheIndexFromInputPropertyOrRecord) {
  TZEArrayRW rw;
  TProbe read;
  rw.OnRead = MakeWire(0, &TProbe::Take, &read);
  TWire go = MakeWire(0, &TZEArrayRW::Read, &rw);
  FireStr(go, "1");  // no array: nothing
  rw.Array = ListArray();
  FireStr(go, "1");
  MakeInt(rw.Index, 2);
  FireStr(go, "0");  // the property wins over the record
  TSource at;
  MakeStr(at.Answer, "0");
  rw.IndexInput = MakeWire(0, &TSource::Value, &at);
  FireInt(go, 1);  // the wired input wins over both
  MakeStr(at.Answer, "x");
  FireNull(go);  // invalid: nothing fired, Item kept
  EXPECT_EQ(read.Seen, (Journal{"str b", "str c", "str a"}));
  TData item, count;
  rw.Item(item, 0);
  rw.Count(count, 0);
  EXPECT_EQ(TProbe::Describe(item) + ", " + TProbe::Describe(count), "str a, int 3");
}

class ListArrayEnumTest : public ListArrayTest {
 protected:
  void SetUp() override {
    ListArrayTest::SetUp();
    en.Array = ListArray();
    en.OnItem = MakeWire(0, &TCall::Take, &item);
    en.OnEnd = MakeWire(0, &TCall::Take, &end);
    en.OnStopped = MakeWire(0, &TCall::Take, &stopped);
  }
  Journal Enum() {
    journal.clear();
    FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go");
    return journal;
  }
  TZEArrayEnum en;
  Journal journal;
  std::string stopAt;
  // Journals each item with the Index output as seen then.
  TCall item{[this](TData& d, uint16_t) {
    TData index;
    en.Index(index, 0);
    journal.push_back(ToStr(d) + ToStr(index));
    if (ToStr(d) == stopAt) FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));
  }};
  TCall end{[this](TData& d, uint16_t) { journal.push_back("end " + TProbe::Describe(d)); }};
  TCall stopped{[this](TData&, uint16_t) { journal.push_back("stopped"); }};
};

TEST_F(ListArrayEnumTest, SendsEveryItemThenEnds) {
  EXPECT_EQ(Enum(), (Journal{"a0", "b1", "c2", "end null"}));
  en.Reverse = true;
  EXPECT_EQ(Enum(), (Journal{"c2", "b1", "a0", "end null"}));
  list.SetStrings("");
  EXPECT_EQ(Enum(), (Journal{"end null"}));
  en.Array = TWire{};
  EXPECT_EQ(Enum(), Journal{});
}

TEST_F(ListArrayEnumTest, StopEndsAfterTheCurrentItem) {
  stopAt = "b";
  EXPECT_EQ(Enum(), (Journal{"a0", "b1", "end null"}));
  en.FireOnStop = true;
  EXPECT_EQ(Enum(), (Journal{"a0", "b1", "stopped"}));
  stopAt = "c";  // a stop during the last item still counts
  EXPECT_EQ(Enum().back(), "stopped");
  stopAt = "";
  FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));  // outside: no effect
  EXPECT_EQ(Enum().back(), "end null");
}

}  // namespace
}  // namespace zorn::test
