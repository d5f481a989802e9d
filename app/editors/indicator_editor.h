// The indicator editor dialog "Редактирование индикатора", built like the
// button editor, with the host points of TEditorForm. Open takes
// "origin;key" (1: [indicatorForm], 0: [mainForm] of the main list; the
// width is edited only for origin 1). "Сохранить" writes the record,
// reports the origin and hides the dialog; a save with no block or no
// condition selected, or with a value or width that is no number in range,
// writes nothing, leaves the dialog open and says why. The condition list
// shows for int blocks and blocks of a type code without a name, and for
// any block while nothing is selected in it, so that a stored condition
// code without an item can be replaced. Blocks: the input-block list.
#pragma once

#include "app/editors/editor_form.h"

namespace zorn {

class TClassChildForm_IndicatorEditor : public TPanelEditorForm {
 public:
  TClassChildForm_IndicatorEditor(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  ui::TZELabel* conditionLabel;
  ui::TZEComboBox* condition;
  // Opening also puts the condition and the sound flag, then selects the
  // block again so that the condition list follows the condition just set.
  TZEDoData* conditionIndex;
  TZEDoData* signal;
  TZEDoData* reselect;
  // The block's flag for the condition list, overruled while none is set.
  TZEIf_else* conditionUnset;
  TZEDoData* showCondition;
  TZEHub* conditionShown;
  // Saving is refused without a condition, too.
  TZEIf_else* noCondition;
  TZEDoData* noConditionReason;
};

}  // namespace zorn
