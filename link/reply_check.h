// The reply filter: host action 0 takes a received line. A line of the form
// type;block;value leaves on host event 0 unchanged; "ERROR;n" becomes the
// operator message on host event 1; every other line is dropped.
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

  TZEEditMulti* boundary;
  TZEStrMask* lineMask;
  TZEMultiStrPart* firstField;
  TZEIf_else* errorGate;
  TZEStrCat* message;
};

}  // namespace zorn
