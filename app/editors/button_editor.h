// The button editor dialog "Редактирование кнопки". Host action 0 opens it
// on "origin;key" (1: [buttonForm], 0: [mainForm]; the width is edited only
// for origin 1). "Сохранить" writes the record, fires host event 0 (origin
// 0) or 1 (origin 1) and hides the dialog; a save with no block or no kind
// selected writes nothing and leaves the dialog open, since the window
// would drop such a record. Host data inputs: 0 the output-block list
// (Array of "type;block"), 1 the main window's picture.
#pragma once

#include "app/editors/editor_parts.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"

namespace zorn {

class TClassChildForm_ButtonEditor : public TClassMultiBase {
 public:
  TClassChildForm_ButtonEditor(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
  ui::TZELabel* captionLabel;
  ui::TZEEdit* caption;
  ui::TZELabel* widthLabel;
  ui::TZEEdit* width;
  ui::TZELabel* blockLabel;
  ui::TZEComboBox* block;
  ui::TZELabel* valueLabel;
  ui::TZEEdit* intValue;
  ui::TZEEdit* textValue;
  ui::TZELabel* kindLabel;
  ui::TZEComboBox* kind;
  // Opening: section and key, the stored value, the parse, the fields.
  TZEHub* opening;
  TZEHub* widthShown;
  TZEMemory* stored;
  TZEini* reader;
  TZEDoData* parse;
  TZEDoData* showForm;
  TZEHub* fields;
  TZEDoData* valueText;
  TZEHub* valueFields;
  TZEDoData* captionText;
  TZEDoData* widthText;
  // Saving: refused without a block or kind; then write, report, hide.
  TZEIf_else* noBlock;
  TZEIf_else* noKind;
  TZEHub* saving;
  TZEFormatStr* record;
  TZEini* writer;
  TZEDoData* hideForm;
  TZEMultiElement* section;
  TZEMultiElement* parser;
  TZEMultiElement* blockReader;
  TZEMultiElement* kindList;
  TZEMultiElement* saveBar;
};

}  // namespace zorn
