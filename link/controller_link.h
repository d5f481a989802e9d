// The controller link: all traffic with the controller. Its host points are
// listed in the class; OnLine is an accepted reply line, OnMessage a text for
// the operator.
#pragma once

#include "elements/format_str.h"
#include "link/com_link.h"
#include "link/poll_timer.h"
#include "link/reply_check.h"
#include "link/tcp_link.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_Link : public TClassMultiBase {
 public:
  TClassMultiElement_Link(TZEMultiElement* host, TElement* parentControl,
                          TClassMultiBase* parentScheme);

  // Host points.
  // Connection: 1 connects, 0 disconnects the link "type_connect" names (1
  // serial, 2 TCP) and starts or stops polling. Send: a command text, framed
  // as CR, text, LF. Reset: a pulse on the serial link's DTR. RawText: sent
  // unchanged. OnLost: the serial link's failure count. OnClient: Int 1 one
  // second after a TCP client came.
  enum Action : uint16_t { Connection = 0, Send = 1, Reset = 2, RawText = 3 };
  enum Event : uint16_t { OnLine = 0, OnStatus = 1, OnLost = 2, OnMessage = 3, OnClient = 4 };

  TZEEditMulti* boundary;
  TZEMultiElement* comLink;
  TZEMultiElement* tcpLink;
  TZEMultiElement* pollTimer;
  TZEMultiElement* replyCheck;
  TZEGlobalVar* linkType;
  TZEHub* connectSteps;
  TZEIndexToChanel* linkSelect;
  TZEFormatStr* framing;
  TZEHub* framedSteps;
  TZEHub* rawSteps;
};

}  // namespace zorn
