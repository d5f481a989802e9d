// The sub-schemes of the indicator window; the main list builds on them.
//
// Record list: the lines key=value of one section of user_settings.ini with
// "=" turned into ";", so field 0 is the key and fields 1 to 7 the record.
// State text: "1" (active) or "0", ";" and the value of the controller line.
#pragma once

#include <array>

#include "elements/free_key.h"
#include "elements/array_ops.h"
#include "elements/change_mon.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "elements/math.h"
#include "elements/multi_data.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "link/play_sound.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/panel.h"
#include "ui/elements/value_holders.h"

namespace zorn {

// The record mask of unit records.
inline constexpr const char* kUnitRecordMask = "unit*=#;*;*;#;*;*;#";

// Turns one record line into the initialisation line of its panel
// "k;caption;width;signal;description". Action 0: the record line. Data
// input 0: the index k. Event 0: the initialisation line.
class TClassMultiElement_IndicatorText : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorText(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEMultiStrPart* fields;  // 0 key … 7 signal
  TZEHub* steps;
  TZEStrList* typeNames;
  TZEArrayRW* typeName;
  TZEStrList* conditionNames;
  TZEArrayRW* conditionName;
  TZEStrList* signalNames;
  TZEArrayRW* signalName;
  TZEFormatStr* line;
};

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

// Finds a free key. Action 0: for the menu, event 0 with "1;" and the key.
// Action 1: a "type;block" text; the default record is written under the
// free key and 10 ms later event 0 carries "1;" and the key. When no key is
// free nothing is written and nothing fires. Data input 0: the record list.
class TClassMultiElement_IndicatorFreeKey : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorFreeKey(TZEMultiElement* host, TElement* parentControl,
                                      TClassMultiBase* parentScheme);

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

// Computes the state of every record concerned by a controller line.
// Action 0: the line. Event 0: the index k of a concerned record, after its
// state text was stored. Data input 0: the record list. Data output 0: the
// last state text.
class TClassMultiElement_IndicatorLineMatcher : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLineMatcher(TZEMultiElement* host, TElement* parentControl,
                                          TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEStrMask* mask;
  TZEMultiStrPart* line;  // type, block, value
  TZEArrayEnum* records;
  TZEMultiStrPart* record;  // key, type, block, compare value, condition
  TZEIf_else* sameType;
  TZEIf_else* sameBlock;
  TZEIndexToChanel* condition;
  std::array<TZEIf_else*, 4> compare;  // равно, не равно, больше, меньше
  TZEDoData* active;
  TZEDoData* inactive;
  TZEStrCatDelim* stateText;
  TZEDoData* address;
};

// Inside each indicator panel: state picture, font colour and blinking.
// Action 0: the state ("0" or "1"). Data inputs: 0 inactive picture,
// 1 active picture, 2 caption, 3 current value. Events: 0 picture, 1 font,
// 2 text.
class TClassMultiElement_IndicatorLook : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLook(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEFont* inactiveFont;
  ui::TZEFont* activeFont;
  TZETimer* blinkTimer;
  TZESwitch* blink;
  TZEIndexToChanel* state;
  TZEHub* inactiveSteps;
  TZEHub* activeSteps;
  TZEDoData* inactivePicture;
  TZEDoData* activePicture;
  TZEDoData* cyan;
  TZEDoData* red;
  TZEDoData* valueText;
  TZEDoData* captionText;
};

// Plays the change sound unless one was started during the last second.
// Action 0: a request.
class TClassMultiElement_IndicatorSound : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorSound(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZESwitch* playing;
  TZEPlaySound* sound;
  TZETimer* gate;
  TZEHub* start;

 protected:
  TClassMultiElement_IndicatorSound(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                    const char* resource, const char* file);
};

// Remembers the selected item and sets the popup menu up before it opens.
// Actions: 0 a right press on item k, 1 a press on the empty area (Int
// mouse button). Data inputs: 0 the input-block list, 1 the topmost flag.
// Events: 0 toggle the availability of item n (Int n), 1 set the check
// mark (Int 4 followed by the flag), 2 open the menu. Data output 0: the
// selected index.
class TClassMultiElement_IndicatorMenuState : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorMenuState(TZEMultiElement* host, TElement* parentControl,
                                        TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEMemory* selected;
  TZEHub* itemPress;
  TZEIndexToChanel* areaButton;
  TZEHub* areaPress;
  TZESwitch* editAvailable;
  TZESwitch* addAvailable;     // indicator window only
  TZESwitch* deleteAvailable;
  std::array<TZEDoData*, 3> itemIndex;
  TZEHub* setup;
  TZEArrayRW* blocks;          // indicator window only
  TZEIf_else* noBlocks;        // indicator window only
  TZEMemory* checkItem;        // indicator window only
  TzeMT_AddData* checkMark;    // indicator window only
  TZEDoData* popup;

 protected:
  TClassMultiElement_IndicatorMenuState(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                        bool addAndTopmost);
};

// One indicator panel. Instance actions: 0 the initialisation line, 1 the
// host's clear notice (unused), 2 a state text is ready (read through data
// input 2). Instance events: 0 a right press, carrying the index k, 1 a
// sound request. Instance data inputs: 0 inactive picture, 1 active
// picture, 2 the state text.
class TClassChildPanelEx_IndicatorItem : public TClassMultiBase {
 public:
  TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // The name of the indicator window's layout.
  static constexpr const char* kLayout = "индикаторы";

  TZEEditMultiEx* boundary;
  ui::TZEPanel* panel;
  ui::TZEImage* picture;
  ui::TZELabel* text;
  TZEChangeMon* changes;
  TZEMultiElement* look;
  // Set-up from the initialisation line.
  TZEMultiStrPart* setupParts;  // 0 index, 1 caption, 2 width, 3 signal
  TZEMemory* description;
  TZEHub* setupSteps;
  TZEDoData* initialState;
  TZEDoData* width;  // nullptr where the layout sets the width
  // The state text.
  TZEMultiStrPart* stateParts;  // 0 state; the rest is the value
  TZEMemory* value;
  TZEHub* stateSteps;
  TZEDoData* state;
  TZEIf_else* signalOn;
  TZEFormatStr* hint;
  // A right press selects this indicator.
  TZEIndexToChanel* press;
  TZEDoData* selectThis;

 protected:
  struct TSetup {
    int32_t Height;
    bool RecordWidth;  // the record's width field sets the panel's width
    const char* Layout;
    TFactory Look;
    TFontRec Font;     // of the text before the look applies its own
  };
  TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme, const TSetup& setup);
};

}  // namespace zorn
