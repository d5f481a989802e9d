#pragma once

#include "app/editors/editor_record_scheme.h"

namespace zorn {

// The record parser of the event editor: input blocks.
class TClassMultiElement_EventEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_EventEditorRecord(TZEMultiElement* host, TElement*,
                                       TClassMultiBase* parentScheme);
};

}  // namespace zorn
