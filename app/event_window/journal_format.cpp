#include "app/event_window/journal_format.h"

#include <cstdio>

namespace zorn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A run of at least two digits at `pos`, its value in `number`; `pos`
// moves past the run.
bool Number(const std::string& s, size_t& pos, int32_t& number) {
  size_t start = pos;
  int64_t value = 0;
  while (pos < s.size() && IsDigit(s[pos])) {
    value = value * 10 + (s[pos] - '0');
    if (value > 99999999) return false;
    ++pos;
  }
  number = static_cast<int32_t>(value);
  return pos - start >= 2;
}

bool Expect(const std::string& s, size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

bool NeedsQuotes(const std::string& cell) {
  return cell.find_first_of(";\"\r\n") != std::string::npos;
}

// The cells of a CSV line cut at ";": a cell that starts with '"' runs to
// the lone '"' that closes it ("" stands for one '"') and must be followed
// by ";" or the end. False for an unclosed quote or text after one.
bool Cells(const std::string& line, std::vector<std::string>& cells) {
  size_t pos = 0;
  for (;;) {
    std::string cell;
    if (pos < line.size() && line[pos] == '"') {
      ++pos;
      for (;;) {
        if (pos >= line.size()) return false;
        if (line[pos] == '"') {
          if (pos + 1 < line.size() && line[pos + 1] == '"') {
            cell += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        cell += line[pos++];
      }
      if (pos < line.size() && line[pos] != ';') return false;
    } else {
      size_t end = line.find(';', pos);
      if (end == std::string::npos) end = line.size();
      cell = line.substr(pos, end - pos);
      pos = end;
    }
    cells.push_back(std::move(cell));
    if (pos >= line.size()) return true;
    ++pos;  // the ";"
  }
}

}  // namespace

std::string JournalLine(const std::string& row) {
  std::string line;
  size_t pos = 0;
  for (int cell = 0; cell < kJournalCells; ++cell) {
    size_t end = cell + 1 < kJournalCells ? row.find(';', pos) : std::string::npos;
    if (end == std::string::npos) end = row.size();
    std::string text = pos <= row.size() ? row.substr(pos, end - pos) : std::string();
    pos = end + 1;
    if (cell) line += ';';
    if (NeedsQuotes(text)) {
      line += '"';
      for (char c : text) {
        if (c == '"') line += '"';
        line += c;
      }
      line += '"';
    } else {
      line += text;
    }
  }
  return line;
}

bool JournalRow(const std::string& line, std::string& row) {
  std::vector<std::string> cells;
  if (!Cells(line, cells) || cells.size() != kJournalCells) return false;
  platform::TLocalTime date;
  if (!StampDate(cells[0], date)) return false;
  std::string joined;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i) joined += ';';
    joined += cells[i];
  }
  row = std::move(joined);
  return true;
}

std::vector<std::string> JournalLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  for (;;) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) return lines;
    size_t stop = end;
    while (stop > pos && bytes[stop - 1] == '\r') --stop;
    lines.push_back(bytes.substr(pos, stop - pos));
    pos = end + 1;
  }
}

bool StampDate(const std::string& stamp, platform::TLocalTime& date) {
  size_t pos = 0;
  platform::TLocalTime t;
  if (!Number(stamp, pos, t.Hour) || !Expect(stamp, pos, ':') || !Number(stamp, pos, t.Minute) ||
      !Expect(stamp, pos, ':') || !Number(stamp, pos, t.Second) || !Expect(stamp, pos, ' ') ||
      !Number(stamp, pos, t.Day) || !Expect(stamp, pos, '-') || !Number(stamp, pos, t.Month) ||
      !Expect(stamp, pos, '-') || !Number(stamp, pos, t.Year) || pos != stamp.size()) {
    return false;
  }
  if (t.Hour > 23 || t.Minute > 59 || t.Second > 60) return false;
  if (t.Day < 1 || t.Day > platform::DaysInMonth(t.Year, t.Month)) return false;
  date = t;
  return true;
}

std::string JournalFileName(const platform::TLocalTime& date) {
  char name[32];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d.csv", static_cast<int>(date.Year),
                static_cast<int>(date.Month), static_cast<int>(date.Day));
  return name;
}

bool JournalFileDay(const std::string& name, int64_t& dayNumber) {
  // YYYY-MM-DD.csv
  if (name.size() != 14 || name[4] != '-' || name[7] != '-' || name[10] != '.') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!IsDigit(name[i])) return false;
  }
  std::string extension = name.substr(11);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension != "csv") return false;
  int32_t year = std::stoi(name.substr(0, 4));
  int32_t month = std::stoi(name.substr(5, 2));
  int32_t day = std::stoi(name.substr(8, 2));
  if (day < 1 || day > platform::DaysInMonth(year, month)) return false;
  dayNumber = platform::DayNumber(year, month, day);
  return true;
}

}  // namespace zorn
