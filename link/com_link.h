// The serial link scheme. Connection: 1 opens the port named by "com_port"
// at "com_port_speed" and starts reading, 0 closes it. Send: text to send
// while "CON_C" is 1. Reset: a pulse on DTR. OnLine: a received line without
// CR and LF; OnLost: the failure count once two or more writes in a row have
// failed (link lost).
#pragma once

#include "elements/bits.h"
#include "elements/counter.h"
#include "link/com.h"
#include "link/line_assembler.h"
#include "link/play_sound.h"
#include "link/streams.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_ComLink : public TClassMultiBase {
 public:
  TClassMultiElement_ComLink(TZEMultiElement* host, TElement* parentControl,
                             TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Connection = 0, Send = 1, Reset = 2 };
  enum Event : uint16_t { OnLine = 0, OnStatus = 1, OnLost = 2 };

  TZEEditMulti* boundary;
  TZEGlobalVar* portNumber;
  TZEGlobalVar* portSpeed;
  TZECOM* port;
  TZETimer* readTimer;
  TZETimer* scanTimer;
  TZETimer* txTimer;
  TZETimer* rxTimer;
  TZELineAssembler* lineBuffer;
  TZEDoData* readOne;
  TZEIf_else* emptyRead;
  TZEMemory* lastCount;
  TZEDoData* noCount;
  TZEStreamConvertor* converter;
  TZEMemoryStream* sentText;
  TZEIf_else* writeCheck;
  TZECounterEx* failures;
  TZEIf_else* lostCheck;
  TZEPlaySound* alarm;
  TZEBitsToInt* status;
  TZEGlobalVar* connected;
  TZEGlobalVar* txOk;
  TZEGlobalVar* rxOk;
  TZEGlobalVar* error;
  TZEHub* connectSteps;
  TZEIndexToChanel* openOrClose;
  TZEHub* connectedWritten;
  TZEIndexToChanel* readStartOrStop;
  TZEIndexToChanel* scanStart;
  TZEDoData* scanText;
  TZEIf_else* sendGate;
  TZEHub* writeSteps;
  TZEHub* success;
  TZEDoData* errorOff;
  TZEDoData* txOn;
  TZEDoData* txOff;
  TZEHub* failure;
  TZEDoData* errorOn;
  TZEHub* lost;
  TZEHub* lineSteps;
  TZEDoData* rxOn;
  TZEDoData* rxOff;
  TZEHub* resetPulse;
  TZEDoData* dtrOn;
  TZEDoData* dtrOff;
};

}  // namespace zorn
