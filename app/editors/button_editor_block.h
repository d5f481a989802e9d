#pragma once

#include "app/editors/editor_block_scheme.h"

namespace zorn {

// The block reader of the button editor.
class TClassMultiElement_ButtonEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_ButtonEditorBlock(TZEMultiElement* host, TElement*,
                                       TClassMultiBase* parentScheme);
};

}  // namespace zorn
