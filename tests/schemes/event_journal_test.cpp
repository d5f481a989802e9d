// The event log's journal inside the whole program, on the headless backend
// and the virtual clock with a virtual calendar, in a real private program
// folder: rows appended to the day's CSV file, the newest 200 rows back
// after a restart, a cut last line, foreign lines, retention by day, the
// switch in config.ini, the menu's "Открыть журнал" and the one balloon of
// a journal that cannot be written.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/event_window/event_window.h"
#include "app/event_window/log_store.h"
#include "platform/system_actions.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/program/main_scheme.h"
#include "support/elements.h"
#include "support/program_folder.h"
#include "support/ui.h"
#include "support/virtual_calendar.h"

namespace zorn::test {
namespace {

using EventWindow = TClassChildForm_EventWindow;
using Values = std::vector<std::string>;

constexpr const char* kHeader = "Время;Событие;Условие;Значение;Действие\r\n";
constexpr const char* kConfig = "[config]\r\ntype_connect=2\r\ntcp_port=4455\r\n";
constexpr const char* kRules =
    "[eventForm]\r\n"
    "event_1=0;1;1;1;Авария;0;\r\n"
    "event_2=1;2;0;0;Счёт;0;\r\n"
    "event_3=0;3;1;1;Насос \"А\";0;\r\n";
constexpr const char* kJournalMenuItem = "Открыть журнал";

class EventJournalTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    ResetRuntimeForTests();
    platform::SetEventLoop(&loop);
    platform::SystemRequests().clear();
    calendar.Set(2026, 12, 7, 9, 5, 3);
    folder.Write("user_settings.ini", kRules);
  }
  void TearDown() override {
    scheme.reset();
    platform::SetEventLoop(nullptr);
    platform::SystemRequests().clear();
    UiTest::TearDown();
  }

  // config.ini with the link kind that shows the windows, and `journal`
  // after it.
  void Config(const std::string& journal) { folder.Write("config.ini", kConfig + journal); }
  void Start() {
    scheme = std::make_unique<TClassMainForm_Main>();
    StartDispatch();
  }
  // The program ends and starts again in the same folder.
  void Restart() {
    scheme.reset();
    ResetRuntimeForTests();
    Start();
  }

  EventWindow& E() { return *static_cast<EventWindow*>(scheme->eventWindow->Child->Scheme); }
  void Line(const std::string& line) {
    FireStr(MakeWire(EventWindow::Line, &TZEMultiElement::Action, scheme->eventWindow), line);
  }
  // Rows of the counter's change rule: the first value primes it, every
  // other one logs a row.
  void Counts(int from, int to) {
    for (int v = from; v <= to; ++v) Line("1;2;" + std::to_string(v));
  }
  Values Store() {
    TData array;
    E().logStore->DataOutput(array, TClassMultiElement_EventLogStore::Rows);
    return ArrayTexts(array);
  }
  Values Table() { return E().table->Rows(); }
  static std::string Unstamped(const std::string& row) { return row.substr(row.find(';') + 1); }
  Values MenuItems() {
    Values items;
    for (const auto& item : ui::headless::Of(E().menu->Menu()).Items()) {
      items.push_back(item.Separator ? "-" : item.Text);
    }
    return items;
  }
  std::vector<std::string> BalloonTexts() {
    std::vector<std::string> texts;
    for (const auto& b : backend.Trays().back()->Balloons()) texts.push_back(b.Text);
    return texts;
  }
  std::string Journal(const std::string& day) { return folder.Read("journal/" + day + ".csv"); }
  void WriteJournal(const std::string& day, const std::string& bytes) {
    std::filesystem::create_directories(folder.File("journal"));
    folder.Write("journal/" + day + ".csv", bytes);
  }
  std::string ProgramPath(const std::string& name) {
    return platform::FromNativePath(folder.File(name));
  }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  TVirtualCalendar calendar{loop};
  std::unique_ptr<TClassMainForm_Main> scheme;
};

