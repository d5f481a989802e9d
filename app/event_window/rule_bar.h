// The bar above the log table: a drop-down list of the rule descriptions and
// the "Изменить" button. Host action 0 empties the list, host action 1 adds
// a description. The button sends the position of the chosen description
// (−1 for none) on host event 0.
#pragma once

#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

class TClassChildPanel_EventRuleBar : public TClassMultiBase {
 public:
  TClassChildPanel_EventRuleBar(TZEMultiElement* host, TElement* parentControl,
                                TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEPanel* bar;
  ui::TZEComboBox* rules;
  ui::TzeButtonRush* editButton;
  TZEDoData* chosen;
};

}  // namespace zorn
