// A string list lends its item texts through its array interface, and the
// array enumerator reads a lending list that way instead of asking Get.
#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

class ListLendTextTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    list.SetStrings("a\r\nb\r\nc");
    array = ArrayOf(list);
  }
  TZEStrList list;
  TArrayIntf* array = nullptr;
};

TEST_F(ListLendTextTest, LendsTheTextGetAnswersAndNothingPastTheItems) {
  ASSERT_NE(array->LendText, nullptr);
  for (int32_t i = 0; i < 3; ++i) {
    TData index, value;
    MakeInt(index, i);
    ASSERT_TRUE(array->Get(array->Self, index, value));
    const TStr* lent = array->LendText(array->Self, i);
    ASSERT_NE(lent, nullptr);
    EXPECT_EQ(lent->str(), value.StrValue.str());
    EXPECT_EQ(lent->c_str(), value.StrValue.c_str()) << "the list's own text, not a copy";
  }
  EXPECT_EQ(array->LendText(array->Self, -1), nullptr);
  EXPECT_EQ(array->LendText(array->Self, 3), nullptr);

  FireStr(MakeWire(0, &TZEStrList::Delete, &list), "0");
  EXPECT_EQ(array->LendText(array->Self, 0)->str(), "b");
  EXPECT_EQ(array->LendText(array->Self, 2), nullptr);
  list.SetStrings("");
  EXPECT_EQ(array->LendText(array->Self, 0), nullptr);
}

// The list's interface with Get counted, handed out by a data output.
class EnumLendingListTest : public ListLendTextTest {
 protected:
  void SetUp() override {
    ListLendTextTest::SetUp();
    counted = *array;
    counted.Self = this;
    counted.Get = [](void* self, const TData& index, TData& value) {
      auto* test = static_cast<EnumLendingListTest*>(self);
      ++test->gets;
      return test->array->Get(test->array->Self, index, value);
    };
    counted.Count = [](void* self) {
      auto* test = static_cast<EnumLendingListTest*>(self);
      return test->array->Count(test->array->Self);
    };
    counted.LendText = [](void* self, int32_t index) {
      auto* test = static_cast<EnumLendingListTest*>(self);
      return test->array->LendText(test->array->Self, index);
    };
    MakeArray(source.Answer, &counted);
    en.Array = MakeWire(0, &TSource::Value, &source);
    en.OnItem = MakeWire(0, &TCall::Take, &item);
    item.Fn = [this](TData& d, uint16_t) {
      TData index, copy;
      en.Index(index, 0);
      en.Item(copy, 0);
      journal.push_back(TProbe::Describe(d) + " " + ToStr(index) + " " + ToStr(copy) +
                        (d.Next ? " chained" : ""));
      if (onItem) onItem(d);
    };
  }
  Journal Run() {
    journal.clear();
    gets = 0;
    FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go");
    return journal;
  }

  TArrayIntf counted;
  int gets = 0;
  TSource source;
  TZEArrayEnum en;
  TCall item;
  std::function<void(TData&)> onItem;
  Journal journal;
};

TEST_F(EnumLendingListTest, SendsTheListsOwnTextsWithoutAskingGet) {
  std::vector<const char*> buffers;
  onItem = [&](TData& d) { buffers.push_back(d.StrValue.c_str()); };
  EXPECT_EQ(Run(), (Journal{"str a 0 a", "str b 1 b", "str c 2 c"}));
  EXPECT_EQ(gets, 0);
  ASSERT_EQ(buffers.size(), 3u);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(buffers[i], array->LendText(array->Self, i)->c_str());
  TData last;
  en.Item(last, 0);
  EXPECT_EQ(TProbe::Describe(last), "str c");

  en.Reverse = true;
  EXPECT_EQ(Run(), (Journal{"str c 2 c", "str b 1 b", "str a 0 a"}));
  EXPECT_EQ(gets, 0);
}

TEST_F(EnumLendingListTest, ReadsTheListAsItIsAtEveryItemLikeGet) {
  // Each item a receiver sees changes the list: the first deletes the
  // item after it, the second appends one, the receiver consumes its record.
  auto run = [&] {
    list.SetStrings("a\r\nb\r\nc");
    int seen = 0;
    onItem = [&](TData& d) {
      if (++seen == 1) FireStr(MakeWire(0, &TZEStrList::Delete, &list), "1");
      if (seen == 2) FireStr(MakeWire(0, &TZEStrList::Add, &list), "d");
      MakeInt(d, 7);
    };
    return Run();
  };
  const Journal expected{"str a 0 a", "str c 1 c", "str d 2 d"};
  EXPECT_EQ(run(), expected);
  EXPECT_EQ(gets, 0);

  counted.LendText = nullptr;  // the same answers through Get
  EXPECT_EQ(run(), expected);
  EXPECT_EQ(gets, 4);  // three items and the read past the end
}

}  // namespace
}  // namespace zorn::test
