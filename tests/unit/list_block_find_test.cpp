// Finding and replacing the blocks between a start and an end mark.
#include "elements/block_find.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Journal = std::vector<std::string>;

class ListBlockFindTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    find.StartMark = "[";
    find.EndMark = "]";
    find.OnBlock = MakeWire(0, &TCall::Take, &block);
    find.OnNotFound = MakeWire(0, &TCall::Take, &notFound);
    find.OnResult = MakeWire(0, &TCall::Take, &result);
  }
  Journal Find(const std::string& text) {
    journal.clear();
    FireStr(MakeWire(0, &TZEBlockFind::Find, &find), text);
    return journal;
  }
  TZEBlockFind find;
  Journal journal;
  TSource confirm;
  // Decides the confirmation of each block before the element asks for it.
  TCall block{[this](TData& d, uint16_t) {
    journal.push_back(ToStr(d));
    MakeInt(confirm.Answer, ToStr(d) == "b" || ToStr(d) == "d");
  }};
  TCall notFound{[this](TData& d, uint16_t) {
    journal.push_back("notfound " + TProbe::Describe(d));
  }};
  TCall result{[this](TData& d, uint16_t) { journal.push_back("= " + ToStr(d)); }};
};

TEST_F(ListBlockFindTest, TakesAListLineApart) {
  const std::string line = "Вход:(int) №\"12\" Мотор";
  find.StartMark = "Вход:(";
  find.EndMark = ") №\"";
  EXPECT_EQ(Find(line), (Journal{"int", "= " + line}));
  find.StartMark = "№\"";
  find.EndMark = "\"";
  EXPECT_EQ(Find(line), (Journal{"12", "= " + line}));
}

TEST_F(ListBlockFindTest, AnUnclosedLastMarkOrNoMarkIsNotFound) {
  find.IncludeMarks = true;
  EXPECT_EQ(Find("[1]x[2][3"), (Journal{"[1]", "[2]", "notfound null", "= [1]x[2][3"}));
  EXPECT_EQ(Find("] ["), (Journal{"notfound null", "= ] ["}));
  find.StartMark = "";
  EXPECT_EQ(Find("[1]"), (Journal{"notfound null", "= [1]"}));
}

TEST_F(ListBlockFindTest, ReplacesInsideOrWithTheMarksWithoutRescanning) {
  find.ReplaceMode = true;
  find.Replacement = "[[]]";
  EXPECT_EQ(Find("x[1]y[]").back(), "= x[[[]]]y[[[]]]");
  find.IncludeMarks = true;
  EXPECT_EQ(Find("x[1]y[]"), (Journal{"[1]", "[]", "= x[[]]y[[]]"}));
}

TEST_F(ListBlockFindTest, ConfirmationIsAskedAfterEachBlock) {
  find.ReplaceMode = true;
  find.AskConfirm = true;
  find.Replacement = "-";
  EXPECT_EQ(Find("[b]").back(), "= [b]");  // unwired: reads 0
  find.Confirm = MakeWire(0, &TSource::Value, &confirm);
  EXPECT_EQ(Find("[a][b][c][d]").back(), "= [a][-][c][-]");
}

}  // namespace
}  // namespace zorn::test
