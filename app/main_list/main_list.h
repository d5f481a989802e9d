// The main list: the rows of user_settings.ini [mainForm] below the main
// panel, each an indicator with a state picture, its text and a sound.
// Line: a reply line "type;block;value". OnEdit: "0;" and a record key for
// the indicator editor. Picture: the main window's background bitmap, shown
// by the header picture.
#pragma once

#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/image.h"
#include "ui/elements/layouts.h"
#include "ui/elements/panel.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/value_holders.h"

namespace zorn {

class TClassChildPanel_MainList : public TClassMultiBase {
 public:
  TClassChildPanel_MainList(TZEMultiElement* host, TElement* parentControl,
                            TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Line = 1 };
  enum Event : uint16_t { OnEdit = 0 };
  enum DataInput : uint16_t { Picture = 0 };

  // Popup menu items.
  enum : int32_t { miEdit = 0, miAdd = 1, miDelete = 2 };

  TZEEditMulti* boundary;
  ui::TZEPanel* panel;
  ui::TZEImage* header;
  ui::TZEVBoxLayout* layout;
  ui::TzePopupMenuEx* menu;
  ui::TZEBitmap* inactivePicture;
  ui::TZEBitmap* activePicture;
  TZEHub* loadSteps;
  TZEIndexToChanel* menuChoice;
  TZEMultiElement* loader;
  TZEMultiElement* lineMatcher;
  TZEMultiElementEx* rows;
  TZEMultiElement* sound;
  TZEMultiElement* menuState;
};

}  // namespace zorn
