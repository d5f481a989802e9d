#include "app/editors/editor_parts.h"

#include "app/editors/editor_setup.h"

namespace zorn {

using namespace editor_setup;

namespace {

const std::vector<std::string> kOutputTypeNames = {"", "", "", "", "", "bool", "int", "str"};
const std::vector<std::string> kInputTypeNames = {"bool", "int", "str"};

const TEditorRecordKind kButtonRecord = {
    "#;*;*;#;*;*;#", {"1", "0", "Надпись", "70", "0"}, "Выход:(", kOutputTypeNames, true};
const TEditorRecordKind kIndicatorRecord = {
    "#;*;*;#;*;*;#", {"1", "0", "Надпись", "70", "0"}, "Вход:(", kInputTypeNames, false};
const TEditorRecordKind kEventRecord = {
    "#;*;*;#;*;#;*", {"1", "0", "Событие", "0", ""}, "Вход:(", kInputTypeNames, false};

// Button: value label, integer field, text field.
const TEditorBlockKind kButtonBlock = {"Выход:(", kOutputTypeNames, 5,
                                       {{{0, 0, 0}, -1}, {{1, 1, 0}, 0}, {{1, 0, 1}, 1}},
                                       {{1, 0, 1}, 1}, 2};
// Indicator: integer field, text field, condition list with its label.
const TEditorBlockKind kIndicatorBlock = {"Вход:(", kInputTypeNames, 0,
                                          {{{0, 0, 0}, -1}, {{1, 0, 1}, 0}, {{0, 1, 0}, 1}},
                                          {{0, 1, 1}, 1}, 2};
// Event rule: integer field, text field, bit list; a bool rule saves the bit.
const TEditorBlockKind kEventBlock = {"Вход:(", kInputTypeNames, 0,
                                      {{{0, 0, 1}, 2}, {{1, 0, 0}, 0}, {{0, 1, 0}, 1}},
                                      {{0, 1, 0}, 1}, 3};

void Attach(TZEEditMulti* boundary, TClassMultiBase* scheme, TZEMultiElement* host) {
  scheme->Boundary = boundary;
  boundary->Scheme = scheme;
  boundary->Host = host;
}

}  // namespace

TEditorSectionScheme::TEditorSectionScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                           const char* ownSection)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 2); });
  opening = Make<TZEHub>(Outputs(4));
  // No origin is −1, which reports on neither event.
  origin = Make<TZEMemory>([](auto& m) {
    TData none;
    MakeInt(none, -1);
    m.SetDefault(none);
  });
  key = Make<TZEMemory>([](auto& m) {
    TData empty;
    MakeStr(empty, "");
    m.SetDefault(empty);
  });
  section = Make<TZEMemory>([](auto& m) {
    TData empty;
    MakeStr(empty, "");
    m.SetDefault(empty);
  });
  split = Make<TZEMultiStrData>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(1);
  });
  splitDone = Make<TZEHub>(Outputs(4));
  sections = Make<TZEStrList>([&](auto& l) { l.SetStrings(std::string("mainForm\r\n") + ownSection); });
  sectionOf = Make<TZEArrayRW>();
  report = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  Attach(boundary, this, host);

  // A text without ";" leaves no section and no key, so nothing is read or
  // written until the next opening.
  Connect(boundary->InnerEvents[0], opening, &TZEHub::Distribute);
  Connect(opening->Outputs[0], origin, &TZEMemory::Clear);
  Connect(opening->Outputs[1], key, &TZEMemory::Clear);
  Connect(opening->Outputs[2], section, &TZEMemory::Clear);
  Connect(opening->Outputs[3], split, &TZEMultiStrData::Split);
  // While the origin is on its way, the split's rest is the key.
  Connect(split->OnPart[0], splitDone, &TZEHub::Distribute);
  Connect(splitDone->Outputs[0], origin, &TZEMemory::Write);
  Connect(splitDone->Outputs[1], key, &TZEMemory::Write);
  Connect(key->Data, split, &TZEMultiStrData::Rest);
  Connect(splitDone->Outputs[2], sectionOf, &TZEArrayRW::Read);
  Connect(sectionOf->Array, sections, &TZEStrList::Array);
  Connect(sectionOf->IndexInput, origin, &TZEMemory::Value);
  Connect(sectionOf->OnRead, section, &TZEMemory::Write);
  Connect(splitDone->Outputs[3], boundary, &TZEEditMulti::Action, 0);

  Connect(boundary->InnerEvents[1], report, &TZEIndexToChanel::Route);
  Connect(report->Index, origin, &TZEMemory::Value);
  Connect(report->Channels[0], boundary, &TZEEditMulti::Action, 1);
  Connect(report->Channels[1], boundary, &TZEEditMulti::Action, 2);
  Connect(boundary->InnerDataInputs[0], section, &TZEMemory::Value);
  Connect(boundary->InnerDataInputs[1], key, &TZEMemory::Value);
}

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
  Attach(boundary, this, host);

  Connect(boundary->InnerEvents[0], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], boundary, &TZEEditMulti::Action, 0);
  Connect(steps->Outputs[1], stored, &TZEStrMask::Check);
  Connect(steps->Outputs[2], firstEntry, &TZEDoData::Emit);
  Connect(firstEntry->OnEmit, boundary, &TZEEditMulti::Action, 2);

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
  Connect(entries->OnEntry, boundary, &TZEEditMulti::Action, 1);

  // No record: the defaults and the reported blocks of the dialog's kind.
  Connect(stored->OnNoMatch, newSteps, &TZEHub::Distribute);
  for (uint16_t i = 0; i < 5; ++i) Connect(newSteps->Outputs[i], values[i], &TZEMemory::Clear);
  Connect(newSteps->Outputs[5], listed, &TZEArrayEnum::Enum);
  Connect(listed->Array, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(listed->OnItem, blockText, &TZEStrMask::Check);
  Connect(blockText->OnMatch, direction, &TZEIf_else::Compare);
  Connect(direction->OnTrue, entries, &TZEBlockEntry::Build);

  for (uint16_t i = 0; i < 5; ++i) {
    Connect(boundary->InnerDataInputs[i], values[i], &TZEMemory::Value);
  }
}

