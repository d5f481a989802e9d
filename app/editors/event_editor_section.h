#pragma once

#include "app/editors/editor_section_scheme.h"

namespace zorn {

// The section chooser of the event editor, over [eventForm].
class TClassMultiElement_EventEditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_EventEditorSection(TZEMultiElement* host, TElement*,
                                        TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "eventForm") {}
};

}  // namespace zorn
