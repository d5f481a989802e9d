// The fixture of the editor dialog tests: a main form with its picture, a
// block list as the main panel hands it out (an empty first item, then
// "type;block" texts), and the dialog's host built on demand under the main
// form, with its two events recorded. user_settings.ini lives in a private
// program folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "elements/str_list.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/multi_element.h"
#include "support/program_folder.h"
#include "support/ui.h"
#include "ui/elements/image.h"
#include "ui/elements/main_form.h"

namespace zorn::test {

using Values = std::vector<std::string>;

// Entries as the dialogs show them: Выход:(int) №"12".
inline std::string Entry(const std::string& prefix, const std::string& type, const std::string& block) {
  return prefix + "(" + type + ") №\"" + block + "\"";
}

template <class Dialog>
class EditorTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    platform::SetEventLoop(&loop);
    ResetRuntimeForTests();  // built in the construction phase, as in the program
    mainForm = std::make_unique<ui::TZEMainForm>();
    mainForm->Width = 438;
    mainForm->Height = 328;
    mainForm->Init();
    background = std::make_unique<ui::TZEImage>();
    background->Parent = mainForm.get();
    background->Picture = "BITMAP9";
    background->Init();
    blocks = std::make_unique<TZEStrList>();
    blocks->SetStrings("\r\n");
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(2);
    host->SetDataInputCount(2);
    host->CreateOnDemand = true;
    host->ParentControl = mainForm.get();
    for (uint16_t i = 0; i < 2; ++i) host->Events[i] = MakeWire(i, &TCall::Take, &reported);
    host->DataInputs[TEditorForm::Blocks] = MakeWire(0, &TZEStrList::Array, blocks.get());
    host->DataInputs[TEditorForm::Picture] = MakeWire(0, &ui::TZEImage::Bitmap, background.get());
    host->SetFactory(&SchemeFactory<Dialog>);
    StartDispatch();
  }
  void TearDown() override {
    host.reset();
    blocks.reset();
    background.reset();
    mainForm.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }

  // Blocks the controller has reported, after the list's empty first item.
  void Reported(const Values& items) {
    for (const std::string& item : items) FireStr(MakeWire(0, &TZEStrList::Add, blocks.get()), item);
  }
  void Open(const std::string& text) {
    FireStr(MakeWire(TEditorForm::Open, &TZEMultiElement::Action, host.get()), text);
  }
  Dialog& D() { return *static_cast<Dialog*>(host->Child->Scheme); }
  template <class S>
  static S& Inner(TZEMultiElement* inner) {
    return *static_cast<S*>(inner->Child->Scheme);
  }
  ui::headless::THeadlessWidget& Form() { return W(*D().form); }
  std::string Settings() { return folder.Read("user_settings.ini"); }
  // Replaces an edit's text key by key: the new text typed in front of the
  // old one, then the old one deleted (erasing first would leave "0").
  static void Retype(ui::headless::THeadlessWidget& edit, const std::string& text) {
    size_t old = edit.Text().size();
    edit.Key(ui::headless::vkHome);
    edit.Type(text);
    for (size_t n = 0; n < old; ++n) edit.Key(ui::headless::vkDelete);
  }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  std::unique_ptr<ui::TZEMainForm> mainForm;
  std::unique_ptr<ui::TZEImage> background;
  std::unique_ptr<TZEStrList> blocks;
  std::unique_ptr<TZEMultiElement> host;
  // Host events with whether the dialog was still showing.
  std::vector<std::string> events;
  TCall reported{[this](TData&, uint16_t i) {
    events.push_back(std::to_string(i) + (Form().Visible() ? " shown" : " hidden"));
  }};
};

}  // namespace zorn::test
