#pragma once

#include <string>
#include <vector>

#include "app/editors/block_entry.h"
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

}  // namespace zorn
