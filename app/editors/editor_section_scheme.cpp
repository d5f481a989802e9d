#include "app/editors/editor_section_scheme.h"

#include <string>

namespace zorn {

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
  Bind(boundary, host);

  // A text without ";" leaves no section and no key, so nothing is read or
  // written until the next opening.
  Connect(boundary->InnerEvents[Open], opening, &TZEHub::Distribute);
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
  Connect(splitDone->Outputs[3], boundary, &TZEEditMulti::Action, OnOrigin);

  Connect(boundary->InnerEvents[Report], report, &TZEIndexToChanel::Route);
  Connect(report->Index, origin, &TZEMemory::Value);
  Connect(report->Channels[0], boundary, &TZEEditMulti::Action, OnReportMain);
  Connect(report->Channels[1], boundary, &TZEEditMulti::Action, OnReportWindow);
  Connect(boundary->InnerDataInputs[Section], section, &TZEMemory::Value);
  Connect(boundary->InnerDataInputs[Key], key, &TZEMemory::Value);
}

}  // namespace zorn
