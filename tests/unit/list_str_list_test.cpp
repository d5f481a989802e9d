// The string list: the text-to-lines rule, its actions and its array interface.
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

TEST(ListTextToLines, BreaksAtCarriageReturnsOnly) {
  EXPECT_EQ(TextToLines("bool\r\nint\r\nstr"), (Lines{"bool", "int", "str"}));
  EXPECT_EQ(TextToLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(TextToLines("a\n\nb"), (Lines{"a\n\nb"}));
  EXPECT_EQ(TextToLines("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(TextToLines(""), Lines{});
  EXPECT_EQ(TextToLines("a\rb\r\n\nc\r\r\nd"), (Lines{"a", "b", "\nc", "", "d"}));
  EXPECT_EQ(TextToLines("\r\n\r\n\r\n\r\n\r\nbool\r\nint\r\nstr")[5], "bool");
}

TEST_F(ListStrListTest, ActionsChangeTheItemsBeforeTheyReport) {
  TZEStrList list;
  list.SetStrings(std::string("x\r\na\0b\r\nc", 9));  // cut at the zero byte
  Lines seen;
  TCall watch([&](TData& d, uint16_t) {
    TData text;
    list.Text(text, 0);
    seen.push_back(TProbe::Describe(d) + " " + ToStr(text));
  });
  list.OnChange = MakeWire(0, &TCall::Take, &watch);

  TData second = Str("second"), head = Str("y");
  head.Next = &second;
  Fire(MakeWire(0, &TZEStrList::Add, &list), head);  // takes the head only
  for (const char* bad : {"x", "-1", "3", "", "-0"}) {
    FireStr(MakeWire(0, &TZEStrList::Delete, &list), bad);
  }
  FireStr(MakeWire(0, &TZEStrList::Delete, &list), "0");
  FireNull(MakeWire(0, &TZEStrList::Clear, &list));
  EXPECT_EQ(seen, (Lines{"null x\r\na\r\ny\r\n", "null a\r\ny\r\n", "null "}));
}

TEST_F(ListStrListTest, ArrayInterfaceIsMadeOnceAndFollowsTheList) {
  TZEStrList list;
  list.SetStrings("a\r\nb");
  TData out, again;
  list.Array(out, 0);
  list.Array(again, 0);
  ASSERT_EQ(out.Kind, dtArray);
  EXPECT_EQ(out.Object, again.Object);
  auto* array = static_cast<TArrayIntf*>(out.Object);

  TData value = Str("untouched");
  EXPECT_TRUE(array->Get(array->Self, Str("1"), value));
  EXPECT_EQ(TProbe::Describe(value), "str b");
  value = Str("untouched");
  for (const char* bad : {"x", "-1", "", "2"}) {
    EXPECT_FALSE(array->Get(array->Self, Str(bad), value));
  }
  EXPECT_EQ(TProbe::Describe(value), "str untouched");

  TData i42;
  MakeInt(i42, 42);
  array->Set(array->Self, Str("0"), i42);
  array->Set(array->Self, Str("2"), Str("beyond"));
  array->Add(array->Self, Str(std::string("c\0d", 3)));
  EXPECT_EQ(list.Items(), (Lines{"42", "b", "c"}));
  list.SetStrings("");
  EXPECT_EQ(array->Count(array->Self), 0);
}

}  // namespace
}  // namespace zorn::test
