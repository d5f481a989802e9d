#pragma once

#include "app/editors/editor_block_scheme.h"

namespace zorn {

// The block reader of the event editor.
class TClassMultiElement_EventEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_EventEditorBlock(TZEMultiElement* host, TElement*,
                                      TClassMultiBase* parentScheme);
};

}  // namespace zorn
