// The event log's journal on disk (TZEJournal), switched and kept by the
// globals "journal_enable" and "journal_days" that the config loader reads
// from config.ini [journal]. Start (the first call of a run only) sends the
// newest stored rows, oldest first, on OnRow and then OnStarted, when the
// journal is on; Row appends a new, stamped log row. OnFault: the text for
// the operator when the journal cannot be written, once a run. Folder: the
// journal folder's full path.
#pragma once

#include "app/event_window/journal.h"
#include "app/event_window/log_store.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventJournal : public TClassMultiBase {
 public:
  TClassMultiElement_EventJournal(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Start = 0, Row = 1 };
  enum Event : uint16_t { OnRow = 0, OnStarted = 1, OnFault = 2 };
  enum DataOutput : uint16_t { Folder = 0 };

  TZEEditMulti* boundary;
  TZEGlobalVar* enable;
  TZEGlobalVar* days;
  TZEJournal* journal;
};

}  // namespace zorn
