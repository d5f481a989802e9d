#include "app/editors/editor_block_scheme.h"

#include "app/editors/editor_types.h"

namespace zorn {

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
  Bind(boundary, host);

  Connect(boundary->InnerEvents[Read], entry, &TZEBlockEntry::Read);
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
  Connect(boundary->InnerDataInputs[TypeCode], entry, &TZEBlockEntry::TypeCode);
  Connect(boundary->InnerDataInputs[Block], entry, &TZEBlockEntry::Block);
  Connect(boundary->InnerDataInputs[Value], value, &TZEGetIndexData::Value);
}

}  // namespace zorn