TClassMultiElement_ButtonEditorRecord::TClassMultiElement_ButtonEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kButtonRecord) {}
TClassMultiElement_IndicatorEditorRecord::TClassMultiElement_IndicatorEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kIndicatorRecord) {}
TClassMultiElement_EventEditorRecord::TClassMultiElement_EventEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kEventRecord) {}

TEditorBlockScheme::TEditorBlockScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                       const TEditorBlockKind& kind)
    : TClassMultiBase(parentScheme) {
  std::vector<TEditorBlockType> types = kind.Types;
  types.push_back(kind.Other);
  const size_t controls = kind.Other.Shown.size();
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 3); });
  entry = Make<TZEBlockEntry>([&](auto& e) {
    e.Prefix = kind.Prefix;
    e.TypeNames = kind.TypeNames;
  });
  steps = Make<TZEHub>(Outputs(3));
  byType = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(kTypeCodes); });
  value = Make<TZEGetIndexData>([](auto& v) { v.SetCount(kTypeCodes); });
  one = Make<TZEMemory>([](auto& m) {
    TData d;
    MakeStr(d, "1");
    m.SetDefault(d);
  });
  for (const TEditorBlockType& type : types) {
    typeSteps.push_back(Make<TZEHub>(Outputs(static_cast<uint8_t>(controls))));
    for (int32_t shown : type.Shown) flags.push_back(Make<TZEDoData>(IntValue(shown)));
  }
  Attach(boundary, this, host);

  Connect(boundary->InnerEvents[0], entry, &TZEBlockEntry::Read);
  Connect(entry->OnType, steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], value, &TZEGetIndexData::SetIndex);
  Connect(steps->Outputs[1], byType, &TZEIndexToChanel::Route);
  Connect(steps->Outputs[2], boundary, &TZEEditMulti::Action, static_cast<uint16_t>(controls));
  for (size_t t = 0; t < types.size(); ++t) {
    for (size_t c = 0; c < controls; ++c) {
      TZEDoData* flag = flags[t * controls + c];
      Connect(typeSteps[t]->Outputs[c], flag, &TZEDoData::Emit);
      Connect(flag->OnEmit, boundary, &TZEEditMulti::Action, static_cast<uint16_t>(c));
    }
  }
  for (int32_t code = 0; code < kTypeCodes; ++code) {
    const int32_t own = code - kind.FirstCode;
    const size_t t = own >= 0 && own < static_cast<int32_t>(kind.Types.size())
                         ? static_cast<size_t>(own)
                         : kind.Types.size();
    Connect(byType->Channels[code], typeSteps[t], &TZEHub::Distribute);
    const int32_t input = types[t].ValueInput;
    if (input < 0) {
      Connect(value->Inputs[code], one, &TZEMemory::Value);
    } else {
      Connect(value->Inputs[code], boundary, &TZEEditMulti::DataOutput, static_cast<uint16_t>(input));
    }
  }
  Connect(boundary->InnerDataInputs[0], entry, &TZEBlockEntry::TypeCode);
  Connect(boundary->InnerDataInputs[1], entry, &TZEBlockEntry::Block);
  Connect(boundary->InnerDataInputs[2], value, &TZEGetIndexData::Value);
}

TClassMultiElement_ButtonEditorBlock::TClassMultiElement_ButtonEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kButtonBlock) {}
TClassMultiElement_IndicatorEditorBlock::TClassMultiElement_IndicatorEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kIndicatorBlock) {}
TClassMultiElement_EventEditorBlock::TClassMultiElement_EventEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kEventBlock) {}

TClassMultiElement_ButtonKindList::TClassMultiElement_ButtonKindList(TZEMultiElement* host, TElement*,
                                                                     TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(3));
  byType = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(kTypeCodes); });
  boolKinds = Make<TZEStrList>([](auto& l) {
    l.SetStrings("Импульсная кнопка\r\nПереключатель\r\nКнопка с зажатием");
  });
  valueKinds = Make<TZEStrList>([](auto& l) {
    l.SetStrings("Импульсная кнопка\r\nПереключатель\r\nКнопка с зажатием\r\nУстановка значения");
  });
  boolEnum = Make<TZEArrayEnum>();
  valueEnum = Make<TZEArrayEnum>();
  select = Make<TZEDoData>();
  Attach(boundary, this, host);

  Connect(boundary->InnerEvents[0], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], boundary, &TZEEditMulti::Action, 0);
  Connect(steps->Outputs[1], byType, &TZEIndexToChanel::Route);
  Connect(steps->Outputs[2], select, &TZEDoData::Emit);
  for (int32_t code = 0; code < kTypeCodes; ++code) {
    const bool isBool = code == 5;
    Connect(byType->Channels[code], isBool ? boolEnum : valueEnum, &TZEArrayEnum::Enum);
  }
  Connect(boolEnum->Array, boolKinds, &TZEStrList::Array);
  Connect(valueEnum->Array, valueKinds, &TZEStrList::Array);
  Connect(boolEnum->OnItem, boundary, &TZEEditMulti::Action, 1);
  Connect(valueEnum->OnItem, boundary, &TZEEditMulti::Action, 1);
  Connect(select->DataInput, boundary, &TZEEditMulti::DataOutput, 0);
  Connect(select->OnEmit, boundary, &TZEEditMulti::Action, 2);
}

}  // namespace zorn
