#include "app/event_window/rule_bar.h"

namespace zorn {

TClassChildPanel_EventRuleBar::TClassChildPanel_EventRuleBar(TZEMultiElement* host,
                                                             TElement* parentControl,
                                                             TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  bar = Make<ui::TZEPanel>([&](auto& p) {
    p.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    p.Align = ui::alTop;
    p.Height = 24;
  });
  rules = Make<ui::TZEComboBox>([&](auto& c) {
    c.Parent = bar;
    c.Align = ui::alClient;
    c.Editable = false;
    c.DataMode = 0;
  });
  editButton = Make<ui::TzeButtonRush>([&](auto& b) {
    b.Parent = bar;
    b.Align = ui::alRight;
    b.Width = 80;
    b.Height = 20;
    b.Caption = "Изменить";
    b.Hint = "Редактировать выбранное правило";
  });
  chosen = Make<TZEDoData>();
  Control = bar;

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Clear], rules, &ui::TZEComboBox::Clear);
  Connect(boundary->InnerEvents[Add], rules, &ui::TZEComboBox::Add);
  Connect(editButton->OnClick, chosen, &TZEDoData::Emit);
  Connect(chosen->DataInput, static_cast<ui::TZEComboBox*>(rules), &ui::TZEComboBox::Index);
  Connect(chosen->OnEmit, boundary, &TZEEditMulti::Action, OnChoose);
}

}  // namespace zorn
