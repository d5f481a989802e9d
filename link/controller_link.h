// The controller link: all traffic with the controller. Host action 0: 1
// connects, 0 disconnects the link that "type_connect" names (1 serial, 2
// TCP) and starts or stops polling; action 1: a command text, sent framed as
// CR, text, LF; action 2: a reset pulse on the serial link's DTR; action 3:
// raw text, sent unchanged. Host event 0: an accepted reply line; event 1:
// the status code; event 2: serial link lost (the failure count); event 3: a
// message for the operator; event 4: Int 1 one second after a TCP client came.
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
