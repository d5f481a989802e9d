// The config.ini scheme: Load reads the six [config] keys into their
// globals, reports OnDone, then reads the three window flags; Save writes
// the six globals back and reports the same way.
#pragma once

#include <array>

#include "elements/ini.h"
#include "runtime/flow/hub.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_ConfigLoader : public TClassMultiBase {
 public:
  TClassMultiElement_ConfigLoader(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Save = 1 };
  enum Event : uint16_t { OnDone = 0 };

  // The six connection keys, in the order they are read and written.
  static constexpr std::array<const char*, 6> kKeys = {
      "type_connect", "com_port", "com_port_speed", "tcp_port", "time_refresh", "reconnecting"};

  TZEEditMulti* boundary;
  TZEHub* loadSteps;
  TZEHub* saveSteps;
  TZEDoData* done;
  std::array<TZEini*, 6> keys;
  std::array<TZEGlobalVar*, 6> values;
  // Window flags: [buttonForm], [indicatorForm], [graphForm] visible.
  std::array<TZEini*, 3> flags;
  std::array<TZEGlobalVar*, 3> flagValues;
};

}  // namespace zorn
