// The event log window "Журнал событий": the rules of user_settings.ini
// [eventForm], one rule instance each, the time-stamped log table with its
// popup menu, the rule bar and the rules' actions. Host actions: 0 load the
// rules, 1 a controller line, 2 show (1) or hide (0) the window, refilling
// the table with every stored row. Host event 0: "1;" and the key of the
// rule to edit or to add, for the event editor. No host data points.
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
};

}  // namespace zorn
