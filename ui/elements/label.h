// TZELabel: static text, optionally changing its look under the mouse.
#pragma once

#include <optional>
#include <string>

#include "ui/elements/win.h"

namespace zorn::ui {

class TZELabel : public TZEWin {
 public:
  TZELabel() { Height = 17; }

  std::string Text;
  std::optional<uint32_t> HoverColor;  // the font colour under the mouse
  bool HoverUnderline = false;         // underline under the mouse
  bool SendText = false;               // OnClick carries the text, else Null
  TWire TextInput;                     // read by SetText with an empty argument

  // Action: the text from the argument, or from TextInput when it is empty.
  void SetText(TData& data, uint16_t index);
  // Data output: the text.
  void Value(TData& data, uint16_t index);

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Label; }
  void FillArgs(TCreateArgs& args) override { args.Text = Text; }
  void Clicked(TMouseButton button) override;
  bool WantsHover() const override;
  void MouseEntered() override;
  void MouseLeft() override;

 private:
  bool hot_ = false;
};

}  // namespace zorn::ui
