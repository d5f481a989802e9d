// The text of the event journal: one CSV file per day, "YYYY-MM-DD.csv",
// CP1251, CR LF line ends, cells separated by ";" and quoted as CSV quotes
// them, under the header row kJournalHeader. A log row of the store,
// "time stamp;event;condition;value;action", is one line of five cells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace zorn {

inline constexpr const char* kJournalHeader = "Время;Событие;Условие;Значение;Действие";
inline constexpr int kJournalCells = 5;

// The journal line of a log row, without its line end: the row cut at ";"
// into five cells (the last one takes whatever is left), each cell that
// holds ";", '"', CR or LF in double quotes with its quotes doubled.
std::string JournalLine(const std::string& row);

// The log row of a journal line: its cells joined by ";". False for a line
// that is not five well-formed cells whose first is a time stamp (the
// header, a cut or foreign line); `row` is then left as it was.
bool JournalRow(const std::string& line, std::string& row);

// The complete lines of a journal file, without their line ends (LF, and
// any CR before it); text after the last LF, a line cut off while it was
// written, is left out.
std::vector<std::string> JournalLines(const std::string& bytes);

// The date of a time stamp "hh:mm:ss DD-MM-YYYY" (two or more digits each,
// a real date); false when the text is not one.
bool StampDate(const std::string& stamp, platform::TLocalTime& date);

// "YYYY-MM-DD.csv" of the date.
std::string JournalFileName(const platform::TLocalTime& date);
// The day number (platform::DayNumber) of a journal file's name, ".csv" in
// any letter case; false for any other name.
bool JournalFileDay(const std::string& name, int64_t& dayNumber);

}  // namespace zorn
