#include "app/indicator_window/indicator_window.h"

#include "app/indicator_window/indicator_free_key.h"
#include "app/indicator_window/indicator_item.h"
#include "app/indicator_window/indicator_line_matcher.h"
#include "app/indicator_window/indicator_loader.h"
#include "app/indicator_window/indicator_menu_state.h"
#include "app/indicator_window/indicator_sound.h"

namespace zorn {

TClassChildForm_IndicatorWindow::TClassChildForm_IndicatorWindow(TZEMultiElement* host,
                                                                 TElement* parentControl,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(4, 0); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Form";
    f.Hint = "Окно с элементами состояния";
    f.IconName = "VORA";
    f.Left = 35;
    f.Top = 105;
    f.Width = 146;
    f.Height = 48;
    f.BorderStyle = 7;
    f.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
    f.Place = "config.ini\\boolForm";
    f.Visible = false;
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = form;
    i.Align = ui::alClient;
  });
  layout = Make<ui::TZEToolBarLayout>([&](auto& l) {
    l.Name = TClassChildPanelEx_IndicatorItem::kLayout;
    l.Container = form;
    l.SpacingX = 10;
    l.SpacingY = 10;
    l.MarginX = 0;
    l.MarginY = 0;
  });
  menu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items =
        "Редактировать\r\nДобавить индикатор\r\nУдалить индикатор\r\n-\r\nПоверх окон\r\n-\r\n"
        "Закрыть окно";
    m.Owner = form;
  });
  inactivePicture = Make<ui::TZEBitmap>(ui::ResourceBitmap("BITMAP11"));
  activePicture = Make<ui::TZEBitmap>(ui::ResourceBitmap("BITMAP12"));
  topmost = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  visibleFlag = Make<TZEGlobalVar>([](auto& g) { g.SetName("visible_indicator"); });
  visibleKey = Make<TZEini>([](auto& ini) {
    ini.FileName = "config.ini";
    ini.Section = "indicatorForm";
    ini.Key = "visible";
  });
  windowTools = Make<ui::TZEWinTools>();
  loadSteps = Make<TZEHub>(Outputs(2));
  showSteps = Make<TZEHub>(Outputs(3));
  menuChoice = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });
  closeWindow = Make<TZEDoData>(IntValue(0));
  loader = Make<TZEMultiElement>(HostPoints(5, 1));
  freeKey = Make<TZEMultiElement>(HostPoints(1, 1));
  lineMatcher = Make<TZEMultiElement>(HostPoints(1, 1));
  items = Make<TZEMultiElementEx>([](auto& l) {
    l.SetEventCount(2);
    l.SetDataInputCount(3);
  });
  sound = Make<TZEMultiElement>(HostPoints(0, 0));
  menuState = Make<TZEMultiElement>(HostPoints(3, 2));
  Control = form;

  Bind(boundary, host);

  // Window inputs.
  Connect(boundary->InnerEvents[0], loadSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[1], showSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[2], lineMatcher, &TZEMultiElement::Action, 0);
  Connect(boundary->InnerEvents[3], freeKey, &TZEMultiElement::Action, 1);

  // Load: the background, then the indicators.
  Connect(loadSteps->Outputs[0], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(loadSteps->Outputs[1], loader, &TZEMultiElement::Action, 0);
  Connect(loader->DataInputs[0], menuState, &TZEMultiElement::DataOutput, 0);
  Connect(loader->Events[0], items, &TZEMultiElementEx::ClearInstances, 1);
  Connect(loader->Events[1], items, &TZEMultiElementEx::AddInstance, 0);
  Connect(loader->Events[2], layout, &ui::TZEToolBarLayout::Arrange);
  Connect(loader->Events[3], boundary, &TZEEditMulti::Action, 0);
  Connect(loader->Events[4], loadSteps, &TZEHub::Distribute);

  // Show and hide, remembered for the next start.
  Connect(showSteps->Outputs[0], visibleFlag, &TZEGlobalVar::Write);
  Connect(showSteps->Outputs[1], visibleKey, &TZEini::Write);
  Connect(showSteps->Outputs[2], Win(form), &ui::TZEWin::SetVisible);

  // Controller lines and the panels.
  Connect(lineMatcher->DataInputs[0], loader, &TZEMultiElement::DataOutput, 0);
  Connect(lineMatcher->Events[0], items, &TZEMultiElementEx::SendToInstance, 2);
  Connect(items->DataInputs[0], inactivePicture, &ui::TZEBitmap::Bitmap);
  Connect(items->DataInputs[1], activePicture, &ui::TZEBitmap::Bitmap);
  Connect(items->DataInputs[2], lineMatcher, &TZEMultiElement::DataOutput, 0);
  Connect(items->Events[0], menuState, &TZEMultiElement::Action, 0);
  Connect(items->Events[1], sound, &TZEMultiElement::Action, 0);

  // The popup menu: set up by the menu state, then the chosen command.
  Connect(form->OnMouseDown, menuState, &TZEMultiElement::Action, 1);
  Connect(background->OnMouseDown, menuState, &TZEMultiElement::Action, 1);
  Connect(menuState->DataInputs[0], boundary, &TZEEditMulti::DataOutput, 1);
  Connect(menuState->DataInputs[1], topmost, &TZESwitch::Value);
  Connect(menuState->Events[0], menu, &ui::TzePopupMenuEx::ToggleEnabled);
  Connect(menuState->Events[1], menu, &ui::TzePopupMenuEx::SetCheck);
  Connect(menuState->Events[2], menu, &ui::TzePopupMenuEx::Popup);
  Connect(menu->OnClick, menuChoice, &TZEIndexToChanel::Route);
  Connect(menuChoice->Channels[miEdit], loader, &TZEMultiElement::Action, 1);
  Connect(menuChoice->Channels[miAdd], freeKey, &TZEMultiElement::Action, 0);
  Connect(menuChoice->Channels[miDelete], loader, &TZEMultiElement::Action, 2);
  Connect(menuChoice->Channels[miTopmost], topmost, &TZESwitch::Toggle);
  Connect(topmost->OnToggle, windowTools, &ui::TZEWinTools::SetTopmost);
  Connect(windowTools->HandleInput, Win(form), &ui::TZEWin::Handle);
  Connect(menuChoice->Channels[miClose], closeWindow, &TZEDoData::Emit);
  Connect(closeWindow->OnEmit, showSteps, &TZEHub::Distribute);

  // Adding an indicator.
  Connect(freeKey->DataInputs[0], loader, &TZEMultiElement::DataOutput, 0);
  Connect(freeKey->Events[0], boundary, &TZEEditMulti::Action, 0);

  // The inner schemes, last; the panels hang on the window.
  for (TZEMultiElement* inner : {loader, freeKey, lineMatcher, sound, menuState}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  items->ParentControl = form;
  items->ParentScheme = this;
  loader->SetFactory(&SchemeFactory<TClassMultiElement_IndicatorLoader>);
  freeKey->SetFactory(&SchemeFactory<TClassMultiElement_IndicatorFreeKey>);
  lineMatcher->SetFactory(&SchemeFactory<TClassMultiElement_IndicatorLineMatcher>);
  items->SetFactory(&SchemeFactoryEx<TClassChildPanelEx_IndicatorItem>);
  sound->SetFactory(&SchemeFactory<TClassMultiElement_IndicatorSound>);
  menuState->SetFactory(&SchemeFactory<TClassMultiElement_IndicatorMenuState>);
}

}  // namespace zorn
