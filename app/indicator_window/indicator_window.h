// The indicator window "Окно с элементами состояния": one coloured panel
// per record of user_settings.ini [indicatorForm]. Host actions: 0 load
// (background and indicators), 1 show (v ≠ 0) or hide, storing the flag in
// "visible_indicator" and config.ini [indicatorForm] visible, 2 a reply
// line "type;block;value", 3 add an indicator for a "type;block" text.
// Host event 0: "1;" and a record key for the indicator editor. Host data
// inputs: 0 the background bitmap, 1 the input-block list (Array).
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
