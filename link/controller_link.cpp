#include "link/controller_link.h"

namespace zorn {
namespace {

using ComLink = TClassMultiElement_ComLink;
using TcpLink = TClassMultiElement_TcpLink;
using PollTimer = TClassMultiElement_PollTimer;
using ReplyCheck = TClassMultiElement_ReplyCheck;

}  // namespace

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
  Connect(boundary->InnerEvents[Connection], connectSteps, &TZEHub::Distribute);
  Connect(connectSteps->Outputs[0], linkSelect, &TZEIndexToChanel::Route);
  Connect(connectSteps->Outputs[1], pollTimer, &TZEMultiElement::Action, PollTimer::Poll);
  Connect(linkSelect->Index, linkType, &TZEGlobalVar::Value);
  Connect(linkSelect->Channels[1], comLink, &TZEMultiElement::Action, ComLink::Connection);
  Connect(linkSelect->Channels[2], tcpLink, &TZEMultiElement::Action, TcpLink::Listen);

  // Commands and polls are framed and offered to both links; only the
  // connected one sends. Raw text goes the same way unframed.
  Connect(boundary->InnerEvents[Send], framing, &TZEFormatStr::Format);
  Connect(pollTimer->Events[PollTimer::OnPoll], framing, &TZEFormatStr::Format);
  Connect(framing->OnResult, framedSteps, &TZEHub::Distribute);
  Connect(framedSteps->Outputs[0], tcpLink, &TZEMultiElement::Action, TcpLink::Send);
  Connect(framedSteps->Outputs[1], comLink, &TZEMultiElement::Action, ComLink::Send);
  Connect(boundary->InnerEvents[Reset], comLink, &TZEMultiElement::Action, ComLink::Reset);
  Connect(boundary->InnerEvents[RawText], rawSteps, &TZEHub::Distribute);
  Connect(rawSteps->Outputs[0], tcpLink, &TZEMultiElement::Action, TcpLink::Send);
  Connect(rawSteps->Outputs[1], comLink, &TZEMultiElement::Action, ComLink::Send);

  // Lines of both links pass the reply check.
  Connect(comLink->Events[ComLink::OnLine], replyCheck, &TZEMultiElement::Action, ReplyCheck::Line);
  Connect(tcpLink->Events[TcpLink::OnLine], replyCheck, &TZEMultiElement::Action, ReplyCheck::Line);
  Connect(replyCheck->Events[ReplyCheck::OnLine], boundary, &TZEEditMulti::Action, OnLine);
  Connect(replyCheck->Events[ReplyCheck::OnMessage], boundary, &TZEEditMulti::Action, OnMessage);
  Connect(comLink->Events[ComLink::OnStatus], boundary, &TZEEditMulti::Action, OnStatus);
  Connect(tcpLink->Events[TcpLink::OnStatus], boundary, &TZEEditMulti::Action, OnStatus);
  Connect(comLink->Events[ComLink::OnLost], boundary, &TZEEditMulti::Action, OnLost);
  Connect(tcpLink->Events[TcpLink::OnMessage], boundary, &TZEEditMulti::Action, OnMessage);
  Connect(tcpLink->Events[TcpLink::OnClient], boundary, &TZEEditMulti::Action, OnClient);

  comLink->SetFactory(&SchemeFactory<TClassMultiElement_ComLink>);
  tcpLink->SetFactory(&SchemeFactory<TClassMultiElement_TcpLink>);
  pollTimer->SetFactory(&SchemeFactory<TClassMultiElement_PollTimer>);
  replyCheck->SetFactory(&SchemeFactory<TClassMultiElement_ReplyCheck>);
}

}  // namespace zorn
