// The event log window on the headless backend and the virtual clock, with
// its rules in a real user_settings.ini of a private program folder: loading
// and skipped records, the conditions and their edges, the log rows and the
// 200-row store, filtering, the popup menu, editing and adding, and every
// action through the recording sound and system-action services.
#include "app/event_window/event_window.h"

#include <algorithm>
#include <memory>
#include <regex>
#include <vector>

#include "app/event_window/event_rule.h"
#include "app/event_window/log_store.h"
#include "app/event_window/rule_bar.h"
#include "elements/time.h"
#include "platform/sound.h"
#include "platform/system_actions.h"
#include "runtime/text.h"
#include "support/main_form.h"

namespace zorn::test {
namespace {

using EventWindow = TClassChildForm_EventWindow;

using platform::SystemRequests;
using platform::TSystemRequest;
using ui::headless::THeadlessMenu;
using Values = std::vector<std::string>;

enum TMenuPick { kEdit = 0, kFilter = 1, kAdd = 3, kAll = 5 };

class EventWindowTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    SystemRequests().clear();
    host = Host(2, 0);
    host->Events[EventWindow::OnEdit] = MakeWire(0, &TCall::Take, &editor);
    host->SetFactory(&SchemeFactory<TClassChildForm_EventWindow>);
    StartDispatch();
  }
  void TearDown() override {
    MainFormTest::TearDown();
    SystemRequests().clear();
  }

  TClassChildForm_EventWindow& E() { return *static_cast<TClassChildForm_EventWindow*>(host->Child->Scheme); }
  TClassChildPanel_EventRuleBar& Bar() {
    return *static_cast<TClassChildPanel_EventRuleBar*>(E().ruleBar->Child->Scheme);
  }
  void Act(uint16_t action, const std::string& text) {
    FireStr(MakeWire(action, &TZEMultiElement::Action, host.get()), text);
  }
  // Writes the [eventForm] section and loads it, as the main window does.
  void Rules(const std::string& lines) {
    folder.Write("user_settings.ini", "[eventForm]\r\n" + lines);
    Load();
  }
  void Load() { FireNull(MakeWire(EventWindow::Load, &TZEMultiElement::Action, host.get())); }
  void Line(const std::string& line) { Act(EventWindow::Line, line); }
  void Show(int32_t v) {
    FireInt(MakeWire(EventWindow::Show, &TZEMultiElement::Action, host.get()), v);
  }

  // A row without its time stamp.
  static std::string Unstamped(const std::string& row) { return row.substr(row.find(';') + 1); }
  Values Table() {
    Values rows;
    for (const std::string& row : E().table->Rows()) rows.push_back(Unstamped(row));
    return rows;
  }
  Values Store() {
    TData array;
    E().logStore->DataOutput(array, TClassMultiElement_EventLogStore::Rows);
    Values rows;
    for (const std::string& row : ArrayTexts(array)) rows.push_back(Unstamped(row));
    return rows;
  }
  THeadlessMenu& Menu() { return ui::headless::Of(E().menu->Menu()); }
  // A right press on a row and the popup that follows it.
  void PopupOn(int32_t row) {
    ASSERT_TRUE(W(*E().table).PressRow(row, ui::TMouseButton::Right));
    W(*E().table).Release(ui::TMouseButton::Right);
    loop.Advance(10);
    ASSERT_TRUE(Menu().Open());
  }
  void Pick(int32_t row, TMenuPick item) {
    PopupOn(row);
    Menu().Pick(item);
  }
  // The menu as the popup opens it, whatever is selected.
  void PickWithoutPress(TMenuPick item) {
    TData none;
    E().menu->Popup(none, 0);
    ASSERT_TRUE(Menu().Open());
    Menu().Pick(item);
  }
  TClassMultiElementEx_EventRule& Instance(size_t k) {
    return *static_cast<TClassMultiElementEx_EventRule*>(E().rules->Instances.at(k)->Scheme);
  }
  std::string InstanceText(size_t k) {
    std::string text;
    for (uint16_t i = 0; i < 7; ++i) {
      TData part;
      Instance(k).parts->Part(part, i);
      text += (i ? "|" : "") + ToStr(part);
    }
    return text;
  }

  Values edits;  // the texts handed to the event editor
  TCall editor{[this](TData& d, uint16_t) { edits.push_back(ToStr(d)); }};
};

