#include "app/button_window/button_record_add.h"

#include "app/button_window/button_record_file.h"

namespace zorn {

TClassMultiElement_ButtonRecordAdd::TClassMultiElement_ButtonRecordAdd(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  menuKey = Make<TZEFreeKey>();
  blockFields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(2);
  });
  listKey = Make<TZEFreeKey>();
  writeSteps = Make<TZEHub>(Outputs(3));
  newKey = Make<TZEMemory>();
  newRecord = Make<TZEFormatStr>(Format("%1;%2;1;0;%2;70;0", 2));
  recordFile = Make<TZEini>(ButtonRecordFile);
  editDelay = Make<TZETimer>(OneShot(10));
  writtenKey = Make<TZEDoData>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[FreeKey], menuKey, &TZEFreeKey::Find);
  Connect(menuKey->Array, boundary, &TZEEditMulti::DataOutput, Records);
  Connect(menuKey->OnKey, boundary, &TZEEditMulti::Action, OnFreeKey);

  // Only a text with both numbers makes a record.
  Connect(boundary->InnerEvents[AddBlock], blockFields, &TZEMultiStrPart::Split);
  Connect(blockFields->OnSplit, listKey, &TZEFreeKey::Find);
  Connect(listKey->Array, boundary, &TZEEditMulti::DataOutput, Records);
  Connect(listKey->OnKey, writeSteps, &TZEHub::Distribute);
  Connect(writeSteps->Outputs[0], newKey, &TZEMemory::Write);
  Connect(writeSteps->Outputs[1], newRecord, &TZEFormatStr::Format);
  Connect(writeSteps->Outputs[2], editDelay, &TZETimer::Start);
  Connect(newRecord->Args[0], blockFields, &TZEMultiStrPart::Part, 0);
  Connect(newRecord->Args[1], blockFields, &TZEMultiStrPart::Part, 1);
  Connect(newRecord->OnResult, recordFile, &TZEini::Write);
  Connect(recordFile->KeyInput, newKey, &TZEMemory::Value);
  Connect(editDelay->OnTimer, writtenKey, &TZEDoData::Emit);
  Connect(writtenKey->DataInput, newKey, &TZEMemory::Value);
  Connect(writtenKey->OnEmit, boundary, &TZEEditMulti::Action, OnAdded);
}

}  // namespace zorn
