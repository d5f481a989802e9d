#include "link/com_link.h"

namespace zorn {

TClassMultiElement_ComLink::TClassMultiElement_ComLink(TZEMultiElement* host, TElement*,
                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(3, 0); });
  portNumber = Make<TZEGlobalVar>([](auto& g) { g.SetName("com_port"); });
  portSpeed = Make<TZEGlobalVar>([](auto& g) {
    g.SetName("com_port_speed");
    TData speed;
    MakeInt(speed, 9600);
    g.SetDefault(speed);
  });
  port = Make<TZECOM>([](auto& p) {
    p.Port = 2;
    p.BaudRate = 9600;
    p.Parity = 0;
    p.Timeout = 10;
  });
  readTimer = Make<TZETimer>([](auto& t) {
    t.SetInterval(500);
    t.SetEnabled(false);
    t.SetAutoStop(0);
  });
  scanTimer = Make<TZETimer>(OneShot(2000));
  txTimer = Make<TZETimer>(OneShot(500));
  rxTimer = Make<TZETimer>(OneShot(500));
  lineBuffer = Make<TZELineAssembler>([](auto& a) { a.Dropped = "\r"; });
  readOne = Make<TZEDoData>(IntValue(1));
  emptyRead = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeStr(g.Op2, "");
  });
  lastCount = Make<TZEMemory>();
  noCount = Make<TZEDoData>(IntValue(-1));
  converter = Make<TZEStreamConvertor>();
  sentText = Make<TZEMemoryStream>();
  writeCheck = Make<TZEIf_else>([](auto& g) { g.Type = cmEqual; });
  failures = Make<TZECounterEx>([](auto& c) {
    c.Min = 0;
    c.Max = 100;
    c.Step = 1;
    c.SetValue(0);
  });
  lostCheck = Make<TZEIf_else>([](auto& g) {
    g.Type = cmGreaterOrEqual;
    MakeInt(g.Op2, 2);
  });
  alarm = Make<TZEPlaySound>([](auto& s) {
    s.Mode = pmAsync;
    s.ResourceName = "WAVE0";
  });
  status = Make<TZEBitsToInt>([](auto& b) { b.SetCount(4); });
  connected = Make<TZEGlobalVar>([](auto& g) { g.SetName("CON_C"); });
  txOk = Make<TZEGlobalVar>([](auto& g) { g.SetName("tx ok"); });
  rxOk = Make<TZEGlobalVar>([](auto& g) { g.SetName("rx ok"); });
  error = Make<TZEGlobalVar>([](auto& g) { g.SetName("error"); });
  connectSteps = Make<TZEHub>(Outputs(4));
  openOrClose = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  connectedWritten = Make<TZEHub>(Outputs(2));
  readStartOrStop = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  scanStart = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  scanText = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, "scan\n"); });
  sendGate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  writeSteps = Make<TZEHub>([](auto& h) {
    h.InCount = 2;
    h.SetOutCount(3);
  });
  success = Make<TZEHub>(Outputs(5));
  errorOff = Make<TZEDoData>(IntValue(0));
  txOn = Make<TZEDoData>(IntValue(1));
  txOff = Make<TZEDoData>(IntValue(0));
  failure = Make<TZEHub>(Outputs(2));
  errorOn = Make<TZEDoData>(IntValue(1));
  lost = Make<TZEHub>(Outputs(2));
  lineSteps = Make<TZEHub>(Outputs(4));
  rxOn = Make<TZEDoData>(IntValue(1));
  rxOff = Make<TZEDoData>(IntValue(0));
  resetPulse = Make<TZEHub>(Outputs(2));
  dtrOn = Make<TZEDoData>(IntValue(1));
  dtrOff = Make<TZEDoData>(IntValue(0));

  Bind(boundary, host);

  // Connect request: open or close, "CON_C", the read timer, the scan timer.
  Connect(boundary->InnerEvents[Connection], connectSteps, &TZEHub::Distribute);
  Connect(connectSteps->Outputs[0], openOrClose, &TZEIndexToChanel::Route);
  Connect(connectSteps->Outputs[1], connected, &TZEGlobalVar::Write);
  Connect(connectSteps->Outputs[2], readStartOrStop, &TZEIndexToChanel::Route);
  Connect(connectSteps->Outputs[3], scanStart, &TZEIndexToChanel::Route);
  Connect(openOrClose->Channels[0], port, &TZECOM::Close, 1);
  Connect(openOrClose->Channels[1], port, &TZECOM::Open, 0);
  Connect(port->PortInput, portNumber, &TZEGlobalVar::Value);
  Connect(port->BaudRateInput, portSpeed, &TZEGlobalVar::Value);
  Connect(connected->OnWrite, connectedWritten, &TZEHub::Distribute);
  Connect(connectedWritten->Outputs[0], status, &TZEBitsToInt::Join);
  Connect(connectedWritten->Outputs[1], failures, &TZECounterEx::Reset, 1);
  Connect(readStartOrStop->Channels[0], readTimer, &TZETimer::Stop, 1);
  Connect(readStartOrStop->Channels[1], readTimer, &TZETimer::Start);
  // Channel 0 stays unwired: a disconnect leaves a pending scan request.
  Connect(scanStart->Channels[1], scanTimer, &TZETimer::Start);

  // The scan request enters the write procedure whatever "CON_C" holds;
  // other texts only while it is 1.
  Connect(scanTimer->OnTimer, scanText, &TZEDoData::Emit);
  Connect(scanText->OnEmit, writeSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[Send], sendGate, &TZEIf_else::Compare);
  Connect(sendGate->Op1Input, connected, &TZEGlobalVar::Value);
  Connect(sendGate->OnTrue, writeSteps, &TZEHub::Distribute, 1);

  // Write procedure: a write counts as done when the count written equals
  // the length of the text. The count is forgotten first: a closed port
  // writes nothing and reports no count, and a write that did not happen
  // must fail, not pass on the count of the last one.
  Connect(writeSteps->Outputs[0], noCount, &TZEDoData::Emit);
  Connect(noCount->OnEmit, lastCount, &TZEMemory::Write);
  Connect(writeSteps->Outputs[1], port, &TZECOM::Write, 3);
  Connect(writeSteps->Outputs[2], converter, &TZEStreamConvertor::Convert);
  Connect(port->OnWrite, lastCount, &TZEMemory::Write);
  Connect(converter->OnResult, sentText, &TZEMemoryStream::Load);
  Connect(sentText->OnLoad, writeCheck, &TZEIf_else::Compare);
  Connect(writeCheck->Op1Input, sentText, &TZEMemoryStream::Size);
  Connect(writeCheck->Op2Input, lastCount, &TZEMemory::Value);
  Connect(writeCheck->OnTrue, success, &TZEHub::Distribute);
  Connect(writeCheck->OnFalse, failure, &TZEHub::Distribute);
  Connect(success->Outputs[0], errorOff, &TZEDoData::Emit);
  Connect(success->Outputs[1], failures, &TZECounterEx::Reset, 1);
  Connect(success->Outputs[2], txOn, &TZEDoData::Emit);
  Connect(success->Outputs[3], txTimer, &TZETimer::Stop, 1);
  Connect(success->Outputs[4], txTimer, &TZETimer::Start);
  Connect(errorOff->OnEmit, error, &TZEGlobalVar::Write);
  Connect(txOn->OnEmit, txOk, &TZEGlobalVar::Write);
  Connect(txTimer->OnTimer, txOff, &TZEDoData::Emit);
  Connect(txOff->OnEmit, txOk, &TZEGlobalVar::Write);
  Connect(failure->Outputs[0], errorOn, &TZEDoData::Emit);
  Connect(failure->Outputs[1], failures, &TZECounterEx::Next);
  Connect(errorOn->OnEmit, error, &TZEGlobalVar::Write);
  Connect(failures->OnCount, lostCheck, &TZEIf_else::Compare);
  Connect(lostCheck->OnTrue, lost, &TZEHub::Distribute);
  Connect(lost->Outputs[0], boundary, &TZEEditMulti::Action, OnLost);
  Connect(lost->Outputs[1], alarm, &TZEPlaySound::Play);

  // Reading: one byte a call; each result goes to the line buffer, and a
  // result that was not empty asks for the next byte. Every element of the
  // loop forwards, so a burst of any length runs at constant stack depth.
  Connect(readTimer->OnTimer, readOne, &TZEDoData::Emit);
  Connect(readOne->OnEmit, port, &TZECOM::Read, 4);
  Connect(port->OnRead, lineBuffer, &TZELineAssembler::Add);
  Connect(lineBuffer->OnAdded, emptyRead, &TZEIf_else::Compare);
  Connect(emptyRead->OnFalse, readOne, &TZEDoData::Emit);
  Connect(lineBuffer->OnLine, lineSteps, &TZEHub::Distribute);
  Connect(lineSteps->Outputs[0], rxTimer, &TZETimer::Stop, 1);
  Connect(lineSteps->Outputs[1], rxTimer, &TZETimer::Start);
  Connect(lineSteps->Outputs[2], rxOn, &TZEDoData::Emit);
  Connect(lineSteps->Outputs[3], boundary, &TZEEditMulti::Action, OnLine);
  Connect(rxOn->OnEmit, rxOk, &TZEGlobalVar::Write);
  Connect(rxTimer->OnTimer, rxOff, &TZEDoData::Emit);
  Connect(rxOff->OnEmit, rxOk, &TZEGlobalVar::Write);

  // Reset pulse: DTR up, then at once down.
  Connect(boundary->InnerEvents[Reset], resetPulse, &TZEHub::Distribute);
  Connect(resetPulse->Outputs[0], dtrOn, &TZEDoData::Emit);
  Connect(resetPulse->Outputs[1], dtrOff, &TZEDoData::Emit);
  Connect(dtrOn->OnEmit, port, &TZECOM::SetDTR, 5);
  Connect(dtrOff->OnEmit, port, &TZECOM::SetDTR, 5);

  // Every flag this scheme writes recomputes the status code.
  Connect(status->Bits[0], connected, &TZEGlobalVar::Value);
  Connect(status->Bits[1], txOk, &TZEGlobalVar::Value);
  Connect(status->Bits[2], rxOk, &TZEGlobalVar::Value);
  Connect(status->Bits[3], error, &TZEGlobalVar::Value);
  Connect(txOk->OnWrite, status, &TZEBitsToInt::Join);
  Connect(rxOk->OnWrite, status, &TZEBitsToInt::Join);
  Connect(error->OnWrite, status, &TZEBitsToInt::Join);
  Connect(status->OnResult, boundary, &TZEEditMulti::Action, OnStatus);
}

}  // namespace zorn
