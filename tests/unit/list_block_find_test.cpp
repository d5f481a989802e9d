// Finding and replacing the blocks between a start and an end mark.
#include <functional>
#include <string>
#include <vector>

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
  void Find(const std::string& text) { FireStr(MakeWire(0, &TZEBlockFind::Find, &find), text); }
  void Note(const std::string& what, const TData& d) {
    journal.push_back(what + " " + TProbe::Describe(d));
  }

  TZEBlockFind find;
  Journal journal;
  std::function<void(const std::string&)> onBlock;
  TCall block{[this](TData& d, uint16_t) {
    Note("block", d);
    if (onBlock) onBlock(ToStr(d));
  }};
  TCall notFound{[this](TData& d, uint16_t) { Note("notfound", d); }};
  TCall result{[this](TData& d, uint16_t) { Note("result", d); }};
};

TEST_F(ListBlockFindTest, TakesAListLineApart) {
  const std::string line = "Вход:(int) №\"12\" Мотор";
  find.StartMark = "Вход:(";
  find.EndMark = ") №\"";
  Find(line);
  find.StartMark = "№\"";
  find.EndMark = "\"";
  Find(line);
  EXPECT_EQ(journal, (Journal{"block str int", "result str " + line, "block str 12",
                              "result str " + line}));
}

TEST_F(ListBlockFindTest, ReportsEveryBlockAndAnUnclosedLastMark) {
  Find("x[1]y[2]z");
  find.IncludeMarks = true;
  Find("[1][2][3");
  EXPECT_EQ(journal, (Journal{"block str 1", "block str 2", "result str x[1]y[2]z",
                              "block str [1]", "block str [2]", "notfound null",
                              "result str [1][2][3"}));
}

TEST_F(ListBlockFindTest, NoBlockAtAll) {
  Find("no marks");
  Find("only ] end [ start");
  find.StartMark = "";
  Find("[1]");
  EXPECT_EQ(journal, (Journal{"notfound null", "result str no marks", "notfound null",
                              "result str only ] end [ start", "notfound null",
                              "result str [1]"}));
}

TEST_F(ListBlockFindTest, TextComesFromTheInputBeforeTheRecord) {
  TSource text;
  text.Answer.Kind = dtStr;
  text.Answer.StrValue = "<[in]>";
  find.Text = MakeWire(0, &TSource::Value, &text);
  Find("[record]");
  EXPECT_EQ(journal, (Journal{"block str in", "result str <[in]>"}));
}

TEST_F(ListBlockFindTest, ReplacesInsideOrWithTheMarks) {
  find.ReplaceMode = true;
  find.Replacement = "N";
  Find("x[1]y[22]z[]");
  find.IncludeMarks = true;
  Find("x[1]y[22]z[]");
  EXPECT_EQ(journal, (Journal{"block str 1", "block str 22", "block str ",
                              "result str x[N]y[N]z[N]", "block str [1]", "block str [22]",
                              "block str []", "result str xNyNzN"}));
}

TEST_F(ListBlockFindTest, InsertedReplacementIsNotSearchedAgain) {
  find.ReplaceMode = true;
  find.Replacement = "[[]]";
  find.IncludeMarks = true;
  Find("a[1]b");
  find.IncludeMarks = false;
  Find("a[1]b[2]");
  EXPECT_EQ(journal, (Journal{"block str [1]", "result str a[[]]b", "block str 1",
                              "block str 2", "result str a[[[]]]b[[[]]]"}));
}

TEST_F(ListBlockFindTest, ConfirmationIsAskedAfterEachBlock) {
  find.ReplaceMode = true;
  find.AskConfirm = true;
  find.Replacement = "-";
  // Unwired, the confirmation reads 0: nothing is replaced.
  Find("[a][b]");
  EXPECT_EQ(journal.back(), "result str [a][b]");

  // The block's receiver decides, and the element asks only afterwards.
  TSource confirm;
  find.Confirm = MakeWire(0, &TSource::Value, &confirm);
  onBlock = [&](const std::string& b) { MakeInt(confirm.Answer, b == "b" || b == "d"); };
  Find("[a][b][c][d]");
  EXPECT_EQ(journal.back(), "result str [a][-][c][-]");
  EXPECT_EQ(confirm.Reads, 4);
}

}  // namespace
}  // namespace zorn::test
