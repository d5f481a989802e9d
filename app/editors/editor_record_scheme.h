#pragma once

#include <string>
#include <vector>

#include "elements/block_entry.h"
#include "elements/array_ops.h"
#include "elements/str_join.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// What tells the record kinds and block directions of the dialogs apart.
struct TEditorRecordKind {
  const char* Mask;             // pattern of a stored record
  const char* Defaults[5];      // fields 3 to 7 of a new record
  const char* Prefix;           // of the block entries
  std::vector<std::string> TypeNames;
  bool OutputBlocks;            // type codes 5 and more, else below 5
};

// Record parser. Parse takes the stored value: a value matching the mask
// gives fields 3 to 7 and the one entry of its own block; anything else
// gives the defaults and one entry per listed block of the dialog's
// direction (Blocks, an Array of "type;block"; items that are no such text,
// as the list's leading empty item, are left out). OnClear clears the block
// list, OnAdd adds an entry, OnSelect selects entry 0 (Int 0), in that
// order. Field3 … Field7: the record's fields of those numbers.
class TEditorRecordScheme : public TClassMultiBase {
 public:
  TEditorRecordScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                      const TEditorRecordKind& kind);

  // Host points.
  enum Action : uint16_t { Parse = 0 };
  enum Event : uint16_t { OnClear = 0, OnAdd = 1, OnSelect = 2 };
  enum DataInput : uint16_t { Blocks = 0 };
  enum DataOutput : uint16_t { Field3 = 0, Field4 = 1, Field5 = 2, Field6 = 3, Field7 = 4 };

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

}  // namespace zorn
