// The TCP link scheme and its line splitter. TcpLink host action 0: 1 listens
// on "tcp_port", 0 stops; action 1: text sent to every client while "CON_T"
// is 1. Host event 0: a received line (a CR stays in it); event 1: the status
// code; event 2: "Подключение: " and the address of a client that came;
// event 3: Int 1 one second after a client came.
#pragma once

#include "elements/bits.h"
#include "elements/str_join.h"
#include "link/line_assembler.h"
#include "link/tcp_server.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

// Host action 0 takes a received chunk (followed by the client's address);
// host event 0 gives each line completed, without its LF. The buffer is
// shared by every client and lives across chunks.
class TClassMultiElement_TcpLineSplitter : public TClassMultiBase {
 public:
  TClassMultiElement_TcpLineSplitter(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZELineAssembler* lineBuffer;
};

class TClassMultiElement_TcpLink : public TClassMultiBase {
 public:
  TClassMultiElement_TcpLink(TZEMultiElement* host, TElement* parentControl,
                             TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEGlobalVar* portNumber;
  TZETCP_Server* server;
  TZETimer* txTimer;
  TZETimer* rxTimer;
  TZETimer* settleTimer;
  TZEStrCat* connectMessage;
  TZEDoData* scanText;
  TZEBitsToInt* status;
  TZEMultiElement* splitter;
  TZEGlobalVar* connected;
  TZEGlobalVar* txOk;
  TZEGlobalVar* rxOk;
  TZEGlobalVar* error;
  TZEIndexToChanel* openOrClose;
  TZEDoData* connectedOn;
  TZEDoData* connectedOff;
  TZEIf_else* sendGate;
  TZEHub* sendSteps;
  TZEDoData* txOn;
  TZEDoData* txOff;
  TZEHub* clientSteps;
  TZEDoData* settled;
  TZEHub* readSteps;
  TZEDoData* rxOn;
  TZEDoData* rxOff;
};

}  // namespace zorn