TEST_F(EventJournalTest, EachRowIsAppendedToItsDaysFileInCsvUnderTheHeader) {
  Config("");
  Start();
  EXPECT_TRUE(folder.Exists("journal"));  // made at start
  EXPECT_FALSE(folder.Exists("journal/2026-12-07.csv"));
  Line("0;1;1");
  EXPECT_EQ(Journal("2026-12-07"),
            std::string(kHeader) + "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись\r\n");

  // Quotes in a cell are doubled and the cell quoted; the log itself keeps
  // the row as before.
  loop.Advance(2000);
  Line("0;3;1");
  EXPECT_EQ(Journal("2026-12-07"),
            std::string(kHeader) + "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись\r\n" +
                "09:05:05 07-12-2026;\"Насос \"\"А\"\"\";Равно 1;1;Только запись\r\n");
  EXPECT_EQ(Store(), (Values{"09:05:03 07-12-2026;Авария;Равно 1;1;Только запись",
                             "09:05:05 07-12-2026;Насос \"А\";Равно 1;1;Только запись"}));
  EXPECT_EQ(Table(), Store());

  // Past midnight the rows go to the next day's file, which starts with the
  // header; the day before keeps its rows.
  calendar.Set(2026, 12, 7, 23, 59, 59);
  Counts(0, 1);
  loop.Advance(1000);
  Counts(2, 2);
  EXPECT_EQ(Journal("2026-12-07"),
            std::string(kHeader) + "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись\r\n" +
                "09:05:05 07-12-2026;\"Насос \"\"А\"\"\";Равно 1;1;Только запись\r\n" +
                "23:59:59 07-12-2026;Счёт;Изменение 0;1;Только запись\r\n");
  EXPECT_EQ(Journal("2026-12-08"),
            std::string(kHeader) + "00:00:00 08-12-2026;Счёт;Изменение 1;2;Только запись\r\n");
  EXPECT_TRUE(BalloonTexts().empty());
}

TEST_F(EventJournalTest, ARestartShowsTheNewest200RowsInTheirOrder) {
  Config("");
  Start();
  Counts(0, 120);  // 120 rows on the 7th
  calendar.Set(2026, 12, 8, 8, 0, 0);
  Counts(121, 250);  // 130 on the 8th
  Values before = Store();
  ASSERT_EQ(before.size(), 200u);
  EXPECT_EQ(Unstamped(before.front()), "Счёт;Изменение 50;51;Только запись");

  calendar.Set(2026, 12, 9, 7, 0, 0);
  Restart();
  EXPECT_EQ(Store(), before);
  EXPECT_EQ(Table(), before);
  // Shown again, the window refills from the same rows.
  FireInt(MakeWire(EventWindow::Show, &TZEMultiElement::Action, scheme->eventWindow), 1);
  EXPECT_EQ(Table(), before);

  // New rows follow them, and the oldest make way as before.
  Line("0;1;1");
  Values after = Store();
  ASSERT_EQ(after.size(), 200u);
  EXPECT_EQ(after.back(), "07:00:00 09-12-2026;Авария;Равно 1;1;Только запись");
  EXPECT_EQ(Values(after.begin(), after.end() - 1), Values(before.begin() + 1, before.end()));
  EXPECT_TRUE(BalloonTexts().empty());
}

TEST_F(EventJournalTest, AFewRowsComeBackFromSeveralDaysOldestFirst) {
  WriteJournal("2026-12-05", std::string(kHeader) + "10:00:00 05-12-2026;A;Равно 1;1;Только запись\r\n");
  WriteJournal("2026-12-06", std::string(kHeader) + "10:00:00 06-12-2026;B;Равно 1;1;Только запись\r\n" +
                                 "11:00:00 06-12-2026;C;Равно 1;1;Только запись\r\n");
  Config("");
  Start();
  EXPECT_EQ(Store(), (Values{"10:00:00 05-12-2026;A;Равно 1;1;Только запись",
                             "10:00:00 06-12-2026;B;Равно 1;1;Только запись",
                             "11:00:00 06-12-2026;C;Равно 1;1;Только запись"}));
}

TEST_F(EventJournalTest, ACutLastLineIsLeftOutAndTheNextRowStartsOnANewLine) {
  const std::string whole = std::string(kHeader) + "08:00:00 07-12-2026;Авария;Равно 1;1;Только запись\r\n";
  const std::string cut = "08:30:00 07-12-2026;Авария;Рав";
  WriteJournal("2026-12-07", whole + cut);
  Config("");
  Start();
  EXPECT_EQ(Store(), (Values{"08:00:00 07-12-2026;Авария;Равно 1;1;Только запись"}));

  Line("0;1;1");
  EXPECT_EQ(Journal("2026-12-07"),
            whole + cut + "\r\n" + "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись\r\n");
  Restart();
  EXPECT_EQ(Store(), (Values{"08:00:00 07-12-2026;Авария;Равно 1;1;Только запись",
                             "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись"}));
}

