#include "link/panel/main_panel.h"

#include "link/panel/block_menu.h"
#include "link/panel/direct_input.h"
#include "link/panel/reconnect.h"
#include "link/panel/reply_parser.h"
#include "link/panel/status_icon.h"

namespace zorn {

namespace {

using Reconnect = TClassMultiElement_Reconnect;
using StatusIcon = TClassMultiElement_StatusIcon;
using DirectInput = TClassChildForm_DirectInput;
using ReplyParser = TClassMultiElement_ReplyParser;
using BlockMenu = TClassMultiElement_BlockMenu;

// A tool-bar button; all share the default font and the 23 px height.
auto Button(ui::TZEWin* parent, uint8_t align, int32_t width, const char* caption,
            const char* hint, bool enabled) {
  return [=](ui::TzeButtonRush& b) {
    b.Parent = parent;
    b.Align = align;
    b.Width = width;
    b.Caption = caption;
    b.Hint = hint;
    b.Enabled = enabled;
  };
}

}  // namespace

TClassChildPanel_MainPanel::TClassChildPanel_MainPanel(TZEMultiElement* host,
                                                       TElement* parentControl,
                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  auto* form = dynamic_cast<ui::TZEWin*>(parentControl);
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(3, 2); });
  panel = Make<ui::TZEPanel>([&](auto& p) {
    p.Parent = form;
    p.Align = ui::alTop;
    p.Height = 27;
  });
  statusPicture = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = panel;
    i.Align = ui::alRight;
    i.Width = 25;
    i.Picture = "BITMAP0";
  });
  resetButton = Make<ui::TzeButtonRush>(
      Button(panel, ui::alRight, 44, "RST", "RESET (сброс контролера сигналом DTR)", false));
  background = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = panel;
    i.Align = ui::alClient;
    i.Picture = "BITMAP1";
  });
  startStopButton = Make<ui::TzeButtonRush>(Button(panel, ui::alLeft, 73, "Старт", "", true));
  settingsButton = Make<ui::TzeButtonRush>(
      Button(panel, ui::alRight, 73, "Настройка", "Настройки соединения", true));
  rawSendButton = Make<ui::TzeButtonRush>(Button(
      panel, ui::alRight, 44, "STR", "Отправка строки на выход не обработанных данных ", false));
  buttonsButton = Make<ui::TzeButtonRush>(
      Button(panel, ui::alLeft, 73, "Кнопки",
             "ЛКМ - Показать окно кнопок, ПКМ - Добавить кнопку из списка", true));
  indicatorsButton = Make<ui::TzeButtonRush>(
      Button(panel, ui::alLeft, 73, "Индикаторы",
             "ЛКМ - Показать окно идикаторов, ПКМ - Добавить индикатор из списка", true));
  eventsButton = Make<ui::TzeButtonRush>(
      Button(panel, ui::alLeft, 73, "События", "ЛКМ - Показать окно событий", true));
  blockMenu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items = "Блоки входов\r\nБлоки выходов";
    m.Owner = form;
  });
  buttonsPress = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  indicatorsPress = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  buttonWindow = Make<TZEDoData>(IntValue(0));
  indicatorWindow = Make<TZEDoData>(IntValue(1));
  eventWindow = Make<TZEDoData>(IntValue(2));
  liveChanged = Make<TZEHub>(Outputs(2));
  connectionType = Make<TZEGlobalVar>([](auto& g) { g.SetName("type_connect"); });
  serialLink = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  serialLive = Make<TZEHub>(Outputs(2));
  reconnect = Make<TZEMultiElement>(HostPoints(4, 0));
  statusIcon = Make<TZEMultiElement>(HostPoints(2, 0));
  directInput = Make<TZEMultiElement>(HostPoints(1, 0));
  replyParser = Make<TZEMultiElement>(HostPoints(0, 0));
  blockMenuScheme = Make<TZEMultiElement>(HostPoints(5, 2));
  Control = panel;

  Bind(boundary, host);

  // Panel inputs.
  Connect(boundary->InnerEvents[Line], replyParser, &TZEMultiElement::Action, ReplyParser::Line);
  Connect(boundary->InnerEvents[Status], statusIcon, &TZEMultiElement::Action, StatusIcon::Status);
  Connect(boundary->InnerEvents[Lost], reconnect, &TZEMultiElement::Action, Reconnect::Lost);
  Connect(boundary->InnerDataInputs[InputBlocks], replyParser, &TZEMultiElement::DataOutput,
          ReplyParser::InputBlocks);
  Connect(boundary->InnerDataInputs[OutputBlocks], replyParser, &TZEMultiElement::DataOutput,
          ReplyParser::OutputBlocks);

  // Start, stop and reconnection.
  Connect(startStopButton->OnClick, reconnect, &TZEMultiElement::Action, Reconnect::Toggle);
  Connect(reconnect->Events[Reconnect::OnConnect], boundary, &TZEEditMulti::Action, OnConnect);
  Connect(reconnect->Events[Reconnect::OnCaption], startStopButton, &ui::TzeButtonRush::SetCaption);
  Connect(reconnect->Events[Reconnect::OnPicture], statusPicture, &ui::TZEImage::Load);
  Connect(reconnect->Events[Reconnect::OnSettingsEnabled], settingsButton,
          &ui::TzeButtonRush::SetEnabled);
  Connect(settingsButton->OnClick, boundary, &TZEEditMulti::Action, OnSettings);
  Connect(resetButton->OnClick, boundary, &TZEEditMulti::Action, OnReset);

  // Status picture and the buttons that follow the live-link flag.
  Connect(statusIcon->Events[StatusIcon::OnPicture], statusPicture, &ui::TZEImage::Load);
  Connect(statusIcon->Events[StatusIcon::OnLive], liveChanged, &TZEHub::Distribute);
  Connect(liveChanged->Outputs[0], rawSendButton, &ui::TzeButtonRush::SetEnabled);
  Connect(liveChanged->Outputs[1], serialLink, &TZEIf_else::Compare);
  Connect(serialLink->Op1Input, connectionType, &TZEGlobalVar::Value);
  Connect(serialLink->OnTrue, serialLive, &TZEHub::Distribute);
  Connect(serialLive->Outputs[0], resetButton, &ui::TzeButtonRush::SetEnabled);
  Connect(serialLive->Outputs[1], boundary, &TZEEditMulti::Action, OnLive);

  // Raw line.
  Connect(rawSendButton->OnClick, directInput, &TZEMultiElement::Action, DirectInput::Show);
  Connect(directInput->Events[DirectInput::OnText], boundary, &TZEEditMulti::Action, OnRawText);

  // Operator windows on the left press, block menus on the right press.
  Connect(buttonsButton->OnMouseDown, buttonsPress, &TZEIndexToChanel::Route);
  Connect(buttonsPress->Channels[0], buttonWindow, &TZEDoData::Emit);
  Connect(buttonsPress->Channels[1], blockMenuScheme, &TZEMultiElement::Action,
          BlockMenu::ShowOutputs);
  Connect(indicatorsButton->OnMouseDown, indicatorsPress, &TZEIndexToChanel::Route);
  Connect(indicatorsPress->Channels[0], indicatorWindow, &TZEDoData::Emit);
  Connect(indicatorsPress->Channels[1], blockMenuScheme, &TZEMultiElement::Action,
          BlockMenu::ShowInputs);
  Connect(eventsButton->OnClick, eventWindow, &TZEDoData::Emit);
  Connect(buttonWindow->OnEmit, boundary, &TZEEditMulti::Action, OnShowWindow);
  Connect(indicatorWindow->OnEmit, boundary, &TZEEditMulti::Action, OnShowWindow);
  Connect(eventWindow->OnEmit, boundary, &TZEEditMulti::Action, OnShowWindow);

  // Block menu.
  Connect(blockMenuScheme->DataInputs[BlockMenu::InputBlocks], replyParser,
          &TZEMultiElement::DataOutput, ReplyParser::InputBlocks);
  Connect(blockMenuScheme->DataInputs[BlockMenu::OutputBlocks], replyParser,
          &TZEMultiElement::DataOutput, ReplyParser::OutputBlocks);
  Connect(blockMenuScheme->Events[BlockMenu::OnClear], blockMenu, &ui::TzePopupMenuEx::Clear);
  Connect(blockMenuScheme->Events[BlockMenu::OnItem], blockMenu, &ui::TzePopupMenuEx::AddItems);
  Connect(blockMenuScheme->Events[BlockMenu::OnPopup], blockMenu, &ui::TzePopupMenuEx::Popup);
  Connect(blockMenuScheme->Events[BlockMenu::OnInputBlock], boundary, &TZEEditMulti::Action,
          OnAddIndicator);
  Connect(blockMenuScheme->Events[BlockMenu::OnOutputBlock], boundary, &TZEEditMulti::Action,
          OnAddButton);
  Connect(blockMenu->OnClick, blockMenuScheme, &TZEMultiElement::Action, BlockMenu::Pick);

  // The inner schemes, last; the raw-line window belongs to the main form.
  for (TZEMultiElement* inner : {reconnect, statusIcon, directInput, replyParser, blockMenuScheme}) {
    inner->ParentControl = panel;
    inner->ParentScheme = this;
  }
  directInput->ParentControl = form;
  reconnect->SetFactory(&SchemeFactory<TClassMultiElement_Reconnect>);
  statusIcon->SetFactory(&SchemeFactory<TClassMultiElement_StatusIcon>);
  directInput->SetFactory(&SchemeFactory<TClassChildForm_DirectInput>);
  replyParser->SetFactory(&SchemeFactory<TClassMultiElement_ReplyParser>);
  blockMenuScheme->SetFactory(&SchemeFactory<TClassMultiElement_BlockMenu>);
}

}  // namespace zorn
