// The sub-schemes the three editor dialogs are built from: the section
// chooser, the record parser, the block reader and the button kind list.
// The dialogs differ only in the settings handed to the shared bases.
#pragma once

#include <string>
#include <vector>

#include "app/editors/block_entry.h"
#include "elements/array_ops.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// Section chooser. Host action 0 takes "origin;key" (split at the first
// ";"), action 1 reports the stored origin. Host events: 0 the origin digit
// after each split, 1 the report for origin 0, 2 the report for origin 1.
// Host data outputs: 0 the section (mainForm for 0, the dialog's own for 1,
// empty for anything else), 1 the key.
class TEditorSectionScheme : public TClassMultiBase {
 public:
  TEditorSectionScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                       const char* ownSection);

  TZEEditMulti* boundary;
  TZEHub* opening;
  TZEMemory* origin;
  TZEMemory* key;
  TZEMemory* section;
  TZEMultiStrData* split;
  TZEHub* splitDone;
  TZEStrList* sections;
  TZEArrayRW* sectionOf;
  TZEIndexToChanel* report;
};

class TClassMultiElement_EditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_EditorSection(TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "buttonForm") {}
};
class TClassMultiElement_IndicatorEditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_IndicatorEditorSection(TZEMultiElement* host, TElement*,
                                            TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "indicatorForm") {}
};
class TClassMultiElement_EventEditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_EventEditorSection(TZEMultiElement* host, TElement*,
                                        TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "eventForm") {}
};

// What tells the record kinds and block directions of the dialogs apart.
struct TEditorRecordKind {
  const char* Mask;             // pattern of a stored record
  const char* Defaults[5];      // fields 3 to 7 of a new record
  const char* Prefix;           // of the block entries
  std::vector<std::string> TypeNames;
  bool OutputBlocks;            // type codes 5 and more, else below 5
};

// Record parser. Host action 0 takes the stored value: a value matching the
// mask gives fields 3 to 7 and the one entry of its own block; anything
// else gives the defaults and one entry per listed block of the dialog's
// direction (host data input 0, an Array of "type;block"; items that are no
// such text, as the list's leading empty item, are left out). Host events:
// 0 clear the block list, 1 add an entry, 2 select entry 0 (Int 0), in that
// order. Host data outputs 0 to 4: fields 3 to 7.
class TEditorRecordScheme : public TClassMultiBase {
 public:
  TEditorRecordScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                      const TEditorRecordKind& kind);

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEStrMask* stored;
  TZEHub* storedSteps;
  TZEMultiStrPart* fields;
  std::vector<TZEMemory*> values;  // fields 3 to 7
  TZEStrCatDelim* ownBlock;
  TZEBlockEntry* entries;
  TZEHub* newSteps;
  TZEArrayEnum* listed;
  TZEStrMask* blockText;
  TZEIf_else* direction;
  TZEDoData* firstEntry;
};

class TClassMultiElement_ButtonEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_ButtonEditorRecord(TZEMultiElement* host, TElement*,
                                        TClassMultiBase* parentScheme);
};
class TClassMultiElement_IndicatorEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_IndicatorEditorRecord(TZEMultiElement* host, TElement*,
                                           TClassMultiBase* parentScheme);
};
class TClassMultiElement_EventEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_EventEditorRecord(TZEMultiElement* host, TElement*,
                                       TClassMultiBase* parentScheme);
};

// What a block type shows and which value it saves.
struct TEditorBlockType {
  std::vector<int32_t> Shown;  // per control event: 1 show, 0 hide
  int32_t ValueInput;          // host data input giving the value; −1: the text "1"
};
struct TEditorBlockKind {
  const char* Prefix;
  std::vector<std::string> TypeNames;
  int32_t FirstCode;                   // type code of Types[0]
  std::vector<TEditorBlockType> Types;
  TEditorBlockType Other;              // a code without a name: its value is text
  size_t ValueInputs;
};

// A type code is one digit.
inline constexpr int32_t kTypeCodes = 10;

// Block reader. Host action 0 takes a block entry. Host events 0 … n−1 show
// (Int 1) or hide (Int 0) the dialog's value controls for the entry's type
// (every code without a type of its own as Other), so that a stored record
// of any type code can be edited and saved with that code; event n then
// carries the type code (−1 for no entry). Host data outputs: 0 type code,
// 1 block number, 2 the value for the type (Null for none). Host data
// inputs: the dialog's value fields.
class TEditorBlockScheme : public TClassMultiBase {
 public:
  TEditorBlockScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                     const TEditorBlockKind& kind);

  TZEEditMulti* boundary;
  TZEBlockEntry* entry;
  TZEHub* steps;
  TZEIndexToChanel* byType;
  TZEGetIndexData* value;
  TZEMemory* one;
  std::vector<TZEHub*> typeSteps;
  std::vector<TZEDoData*> flags;
};

class TClassMultiElement_ButtonEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_ButtonEditorBlock(TZEMultiElement* host, TElement*,
                                       TClassMultiBase* parentScheme);
};
class TClassMultiElement_IndicatorEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_IndicatorEditorBlock(TZEMultiElement* host, TElement*,
                                          TClassMultiBase* parentScheme);
};
class TClassMultiElement_EventEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_EventEditorBlock(TZEMultiElement* host, TElement*,
                                      TClassMultiBase* parentScheme);
};

// Kind list of the button editor. Host action 0 takes the block's type
// code: event 0 clears the list, event 1 adds each kind the type offers
// (three for bool, four for every other digit: int, str and the codes
// without a name, whose value is sent as text), event 2 then selects host
// data input 0, the record's kind.
class TClassMultiElement_ButtonKindList : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonKindList(TZEMultiElement* host, TElement*,
                                    TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEIndexToChanel* byType;
  TZEStrList* boolKinds;
  TZEStrList* valueKinds;
  TZEArrayEnum* boolEnum;
  TZEArrayEnum* valueEnum;
  TZEDoData* select;
};

}  // namespace zorn
