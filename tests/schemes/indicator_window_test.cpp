// The indicator window on the headless backend and the virtual clock, with
// its settings in a private program folder: loading, the state of each
// indicator by its condition, the look and its blinking, the change sound,
// the popup menu and its commands, and adding indicators.
#include "app/indicator_window/indicator_window.h"

#include <memory>

#include "app/indicator_window/indicator_free_key.h"
#include "app/indicator_window/indicator_item.h"
#include "app/indicator_window/indicator_loader.h"
#include "elements/str_list.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "support/main_form.h"

namespace zorn::test {
namespace {

using IndicatorWindow = TClassChildForm_IndicatorWindow;
using Loader = TClassMultiElement_IndicatorLoader;
using FreeKey = TClassMultiElement_IndicatorFreeKey;

using ui::headless::THeadlessBitmap;
using ui::headless::THeadlessMenu;
using ui::headless::THeadlessWidget;
using Values = std::vector<std::string>;

constexpr uint32_t kCyan = 0xFFFF00;
constexpr uint32_t kRed = 0x0000FF;

class IndicatorWindowTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    blocks.SetStrings("\r\n");  // the block list before any report: one empty entry
    host = Host(1, 2);
    host->Events[IndicatorWindow::OnEdit] = MakeWire(0, &TProbe::Take, &edits);
    host->DataInputs[IndicatorWindow::Picture] = PictureOutput();
    host->DataInputs[IndicatorWindow::InputBlocks] = MakeWire(0, &TZEStrList::Array, &blocks);
    host->SetFactory(&SchemeFactory<TClassChildForm_IndicatorWindow>);
    StartDispatch();
  }

  TClassChildForm_IndicatorWindow& Window() {
    return *static_cast<TClassChildForm_IndicatorWindow*>(host->Child->Scheme);
  }
  void Act(uint16_t action, const std::string& text) {
    FireStr(MakeWire(action, &TZEMultiElement::Action, host.get()), text);
  }
  void Load() { FireNull(MakeWire(IndicatorWindow::Load, &TZEMultiElement::Action, host.get())); }
  void Show(int32_t v) {
    FireInt(MakeWire(IndicatorWindow::Show, &TZEMultiElement::Action, host.get()), v);
  }
  void Line(const std::string& line) { Act(IndicatorWindow::Line, line); }
  void AddIndicator(const std::string& block) { Act(IndicatorWindow::AddIndicator, block); }

  // Writes [indicatorForm] of user_settings.ini and loads.
  void Records(const std::string& lines) {
    folder.Write("user_settings.ini", "[indicatorForm]\r\n" + lines);
    Load();
  }

  std::vector<TClassChildPanelEx_IndicatorItem*> Panels() {
    std::vector<TClassChildPanelEx_IndicatorItem*> panels;
    for (TZEEditMultiEx* i : Window().items->Instances) {
      panels.push_back(static_cast<TClassChildPanelEx_IndicatorItem*>(i->Scheme));
    }
    return panels;
  }
  THeadlessWidget& Text(size_t k) { return W(*Panels().at(k)->text); }
  std::string Picture(size_t k) {
    const auto& bitmap = W(*Panels().at(k)->picture).Bitmap();
    return bitmap ? static_cast<const THeadlessBitmap&>(*bitmap).Name : "";
  }
  std::string Tip(size_t k) { return backend.ToolTipsIfMade()->TipOf(&Text(k)); }
  Values Texts() {
    Values texts;
    for (size_t k = 0; k < Panels().size(); ++k) texts.push_back(Text(k).Text());
    return texts;
  }
  Values Pictures() {
    Values names;
    for (size_t k = 0; k < Panels().size(); ++k) names.push_back(Picture(k));
    return names;
  }
  THeadlessMenu& Menu() { return ui::headless::Of(Window().menu->Menu()); }
  // Availability of the items 0, 1, 2 and the check mark of item 4, as "+-+ ".
  std::string MenuState() {
    std::string s;
    for (int i : {0, 1, 2}) s += Menu().Items()[i].Enabled ? '+' : '-';
    s += Menu().Items()[4].Checked ? "x" : " ";
    return s;
  }
  // The number of sounds played, and whether all were WAVE1.
  size_t Wave1Plays() {
    auto wave = platform::FindResource("WAVE1", platform::UserResourceType);
    size_t n = 0;
    for (const auto& r : platform::SoundRequests()) {
      EXPECT_EQ(r.Kind, platform::TSoundRequest::Memory);
      EXPECT_EQ(r.Bytes, std::string(reinterpret_cast<const char*>(wave.Data), wave.Size));
      ++n;
    }
    return n;
  }

