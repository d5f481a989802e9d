#pragma once

#include "app/editors/editor_block_scheme.h"

namespace zorn {

// The block reader of the event editor.
class TClassMultiElement_EventEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_EventEditorBlock(TZEMultiElement* host, TElement*,
                                      TClassMultiBase* parentScheme);

  // Host points.
  enum Event : uint16_t { OnIntegerField = 0, OnTextField = 1, OnBitList = 2, OnTypeCode = 3 };
  enum DataInput : uint16_t { BitList = 2 };
};

}  // namespace zorn
