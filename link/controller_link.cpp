#include "link/controller_link.h"


namespace zorn {

TClassMultiElement_Link::TClassMultiElement_Link(TZEMultiElement* host, TElement* parentControl,
                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  auto inner = [&](uint8_t events) {
    return [this, parentControl, events](TZEMultiElement& h) {
      h.ParentControl = parentControl;
      h.CreateOnDemand = false;
      h.ParentScheme = this;
      h.SetEventCount(events);
    };
  };
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(4, 0); });
  comLink = Make<TZEMultiElement>(inner(3));
  tcpLink = Make<TZEMultiElement>(inner(4));
  pollTimer = Make<TZEMultiElement>(inner(1));
  replyCheck = Make<TZEMultiElement>(inner(2));
  linkType = Make<TZEGlobalVar>([](auto& g) { g.SetName("type_connect"); });
  connectSteps = Make<TZEHub>(Outputs(2));
  // Channel 0 and any number beyond 2 reach no link.
  linkSelect = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(3); });
  framing = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "\r%1\n";
    f.SetCount(1);
  });
  framedSteps = Make<TZEHub>([](auto& h) {
    h.InCount = 2;
    h.SetOutCount(2);
  });
  rawSteps = Make<TZEHub>(Outputs(2));

  Bind(boundary, host);

  // Connect request: the link chosen by "type_connect", then polling.
  Connect(boundary->InnerEvents[0], connectSteps, &TZEHub::Distribute);
  Connect(connectSteps->Outputs[0], linkSelect, &TZEIndexToChanel::Route);
  Connect(connectSteps->Outputs[1], pollTimer, &TZEMultiElement::Action, 0);
  Connect(linkSelect->Index, linkType, &TZEGlobalVar::Value);
  Connect(linkSelect->Channels[1], comLink, &TZEMultiElement::Action, 0);
  Connect(linkSelect->Channels[2], tcpLink, &TZEMultiElement::Action, 0);

  // Commands and polls are framed and offered to both links; only the
  // connected one sends. Raw text goes the same way unframed.
  Connect(boundary->InnerEvents[1], framing, &TZEFormatStr::Format);
  Connect(pollTimer->Events[0], framing, &TZEFormatStr::Format);
  Connect(framing->OnResult, framedSteps, &TZEHub::Distribute);
  Connect(framedSteps->Outputs[0], tcpLink, &TZEMultiElement::Action, 1);
  Connect(framedSteps->Outputs[1], comLink, &TZEMultiElement::Action, 1);
  Connect(boundary->InnerEvents[2], comLink, &TZEMultiElement::Action, 2);
  Connect(boundary->InnerEvents[3], rawSteps, &TZEHub::Distribute);
  Connect(rawSteps->Outputs[0], tcpLink, &TZEMultiElement::Action, 1);
  Connect(rawSteps->Outputs[1], comLink, &TZEMultiElement::Action, 1);

  // Lines of both links pass the reply check.
  Connect(comLink->Events[0], replyCheck, &TZEMultiElement::Action, 0);
  Connect(tcpLink->Events[0], replyCheck, &TZEMultiElement::Action, 0);
  Connect(replyCheck->Events[0], boundary, &TZEEditMulti::Action, 0);
  Connect(replyCheck->Events[1], boundary, &TZEEditMulti::Action, 3);
  Connect(comLink->Events[1], boundary, &TZEEditMulti::Action, 1);
  Connect(tcpLink->Events[1], boundary, &TZEEditMulti::Action, 1);
  Connect(comLink->Events[2], boundary, &TZEEditMulti::Action, 2);
  Connect(tcpLink->Events[2], boundary, &TZEEditMulti::Action, 3);
  Connect(tcpLink->Events[3], boundary, &TZEEditMulti::Action, 4);

  comLink->SetFactory(&SchemeFactory<TClassMultiElement_ComLink>);
  tcpLink->SetFactory(&SchemeFactory<TClassMultiElement_TcpLink>);
  pollTimer->SetFactory(&SchemeFactory<TClassMultiElement_PollTimer>);
  replyCheck->SetFactory(&SchemeFactory<TClassMultiElement_ReplyCheck>);
}

}  // namespace zorn
