// The reply filter: Line takes a received line. A line of the form
// type;block;value leaves on OnLine unchanged; "ERROR;n" becomes the
// operator message on OnMessage; every other line is dropped.
#pragma once

#include "elements/str_join.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_ReplyCheck : public TClassMultiBase {
 public:
  TClassMultiElement_ReplyCheck(TZEMultiElement* host, TElement* parentControl,
                                TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Line = 0 };
  enum Event : uint16_t { OnLine = 0, OnMessage = 1 };

  TZEEditMulti* boundary;
  TZEStrMask* lineMask;
  TZEMultiStrPart* firstField;
  TZEIf_else* errorGate;
  TZEStrCat* message;
};

}  // namespace zorn
