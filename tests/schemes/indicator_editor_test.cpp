// The indicator editor dialog on the headless backend, opened from the
// indicator window (origin 1) and from the main list (origin 0), reading and
// writing a real user_settings.ini in a private program folder.
#include "app/editors/indicator_editor.h"
#include "app/editors/save_bars.h"
#include "editor_test_fixture.h"

namespace zorn::test {
namespace {

class IndicatorEditorTest : public EditorTest<TClassChildForm_IndicatorEditor> {
 protected:
  TClassChildPanel_IndicatorEditorSave& Bar() {
    return Inner<TClassChildPanel_IndicatorEditorSave>(D().saveBar);
  }
  ui::headless::THeadlessWidget& SaveButton() { return W(*Bar().save); }
  // What the operator sees: integer field, text field, condition list, its label.
  std::string Shown() {
    auto& d = D();
    std::string s;
    for (ui::TZEWin* c : std::initializer_list<ui::TZEWin*>{d.intValue, d.textValue, d.condition,
                                                          d.conditionLabel}) {
      s += W(*c).Showing() ? '+' : '-';
    }
    return s;
  }
  static std::string In(const std::string& type, const std::string& block) {
    return Entry("Вход:", type, block);
  }
  // Whether the dialog shows `reason` for a refused save: a label on its
  // own window, above the save bar.
  bool Told(const std::string& reason) {
    auto* label = backend.Find(ui::TWidgetKind::Label, reason);
    return label && label->Showing() && label->Parent() == D().form->Widget() &&
           label->Bounds().Top + label->Bounds().Height <= W(*Bar().panel).Bounds().Top;
  }
};

const std::string kValueReason = "Значение: десятичное, -2147483648…2147483647";
const std::string kWidthReason = "Ширина: десятичное, 0…2147483647";

TEST_F(IndicatorEditorTest, DiffersFromTheButtonEditorInWindowConditionListAndSaveBar) {
  Open("1;unit_1");
  auto& d = D();
  EXPECT_EQ(Form().Text(), "Редактирование индикатора");
  EXPECT_EQ(Form().Parent(), mainForm->Widget());
  EXPECT_EQ(static_cast<const ui::headless::THeadlessIcon&>(*Form().Icon()).Name, "ICON2");
  EXPECT_EQ(Form().Bounds().Width, 300);
  EXPECT_EQ(Form().Bounds().Height, 203);
  EXPECT_EQ(W(*d.conditionLabel).Text(), "Условие:");
  EXPECT_EQ(W(*d.condition).Items(), (Values{"=", "!=", ">", "<"}));
  EXPECT_EQ(W(*d.condition).Bounds(), (ui::TRect{130, 105, 150, 21}));
  auto& bar = Bar();
  EXPECT_EQ(W(*bar.panel).Bounds(), (ui::TRect{0, 138, 294, 37}));
  EXPECT_EQ(W(*bar.sound).Bounds(), (ui::TRect{5, 5, 150, 20}));
  EXPECT_EQ(W(*bar.sound).Text(), "Озвучивать изменения");
  EXPECT_EQ(backend.ToolTipsIfMade()->TipOf(&W(*bar.sound)), "Проигрывать звук при изменение состояния");
  EXPECT_EQ(SaveButton().Bounds(), (ui::TRect{167, 5, 106, 25}));
}

TEST_F(IndicatorEditorTest, AStoredRecordOpensWithItsConditionAndSignalAndSavesUnchanged) {
  folder.Write("user_settings.ini", "[indicatorForm]\r\nunit_4=1;3;50;2;Temp;90;1\r\n");
  Reported({"1;8"});
  Open("1;unit_4");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("int", "3")}));
  EXPECT_EQ(Shown(), "+-++");
  EXPECT_EQ(W(*d.intValue).Text(), "50");
  EXPECT_EQ(W(*d.condition).Text(), ">");
  EXPECT_TRUE(W(*Bar().sound).Checked());
  EXPECT_EQ(W(*d.caption).Text(), "Temp");
  EXPECT_EQ(W(*d.width).Text(), "90");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[indicatorForm]\r\nunit_4=1;3;50;2;Temp;90;1\r\n");
  EXPECT_EQ(events, (Values{"1 shown"}));
  EXPECT_FALSE(Form().Visible());

  // A new key afterwards starts from the defaults again.
  Open("1;unit_5");
  EXPECT_FALSE(W(*Bar().sound).Checked());
  EXPECT_EQ(W(*d.condition).Text(), "=");
  EXPECT_EQ(W(*d.block).Items(), (Values{In("int", "8")}));
}

