// The window-visibility scheme: Restore with 1 shows the main window after
// 10 ms and then the operator windows whose flags are set, with 0 hides
// them at once, with 2 does nothing; TrayRestore shows at once. The OnShow…
// events reach the operator windows; Handle is the main window's.
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

  // Host points.
  enum Action : uint16_t { Restore = 0, TrayRestore = 1 };
  enum Event : uint16_t { OnShowButtons = 0, OnShowIndicators = 1, OnShowEventLog = 2 };
  enum DataInput : uint16_t { Handle = 0 };

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
