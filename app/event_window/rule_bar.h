// The bar above the log table: a drop-down list of the rule descriptions and
// the "Изменить" button. Clear empties the list, Add adds a description.
// The button sends the position of the chosen description (−1 for none) on
// OnChoose.
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

  // Host points.
  enum Action : uint16_t { Clear = 0, Add = 1 };
  enum Event : uint16_t { OnChoose = 0 };

  TZEEditMulti* boundary;
  ui::TZEPanel* bar;
  ui::TZEComboBox* rules;
  ui::TzeButtonRush* editButton;
  TZEDoData* chosen;
};

}  // namespace zorn
