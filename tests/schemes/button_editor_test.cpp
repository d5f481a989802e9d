// The button editor dialog on the headless backend, built on demand under a
// main form as the main scheme builds it, reading and writing a real
// user_settings.ini in a private program folder.
#include "app/editors/button_editor.h"
#include "app/editors/save_bars.h"
#include "editor_test_fixture.h"

namespace zorn::test {
namespace {

using ui::headless::THeadlessBitmap;

class ButtonEditorTest : public EditorTest<TClassChildForm_ButtonEditor> {
 protected:
  ui::headless::THeadlessWidget& SaveButton() {
    return W(*Inner<TClassChildPanel_EditorSave>(D().saveBar).save);
  }
  // Which value controls the operator sees: value label, integer field, text field.
  std::string Shown() {
    auto& d = D();
    std::string s;
    for (ui::TZEWin* c : std::initializer_list<ui::TZEWin*>{d.valueLabel, d.intValue, d.textValue}) {
      s += W(*c).Showing() ? '+' : '-';
    }
    return s;
  }
  static std::string Out(const std::string& type, const std::string& block) {
    return Entry("Выход:", type, block);
  }
  // Whether the dialog shows `reason` for a refused save: a label on its
  // own window, above the save bar.
  bool Told(const std::string& reason) {
    auto* label = backend.Find(ui::TWidgetKind::Label, reason);
    auto& bar = Inner<TClassChildPanel_EditorSave>(D().saveBar);
    return label && label->Showing() && label->Parent() == D().form->Widget() &&
           label->Bounds().Top + label->Bounds().Height <= W(*bar.panel).Bounds().Top;
  }
};

const Values kAllKinds = {"Импульсная кнопка", "Переключатель", "Кнопка с зажатием",
                          "Установка значения"};

TEST_F(ButtonEditorTest, IsBuiltAtTheFirstOpeningAsAChildOfTheMainWindow) {
  EXPECT_EQ(host->Child, nullptr);
  Open("1;unit_1");
  ASSERT_NE(host->Child, nullptr);
  auto& d = D();
  EXPECT_TRUE(Form().Visible());
  EXPECT_EQ(Form().Text(), "Редактирование кнопки");
  EXPECT_EQ(Form().Parent(), mainForm->Widget());
  EXPECT_EQ(Form().Args().BorderStyle, 3);
  ASSERT_TRUE(Form().Icon());
  EXPECT_EQ(static_cast<const ui::headless::THeadlessIcon&>(*Form().Icon()).Name, "ICON3");
  EXPECT_EQ(Form().Bounds(), (ui::TRect{(1024 - 292) / 2, (768 - 205) / 2, 292, 205}));
  ASSERT_TRUE(W(*d.background).Bitmap());
  EXPECT_EQ(static_cast<const THeadlessBitmap&>(*W(*d.background).Bitmap()).Name, "BITMAP9");

  struct TExpect {
    ui::TZEWin* Control;
    ui::TRect Place;
    const char* Hint;
  };
  auto* tips = backend.ToolTipsIfMade();
  ASSERT_NE(tips, nullptr);
  for (const TExpect& e : std::vector<TExpect>{
           {d.captionLabel, {5, 5, 118, 17}, ""},
           {d.caption, {130, 5, 150, 20}, "Надпись на элементе (СИМВОЛЫ '=' и ';' НЕ ИСПОЛЬЗОВАТЬ)"},
           {d.widthLabel, {5, 30, 91, 20}, ""},
           {d.width, {130, 30, 150, 20}, "Ширина элемента"},
           {d.block, {130, 55, 150, 21}, "bit"},
           {d.intValue, {130, 80, 150, 20}, "Значение с которым сравнивается "},
           {d.kindLabel, {5, 105, 70, 20}, ""},
           {d.kind, {130, 105, 150, 21}, "Условие включения идикатора"},
       }) {
    EXPECT_EQ(W(*e.Control).Bounds(), e.Place) << W(*e.Control).Text();
    EXPECT_EQ(tips->TipOf(&W(*e.Control)), e.Hint);
    EXPECT_EQ(W(*e.Control).Font().Name, "MS Sans Serif");
  }
  auto& bar = Inner<TClassChildPanel_EditorSave>(d.saveBar);
  EXPECT_EQ(W(*bar.panel).Bounds(), (ui::TRect{0, 140, 286, 37}));
  EXPECT_EQ(SaveButton().Bounds(), (ui::TRect{172, 5, 106, 25}));
  EXPECT_EQ(SaveButton().Text(), "Сохранить");
  EXPECT_EQ(tips->TipOf(&SaveButton()), "После сохранения редактируемое окно будет перезагруженно");
}

TEST_F(ButtonEditorTest, AStoredRecordShowsItsOwnBlockAndFieldsAndSavesUnchanged) {
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_3=6;12;40;3;Speed;80;0\r\n");
  Reported({"6;1", "5;2"});  // other blocks are not offered for a stored record
  Open("1;unit_3");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{Out("int", "12")}));
  EXPECT_EQ(W(*d.block).Selected(), 0);
  EXPECT_EQ(Shown(), "++-");
  EXPECT_EQ(W(*d.intValue).Text(), "40");
  EXPECT_EQ(W(*d.kind).Items(), kAllKinds);
  EXPECT_EQ(W(*d.kind).Text(), "Установка значения");
  EXPECT_EQ(W(*d.caption).Text(), "Speed");
  EXPECT_EQ(W(*d.width).Text(), "80");
  EXPECT_TRUE(W(*d.width).Showing());

  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_3=6;12;40;3;Speed;80;0\r\n");
  // Written, then reported while the dialog still shows, then hidden.
  EXPECT_EQ(events, (Values{"1 shown"}));
  EXPECT_FALSE(Form().Visible());
}

