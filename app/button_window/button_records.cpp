#include "app/button_window/button_records.h"


namespace zorn {

namespace {

constexpr const char* kFile = "user_settings.ini";
constexpr const char* kSection = "buttonForm";

// Record line fields after the "=" became ";".
enum : uint16_t { kKey = 0, kType = 1, kBlock = 2, kValue = 3, kKind = 4, kCaption = 5, kWidth = 6 };

// Every digit has an entry, so that each record that matches the pattern
// gets its row text and its panel, and the positions of records and panels
// stay equal; digits without a name give an empty text.
constexpr const char* kTypeNames = "\r\n\r\n\r\n\r\n\r\nbool\r\nint\r\nstr\r\n\r\n\r\n";
constexpr const char* kKindNames =
    "Кнопка импульсная\r\nПереключятель\r\nКнопка с зажатием\r\nУстановка значения\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n";

void RecordFile(TZEini& ini) {
  ini.FileName = kFile;
  ini.Section = kSection;
  ini.StringType = true;
}

}  // namespace

TClassMultiElement_ButtonRowText::TClassMultiElement_ButtonRowText(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(4));
  fields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(8);
  });
  typeNames = Make<TZEStrList>([](auto& l) { l.SetStrings(kTypeNames); });
  typeName = Make<TZEArrayRW>();
  kindNames = Make<TZEStrList>([](auto& l) { l.SetStrings(kKindNames); });
  kindName = Make<TZEArrayRW>();
  rowText = Make<TZEFormatStr>(
      Format("%1;%2;%3;%4;%5;%8;Блок: №%5 (%6), %7, Значение на выходе: \"%8\"", 8));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[0], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], fields, &TZEMultiStrPart::Split);
  Connect(steps->Outputs[1], typeName, &TZEArrayRW::Read);
  Connect(typeName->Array, typeNames, &TZEStrList::Array);
  Connect(typeName->IndexInput, fields, &TZEMultiStrPart::Part, kType);
  Connect(steps->Outputs[2], kindName, &TZEArrayRW::Read);
  Connect(kindName->Array, kindNames, &TZEStrList::Array);
  Connect(kindName->IndexInput, fields, &TZEMultiStrPart::Part, kKind);
  Connect(steps->Outputs[3], rowText, &TZEFormatStr::Format);
  Connect(rowText->Args[0], boundary, &TZEEditMulti::DataOutput, 0);
  Connect(rowText->Args[1], fields, &TZEMultiStrPart::Part, kCaption);
  Connect(rowText->Args[2], fields, &TZEMultiStrPart::Part, kWidth);
  Connect(rowText->Args[3], fields, &TZEMultiStrPart::Part, kKind);
  Connect(rowText->Args[4], fields, &TZEMultiStrPart::Part, kBlock);
  Connect(rowText->Args[5], typeName, &TZEArrayRW::Item);
  Connect(rowText->Args[6], kindName, &TZEArrayRW::Item);
  Connect(rowText->Args[7], fields, &TZEMultiStrPart::Part, kValue);
  Connect(rowText->OnResult, boundary, &TZEEditMulti::Action, 0);
}

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
  recordFile = Make<TZEini>(RecordFile);
  editDelay = Make<TZETimer>(OneShot(10));
  writtenKey = Make<TZEDoData>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[0], menuKey, &TZEFreeKey::Find);
  Connect(menuKey->Array, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(menuKey->OnKey, boundary, &TZEEditMulti::Action, 0);

  // Only a text with both numbers makes a record.
  Connect(boundary->InnerEvents[1], blockFields, &TZEMultiStrPart::Split);
  Connect(blockFields->OnSplit, listKey, &TZEFreeKey::Find);
  Connect(listKey->Array, boundary, &TZEEditMulti::DataOutput, 0);
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
  Connect(writtenKey->OnEmit, boundary, &TZEEditMulti::Action, 1);
}