  TZEStrList blocks;
  TProbe edits;
};

TEST_F(IndicatorWindowTest, WindowPropertiesAndTheInstanceBeforeTheFirstLoad) {
  auto& w = Window();
  EXPECT_EQ(W(*w.form).Text(), "Form");
  EXPECT_EQ(W(*w.form).Bounds(), (ui::TRect{35, 105, 146, 48}));
  EXPECT_FALSE(W(*w.form).Visible());
  EXPECT_EQ(w.form->Place, "config.ini\\boolForm");
  Values items;
  for (const auto& item : Menu().Items()) items.push_back(item.Separator ? "-" : item.Text);
  EXPECT_EQ(items, (Values{"Редактировать", "Добавить индикатор", "Удалить индикатор", "-",
                           "Поверх окон", "-", "Закрыть окно"}));
  // The list host makes one panel before any record; the first load removes it.
  EXPECT_EQ(Panels().size(), 1u);
  Records("");
  EXPECT_TRUE(Panels().empty());
  const auto& shown = W(*w.background).Bitmap();
  ASSERT_TRUE(shown);
  EXPECT_EQ(static_cast<const THeadlessBitmap&>(*shown).Name, "BITMAP9");
}

TEST_F(IndicatorWindowTest, LoadKeepsMatchingRecordsInFileOrder) {
  Records(
      "unit_4=1;12;9;2;Давление;80;1\r\n"
      "unit_2=1;12;1;0;Short;70\r\n"     // six fields
      "Unit_5=0;3;1;0;Насос;60;0\r\n"    // case is ignored
      "buttonX=0;3;1;0;X;60;0\r\n"
      "unit_3=15;3;1;0;Two;60;0\r\n"     // two-digit type code
      "unit_6=2;7;abc;3;Строка;90;0\r\n");
  ASSERT_EQ(Panels().size(), 3u);
  EXPECT_EQ(Texts(), (Values{"Давление", "Насос", "Строка"}));
  EXPECT_EQ(Pictures(), (Values{"BITMAP11", "BITMAP11", "BITMAP11"}));
  EXPECT_EQ(Text(0).Font().Color, kCyan);
  EXPECT_EQ(Text(0).Font().Name, "MS Sans Serif");
  EXPECT_EQ(Text(0).Font().Style, 1);
  EXPECT_EQ(Text(0).Font().CharSet, 204);
  EXPECT_EQ(W(*Panels()[0]->panel).Bounds().Width, 80);
  EXPECT_EQ(W(*Panels()[1]->panel).Bounds().Width, 60);
  EXPECT_EQ(W(*Panels()[0]->panel).Bounds().Height, 19);
  EXPECT_EQ(Tip(0), "Блок: №12 (int), Значение больше \"9\", Сигнал: включен, "
                    "Текущее значение: \"\"");
  EXPECT_EQ(Tip(2), "Блок: №7 (str), Значение меньше  \"abc\", Сигнал: отключен, "
                    "Текущее значение: \"\"");
  // The record list behind the panels, with "=" turned into ";".
  TData list;
  Window().loader->DataOutput(list, Loader::Records);
  EXPECT_EQ(ArrayTexts(list), (Values{"unit_4;1;12;9;2;Давление;80;1", "Unit_5;0;3;1;0;Насос;60;0",
                                      "unit_6;2;7;abc;3;Строка;90;0"}));
  // In rows: 80 + 10 + 60 is wider than the window, so the second panel
  // starts the next row, 10 below the first; the third follows it.
  EXPECT_EQ(W(*Panels()[1]->panel).Bounds().Left, 0);
  EXPECT_EQ(W(*Panels()[1]->panel).Bounds().Top, 29);
  EXPECT_EQ(W(*Panels()[2]->panel).Bounds().Top, 58);
  // Reloading rebuilds the panels from the file as it is now.
  Records("unit_1=0;3;1;0;Один;60;0\r\n");
  EXPECT_EQ(Texts(), (Values{"Один"}));
}

