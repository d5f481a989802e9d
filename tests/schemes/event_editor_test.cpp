// The event editor dialog on the headless backend: the rule record through
// a real user_settings.ini, the file dialogs answered by the headless
// backend, the sound through the POSIX record of sound requests.
#include "app/editors/event_editor.h"
#include "app/editors/event_file_choice.h"
#include "app/editors/save_bars.h"
#include "editor_test_fixture.h"
#include "platform/sound.h"

namespace zorn::test {
namespace {

class EventEditorTest : public EditorTest<TClassChildForm_EventEditor> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    platform::SoundRequests().clear();
    backend.FileDialog = [this](const std::string& title, const std::string& filter,
                                const std::string& folder, std::string& path) {
      dialogs.push_back(title + "|" + filter + "|" + folder);
      if (answer.empty()) return false;
      path = answer;
      return true;
    };
  }
  TClassChildPanel_EventEditorSave& Bar() { return Inner<TClassChildPanel_EventEditorSave>(D().saveBar); }
  ui::headless::THeadlessWidget& SaveButton() { return W(*Bar().save); }
  ui::headless::THeadlessWidget& DeleteButton() { return W(*Bar().remove); }
  // What the operator sees: integer field, text field, bit list, volume bar.
  std::string Shown() {
    auto& d = D();
    std::string s;
    for (ui::TZEWin* c : std::initializer_list<ui::TZEWin*>{d.intValue, d.textValue, d.bitValue, d.volume}) {
      s += W(*c).Showing() ? '+' : '-';
    }
    return s;
  }
  std::string Parameter() { return W(*D().parameter).Text(); }
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

  std::vector<std::string> dialogs;  // title|filter|folder of each file dialog
  std::string answer;                // the path chosen; empty cancels
};

TEST_F(EventEditorTest, HasItsOwnWindowListsAndSaveBar) {
  Open("1;event_1");
  auto& d = D();
  EXPECT_EQ(Form().Text(), "Редактирование события");
  EXPECT_EQ(Form().Parent(), mainForm->Widget());
  EXPECT_EQ(static_cast<const ui::headless::THeadlessIcon&>(*Form().Icon()).Name, "ICON6");
  EXPECT_EQ(Form().Bounds(), (ui::TRect{(1024 - 299) / 2, (768 - 242) / 2, 299, 242}));
  EXPECT_EQ(W(*d.condition).Items(), (Values{"Все изменения", "=", "!=", ">", "<"}));
  EXPECT_EQ(W(*d.action).Items(), (Values{"Только запись", "Проиграть звук", "Открыть файл", "Громкость ПК",
                                          "Отключить ПК", "Перезагрузить ПК", "Заблокировать ПК"}));
  EXPECT_EQ(W(*d.bitValue).Items(), (Values{"0", "1"}));
  EXPECT_EQ(W(*d.volume).Bounds(), (ui::TRect{130, 135, 150, 20}));
  EXPECT_EQ(W(*Bar().panel).Bounds(), (ui::TRect{0, 177, 293, 37}));
  EXPECT_EQ(SaveButton().Bounds().Left, 172);
  EXPECT_EQ(DeleteButton().Bounds().Left, 22);
  EXPECT_EQ(DeleteButton().Text(), "Удалить");
  auto* tips = backend.ToolTipsIfMade();
  EXPECT_EQ(tips->TipOf(&SaveButton()), "Сохранить изменения");
  EXPECT_EQ(tips->TipOf(&DeleteButton()), "Удалить элеиент");
  EXPECT_EQ(tips->TipOf(&W(*d.action)), "Выполняемое действие при выполнение условия");
}

TEST_F(EventEditorTest, AStoredRuleOpensWithoutRunningItsActionAndSavesUnchanged) {
  folder.Write("user_settings.ini", "[eventForm]\r\nevent_2=1;3;50;3;Overheat;1;alarm.wav\r\n");
  Open("1;event_2");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("int", "3")}));
  EXPECT_EQ(Shown(), "+---");
  EXPECT_EQ(W(*d.intValue).Text(), "50");
  EXPECT_EQ(W(*d.condition).Text(), ">");
  EXPECT_EQ(W(*d.name).Text(), "Overheat");
  EXPECT_EQ(W(*d.action).Text(), "Проиграть звук");
  EXPECT_EQ(Parameter(), "alarm.wav");
  EXPECT_TRUE(dialogs.empty());  // opening shows the stored action only
  EXPECT_TRUE(platform::SoundRequests().empty());
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_2=1;3;50;3;Overheat;1;alarm.wav\r\n");
  EXPECT_EQ(events, (Values{"1 shown"}));
  EXPECT_FALSE(Form().Visible());
}