TEST_F(EventJournalTest, OnlyTheGoodLinesOfAFileAreRead) {
  WriteJournal("2026-12-07",
               std::string(kHeader) +
                   "junk\r\n"
                   "\r\n"
                   "10:00:00 07-12-2026;Good;Равно 1;1;Только запись\r\n"
                   "10:00:01 07-12-2026;Four;cells;only\r\n"
                   "10:00:02 07-12-2026;Six;cells;a;b;c\r\n"
                   "10:00:03 07-12-2026;\"Unclosed;Равно 1;1;Только запись\r\n"
                   "10:00:04 07-12-2026;\"Text\"after;Равно 1;1;Только запись\r\n"
                   "10:61:05 07-12-2026;Bad minute;Равно 1;1;Только запись\r\n"
                   "10:00:06 31-11-2026;Bad day;Равно 1;1;Только запись\r\n"
                   "yesterday;Words;Равно 1;1;Только запись\r\n"
                   "10:00:07 07-12-2026;\"Quoted; \"\"name\"\"\";Равно 1;1;Только запись\n"
                   "10:00:08 07-12-2026;LF only;Равно 1;1;Только запись\n");
  // Files of other names are neither read nor touched.
  folder.Write("journal/notes.txt", "10:00:09 07-12-2026;Notes;Равно 1;1;Только запись\r\n");
  folder.Write("journal/2026-13-01.csv", "10:00:10 07-12-2026;Month 13;Равно 1;1;Только запись\r\n");
  Config("[journal]\r\ndays=1\r\n");
  Start();
  EXPECT_EQ(Store(), (Values{"10:00:00 07-12-2026;Good;Равно 1;1;Только запись",
                             "10:00:07 07-12-2026;Quoted; \"name\";Равно 1;1;Только запись",
                             "10:00:08 07-12-2026;LF only;Равно 1;1;Только запись"}));
  EXPECT_TRUE(folder.Exists("journal/notes.txt"));
  EXPECT_TRUE(folder.Exists("journal/2026-13-01.csv"));
}

TEST_F(EventJournalTest, FilesOlderThanTheDaysKeptAreDeletedAtStart) {
  calendar.Set(2026, 12, 10);
  for (const char* day : {"2026-12-06", "2026-12-07", "2026-12-10", "2026-12-11"}) {
    WriteJournal(day, kHeader);
  }
  folder.Write("journal/old.txt", "");
  Config("[journal]\r\ndays=3\r\n");
  Start();
  EXPECT_FALSE(folder.Exists("journal/2026-12-06.csv"));  // four days old
  EXPECT_TRUE(folder.Exists("journal/2026-12-07.csv"));   // three
  EXPECT_TRUE(folder.Exists("journal/2026-12-10.csv"));
  EXPECT_TRUE(folder.Exists("journal/2026-12-11.csv"));   // after today: the clock went back
  EXPECT_TRUE(folder.Exists("journal/old.txt"));

  // Nothing goes while the program runs, only at the next start.
  calendar.Set(2026, 12, 11);
  loop.Advance(1000);
  EXPECT_TRUE(folder.Exists("journal/2026-12-07.csv"));
  Restart();
  EXPECT_FALSE(folder.Exists("journal/2026-12-07.csv"));
  EXPECT_TRUE(folder.Exists("journal/2026-12-10.csv"));
}

TEST_F(EventJournalTest, NinetyDaysAreKeptWhenConfigIniSaysNothingAndZeroKeepsAll) {
  calendar.Set(2026, 12, 10);
  WriteJournal("2026-09-11", kHeader);  // 90 days before
  WriteJournal("2026-09-10", kHeader);  // 91
  Config("");
  Start();
  EXPECT_TRUE(folder.Exists("journal/2026-09-11.csv"));
  EXPECT_FALSE(folder.Exists("journal/2026-09-10.csv"));

  WriteJournal("2016-01-01", kHeader);
  Config("[journal]\r\ndays=0\r\n");
  Restart();
  EXPECT_TRUE(folder.Exists("journal/2016-01-01.csv"));
}

