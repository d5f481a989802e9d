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

// Reload: [buttonForm]; Edit and Delete: the chosen record; Add: a new
// record; AddBlock: the record of "type;block". OnClear: clear the panels;
// OnRow: a new panel's row text; OnArrange: arrange the panels; OnEdit: the
// editor request "1;key"; OnReload: reload the window. Chosen: the chosen
// position. Records: the record list (Array).
class TClassMultiElement_ButtonRecords : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRecords(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Reload = 0, Edit = 1, Add = 2, Delete = 3, AddBlock = 4 };
  enum Event : uint16_t { OnClear = 0, OnRow = 1, OnArrange = 2, OnEdit = 3, OnReload = 4 };
  enum DataInput : uint16_t { Chosen = 0 };
  enum DataOutput : uint16_t { Records = 0 };

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
