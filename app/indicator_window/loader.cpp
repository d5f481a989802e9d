#include "app/indicator_window/indicator_parts.h"

namespace zorn {

namespace {

auto Names(const char* lines) {
  return [=](TZEStrList& l) { l.SetStrings(lines); };
}

auto UserSettings(const char* section) {
  return [=](TZEini& ini) {
    ini.FileName = "user_settings.ini";
    ini.Section = section;
  };
}

}  // namespace

TClassMultiElement_IndicatorText::TClassMultiElement_IndicatorText(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  fields = Make<TZEMultiStrPart>(Parts(8));
  steps = Make<TZEHub>(Outputs(2));
  typeNames = Make<TZEStrList>(Names("bool\r\nint\r\nstr"));
  typeName = Make<TZEArrayRW>();
  conditionNames = Make<TZEStrList>(Names("равно\r\nне равно\r\nбольше\r\nменьше "));
  conditionName = Make<TZEArrayRW>();
  signalNames = Make<TZEStrList>(Names("отключен\r\nвключен"));
  signalName = Make<TZEArrayRW>();
  line = Make<TZEFormatStr>(
      Format("%1;%2;%3;%4;Блок: №%5 (%6), Значение %7 \"%8\", Сигнал: %9", 9));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[0], fields, &TZEMultiStrPart::Split);
  Connect(fields->OnSplit, steps, &TZEHub::Distribute);
  // Each lookup starts the next only when it succeeds; a failed one keeps
  // the names of the record before.
  Connect(steps->Outputs[0], typeName, &TZEArrayRW::Read);
  Connect(typeName->Array, typeNames, &TZEStrList::Array);
  Connect(typeName->IndexInput, fields, &TZEMultiStrPart::Part, 1);
  Connect(typeName->OnRead, conditionName, &TZEArrayRW::Read);
  Connect(conditionName->Array, conditionNames, &TZEStrList::Array);
  Connect(conditionName->IndexInput, fields, &TZEMultiStrPart::Part, 4);
  Connect(conditionName->OnRead, signalName, &TZEArrayRW::Read);
  Connect(signalName->Array, signalNames, &TZEStrList::Array);
  Connect(signalName->IndexInput, fields, &TZEMultiStrPart::Part, 7);
  Connect(steps->Outputs[1], line, &TZEFormatStr::Format);
  Connect(line->Args[0], boundary, &TZEEditMulti::DataOutput, 0);
  Connect(line->Args[1], fields, &TZEMultiStrPart::Part, 5);
  Connect(line->Args[2], fields, &TZEMultiStrPart::Part, 6);
  Connect(line->Args[3], fields, &TZEMultiStrPart::Part, 7);
  Connect(line->Args[4], fields, &TZEMultiStrPart::Part, 2);
  Connect(line->Args[5], typeName, &TZEArrayRW::Item);
  Connect(line->Args[6], conditionName, &TZEArrayRW::Item);
  Connect(line->Args[7], fields, &TZEMultiStrPart::Part, 3);
  Connect(line->Args[8], signalName, &TZEArrayRW::Item);
  Connect(line->OnResult, boundary, &TZEEditMulti::Action, 0);
}

