// The save bars at the bottom of the editor dialogs.
#pragma once

#include "runtime/multi_element.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

// Button editor: "Сохранить".
class TClassChildPanel_EditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_EditorSave(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  // Host points.
  enum Event : uint16_t { OnSave = 0 };

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeButtonRush* save;
};

// Indicator editor: the sound check box and "Сохранить". SetSound sets the
// check box (ToInt ≠ 0 checks); Sound answers it as Int 0 or 1.
class TClassChildPanel_IndicatorEditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_IndicatorEditorSave(TZEMultiElement* host, TElement* parentControl,
                                       TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { SetSound = 0 };
  enum Event : uint16_t { OnSave = 0 };
  enum DataOutput : uint16_t { Sound = 0 };

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeCheckBoxRush* sound;
  ui::TzeButtonRush* save;
};

// Event editor: "Сохранить" and "Удалить".
class TClassChildPanel_EventEditorSave : public TClassMultiBase {
 public:
  TClassChildPanel_EventEditorSave(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Event : uint16_t { OnSave = 0, OnDelete = 1 };

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TzeButtonRush* save;
  ui::TzeButtonRush* remove;
};

}  // namespace zorn
