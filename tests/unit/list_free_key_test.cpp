// The free-key search: the order of the keys tried, what counts as a taken
// key, letter case, the bound of the search and the answer when all are taken.
#include "elements/free_key.h"
#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

// Records "unit_1" … for every number given, each with a value after its key.
std::string Records(std::initializer_list<int> numbers) {
  std::string text = "\r\n";  // the loaded lists start with one empty item
  for (int n : numbers) text += "unit_" + std::to_string(n) + ";5;12\r\n";
  return text;
}

// Records unit_first … unit_last.
std::string RecordRange(int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) text += "unit_" + std::to_string(n) + ";1\r\n";
  return text;
}

class ListFreeKeyTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    search.Array = MakeWire(0, &TZEStrList::Array, &records);
    search.OnKey = MakeWire(0, &TCall::Take, &key);
    search.OnNone = MakeWire(0, &TCall::Take, &none);
  }
  // Every report of one search: "key <text>" or "none <value>".
  Journal Find() {
    journal.clear();
    FireStr(MakeWire(0, &TZEFreeKey::Find, &search), "ignored");
    return journal;
  }

  TZEFreeKey search;
  TZEStrList records;
  Journal journal;
  TCall key{[this](TData& d, uint16_t) { journal.push_back("key " + TProbe::Describe(d)); }};
  TCall none{[this](TData& d, uint16_t) { journal.push_back("none " + TProbe::Describe(d)); }};
};

TEST_F(ListFreeKeyTest, WithoutARecordListTheFirstKeyIsFree) {
  search.Array = TWire{};
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
  TSource notAnArray;  // a text that looks like a record is no list
  MakeStr(notAnArray.Answer, "unit_1;5;12");
  search.Array = MakeWire(0, &TSource::Value, &notAnArray);
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
  EXPECT_GE(notAnArray.Reads, 1);
}

TEST_F(ListFreeKeyTest, TakesTheLowestFreeNumberWhateverTheRecordOrder) {
  records.SetStrings(Records({}));
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
  records.SetStrings(Records({4, 2, 1, 7}));
  EXPECT_EQ(Find(), (Journal{"key str unit_3"}));
  records.SetStrings(Records({2, 3}));
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
}

TEST_F(ListFreeKeyTest, ReadsTheListAgainOnEverySearch) {
  records.SetStrings(Records({1}));
  EXPECT_EQ(Find(), (Journal{"key str unit_2"}));
  FireStr(MakeWire(0, &TZEStrList::Add, &records), "unit_2;5;13");
  EXPECT_EQ(Find(), (Journal{"key str unit_3"}));
  FireInt(MakeWire(0, &TZEStrList::Delete, &records), 1);  // unit_1
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
}

TEST_F(ListFreeKeyTest, AKeyIsTheWholeTextBeforeTheFirstSemicolon) {
  records.SetStrings(
      "unit_2;unit_1;unit_3\r\n"  // only unit_2
      "unit_3\r\n"                // no value: the whole text
      "unit_10;1\r\n"             // more digits make another key
      "xunit_4;1\r\n");
  EXPECT_EQ(Find(), (Journal{"key str unit_1"}));
  FireStr(MakeWire(0, &TZEStrList::Add, &records), "unit_1;1");
  EXPECT_EQ(Find(), (Journal{"key str unit_4"}));
  FireStr(MakeWire(0, &TZEStrList::Add, &records), "unit_4");
  EXPECT_EQ(Find(), (Journal{"key str unit_5"}));
}

TEST_F(ListFreeKeyTest, LetterCaseIsIgnoredAndTheKeyKeepsThePrefixAsGiven) {
  records.SetStrings("UNIT_1;1\r\nUnit_2;1\r\n");
  EXPECT_EQ(Find(), (Journal{"key str unit_3"}));
  search.Prefix = "UNIT_";
  records.SetStrings("unit_1;1\r\n");
  EXPECT_EQ(Find(), (Journal{"key str UNIT_2"}));
  // Cyrillic letters fold too, as in the program's code page.
  search.Prefix = "Блок_";
  records.SetStrings("БЛОК_1;1\r\nблок_2;1\r\nбЛОК_3;1\r\n");
  EXPECT_EQ(Find(), (Journal{"key str Блок_4"}));
}

TEST_F(ListFreeKeyTest, ZeroComesAfterTheLastNumberAndEndsTheSearch) {
  records.SetStrings(RecordRange(1, 99));
  EXPECT_EQ(Find(), (Journal{"key str unit_100"}));
  records.SetStrings(RecordRange(1, 100));
  EXPECT_EQ(Find(), (Journal{"key str unit_0"}));
  records.SetStrings(RecordRange(0, 100));  // unit_101 is never tried
  EXPECT_EQ(Find(), (Journal{"none null"}));
  records.SetStrings(RecordRange(0, 56) + RecordRange(58, 100));
  EXPECT_EQ(Find(), (Journal{"key str unit_57"}));
}

TEST_F(ListFreeKeyTest, LastBoundsTheNumbersTried) {
  search.Last = 3;
  records.SetStrings(Records({1, 2, 3}));
  EXPECT_EQ(Find(), (Journal{"key str unit_0"}));
  records.SetStrings(Records({0, 1, 2, 3}));
  EXPECT_EQ(Find(), (Journal{"none null"}));
  search.Last = 0;  // only unit_0 is tried
  records.SetStrings(Records({}));
  EXPECT_EQ(Find(), (Journal{"key str unit_0"}));
  records.SetStrings(Records({0}));
  EXPECT_EQ(Find(), (Journal{"none null"}));
}

}  // namespace
}  // namespace zorn::test
