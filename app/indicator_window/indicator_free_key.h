#pragma once

#include "elements/format_str.h"
#include "elements/free_key.h"
#include "elements/ini.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"

namespace zorn {

// Finds a free key. Find: for the menu, OnEdit with "1;" and the key. Add:
// a "type;block" text; the default record is written under the free key and
// 10 ms later OnEdit carries "1;" and the key. When no key is free nothing is
// written and nothing fires. Records: the record list.
class TClassMultiElement_IndicatorFreeKey : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorFreeKey(TZEMultiElement* host, TElement* parentControl,
                                      TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Find = 0, Add = 1 };
  enum Event : uint16_t { OnEdit = 0 };
  enum DataInput : uint16_t { Records = 0 };

  TZEEditMulti* boundary;
  TZEFreeKey* menuSearch;
  TZEFormatStr* editText;
  TZEMultiStrPart* block;  // type, block
  TZEHub* addSteps;
  TZEFormatStr* record;
  TZEFreeKey* addSearch;
  TZEMemory* key;
  TZEHub* keySteps;
  TZEini* write;
  TZETimer* editDelay;
  TZEDoData* delayedKey;
};

}  // namespace zorn
