// The button editor dialog "Редактирование кнопки", with the host points of
// TEditorForm. Open takes "origin;key" (1: [buttonForm], 0: [mainForm]; the
// width is edited only for origin 1). "Сохранить" writes the record,
// reports the origin and hides the dialog; a save with no block or no kind
// selected (the window would drop such a record), or with a value or width
// that is no number in range, writes nothing, leaves the dialog open and
// says why. Blocks: the output-block list.
#pragma once

#include "app/editors/editor_form.h"

namespace zorn {

class TClassChildForm_ButtonEditor : public TPanelEditorForm {
 public:
  TClassChildForm_ButtonEditor(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  ui::TZELabel* kindLabel;
  ui::TZEComboBox* kind;
  // Saving is refused without a kind, too.
  TZEIf_else* noKind;
  TZEDoData* noKindReason;
  TZEMultiElement* kindList;
};

}  // namespace zorn
