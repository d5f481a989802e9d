#pragma once

#include "app/indicator_window/indicator_line_matcher.h"

namespace zorn {

// The indicator line matcher over the main list's records.
class TClassMultiElement_MainListLineMatcher : public TClassMultiElement_IndicatorLineMatcher {
 public:
  using TClassMultiElement_IndicatorLineMatcher::TClassMultiElement_IndicatorLineMatcher;
};

}  // namespace zorn
