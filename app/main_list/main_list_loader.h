#pragma once

#include "app/indicator_window/indicator_loader.h"
#include "elements/format_str.h"
#include "elements/free_key.h"
#include "runtime/multi_element.h"

namespace zorn {

// The indicator loader over [mainForm] with the edit prefix "0;", and the
// free-key search. Actions and events as the indicator loader's, plus
// action 3: find a free key; event 3 then carries "0;" and the key (no key
// free: nothing fires).
class TClassMultiElement_MainListLoader : public TClassMultiElement_IndicatorLoader {
 public:
  TClassMultiElement_MainListLoader(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  TZEFreeKey* freeKey;
  TZEFormatStr* addText;
};

}  // namespace zorn