TEST_F(IndicatorWindowTest, AnUnknownCodeKeepsTheNamesOfTheRecordBefore) {
  Records(
      "unit_1=2;5;x;1;A;60;1\r\n"
      "unit_2=7;6;y;0;B;60;0\r\n"    // no type 7: all three names stay
      "unit_3=0;7;z;8;C;60;0\r\n");  // no condition 8: condition and signal stay
  EXPECT_EQ(Tip(1), "Блок: №6 (str), Значение не равно \"y\", Сигнал: включен, "
                    "Текущее значение: \"\"");
  EXPECT_EQ(Tip(2), "Блок: №7 (bool), Значение не равно \"z\", Сигнал: включен, "
                    "Текущее значение: \"\"");
}

TEST_F(IndicatorWindowTest, ConditionsCompareTexts) {
  Records(
      "unit_1=1;12;9;2;Больше;60;0\r\n"
      "unit_2=1;12;0;1;НеРавно;60;0\r\n"
      "unit_3=1;12;70;3;Меньше;60;0\r\n"
      "unit_4=1;12;95;0;Равно;60;0\r\n"
      "unit_5=1;12;95;4;Код4;60;0\r\n");
  auto pictures = [&](const std::string& value) {
    Line("1;12;" + value);
    std::string s;
    for (const auto& p : Pictures()) s += p == "BITMAP12" ? '1' : '0';
    return s;
  };
  // '95' > '9' but '10' < '9'; '00' differs from '0'; '75' is not less than '70'.
  EXPECT_EQ(pictures("95"), "1101" "0");
  EXPECT_EQ(pictures("10"), "0110" "0");
  EXPECT_EQ(pictures("0"), "0010" "0");
  EXPECT_EQ(pictures("00"), "0110" "0");
  EXPECT_EQ(pictures("75"), "0100" "0");
  EXPECT_EQ(pictures("7"), "0110" "0");
  EXPECT_EQ(pictures("70"), "0100" "0");  // equal is neither less nor greater
  EXPECT_EQ(pictures("9"), "0100" "0");
  // Condition 4 gives no state: the panel keeps its set-up look.
  EXPECT_EQ(Text(4).Text(), "Код4");
  // Its unknown condition name stays that of the record before.
  EXPECT_EQ(Tip(4), "Блок: №12 (int), Значение равно \"95\", Сигнал: отключен, "
                    "Текущее значение: \"\"");
}

TEST_F(IndicatorWindowTest, OnlyRecordsOfTheSameTypeAndBlockAreConcerned) {
  Records(
      "unit_1=1;12;5;0;A;60;0\r\n"
      "unit_2=1;1;5;0;B;60;0\r\n"
      "unit_3=2;12;5;0;C;60;0\r\n"
      "unit_4=1;12;5;1;D;60;0\r\n");
  Line("12;1;5");   // two-digit type: no line at all
  Line("1;012;5");  // '012' is not '12'
  Line("x;12;5");
  Line("1;12");
  EXPECT_EQ(Pictures(), (Values{"BITMAP11", "BITMAP11", "BITMAP11", "BITMAP11"}));
  for (size_t k = 0; k < 4; ++k) EXPECT_EQ(Tip(k).substr(Tip(k).size() - 4), ": \"\"") << k;

  Line("1;12;5");  // both records of block 12, in list order
  EXPECT_EQ(Pictures(), (Values{"BITMAP12", "BITMAP11", "BITMAP11", "BITMAP11"}));
  EXPECT_NE(Tip(0).find("Текущее значение: \"5\""), std::string::npos);
  EXPECT_NE(Tip(3).find("Текущее значение: \"5\""), std::string::npos);
  EXPECT_NE(Tip(1).find("Текущее значение: \"\""), std::string::npos);
  EXPECT_NE(Tip(2).find("Текущее значение: \"\""), std::string::npos);
}

