#pragma once

#include "app/editors/editor_record_scheme.h"

namespace zorn {

// The record parser of the button editor: output blocks.
class TClassMultiElement_ButtonEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_ButtonEditorRecord(TZEMultiElement* host, TElement*,
                                        TClassMultiBase* parentScheme);
};

}  // namespace zorn
