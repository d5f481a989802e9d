// The block-menu scheme of the main panel. Host action 0 chooses the
// output-block list, host action 1 the input-block list (host data inputs 1
// and 0); the choice is remembered, the menu cleared (host event 0), one
// item per block added (host event 1, "Выход:(%1) №%2" or "Вход:(%1) №%2")
// and the menu popped up (host event 2). Host action 2 takes the index n the
// menu reports and sends entry n + 1 of the remembered list, the type;block
// text, on host event 3 (input blocks) or 4 (output blocks).
#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/math.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_BlockMenu : public TClassMultiBase {
 public:
  TClassMultiElement_BlockMenu(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEDoData* chooseOutputs;
  TZEDoData* chooseInputs;
  TZEMemory* choice;  // 0 input blocks, 1 output blocks
  TZEGetIndexData* chosenList;
  TZEHub* showSteps;
  TZEArrayEnum* entries;
  TZEMultiStrPart* entryFields;  // type, block
  TZEStrList* typeNames;
  TZEArrayRW* typeName;
  TZEIndexToChanel* itemKind;
  std::array<TZEFormatStr*, 2> itemTexts;  // input, output
  TZEMath* entryIndex;
  TZEArrayRW* pickedEntry;
  TZEIndexToChanel* pickKind;
};

}  // namespace zorn
