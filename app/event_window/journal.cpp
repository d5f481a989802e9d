#include "app/event_window/journal.h"

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

#include "app/event_window/journal_format.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "runtime/paths.h"

namespace zorn {
namespace {

constexpr const char* kFaultText = "Журнал событий не записывается: ";

struct TDayFile {
  int64_t Day;
  std::string Name;
};

// The journal's day files in the folder, newest first.
std::vector<TDayFile> DayFiles(const std::string& folder) {
  std::vector<TDayFile> files;
  for (std::string& name : platform::ListFiles(folder)) {
    int64_t day = 0;
    if (JournalFileDay(name, day)) files.push_back({day, std::move(name)});
  }
  std::sort(files.begin(), files.end(), [](const TDayFile& a, const TDayFile& b) {
    return a.Day != b.Day ? a.Day > b.Day : a.Name > b.Name;
  });
  return files;
}

int64_t Today() {
  platform::TLocalTime now = platform::LocalTime();
  return platform::DayNumber(now.Year, now.Month, now.Day);
}

}  // namespace

std::string TZEJournal::FullFolder() const { return FullFileName(Folder); }

void TZEJournal::FolderPath(TData& data, uint16_t) { MakeStr(data, FullFolder()); }

void TZEJournal::Start(TData&, uint16_t) {
  if (started_) return;
  started_ = true;
  on_ = ReadIntPlain(EnableInput) != 0;
  if (!on_) return;
  std::string folder = FullFolder();
  if (platform::MakeFolder(folder)) {
    DeleteOldFiles(Today(), ReadIntPlain(DaysInput));
    SendNewestRows();
  } else {
    Fault("не удалось создать папку " + folder);
  }
  FireNull(OnStarted);
}

void TZEJournal::DeleteOldFiles(int64_t today, int32_t days) {
  if (days <= 0) return;
  for (const TDayFile& file : DayFiles(FullFolder())) {
    // A file of a day after today (the clock was set back) stays.
    if (today - file.Day > days) platform::RemoveFile(FullFolder() + "\\" + file.Name);
  }
}

void TZEJournal::SendNewestRows() {
  std::deque<std::string> rows;
  size_t wanted = MaxRows > 0 ? static_cast<size_t>(MaxRows) : 0;
  for (const TDayFile& file : DayFiles(FullFolder())) {
    if (rows.size() >= wanted) break;
    std::string bytes;
    if (!platform::ReadWholeFile(FullFolder() + "\\" + file.Name, bytes)) continue;
    std::vector<std::string> lines = JournalLines(bytes);
    // This file's rows go before those of the newer files.
    std::vector<std::string> fileRows;
    for (const std::string& line : lines) {
      std::string row;
      if (JournalRow(line, row)) fileRows.push_back(std::move(row));
    }
    for (auto it = fileRows.rbegin(); it != fileRows.rend() && rows.size() < wanted; ++it) {
      rows.push_front(std::move(*it));
    }
  }
  for (std::string& row : rows) FireStr(OnRow, std::move(row));
}

void TZEJournal::Write(TData& data, uint16_t) {
  if (!on_) return;
  std::string row = ToStr(data);
  platform::TLocalTime date;
  if (!StampDate(row.substr(0, row.find(';')), date)) date = platform::LocalTime();
  std::string folder = FullFolder();
  // Made again when someone took it away since the start.
  if (!platform::MakeFolder(folder)) {
    Fault("не удалось создать папку " + folder);
    return;
  }
  std::string path = folder + "\\" + JournalFileName(date);
  std::string text;
  std::string last;
  if (!platform::ReadFileEnd(path, 1, last) || last.empty()) {
    text = std::string(kJournalHeader) + "\r\n";
  } else if (last != "\n") {
    text = "\r\n";  // the last line was cut off; it stays as it is
  }
  text += JournalLine(row) + "\r\n";
  if (!platform::AppendToFile(path, text)) Fault("не удалось записать файл " + path);
}

void TZEJournal::Fault(const std::string& what) {
  if (faulted_) return;
  faulted_ = true;
  FireStr(OnFault, kFaultText + what);
}

}  // namespace zorn
