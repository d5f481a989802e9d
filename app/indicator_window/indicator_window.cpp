#include "app/indicator_window/indicator_window.h"

#include "app/indicator_window/indicator_free_key.h"
#include "app/indicator_window/indicator_item.h"
#include "app/indicator_window/indicator_line_matcher.h"
#include "app/indicator_window/indicator_loader.h"
#include "app/indicator_window/indicator_menu_state.h"
#include "app/indicator_window/indicator_sound.h"

namespace zorn {
namespace {

using Loader = TClassMultiElement_IndicatorLoader;
using FreeKey = TClassMultiElement_IndicatorFreeKey;
using LineMatcher = TClassMultiElement_IndicatorLineMatcher;
using Item = TClassChildPanelEx_IndicatorItem;
using Sound = TClassMultiElement_IndicatorSound;
using MenuState = TClassMultiElement_IndicatorMenuState;

}  // namespace

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
  Connect(boundary->InnerEvents[Load], loadSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[Show], showSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[Line], lineMatcher, &TZEMultiElement::Action, LineMatcher::Line);
  Connect(boundary->InnerEvents[AddIndicator], freeKey, &TZEMultiElement::Action, FreeKey::Add);

  // Load: the background, then the indicators.
  Connect(loadSteps->Outputs[0], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, Picture);
  Connect(loadSteps->Outputs[1], loader, &TZEMultiElement::Action, Loader::Load);
  Connect(loader->DataInputs[Loader::Selected], menuState, &TZEMultiElement::DataOutput,
          MenuState::Selected);
  Connect(loader->Events[Loader::OnClear], items, &TZEMultiElementEx::ClearInstances,
          Item::Cleared);
  Connect(loader->Events[Loader::OnAdd], items, &TZEMultiElementEx::AddInstance, Item::Setup);
  Connect(loader->Events[Loader::OnArrange], layout, &ui::TZEToolBarLayout::Arrange);
  Connect(loader->Events[Loader::OnEdit], boundary, &TZEEditMulti::Action, OnEdit);
  Connect(loader->Events[Loader::OnReload], loadSteps, &TZEHub::Distribute);

  // Show and hide, remembered for the next start.
  Connect(showSteps->Outputs[0], visibleFlag, &TZEGlobalVar::Write);
  Connect(showSteps->Outputs[1], visibleKey, &TZEini::Write);
  Connect(showSteps->Outputs[2], Win(form), &ui::TZEWin::SetVisible);

  // Controller lines and the panels.
  Connect(lineMatcher->DataInputs[LineMatcher::Records], loader, &TZEMultiElement::DataOutput,
          Loader::Records);
  Connect(lineMatcher->Events[LineMatcher::OnRecord], items, &TZEMultiElementEx::SendToInstance,
          Item::State);
  Connect(items->DataInputs[Item::InactivePicture], inactivePicture, &ui::TZEBitmap::Bitmap);
  Connect(items->DataInputs[Item::ActivePicture], activePicture, &ui::TZEBitmap::Bitmap);
  Connect(items->DataInputs[Item::StateText], lineMatcher, &TZEMultiElement::DataOutput,
          LineMatcher::StateText);
  Connect(items->Events[Item::OnSelect], menuState, &TZEMultiElement::Action, MenuState::ItemPress);
  Connect(items->Events[Item::OnSound], sound, &TZEMultiElement::Action, Sound::Play);

  // The popup menu: set up by the menu state, then the chosen command.
  Connect(form->OnMouseDown, menuState, &TZEMultiElement::Action, MenuState::AreaPress);
  Connect(background->OnMouseDown, menuState, &TZEMultiElement::Action, MenuState::AreaPress);
  Connect(menuState->DataInputs[MenuState::InputBlocks], boundary, &TZEEditMulti::DataOutput,
          InputBlocks);
  Connect(menuState->DataInputs[MenuState::Topmost], topmost, &TZESwitch::Value);
  Connect(menuState->Events[MenuState::OnToggle], menu, &ui::TzePopupMenuEx::ToggleEnabled);
  Connect(menuState->Events[MenuState::OnCheck], menu, &ui::TzePopupMenuEx::SetCheck);
  Connect(menuState->Events[MenuState::OnPopup], menu, &ui::TzePopupMenuEx::Popup);
  Connect(menu->OnClick, menuChoice, &TZEIndexToChanel::Route);
  Connect(menuChoice->Channels[miEdit], loader, &TZEMultiElement::Action, Loader::Edit);
  Connect(menuChoice->Channels[miAdd], freeKey, &TZEMultiElement::Action, FreeKey::Find);
  Connect(menuChoice->Channels[miDelete], loader, &TZEMultiElement::Action, Loader::Delete);
  Connect(menuChoice->Channels[miTopmost], topmost, &TZESwitch::Toggle);
  Connect(topmost->OnToggle, windowTools, &ui::TZEWinTools::SetTopmost);
  Connect(windowTools->HandleInput, Win(form), &ui::TZEWin::Handle);
  Connect(menuChoice->Channels[miClose], closeWindow, &TZEDoData::Emit);
  Connect(closeWindow->OnEmit, showSteps, &TZEHub::Distribute);

  // Adding an indicator.
  Connect(freeKey->DataInputs[FreeKey::Records], loader, &TZEMultiElement::DataOutput,
          Loader::Records);
  Connect(freeKey->Events[FreeKey::OnEdit], boundary, &TZEEditMulti::Action, OnEdit);

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
