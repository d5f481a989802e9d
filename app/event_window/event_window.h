// The event log window "Журнал событий": the rules of user_settings.ini
// [eventForm], one rule instance each, the time-stamped log table with its
// popup menu, the rule bar and the rules' actions. Load: the rules; Line: a
// controller line; Show: 1 shows, 0 hides the window, refilling the table
// with every stored row. OnEdit: "1;" and the key of the rule to edit or to
// add, for the event editor. The rows are also kept in the journal on disk
// when config.ini turns it on: the first Load of a run fills the log with
// the journal's newest rows and adds "Открыть журнал" to the menu;
// OnJournalFault: the text for the operator when the journal cannot be
// written.
#pragma once

#include "elements/str_join.h"
#include "link/play_sound.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/main_form.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/string_table.h"

namespace zorn {

class TClassChildForm_EventWindow : public TClassMultiBase {
 public:
  TClassChildForm_EventWindow(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Line = 1, Show = 2 };
  enum Event : uint16_t { OnEdit = 0, OnJournalFault = 1 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  TZEMultiElement* ruleBar;
  ui::TzeStringTableMT* table;
  ui::TzePopupMenuEx* menu;
  TZEPlaySound* sound;
  TZEMultiElement* ruleLoader;
  TZEMultiElement* ruleText;
  TZEMultiElement* freeKey;
  TZEMultiElementEx* rules;
  TZEMultiElement* lineMatcher;
  TZEMultiElement* logStore;
  TZEMultiElement* tableFill;
  TZEMultiElement* tableMouse;
  TZEMultiElement* ruleFinder;
  TZEMultiElement* actions;
  TZEHub* showing;
  TZEHub* cleared;
  TZEIndexToChanel* menuItems;
  TZEIf_else* rowToEdit;    // only with a selected row
  TZEDoData* selectedRow;
  TZEIf_else* rowToFilter;
  TZEStrCat* editText;      // "1;" and the key
  TZEMultiElement* journal;
  TZEHub* loading;
  TZEDoData* journalItem;   // the menu's "Открыть журнал"
  TZEDoData* journalFolder;
};

}  // namespace zorn
