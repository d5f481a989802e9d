// Reading, enumerating and searching an array.
#include "elements/array_find.h"
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
  Journal journal;
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

TEST_F(ListArrayTest, EnumSendsEveryItemUntilTheEndOrAStop) {
  TZEArrayEnum en;
  en.Array = ListArray();
  std::string stopAt;
  TCall item([&](TData& d, uint16_t) {
    TData index;
    en.Index(index, 0);
    journal.push_back(ToStr(d) + ToStr(index));
    if (ToStr(d) == stopAt) FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));
  });
  TCall end([&](TData& d, uint16_t) { journal.push_back("end " + TProbe::Describe(d)); });
  TCall stopped([&](TData&, uint16_t) { journal.push_back("stopped"); });
  en.OnItem = MakeWire(0, &TCall::Take, &item);
  en.OnEnd = MakeWire(0, &TCall::Take, &end);
  en.OnStopped = MakeWire(0, &TCall::Take, &stopped);
  auto run = [&] {
    journal.clear();
    FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go");
    return journal;
  };
  EXPECT_EQ(run(), (Journal{"a0", "b1", "c2", "end null"}));
  stopAt = "b";
  EXPECT_EQ(run(), (Journal{"a0", "b1", "end null"}));
  en.FireOnStop = true;
  en.Reverse = true;
  EXPECT_EQ(run(), (Journal{"c2", "b1", "stopped"}));
  stopAt = "a";  // a stop during the last item still counts
  EXPECT_EQ(run().back(), "stopped");
  stopAt = "";
  FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));  // outside: no effect
  EXPECT_EQ(run().back(), "end null");
  list.SetStrings("");
  EXPECT_EQ(run(), (Journal{"end null"}));
  en.Array = TWire{};
  EXPECT_EQ(run(), Journal{});
}

class ListArrayFindTest : public ListArrayTest {
 protected:
  void SetUp() override {
    ListArrayTest::SetUp();
    list.SetStrings("bool\r\nint\r\nstr");
    find.Array = ListArray();
    find.OnResult = MakeWire(0, &TProbe::Take, &result);
  }
  // The index found for `key` as the Value property, checked against Index.
  int32_t Find(const std::string& key, bool asInt = false) {
    MakeStr(find.Value, key);
    FireNull(MakeWire(0, asInt ? &TZEArrayFind::FindInt : &TZEArrayFind::FindText, &find));
    TData index;
    find.Index(index, 0);
    EXPECT_EQ("int " + ToStr(index), result.Seen.back());
    return index.IntValue;
  }
  TZEArrayFind find;
  TProbe result;
};

TEST_F(ListArrayFindTest, FindsWholeItemsIgnoringCaseFromStart) {
  EXPECT_EQ(Find("INT"), 1);
  EXPECT_EQ(Find("in"), -1);
  EXPECT_EQ(Find(std::string("str\0junk", 8)), 2);  // compared up to the zero byte
  find.Partial = true;
  EXPECT_EQ(Find("NT"), 1);
  find.Start = 2;
  EXPECT_EQ(Find("INT"), -1);
  find.Start = -1;
  EXPECT_EQ(Find("bool"), -1);
}

TEST_F(ListArrayFindTest, FoldsCyrillicCaseAndComparesIntegers) {
  list.SetStrings("Импульсная кнопка\r\nПереключатель\r\nЁлка");
  EXPECT_EQ(Find("ПЕРЕКЛЮЧАТЕЛЬ"), 1);
  EXPECT_EQ(Find("ёЛКА"), 2);
  find.CaseSensitive = true;
  EXPECT_EQ(Find("ПЕРЕКЛЮЧАТЕЛЬ"), -1);
  list.SetStrings("4800\r\n019200\r\n\r\nx");
  EXPECT_EQ(Find("19200", true), 1);
  EXPECT_EQ(Find("0", true), 2);  // an empty or non-numeric item is 0
  EXPECT_EQ(Find("48", true), -1);
  EXPECT_EQ(Find(""), 2);
  find.Array = TWire{};
  EXPECT_EQ(Find("", true), -1);
}

}  // namespace
}  // namespace zorn::test
