#pragma once

#include "app/editors/editor_section_scheme.h"

namespace zorn {

// The section chooser of the indicator editor, over [indicatorForm].
class TClassMultiElement_IndicatorEditorSection : public TEditorSectionScheme {
 public:
  TClassMultiElement_IndicatorEditorSection(TZEMultiElement* host, TElement*,
                                            TClassMultiBase* parentScheme)
      : TEditorSectionScheme(host, parentScheme, "indicatorForm") {}
};

}  // namespace zorn
