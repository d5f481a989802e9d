// The indicator editor dialog "Редактирование индикатора", built like the
// button editor. Host action 0 opens it on "origin;key" (1:
// [indicatorForm], 0: [mainForm] of the main list; the width is edited only
// for origin 1). "Сохранить" writes the record, fires host event 0 (origin
// 0) or 1 (origin 1) and hides the dialog; a save with no block or no
// condition selected writes nothing and leaves the dialog open. Host data
// inputs: 0 the input-block list (Array of "type;block"), 1 the main
// window's picture.
#pragma once

#include "app/editors/editor_form.h"

namespace zorn {

class TClassChildForm_IndicatorEditor : public TPanelEditorForm {
 public:
  TClassChildForm_IndicatorEditor(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  ui::TZELabel* conditionLabel;
  ui::TZEComboBox* condition;
  // Opening also puts the condition and the sound flag.
  TZEDoData* conditionIndex;
  TZEDoData* signal;
  // Saving is refused without a condition, too.
  TZEIf_else* noCondition;
};

}  // namespace zorn