TEST_F(IndicatorWindowTest, AnActiveIndicatorBlinksEvery600Ms) {
  Records("unit_1=1;12;70;2;Темп;60;0\r\n");
  Line("1;12;75");
  EXPECT_EQ(Picture(0), "BITMAP12");
  EXPECT_EQ(Text(0).Font().Color, kRed);
  EXPECT_EQ(Text(0).Text(), "Темп");
  loop.Advance(599);
  EXPECT_EQ(Text(0).Text(), "Темп");
  loop.Advance(1);
  EXPECT_EQ(Text(0).Text(), "75");  // the first tick shows the value
  loop.Advance(600);
  EXPECT_EQ(Text(0).Text(), "Темп");

  // A new value without a change of state: the tip at once, the text at
  // the next value phase.
  Line("1;12;80");
  EXPECT_NE(Tip(0).find("Текущее значение: \"80\""), std::string::npos);
  EXPECT_EQ(Text(0).Text(), "Темп");
  loop.Advance(600);
  EXPECT_EQ(Text(0).Text(), "80");

  // Inactive while the value shows: back to the caption, cyan, no blinking.
  Line("1;12;5");
  EXPECT_EQ(Picture(0), "BITMAP11");
  EXPECT_EQ(Text(0).Font().Color, kCyan);
  EXPECT_EQ(Text(0).Text(), "Темп");
  loop.Advance(5000);
  EXPECT_EQ(Text(0).Text(), "Темп");

  // Active again: the first tick shows the value again.
  Line("1;12;90");
  loop.Advance(600);
  EXPECT_EQ(Text(0).Text(), "90");
}

TEST_F(IndicatorWindowTest, ChangesPlayWave1AtMostOncePerSecond) {
  Records(
      "unit_1=1;12;70;2;A;60;1\r\n"
      "unit_2=1;13;70;2;B;60;1\r\n"
      "unit_3=1;14;70;2;C;60;0\r\n");
  Line("1;14;99");  // signal off: never a sound
  Line("1;14;1");
  EXPECT_EQ(Wave1Plays(), 0u);
  Line("1;12;5");  // the first report counts as a change, even in state 0
  EXPECT_EQ(Wave1Plays(), 1u);
  EXPECT_EQ(platform::SoundRequests()[0].Flags & 1u, 1u);  // asynchronous
  loop.Advance(1000);
  Line("1;12;6");  // same state: no change
  EXPECT_EQ(Wave1Plays(), 1u);
  Line("1;12;80");  // a change, the gate is open
  EXPECT_EQ(Wave1Plays(), 2u);
  Line("1;13;1");   // another indicator's first report, within the second
  Line("1;12;1");
  loop.Advance(999);
  Line("1;12;99");
  EXPECT_EQ(Wave1Plays(), 2u);
  loop.Advance(1);
  Line("1;13;99");
  EXPECT_EQ(Wave1Plays(), 3u);

  // A reload makes the next report of every indicator count as a change.
  loop.Advance(1000);
  Load();
  Line("1;13;99");
  EXPECT_EQ(Wave1Plays(), 4u);
}