TEST_F(ButtonEditorTest, ANewKeyOffersTheReportedOutputBlocksWithTheDefaults) {
  Reported({"0;1", "6;12", "5;3", "2;9", "7;4"});
  Open("1;unit_5");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{Out("int", "12"), Out("bool", "3"), Out("str", "4")}));
  EXPECT_EQ(W(*d.block).Selected(), 0);
  EXPECT_EQ(Shown(), "++-");
  EXPECT_EQ(W(*d.intValue).Text(), "1");
  EXPECT_EQ(W(*d.textValue).Text(), "1");
  EXPECT_EQ(W(*d.kind).Text(), "Импульсная кнопка");
  EXPECT_EQ(W(*d.caption).Text(), "Надпись");
  EXPECT_EQ(W(*d.width).Text(), "70");

  // The value field and the kinds follow the chosen block's type.
  ASSERT_TRUE(W(*d.block).PickItem(1));
  EXPECT_EQ(Shown(), "---");
  EXPECT_EQ(W(*d.kind).Items(), (Values{kAllKinds[0], kAllKinds[1], kAllKinds[2]}));
  ASSERT_TRUE(W(*d.block).PickItem(2));
  EXPECT_EQ(Shown(), "+-+");
  EXPECT_EQ(W(*d.kind).Items(), kAllKinds);

  Retype(W(*d.textValue), "go");
  ASSERT_TRUE(W(*d.kind).PickItem(3));
  Retype(W(*d.caption), "Run");
  Retype(W(*d.width), "95");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_5=7;4;go;3;Run;95;0\r\n");
}

TEST_F(ButtonEditorTest, ABoolButtonAlwaysSavesTheValueOneAndKeepsItsExtraField) {
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_1=5;12;0;1;Pump;70;4\r\n");
  Open("1;unit_1");
  EXPECT_EQ(Shown(), "---");
  EXPECT_EQ(W(*D().kind).Text(), "Переключатель");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_1=5;12;1;1;Pump;70;4\r\n");
}

TEST_F(ButtonEditorTest, AStoredKindTheListLacksSelectsNothingAndTheSaveIsRefused) {
  const std::string file = "[buttonForm]\r\nunit_2=5;12;1;3;Pump;70;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_2");
  auto& d = D();
  EXPECT_EQ(W(*d.kind).Items().size(), 3u);
  EXPECT_EQ(W(*d.kind).Selected(), -1);
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);  // a kind of "-1" would make the window drop the record
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told("Не выбран тип кнопки"));
  // Choosing a kind makes the save go through.
  ASSERT_TRUE(W(*d.kind).PickItem(2));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_2=5;12;1;2;Pump;70;0\r\n");
}

TEST_F(ButtonEditorTest, WithoutAReportedBlockANewKeyCannotBeSaved) {
  Reported({"1;4"});  // an input block only
  Open("1;unit_1");
  EXPECT_TRUE(W(*D().block).Items().empty());
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_FALSE(folder.Exists("user_settings.ini"));
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told("Не выбран блок"));
}

TEST_F(ButtonEditorTest, NumbersAreSavedAsTheTextsTheFieldsShow) {
  const std::string file = "[buttonForm]\r\nunit_3=6;12;007;3;Speed;080;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_3");
  EXPECT_EQ(W(*D().intValue).Text(), "007");
  EXPECT_EQ(W(*D().width).Text(), "080");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_EQ(events, (Values{"1 shown"}));
}

