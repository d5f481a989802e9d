#pragma once

#include <string>
#include <vector>

#include "app/editors/block_entry.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

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

}  // namespace zorn
