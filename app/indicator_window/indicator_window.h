// The indicator window "Окно с элементами состояния": one coloured panel
// per record of user_settings.ini [indicatorForm]. Load: the background and
// the indicators; Show: v ≠ 0 shows, 0 hides, storing the flag in
// "visible_indicator" and config.ini [indicatorForm] visible; Line: a reply
// line "type;block;value"; AddIndicator: a "type;block" text. OnEdit: "1;"
// and a record key for the indicator editor. Picture: the background bitmap;
// InputBlocks: the input-block list (Array).
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

class TClassChildForm_IndicatorWindow : public TClassMultiBase {
 public:
  TClassChildForm_IndicatorWindow(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Show = 1, Line = 2, AddIndicator = 3 };
  enum Event : uint16_t { OnEdit = 0 };
  enum DataInput : uint16_t { Picture = 0, InputBlocks = 1 };

  // Popup menu items.
  enum : int32_t { miEdit = 0, miAdd = 1, miDelete = 2, miTopmost = 4, miClose = 6 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
  ui::TZEToolBarLayout* layout;
  ui::TzePopupMenuEx* menu;
  ui::TZEBitmap* inactivePicture;
  ui::TZEBitmap* activePicture;
  TZESwitch* topmost;
  TZEGlobalVar* visibleFlag;
  TZEini* visibleKey;
  ui::TZEWinTools* windowTools;
  TZEHub* loadSteps;
  TZEHub* showSteps;
  TZEIndexToChanel* menuChoice;
  TZEDoData* closeWindow;
  TZEMultiElement* loader;
  TZEMultiElement* freeKey;
  TZEMultiElement* lineMatcher;
  TZEMultiElementEx* items;
  TZEMultiElement* sound;
  TZEMultiElement* menuState;
};

}  // namespace zorn
