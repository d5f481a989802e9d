// The sub-schemes of the main list: the indicator window's sub-schemes with the
// list's section, sounds, pictures and row look.
#pragma once

#include "app/indicator_window/indicator_parts.h"

namespace zorn {

// The indicator loader over [mainForm] with the edit prefix "0;", and the
// free-key search. Actions and events as the indicator loader's, plus
// action 3: find a free key; event 3 then carries "0;" and the key (no key
// free: nothing fires).
class TClassMultiElement_MainListLoader : public TClassMultiElement_IndicatorLoader {
 public:
  TClassMultiElement_MainListLoader(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  TZEFreeKey* freeKey;
  TZEFormatStr* addText;
};

class TClassMultiElement_MainListText : public TClassMultiElement_IndicatorText {
 public:
  using TClassMultiElement_IndicatorText::TClassMultiElement_IndicatorText;
};

class TClassMultiElement_MainListLineMatcher : public TClassMultiElement_IndicatorLineMatcher {
 public:
  using TClassMultiElement_IndicatorLineMatcher::TClassMultiElement_IndicatorLineMatcher;
};

// The row look: picture by state; while active the font colour blinks. The
// text, the caption followed directly by the current value, is rebuilt on
// every state. Points as the indicator look's.
class TClassMultiElement_MainListLook : public TClassMultiBase {
 public:
  TClassMultiElement_MainListLook(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEFont* inactiveFont;
  ui::TZEFont* activeFont;
  TZETimer* blinkTimer;
  TZESwitch* blink;
  TZEIndexToChanel* state;
  TZEHub* inactiveSteps;
  TZEHub* activeSteps;
  TZEDoData* inactivePicture;
  TZEDoData* activePicture;
  TZEDoData* inactiveColour;
  TZEDoData* activeColour;
  TZEStrCat* text;
};

// The one-second gate of the indicator sound with the resource "WAVE2".
class TClassMultiElement_MainListSound : public TClassMultiElement_IndicatorSound {
 public:
  TClassMultiElement_MainListSound(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);
};

// The indicator menu state for three items; "add" is always available and
// there is no check mark, so event 1 never fires.
class TClassMultiElement_MainListMenuState : public TClassMultiElement_IndicatorMenuState {
 public:
  TClassMultiElement_MainListMenuState(TZEMultiElement* host, TElement* parentControl,
                                       TClassMultiBase* parentScheme);
};

// One row: the indicator panel, 21 high, as wide as the layout makes it.
class TClassChildPanelEx_MainListRow : public TClassChildPanelEx_IndicatorItem {
 public:
  TClassChildPanelEx_MainListRow(TZEMultiElementEx* host, TElement* parentControl,
                                 TClassMultiBase* parentScheme);

  static constexpr const char* kLayout = "строки";
};

}  // namespace zorn