TEST_F(EventWindowTest, WindowIsBuiltHiddenWithTheRuleBarTableAndMenu) {
  auto& w = W(*E().form);
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.Text(), "Журнал событий");
  EXPECT_EQ(w.Parent(), mainForm->Widget());
  EXPECT_EQ(w.Bounds(), (ui::TRect{35, 105, 379, 197}));
  EXPECT_EQ(w.Args().BorderStyle, 2);
  ASSERT_TRUE(w.Icon());
  EXPECT_EQ(static_cast<const ui::headless::THeadlessIcon&>(*w.Icon()).Name, "ICON7");

  // The bar across the top, the table in the rest.
  EXPECT_EQ(W(*Bar().bar).Bounds(), (ui::TRect{0, 0, 379, 24}));
  EXPECT_EQ(W(*E().table).Bounds(), (ui::TRect{0, 24, 379, 197 - 24}));
  ui::TRect button = W(*Bar().editButton).Bounds();
  EXPECT_EQ(button.Width, 80);
  EXPECT_EQ(button.Left + button.Width, W(*Bar().bar).ClientSize().Width);
  EXPECT_EQ(W(*Bar().editButton).Text(), "Изменить");
  EXPECT_EQ(Bar().editButton->Hint, "Редактировать выбранное правило");
  EXPECT_EQ(W(*Bar().rules).Bounds().Left + W(*Bar().rules).Bounds().Width, button.Left);

  Values columns;
  for (const auto& c : W(*E().table).Columns()) columns.push_back(c.Caption + "=" + std::to_string(c.Width));
  EXPECT_EQ(columns, (Values{"Время=125", "Событие=80", "Условие=80", "Значение=80", "Действие=200"}));
  Values items;
  for (const auto& item : Menu().Items()) items.push_back(item.Separator ? "-" : item.Text);
  EXPECT_EQ(items, (Values{"Редактировать", "Фильтр по выбранному", "-", "Добавить", "-", "Все события"}));
  EXPECT_TRUE(E().rules->Instances.empty());

  // The first show takes the place stored in config.ini [eventForm].
  folder.Write("config.ini", "[eventForm]\r\nLeft=50\r\nTop=60\r\nWidth=400\r\nHeight=300\r\n");
  Show(1);
  EXPECT_TRUE(w.Visible());
  EXPECT_EQ(w.Bounds(), (ui::TRect{50, 60, 400, 300}));
  Show(0);
  EXPECT_FALSE(w.Visible());
}

TEST_F(EventWindowTest, LoadingKeepsTheMatchingRecordsInFileOrderAndSkipsTheOthers) {
  Rules(
      "event_3=1;12;70;3;Overheat;1;alarm.wav\r\n"
      "event_4=1;12;70;3;Short;1\r\n"        // six fields
      "Event_7=0;5;1;1;Door;6;\r\n"          // the key's case does not matter
      "event_8=1;5;1;12;Two digits;0;\r\n"   // a two-digit condition
      "unit_1=1;5;1;1;Other;0;\r\n"          // another record kind
      "event_9=2;30;abc;0;Text;3;35\r\n");
  ASSERT_EQ(E().rules->Instances.size(), 3u);
  EXPECT_EQ(InstanceText(0), "0|Overheat|Больше|70|1|alarm.wav|Проиграть звук");
  EXPECT_EQ(InstanceText(1), "1|Door|Равно|1|6||Заблокировать ПК");
  EXPECT_EQ(InstanceText(2), "2|Text|Изменение|abc|3|35|Громкость ПК");
  EXPECT_EQ(W(*Bar().rules).Items(),
            (Values{"Overheat, Блок:№12 (int), Больше(70), Проиграть звук(alarm.wav)",
                    "Door, Блок:№5 (bool), Равно(1), Заблокировать ПК()",
                    "Text, Блок:№30 (str), Изменение(abc), Громкость ПК(35)"}));

  // A reload replaces everything; a missing section leaves nothing.
  Rules("event_1=1;2;3;4;Low;0;\r\n");
  ASSERT_EQ(E().rules->Instances.size(), 1u);
  EXPECT_EQ(InstanceText(0), "0|Low|Меньше|3|0||Только запись");
  EXPECT_EQ(W(*Bar().rules).Items(), (Values{"Low, Блок:№2 (int), Меньше(3), Только запись()"}));
  folder.Write("user_settings.ini", "[buttonForm]\r\nunit_1=5;1;1;0;A;70;0\r\n");
  Load();
  EXPECT_TRUE(E().rules->Instances.empty());
  EXPECT_TRUE(W(*Bar().rules).Items().empty());
}

