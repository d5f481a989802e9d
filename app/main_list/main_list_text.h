#pragma once

#include "app/indicator_window/indicator_text.h"

namespace zorn {

// The indicator text for the rows of [mainForm].
class TClassMultiElement_MainListText : public TClassMultiElement_IndicatorText {
 public:
  using TClassMultiElement_IndicatorText::TClassMultiElement_IndicatorText;
};

}  // namespace zorn
