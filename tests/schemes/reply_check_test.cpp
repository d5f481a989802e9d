// The reply filter: accepted lines, delivery errors and dropped lines.
#include "link/reply_check.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using ReplyCheck = TClassMultiElement_ReplyCheck;

class ReplyCheckTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    host.SetEventCount(2);
    host.SetFactory(&SchemeFactory<TClassMultiElement_ReplyCheck>);
    host.Events[ReplyCheck::OnLine] = MakeWire(0, &TProbe::Take, &accepted);
    host.Events[ReplyCheck::OnMessage] = MakeWire(0, &TProbe::Take, &errors);
  }
  void Line(const std::string& text) {
    FireStr(MakeWire(ReplyCheck::Line, &TZEMultiElement::Action, &host), text);
  }

  TZEMultiElement host;
  TProbe accepted, errors;
};

TEST_F(ReplyCheckTest, AcceptsTypeBlockValueLinesUnchanged) {
  Line("1;3;12");
  Line("1;3;12\r");  // TCP keeps the CR
  Line("7;2;a;b");
  Line("0;5;");
  EXPECT_EQ(accepted.Seen, (std::vector<std::string>{"str 1;3;12", "str 1;3;12\r", "str 7;2;a;b",
                                                    "str 0;5;"}));
  EXPECT_TRUE(errors.Seen.empty());
}

TEST_F(ReplyCheckTest, ReportsDeliveryErrorsAndDropsEverythingElse) {
  Line("ERROR;7");
  Line("error;7");
  Line("ERROR");
  Line("12;3;4");
  Line("1;3");
  Line("garbage");
  Line("");
  EXPECT_TRUE(accepted.Seen.empty());
  EXPECT_EQ(errors.Seen, std::vector<std::string>{"str Ошибка доставки блоку выхода № 7"});
}

}  // namespace
}  // namespace zorn::test
