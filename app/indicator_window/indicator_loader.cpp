#include "app/indicator_window/indicator_loader.h"

#include "app/indicator_window/indicator_text.h"
#include "app/record_reading.h"

namespace zorn {
namespace {

using Text = TClassMultiElement_IndicatorText;

}  // namespace

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
  mask = Make<TZEStrMask>(RecordMask(kUnitRecordMask));
  replace = Make<TZEReplace>(KeyAsField);
  loadSteps = Make<TZEHub>(Outputs(4));
  lineSteps = Make<TZEHub>(Outputs(3));
  index = Make<TZEMath>(CountLessOne);
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
  Connect(boundary->InnerDataInputs[Records], records, &TZEStrList::Array);

  // Load: forget the records and instances, read the section, arrange.
  Connect(boundary->InnerEvents[Load], loadSteps, &TZEHub::Distribute);
  Connect(loadSteps->Outputs[0], records, &TZEStrList::Clear);
  Connect(loadSteps->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(loadSteps->Outputs[2], section, &TZEini::ReadSection);
  Connect(loadSteps->Outputs[3], boundary, &TZEEditMulti::Action, OnArrange);
  ConnectRecordReading(section, mask, replace, lineSteps, records, index);
  Connect(lineSteps->Outputs[2], text, &TZEMultiElement::Action, Text::Record);
  Connect(text->DataInputs[Text::Index], index, &TZEMath::Result);
  Connect(text->Events[Text::OnLine], boundary, &TZEEditMulti::Action, OnAdd);

  // Edit: the key of the selected record; no record, no edit.
  Connect(boundary->InnerEvents[Edit], editRecord, &TZEArrayRW::Read);
  ConnectChosenKey(editRecord, editKey, records, boundary, Selected);
  Connect(editKey->OnSplit, editText, &TZEFormatStr::Format);
  Connect(editText->Args[0], editKey, &TZEMultiStrPart::Part, 0);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);

  // Delete: remove the selected record's key, then load again in any case.
  Connect(boundary->InnerEvents[Delete], deleteSteps, &TZEHub::Distribute);
  Connect(deleteSteps->Outputs[0], deleteRecord, &TZEArrayRW::Read);
  ConnectChosenKey(deleteRecord, deleteKey, records, boundary, Selected);
  Connect(deleteKey->OnSplit, section, &TZEini::DeleteKey);
  Connect(section->KeyInput, deleteKey, &TZEMultiStrPart::Part, 0);
  Connect(deleteSteps->Outputs[1], reload, &TZEDoData::Emit);
  Connect(reload->OnEmit, boundary, &TZEEditMulti::Action, OnReload);

  text->ParentScheme = this;
  text->SetFactory(setup.Text);
}

}  // namespace zorn
