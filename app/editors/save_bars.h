// The save bars at the bottom of the editor dialogs.
#pragma once

#include "runtime/multi_element.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

// Button editor: "Сохранить". Host event 0: the button was clicked.
class TClassChildPanel_EditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_EditorSave(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeButtonRush* save;
};

// Indicator editor: the sound check box and "Сохранить". Host action 0 sets
// the check box (ToInt ≠ 0 checks); host event 0: "Сохранить" was clicked;
// host data output 0: the check box as Int 0 or 1.
class TClassChildPanel_IndicatorEditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_IndicatorEditorSave(TZEMultiElement* host, TElement* parentControl,
                                       TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeCheckBoxRush* sound;
  ui::TzeButtonRush* save;
};

// Event editor: "Сохранить" and "Удалить". Host events: 0 save, 1 delete.
class TClassChildPanel_EventEditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_EventEditorSave(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeButtonRush* save;
  ui::TzeButtonRush* remove;
};

}  // namespace zorn
