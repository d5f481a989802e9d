// TClassMainForm_Main, the top of the program: the main window with its
// background, tray icon, tray menu and tool-tip settings, and the hosts of
// the child schemes, wired to each other. The children are built right
// after the wiring, in a fixed order.
#pragma once

#include "elements/str_join.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/hint_manager.h"
#include "ui/elements/image.h"
#include "ui/elements/main_form.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/tray_icon.h"

namespace zorn {

class TClassMainForm_Main : public TClassMultiBase {
 public:
  TClassMainForm_Main();
  ~TClassMainForm_Main() override;

  // In creation order.
  ui::TZEMainForm* mainForm;
  TZEMultiElement* mainPanel;
  ui::TZEImage* background;
  TZEMultiElement* link;
  TZEHub* linkFanOut;
  TZEMultiElement* buttonWindow;
  TZEMultiElement* configLoader;
  TZEMultiElement* settingsDialog;
  TZEMultiElement* windowVisibility;
  TZEDoData* showWindows;
  ui::TZEHintManager* hints;
  TZEGlobalVar* connectionType;
  TZEHub* startFanOut;
  ui::TZETrayIcon* trayIcon;
  TZEIndexToChanel* trayClickSelector;
  ui::TzePopupMenuEx* trayMenu;
  TZEIndexToChanel* trayMenuSelector;
  TZEIndexToChanel* windowSelector;
  TZEMemory* showFlag;
  TZEMultiElement* indicatorEditor;
  TZEMultiElement* indicatorWindow;
  TZEMultiElement* mainList;
  TZEHub* replyFanOut;
  TZEReplace* replyWithoutCr;
  TZEMultiElement* buttonEditor;
  TZEMultiElement* trayStatus;
  TZEIf_else* connectionGate;
  TZEMultiElement* eventEditor;
  TZEMultiElement* eventWindow;
};

}  // namespace zorn
