#pragma once

#include "app/indicator_window/indicator_item.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"

namespace zorn {

// One row: the indicator panel, 21 high, as wide as the layout makes it.
class TClassChildPanelEx_MainListRow : public TClassChildPanelEx_IndicatorItem {
 public:
  TClassChildPanelEx_MainListRow(TZEMultiElementEx* host, TElement* parentControl,
                                 TClassMultiBase* parentScheme);

  static constexpr const char* kLayout = "строки";
};

}  // namespace zorn