TEST_F(EventEditorTest, ANewBoolRuleSavesTheChosenBit) {
  Reported({"5;1", "0;6", "2;8"});
  Open("1;event_4");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("bool", "6"), In("str", "8")}));
  EXPECT_EQ(Shown(), "--+-");
  EXPECT_EQ(W(*d.bitValue).Text(), "1");  // the default value
  EXPECT_EQ(W(*d.condition).Text(), "Все изменения");
  EXPECT_EQ(W(*d.action).Text(), "Только запись");
  EXPECT_EQ(W(*d.name).Text(), "Событие");
  ASSERT_TRUE(W(*d.bitValue).PickItem(0));
  ASSERT_TRUE(W(*d.condition).PickItem(1));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_4=0;6;0;1;Событие;0;\r\n");

  Open("1;event_5");
  ASSERT_TRUE(W(*d.block).PickItem(1));
  EXPECT_EQ(Shown(), "-+--");
  Retype(W(*d.textValue), "on");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_4=0;6;0;1;Событие;0;\r\nevent_5=2;8;on;0;Событие;0;\r\n");
}

TEST_F(EventEditorTest, TheVolumeBarGivesTheLevelAsTheParameter) {
  Reported({"1;2"});
  Open("1;event_1");
  auto& d = D();
  EXPECT_FALSE(W(*d.volume).Showing());
  ASSERT_TRUE(W(*d.action).PickItem(3));
  EXPECT_TRUE(W(*d.volume).Showing());
  EXPECT_EQ(W(*d.volume).ScrollPosition(), 10);
  EXPECT_EQ(Parameter(), "10");
  ASSERT_TRUE(W(*d.volume).Scroll(ui::TScrollCode::ThumbTrack, 35));
  EXPECT_EQ(Parameter(), "35");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_1=1;2;1;0;Событие;3;35\r\n");

  // Opened again, the bar stands at the stored level; another action hides it.
  Open("1;event_1");
  EXPECT_TRUE(W(*d.volume).Showing());
  EXPECT_EQ(W(*d.volume).ScrollPosition(), 35);
  EXPECT_EQ(Parameter(), "35");
  ASSERT_TRUE(W(*d.action).PickItem(4));
  EXPECT_FALSE(W(*d.volume).Showing());
  EXPECT_EQ(Parameter(), "");  // shutting down takes no parameter

  // A stored action without a name does not keep the bar of the rule before.
  folder.Write("user_settings.ini", Settings() + "event_2=1;2;1;0;Odd;9;35\r\n");
  Open("1;event_1");
  ASSERT_TRUE(W(*d.volume).Showing());
  Open("1;event_2");
  EXPECT_EQ(W(*d.action).Selected(), -1);
  EXPECT_FALSE(W(*d.volume).Showing());
}

TEST_F(EventEditorTest, TheFileDialogsGiveThePathAndTheSoundPlaysOnce) {
  Reported({"0;1"});
  Open("1;event_1");
  auto& d = D();
  folder.Write("bell.wav", "RIFF");
  answer = folder.File("bell.wav");
  ASSERT_TRUE(W(*d.action).PickItem(1));
  EXPECT_EQ(dialogs, (Values{"Выбор звукового файла|Звук|*.wav|."}));
  EXPECT_EQ(backend.DialogOwner, D().form->Widget());
  EXPECT_EQ(Parameter(), answer);
  auto& played = platform::SoundRequests();
  ASSERT_EQ(played.size(), 1u);
  EXPECT_EQ(played[0].Kind, platform::TSoundRequest::File);
  EXPECT_EQ(played[0].Path, answer);
  EXPECT_EQ(played[0].Flags, static_cast<uint32_t>(platform::sndAsync));  // once, not looping
  answer = "/docs/plan.txt";
  ASSERT_TRUE(W(*d.action).PickItem(2));
  EXPECT_EQ(dialogs.back(), "Выбор файла|Все|*.*|.");
  EXPECT_EQ(Parameter(), "/docs/plan.txt");
  answer.clear();  // a cancel keeps the parameter
  ASSERT_TRUE(W(*d.action).PickItem(1));
  EXPECT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(Parameter(), "/docs/plan.txt");
  EXPECT_EQ(platform::SoundRequests().size(), 1u);  // nothing chosen, nothing played
}

