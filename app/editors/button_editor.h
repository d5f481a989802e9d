// The button editor dialog "Редактирование кнопки". Host action 0 opens it
// on "origin;key" (1: [buttonForm], 0: [mainForm]; the width is edited only
// for origin 1). "Сохранить" writes the record, fires host event 0 (origin
// 0) or 1 (origin 1) and hides the dialog; a save with no block or no kind
// selected (the window would drop such a record), or with a value or width
// that is no number in range, writes nothing, leaves the dialog open and
// says why. Host data inputs: 0 the output-block list (Array of
// "type;block"), 1 the main window's picture.
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
