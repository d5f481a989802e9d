// The record side of the button window: the [buttonForm] records of
// user_settings.ini, their row texts, the free keys of new records, and
// the edit and delete commands.
#pragma once

#include <array>

#include "elements/free_key.h"
#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "elements/math.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"

namespace zorn {

// The row text of one record line "key;type;block;value;kind;caption;
// width;extra". Action 0: the line. Event 0: "position;caption;width;kind;
// block;value;Блок: №block (type name), kind name, Значение на выходе:
// "value"". Data input 0: the record's position in the list.
class TClassMultiElement_ButtonRowText : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRowText(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEMultiStrPart* fields;
  TZEStrList* typeNames;  // by type code
  TZEArrayRW* typeName;
  TZEStrList* kindNames;  // by kind
  TZEArrayRW* kindName;
  TZEFormatStr* rowText;
};

// New record keys. Action 0: the first free key, on event 0. Action 1 with
// "type;block": writes the default record "type;block;1;0;block;70;0" under
// the first free key, and 10 ms later fires the key on event 1. With no
// free key nothing is written or fired. Data input 0: the record list.
class TClassMultiElement_ButtonRecordAdd : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRecordAdd(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

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

// Actions: 0 reload [buttonForm], 1 edit the chosen record, 2 add a
// record, 3 delete the chosen record, 4 add the record of "type;block".
// Events: 0 clear the panels, 1 a new panel's row text, 2 arrange the
// panels, 3 the editor request "1;key", 4 reload the window. Data input 0:
// the chosen position. Data output 0: the record list (Array).
class TClassMultiElement_ButtonRecords : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRecords(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEStrList* records;  // the INI lines with "=" replaced by ";"
  TZEini* section;
  TZEHub* reloadSteps;
  TZEStrMask* recordMask;
  TZEReplace* keySeparator;
  TZEHub* lineSteps;
  TZEMath* position;  // count − 1 after the append
  TZEArrayRW* editRecord;
  TZEMultiStrPart* editKey;
  TZEFormatStr* editText;
  TZEFormatStr* newKeyText;
  TZEArrayRW* deleteRecord;
  TZEMultiStrPart* deleteKey;
  TZEHub* deleteSteps;
  TZEini* deleteFile;
  TZEDoData* reloadRequest;
  TZEMultiElement* rowText;
  TZEMultiElement* recordAdd;
};

}  // namespace zorn
