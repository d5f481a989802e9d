// The gradient-drawn buttons: push button, check box and radio button. The
// backend draws them from the look; the check state lives here, so that both
// backends toggle and group them alike. Only the left button clicks them.
#pragma once

#include <string>

#include "ui/elements/win.h"

namespace zorn::ui {

class TzeButtonRush : public TZEWin {
 public:
  TzeButtonRush() { Height = 23; }

  std::string Caption;
  TData Data;  // what OnClick carries
  TRushLook Look;

  void SetCaption(TData& data, uint16_t index);
  // ToInt ≠ 0 enables (the main panel's buttons follow the link state).
  void SetEnabled(TData& data, uint16_t index);

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Button; }
  void FillArgs(TCreateArgs& args) override;
  void Clicked(TMouseButton button) override;
};

class TzeCheckBoxRush : public TZEWin {
 public:
  TzeCheckBoxRush() { Height = 20; }

  std::string Caption;
  bool Checked = false;
  TRushLook Look;

  // Sets the state (ToInt ≠ 0) and fires OnCheck with it.
  void SetCheck(TData& data, uint16_t index);
  void SetCaption(TData& data, uint16_t index);
  void SetEnabled(TData& data, uint16_t index);
  // Data output: Int 0 or 1.
  void Value(TData& data, uint16_t index);

  TWire OnCheck;  // the new state; a user click fires it, then OnClick

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::CheckBox; }
  void FillArgs(TCreateArgs& args) override;
  void Attached() override { widget_->SetChecked(Checked); }
  void Clicked(TMouseButton button) override;
};

class TzeRadioButtonRush : public TZEWin {
 public:
  TzeRadioButtonRush();
  ~TzeRadioButtonRush() override;

  std::string Caption;
  bool Checked = false;
  TRushLook Look;

  // Sets the state (ToInt ≠ 0); checking unchecks the radio buttons of the
  // same parent. Fires nothing.
  void SetCheck(TData& data, uint16_t index);
  void SetCaption(TData& data, uint16_t index);
  void SetEnabled(TData& data, uint16_t index);
  void Value(TData& data, uint16_t index);

  TWire OnSelect;  // a user click; Int 1

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::RadioButton; }
  void FillArgs(TCreateArgs& args) override;
  void Attached() override { widget_->SetChecked(Checked); }
  void Clicked(TMouseButton button) override;

 private:
  void Check(bool checked);
};

}  // namespace zorn::ui
