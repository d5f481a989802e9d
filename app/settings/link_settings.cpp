#include "app/settings/link_settings.h"

#include "app/settings/link_lists.h"

namespace zorn {

namespace {

using PortList = TClassMultiElement_PortList;
using SpeedSelect = TClassMultiElement_SpeedSelect;

// Place and hint of a control; the dialog's font is the default one.
template <class T>
void Place(T& c, ui::TZEWin* parent, int32_t left, int32_t top, int32_t width, int32_t height,
           const char* hint) {
  c.Parent = parent;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  c.Hint = hint;
}

auto Label(ui::TZEWin* parent, int32_t left, int32_t top, int32_t width, const char* text) {
  return [=](ui::TZELabel& l) {
    Place(l, parent, left, top, width, 17, "");
    l.Text = text;
  };
}

// The default of a global the dialog proposes: it stands in for a variable
// that was never set (no configuration loaded) and never replaces a value.
auto WithDefault(const char* name, int32_t value) {
  return [=](TZEGlobalVar& g) {
    g.SetName(name);
    TData current;
    g.Value(current, 0);
    if (current.Kind != dtNull) return;
    TData proposed;
    MakeInt(proposed, value);
    g.SetDefault(proposed);
  };
}

}  // namespace

TClassChildForm_LinkSettings::TClassChildForm_LinkSettings(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Установки";
    f.IconName = "ICON1";
    f.BorderStyle = 3;
    f.Width = 287;
    f.Height = 241;
    f.Centered = true;
    f.Visible = false;
  });
  serialChoice = Make<ui::TzeRadioButtonRush>([&](auto& r) {
    Place(r, form, 2, 2, 85, 20, "Использовать ком порт");
    r.Caption = "Com Port";
  });
  tcpChoice = Make<ui::TzeRadioButtonRush>([&](auto& r) {
    Place(r, form, 110, 2, 130, 20, "Использовать TCP IP (server)");
    r.Caption = "TCP IP server (port)";
  });
  portLabel = Make<ui::TZELabel>(Label(form, 10, 30, 32, "Порт:"));
  refreshButton = Make<ui::TzeButtonRush>([&](auto& b) {
    Place(b, form, 145, 30, 20, 20, "Обновить список портов");
    b.Caption = "...";
  });
  tcpPort = Make<ui::TZEEdit>([&](auto& e) {
    Place(e, form, 170, 30, 100, 20, "Укозать порт запускаемого сервера");
    e.Mode = ui::emInteger;
    e.Text = "4455";
  });
  serialPort = Make<ui::TZEComboBox>([&](auto& c) {
    Place(c, form, 170, 30, 100, 21, "Номер порта");
    c.DataMode = 1;
    c.DropDownCount = 8;
    c.Editable = false;  // a port is picked from the list, never typed
    c.Text = "Номер COM порта";
  });
  speedLabel = Make<ui::TZELabel>(Label(form, 10, 60, 55, "Скорость:"));
  serialSpeed = Make<ui::TZEComboBox>([&](auto& c) {
    Place(c, form, 170, 60, 100, 21, "Скорость порта");
    c.DataMode = 1;
    c.DropDownCount = 6;
    c.Editable = false;  // a speed is picked from the list, never typed
    c.Strings = kSpeedItems;
    c.Text = "Скорость COM порта";
  });
  pollLabel = Make<ui::TZELabel>(Label(form, 10, 90, 112, "Время опроса:"));
  pollPeriod = Make<ui::TZEEdit>([&](auto& e) {
    Place(e, form, 170, 90, 100, 20, "Таймер опроса входов в секундах (0 отключен)");
    e.Mode = ui::emUnsigned;
    // Seconds; six digits (up to about eleven days) keep every period the
    // poll timer can run.
    e.MaxLength = 6;
    e.Text = "0";
  });
  reconnect = Make<ui::TzeCheckBoxRush>([&](auto& c) {
    Place(c, form, 10, 180, 135, 20, "Переподключение в случае потери соединения");
    c.Caption = "Переподключение";
  });
  saveButton = Make<ui::TzeButtonRush>([&](auto& b) {
    Place(b, form, 170, 180, 100, 25, "Сохпанить изменения");
    b.Caption = "Сохранить";
  });
  picture = Make<ui::TZEImage>([&](auto& i) {
    Place(i, form, 300, 0, 16, 16, "");
  });

  typeConnect = Make<TZEGlobalVar>([](auto& g) { g.SetName("type_connect"); });
  comPort = Make<TZEGlobalVar>([](auto& g) { g.SetName("com_port"); });
  comPortSpeed = Make<TZEGlobalVar>(WithDefault("com_port_speed", 9600));
  tcpPortValue = Make<TZEGlobalVar>(WithDefault("tcp_port", kProposedTcpPort));
  timeRefresh = Make<TZEGlobalVar>([](auto& g) { g.SetName("time_refresh"); });
  reconnecting = Make<TZEGlobalVar>([](auto& g) { g.SetName("reconnecting"); });

  opening = Make<TZEHub>(Outputs(2));
  tcpStored = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 2);
  });
  serialKind = Make<TZEDoData>(IntValue(1));
  serialChosen = Make<TZEHub>(Outputs(2));
  tcpKind = Make<TZEDoData>(IntValue(2));
  tcpChosen = Make<TZEHub>(Outputs(2));

  layout = Make<TZEHub>(Outputs(3));
  kindSelector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(3); });
  serialLayout = Make<TZEHub>(Outputs(5));
  tcpLayout = Make<TZEHub>(Outputs(3));
  showSerial = Make<TZEDoData>(IntValue(1));
  hideSerial = Make<TZEDoData>(IntValue(0));
  serialControls = Make<TZEHub>(Outputs(4));
  showTcp = Make<TZEDoData>(IntValue(1));
  hideTcp = Make<TZEDoData>(IntValue(0));
  tcpUnset = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 0);
  });
  proposedPort = Make<TZEDoData>(IntValue(kProposedTcpPort));
  portProposed = Make<TZEHub>(Outputs(2));
  storedPort = Make<TZEDoData>(ValueOf(tcpPortValue, &TZEGlobalVar::Value));
  reconnectState = Make<TZEDoData>(ValueOf(reconnecting, &TZEGlobalVar::Value));
  pollText = Make<TZEDoData>(ValueOf(timeRefresh, &TZEGlobalVar::Value));
  showForm = Make<TZEDoData>(IntValue(1));
  hideForm = Make<TZEDoData>(IntValue(0));
  saving = Make<TZEHub>(Outputs(3));
  portList = Make<TZEMultiElement>([](auto& h) { h.SetEventCount(3); });
  speedSelect = Make<TZEMultiElement>([](auto& h) { h.SetEventCount(1); });
  Control = form;

  Bind(boundary, host);

  // Opening: the picture, then the choice matching "type_connect" and the
  // link kind it stands for (0 and 1 both mean serial).
  Connect(boundary->InnerEvents[Open], opening, &TZEHub::Distribute);
  Connect(opening->Outputs[0], picture, &ui::TZEImage::Load);
  Connect(picture->BitmapInput, boundary, &TZEEditMulti::DataOutput, Picture);
  Connect(opening->Outputs[1], tcpStored, &TZEIf_else::Compare);
  Connect(tcpStored->Op1Input, typeConnect, &TZEGlobalVar::Value);
  Connect(tcpStored->OnTrue, tcpKind, &TZEDoData::Emit);
  Connect(tcpStored->OnFalse, serialKind, &TZEDoData::Emit);
  // A click checks its own choice; checking again on the way does no harm.
  Connect(serialChoice->OnSelect, serialKind, &TZEDoData::Emit);
  Connect(tcpChoice->OnSelect, tcpKind, &TZEDoData::Emit);
  Connect(serialKind->OnEmit, serialChosen, &TZEHub::Distribute);
  Connect(serialChosen->Outputs[0], serialChoice, &ui::TzeRadioButtonRush::SetCheck);
  Connect(serialChosen->Outputs[1], typeConnect, &TZEGlobalVar::Write);
  Connect(tcpKind->OnEmit, tcpChosen, &TZEHub::Distribute);
  Connect(tcpChosen->Outputs[0], tcpChoice, &ui::TzeRadioButtonRush::SetCheck);
  Connect(tcpChosen->Outputs[1], typeConnect, &TZEGlobalVar::Write);

  // Layout step: the controls of the kind, the poll period, the window.
  Connect(typeConnect->OnWrite, layout, &TZEHub::Distribute);
  Connect(layout->Outputs[0], kindSelector, &TZEIndexToChanel::Route);
  Connect(layout->Outputs[1], pollText, &TZEDoData::Emit);
  Connect(layout->Outputs[2], showForm, &TZEDoData::Emit);
  Connect(kindSelector->Channels[1], serialLayout, &TZEHub::Distribute);
  Connect(kindSelector->Channels[2], tcpLayout, &TZEHub::Distribute);

  Connect(serialLayout->Outputs[0], portList, &TZEMultiElement::Action, PortList::Rebuild);
  Connect(serialLayout->Outputs[1], showSerial, &TZEDoData::Emit);
  Connect(serialLayout->Outputs[2], speedSelect, &TZEMultiElement::Action, SpeedSelect::Select);
  Connect(serialLayout->Outputs[3], hideTcp, &TZEDoData::Emit);
  Connect(serialLayout->Outputs[4], reconnectState, &TZEDoData::Emit);
  Connect(tcpLayout->Outputs[0], hideSerial, &TZEDoData::Emit);
  Connect(tcpLayout->Outputs[1], showTcp, &TZEDoData::Emit);
  Connect(tcpLayout->Outputs[2], tcpUnset, &TZEIf_else::Compare);

  Connect(showSerial->OnEmit, serialControls, &TZEHub::Distribute);
  Connect(hideSerial->OnEmit, serialControls, &TZEHub::Distribute);
  Connect(serialControls->Outputs[0], Win(serialPort), &ui::TZEWin::SetVisible);
  Connect(serialControls->Outputs[1], Win(serialSpeed), &ui::TZEWin::SetVisible);
  Connect(serialControls->Outputs[2], Win(refreshButton), &ui::TZEWin::SetVisible);
  Connect(serialControls->Outputs[3], Win(speedLabel), &ui::TZEWin::SetVisible);
  Connect(showTcp->OnEmit, Win(tcpPort), &ui::TZEWin::SetVisible);
  Connect(hideTcp->OnEmit, Win(tcpPort), &ui::TZEWin::SetVisible);
  Connect(tcpUnset->Op1Input, tcpPortValue, &TZEGlobalVar::Value);
  Connect(tcpUnset->OnTrue, proposedPort, &TZEDoData::Emit);
  Connect(tcpUnset->OnFalse, storedPort, &TZEDoData::Emit);
  // The proposed port is taken as well as shown, so that saving without an
  // edit stores the port the operator sees.
  Connect(proposedPort->OnEmit, portProposed, &TZEHub::Distribute);
  Connect(portProposed->Outputs[0], tcpPort, &ui::TZEEdit::SetText);
  Connect(portProposed->Outputs[1], tcpPortValue, &TZEGlobalVar::Write);
  Connect(storedPort->OnEmit, tcpPort, &ui::TZEEdit::SetText);
  // Setting the box fires only OnCheck; the global follows clicks alone.
  Connect(reconnectState->OnEmit, reconnect, &ui::TzeCheckBoxRush::SetCheck);
  Connect(pollText->OnEmit, pollPeriod, &ui::TZEEdit::SetText);
  Connect(showForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);
  Connect(hideForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);

  // Live edits, each stored at once.
  Connect(serialPort->OnSelect, comPort, &TZEGlobalVar::Write);
  Connect(serialSpeed->OnSelect, comPortSpeed, &TZEGlobalVar::Write);
  Connect(tcpPort->OnChange, tcpPortValue, &TZEGlobalVar::Write);
  Connect(pollPeriod->OnChange, timeRefresh, &TZEGlobalVar::Write);
  Connect(reconnect->OnClick, reconnecting, &TZEGlobalVar::Write);
  Connect(refreshButton->OnClick, portList, &TZEMultiElement::Action, PortList::Rebuild);

  // Save: config.ini first, then the windows, then away.
  Connect(saveButton->OnClick, saving, &TZEHub::Distribute);
  Connect(saving->Outputs[0], boundary, &TZEEditMulti::Action, OnSave);
  Connect(saving->Outputs[1], boundary, &TZEEditMulti::Action, OnApply);
  Connect(saving->Outputs[2], hideForm, &TZEDoData::Emit);

  // The list helpers act on the dialog's two lists.
  Connect(portList->Events[PortList::OnClear], serialPort, &ui::TZEComboBox::Clear);
  Connect(portList->Events[PortList::OnAdd], serialPort, &ui::TZEComboBox::Add);
  Connect(portList->Events[PortList::OnSelect], serialPort, &ui::TZEComboBox::SetIndex);
  Connect(speedSelect->Events[SpeedSelect::OnSelect], serialSpeed, &ui::TZEComboBox::SetIndex);
  for (TZEMultiElement* inner : {portList, speedSelect}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  portList->SetFactory(&SchemeFactory<TClassMultiElement_PortList>);
  speedSelect->SetFactory(&SchemeFactory<TClassMultiElement_SpeedSelect>);
}

}  // namespace zorn
