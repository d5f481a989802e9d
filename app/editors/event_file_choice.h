// The event editor's action parameter: the file dialogs and the volume bar.
// Choose, the operator's choice of an action: 1 runs the sound file dialog
// and plays the chosen file once, 2 runs the general file dialog, both
// giving the chosen path as the parameter (a cancel keeps it); 3 shows the
// volume bar at 10 and gives "10"; every other action gives the empty
// parameter, since it takes none. Opened, the action of a record just
// opened: hides the bar, then shows it again (at Stored, the stored
// parameter) for 3. OnParameter: the parameter text; OnBarVisible and
// OnBarPosition: the bar's visibility and position.
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

  // Host points.
  enum Action : uint16_t { Choose = 0, Opened = 1 };
  enum Event : uint16_t { OnParameter = 0, OnBarVisible = 1, OnBarPosition = 2 };
  enum DataInput : uint16_t { Stored = 0 };

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
