#include "app/button_window/button_window.h"

#include "app/button_window/button_item.h"
#include "app/button_window/button_menu_state.h"
#include "app/button_window/button_records.h"
#include "app/button_window/button_resync.h"

namespace zorn {

namespace {

// The list host's points as the schemes use them.
enum : uint16_t { kAddInstance = 0, kClearInstances = 1, kSendToInstance = 2 };

}  // namespace

TClassChildForm_ButtonWindow::TClassChildForm_ButtonWindow(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(4, 0); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Form";
    f.Hint = "Окно с элементами управления";
    f.IconName = "VORA";
    f.Left = 35;
    f.Top = 105;
    f.Width = 146;
    f.Height = 48;
    f.BorderStyle = 7;
    f.Place = "config.ini\\buttonForm";
    f.Visible = false;
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = form;
    i.Align = ui::alClient;
  });
  layout = Make<ui::TZEToolBarLayout>([&](auto& l) {
    l.Name = "кнопки";
    l.Container = form;
    l.MarginX = 10;
    l.MarginY = 10;
    l.SpacingX = 10;
    l.SpacingY = 10;
    l.AutoHeight = true;
  });
  menu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items = "Редактировать\r\nДобавить кнопку\r\nУдалить кнопку\r\n-\r\nПоверх окон\r\n-\r\nЗакрыть окно";
    m.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
    m.Owner = form;
  });
  panelPicture = Make<ui::TZEBitmap>(ui::ResourceBitmap("BITMAP10"));
  topmost = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  winTools = Make<ui::TZEWinTools>();
  reloadSteps = Make<TZEHub>(Outputs(2));
  shownSteps = Make<TZEHub>(Outputs(3));
  visible = Make<TZEGlobalVar>([](auto& g) { g.SetName("visible_button"); });
  visibleFile = Make<TZEini>([](auto& ini) {
    ini.FileName = "config.ini";
    ini.Section = "buttonForm";
    ini.Key = "visible";
  });
  closeValue = Make<TZEDoData>(IntValue(0));
  menuCommand = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });
  windowPress = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  buttons = Make<TZEMultiElementEx>([](auto& h) {
    h.SetEventCount(2);
    h.SetDataInputCount(1);
  });
  records = Make<TZEMultiElement>(HostPoints(5, 1));
  menuState = Make<TZEMultiElement>(HostPoints(3, 2));
  resync = Make<TZEMultiElement>(HostPoints(1, 1));
  Control = form;

  Bind(boundary, host);

  // Reload: the picture, then the buttons.
  Connect(boundary->InnerEvents[0], reloadSteps, &TZEHub::Distribute);
  Connect(reloadSteps->Outputs[0], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(reloadSteps->Outputs[1], records, &TZEMultiElement::Action, 0);
  Connect(records->Events[0], buttons, &TZEMultiElementEx::ClearInstances, kClearInstances);
  Connect(records->Events[1], buttons, &TZEMultiElementEx::AddInstance, kAddInstance);
  Connect(records->Events[2], layout, &ui::TWinLayout::Arrange);
  Connect(records->Events[3], boundary, &TZEEditMulti::Action, 1);
  Connect(records->Events[4], reloadSteps, &TZEHub::Distribute);
  Connect(records->DataInputs[0], menuState, &TZEMultiElement::DataOutput, 0);

  // Showing and hiding, remembered in the global and in config.ini.
  Connect(boundary->InnerEvents[1], shownSteps, &TZEHub::Distribute);
  Connect(shownSteps->Outputs[0], visible, &TZEGlobalVar::Write);
  Connect(shownSteps->Outputs[1], visibleFile, &TZEini::Write);
  Connect(shownSteps->Outputs[2], Win(form), &ui::TZEWin::SetVisible);

  Connect(boundary->InnerEvents[2], records, &TZEMultiElement::Action, 4);
  Connect(boundary->InnerEvents[3], resync, &TZEMultiElement::Action, 0);
  Connect(resync->DataInputs[0], records, &TZEMultiElement::DataOutput, 0);
  Connect(resync->Events[0], buttons, &TZEMultiElementEx::SendToInstance, kSendToInstance);

  // The panels: command lines out, right presses to the menu.
  Connect(buttons->Events[0], boundary, &TZEEditMulti::Action, 0);
  Connect(buttons->Events[1], menuState, &TZEMultiElement::Action, 0);
  Connect(buttons->DataInputs[0], panelPicture, &ui::TZEBitmap::Bitmap);

  // The menu, from a right press on a panel or on the window.
  Connect(background->OnMouseDown, windowPress, &TZEIndexToChanel::Route);
  Connect(form->OnMouseDown, windowPress, &TZEIndexToChanel::Route);
  Connect(windowPress->Channels[0], form, &ui::TZEMainForm::DragMove);
  Connect(windowPress->Channels[1], menuState, &TZEMultiElement::Action, 1);
  Connect(menuState->DataInputs[0], boundary, &TZEEditMulti::DataOutput, 1);
  Connect(menuState->DataInputs[1], topmost, &TZESwitch::Value);
  Connect(menuState->Events[0], menu, &ui::TzePopupMenuEx::ToggleEnabled);
  Connect(menuState->Events[1], menu, &ui::TzePopupMenuEx::SetCheck);
  Connect(menuState->Events[2], menu, &ui::TzePopupMenuEx::Popup);

  Connect(menu->OnClick, menuCommand, &TZEIndexToChanel::Route);
  Connect(menuCommand->Channels[miEdit], records, &TZEMultiElement::Action, 1);
  Connect(menuCommand->Channels[miAdd], records, &TZEMultiElement::Action, 2);
  Connect(menuCommand->Channels[miDelete], records, &TZEMultiElement::Action, 3);
  Connect(menuCommand->Channels[miTopmost], topmost, &TZESwitch::Toggle);
  Connect(topmost->OnToggle, winTools, &ui::TZEWinTools::SetTopmost);
  Connect(winTools->HandleInput, Win(form), &ui::TZEWin::Handle);
  Connect(menuCommand->Channels[miClose], closeValue, &TZEDoData::Emit);
  Connect(closeValue->OnEmit, shownSteps, &TZEHub::Distribute);

  buttons->ParentControl = form;
  buttons->ParentScheme = this;
  for (TZEMultiElement* inner : {records, menuState, resync}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  buttons->SetFactory(&SchemeFactoryEx<TClassChildPanelEx_ButtonItem>);
  records->SetFactory(&SchemeFactory<TClassMultiElement_ButtonRecords>);
  menuState->SetFactory(&SchemeFactory<TClassMultiElement_ButtonMenuState>);
  resync->SetFactory(&SchemeFactory<TClassMultiElement_ButtonResync>);
}

}  // namespace zorn