TEST_F(IndicatorWindowTest, TheMenuIsSetUpByWhereItWasOpened) {
  Records("unit_1=1;12;5;0;A;60;0\r\nunit_4=1;13;5;0;B;60;0\r\n");
  Show(1);
  EXPECT_EQ(MenuState(), "+++ ");
  // Only the empty first entry: nothing to add from.
  ASSERT_TRUE(Text(1).Press(ui::TMouseButton::Right));
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(MenuState(), "+-+ ");
  Menu().Dismiss();
  ASSERT_TRUE(W(*Window().form).Press(ui::TMouseButton::Right));
  EXPECT_EQ(MenuState(), "--- ");
  EXPECT_EQ(Menu().Popups(), 2);
  blocks.SetStrings("\r\n1;12\r\n");
  W(*Window().form).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuState(), "-+- ");
  Text(0).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuState(), "+++ ");
  // The left button neither selects nor opens the menu.
  Menu().Dismiss();
  Text(1).Press(ui::TMouseButton::Left);
  W(*Window().form).Press(ui::TMouseButton::Left);
  EXPECT_EQ(Menu().Popups(), 4);
  EXPECT_FALSE(Menu().Open());

  // The area press kept the selection: edit still names the indicator
  // pressed last.
  Menu().Dismiss();
  Text(1).Press(ui::TMouseButton::Right);
  W(*Window().form).Press(ui::TMouseButton::Right);
  EXPECT_FALSE(Menu().Pick(0));  // greyed
  Text(0).Press(ui::TMouseButton::Right);
  W(*Window().form).Press(ui::TMouseButton::Right);
  Text(1).Press(ui::TMouseButton::Right);  // available again
  ASSERT_TRUE(Menu().Pick(0));
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_4"}));

  // Topmost toggles and is checked the next time the menu opens.
  Text(0).Press(ui::TMouseButton::Right);
  ASSERT_TRUE(Menu().Pick(4));
  EXPECT_TRUE(W(*Window().form).Topmost());
  Text(0).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuState(), "+++x");
  ASSERT_TRUE(Menu().Pick(4));
  EXPECT_FALSE(W(*Window().form).Topmost());
  Text(0).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuState(), "+++ ");
}

TEST_F(IndicatorWindowTest, DeleteRemovesTheSelectedKeyAndReloads) {
  folder.Write("user_settings.ini",
               "[buttonForm]\r\nunit_1=5;1;1;0;K;70;0\r\n"
               "[indicatorForm]\r\nunit_1=1;12;5;0;A;60;0\r\nunit_4=1;13;5;0;B;60;0\r\n"
               "[mainForm]\r\nunit_4=1;13;5;0;M;60;0\r\n");
  Load();
  Show(1);
  Text(1).Press(ui::TMouseButton::Right);
  ASSERT_TRUE(Menu().Pick(2));
  EXPECT_EQ(Texts(), (Values{"A"}));
  std::string file = folder.Read("user_settings.ini");
  EXPECT_EQ(file.find("B;60"), std::string::npos);
  EXPECT_NE(file.find("unit_4=1;13;5;0;M;60;0"), std::string::npos);
  EXPECT_NE(file.find("unit_1=5;1;1;0;K;70;0"), std::string::npos);
  EXPECT_TRUE(edits.Seen.empty());

  // The remembered index 1 now names no loaded record: nothing is deleted,
  // but the window still loads again.
  folder.Write("user_settings.ini", "[indicatorForm]\r\nunit_1=1;12;5;0;A;60;0\r\n"
                                    "unit_2=1;12;5;0;New;60;0\r\n");
  FireNull(MakeWire(Loader::Delete, &TZEMultiElement::Action, Window().loader));
  EXPECT_EQ(Texts(), (Values{"A", "New"}));
  EXPECT_NE(folder.Read("user_settings.ini").find("unit_2="), std::string::npos);
}

