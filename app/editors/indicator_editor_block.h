#pragma once

#include "app/editors/editor_block_scheme.h"

namespace zorn {

// The block reader of the indicator editor.
class TClassMultiElement_IndicatorEditorBlock : public TEditorBlockScheme {
 public:
  TClassMultiElement_IndicatorEditorBlock(TZEMultiElement* host, TElement*,
                                          TClassMultiBase* parentScheme);

  // Host points.
  enum Event : uint16_t { OnIntegerField = 0, OnTextField = 1, OnCondition = 2, OnTypeCode = 3 };
};

}  // namespace zorn
