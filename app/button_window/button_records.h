// The record side of the button window: the [buttonForm] records of
// user_settings.ini and the edit, add and delete commands.
#pragma once

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "elements/math.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

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
