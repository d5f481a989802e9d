#include "app/editors/editor_record_scheme.h"

namespace zorn {

TEditorRecordScheme::TEditorRecordScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                         const TEditorRecordKind& kind)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 5); });
  steps = Make<TZEHub>(Outputs(3));
  stored = Make<TZEStrMask>([&](auto& m) {
    m.Mask = kind.Mask;
    m.IgnoreCase = true;
  });
  storedSteps = Make<TZEHub>(Outputs(7));
  fields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(7);
  });
  for (const char* fallback : kind.Defaults) {
    values.push_back(Make<TZEMemory>([&](auto& m) {
      TData d;
      MakeStr(d, fallback);
      m.SetDefault(d);
    }));
  }
  ownBlock = Make<TZEStrCatDelim>([](auto& c) { c.Delimiter = ";"; });
  entries = Make<TZEBlockEntry>([&](auto& e) {
    e.Prefix = kind.Prefix;
    e.TypeNames = kind.TypeNames;
  });
  newSteps = Make<TZEHub>(Outputs(6));
  listed = Make<TZEArrayEnum>();
  blockText = Make<TZEStrMask>([](auto& m) { m.Mask = "#;*"; });
  // Texts compare character by character: a single-digit type code before
  // the ";" orders like the digit itself.
  direction = Make<TZEIf_else>([&](auto& g) {
    g.Type = kind.OutputBlocks ? cmGreaterOrEqual : cmLess;
    MakeStr(g.Op2, "5");
  });
  firstEntry = Make<TZEDoData>(IntValue(0));
  Bind(boundary, host);

  Connect(boundary->InnerEvents[Parse], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], boundary, &TZEEditMulti::Action, OnClear);
  Connect(steps->Outputs[1], stored, &TZEStrMask::Check);
  Connect(steps->Outputs[2], firstEntry, &TZEDoData::Emit);
  Connect(firstEntry->OnEmit, boundary, &TZEEditMulti::Action, OnSelect);

  // A stored record: its fields, and its own block as the only entry.
  Connect(stored->OnMatch, storedSteps, &TZEHub::Distribute);
  Connect(storedSteps->Outputs[0], fields, &TZEMultiStrPart::Split);
  for (uint16_t i = 0; i < 5; ++i) {
    Connect(storedSteps->Outputs[1 + i], values[i], &TZEMemory::Write);
    Connect(values[i]->Data, fields, &TZEMultiStrPart::Part, static_cast<uint16_t>(2 + i));
  }
  Connect(storedSteps->Outputs[6], ownBlock, &TZEStrCatDelim::Concat);
  Connect(ownBlock->Str1Input, fields, &TZEMultiStrPart::Part, 0);
  Connect(ownBlock->Str2Input, fields, &TZEMultiStrPart::Part, 1);
  Connect(ownBlock->OnResult, entries, &TZEBlockEntry::Build);
  Connect(entries->OnEntry, boundary, &TZEEditMulti::Action, OnAdd);

  // No record: the defaults and the reported blocks of the dialog's kind.
  Connect(stored->OnNoMatch, newSteps, &TZEHub::Distribute);
  for (uint16_t i = 0; i < 5; ++i) Connect(newSteps->Outputs[i], values[i], &TZEMemory::Clear);
  Connect(newSteps->Outputs[5], listed, &TZEArrayEnum::Enum);
  Connect(listed->Array, boundary, &TZEEditMulti::DataOutput, Blocks);
  Connect(listed->OnItem, blockText, &TZEStrMask::Check);
  Connect(blockText->OnMatch, direction, &TZEIf_else::Compare);
  Connect(direction->OnTrue, entries, &TZEBlockEntry::Build);

  for (uint16_t i = 0; i < 5; ++i) {
    Connect(boundary->InnerDataInputs[i], values[i], &TZEMemory::Value);
  }
}

}  // namespace zorn
