// The event editor's action parameter: the file dialogs and the volume bar.
// Host action 0, the operator's choice of an action: 1 runs the sound file
// dialog and plays the chosen file once, 2 runs the general file dialog,
// both giving the chosen path as the parameter (a cancel keeps it); 3 shows
// the volume bar at 10 and gives "10"; every other action gives the empty
// parameter, since it takes none. Host action 1, the action of a record just
// opened: hides the bar, then shows it again (at host data input 0, the
// stored parameter) for 3. Host events: 0 the parameter text, 1 the bar's
// visibility, 2 the bar's position.
#pragma once

#include "link/play_sound.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"
#include "ui/elements/win_tools.h"

namespace zorn {

class TClassMultiElement_EventFileChoice : public TClassMultiBase {
 public:
  TClassMultiElement_EventFileChoice(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEODialog* soundDialog;
  ui::TZEODialog* fileDialog;
  TZEPlaySound* player;
  TZEIndexToChanel* chosen;
  TZEHub* noParameter;
  TZEHub* sound;
  TZEHub* file;
  TZEHub* volume;
  TZEHub* soundChosen;
  TZEDoData* emptyText;
  TZEDoData* hideBar;
  TZEDoData* showBar;
  TZEDoData* startPosition;
  TZEDoData* startText;
  TZEHub* openedSteps;
  TZEIndexToChanel* opened;
  TZEHub* openedVolume;
  TZEDoData* storedPosition;
};

}  // namespace zorn