TEST_F(IndicatorEditorTest, ANewKeyOffersTheInputBlocksAndTheCheckBoxGivesTheSignal) {
  Reported({"6;1", "0;5", "2;7", "7;2", "1;9"});
  Open("1;unit_2");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("bool", "5"), In("str", "7"), In("int", "9")}));
  EXPECT_EQ(Shown(), "----");  // bool: no value, no condition
  EXPECT_EQ(W(*d.condition).Text(), "=");
  EXPECT_FALSE(W(*Bar().sound).Checked());
  EXPECT_EQ(W(*d.caption).Text(), "Надпись");
  ASSERT_TRUE(W(*d.block).PickItem(1));
  EXPECT_EQ(Shown(), "-+--");  // str: the condition is kept, not shown
  ASSERT_TRUE(W(*d.block).PickItem(2));
  EXPECT_EQ(Shown(), "+-++");
  ASSERT_TRUE(W(*d.condition).PickItem(1));
  Retype(W(*d.intValue), "-4");
  ASSERT_TRUE(W(*Bar().sound).Click());
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[indicatorForm]\r\nunit_2=1;9;-4;1;Надпись;70;1\r\n");
}

TEST_F(IndicatorEditorTest, ABoolIndicatorSavesTheValueOneAndItsHiddenStoredCondition) {
  folder.Write("user_settings.ini", "[indicatorForm]\r\nunit_1=0;5;0;3;Door;70;0\r\n");
  Open("1;unit_1");
  EXPECT_EQ(Shown(), "----");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[indicatorForm]\r\nunit_1=0;5;1;3;Door;70;0\r\n");
}

TEST_F(IndicatorEditorTest, TheMainListEditsItsOwnSectionWithoutTheWidthAndIsReportedOnEventZero) {
  folder.Write("user_settings.ini", "[mainForm]\r\nunit_2=2;4;on;0;Mode;70;0\r\n");
  Open("0;unit_2");
  auto& d = D();
  EXPECT_FALSE(W(*d.width).Showing());
  EXPECT_FALSE(W(*d.widthLabel).Showing());
  EXPECT_EQ(W(*d.textValue).Text(), "on");
  Retype(W(*d.textValue), "off");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[mainForm]\r\nunit_2=2;4;off;0;Mode;70;0\r\n");
  EXPECT_EQ(events, (Values{"0 shown"}));
}

TEST_F(IndicatorEditorTest, ASaveWithoutBlockOrConditionWritesNothing) {
  Open("1;unit_3");  // nothing reported
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_FALSE(folder.Exists("user_settings.ini"));
  EXPECT_TRUE(Told("Не выбран блок"));

  const std::string file = "[indicatorForm]\r\nunit_3=1;3;5;7;Bad;70;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_3");
  EXPECT_EQ(W(*D().condition).Selected(), -1);  // condition 7 has no item
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told("Не выбрано условие"));
  EXPECT_FALSE(Told("Не выбран блок"));
}

TEST_F(IndicatorEditorTest, NumbersAreSavedAsTheTextsTheFieldsShow) {
  const std::string file = "[indicatorForm]\r\nunit_4=1;3;007;2;Temp;090;1\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_4");
  auto& d = D();
  EXPECT_EQ(W(*d.intValue).Text(), "007");
  EXPECT_EQ(W(*d.width).Text(), "090");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  // Typed numbers go in as typed, the ends of the range included.
  for (const std::string typed : {"-2147483648", "2147483647", "+05"}) {
    folder.Write("user_settings.ini", file);
    Open("1;unit_4");
    Retype(W(*d.intValue), typed);
    ASSERT_TRUE(SaveButton().Click());
    EXPECT_EQ(Settings(), "[indicatorForm]\r\nunit_4=1;3;" + typed + ";2;Temp;090;1\r\n");
  }
}

