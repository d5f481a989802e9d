#pragma once

#include "app/editors/editor_block_scheme.h"

namespace zorn {

// The block reader of the button editor.
class TClassMultiElement_ButtonEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_ButtonEditorBlock(TZEMultiElement* host, TElement*,
                                       TClassMultiBase* parentScheme);

  // Host points.
  enum Event : uint16_t { OnValueLabel = 0, OnIntegerField = 1, OnTextField = 2, OnTypeCode = 3 };
};

}  // namespace zorn
