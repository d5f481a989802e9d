// The main panel: the tool bar across the top of the main window, with the
// start/stop, settings, reset and raw-send buttons, the operator-window
// buttons and the link status picture. Host actions: 0 reply line, 1 link
// status code, 2 serial link lost. Host events: 0 connect value, 1 open the
// settings dialog, 2 never fired, 3 reset pulse, 4 show operator window
// (0 buttons, 1 indicators, 2 event log), 5 raw text, 6 input block and
// 7 output block picked from the block menu, 8 the live-link flag while
// "type_connect" is 1. Host data outputs: 0 input-block list, 1 output-block
// list (Arrays).
#pragma once

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/image.h"
#include "ui/elements/panel.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

class TClassChildPanel_MainPanel : public TClassMultiBase {
 public:
  TClassChildPanel_MainPanel(TZEMultiElement* host, TElement* parentControl,
                             TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TZEImage* statusPicture;
  ui::TzeButtonRush* resetButton;
  ui::TZEImage* background;
  ui::TzeButtonRush* startStopButton;
  ui::TzeButtonRush* settingsButton;
  ui::TzeButtonRush* rawSendButton;
  ui::TzeButtonRush* buttonsButton;
  ui::TzeButtonRush* indicatorsButton;
  ui::TzeButtonRush* eventsButton;
  ui::TzePopupMenuEx* blockMenu;
  TZEIndexToChanel* buttonsPress;     // by mouse button: 0 left, 1 right
  TZEIndexToChanel* indicatorsPress;
  TZEDoData* buttonWindow;
  TZEDoData* indicatorWindow;
  TZEDoData* eventWindow;
  TZEHub* liveChanged;
  TZEGlobalVar* connectionType;
  TZEIf_else* serialLink;
  TZEHub* serialLive;
  TZEMultiElement* reconnect;
  TZEMultiElement* statusIcon;
  TZEMultiElement* directInput;
  TZEMultiElement* replyParser;
  TZEMultiElement* blockMenuScheme;
};

}  // namespace zorn
