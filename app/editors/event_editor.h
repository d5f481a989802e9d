// The event editor dialog "Редактирование события", built like the button
// editor, with the host points of TEditorForm. Open takes "origin;key" (1:
// [eventForm], 0: [mainForm]). "Сохранить" writes the rule, reports the
// origin and hides the dialog; a save with no block, condition or action
// selected, no bit for a bool rule, or an int value that is no number in
// range, writes nothing, leaves the dialog open and says why. "Удалить"
// removes the key, reports the origin the same way and hides the dialog.
// Blocks: the input-block list.
#pragma once

#include "app/editors/editor_form.h"
#include "ui/elements/scroll_bar.h"

namespace zorn {

class TClassChildForm_EventEditor : public TEditorForm {
 public:
  TClassChildForm_EventEditor(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  ui::TZELabel* nameLabel;
  ui::TZEEdit* name;
  ui::TZELabel* conditionLabel;
  ui::TZEComboBox* condition;
  ui::TZEComboBox* bitValue;
  ui::TZELabel* actionLabel;
  ui::TZEComboBox* action;
  ui::TZELabel* parameter;
  ui::TZEScrollBar* volume;
  // Opening also puts the condition, name, action and parameter; the
  // opening flag keeps the stored action from running the file dialogs.
  TZEMemory* openingFlag;
  TZEDoData* openingOn;
  TZEDoData* openingOff;
  TZEDoData* nameText;
  TZEDoData* conditionIndex;
  TZEDoData* actionIndex;
  TZEDoData* parameterText;
  TZECase* bitZero;
  TZECase* bitOne;
  TZEDoData* bitNone;
  TZEIf_else* actionOpened;
  // Saving needs a condition and an action, too, and a bool rule a bit;
  // deleting removes the key.
  TZEIf_else* noCondition;
  TZEDoData* noConditionReason;
  TZEIf_else* noAction;
  TZEDoData* noActionReason;
  TZEIf_else* noBit;
  TZEDoData* noBitReason;
  TZEHub* deleting;
  TZEini* remover;
  TZEMultiElement* fileChoice;
};

}  // namespace zorn