TEST_F(ButtonEditorTest, AValueOrWidthTheProgramWouldWrapIsRefusedAndTheDialogSaysWhy) {
  const std::string file = "[buttonForm]\r\nunit_3=6;12;40;3;Speed;80;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_3");
  auto& d = D();
  Retype(W(*d.intValue), "4294967297");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);  // not the 1 it wraps to
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told("Значение: десятичное, -2147483648…2147483647"));

  Open("1;unit_3");
  Retype(W(*d.width), "5000000000");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(Told("Ширина: десятичное, 0…2147483647"));
  Retype(W(*d.width), "95");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_3=6;12;40;3;Speed;95;0\r\n");
  EXPECT_EQ(events, (Values{"1 shown"}));
}

TEST_F(ButtonEditorTest, ATypeCodeWithoutANameKeepsItsCodeAndItsValueIsText) {
  const std::string file = "[buttonForm]\r\nunit_2=2;12;go;3;Odd;70;0\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;unit_2");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{Out("2", "12")}));
  EXPECT_EQ(Shown(), "+-+");
  EXPECT_EQ(W(*d.textValue).Text(), "go");
  EXPECT_EQ(W(*d.kind).Items(), kAllKinds);
  EXPECT_EQ(W(*d.kind).Text(), "Установка значения");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_EQ(events, (Values{"1 shown"}));
}

TEST_F(ButtonEditorTest, AnOpeningTextWithoutOriginWritesAndReportsNothing) {
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_1=6;1;1;0;Own;70;0\r\n");
  Reported({"5;8"});
  Open("1;unit_1");
  Open("unit_1");  // the key of the last opening is not kept
  EXPECT_EQ(W(*D().caption).Text(), "Надпись");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_1=6;1;1;0;Own;70;0\r\n");
  EXPECT_TRUE(events.empty());
}

TEST_F(ButtonEditorTest, OriginZeroEditsTheMainSectionWithoutTheWidth) {
  folder.Write("user_settings.ini",
               "[buttonForm]\r\nunit_2=6;1;1;0;Own;70;0\r\n[mainForm]\r\nunit_2=6;7;5;0;Main;90;0\r\n");
  Open("0;unit_2");
  auto& d = D();
  EXPECT_EQ(W(*d.caption).Text(), "Main");
  EXPECT_FALSE(W(*d.width).Showing());
  EXPECT_FALSE(W(*d.widthLabel).Showing());
  Retype(W(*d.intValue), "6");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(),
            "[buttonForm]\r\nunit_2=6;1;1;0;Own;70;0\r\n[mainForm]\r\nunit_2=6;7;6;0;Main;90;0\r\n");
  EXPECT_EQ(events, (Values{"0 shown"}));

  // The next opening from the own window shows the width again.
  Open("1;unit_2");
  EXPECT_TRUE(W(*d.width).Showing());
  EXPECT_EQ(W(*d.caption).Text(), "Own");
}

TEST_F(ButtonEditorTest, AValueThatIsNoRecordOpensAsANewKeyAndIsReplaced) {
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_4=6;12;40;3;Speed;80\r\n");
  Reported({"5;8"});
  Open("1;unit_4");
  EXPECT_EQ(W(*D().block).Items(), (Values{Out("bool", "8")}));
  EXPECT_EQ(W(*D().caption).Text(), "Надпись");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_4=5;8;1;0;Надпись;70;0\r\n");
}

TEST_F(ButtonEditorTest, ClosingHidesTheDialogWhichEveryOpeningRefills) {
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_3=6;12;40;3;Speed;80;0\r\n");
  Reported({"7;2"});
  Open("1;unit_3");
  TZEEditMulti* child = host->Child;
  ASSERT_TRUE(Form().UserClose());
  EXPECT_FALSE(Form().Visible());
  EXPECT_EQ(Settings(), "[buttonForm]\r\nunit_3=6;12;40;3;Speed;80;0\r\n");  // nothing saved
  EXPECT_TRUE(events.empty());

  Open("1;unit_9");
  EXPECT_EQ(host->Child, child);  // the same dialog, shown again
  EXPECT_TRUE(Form().Visible());
  EXPECT_EQ(W(*D().block).Items(), (Values{Out("str", "2")}));
  EXPECT_EQ(Shown(), "+-+");
  EXPECT_EQ(W(*D().caption).Text(), "Надпись");
}

}  // namespace
}  // namespace zorn::test
