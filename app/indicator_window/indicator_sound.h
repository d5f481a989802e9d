#pragma once

#include "link/play_sound.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"

namespace zorn {

// Plays the change sound unless one was started during the last second.
// Play: a request.
class TClassMultiElement_IndicatorSound : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorSound(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Play = 0 };

  TZEEditMulti* boundary;
  TZESwitch* playing;
  TZEPlaySound* sound;
  TZETimer* gate;
  TZEHub* start;

 protected:
  TClassMultiElement_IndicatorSound(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                    const char* resource, const char* file);
};

}  // namespace zorn
