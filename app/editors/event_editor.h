// The event editor dialog "Редактирование события", built like the button
// editor. Host action 0 opens it on "origin;key" (1: [eventForm], 0:
// [mainForm]). "Сохранить" writes the rule, fires host event 0 (origin 0)
// or 1 (origin 1) and hides the dialog; a save with no block, condition or
// action selected writes nothing and leaves the dialog open. "Удалить"
// removes the key, reports the origin the same way and hides the dialog.
// Host data inputs: 0 the input-block list (Array of "type;block"), 1 the
// main window's picture.
#pragma once

#include "app/editors/editor_parts.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/scroll_bar.h"

namespace zorn {

class TClassChildForm_EventEditor : public TClassMultiBase {
 public:
  TClassChildForm_EventEditor(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
  ui::TZELabel* nameLabel;
  ui::TZEEdit* name;
  ui::TZELabel* blockLabel;
  ui::TZEComboBox* block;
  ui::TZELabel* conditionLabel;
  ui::TZEComboBox* condition;
  ui::TZELabel* valueLabel;
  ui::TZEEdit* intValue;
  ui::TZEEdit* textValue;
  ui::TZEComboBox* bitValue;
  ui::TZELabel* actionLabel;
  ui::TZEComboBox* action;
  ui::TZELabel* parameter;
  ui::TZEScrollBar* volume;
  // Opening: section and key, the stored value, the parse, the fields; the
  // opening flag keeps the stored action from running the file dialogs.
  TZEHub* opening;
  TZEMemory* stored;
  TZEini* reader;
  TZEMemory* openingFlag;
  TZEDoData* openingOn;
  TZEDoData* openingOff;
  TZEDoData* parse;
  TZEDoData* showForm;
  TZEHub* fields;
  TZEDoData* valueText;
  TZEHub* valueFields;
  TZEDoData* nameText;
  TZEDoData* conditionIndex;
  TZEDoData* actionIndex;
  TZEDoData* parameterText;
  TZEIf_else* actionOpened;
  // Saving and deleting.
  TZEIf_else* noBlock;
  TZEIf_else* noCondition;
  TZEIf_else* noAction;
  TZEHub* saving;
  TZEFormatStr* record;
  TZEini* writer;
  TZEHub* deleting;
  TZEini* remover;
  TZEDoData* hideForm;
  TZEMultiElement* section;
  TZEMultiElement* parser;
  TZEMultiElement* blockReader;
  TZEMultiElement* fileChoice;
  TZEMultiElement* saveBar;
};

}  // namespace zorn
