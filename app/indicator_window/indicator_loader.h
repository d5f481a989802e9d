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
// deletes records. Actions: 0 load, 1 edit the selected record, 2 delete
// it. Events: 0 clear the instances, 1 add an instance with its
// initialisation line, 2 arrange the layout, 3 the edit text (prefix and
// key), 4 load the window again (after a delete). Data input 0: the
// selected index. Data output 0: the record list (Array).
class TClassMultiElement_IndicatorLoader : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLoader(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

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
