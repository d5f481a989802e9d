#include "app/main_list/main_list.h"

#include "app/main_list/main_list_line_matcher.h"
#include "app/main_list/main_list_loader.h"
#include "app/main_list/main_list_menu_state.h"
#include "app/main_list/main_list_row.h"
#include "app/main_list/main_list_sound.h"

namespace zorn {
namespace {

using Loader = TClassMultiElement_MainListLoader;
using LineMatcher = TClassMultiElement_MainListLineMatcher;
using Row = TClassChildPanelEx_MainListRow;
using Sound = TClassMultiElement_MainListSound;
using MenuState = TClassMultiElement_MainListMenuState;

}  // namespace

TClassChildPanel_MainList::TClassChildPanel_MainList(TZEMultiElement* host,
                                                     TElement* parentControl,
                                                     TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  auto* form = dynamic_cast<ui::TZEWin*>(parentControl);
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  panel = Make<ui::TZEPanel>([&](auto& p) {
    p.Parent = form;
    p.Left = 0;
    p.Top = 27;
    p.Width = 422;
    p.Height = 263;
    p.Align = ui::alClient;
    p.Color = ui::SystemColor(0x0F);
    p.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
  });
  header = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = panel;
    i.Left = 2;
    i.Top = 2;
    i.Width = 363;
    i.Height = 29;
  });
  layout = Make<ui::TZEVBoxLayout>([&](auto& l) {
    l.Name = TClassChildPanelEx_MainListRow::kLayout;
    l.Container = panel;
    l.Spacing = 2;
    l.Margin = 20;
  });
  menu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items = "Редактировать\r\nДобавить строку\r\nУдалить строку";
    m.Owner = form;
  });
  inactivePicture = Make<ui::TZEBitmap>(ui::ResourceBitmap("BITMAP13"));
  activePicture = Make<ui::TZEBitmap>(ui::ResourceBitmap("BITMAP14"));
  loadSteps = Make<TZEHub>(Outputs(2));
  menuChoice = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(3); });
  loader = Make<TZEMultiElement>(HostPoints(5, 1));
  lineMatcher = Make<TZEMultiElement>(HostPoints(1, 1));
  rows = Make<TZEMultiElementEx>([](auto& l) {
    l.SetEventCount(2);
    l.SetDataInputCount(3);
  });
  sound = Make<TZEMultiElement>(HostPoints(0, 0));
  menuState = Make<TZEMultiElement>(HostPoints(3, 2));
  Control = panel;

  Bind(boundary, host);

  // Load: the header picture, then the rows.
  Connect(boundary->InnerEvents[Load], loadSteps, &TZEHub::Distribute);
  Connect(loadSteps->Outputs[0], header, &ui::TZEImage::Load);
  Connect(header->BitmapInput, boundary, &TZEEditMulti::DataOutput, Picture);
  Connect(loadSteps->Outputs[1], loader, &TZEMultiElement::Action, Loader::Load);
  Connect(loader->DataInputs[Loader::Selected], menuState, &TZEMultiElement::DataOutput,
          MenuState::Selected);
  Connect(loader->Events[Loader::OnClear], rows, &TZEMultiElementEx::ClearInstances, Row::Cleared);
  Connect(loader->Events[Loader::OnAdd], rows, &TZEMultiElementEx::AddInstance, Row::Setup);
  Connect(loader->Events[Loader::OnArrange], layout, &ui::TZEVBoxLayout::Arrange);
  Connect(loader->Events[Loader::OnEdit], boundary, &TZEEditMulti::Action, OnEdit);
  Connect(loader->Events[Loader::OnReload], loadSteps, &TZEHub::Distribute);

  // Controller lines and the rows.
  Connect(boundary->InnerEvents[Line], lineMatcher, &TZEMultiElement::Action, LineMatcher::Line);
  Connect(lineMatcher->DataInputs[LineMatcher::Records], loader, &TZEMultiElement::DataOutput,
          Loader::Records);
  Connect(lineMatcher->Events[LineMatcher::OnRecord], rows, &TZEMultiElementEx::SendToInstance,
          Row::State);
  Connect(rows->DataInputs[Row::InactivePicture], inactivePicture, &ui::TZEBitmap::Bitmap);
  Connect(rows->DataInputs[Row::ActivePicture], activePicture, &ui::TZEBitmap::Bitmap);
  Connect(rows->DataInputs[Row::StateText], lineMatcher, &TZEMultiElement::DataOutput,
          LineMatcher::StateText);
  Connect(rows->Events[Row::OnSelect], menuState, &TZEMultiElement::Action, MenuState::ItemPress);
  Connect(rows->Events[Row::OnSound], sound, &TZEMultiElement::Action, Sound::Play);

  // The popup menu.
  Connect(panel->OnMouseDown, menuState, &TZEMultiElement::Action, MenuState::AreaPress);
  Connect(header->OnMouseDown, menuState, &TZEMultiElement::Action, MenuState::AreaPress);
  Connect(menuState->Events[MenuState::OnToggle], menu, &ui::TzePopupMenuEx::ToggleEnabled);
  Connect(menuState->Events[MenuState::OnPopup], menu, &ui::TzePopupMenuEx::Popup);
  Connect(menu->OnClick, menuChoice, &TZEIndexToChanel::Route);
  Connect(menuChoice->Channels[miEdit], loader, &TZEMultiElement::Action, Loader::Edit);
  Connect(menuChoice->Channels[miAdd], loader, &TZEMultiElement::Action, Loader::Add);
  Connect(menuChoice->Channels[miDelete], loader, &TZEMultiElement::Action, Loader::Delete);

  // The inner schemes, last; the rows hang on the panel.
  for (TZEMultiElement* inner : {loader, lineMatcher, sound, menuState}) {
    inner->ParentControl = panel;
    inner->ParentScheme = this;
  }
  rows->ParentControl = panel;
  rows->ParentScheme = this;
  loader->SetFactory(&SchemeFactory<TClassMultiElement_MainListLoader>);
  lineMatcher->SetFactory(&SchemeFactory<TClassMultiElement_MainListLineMatcher>);
  rows->SetFactory(&SchemeFactoryEx<TClassChildPanelEx_MainListRow>);
  sound->SetFactory(&SchemeFactory<TClassMultiElement_MainListSound>);
  menuState->SetFactory(&SchemeFactory<TClassMultiElement_MainListMenuState>);
}

}  // namespace zorn
