#pragma once

#include "app/editors/editor_section_scheme.h"

namespace zorn {

// The section chooser of the button editor, over [buttonForm].
class TClassMultiElement_EditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_EditorSection(TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "buttonForm") {}
};

}  // namespace zorn