TEST_F(EventWindowTest, CodesWithoutANameGiveEmptyNamesNotThoseOfTheRuleBefore) {
  Rules(
      "event_1=1;12;70;3;Known;1;a.wav\r\n"
      "event_2=9;12;70;8;Unknown;9;b.wav\r\n");
  EXPECT_EQ(InstanceText(1), "1|Unknown||70|9|b.wav|");
  EXPECT_EQ(W(*Bar().rules).Items().at(1), "Unknown, Блок:№12 (), (70), (b.wav)");
}

TEST_F(EventWindowTest, GreaterAndLessCompareTextsNotNumbers) {
  Rules(
      "event_1=1;12;9;3;Above;0;\r\n"
      "event_2=1;13;9;4;Below;0;\r\n");
  Line("1;12;10");  // "10" is less than "9" as text
  EXPECT_TRUE(Table().empty());
  Line("1;12;95");
  Line("1;13;10");
  EXPECT_EQ(Table(), (Values{"Above;Больше 9;95;Только запись", "Below;Меньше 9;10;Только запись"}));
}

TEST_F(EventWindowTest, ARuleFiresOnceWhileTrueAndIsReArmedByAFalseLine) {
  Rules("event_1=1;12;70;3;Overheat;0;\r\n");
  Line("1;12;75");
  Line("1;12;80");
  Line("1;12;85");
  EXPECT_EQ(Table(), (Values{"Overheat;Больше 70;75;Только запись"}));
  Line("1;12;60");
  Line("1;12;50");
  EXPECT_EQ(Table().size(), 1u) << "false lines log nothing";
  Line("1;12;71");
  EXPECT_EQ(Table(), (Values{"Overheat;Больше 70;75;Только запись", "Overheat;Больше 70;71;Только запись"}));
}

TEST_F(EventWindowTest, EqualAndNotEqualAreExactAndAnEmptyValueIsCheckedLikeAnyOther) {
  Rules(
      "event_1=2;7;on;1;Is on;0;\r\n"
      "event_2=2;7;on;2;Not on;0;\r\n"
      "event_3=2;8;;1;Empty;0;\r\n");
  Line("2;7;ON");
  Line("2;7;on");
  Line("2;8;");
  EXPECT_EQ(Table(), (Values{"Not on;Не равно on;ON;Только запись", "Is on;Равно on;on;Только запись",
                             "Empty;Равно ;;Только запись"}));
}

TEST_F(EventWindowTest, OnlyLinesOfTheRulesTypeAndBlockAsExactTextsConcernIt) {
  Rules("event_1=1;12;0;2;Any;0;\r\n");
  Line("0;12;5");    // another type
  Line("1;012;5");   // block texts differ
  Line("12;12;5");   // two-digit type: not a controller line
  Line("x;12;5");
  Line("1;12");      // no value field
  EXPECT_TRUE(Table().empty());
  Line("1;12;5");
  EXPECT_EQ(Table(), (Values{"Any;Не равно 0;5;Только запись"}));
}

TEST_F(EventWindowTest, ChangeRulesPrimeOnTheFirstValueThenLogEachChangeWithBothValues) {
  Rules("event_1=1;4;x;0;Level;0;\r\n");
  Line("1;4;5");
  EXPECT_TRUE(Table().empty());
  Line("1;4;5");
  Line("1;4;7");
  Line("1;4;7");
  Line("1;4;3");
  EXPECT_EQ(Table(), (Values{"Level;Изменение 5;7;Только запись", "Level;Изменение 7;3;Только запись"}));

  // A reload forgets the value, so the next one primes again; the log stays.
  Load();
  Line("1;4;9");
  EXPECT_EQ(Table().size(), 2u);
  Line("1;4;1");
  EXPECT_EQ(Table().back(), "Level;Изменение 9;1;Только запись");
}

TEST_F(EventWindowTest, AReloadReArmsEveryRule) {
  Rules("event_1=1;12;70;3;Overheat;0;\r\n");
  Line("1;12;75");
  Load();
  Line("1;12;75");
  EXPECT_EQ(Table().size(), 2u);
}

