// TZEEdit: a single-line text box with the text, unsigned decimal and
// integer input modes. Every change by the user is checked against the mode;
// an invalid one is undone, caret included.
#pragma once

#include <string>

#include "ui/elements/edit_rules.h"
#include "ui/elements/win.h"

namespace zorn::ui {

class TZEEdit : public TZEWin {
 public:
  TZEEdit() { Height = 21; }

  // Properties, set before Init.
  std::string Text;
  int32_t MaxLength = 0;
  char PasswordChar = 0;
  TEditMode Mode = emText;
  bool ClearOnEnter = false;

  // Actions: SetText keeps the caret and fires nothing.
  void SetText(TData& data, uint16_t index);
  void Clear(TData& data, uint16_t index);
  // Data outputs: the value in the current mode; the text as it stands in
  // the box (Str), for records that keep a number as the operator wrote it.
  void Value(TData& data, uint16_t index);
  void Shown(TData& data, uint16_t index);

  TWire OnChange;  // a valid change by the user; carries the value
  TWire OnEnter;   // the Enter key; carries the value

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Edit; }
  void FillArgs(TCreateArgs& args) override;
  void Attached() override;
  void KeyDown(uint16_t vk) override;

 private:
  void Changed();
  void Put(const std::string& text, int32_t caret);

  std::string lastValid_;
  int32_t lastCaret_ = 0;
  bool restoring_ = false;
};

}  // namespace zorn::ui
