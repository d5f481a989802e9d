#include "app/button_window/button_records.h"

#include "app/button_window/button_record_add.h"
#include "app/button_window/button_record_file.h"
#include "app/button_window/button_row_text.h"

namespace zorn {

TClassMultiElement_ButtonRecords::TClassMultiElement_ButtonRecords(TZEMultiElement* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(5, 1); });
  records = Make<TZEStrList>();
  section = Make<TZEini>(ButtonRecordFile);
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
  deleteFile = Make<TZEini>(ButtonRecordFile);
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
