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

// New record keys. FreeKey: the first free key, on OnFreeKey. AddBlock with
// "type;block": writes the default record "type;block;1;0;block;70;0" under
// the first free key, and 10 ms later fires the key on OnAdded. With no free
// key nothing is written or fired. Records: the record list.
class TClassMultiElement_ButtonRecordAdd : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRecordAdd(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { FreeKey = 0, AddBlock = 1 };
  enum Event : uint16_t { OnFreeKey = 0, OnAdded = 1 };
  enum DataInput : uint16_t { Records = 0 };

  TZEEditMulti* boundary;
  TZEFreeKey* menuKey;
  TZEMultiStrPart* blockFields;  // type code, block
  TZEFreeKey* listKey;
  TZEHub* writeSteps;
  TZEMemory* newKey;
  TZEFormatStr* newRecord;
  TZEini* recordFile;
  TZETimer* editDelay;
  TZEDoData* writtenKey;
};

}  // namespace zorn