TEST_F(IndicatorEditorTest, ANumberTheProgramWouldWrapIsRefusedAndTheDialogSaysWhy) {
  const std::string file = "[indicatorForm]\r\nunit_1=1;3;3000000000;0;Temp;5000000000;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_1");
  auto& d = D();
  EXPECT_EQ(W(*d.intValue).Text(), "3000000000");
  EXPECT_FALSE(Told(kValueReason));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told(kValueReason));
  // Typed past either end of the range, or in hexadecimal, which the
  // controller does not take for an int block.
  for (const std::string typed : {"2147483648", "-2147483649", "4294967297", "$10", "0x10"}) {
    Open("1;unit_1");
    Retype(W(*d.intValue), typed);
    ASSERT_EQ(W(*d.intValue).Text(), typed);
    ASSERT_TRUE(SaveButton().Click());
    EXPECT_EQ(Settings(), file) << typed;
    EXPECT_TRUE(Told(kValueReason)) << typed;
  }
  // With the value mended, the width is the reason; with both, it saves.
  Open("1;unit_1");
  Retype(W(*d.intValue), "30");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(Told(kWidthReason));
  EXPECT_FALSE(Told(kValueReason));
  Retype(W(*d.width), "2147483647");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[indicatorForm]\r\nunit_1=1;3;30;0;Temp;2147483647;0\r\n");
  EXPECT_EQ(events, (Values{"1 shown"}));
  // An opening starts without the reason of the one before.
  folder.Write("user_settings.ini", file);
  Open("1;unit_1");
  ASSERT_TRUE(SaveButton().Click());
  Open("1;unit_1");
  EXPECT_FALSE(Told(kValueReason));
}

TEST_F(IndicatorEditorTest, TheMainListWritesItsHiddenWidthBackAsItWasRead) {
  folder.Write("user_settings.ini", "[mainForm]\r\nunit_2=1;4;5;0;Mode;5000000000;0\r\n");
  Open("0;unit_2");
  ASSERT_FALSE(W(*D().width).Showing());
  Retype(W(*D().intValue), "6");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[mainForm]\r\nunit_2=1;4;6;0;Mode;5000000000;0\r\n");
  EXPECT_EQ(events, (Values{"0 shown"}));
}

TEST_F(IndicatorEditorTest, AConditionWithoutAnItemIsShownForEveryTypeUntilOneIsChosen) {
  folder.Write("user_settings.ini",
               "[indicatorForm]\r\nunit_1=0;5;1;7;Door;70;0\r\nunit_2=2;4;on;9;Mode;70;0\r\n"
               "unit_3=0;6;1;3;Gate;70;0\r\n");
  Open("1;unit_2");
  auto& d = D();
  EXPECT_EQ(Shown(), "-+++");  // str: the condition to choose as well
  EXPECT_EQ(W(*d.condition).Selected(), -1);
  // A bool record with a condition of its own hides it again.
  Open("1;unit_3");
  EXPECT_EQ(Shown(), "----");

  Open("1;unit_1");
  EXPECT_EQ(Shown(), "--++");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Told("Не выбрано условие"));
  ASSERT_TRUE(W(*d.condition).PickItem(3));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(events, (Values{"1 shown"}));
  EXPECT_EQ(Settings(),
            "[indicatorForm]\r\nunit_1=0;5;1;3;Door;70;0\r\nunit_2=2;4;on;9;Mode;70;0\r\n"
            "unit_3=0;6;1;3;Gate;70;0\r\n");
  Open("1;unit_1");
  EXPECT_EQ(Shown(), "----");
}

TEST_F(IndicatorEditorTest, ATypeCodeWithoutANameKeepsItsCodeAndItsValueIsText) {
  const std::string file = "[indicatorForm]\r\nunit_1=3;5;abc;1;Odd;70;0\r\n";
  folder.Write("user_settings.ini", file);
  Reported({"4;8"});
  Open("1;unit_1");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("3", "5")}));
  EXPECT_EQ(Shown(), "-+++");
  EXPECT_EQ(W(*d.textValue).Text(), "abc");
  EXPECT_EQ(W(*d.condition).Text(), "!=");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_EQ(events, (Values{"1 shown"}));

  // A reported block of such a type is offered for a new key, too.
  Open("1;unit_2");
  EXPECT_EQ(W(*d.block).Items(), (Values{In("4", "8")}));
  Retype(W(*d.textValue), "x");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file + "unit_2=4;8;x;0;Надпись;70;0\r\n");
}

}  // namespace
}  // namespace zorn::test
