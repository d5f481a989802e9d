// Reading an array by index and enumerating it.
#include <functional>
#include <string>
#include <vector>

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

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

template <class E>
std::string Output(E& element, void (E::*output)(TData&, uint16_t)) {
  TData d;
  (element.*output)(d, 0);
  return TProbe::Describe(d);
}

TEST_F(ListArrayTest, ReadTakesTheIndexFromInputPropertyOrRecord) {
  TZEArrayRW rw;
  rw.Array = ListArray();
  TProbe read;
  rw.OnRead = MakeWire(0, &TProbe::Take, &read);
  TWire go = MakeWire(0, &TZEArrayRW::Read, &rw);
  EXPECT_EQ(Output(rw, &TZEArrayRW::Item), "null");

  FireStr(go, "1");
  rw.Index = Int(2);
  FireStr(go, "0");  // the property wins over the record
  TSource at;
  at.Answer = Str("0");
  rw.IndexInput = MakeWire(0, &TSource::Value, &at);
  FireInt(go, 1);  // the wired input wins over both
  EXPECT_EQ(read.Seen, (Journal{"str b", "str c", "str a"}));
  EXPECT_EQ(Output(rw, &TZEArrayRW::Item), "str a");

  // An invalid index fires nothing and keeps the last item.
  at.Answer = Str("x");
  FireNull(go);
  at.Answer = Int(3);
  FireNull(go);
  EXPECT_EQ(read.Seen.size(), 3u);
  EXPECT_EQ(Output(rw, &TZEArrayRW::Item), "str a");
  EXPECT_EQ(Output(rw, &TZEArrayRW::Count), "int 3");
}

TEST_F(ListArrayTest, ReadWithoutAnArrayDoesNothing) {
  TZEArrayRW rw;
  TProbe read;
  rw.OnRead = MakeWire(0, &TProbe::Take, &read);
  TData record = Int(0);
  Fire(MakeWire(0, &TZEArrayRW::Read, &rw), record);
  // A source that answers something other than an array is no array either.
  TSource notArray;
  notArray.Answer = Str("a\r\nb");
  rw.Array = MakeWire(0, &TSource::Value, &notArray);
  FireInt(MakeWire(0, &TZEArrayRW::Read, &rw), 0);
  EXPECT_TRUE(read.Seen.empty());
  EXPECT_EQ(TProbe::Describe(record), "int 0");
  TData count = Int(9);
  rw.Count(count, 0);
  EXPECT_EQ(TProbe::Describe(count), "int 9");
}

class ListArrayEnumTest : public ListArrayTest {
 protected:
  void SetUp() override {
    ListArrayTest::SetUp();
    en.Array = ListArray();
    // Each item is journalled with the Index and Item outputs as seen then.
    item.Fn = [this](TData& d, uint16_t) {
      journal.push_back(ToStr(d) + "@" + Output(en, &TZEArrayEnum::Index) + " " +
                        Output(en, &TZEArrayEnum::Item));
      if (onItem) onItem(ToStr(d));
    };
    en.OnItem = MakeWire(0, &TCall::Take, &item);
    en.OnEnd = MakeWire(0, &TCall::Take, &end);
    en.OnStopped = MakeWire(0, &TCall::Take, &stopped);
  }
  void Enum() { FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go"); }
  void StopAt(const std::string& at) {
    onItem = [this, at](const std::string& s) {
      if (s == at) FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));
    };
  }

  TZEArrayEnum en;
  std::function<void(const std::string&)> onItem;
  TCall item;
  TCall end{[this](TData& d, uint16_t) { journal.push_back("end " + TProbe::Describe(d)); }};
  TCall stopped{[this](TData& d, uint16_t) { journal.push_back("stopped " + TProbe::Describe(d)); }};
};

TEST_F(ListArrayEnumTest, SendsEveryItemThenEnds) {
  Enum();
  EXPECT_EQ(journal, (Journal{"a@int 0 str a", "b@int 1 str b", "c@int 2 str c", "end null"}));
  journal.clear();
  en.Reverse = true;
  Enum();
  EXPECT_EQ(journal, (Journal{"c@int 2 str c", "b@int 1 str b", "a@int 0 str a", "end null"}));
}

TEST_F(ListArrayEnumTest, EmptyListOnlyEndsAndNoArrayFiresNothing) {
  list.SetStrings("");
  Enum();
  en.Reverse = true;
  Enum();
  EXPECT_EQ(journal, (Journal{"end null", "end null"}));
  journal.clear();
  en.Array = TWire{};
  Enum();
  EXPECT_TRUE(journal.empty());
}

TEST_F(ListArrayEnumTest, StopEndsAfterTheCurrentItem) {
  StopAt("b");
  Enum();
  EXPECT_EQ(journal, (Journal{"a@int 0 str a", "b@int 1 str b", "end null"}));
  journal.clear();
  en.FireOnStop = true;
  Enum();
  EXPECT_EQ(journal, (Journal{"a@int 0 str a", "b@int 1 str b", "stopped null"}));
  journal.clear();
  // A stop during the last item still counts as a stop.
  StopAt("c");
  Enum();
  EXPECT_EQ(journal.back(), "stopped null");
  EXPECT_EQ(journal.size(), 4u);
}

TEST_F(ListArrayEnumTest, StopOutsideAnEnumerationHasNoEffect) {
  en.FireOnStop = true;
  FireNull(MakeWire(0, &TZEArrayEnum::Stop, &en));
  Enum();
  EXPECT_EQ(journal.size(), 4u);
  EXPECT_EQ(journal.back(), "end null");
}

TEST_F(ListArrayEnumTest, ItemsDeletedDuringTheEnumerationAreNotVisited) {
  // Deleting from the list while it is walked must neither skip past the
  // end nor read a removed item.
  onItem = [this](const std::string& s) {
    if (s == "a") FireInt(MakeWire(0, &TZEStrList::Delete, &list), 2);
  };
  Enum();
  EXPECT_EQ(journal, (Journal{"a@int 0 str a", "b@int 1 str b", "end null"}));
}

}  // namespace
}  // namespace zorn::test
