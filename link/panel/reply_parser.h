// The known-blocks scheme of the main panel. Line takes a reply line; a line
// matching "#;*;*" has its type;block text (the line without its last field)
// appended once to the input-block list (type below "5", compared as text)
// or to the output-block list (type "5" and above). InputBlocks and
// OutputBlocks answer the lists' Arrays. Both lists start with one empty
// entry, from their initial CR LF.
#pragma once

#include "elements/array_find.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_ReplyParser : public TClassMultiBase {
 public:
  TClassMultiElement_ReplyParser(TZEMultiElement* host, TElement* parentControl,
                                 TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Line = 0 };
  enum DataOutput : uint16_t { InputBlocks = 0, OutputBlocks = 1 };

  TZEEditMulti* boundary;
  TZEStrMask* replyMask;
  TZEHub* steps;
  TZEMultiStrData* valueCut;  // cuts the value off; its Rest is type;block
  TZEDoData* blockText;
  TZEMultiStrPart* typeField;
  TZEHub* blockSteps;
  TZEIf_else* inputType;
  TZEDoData* fromFirst;  // both searches start at entry 0
  TZEStrList* inputBlocks;
  TZEStrList* outputBlocks;
  TZEArrayFind* inputFind;
  TZEArrayFind* outputFind;
  TZEIf_else* newInput;
  TZEIf_else* newOutput;
};

}  // namespace zorn
