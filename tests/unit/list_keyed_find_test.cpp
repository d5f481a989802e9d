// The keyed text search of a string list: the same index as a visit of the
// items, through every way the list changes.
#include <cstdint>
#include <string>
#include <vector>

#include "elements/array_find.h"
#include "elements/cyrillic_case.h"
#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

class ListKeyedFindTest : public RuntimeTest {
 protected:
  TArrayIntf& Interface() { return *ArrayOf(list); }
  // The keyed answer for `key` (folded by the caller, as the search does).
  int32_t Keyed(const std::string& key, bool caseSensitive, int32_t start, int32_t end) {
    TArrayIntf& a = Interface();
    return a.FindText(a.Self, key, caseSensitive, start, end);
  }
  // The answer of a visit of the items through Get.
  int32_t Visited(const std::string& key, bool caseSensitive, int32_t start, int32_t end) {
    TArrayIntf& a = Interface();
    for (int32_t i = start < 0 ? end : start; i < end; ++i) {
      TData at, item;
      MakeInt(at, i);
      if (!a.Get(a.Self, at, item)) break;
      std::string text = ToStr(item);
      if (!caseSensitive) text = LowerCyrillic(text);
      if (text == key) return i;
    }
    return -1;
  }
  // Every key of `keys` from every start, both ways, keyed against visited.
  void ExpectSameAnswers(const std::vector<std::string>& keys) {
    TArrayIntf& a = Interface();
    const int32_t count = a.Count(a.Self);
    for (const std::string& raw : keys) {
      for (bool caseSensitive : {false, true}) {
        const std::string key = caseSensitive ? raw : LowerCyrillic(raw);
        for (int32_t start = -1; start <= count + 1; ++start) {
          for (int32_t end : {count, count - 1}) {
            EXPECT_EQ(Keyed(key, caseSensitive, start, end), Visited(key, caseSensitive, start, end))
                << "key '" << raw << "' case " << caseSensitive << " from " << start << " to " << end;
          }
        }
      }
    }
  }
  void Add(const std::string& text) {
    TSource source;
    MakeStr(source.Answer, text);
    list.Str = MakeWire(0, &TSource::Value, &source);
    FireNull(MakeWire(0, &TZEStrList::Add, &list));
    list.Str = TWire{};
  }

  TZEStrList list;
  const std::vector<std::string> keys{"A", "b", "a", "Ёж", "ёЖ", "", "none", "c"};
};

TEST_F(ListKeyedFindTest, FindsTheFirstEqualItemFromStart) {
  list.SetStrings("A\r\nb\r\na\r\nЁж\r\n\r\nb");
  EXPECT_EQ(Keyed("a", false, 0, 6), 0);
  EXPECT_EQ(Keyed("a", false, 1, 6), 2);  // past the first: the next one
  EXPECT_EQ(Keyed("a", true, 0, 6), 2);
  EXPECT_EQ(Keyed("b", false, 2, 6), 5);
  EXPECT_EQ(Keyed("b", false, 2, 5), -1);  // beyond the end it is not seen
  EXPECT_EQ(Keyed("ёж", false, 0, 6), 3);
  EXPECT_EQ(Keyed("", false, 0, 6), 4);
  EXPECT_EQ(Keyed("a", false, -1, 6), -1);
  ExpectSameAnswers(keys);
}

TEST_F(ListKeyedFindTest, FollowsEveryChangeOfTheList) {
  list.SetStrings("A\r\nb\r\na");
  ExpectSameAnswers(keys);  // both lookups made
  Add("ёЖ");
  Add("A");
  ExpectSameAnswers(keys);
  EXPECT_EQ(Keyed("a", true, 0, 5), 2);
  EXPECT_EQ(Keyed("ёж", false, 0, 5), 3);
  TData at;
  MakeInt(at, 0);
  FireCopy(MakeWire(0, &TZEStrList::Delete, &list), at);
  ExpectSameAnswers(keys);
  EXPECT_EQ(Keyed("a", false, 0, 4), 1);
  TArrayIntf& a = Interface();
  TData text;
  MakeStr(text, "c");
  a.Set(a.Self, at, text);
  ExpectSameAnswers(keys);
  EXPECT_EQ(Keyed("b", false, 0, 4), -1);
  a.Add(a.Self, text);
  ExpectSameAnswers(keys);
  EXPECT_EQ(Keyed("c", false, 1, 5), 4);
  FireNull(MakeWire(0, &TZEStrList::Clear, &list));
  EXPECT_EQ(Keyed("c", false, 0, 0), -1);
  Add("c");
  EXPECT_EQ(Keyed("c", false, 0, 1), 0);
  list.SetStrings("x\r\nc");
  EXPECT_EQ(Keyed("c", false, 0, 2), 1);
  ExpectSameAnswers(keys);
}

// A key read that changes the list: the search covers the items counted
// before the read, as a visit does, where a missing item reads as Null.
TEST_F(ListKeyedFindTest, ASearchWhoseReadChangesTheListVisitsTheCountedItems) {
  list.SetStrings("a\r\nb\r\nc");
  TZEArrayFind find;
  TProbe result;
  find.Array = MakeWire(0, &TZEStrList::Array, &list);
  find.OnResult = MakeWire(0, &TProbe::Take, &result);
  TCall shrinking([&](TData& d, uint16_t) {
    TData at;
    MakeInt(at, 0);
    FireCopy(MakeWire(0, &TZEStrList::Delete, &list), at);
    MakeStr(d, "");
  });
  find.ValueInput = MakeWire(0, &TCall::Take, &shrinking);
  FireNull(MakeWire(0, &TZEArrayFind::FindText, &find));
  // Items b, c, then the third counted index, gone, as the empty text.
  EXPECT_EQ(result.Seen, (std::vector<std::string>{"int 2"}));
}

}  // namespace
}  // namespace zorn::test
