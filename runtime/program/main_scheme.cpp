#include "runtime/program/main_scheme.h"

#include "app/button_window/button_window.h"
#include "app/editors/button_editor.h"
#include "app/editors/event_editor.h"
#include "app/editors/indicator_editor.h"
#include "app/event_window/event_window.h"
#include "app/indicator_window/indicator_window.h"
#include "app/main_list/main_list.h"
#include "app/settings/config_loader.h"
#include "app/settings/link_settings.h"
#include "app/settings/window_visibility.h"
#include "link/controller_link.h"
#include "link/panel/main_panel.h"
#include "link/panel/tray_status.h"
#include "platform/message_box.h"

namespace zorn {
namespace {

using MainPanel = TClassChildPanel_MainPanel;
using Link = TClassMultiElement_Link;
using ButtonWindow = TClassChildForm_ButtonWindow;
using ConfigLoader = TClassMultiElement_ConfigLoader;
using LinkSettings = TClassChildForm_LinkSettings;
using WindowVisibility = TClassMultiElement_WindowVisibility;
using IndicatorWindow = TClassChildForm_IndicatorWindow;
using MainList = TClassChildPanel_MainList;
using TrayStatus = TClassMultiElement_TrayStatus;
using EventWindow = TClassChildForm_EventWindow;
using Editor = TEditorForm;

// A host whose child is built when it is first addressed.
auto OnDemandHost(size_t events, size_t dataInputs) {
  return [=](TZEMultiElement& host) {
    HostPoints(events, dataInputs)(host);
    host.CreateOnDemand = true;
  };
}

}  // namespace

TClassMainForm_Main::TClassMainForm_Main() : TClassMultiBase(nullptr) {
  mainForm = Make<ui::TZEMainForm>([](auto& f) {
    f.Caption = "ЗОРН v3.3";
    f.Width = 438;
    f.Height = 328;
    // Room for every control of the main panel side by side (four of 73 px
    // on the left; 73, 44, 44 and 25 on the right) with a little of the
    // panel's picture between the groups, whatever the frame takes.
    f.MinClientWidth = 486;
    f.IconName = "ICON0";
    f.Visible = false;
    f.Place = "config.ini\\mainForm";
    f.Centered = true;
    f.Name = "главная";
  });
  // The "String-Debug" boxes belong to the main window from here on: they
  // stay above it and it takes no input while one shows.
  if (ui::IWidget* window = mainForm->Widget()) {
    platform::SetMessageBoxOwner(reinterpret_cast<void*>(window->Handle()));
  }
  mainPanel = Make<TZEMultiElement>(HostPoints(9, 0));
  background = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = mainForm;
    i.Picture = "BITMAP9";
    i.Align = ui::alClient;
  });
  link = Make<TZEMultiElement>(HostPoints(5, 0));
  linkFanOut = Make<TZEHub>(Outputs(4));
  buttonWindow = Make<TZEMultiElement>(HostPoints(2, 2));
  configLoader = Make<TZEMultiElement>(HostPoints(1, 0));
  settingsDialog = Make<TZEMultiElement>(OnDemandHost(2, 1));
  windowVisibility = Make<TZEMultiElement>(HostPoints(3, 1));
  showWindows = Make<TZEDoData>(IntValue(1));
  hints = Make<ui::TZEHintManager>([](auto& h) {
    h.Name = "подсказки";
    h.Font = TFontRec{"Tahoma", 8, 0, 0, 1};
    h.InitialDelayMs = 500;
    h.DisplayTimeMs = 5000;
  });
  connectionType = Make<TZEGlobalVar>([](auto& g) { g.SetName("type_connect"); });
  startFanOut = Make<TZEHub>(Outputs(9));
  trayIcon = Make<ui::TZETrayIcon>([&](auto& t) {
    t.Form = mainForm;
    t.HideOnMinimize = true;
    t.BalloonTitle = "Внимание";
    t.BalloonIcon = ui::TBalloonIcon::Info;
    t.BalloonTimeoutMs = 1000;
  });
  trayClickSelector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  trayMenu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items = "Закрыть";
    m.Owner = mainForm;
  });
  trayMenuSelector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  windowSelector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(4); });
  showFlag = Make<TZEMemory>([](auto& m) {
    TData one;
    MakeInt(one, 1);
    m.SetDefault(one);
  });
  indicatorEditor = Make<TZEMultiElement>(OnDemandHost(2, 2));
  indicatorWindow = Make<TZEMultiElement>(HostPoints(1, 2));
  mainList = Make<TZEMultiElement>(HostPoints(1, 1));
  replyFanOut = Make<TZEHub>(Outputs(2));
  // A TCP reply keeps its CR; the windows compare whole values, so they get
  // the line without it, as a serial reply comes.
  replyWithoutCr = Make<TZEReplace>([](auto& r) { r.SubStr = "\r"; });
  buttonEditor = Make<TZEMultiElement>(OnDemandHost(2, 2));
  trayStatus = Make<TZEMultiElement>(HostPoints(2, 0));
  connectionGate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmGreater;
    MakeInt(g.Op2, 0);
  });
  eventEditor = Make<TZEMultiElement>(OnDemandHost(2, 2));
  eventWindow = Make<TZEMultiElement>(HostPoints(2, 0));
  Control = mainForm;

  // Start: load config.ini, then the start fan-out.
  Connect(mainForm->OnStart, configLoader, &TZEMultiElement::Action, ConfigLoader::Load);
  Connect(configLoader->Events[ConfigLoader::OnDone], startFanOut, &TZEHub::Distribute);
  Connect(startFanOut->Outputs[0], connectionGate, &TZEIf_else::Compare);
  Connect(startFanOut->Outputs[1], trayStatus, &TZEMultiElement::Action, TrayStatus::Start);
  Connect(startFanOut->Outputs[2], indicatorWindow, &TZEMultiElement::Action,
          IndicatorWindow::Load);
  Connect(startFanOut->Outputs[4], buttonWindow, &TZEMultiElement::Action, ButtonWindow::Reload);
  Connect(startFanOut->Outputs[5], mainList, &TZEMultiElement::Action, MainList::Load);
  Connect(startFanOut->Outputs[8], eventWindow, &TZEMultiElement::Action, EventWindow::Load);
  Connect(connectionGate->Op1Input, connectionType, &TZEGlobalVar::Value);
  Connect(connectionGate->OnTrue, showWindows, &TZEDoData::Emit);
  Connect(connectionGate->OnFalse, settingsDialog, &TZEMultiElement::Action, LinkSettings::Open);
  Connect(settingsDialog->Events[LinkSettings::OnApply], showWindows, &TZEDoData::Emit);
  Connect(settingsDialog->Events[LinkSettings::OnSave], configLoader, &TZEMultiElement::Action,
          ConfigLoader::Save);
  Connect(settingsDialog->DataInputs[LinkSettings::Picture], background, &ui::TZEImage::Bitmap);
  Connect(showWindows->OnEmit, windowVisibility, &TZEMultiElement::Action,
          WindowVisibility::Restore);
  Connect(windowVisibility->Events[WindowVisibility::OnShowButtons], buttonWindow,
          &TZEMultiElement::Action, ButtonWindow::SetShown);
  Connect(windowVisibility->Events[WindowVisibility::OnShowIndicators], indicatorWindow,
          &TZEMultiElement::Action, IndicatorWindow::Show);
  Connect(windowVisibility->Events[WindowVisibility::OnShowEventLog], eventWindow,
          &TZEMultiElement::Action, EventWindow::Show);
  Connect(windowVisibility->DataInputs[WindowVisibility::Handle], Win(mainForm),
          &ui::TZEWin::Handle);

  // Controller traffic: reply lines fan out to their readers; the link's
  // messages become tray balloons.
  Connect(link->Events[Link::OnLine], replyFanOut, &TZEHub::Distribute);
  Connect(replyFanOut->Outputs[1], replyWithoutCr, &TZEReplace::Replace);
  Connect(replyWithoutCr->OnResult, linkFanOut, &TZEHub::Distribute);
  Connect(linkFanOut->Outputs[0], indicatorWindow, &TZEMultiElement::Action, IndicatorWindow::Line);
  Connect(linkFanOut->Outputs[2], mainList, &TZEMultiElement::Action, MainList::Line);
  Connect(linkFanOut->Outputs[3], eventWindow, &TZEMultiElement::Action, EventWindow::Line);
  Connect(link->Events[Link::OnMessage], trayIcon, &ui::TZETrayIcon::Balloon);
  Connect(eventWindow->Events[EventWindow::OnJournalFault], trayIcon, &ui::TZETrayIcon::Balloon);
  Connect(replyFanOut->Outputs[0], mainPanel, &TZEMultiElement::Action, MainPanel::Line);
  Connect(link->Events[Link::OnStatus], mainPanel, &TZEMultiElement::Action, MainPanel::Status);
  Connect(link->Events[Link::OnLost], mainPanel, &TZEMultiElement::Action, MainPanel::Lost);
  Connect(link->Events[Link::OnClient], buttonWindow, &TZEMultiElement::Action,
          ButtonWindow::Resync);

  // Commands of the main panel.
  Connect(mainPanel->Events[MainPanel::OnConnect], link, &TZEMultiElement::Action,
          Link::Connection);
  Connect(mainPanel->Events[MainPanel::OnSettings], settingsDialog, &TZEMultiElement::Action,
          LinkSettings::Open);
  Connect(mainPanel->Events[MainPanel::OnSend], link, &TZEMultiElement::Action, Link::Send);
  Connect(mainPanel->Events[MainPanel::OnReset], link, &TZEMultiElement::Action, Link::Reset);
  Connect(mainPanel->Events[MainPanel::OnShowWindow], windowSelector, &TZEIndexToChanel::Route);
  Connect(mainPanel->Events[MainPanel::OnRawText], link, &TZEMultiElement::Action, Link::RawText);
  Connect(mainPanel->Events[MainPanel::OnAddIndicator], indicatorWindow, &TZEMultiElement::Action,
          IndicatorWindow::AddIndicator);
  Connect(mainPanel->Events[MainPanel::OnAddButton], buttonWindow, &TZEMultiElement::Action,
          ButtonWindow::AddFromList);
  Connect(mainPanel->Events[MainPanel::OnLive], buttonWindow, &TZEMultiElement::Action,
          ButtonWindow::Resync);
  Connect(windowSelector->DataInput, showFlag, &TZEMemory::Value);
  Connect(windowSelector->Channels[0], buttonWindow, &TZEMultiElement::Action,
          ButtonWindow::SetShown);
  Connect(windowSelector->Channels[1], indicatorWindow, &TZEMultiElement::Action,
          IndicatorWindow::Show);
  Connect(windowSelector->Channels[2], eventWindow, &TZEMultiElement::Action, EventWindow::Show);

  // The operator windows: commands to the link, edits through the editors,
  // the shared background and the main panel's block lists.
  Connect(buttonWindow->Events[ButtonWindow::OnSend], link, &TZEMultiElement::Action, Link::Send);
  Connect(buttonWindow->Events[ButtonWindow::OnEdit], buttonEditor, &TZEMultiElement::Action,
          Editor::Open);
  Connect(buttonWindow->DataInputs[ButtonWindow::Picture], background, &ui::TZEImage::Bitmap);
  Connect(buttonWindow->DataInputs[ButtonWindow::OutputBlocks], mainPanel,
          &TZEMultiElement::DataOutput, MainPanel::OutputBlocks);
  Connect(indicatorWindow->Events[IndicatorWindow::OnEdit], indicatorEditor,
          &TZEMultiElement::Action, Editor::Open);
  Connect(indicatorWindow->DataInputs[IndicatorWindow::Picture], background, &ui::TZEImage::Bitmap);
  Connect(indicatorWindow->DataInputs[IndicatorWindow::InputBlocks], mainPanel,
          &TZEMultiElement::DataOutput, MainPanel::InputBlocks);
  Connect(mainList->Events[MainList::OnEdit], indicatorEditor, &TZEMultiElement::Action,
          Editor::Open);
  Connect(mainList->DataInputs[MainList::Picture], background, &ui::TZEImage::Bitmap);
  Connect(indicatorEditor->Events[Editor::OnSaveMain], mainList, &TZEMultiElement::Action,
          MainList::Load);
  Connect(indicatorEditor->Events[Editor::OnSaveWindow], indicatorWindow, &TZEMultiElement::Action,
          IndicatorWindow::Load);
  Connect(indicatorEditor->DataInputs[Editor::Blocks], mainPanel, &TZEMultiElement::DataOutput,
          MainPanel::InputBlocks);
  Connect(indicatorEditor->DataInputs[Editor::Picture], background, &ui::TZEImage::Bitmap);
  Connect(buttonEditor->Events[Editor::OnSaveWindow], buttonWindow, &TZEMultiElement::Action,
          ButtonWindow::Reload);
  Connect(buttonEditor->DataInputs[Editor::Blocks], mainPanel, &TZEMultiElement::DataOutput,
          MainPanel::OutputBlocks);
  Connect(buttonEditor->DataInputs[Editor::Picture], background, &ui::TZEImage::Bitmap);
  Connect(eventEditor->Events[Editor::OnSaveWindow], eventWindow, &TZEMultiElement::Action,
          EventWindow::Load);
  Connect(eventEditor->DataInputs[Editor::Blocks], mainPanel, &TZEMultiElement::DataOutput,
          MainPanel::InputBlocks);
  Connect(eventEditor->DataInputs[Editor::Picture], background, &ui::TZEImage::Bitmap);
  Connect(eventWindow->Events[EventWindow::OnEdit], eventEditor, &TZEMultiElement::Action,
          Editor::Open);

  // Tray: the status picture, left click restores, right click opens the menu.
  Connect(trayStatus->Events[TrayStatus::OnIcon], trayIcon, &ui::TZETrayIcon::SetIcon);
  Connect(trayStatus->Events[TrayStatus::OnShowIcon], trayIcon, &ui::TZETrayIcon::Show);
  Connect(trayIcon->OnClick, trayClickSelector, &TZEIndexToChanel::Route);
  Connect(trayClickSelector->Channels[0], windowVisibility, &TZEMultiElement::Action,
          WindowVisibility::TrayRestore);
  Connect(trayClickSelector->Channels[1], trayMenu, &ui::TzePopupMenuEx::Popup);
  Connect(trayMenu->OnClick, trayMenuSelector, &TZEIndexToChanel::Route);
  Connect(trayMenuSelector->Channels[0], mainForm, &ui::TZEMainForm::Close, 3);

  for (TZEMultiElement* host :
       {mainPanel, link, buttonWindow, configLoader, settingsDialog, windowVisibility, indicatorEditor,
        indicatorWindow, mainList, buttonEditor, trayStatus, eventEditor, eventWindow}) {
    host->ParentControl = mainForm;
    host->ParentScheme = this;
  }
  // Children are built as their factories are set; the dialogs only when first opened.
  mainPanel->SetFactory(&SchemeFactory<TClassChildPanel_MainPanel>);
  link->SetFactory(&SchemeFactory<TClassMultiElement_Link>);
  buttonWindow->SetFactory(&SchemeFactory<TClassChildForm_ButtonWindow>);
  configLoader->SetFactory(&SchemeFactory<TClassMultiElement_ConfigLoader>);
  settingsDialog->SetFactory(&SchemeFactory<TClassChildForm_LinkSettings>);
  windowVisibility->SetFactory(&SchemeFactory<TClassMultiElement_WindowVisibility>);
  indicatorWindow->SetFactory(&SchemeFactory<TClassChildForm_IndicatorWindow>);
  mainList->SetFactory(&SchemeFactory<TClassChildPanel_MainList>);
  trayStatus->SetFactory(&SchemeFactory<TClassMultiElement_TrayStatus>);
  eventWindow->SetFactory(&SchemeFactory<TClassChildForm_EventWindow>);
  indicatorEditor->SetFactory(&SchemeFactory<TClassChildForm_IndicatorEditor>);
  buttonEditor->SetFactory(&SchemeFactory<TClassChildForm_ButtonEditor>);
  eventEditor->SetFactory(&SchemeFactory<TClassChildForm_EventEditor>);
}

// No box may be owned by a window that is going away.
TClassMainForm_Main::~TClassMainForm_Main() { platform::SetMessageBoxOwner(nullptr); }

}  // namespace zorn
