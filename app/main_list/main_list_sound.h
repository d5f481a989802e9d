#pragma once

#include "app/indicator_window/indicator_sound.h"
#include "runtime/multi_element.h"

namespace zorn {

// The one-second gate of the indicator sound with the resource "WAVE2".
class TClassMultiElement_MainListSound : public TClassMultiElement_IndicatorSound {
 public:
  TClassMultiElement_MainListSound(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);
};

}  // namespace zorn
