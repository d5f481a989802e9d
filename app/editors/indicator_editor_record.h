#pragma once

#include "app/editors/editor_record_scheme.h"

namespace zorn {

// The record parser of the indicator editor: input blocks.
class TClassMultiElement_IndicatorEditorRecord : public TEditorRecordScheme {
 public:
  TClassMultiElement_IndicatorEditorRecord(TZEMultiElement* host, TElement*,
                                           TClassMultiBase* parentScheme);
};

}  // namespace zorn
