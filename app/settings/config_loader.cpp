#include "app/settings/config_loader.h"

namespace zorn {
namespace {

struct TFlag {
  const char* Section;
  const char* Global;
};
constexpr std::array<TFlag, 3> kFlags = {{{"buttonForm", "visible_button"},
                                          {"indicatorForm", "visible_indicator"},
                                          {"graphForm", "visible_graph"}}};

}  // namespace

TClassMultiElement_ConfigLoader::TClassMultiElement_ConfigLoader(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  // Load: six keys, two text keys, the two journal keys, the report, then
  // the three flags.
  loadSteps = Make<TZEHub>(Outputs(14));
  // Save: six keys, then the report.
  saveSteps = Make<TZEHub>(Outputs(7));
  done = Make<TZEDoData>();
  for (size_t i = 0; i < kKeys.size(); ++i) {
    keys[i] = Make<TZEini>([&](auto& ini) {
      ini.FileName = "config.ini";
      ini.Section = "config";
      ini.Key = kKeys[i];
    });
    values[i] = Make<TZEGlobalVar>([&](auto& g) { g.SetName(kKeys[i]); });
  }
  for (size_t i = 0; i < kTextKeys.size(); ++i) {
    textKeys[i] = Make<TZEini>([&](auto& ini) {
      ini.FileName = "config.ini";
      ini.Section = "config";
      ini.Key = kTextKeys[i];
      ini.StringType = true;
    });
    textValues[i] = Make<TZEGlobalVar>([&](auto& g) { g.SetName(kTextKeys[i]); });
  }
  for (size_t i = 0; i < kJournalKeys.size(); ++i) {
    journalKeys[i] = Make<TZEini>([&](auto& ini) {
      ini.FileName = "config.ini";
      ini.Section = "journal";
      ini.Key = kJournalKeys[i].Key;
      ini.IntDefault = kJournalKeys[i].Default;
    });
    journalValues[i] = Make<TZEGlobalVar>([&](auto& g) { g.SetName(kJournalKeys[i].Global); });
  }
  for (size_t i = 0; i < kFlags.size(); ++i) {
    flags[i] = Make<TZEini>([&](auto& ini) {
      ini.FileName = "config.ini";
      ini.Section = kFlags[i].Section;
      ini.Key = "visible";
    });
    flagValues[i] = Make<TZEGlobalVar>([&](auto& g) { g.SetName(kFlags[i].Global); });
  }

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Load], loadSteps, &TZEHub::Distribute);
  Connect(boundary->InnerEvents[Save], saveSteps, &TZEHub::Distribute);
  for (size_t i = 0; i < kKeys.size(); ++i) {
    Connect(loadSteps->Outputs[i], keys[i], &TZEini::Read);
    Connect(saveSteps->Outputs[i], keys[i], &TZEini::Write);
    Connect(keys[i]->OnRead, values[i], &TZEGlobalVar::Write);
    Connect(keys[i]->ValueInput, values[i], &TZEGlobalVar::Value);
  }
  for (size_t i = 0; i < kTextKeys.size(); ++i) {
    Connect(loadSteps->Outputs[6 + i], textKeys[i], &TZEini::Read);
    Connect(textKeys[i]->OnRead, textValues[i], &TZEGlobalVar::Write);
  }
  for (size_t i = 0; i < kJournalKeys.size(); ++i) {
    Connect(loadSteps->Outputs[8 + i], journalKeys[i], &TZEini::Read);
    Connect(journalKeys[i]->OnRead, journalValues[i], &TZEGlobalVar::Write);
  }
  Connect(loadSteps->Outputs[10], done, &TZEDoData::Emit);
  Connect(saveSteps->Outputs[6], done, &TZEDoData::Emit);
  Connect(done->OnEmit, boundary, &TZEEditMulti::Action, OnDone);
  for (size_t i = 0; i < kFlags.size(); ++i) {
    Connect(loadSteps->Outputs[11 + i], flags[i], &TZEini::Read);
    Connect(flags[i]->OnRead, flagValues[i], &TZEGlobalVar::Write);
  }
}

}  // namespace zorn
