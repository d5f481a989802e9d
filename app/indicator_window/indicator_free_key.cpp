#include "app/indicator_window/indicator_free_key.h"

#include "app/record_reading.h"

namespace zorn {

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
  Connect(boundary->InnerEvents[Find], menuSearch, &TZEFreeKey::Find);
  Connect(menuSearch->Array, boundary, &TZEEditMulti::DataOutput, Records);
  Connect(menuSearch->OnKey, editText, &TZEFormatStr::Format);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);

  // From a block: the default record under the free key, the editor later.
  Connect(boundary->InnerEvents[Add], block, &TZEMultiStrPart::Split);
  Connect(block->OnSplit, addSteps, &TZEHub::Distribute);
  Connect(addSteps->Outputs[0], record, &TZEFormatStr::Format);
  Connect(record->Args[0], block, &TZEMultiStrPart::Part, 0);
  Connect(record->Args[1], block, &TZEMultiStrPart::Part, 1);
  Connect(addSteps->Outputs[1], addSearch, &TZEFreeKey::Find);
  Connect(addSearch->Array, boundary, &TZEEditMulti::DataOutput, Records);
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