TEST_F(EventEditorTest, DeleteRemovesTheKeyAndReportsTheOrigin) {
  folder.Write("user_settings.ini",
               "[eventForm]\r\nevent_1=0;6;1;0;Door;0;\r\nevent_2=1;3;50;3;Overheat;1;alarm.wav\r\n");
  Open("1;event_2");
  ASSERT_TRUE(DeleteButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_1=0;6;1;0;Door;0;\r\n");
  EXPECT_EQ(events, (Values{"1 shown"}));
  EXPECT_FALSE(Form().Visible());
}

TEST_F(EventEditorTest, ASaveWithoutBlockConditionOrActionWritesNothing) {
  Open("1;event_1");  // no input block reported
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_FALSE(folder.Exists("user_settings.ini"));
  EXPECT_TRUE(Told("Не выбран блок"));

  const std::string file = "[eventForm]\r\nevent_3=1;3;5;8;Odd;9;\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;event_3");
  auto& d = D();
  EXPECT_EQ(W(*d.condition).Selected(), -1);
  EXPECT_EQ(W(*d.action).Selected(), -1);
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_TRUE(Told("Не выбрано условие"));
  ASSERT_TRUE(W(*d.condition).PickItem(2));
  ASSERT_TRUE(SaveButton().Click());  // the action is still missing
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Told("Не выбрано действие"));
  EXPECT_FALSE(Told("Не выбрано условие"));
  ASSERT_TRUE(W(*d.action).PickItem(6));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_3=1;3;5;2;Odd;6;\r\n");
}

TEST_F(EventEditorTest, AnIntValueIsSavedAsShownAndOnlyWithinTheRangeTheControllerTakes) {
  const std::string file = "[eventForm]\r\nevent_2=1;3;0050;3;Overheat;1;alarm.wav\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;event_2");
  auto& d = D();
  EXPECT_EQ(W(*d.intValue).Text(), "0050");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);

  Open("1;event_2");
  Retype(W(*d.intValue), "-2147483649");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(Told("Значение: десятичное, -2147483648…2147483647"));
}

TEST_F(EventEditorTest, ABoolRuleSelectsOnlyAStoredBitAndOtherwiseAsksForOne) {
  const std::string file = "[eventForm]\r\nevent_3=0;6;01;1;Door;0;\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;event_3");
  auto& d = D();
  EXPECT_EQ(Shown(), "--+-");
  EXPECT_EQ(W(*d.bitValue).Selected(), -1);  // "01" is no bit the block reports
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(Told("Не выбрано значение"));
  ASSERT_TRUE(W(*d.bitValue).PickItem(1));
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), "[eventForm]\r\nevent_3=0;6;1;1;Door;0;\r\n");
  Open("1;event_3");
  EXPECT_EQ(W(*d.bitValue).Selected(), 1);
}

TEST_F(EventEditorTest, ATypeCodeWithoutANameKeepsItsCodeAndItsValueIsText) {
  const std::string file = "[eventForm]\r\nevent_1=4;6;zz;1;Odd;0;\r\n";
  folder.Write("user_settings.ini", file);
  Open("1;event_1");
  auto& d = D();
  EXPECT_EQ(W(*d.block).Items(), (Values{In("4", "6")}));
  EXPECT_EQ(Shown(), "-+--");
  EXPECT_EQ(W(*d.textValue).Text(), "zz");
  ASSERT_TRUE(SaveButton().Click());
  EXPECT_EQ(Settings(), file);
  EXPECT_EQ(events, (Values{"1 shown"}));
}

}  // namespace
}  // namespace zorn::test
