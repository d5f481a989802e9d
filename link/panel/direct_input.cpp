#include "link/panel/direct_input.h"

namespace zorn {

TClassChildForm_DirectInput::TClassChildForm_DirectInput(TZEMultiElement* host,
                                                         TElement* parentControl,
                                                         TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Прямой ввод";
    f.IconName = "VORA";
    f.Width = 351;
    f.Height = 59;
    f.Visible = false;
  });
  line = Make<ui::TZEEdit>([&](auto& e) {
    e.Parent = form;
    e.Left = 8;
    e.Top = 8;
    e.Width = 335;
    e.Height = 21;
    e.Font = TFontRec{"Times New Roman", 8, 0, 0, 1};
    e.Text = "stroka";
    e.ClearOnEnter = true;
  });
  showValue = Make<TZEDoData>(IntValue(1));
  hideValue = Make<TZEDoData>(IntValue(0));
  entered = Make<TZEHub>(Outputs(2));
  Control = form;

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Show], showValue, &TZEDoData::Emit);
  Connect(showValue->OnEmit, Win(form), &ui::TZEWin::SetVisible);
  // The edit empties itself once its Enter handlers have run.
  Connect(line->OnEnter, entered, &TZEHub::Distribute);
  Connect(entered->Outputs[0], boundary, &TZEEditMulti::Action, OnText);
  Connect(entered->Outputs[1], hideValue, &TZEDoData::Emit);
  Connect(hideValue->OnEmit, Win(form), &ui::TZEWin::SetVisible);
}

}  // namespace zorn
