// The fixture of the operator-window tests: the main window as the program
// builds it around those windows. A 438×328 main form with its BITMAP9
// background picture, the program's resources, the virtual loop, no recorded
// sounds and a private program folder; everything is made in the
// construction phase, as in the program. A test's SetUp makes `host` with
// Host, wires it, sets its factory and then calls StartDispatch.
#pragma once

#include <memory>

#include "platform/sound.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/multi_element.h"
#include "support/program_folder.h"
#include "support/ui.h"
#include "ui/elements/image.h"
#include "ui/elements/main_form.h"

namespace zorn::test {

class MainFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    platform::SetEventLoop(&loop);
    platform::SoundRequests().clear();
    ResetRuntimeForTests();  // built in the construction phase, as in the program
    mainForm = std::make_unique<ui::TZEMainForm>();
    mainForm->Width = 438;
    mainForm->Height = 328;
    mainForm->Init();
    picture = std::make_unique<ui::TZEImage>();
    picture->Parent = mainForm.get();
    picture->Picture = "BITMAP9";
    picture->Init();
  }
  // Hosts go first, the main form last, as the program tears them down.
  void TearDown() override {
    host.reset();
    picture.reset();
    mainForm.reset();
    platform::SoundRequests().clear();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }

  // A host under the main form with these points and no factory yet: its
  // scheme is built when the test sets the factory, after the wiring.
  std::unique_ptr<TZEMultiElement> Host(size_t events, size_t dataInputs) {
    auto h = std::make_unique<TZEMultiElement>();
    h->SetEventCount(events);
    h->SetDataInputCount(dataInputs);
    h->ParentControl = mainForm.get();
    return h;
  }
  // The data output of the main window's background picture.
  TWire PictureOutput() { return MakeWire(0, &ui::TZEImage::Bitmap, picture.get()); }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  std::unique_ptr<ui::TZEMainForm> mainForm;
  std::unique_ptr<ui::TZEImage> picture;
  std::unique_ptr<TZEMultiElement> host;  // the window under test
};

}  // namespace zorn::test
