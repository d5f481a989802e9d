#include "link/tcp_link.h"

namespace zorn {

TClassMultiElement_TcpLineSplitter::TClassMultiElement_TcpLineSplitter(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  // Every byte, CR included, goes into the line; only LF ends it.
  lineBuffer = Make<TZELineAssembler>();

  Bind(boundary, host);

  // The assembler takes the text, the first value of the received chain,
  // and leaves the client's address alone.
  Connect(boundary->InnerEvents[Received], lineBuffer, &TZELineAssembler::Add);
  Connect(lineBuffer->OnLine, boundary, &TZEEditMulti::Action, OnLine);
}

TClassMultiElement_TcpLink::TClassMultiElement_TcpLink(TZEMultiElement* host,
                                                       TElement* parentControl,
                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  portNumber = Make<TZEGlobalVar>([](auto& g) { g.SetName("tcp_port"); });
  server = Make<TZETCP_Server>([](auto& s) {
    s.Port = 0;
    s.DataType = tdString;
  });
  txTimer = Make<TZETimer>(OneShot(200));
  rxTimer = Make<TZETimer>(OneShot(200));
  settleTimer = Make<TZETimer>(OneShot(1000));
  connectMessage = Make<TZEStrCat>([](auto& c) { c.Str1 = "Подключение: "; });
  scanText = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, "scan\n"); });
  status = Make<TZEBitsToInt>([](auto& b) { b.SetCount(4); });
  splitter = Make<TZEMultiElement>([&](auto& h) {
    h.ParentControl = parentControl;
    h.CreateOnDemand = false;
    h.ParentScheme = this;
    h.SetEventCount(1);
  });
  connected = Make<TZEGlobalVar>([](auto& g) { g.SetName("CON_T"); });
  txOk = Make<TZEGlobalVar>([](auto& g) { g.SetName("tx ok"); });
  rxOk = Make<TZEGlobalVar>([](auto& g) { g.SetName("rx ok"); });
  error = Make<TZEGlobalVar>([](auto& g) { g.SetName("error"); });
  openOrClose = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  connectedOn = Make<TZEDoData>(IntValue(1));
  connectedOff = Make<TZEDoData>(IntValue(0));
  sendGate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  sendSteps = Make<TZEHub>(Outputs(4));
  txOn = Make<TZEDoData>(IntValue(1));
  txOff = Make<TZEDoData>(IntValue(0));
  clientSteps = Make<TZEHub>(Outputs(3));
  settled = Make<TZEDoData>(IntValue(1));
  readSteps = Make<TZEHub>(Outputs(4));
  rxOn = Make<TZEDoData>(IntValue(1));
  rxOff = Make<TZEDoData>(IntValue(0));
  bindAddress = Make<TZEGlobalVar>([](auto& g) { g.SetName("tcp_bind"); });
  allowList = Make<TZEGlobalVar>([](auto& g) { g.SetName("tcp_allow"); });
  refusalGate = Make<TZEOncePerKey>([](auto& o) { o.IntervalMs = 60000; });
  refusalMessage = Make<TZEStrCat>([](auto& c) { c.Str1 = "Отклонено подключение: "; });
  addressMessage = Make<TZEStrCat>(
      [](auto& c) { c.Str1 = "Сервер не запущен: адрес tcp_bind не подходит: "; });

  Bind(boundary, host);

  // Listen or stop; "CON_T" follows what the server reports.
  Connect(boundary->InnerEvents[Listen], openOrClose, &TZEIndexToChanel::Route);
  Connect(openOrClose->Channels[0], server, &TZETCP_Server::Close, 1);
  Connect(openOrClose->Channels[1], server, &TZETCP_Server::Open, 0);
  Connect(server->PortInput, portNumber, &TZEGlobalVar::Value);
  Connect(server->AddressInput, bindAddress, &TZEGlobalVar::Value);
  Connect(server->AllowInput, allowList, &TZEGlobalVar::Value);
  Connect(server->OnStart, connectedOn, &TZEDoData::Emit);
  Connect(server->OnStop, connectedOff, &TZEDoData::Emit);
  Connect(connectedOn->OnEmit, connected, &TZEGlobalVar::Write);
  Connect(connectedOff->OnEmit, connected, &TZEGlobalVar::Write);

  // Sending to every client while listening; sends are not verified.
  Connect(boundary->InnerEvents[Send], sendGate, &TZEIf_else::Compare);
  Connect(sendGate->Op1Input, connected, &TZEGlobalVar::Value);
  Connect(sendGate->OnTrue, sendSteps, &TZEHub::Distribute);
  Connect(sendSteps->Outputs[0], server, &TZETCP_Server::Send, 2);
  Connect(sendSteps->Outputs[1], txOn, &TZEDoData::Emit);
  Connect(sendSteps->Outputs[2], txTimer, &TZETimer::Stop, 1);
  Connect(sendSteps->Outputs[3], txTimer, &TZETimer::Start);
  Connect(txOn->OnEmit, txOk, &TZEGlobalVar::Write);
  Connect(txTimer->OnTimer, txOff, &TZEDoData::Emit);
  Connect(txOff->OnEmit, txOk, &TZEGlobalVar::Write);

  // A client came: the operator's message, the scan request, the settle event.
  Connect(server->OnConnect, clientSteps, &TZEHub::Distribute);
  Connect(clientSteps->Outputs[0], connectMessage, &TZEStrCat::Concat);
  Connect(clientSteps->Outputs[1], scanText, &TZEDoData::Emit);
  Connect(clientSteps->Outputs[2], settleTimer, &TZETimer::Start);
  Connect(connectMessage->OnResult, boundary, &TZEEditMulti::Action, OnMessage);
  Connect(scanText->OnEmit, sendGate, &TZEIf_else::Compare);
  Connect(settleTimer->OnTimer, settled, &TZEDoData::Emit);
  Connect(settled->OnEmit, boundary, &TZEEditMulti::Action, OnClient);

  // A refused client is only a message, at most once a minute per address;
  // so is an address to listen on that does not do.
  Connect(server->OnRefuse, refusalGate, &TZEOncePerKey::Pass);
  Connect(refusalGate->OnPass, refusalMessage, &TZEStrCat::Concat);
  Connect(refusalMessage->OnResult, boundary, &TZEEditMulti::Action, OnMessage);
  Connect(server->OnAddressError, addressMessage, &TZEStrCat::Concat);
  Connect(addressMessage->OnResult, boundary, &TZEEditMulti::Action, OnMessage);

  // Received chunks: the shared line buffer, then "rx ok".
  Connect(server->OnRead, readSteps, &TZEHub::Distribute);
  Connect(readSteps->Outputs[0], splitter, &TZEMultiElement::Action,
          TClassMultiElement_TcpLineSplitter::Received);
  Connect(readSteps->Outputs[1], rxOn, &TZEDoData::Emit);
  Connect(readSteps->Outputs[2], rxTimer, &TZETimer::Stop, 1);
  Connect(readSteps->Outputs[3], rxTimer, &TZETimer::Start);
  Connect(rxOn->OnEmit, rxOk, &TZEGlobalVar::Write);
  Connect(rxTimer->OnTimer, rxOff, &TZEDoData::Emit);
  Connect(rxOff->OnEmit, rxOk, &TZEGlobalVar::Write);
  Connect(splitter->Events[TClassMultiElement_TcpLineSplitter::OnLine], boundary,
          &TZEEditMulti::Action, OnLine);

  // The connected bit is "CON_T": set while listening, clients or not.
  Connect(status->Bits[0], connected, &TZEGlobalVar::Value);
  Connect(status->Bits[1], txOk, &TZEGlobalVar::Value);
  Connect(status->Bits[2], rxOk, &TZEGlobalVar::Value);
  Connect(status->Bits[3], error, &TZEGlobalVar::Value);
  Connect(connected->OnWrite, status, &TZEBitsToInt::Join);
  Connect(txOk->OnWrite, status, &TZEBitsToInt::Join);
  Connect(rxOk->OnWrite, status, &TZEBitsToInt::Join);
  Connect(status->OnResult, boundary, &TZEEditMulti::Action, OnStatus);

  splitter->SetFactory(&SchemeFactory<TClassMultiElement_TcpLineSplitter>);
}

}  // namespace zorn
