// The string list: the text-to-lines rule, its actions and outputs, and the
// array interface the list readers use.
#include <string>
#include <vector>

#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Lines = std::vector<std::string>;
using ListStrListTest = RuntimeTest;

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

std::string TextOf(TZEStrList& list) {
  TData d;
  list.Text(d, 0);
  return ToStr(d);
}

TArrayIntf* ArrayOf(TZEStrList& list) {
  TData d;
  list.Array(d, 0);
  EXPECT_EQ(d.Kind, dtArray);
  return static_cast<TArrayIntf*>(d.Object);
}

TEST(ListTextToLines, BreaksAtCarriageReturns) {
  EXPECT_EQ(TextToLines("bool\r\nint\r\nstr"), (Lines{"bool", "int", "str"}));
  EXPECT_EQ(TextToLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(TextToLines("a\n\nb"), (Lines{"a\n\nb"}));
  EXPECT_EQ(TextToLines("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(TextToLines(""), Lines{});
  EXPECT_EQ(TextToLines("a\rb\r"), (Lines{"a", "b"}));
  // Only one LF belongs to a break; the second starts the next item.
  EXPECT_EQ(TextToLines("a\r\n\nb"), (Lines{"a", "\nb"}));
  EXPECT_EQ(TextToLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(TextToLines("\n"), (Lines{"\n"}));
}

TEST(ListTextToLines, ProgramListsKeepTheirPositionsAndBlanks) {
  Lines codes = TextToLines("\r\n\r\n\r\n\r\n\r\nbool\r\nint\r\nstr");
  ASSERT_EQ(codes.size(), 8u);
  EXPECT_EQ(codes[4], "");
  EXPECT_EQ(codes[5], "bool");
  EXPECT_EQ(codes[7], "str");
  Lines ops = TextToLines("равно\r\nне равно\r\nбольше\r\nменьше ");
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[3], "меньше ");
}

TEST_F(ListStrListTest, StringsReplaceTheItemsAndEndAtAZeroByte) {
  TZEStrList list;
  list.SetStrings("x\r\ny\r\nz");
  list.SetStrings("a\r\nb");
  EXPECT_EQ(list.Items(), (Lines{"a", "b"}));
  EXPECT_EQ(TextOf(list), "a\r\nb\r\n");
  list.SetStrings(std::string("a\r\nb\0c\r\nd", 9));
  EXPECT_EQ(list.Items(), (Lines{"a", "b"}));
  list.SetStrings("");
  EXPECT_EQ(TextOf(list), "");
  TData count;
  list.Count(count, 0);
  EXPECT_EQ(TProbe::Describe(count), "int 0");
}

TEST_F(ListStrListTest, AddTakesTheInputOrTheHeadAndReportsAfterwards) {
  TZEStrList list;
  TSource source;
  std::vector<std::string> seen;
  // OnChange runs after the change: the receiver already sees the new item.
  TCall watch([&](TData& d, uint16_t) { seen.push_back(TProbe::Describe(d) + " " + TextOf(list)); });
  list.OnChange = MakeWire(0, &TCall::Take, &watch);
  TWire add = MakeWire(0, &TZEStrList::Add, &list);

  TData second = Str("second");
  TData head = Int(7);
  head.Next = &second;
  Fire(add, head);
  EXPECT_EQ(seen, (Lines{"null 7\r\n"}));

  list.Str = MakeWire(0, &TSource::Value, &source);
  source.Answer = Str(std::string("ab\0cd", 5));
  FireStr(add, "ignored");
  EXPECT_EQ(list.Items(), (Lines{"7", "ab"}));
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ListStrListTest, DeleteNeedsAValidIndexAndClearAlwaysReports) {
  TZEStrList list;
  list.SetStrings("a\r\nb\r\nc\r\nd");
  TProbe changes;
  list.OnChange = MakeWire(0, &TProbe::Take, &changes);
  TWire del = MakeWire(0, &TZEStrList::Delete, &list);

  FireStr(del, "1");
  EXPECT_EQ(list.Items(), (Lines{"a", "c", "d"}));
  FireInt(del, 0);
  EXPECT_EQ(list.Items(), (Lines{"c", "d"}));
  EXPECT_EQ(changes.Seen.size(), 2u);

  for (const char* bad : {"x", "-1", "2", "", "-0"}) FireStr(del, bad);
  FireInt(del, 2);
  FireNull(del);
  EXPECT_EQ(list.Items(), (Lines{"c", "d"}));
  EXPECT_EQ(changes.Seen.size(), 2u);

  TWire clear = MakeWire(0, &TZEStrList::Clear, &list);
  FireStr(clear, "x");
  FireNull(clear);
  EXPECT_TRUE(list.Items().empty());
  EXPECT_EQ(changes.Seen, (Lines{"null", "null", "null", "null"}));
}

TEST_F(ListStrListTest, ArrayInterfaceIsMadeOnceAndWorksOnTheItems) {
  TZEStrList list;
  list.SetStrings("a\r\nb");
  TArrayIntf* array = ArrayOf(list);
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(ArrayOf(list), array);

  TData value = Str("untouched");
  EXPECT_TRUE(array->Get(array->Self, Str("1"), value));
  EXPECT_EQ(TProbe::Describe(value), "str b");
  value = Str("untouched");
  for (const TData& bad : {Str("x"), Str("-1"), Str(""), Int(2), Int(-1), TData{}}) {
    EXPECT_FALSE(array->Get(array->Self, bad, value));
  }
  EXPECT_EQ(TProbe::Describe(value), "str untouched");

  array->Set(array->Self, Int(0), Int(42));
  array->Set(array->Self, Int(2), Str("beyond"));
  array->Set(array->Self, Str("x"), Str("nowhere"));
  array->Add(array->Self, Str(std::string("c\0d", 3)));
  EXPECT_EQ(list.Items(), (Lines{"42", "b", "c"}));
  EXPECT_EQ(array->Count(array->Self), 3);

  // The interface follows the list's later changes.
  list.SetStrings("");
  EXPECT_EQ(array->Count(array->Self), 0);
  EXPECT_FALSE(array->Get(array->Self, Int(0), value));
}

}  // namespace
}  // namespace zorn::test
