// The main panel: the tool bar across the top of the main window, with the
// start/stop, settings, reset and raw-send buttons, the operator-window
// buttons and the link status picture.
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

  // Host points.
  // Line: a reply line; Status: the link status code; Lost: the serial link
  // is lost. OnSend is never fired; OnShowWindow carries the window (0
  // buttons, 1 indicators, 2 event log); OnAddIndicator and OnAddButton the
  // input or output block picked from the block menu; OnLive the live-link
  // flag while "type_connect" is 1. The block lists are Arrays.
  enum Action : uint16_t { Line = 0, Status = 1, Lost = 2 };
  enum Event : uint16_t {
    OnConnect = 0,
    OnSettings = 1,
    OnSend = 2,
    OnReset = 3,
    OnShowWindow = 4,
    OnRawText = 5,
    OnAddIndicator = 6,
    OnAddButton = 7,
    OnLive = 8
  };
  enum DataOutput : uint16_t { InputBlocks = 0, OutputBlocks = 1 };

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
