#pragma once

#include "elements/change_mon.h"
#include "elements/format_str.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/panel.h"

namespace zorn {

// One indicator panel. Setup: the initialisation line; Cleared: the host's
// clear notice (unused); State: a state text is ready (read through
// StateText). OnSelect: a right press, carrying the index k; OnSound: a sound
// request.
class TClassChildPanelEx_IndicatorItem : public TClassMultiBase {
 public:
  TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Setup = 0, Cleared = 1, State = 2 };
  enum Event : uint16_t { OnSelect = 0, OnSound = 1 };
  enum DataInput : uint16_t { InactivePicture = 0, ActivePicture = 1, StateText = 2 };

  // The name of the indicator window's layout.
  static constexpr const char* kLayout = "индикаторы";

  TZEEditMultiEx* boundary;
  ui::TZEPanel* panel;
  ui::TZEImage* picture;
  ui::TZELabel* text;
  TZEChangeMon* changes;
  TZEMultiElement* look;
  // Set-up from the initialisation line.
  TZEMultiStrPart* setupParts;  // 0 index, 1 caption, 2 width, 3 signal
  TZEMemory* description;
  TZEHub* setupSteps;
  TZEDoData* initialState;
  TZEDoData* width;  // nullptr where the layout sets the width
  // The state text.
  TZEMultiStrPart* stateParts;  // 0 state; the rest is the value
  TZEMemory* value;
  TZEHub* stateSteps;
  TZEDoData* state;
  TZEIf_else* signalOn;
  TZEFormatStr* hint;
  // A right press selects this indicator.
  TZEIndexToChanel* press;
  TZEDoData* selectThis;

 protected:
  struct TSetup {
    int32_t Height;
    bool RecordWidth;  // the record's width field sets the panel's width
    const char* Layout;
    TFactory Look;
    TFontRec Font;     // of the text before the look applies its own
  };
  TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme, const TSetup& setup);
};

}  // namespace zorn
