#pragma once

#include "app/indicator_window/indicator_loader.h"
#include "elements/format_str.h"
#include "elements/free_key.h"
#include "runtime/multi_element.h"

namespace zorn {

// The indicator loader over [mainForm] with the edit prefix "0;", and the
// free-key search: Add finds a free key; OnEdit then carries "0;" and the
// key (no key free: nothing fires).
class TClassMultiElement_MainListLoader : public TClassMultiElement_IndicatorLoader {
 public:
  TClassMultiElement_MainListLoader(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Add = 3 };

  TZEFreeKey* freeKey;
  TZEFormatStr* addText;
};

}  // namespace zorn
