#include "app/editors/event_file_choice.h"

#include "app/editors/editor_setup.h"

namespace zorn {

using namespace editor_setup;

namespace {

auto Dialog(TElement* owner, const char* title, const char* filter) {
  return [=](ui::TZEODialog& d) {
    d.Title = title;
    d.Filter = filter;
    d.Folder = ".";
    d.Owner = owner;
  };
}

constexpr int32_t kVolumeStart = 10;

}  // namespace

TClassMultiElement_EventFileChoice::TClassMultiElement_EventFileChoice(TZEMultiElement* host,
                                                                       TElement* parentControl,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  soundDialog = Make<ui::TZEODialog>(Dialog(parentControl, "Выбор звукового файла", "Звук|*.wav"));
  fileDialog = Make<ui::TZEODialog>(Dialog(parentControl, "Выбор файла", "Все|*.*"));
  player = Make<TZEPlaySound>([](auto& p) { p.Mode = pmAsync; });
  chosen = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });
  noParameter = Make<TZEHub>(Outputs(2));
  sound = Make<TZEHub>(Outputs(2));
  file = Make<TZEHub>(Outputs(2));
  volume = Make<TZEHub>(Outputs(3));
  soundChosen = Make<TZEHub>(Outputs(2));
  emptyText = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, ""); });
  hideBar = Make<TZEDoData>(IntValue(0));
  showBar = Make<TZEDoData>(IntValue(1));
  startPosition = Make<TZEDoData>(IntValue(kVolumeStart));
  startText = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, std::to_string(kVolumeStart)); });
  openedSteps = Make<TZEHub>(Outputs(2));
  opened = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });
  openedVolume = Make<TZEHub>(Outputs(2));
  storedPosition = Make<TZEDoData>();
  Bind(boundary, host);

  Connect(boundary->InnerEvents[Choose], chosen, &TZEIndexToChanel::Route);
  for (uint16_t a : {0, 4, 5, 6}) Connect(chosen->Channels[a], noParameter, &TZEHub::Distribute);
  Connect(chosen->Channels[1], sound, &TZEHub::Distribute);
  Connect(chosen->Channels[2], file, &TZEHub::Distribute);
  Connect(chosen->Channels[3], volume, &TZEHub::Distribute);
  Connect(noParameter->Outputs[0], hideBar, &TZEDoData::Emit);
  Connect(noParameter->Outputs[1], emptyText, &TZEDoData::Emit);
  Connect(sound->Outputs[0], hideBar, &TZEDoData::Emit);
  Connect(sound->Outputs[1], soundDialog, &ui::TZEODialog::Execute);
  Connect(file->Outputs[0], hideBar, &TZEDoData::Emit);
  Connect(file->Outputs[1], fileDialog, &ui::TZEODialog::Execute);
  Connect(volume->Outputs[0], showBar, &TZEDoData::Emit);
  Connect(volume->Outputs[1], startPosition, &TZEDoData::Emit);
  // The label shows the level at once, so that a save right away stores
  // the level seen on the bar rather than an older parameter.
  Connect(volume->Outputs[2], startText, &TZEDoData::Emit);

  Connect(soundDialog->OnExecute, soundChosen, &TZEHub::Distribute);
  Connect(soundChosen->Outputs[0], player, &TZEPlaySound::Play);
  Connect(soundChosen->Outputs[1], boundary, &TZEEditMulti::Action, OnParameter);
  Connect(fileDialog->OnExecute, boundary, &TZEEditMulti::Action, OnParameter);
  Connect(emptyText->OnEmit, boundary, &TZEEditMulti::Action, OnParameter);
  Connect(startText->OnEmit, boundary, &TZEEditMulti::Action, OnParameter);
  Connect(hideBar->OnEmit, boundary, &TZEEditMulti::Action, OnBarVisible);
  Connect(showBar->OnEmit, boundary, &TZEEditMulti::Action, OnBarVisible);
  Connect(startPosition->OnEmit, boundary, &TZEEditMulti::Action, OnBarPosition);

  // The bar goes first, so that a stored action without a name (7 to 9)
  // does not keep the bar of the record opened before.
  Connect(boundary->InnerEvents[Opened], openedSteps, &TZEHub::Distribute);
  Connect(openedSteps->Outputs[0], hideBar, &TZEDoData::Emit);
  Connect(openedSteps->Outputs[1], opened, &TZEIndexToChanel::Route);
  Connect(opened->Channels[3], openedVolume, &TZEHub::Distribute);
  Connect(openedVolume->Outputs[0], showBar, &TZEDoData::Emit);
  Connect(openedVolume->Outputs[1], storedPosition, &TZEDoData::Emit);
  Connect(storedPosition->DataInput, boundary, &TZEEditMulti::DataOutput, Stored);
  Connect(storedPosition->OnEmit, boundary, &TZEEditMulti::Action, OnBarPosition);
}

}  // namespace zorn
