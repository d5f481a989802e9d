// The "Прямой ввод" window of the main panel: Show shows it; Enter in its
// edit sends the text on OnText, hides the window and empties the edit. The
// window is owned by the form given as the parent control.
#pragma once

#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"
#include "ui/elements/edit.h"
#include "ui/elements/main_form.h"

namespace zorn {

class TClassChildForm_DirectInput : public TClassMultiBase {
 public:
  TClassChildForm_DirectInput(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Show = 0 };
  enum Event : uint16_t { OnText = 0 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEEdit* line;
  TZEDoData* showValue;
  TZEDoData* hideValue;
  TZEHub* entered;
};

}  // namespace zorn
