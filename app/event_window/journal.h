// TZEJournal: the event log's rows on disk, one CSV file per day in a folder
// beside the program (text and names in journal_format.h). Rows are only
// ever appended; files go only by the retention rule at start.
#pragma once

#include <string>

#include "runtime/wire.h"

namespace zorn {

class TZEJournal : public TElement {
 public:
  std::string Folder = "journal";  // a name without "\" lies in the program's folder
  int32_t MaxRows = 200;           // rows sent back at start, at most
  TWire EnableInput;               // Int: 0 off, anything else on
  TWire DaysInput;                 // Int: files kept, in days; 0 or less keeps all

  // The first call of a run reads EnableInput; later calls do nothing. With
  // the journal on: makes the folder, deletes the day files more than
  // DaysInput days older than today (platform::LocalTime), sends the newest
  // MaxRows rows of the remaining files on OnRow, oldest first, and then
  // fires OnStarted. Lines that are not rows are passed over.
  void Start(TData& data, uint16_t index);
  // A new log row "time stamp;event;condition;value;action": with the
  // journal on, appended with a CR LF to the file of the stamp's date (of
  // today when the stamp is not one), after the header when the file is new
  // or empty and after a CR LF when its last line was cut off.
  void Write(TData& data, uint16_t index);
  // Data output: the folder's full path.
  void FolderPath(TData& data, uint16_t index);

  TWire OnRow;
  TWire OnStarted;  // Null
  // "Журнал событий не записывается: " and what failed, the first time a
  // folder cannot be made or a row cannot be written in this run.
  TWire OnFault;

  bool On() const { return on_; }

 private:
  std::string FullFolder() const;
  void DeleteOldFiles(int64_t today, int32_t days);
  void SendNewestRows();
  void Fault(const std::string& what);

  bool started_ = false;
  bool on_ = false;
  bool faulted_ = false;
};

}  // namespace zorn
