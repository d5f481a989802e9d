// The button window: one panel per [buttonForm] record of
// user_settings.ini, each with a pulse, toggle, hold or set-value button
// that sends "value;block" lines to the controller link, and a popup menu
// to edit, add and delete buttons, keep the window on top and close it.
//
// Reload: the picture and every button. SetShown (0 or 1):
// "visible_button", config.ini [buttonForm] visible, then the window.
// AddFromList ("type;block"): writes a default record and asks for its
// editor 10 ms later. Resync (1): toggles and set-value buttons send their
// state again. OnSend: a command line such as "1;12"; OnEdit: "1;" and a
// record key. Picture: the main window's bitmap; OutputBlocks: the reported
// output blocks.
#pragma once

#include "elements/ini.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/image.h"
#include "ui/elements/layouts.h"
#include "ui/elements/main_form.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/value_holders.h"
#include "ui/elements/win_tools.h"

namespace zorn {

class TClassChildForm_ButtonWindow : public TClassMultiBase {
 public:
  TClassChildForm_ButtonWindow(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Reload = 0, SetShown = 1, AddFromList = 2, Resync = 3 };
  enum Event : uint16_t { OnSend = 0, OnEdit = 1 };
  enum DataInput : uint16_t { Picture = 0, OutputBlocks = 1 };

  // Menu items by index; the separators count.
  enum TMenuItem : int32_t { miEdit = 0, miAdd = 1, miDelete = 2, miTopmost = 4, miClose = 6 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
  ui::TZEToolBarLayout* layout;
  ui::TzePopupMenuEx* menu;
  ui::TZEBitmap* panelPicture;
  TZESwitch* topmost;
  ui::TZEWinTools* winTools;
  TZEHub* reloadSteps;
  TZEHub* shownSteps;
  TZEGlobalVar* visible;
  TZEini* visibleFile;
  TZEDoData* closeValue;
  TZEIndexToChanel* menuCommand;
  TZEIndexToChanel* windowPress;  // by mouse button: 0 drags, 1 opens the menu
  TZEMultiElementEx* buttons;
  TZEMultiElement* records;
  TZEMultiElement* menuState;
  TZEMultiElement* resync;
};

}  // namespace zorn