TEST_F(IndicatorWindowTest, WithoutASelectionEditAndDeleteFindNoRecord) {
  Records("unit_1=1;12;5;0;A;60;0\r\n");
  FireNull(MakeWire(Loader::Edit, &TZEMultiElement::Action, Window().loader));
  EXPECT_TRUE(edits.Seen.empty());
  folder.Write("user_settings.ini", "[indicatorForm]\r\nunit_1=1;12;5;0;A;60;0\r\n"
                                    "unit_2=1;12;5;0;B;60;0\r\n");
  FireNull(MakeWire(Loader::Delete, &TZEMultiElement::Action, Window().loader));
  EXPECT_EQ(Texts(), (Values{"A", "B"}));
  EXPECT_NE(folder.Read("user_settings.ini").find("unit_1="), std::string::npos);
}

TEST_F(IndicatorWindowTest, ShowAndCloseStoreTheFlag) {
  Show(1);
  EXPECT_TRUE(W(*Window().form).Visible());
  EXPECT_EQ(ToInt(TZEGlobalVar::Variable("visible_indicator")), 1);
  EXPECT_NE(folder.Read("config.ini").find("[indicatorForm]\r\nvisible=1"), std::string::npos);
  W(*Window().form).Press(ui::TMouseButton::Right);
  ASSERT_TRUE(Menu().Pick(6));
  EXPECT_FALSE(W(*Window().form).Visible());
  EXPECT_EQ(ToInt(TZEGlobalVar::Variable("visible_indicator")), 0);
  EXPECT_NE(folder.Read("config.ini").find("visible=0"), std::string::npos);
}

TEST_F(IndicatorWindowTest, AddIndicatorWritesTheDefaultRecordAndEditsItLater) {
  Records(
      "unit_1=1;12;5;0;A;60;0\r\nunit_2=1;13;5;0;B;60;0\r\nunit_4=1;14;5;0;C;60;0\r\n");
  AddIndicator("1;27");
  EXPECT_NE(folder.Read("user_settings.ini").find("unit_3=1;27;1;0;27;70;0"), std::string::npos);
  EXPECT_EQ(Panels().size(), 3u);  // the window reloads only after the editor saves
  loop.Advance(9);
  EXPECT_TRUE(edits.Seen.empty());
  loop.Advance(1);
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_3"}));
  loop.Advance(100);
  EXPECT_EQ(edits.Seen.size(), 1u);

  AddIndicator("garbage");  // no "type;block": nothing happens
  loop.Advance(100);
  EXPECT_EQ(edits.Seen.size(), 1u);
}

TEST_F(IndicatorWindowTest, MenuAddHandsTheFreeKeyToTheEditorAtOnce) {
  Records("unit_1=1;12;5;0;A;60;0\r\nunit_2=1;13;5;0;B;60;0\r\nunit_4=1;14;5;0;C;60;0\r\n");
  blocks.SetStrings("\r\n1;12\r\n");
  Show(1);
  std::string before = folder.Read("user_settings.ini");
  W(*Window().form).Press(ui::TMouseButton::Right);
  ASSERT_TRUE(Menu().Pick(1));
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_3"}));
  EXPECT_EQ(folder.Read("user_settings.ini"), before);
}

TEST_F(IndicatorWindowTest, TheFreeKeySearchEndsWhenEveryKeyIsTaken) {
  std::string lines;
  for (int n = 1; n <= 100; ++n) lines += "unit_" + std::to_string(n) + "=1;12;5;0;A;60;0\r\n";
  Records(lines);
  FireNull(MakeWire(FreeKey::Find, &TZEMultiElement::Action, Window().freeKey));
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_0"}));  // after 100 the counter wraps to 0

  Records(lines + "unit_0=1;12;5;0;A;60;0\r\n");
  std::string before = folder.Read("user_settings.ini");
  FireNull(MakeWire(FreeKey::Find, &TZEMultiElement::Action, Window().freeKey));
  AddIndicator("1;27");
  loop.Advance(100);
  EXPECT_EQ(edits.Seen.size(), 1u);
  EXPECT_EQ(folder.Read("user_settings.ini"), before);
}

}  // namespace
}  // namespace zorn::test
