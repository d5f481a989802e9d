#include "app/event_window/event_journal.h"

namespace zorn {

TClassMultiElement_EventJournal::TClassMultiElement_EventJournal(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 1); });
  enable = Make<TZEGlobalVar>([](auto& g) { g.SetName("journal_enable"); });
  days = Make<TZEGlobalVar>([](auto& g) { g.SetName("journal_days"); });
  journal = Make<TZEJournal>([](auto& j) {
    j.Folder = "journal";
    j.MaxRows = TClassMultiElement_EventLogStore::kMaxRows;
  });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Start], journal, &TZEJournal::Start);
  Connect(boundary->InnerEvents[Row], journal, &TZEJournal::Write);
  Connect(journal->EnableInput, enable, &TZEGlobalVar::Value);
  Connect(journal->DaysInput, days, &TZEGlobalVar::Value);
  Connect(journal->OnRow, boundary, &TZEEditMulti::Action, OnRow);
  Connect(journal->OnStarted, boundary, &TZEEditMulti::Action, OnStarted);
  Connect(journal->OnFault, boundary, &TZEEditMulti::Action, OnFault);
  Connect(boundary->InnerDataInputs[Folder], journal, &TZEJournal::FolderPath);
}

}  // namespace zorn