TClassMultiElement_IndicatorLoader::TClassMultiElement_IndicatorLoader(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorLoader(host, parentScheme, {"indicatorForm", "1;%1", 3,
                                                          &SchemeFactory<TClassMultiElement_IndicatorText>}) {}

TClassMultiElement_IndicatorLoader::TClassMultiElement_IndicatorLoader(
    TZEMultiElement* host, TClassMultiBase* parentScheme, const TSetup& setup)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([&](auto& b) { b.SetCounts(setup.Actions, 1); });
  records = Make<TZEStrList>();
  section = Make<TZEini>(UserSettings(setup.Section));
  mask = Make<TZEStrMask>([](auto& m) {
    m.Mask = kUnitRecordMask;
    m.IgnoreCase = true;
  });
  replace = Make<TZEReplace>([](auto& r) {
    r.SubStr = "=";
    r.NewStr = ";";
  });
  loadSteps = Make<TZEHub>(Outputs(4));
  lineSteps = Make<TZEHub>(Outputs(3));
  index = Make<TZEMath>([](auto& m) {
    m.Operation = moSubtract;
    m.Op2 = 1;
  });
  text = Make<TZEMultiElement>([](auto& t) {
    t.SetEventCount(1);
    t.SetDataInputCount(1);
  });
  editRecord = Make<TZEArrayRW>();
  editKey = Make<TZEMultiStrPart>(Parts(1));
  editText = Make<TZEFormatStr>(Format(setup.EditMask, 1));
  deleteSteps = Make<TZEHub>(Outputs(2));
  deleteRecord = Make<TZEArrayRW>();
  deleteKey = Make<TZEMultiStrPart>(Parts(1));
  reload = Make<TZEDoData>();

  Bind(boundary, host);
  Connect(boundary->InnerDataInputs[0], records, &TZEStrList::Array);

  // Load: forget the records and instances, read the section, arrange.
  Connect(boundary->InnerEvents[0], loadSteps, &TZEHub::Distribute);
  Connect(loadSteps->Outputs[0], records, &TZEStrList::Clear);
  Connect(loadSteps->Outputs[1], boundary, &TZEEditMulti::Action, 0);
  Connect(loadSteps->Outputs[2], section, &TZEini::ReadSection);
  Connect(loadSteps->Outputs[3], boundary, &TZEEditMulti::Action, 2);
  Connect(section->OnLine, mask, &TZEStrMask::Check);
  Connect(mask->OnMatch, replace, &TZEReplace::Replace);
  Connect(replace->OnResult, lineSteps, &TZEHub::Distribute);
  Connect(lineSteps->Outputs[0], records, &TZEStrList::Add);
  Connect(lineSteps->Outputs[1], index, &TZEMath::Calc);
  Connect(index->Op1Input, records, &TZEStrList::Count);
  Connect(lineSteps->Outputs[2], text, &TZEMultiElement::Action, 0);
  Connect(text->DataInputs[0], index, &TZEMath::Result);
  Connect(text->Events[0], boundary, &TZEEditMulti::Action, 1);

  // Edit: the key of the selected record; no record, no edit.
  Connect(boundary->InnerEvents[1], editRecord, &TZEArrayRW::Read);
  Connect(editRecord->Array, records, &TZEStrList::Array);
  Connect(editRecord->IndexInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(editRecord->OnRead, editKey, &TZEMultiStrPart::Split);
  Connect(editKey->OnSplit, editText, &TZEFormatStr::Format);
  Connect(editText->Args[0], editKey, &TZEMultiStrPart::Part, 0);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, 3);

  // Delete: remove the selected record's key, then load again in any case.
  Connect(boundary->InnerEvents[2], deleteSteps, &TZEHub::Distribute);
  Connect(deleteSteps->Outputs[0], deleteRecord, &TZEArrayRW::Read);
  Connect(deleteRecord->Array, records, &TZEStrList::Array);
  Connect(deleteRecord->IndexInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(deleteRecord->OnRead, deleteKey, &TZEMultiStrPart::Split);
  Connect(deleteKey->OnSplit, section, &TZEini::DeleteKey);
  Connect(section->KeyInput, deleteKey, &TZEMultiStrPart::Part, 0);
  Connect(deleteSteps->Outputs[1], reload, &TZEDoData::Emit);
  Connect(reload->OnEmit, boundary, &TZEEditMulti::Action, 4);

  text->ParentScheme = this;
  text->SetFactory(setup.Text);
}

TClassMultiElement_IndicatorFreeKey::TClassMultiElement_IndicatorFreeKey(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  menuSearch = Make<TZEFreeKey>();
  editText = Make<TZEFormatStr>(Format("1;%1", 1));
  block = Make<TZEMultiStrPart>(Parts(2));
  addSteps = Make<TZEHub>(Outputs(2));
  record = Make<TZEFormatStr>(Format("%1;%2;1;0;%2;70;0", 2));
  addSearch = Make<TZEFreeKey>();
  key = Make<TZEMemory>();
  keySteps = Make<TZEHub>(Outputs(2));
  write = Make<TZEini>([](auto& ini) {
    UserSettings("indicatorForm")(ini);
    ini.StringType = true;
  });
  editDelay = Make<TZETimer>(OneShot(10));
  delayedKey = Make<TZEDoData>();

  Bind(boundary, host);

  // From the menu: the free key goes to the editor at once.
  Connect(boundary->InnerEvents[0], menuSearch, &TZEFreeKey::Find);
  Connect(menuSearch->Array, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(menuSearch->OnKey, editText, &TZEFormatStr::Format);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, 0);

  // From a block: the default record under the free key, the editor later.
  Connect(boundary->InnerEvents[1], block, &TZEMultiStrPart::Split);
  Connect(block->OnSplit, addSteps, &TZEHub::Distribute);
  Connect(addSteps->Outputs[0], record, &TZEFormatStr::Format);
  Connect(record->Args[0], block, &TZEMultiStrPart::Part, 0);
  Connect(record->Args[1], block, &TZEMultiStrPart::Part, 1);
  Connect(addSteps->Outputs[1], addSearch, &TZEFreeKey::Find);
  Connect(addSearch->Array, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(addSearch->OnKey, key, &TZEMemory::Write);
  Connect(key->OnChange, keySteps, &TZEHub::Distribute);
  Connect(keySteps->Outputs[0], write, &TZEini::Write);
  Connect(write->KeyInput, key, &TZEMemory::Value);
  Connect(write->ValueInput, record, &TZEFormatStr::Result);
  Connect(keySteps->Outputs[1], editDelay, &TZETimer::Start);
  Connect(editDelay->OnTimer, delayedKey, &TZEDoData::Emit);
  Connect(delayedKey->DataInput, key, &TZEMemory::Value);
  Connect(delayedKey->OnEmit, editText, &TZEFormatStr::Format);
}

}  // namespace zorn