TClassMultiElement_ButtonRecords::TClassMultiElement_ButtonRecords(TZEMultiElement* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(5, 1); });
  records = Make<TZEStrList>();
  section = Make<TZEini>(RecordFile);
  reloadSteps = Make<TZEHub>(Outputs(4));
  recordMask = Make<TZEStrMask>([](auto& m) {
    m.Mask = "unit*=#;*;*;#;*;*;#";
    m.IgnoreCase = true;
  });
  keySeparator = Make<TZEReplace>([](auto& r) {
    r.SubStr = "=";
    r.NewStr = ";";
  });
  lineSteps = Make<TZEHub>(Outputs(3));
  position = Make<TZEMath>([](auto& m) {
    m.Operation = moSubtract;
    m.Op2 = 1;
  });
  editRecord = Make<TZEArrayRW>();
  editKey = Make<TZEMultiStrPart>(Parts(1));
  editText = Make<TZEFormatStr>(Format("1;%1", 1));
  newKeyText = Make<TZEFormatStr>(Format("1;%1", 1));
  deleteRecord = Make<TZEArrayRW>();
  deleteKey = Make<TZEMultiStrPart>(Parts(1));
  deleteSteps = Make<TZEHub>(Outputs(2));
  deleteFile = Make<TZEini>(RecordFile);
  reloadRequest = Make<TZEDoData>();
  rowText = Make<TZEMultiElement>(HostPoints(1, 1));
  recordAdd = Make<TZEMultiElement>(HostPoints(2, 1));

  Bind(boundary, host);

  Connect(boundary->InnerDataInputs[0], records, &TZEStrList::Array);

  // Reload: forget the records and panels, read the section, then place.
  Connect(boundary->InnerEvents[0], reloadSteps, &TZEHub::Distribute);
  Connect(reloadSteps->Outputs[0], records, &TZEStrList::Clear);
  Connect(reloadSteps->Outputs[1], boundary, &TZEEditMulti::Action, 0);
  Connect(reloadSteps->Outputs[2], section, &TZEini::ReadSection);
  Connect(reloadSteps->Outputs[3], boundary, &TZEEditMulti::Action, 2);
  Connect(section->OnLine, recordMask, &TZEStrMask::Check);
  Connect(recordMask->OnMatch, keySeparator, &TZEReplace::Replace);
  Connect(keySeparator->OnResult, lineSteps, &TZEHub::Distribute);
  Connect(lineSteps->Outputs[0], records, &TZEStrList::Add);
  Connect(lineSteps->Outputs[1], position, &TZEMath::Calc);
  Connect(position->Op1Input, records, &TZEStrList::Count);
  Connect(lineSteps->Outputs[2], rowText, &TZEMultiElement::Action, 0);
  Connect(rowText->DataInputs[0], position, &TZEMath::Result);
  Connect(rowText->Events[0], boundary, &TZEEditMulti::Action, 1);

  // Edit: the chosen record's key goes to the editor.
  Connect(boundary->InnerEvents[1], editRecord, &TZEArrayRW::Read);
  Connect(editRecord->Array, records, &TZEStrList::Array);
  Connect(editRecord->IndexInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(editRecord->OnRead, editKey, &TZEMultiStrPart::Split);
  Connect(editKey->OnSplit, editText, &TZEFormatStr::Format);
  Connect(editText->Args[0], editKey, &TZEMultiStrPart::Part, 0);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, 3);

  // Add: a free key goes to the editor, which writes the record.
  Connect(boundary->InnerEvents[2], recordAdd, &TZEMultiElement::Action, 0);
  Connect(boundary->InnerEvents[4], recordAdd, &TZEMultiElement::Action, 1);
  Connect(recordAdd->DataInputs[0], records, &TZEStrList::Array);
  Connect(recordAdd->Events[0], newKeyText, &TZEFormatStr::Format);
  Connect(recordAdd->Events[1], newKeyText, &TZEFormatStr::Format);
  Connect(newKeyText->OnResult, boundary, &TZEEditMulti::Action, 3);

  // Delete: remove the chosen record's key, then reload everything.
  Connect(boundary->InnerEvents[3], deleteRecord, &TZEArrayRW::Read);
  Connect(deleteRecord->Array, records, &TZEStrList::Array);
  Connect(deleteRecord->IndexInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(deleteRecord->OnRead, deleteKey, &TZEMultiStrPart::Split);
  Connect(deleteKey->OnSplit, deleteSteps, &TZEHub::Distribute);
  Connect(deleteSteps->Outputs[0], deleteFile, &TZEini::DeleteKey);
  Connect(deleteFile->KeyInput, deleteKey, &TZEMultiStrPart::Part, 0);
  Connect(deleteSteps->Outputs[1], reloadRequest, &TZEDoData::Emit);
  Connect(reloadRequest->OnEmit, boundary, &TZEEditMulti::Action, 4);

  for (TZEMultiElement* inner : {rowText, recordAdd}) {
    inner->ParentControl = parentControl;
    inner->ParentScheme = this;
  }
  rowText->SetFactory(&SchemeFactory<TClassMultiElement_ButtonRowText>);
  recordAdd->SetFactory(&SchemeFactory<TClassMultiElement_ButtonRecordAdd>);
}

}  // namespace zorn
