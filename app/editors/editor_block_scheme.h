#pragma once

#include <string>
#include <vector>

#include "elements/block_entry.h"
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

// Block reader. Read takes a block entry. Host events 0 … n−1 show (Int 1)
// or hide (Int 0) the dialog's value controls for the entry's type (every
// code without a type of its own as Other), so that a stored record of any
// type code can be edited and saved with that code; event n then carries
// the type code (−1 for no entry). IntegerField and TextField: the dialog's
// value fields. TypeCode, Block and Value (Null for none) answer for the
// entry.
class TEditorBlockScheme : public TClassMultiBase {
 public:
  TEditorBlockScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                     const TEditorBlockKind& kind);

  // Host points; the events are the dialog's, and a dialog may add data inputs.
  enum Action : uint16_t { Read = 0 };
  enum DataInput : uint16_t { IntegerField = 0, TextField = 1 };
  enum DataOutput : uint16_t { TypeCode = 0, Block = 1, Value = 2 };

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
