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

// Loads one section into the record list and the list host, and edits and
// deletes records. Edit and Delete act on the selected record. OnClear:
// clear the instances; OnAdd: add an instance with its initialisation line;
// OnArrange: arrange the layout; OnEdit: the edit text (prefix and key);
// OnReload: load the window again (after a delete). Selected: the selected
// index. Records: the record list (Array).
class TClassMultiElement_IndicatorLoader : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLoader(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Edit = 1, Delete = 2 };
  enum Event : uint16_t { OnClear = 0, OnAdd = 1, OnArrange = 2, OnEdit = 3, OnReload = 4 };
  enum DataInput : uint16_t { Selected = 0 };
  enum DataOutput : uint16_t { Records = 0 };

  TZEEditMulti* boundary;
  TZEStrList* records;
  TZEini* section;
  TZEStrMask* mask;
  TZEReplace* replace;
  TZEHub* loadSteps;
  TZEHub* lineSteps;
  TZEMath* index;  // count − 1
  TZEMultiElement* text;
  TZEArrayRW* editRecord;
  TZEMultiStrPart* editKey;
  TZEFormatStr* editText;
  TZEHub* deleteSteps;
  TZEArrayRW* deleteRecord;
  TZEMultiStrPart* deleteKey;
  TZEDoData* reload;

 protected:
  struct TSetup {
    const char* Section;
    const char* EditMask;  // "1;%1" or "0;%1"
    size_t Actions;
    TFactory Text;
  };
  TClassMultiElement_IndicatorLoader(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                     const TSetup& setup);
};

}  // namespace zorn
