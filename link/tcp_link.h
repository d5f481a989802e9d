// The TCP link scheme and its line splitter. TcpLink: Listen with 1 listens
// on "tcp_port" at "tcp_bind" and takes the clients "tcp_allow" admits, 0
// stops; Send: text sent to every client while "CON_T" is 1. OnLine: a
// received line (a CR stays in it); OnMessage: "Подключение: " and the
// address of a client that came, "Отклонено подключение: " and the address
// of a client refused (once a minute per address), or the news that
// "tcp_bind" cannot be listened on; OnClient: Int 1 one second after a
// client came.
#pragma once

#include "elements/bits.h"
#include "elements/str_join.h"
#include "link/line_assembler.h"
#include "link/once_per_key.h"
#include "link/tcp_server.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

// Received takes a chunk (followed by the client's address); OnLine gives
// each line completed, without its LF. The buffer is shared by every client
// and lives across chunks.
class TClassMultiElement_TcpLineSplitter : public TClassMultiBase {
 public:
  TClassMultiElement_TcpLineSplitter(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Received = 0 };
  enum Event : uint16_t { OnLine = 0 };

  TZEEditMulti* boundary;
  TZELineAssembler* lineBuffer;
};

class TClassMultiElement_TcpLink : public TClassMultiBase {
 public:
  TClassMultiElement_TcpLink(TZEMultiElement* host, TElement* parentControl,
                             TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Listen = 0, Send = 1 };
  enum Event : uint16_t { OnLine = 0, OnStatus = 1, OnMessage = 2, OnClient = 3 };

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
  // Who may connect, and the operator's messages about it.
  TZEGlobalVar* bindAddress;
  TZEGlobalVar* allowList;
  TZEOncePerKey* refusalGate;
  TZEStrCat* refusalMessage;
  TZEStrCat* addressMessage;
};

}  // namespace zorn