TEST_F(EventWindowTest, RowsBeginWithTheLocalTimeAsHourMinuteSecondDayMonthYear) {
  Rules("event_1=1;12;70;3;Overheat;1;alarm.wav\r\n");
  std::string before = FormatTime("h:m:s D-M-Y", platform::LocalTime());
  Line("1;12;75");
  std::string after = FormatTime("h:m:s D-M-Y", platform::LocalTime());
  ASSERT_EQ(E().table->Rows().size(), 1u);
  std::vector<std::string> cells = ui::SplitCells(E().table->Rows()[0], ';');
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_TRUE(std::regex_match(cells[0], std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{2}-[0-9]{2}-[0-9]{4}")))
      << cells[0];
  EXPECT_TRUE(cells[0] == before || cells[0] == after) << cells[0];
  EXPECT_EQ(Values(cells.begin() + 1, cells.end()), (Values{"Overheat", "Больше 70", "75", "Проиграть звук"}));
}

TEST_F(EventWindowTest, TheStoreKeepsTheLast200RowsAndARefillShowsThemAll) {
  Rules("event_1=1;12;x;0;Count;0;\r\n");
  Line("1;12;0");  // primes
  for (int i = 1; i <= 201; ++i) Line("1;12;" + std::to_string(i));
  Values store = Store();
  ASSERT_EQ(store.size(), 200u);
  EXPECT_EQ(store.front(), "Count;Изменение 1;2;Только запись") << "the first row was pushed out";
  EXPECT_EQ(store.back(), "Count;Изменение 200;201;Только запись");
  EXPECT_EQ(Table(), store) << "between refills the table keeps the same last 200 rows";
  EXPECT_EQ(W(*E().table).ItemCount(), 200);
  Show(1);
  EXPECT_EQ(Table(), store);
  ASSERT_TRUE(W(*E().table).PickItem(5));
  const std::string selected = E().table->Rows()[5];
  Line("1;12;202");
  EXPECT_EQ(Table(), Store());
  EXPECT_EQ(W(*E().table).Selected(), 4) << "the selection stays on its row";
  EXPECT_EQ(E().table->Rows()[4], selected);
  // Hiding refills too, and the rules work on while the window is hidden.
  Show(0);
  Line("1;12;x");
  EXPECT_EQ(Table(), Store());
  EXPECT_EQ(Store().size(), 200u);
}

TEST_F(EventWindowTest, InASortedTableThe201stRowPushesOutTheOldestAndTakesItsSortedPlace) {
  Rules("event_1=1;12;x;0;Count;0;\r\n");
  Show(1);
  Line("1;12;0");  // primes
  for (int i = 1; i <= 200; ++i) Line("1;12;" + std::to_string(i));
  auto value = [](const std::string& unstamped) { return ui::SplitCells(unstamped, ';')[2]; };
  // Two clicks on "Значение": its texts from last to first.
  ASSERT_TRUE(W(*E().table).ClickColumn(3));
  ASSERT_TRUE(W(*E().table).ClickColumn(3));
  ASSERT_EQ(value(Table().front()), "99");
  ASSERT_EQ(value(Table().back()), "1");
  Values before = Table();
  int32_t picked = static_cast<int32_t>(std::find_if(before.begin(), before.end(), [&](const std::string& row) {
                                          return value(row) == "150";
                                        }) - before.begin());
  ASSERT_TRUE(W(*E().table).PickItem(picked));

  Line("1;12;201");
  Values sorted = Store();
  ASSERT_EQ(sorted.size(), 200u);
  std::stable_sort(sorted.begin(), sorted.end(), [&](const std::string& a, const std::string& b) {
    return CompareTextAscii(value(a), value(b)) > 0;
  });
  EXPECT_EQ(Table(), sorted) << "the first row went from the end of the view, the new one sorted in";
  EXPECT_EQ(value(Table().front()), "99") << "the top of the view stays";
  Values shown;
  for (const std::string& row : W(*E().table).Items()) shown.push_back(Unstamped(row));
  EXPECT_EQ(shown, Table());
  int32_t selected = W(*E().table).Selected();
  ASSERT_GE(selected, 0);
  EXPECT_EQ(value(Table()[selected]), "150") << "the selection stays on its row";
  // Rows after a refill go where the sort puts them too.
  Show(1);
  EXPECT_EQ(Table(), sorted);
}

TEST_F(EventWindowTest, FilterBySelectedShowsOneEventAndAllEventsShowsEveryStoredRow) {
  Rules(
      "event_1=1;1;x;0;Pump;0;\r\n"
      "event_2=1;2;x;0;Fan;0;\r\n");
  Show(1);
  for (const char* line : {"1;1;0", "1;2;0", "1;1;1", "1;2;1", "1;1;2"}) Line(line);
  ASSERT_EQ(Table(), (Values{"Pump;Изменение 0;1;Только запись", "Fan;Изменение 0;1;Только запись",
                             "Pump;Изменение 1;2;Только запись"}));
  Pick(1, kFilter);
  EXPECT_EQ(Table(), (Values{"Fan;Изменение 0;1;Только запись"}));
  Line("1;1;3");  // stored, not shown
  Line("1;2;5");
  EXPECT_EQ(Table(), (Values{"Fan;Изменение 0;1;Только запись", "Fan;Изменение 1;5;Только запись"}));
  EXPECT_EQ(Store().size(), 5u);

  Pick(0, kAll);
  EXPECT_EQ(Table(), Store());
  EXPECT_EQ(Table().size(), 5u);
  Line("1;1;4");
  EXPECT_EQ(Table().back(), "Pump;Изменение 3;4;Только запись");

  // Filtering without a selected row changes nothing.
  Show(1);  // the refill leaves no row selected
  ASSERT_EQ(W(*E().table).Selected(), -1);
  PickWithoutPress(kFilter);
  EXPECT_EQ(Table().size(), 6u);
  Line("1;2;6");
  EXPECT_EQ(Table().size(), 7u);
}

TEST_F(EventWindowTest, TheMenuOpensTenMillisecondsAfterARightPressOnly) {
  Rules("event_1=1;1;x;0;Pump;0;\r\n");
  Show(1);
  Line("1;1;0");
  Line("1;1;1");
  auto& table = W(*E().table);
  table.PressRow(0, ui::TMouseButton::Left);
  loop.Advance(50);
  EXPECT_EQ(Menu().Popups(), 0);
  table.PressRow(0, ui::TMouseButton::Right);
  EXPECT_EQ(table.Selected(), 0);
  loop.Advance(9);
  EXPECT_EQ(Menu().Popups(), 0);
  loop.Advance(1);
  EXPECT_EQ(Menu().Popups(), 1);
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(Menu().Owner(), E().form->Widget());
  loop.Advance(100);
  EXPECT_EQ(Menu().Popups(), 1) << "one-shot";
}

TEST_F(EventWindowTest, EditingTheSelectedRowsRuleHandsItsKeyToTheEditor) {
  Rules(
      "event_2=1;1;x;0;Pump;0;\r\n"
      "event_4=1;2;x;0;Fan;0;\r\n"
      "event_6=1;3;x;0;Fan;0;\r\n");
  Show(1);
  for (const char* line : {"1;1;0", "1;2;0", "1;3;0", "1;1;1", "1;3;1"}) Line(line);
  ASSERT_EQ(Table().size(), 2u);
  Pick(1, kEdit);
  EXPECT_EQ(edits, (Values{"1;event_4"})) << "the first rule of that name";
  Pick(0, kEdit);
  EXPECT_EQ(edits.back(), "1;event_2");

  // No selected row, no edit.
  Show(1);
  PickWithoutPress(kEdit);
  EXPECT_EQ(edits.size(), 2u);
}

TEST_F(EventWindowTest, TheRuleBarEditsTheChosenRule) {
  Rules(
      "event_2=1;1;x;0;Pump;0;\r\n"
      "event_9=1;2;x;3;Fan;0;\r\n");
  Show(1);
  auto& bar = Bar();
  W(*bar.editButton).Click();
  EXPECT_TRUE(edits.empty()) << "nothing chosen";
  W(*bar.rules).PickItem(1);
  W(*bar.editButton).Click();
  W(*bar.rules).PickItem(0);
  W(*bar.editButton).Click();
  EXPECT_EQ(edits, (Values{"1;event_9", "1;event_2"}));
}

TEST_F(EventWindowTest, AddingHandsTheEditorTheFirstFreeKey) {
  Rules(
      "event_1=1;1;x;0;A;0;\r\n"
      "Event_2=1;1;x;0;B;0;\r\n"
      "event_4=1;1;x;0;C;0;\r\n"
      "event_3=bad\r\n");  // skipped, so its key counts as free
  PickWithoutPress(kAdd);  // with no row in the table
  EXPECT_EQ(edits, (Values{"1;event_3"}));
  EXPECT_EQ(E().rules->Instances.size(), 3u) << "nothing is added before the editor saves";
}

TEST_F(EventWindowTest, TheKeySearchEndsWithEvent0AndThenWithNothingWhenAllAreTaken) {
  std::string lines;
  for (int n = 1; n <= 100; ++n) lines += "event_" + std::to_string(n) + "=1;1;x;0;R;0;\r\n";
  Rules(lines);
  ASSERT_EQ(E().rules->Instances.size(), 100u);
  PickWithoutPress(kAdd);
  EXPECT_EQ(edits, (Values{"1;event_0"}));
  Rules(lines + "event_0=1;1;x;0;R;0;\r\n");
  PickWithoutPress(kAdd);
  EXPECT_EQ(edits.size(), 1u) << "no free key: the search ends without one";
}

TEST_F(EventWindowTest, SoundAndOpenFileActionsGetTheRulesFile) {
  folder.Write("alarm.wav", "RIFF");
  std::string sound = folder.File("alarm.wav");
  Rules("event_1=1;1;1;1;Ring;1;" + sound +
        "\r\n"
        "event_2=1;2;1;1;Manual;2;C:\\docs\\manual.pdf\r\n"
        "event_3=1;3;1;1;Note;0;ignored.txt\r\n");
  Line("1;1;1");
  Line("1;2;1");
  Line("1;3;1");
  ASSERT_EQ(platform::SoundRequests().size(), 1u);
  EXPECT_EQ(platform::SoundRequests()[0].Kind, platform::TSoundRequest::File);
  EXPECT_EQ(platform::SoundRequests()[0].Path, sound);
  EXPECT_EQ(platform::SoundRequests()[0].Flags, platform::sndAsync);
  ASSERT_EQ(SystemRequests().size(), 1u);
  EXPECT_EQ(SystemRequests()[0].Kind, TSystemRequest::Open);
  EXPECT_EQ(SystemRequests()[0].Path, "C:\\docs\\manual.pdf");
  EXPECT_EQ(Table().size(), 3u);
}

TEST_F(EventWindowTest, VolumeIsTheFileFieldInPercentClampedAndZeroWhenNotANumber) {
  Rules(
      "event_1=2;1;on;1;V35;3;35\r\n"
      "event_2=2;2;on;1;Vtext;3;loud\r\n"
      "event_3=2;3;on;1;Vhigh;3;150\r\n"
      "event_4=2;4;on;1;Vneg;3;-5\r\n"
      "event_5=2;5;on;1;Vnone;3;\r\n");
  for (int b = 1; b <= 5; ++b) Line("2;" + std::to_string(b) + ";on");
  ASSERT_EQ(SystemRequests().size(), 5u);
  std::vector<float> levels;
  for (const auto& r : SystemRequests()) {
    EXPECT_EQ(r.Kind, TSystemRequest::Volume);
    levels.push_back(r.Level);
  }
  EXPECT_FLOAT_EQ(levels[0], 0.35f);
  EXPECT_FLOAT_EQ(levels[1], 0.0f);
  EXPECT_FLOAT_EQ(levels[2], 1.0f);
  EXPECT_FLOAT_EQ(levels[3], 0.0f);
  EXPECT_FLOAT_EQ(levels[4], 0.0f);
  EXPECT_EQ(Table().size(), 5u);
}

TEST_F(EventWindowTest, ShutDownRestartAndLockGoToTheSystemService) {
  Rules(
      "event_1=0;1;1;1;Off;4;\r\n"
      "event_2=0;2;1;1;Again;5;\r\n"
      "event_3=0;3;1;1;Lock;6;\r\n"
      "event_4=0;4;1;1;Nothing;0;\r\n");
  for (int b = 1; b <= 4; ++b) Line("0;" + std::to_string(b) + ";1");
  std::vector<TSystemRequest::TKind> kinds;
  for (const auto& r : SystemRequests()) kinds.push_back(r.Kind);
  EXPECT_EQ(kinds, (std::vector<TSystemRequest::TKind>{TSystemRequest::ShutDown, TSystemRequest::Restart,
                                                        TSystemRequest::Lock}));
  EXPECT_TRUE(platform::SoundRequests().empty());
  EXPECT_EQ(Table(), (Values{"Off;Равно 1;1;Отключить ПК", "Again;Равно 1;1;Перезагрузить ПК",
                             "Lock;Равно 1;1;Заблокировать ПК", "Nothing;Равно 1;1;Только запись"}));
}

}  // namespace
}  // namespace zorn::test
