// The journal's text: CSV lines of log rows and back, complete lines of a
// file, time stamps, day file names; and the calendar's day numbers.
#include "app/event_window/journal_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorn {
namespace {

using Lines = std::vector<std::string>;

TEST(JournalFormatTest, ARowIsFiveCellsQuotedOnlyWhereCsvNeedsIt) {
  EXPECT_EQ(JournalLine("09:05:03 07-12-2026;Авария;Равно 1;1;Только запись"),
            "09:05:03 07-12-2026;Авария;Равно 1;1;Только запись");
  EXPECT_EQ(JournalLine("09:05:03 07-12-2026;Насос \"А\";Равно 1;1;Только запись"),
            "09:05:03 07-12-2026;\"Насос \"\"А\"\"\";Равно 1;1;Только запись");
  // What the fifth cell gets beyond four ";" stays in it, quoted.
  EXPECT_EQ(JournalLine("t;n;c;v;a;b"), "t;n;c;v;\"a;b\"");
  EXPECT_EQ(JournalLine("t;n\r;c;v;a"), "t;\"n\r\";c;v;a");
  EXPECT_EQ(JournalLine("t;;;;"), "t;;;;");
}

TEST(JournalFormatTest, ALineReadsBackAsTheRowItWasMadeOf) {
  for (const std::string row : {"09:05:03 07-12-2026;Авария;Равно 1;1;Только запись",
                                "09:05:03 07-12-2026;Насос \"А\";Изменение \"\";\";Только запись",
                                "23:59:59 31-12-2026;;;;",
                                "00:00:00 29-02-2028;a;b;c;d;e;f"}) {
    std::string back;
    ASSERT_TRUE(JournalRow(JournalLine(row), back)) << row;
    EXPECT_EQ(back, row);
  }
}

TEST(JournalFormatTest, LinesThatAreNotRowsAreRefused) {
  std::string row = "unchanged";
  for (const std::string line : {
           "Время;Событие;Условие;Значение;Действие",         // the header
           "",                                                // empty
           "junk",
           "09:05:03 07-12-2026;a;b;c",                       // four cells
           "09:05:03 07-12-2026;a;b;c;d;e",                   // six
           "09:05:03 07-12-2026;\"a;b;c;d",                   // quote never closed
           "09:05:03 07-12-2026;\"a\"x;b;c;d",                // text after the quote
           "9:05:03 07-12-2026;a;b;c;d",                      // one digit
           "24:00:00 07-12-2026;a;b;c;d",                     // no such hour
           "09:05:03 29-02-2027;a;b;c;d",                     // no such day
           "09:05:03 07-13-2026;a;b;c;d",                     // no such month
           "09:05:03 07-12-2026 ;a;b;c;d",                    // more after the stamp
       }) {
    EXPECT_FALSE(JournalRow(line, row)) << line;
  }
  EXPECT_EQ(row, "unchanged");
  // A quote inside a cell that does not start with one is just a character.
  ASSERT_TRUE(JournalRow("09:05:03 07-12-2026;a\"b;c;d;e", row));
  EXPECT_EQ(row, "09:05:03 07-12-2026;a\"b;c;d;e");
}

TEST(JournalFormatTest, OnlyCompleteLinesAreTaken) {
  EXPECT_EQ(JournalLines(""), Lines{});
  EXPECT_EQ(JournalLines("cut"), Lines{});
  EXPECT_EQ(JournalLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(JournalLines("a\r\nb\r\ncut"), (Lines{"a", "b"}));
  EXPECT_EQ(JournalLines("a\nb\r\r\n\r\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(JournalLines("a\r\ncut\r"), (Lines{"a"}));
}

TEST(JournalFormatTest, StampsGiveTheirDate) {
  platform::TLocalTime d;
  ASSERT_TRUE(StampDate("23:59:58 31-12-2026", d));
  EXPECT_EQ(d.Year, 2026);
  EXPECT_EQ(d.Month, 12);
  EXPECT_EQ(d.Day, 31);
  EXPECT_EQ(d.Hour, 23);
  EXPECT_EQ(d.Second, 58);
  EXPECT_TRUE(StampDate("00:00:00 29-02-2028", d));
  EXPECT_FALSE(StampDate("00:00:00 29-02-2100", d));
  EXPECT_FALSE(StampDate("00:00:00 00-01-2026", d));
  EXPECT_FALSE(StampDate("", d));
}

TEST(JournalFormatTest, DayFilesAreNamedYearMonthDay) {
  EXPECT_EQ(JournalFileName({2026, 3, 0, 7, 0, 0, 0}), "2026-03-07.csv");
  int64_t day = 0;
  ASSERT_TRUE(JournalFileDay("2026-03-07.csv", day));
  EXPECT_EQ(day, platform::DayNumber(2026, 3, 7));
  EXPECT_TRUE(JournalFileDay("2026-03-07.CSV", day));
  for (const char* name : {"2026-3-07.csv", "2026-03-07.txt", "2026-02-30.csv", "2026-13-01.csv",
                           "x2026-03-07.csv", "2026-03-07.csv.bak", "2026_03_07.csv", "abcd-ef-gh.csv"}) {
    EXPECT_FALSE(JournalFileDay(name, day)) << name;
  }
}

TEST(CalendarTest, DayNumbersCountFromTheFirstOf1970) {
  EXPECT_EQ(platform::DayNumber(1970, 1, 1), 0);
  EXPECT_EQ(platform::DayNumber(1969, 12, 31), -1);
  EXPECT_EQ(platform::DayNumber(2000, 3, 1), 11017);
  EXPECT_EQ(platform::DayNumber(2026, 12, 8) - platform::DayNumber(2026, 9, 9), 90);
  EXPECT_EQ(platform::DayNumber(2029, 1, 1) - platform::DayNumber(2028, 1, 1), 366);
  for (int64_t n = -800; n < 80000; n += 7) {
    platform::TLocalTime t = platform::DateOfDayNumber(n);
    ASSERT_EQ(platform::DayNumber(t.Year, t.Month, t.Day), n);
    ASSERT_GE(t.Day, 1);
    ASSERT_LE(t.Day, platform::DaysInMonth(t.Year, t.Month));
  }
  platform::TLocalTime t = platform::DateOfDayNumber(platform::DayNumber(2026, 12, 8));
  EXPECT_EQ(t.Year, 2026);
  EXPECT_EQ(t.Month, 12);
  EXPECT_EQ(t.Day, 8);
  EXPECT_EQ(t.DayOfWeek, 2);  // a Tuesday
  EXPECT_EQ(platform::DaysInMonth(2024, 2), 29);
  EXPECT_EQ(platform::DaysInMonth(1900, 2), 28);
  EXPECT_EQ(platform::DaysInMonth(2026, 13), 0);
}

}  // namespace
}  // namespace zorn
