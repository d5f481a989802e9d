#include "app/button_window/button_window.h"

#include "app/button_window/button_item.h"
#include "app/button_window/button_menu_state.h"
#include "app/button_window/button_records.h"
#include "app/button_window/button_resync.h"

namespace zorn {

namespace {

using Item = TClassChildPanelEx_ButtonItem;
using ButtonRecords = TClassMultiElement_ButtonRecords;
using MenuState = TClassMultiElement_ButtonMenuState;
using ButtonResync = TClassMultiElement_ButtonResync;

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
  Connect(boundary->InnerEvents[Reload], reloadSteps, &TZEHub::Distribute);
  Connect(reloadSteps->Outputs[0], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, Picture);
  Connect(reloadSteps->Outputs[1], records, &TZEMultiElement::Action, ButtonRecords::Reload);
  Connect(records->Events[ButtonRecords::OnClear], buttons, &TZEMultiElementEx::ClearInstances,
          Item::Cleared);
  Connect(records->Events[ButtonRecords::OnRow], buttons, &TZEMultiElementEx::AddInstance,
          Item::Setup);
  Connect(records->Events[ButtonRecords::OnArrange], layout, &ui::TWinLayout::Arrange);
  Connect(records->Events[ButtonRecords::OnEdit], boundary, &TZEEditMulti::Action, OnEdit);
  Connect(records->Events[ButtonRecords::OnReload], reloadSteps, &TZEHub::Distribute);
  Connect(records->DataInputs[ButtonRecords::Chosen], menuState, &TZEMultiElement::DataOutput,
          MenuState::Chosen);

  // Showing and hiding, remembered in the global and in config.ini.
  Connect(boundary->InnerEvents[SetShown], shownSteps, &TZEHub::Distribute);
  Connect(shownSteps->Outputs[0], visible, &TZEGlobalVar::Write);
  Connect(shownSteps->Outputs[1], visibleFile, &TZEini::Write);
  Connect(shownSteps->Outputs[2], Win(form), &ui::TZEWin::SetVisible);

  Connect(boundary->InnerEvents[AddFromList], records, &TZEMultiElement::Action,
          ButtonRecords::AddBlock);
  Connect(boundary->InnerEvents[Resync], resync, &TZEMultiElement::Action, ButtonResync::Resync);
  Connect(resync->DataInputs[ButtonResync::Records], records, &TZEMultiElement::DataOutput,
          ButtonRecords::Records);
  Connect(resync->Events[ButtonResync::OnResend], buttons, &TZEMultiElementEx::SendToInstance,
          Item::Resend);

  // The panels: command lines out, right presses to the menu.
  Connect(buttons->Events[Item::OnSend], boundary, &TZEEditMulti::Action, OnSend);
  Connect(buttons->Events[Item::OnMenu], menuState, &TZEMultiElement::Action,
          MenuState::PanelPress);
  Connect(buttons->DataInputs[Item::Picture], panelPicture, &ui::TZEBitmap::Bitmap);

  // The menu, from a right press on a panel or on the window.
  Connect(background->OnMouseDown, windowPress, &TZEIndexToChanel::Route);
  Connect(form->OnMouseDown, windowPress, &TZEIndexToChanel::Route);
  Connect(windowPress->Channels[0], form, &ui::TZEMainForm::DragMove);
  Connect(windowPress->Channels[1], menuState, &TZEMultiElement::Action, MenuState::WindowPress);
  Connect(menuState->DataInputs[MenuState::OutputBlocks], boundary, &TZEEditMulti::DataOutput,
          OutputBlocks);
  Connect(menuState->DataInputs[MenuState::Topmost], topmost, &TZESwitch::Value);
  Connect(menuState->Events[MenuState::OnToggle], menu, &ui::TzePopupMenuEx::ToggleEnabled);
  Connect(menuState->Events[MenuState::OnCheck], menu, &ui::TzePopupMenuEx::SetCheck);
  Connect(menuState->Events[MenuState::OnPopup], menu, &ui::TzePopupMenuEx::Popup);

  Connect(menu->OnClick, menuCommand, &TZEIndexToChanel::Route);
  Connect(menuCommand->Channels[miEdit], records, &TZEMultiElement::Action, ButtonRecords::Edit);
  Connect(menuCommand->Channels[miAdd], records, &TZEMultiElement::Action, ButtonRecords::Add);
  Connect(menuCommand->Channels[miDelete], records, &TZEMultiElement::Action,
          ButtonRecords::Delete);
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
