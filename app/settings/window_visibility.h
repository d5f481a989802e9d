// The window-visibility scheme: host action 0 (Restore) with 1 shows the
// main window after 10 ms and then the operator windows whose flags are
// set, with 0 hides them at once, with 2 does nothing; host action 1
// (TrayRestore) shows at once. Host events 0, 1, 2 reach the button,
// indicator and event log windows; host data input 0 is the main window's
// handle.
#pragma once

#include <array>

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/win_tools.h"

namespace zorn {

class TClassMultiElement_WindowVisibility : public TClassMultiBase {
 public:
  TClassMultiElement_WindowVisibility(TZEMultiElement* host, TElement* parentControl,
                                      TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEIndexToChanel* restoreSelector;
  TZETimer* delay;
  TZEDoData* hideValue;
  TZEDoData* showValue;
  TZEHub* steps;
  ui::TZEWinTools* mainWindow;
  TZEIf_else* showing;
  // In the order they are asked: indicator, button, event log window.
  std::array<TZEGlobalVar*, 3> flags;
  std::array<TZEIf_else*, 3> flagSet;
};

}  // namespace zorn
