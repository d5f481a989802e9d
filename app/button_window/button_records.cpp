#include "app/button_window/button_records.h"

#include "app/button_window/button_record_add.h"
#include "app/button_window/button_record_file.h"
#include "app/button_window/button_row_text.h"
#include "app/record_reading.h"

namespace zorn {
namespace {

using RowText = TClassMultiElement_ButtonRowText;
using RecordAdd = TClassMultiElement_ButtonRecordAdd;

}  // namespace

TClassMultiElement_ButtonRecords::TClassMultiElement_ButtonRecords(TZEMultiElement* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(5, 1); });
  records = Make<TZEStrList>();
  section = Make<TZEini>(ButtonRecordFile);
  reloadSteps = Make<TZEHub>(Outputs(4));
  recordMask = Make<TZEStrMask>(RecordMask(kUnitRecordMask));
  keySeparator = Make<TZEReplace>(KeyAsField);
  lineSteps = Make<TZEHub>(Outputs(3));
  position = Make<TZEMath>(CountLessOne);
  editRecord = Make<TZEArrayRW>();
  editKey = Make<TZEMultiStrPart>(Parts(1));
  editText = Make<TZEFormatStr>(Format("1;%1", 1));
  newKeyText = Make<TZEFormatStr>(Format("1;%1", 1));
  deleteRecord = Make<TZEArrayRW>();
  deleteKey = Make<TZEMultiStrPart>(Parts(1));
  deleteSteps = Make<TZEHub>(Outputs(2));
  deleteFile = Make<TZEini>(ButtonRecordFile);
  reloadRequest = Make<TZEDoData>();
  rowText = Make<TZEMultiElement>(HostPoints(1, 1));
  recordAdd = Make<TZEMultiElement>(HostPoints(2, 1));

  Bind(boundary, host);

  Connect(boundary->InnerDataInputs[Records], records, &TZEStrList::Array);

  // Reload: forget the records and panels, read the section, then place.
  Connect(boundary->InnerEvents[Reload], reloadSteps, &TZEHub::Distribute);
  Connect(reloadSteps->Outputs[0], records, &TZEStrList::Clear);
  Connect(reloadSteps->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(reloadSteps->Outputs[2], section, &TZEini::ReadSection);
  Connect(reloadSteps->Outputs[3], boundary, &TZEEditMulti::Action, OnArrange);
  ConnectRecordReading(section, recordMask, keySeparator, lineSteps, records, position);
  Connect(lineSteps->Outputs[2], rowText, &TZEMultiElement::Action, RowText::Record);
  Connect(rowText->DataInputs[RowText::Position], position, &TZEMath::Result);
  Connect(rowText->Events[RowText::OnRow], boundary, &TZEEditMulti::Action, OnRow);

  // Edit: the chosen record's key goes to the editor.
  Connect(boundary->InnerEvents[Edit], editRecord, &TZEArrayRW::Read);
  ConnectChosenKey(editRecord, editKey, records, boundary, Chosen);
  Connect(editKey->OnSplit, editText, &TZEFormatStr::Format);
  Connect(editText->Args[0], editKey, &TZEMultiStrPart::Part, 0);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);

  // Add: a free key goes to the editor, which writes the record.
  Connect(boundary->InnerEvents[Add], recordAdd, &TZEMultiElement::Action, RecordAdd::FreeKey);
  Connect(boundary->InnerEvents[AddBlock], recordAdd, &TZEMultiElement::Action,
          RecordAdd::AddBlock);
  Connect(recordAdd->DataInputs[RecordAdd::Records], records, &TZEStrList::Array);
  Connect(recordAdd->Events[RecordAdd::OnFreeKey], newKeyText, &TZEFormatStr::Format);
  Connect(recordAdd->Events[RecordAdd::OnAdded], newKeyText, &TZEFormatStr::Format);
  Connect(newKeyText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);

  // Delete: remove the chosen record's key, then reload everything.
  Connect(boundary->InnerEvents[Delete], deleteRecord, &TZEArrayRW::Read);
  ConnectChosenKey(deleteRecord, deleteKey, records, boundary, Chosen);
  Connect(deleteKey->OnSplit, deleteSteps, &TZEHub::Distribute);
  Connect(deleteSteps->Outputs[0], deleteFile, &TZEini::DeleteKey);
  Connect(deleteFile->KeyInput, deleteKey, &TZEMultiStrPart::Part, 0);
  Connect(deleteSteps->Outputs[1], reloadRequest, &TZEDoData::Emit);
  Connect(reloadRequest->OnEmit, boundary, &TZEEditMulti::Action, OnReload);

  for (TZEMultiElement* inner : {rowText, recordAdd}) {
    inner->ParentControl = parentControl;
    inner->ParentScheme = this;
  }
  rowText->SetFactory(&SchemeFactory<TClassMultiElement_ButtonRowText>);
  recordAdd->SetFactory(&SchemeFactory<TClassMultiElement_ButtonRecordAdd>);
}

}  // namespace zorn
