#pragma once

#include "app/indicator_window/indicator_menu_state.h"
#include "runtime/multi_element.h"

namespace zorn {

// The indicator menu state for three items; "add" is always available and
// there is no check mark, so OnCheck never fires.
class TClassMultiElement_MainListMenuState : public TClassMultiElement_IndicatorMenuState {
 public:
  TClassMultiElement_MainListMenuState(TZEMultiElement* host, TElement* parentControl,
                                       TClassMultiBase* parentScheme);
};

}  // namespace zorn
