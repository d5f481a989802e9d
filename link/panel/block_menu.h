// The block-menu scheme of the main panel. ShowOutputs chooses the
// output-block list, ShowInputs the input-block list; the choice is
// remembered, the menu cleared (OnClear), one item per block added (OnItem,
// "Выход:(%1) №%2" or "Вход:(%1) №%2") and the menu popped up (OnPopup).
// Pick takes the index n the menu reports and sends entry n + 1 of the
// remembered list, the type;block text, on OnInputBlock or OnOutputBlock.
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

  // Host points.
  enum Action : uint16_t { ShowOutputs = 0, ShowInputs = 1, Pick = 2 };
  enum Event : uint16_t {
    OnClear = 0,
    OnItem = 1,
    OnPopup = 2,
    OnInputBlock = 3,
    OnOutputBlock = 4
  };
  enum DataInput : uint16_t { InputBlocks = 0, OutputBlocks = 1 };

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
