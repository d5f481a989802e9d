#include "app/main_list/main_list_menu_state.h"

namespace zorn {

TClassMultiElement_MainListMenuState::TClassMultiElement_MainListMenuState(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorMenuState(host, parentScheme, false) {}

}  // namespace zorn