TEST_F(EventJournalTest, TheMenusLastItemOpensTheJournalFolder) {
  Config("");
  Start();
  EXPECT_EQ(MenuItems(), (Values{"Редактировать", "Фильтр по выбранному", "-", "Добавить", "-",
                                 "Все события", kJournalMenuItem}));
  TData none;
  E().menu->Popup(none, 0);
  ASSERT_TRUE(ui::headless::Of(E().menu->Menu()).Pick(6));
  ASSERT_EQ(platform::SystemRequests().size(), 1u);
  EXPECT_EQ(platform::SystemRequests()[0].Kind, platform::TSystemRequest::Open);
  EXPECT_EQ(platform::SystemRequests()[0].Path, ProgramPath("journal"));

  // The items before it keep their places: "Все события" is still item 5.
  Line("0;1;1");
  E().menu->Popup(none, 0);
  ASSERT_TRUE(ui::headless::Of(E().menu->Menu()).Pick(5));
  EXPECT_EQ(Table().size(), 1u);
  EXPECT_EQ(platform::SystemRequests().size(), 1u);
}

TEST_F(EventJournalTest, EnableZeroReadsAndWritesNothing) {
  const std::string stored = std::string(kHeader) + "08:00:00 07-12-2026;Авария;Равно 1;1;Только запись\r\n";
  WriteJournal("2026-12-07", stored);
  WriteJournal("2016-01-01", kHeader);
  Config("[journal]\r\nenable=0\r\ndays=1\r\n");
  Start();
  EXPECT_TRUE(Store().empty());
  EXPECT_TRUE(Table().empty());
  Line("0;1;1");
  EXPECT_EQ(Store(), (Values{"09:05:03 07-12-2026;Авария;Равно 1;1;Только запись"}));
  EXPECT_EQ(Journal("2026-12-07"), stored);
  EXPECT_TRUE(folder.Exists("journal/2016-01-01.csv"));  // no retention either
  // The menu is the one of the log without a journal.
  EXPECT_EQ(MenuItems(),
            (Values{"Редактировать", "Фильтр по выбранному", "-", "Добавить", "-", "Все события"}));
  EXPECT_TRUE(BalloonTexts().empty());
}

TEST_F(EventJournalTest, EnableZeroMakesNoFolder) {
  Config("[journal]\r\nenable=0\r\n");
  Start();
  Line("0;1;1");
  EXPECT_FALSE(folder.Exists("journal"));
  EXPECT_EQ(Store().size(), 1u);
}

TEST_F(EventJournalTest, AFolderThatCannotBeMadeGivesOneBalloonAndTheLogWorksInMemory) {
  folder.Write("journal", "a file where the folder should be");
  Config("");
  Start();
  const std::string fault =
      "Журнал событий не записывается: не удалось создать папку " + ProgramPath("journal");
  ASSERT_EQ(BalloonTexts(), (Values{fault}));
  EXPECT_EQ(backend.Trays().back()->Balloons()[0].Title, "Внимание");
  Line("0;1;1");
  Counts(0, 3);
  EXPECT_EQ(Store().size(), 4u);
  EXPECT_EQ(Table().size(), 4u);
  EXPECT_EQ(BalloonTexts(), (Values{fault}));  // once a run
  EXPECT_EQ(folder.Read("journal"), "a file where the folder should be");

  // Once per run: the next run tells again.
  Restart();
  EXPECT_EQ(BalloonTexts(), (Values{fault}));
}

TEST_F(EventJournalTest, AFileThatCannotBeWrittenGivesOneBalloonAndTheLogWorksInMemory) {
  std::filesystem::create_directories(folder.File("journal/2026-12-07.csv"));
  Config("");
  Start();
  EXPECT_TRUE(BalloonTexts().empty());
  Line("0;1;1");
  const std::string fault = "Журнал событий не записывается: не удалось записать файл " +
                            ProgramPath("journal/2026-12-07.csv");
  EXPECT_EQ(BalloonTexts(), (Values{fault}));
  Counts(0, 3);
  EXPECT_EQ(BalloonTexts(), (Values{fault}));
  EXPECT_EQ(Store().size(), 4u);
  EXPECT_EQ(Table().size(), 4u);

  // The next day's file takes the rows again.
  calendar.Set(2026, 12, 8, 0, 0, 1);
  Line("0;1;0");
  Line("0;1;1");
  EXPECT_EQ(Journal("2026-12-08"),
            std::string(kHeader) + "00:00:01 08-12-2026;Авария;Равно 1;1;Только запись\r\n");
  EXPECT_EQ(BalloonTexts().size(), 1u);
}

}  // namespace
}  // namespace zorn::test
