// The window-visibility scheme on the headless backend and the virtual
// clock: the 10 ms delay, the main window first, then the flagged windows.
#include <memory>

#include "app/settings/window_visibility.h"
#include "platform/virtual_loop.h"
#include "support/ui.h"
#include "ui/elements/main_form.h"

namespace zorn::test {
namespace {

using Visibility = TClassMultiElement_WindowVisibility;

class WindowVisibilityTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    platform::SetEventLoop(&loop);
    form = std::make_unique<ui::TZEMainForm>();
    form->Visible = false;
    form->Init();
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(3);
    host->SetDataInputCount(1);
    host->SetFactory(&SchemeFactory<TClassMultiElement_WindowVisibility>);
    host->DataInputs[Visibility::Handle] =
        MakeWire(0, &ui::TZEWin::Handle, static_cast<ui::TZEWin*>(form.get()));
    for (uint16_t i = 0; i < 3; ++i) host->Events[i] = MakeWire(i, &TCall::Take, &window);
  }
  void TearDown() override {
    host.reset();
    form.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }
  void Restore(int32_t v) {
    FireInt(MakeWire(Visibility::Restore, &TZEMultiElement::Action, host.get()), v);
  }
  void TrayRestore() {
    FireNull(MakeWire(Visibility::TrayRestore, &TZEMultiElement::Action, host.get()));
  }
  void Flags(int32_t button, int32_t indicator, int32_t graph) {
    MakeInt(TZEGlobalVar::Variable("visible_button"), button);
    MakeInt(TZEGlobalVar::Variable("visible_indicator"), indicator);
    MakeInt(TZEGlobalVar::Variable("visible_graph"), graph);
  }

  platform::TVirtualLoop loop;
  std::unique_ptr<ui::TZEMainForm> form;
  std::unique_ptr<TZEMultiElement> host;
  // Which window event came with which value, and whether the main window
  // was already shown then.
  std::vector<std::string> calls;
  TCall window{[this](TData& d, uint16_t i) {
    calls.push_back(std::to_string(i) + "=" + ToStr(d) +
                    (W(*form).Visible() ? " main shown" : " main hidden"));
  }};
};

TEST_F(WindowVisibilityTest, RestoreShowsTheMainWindowAfterTenMsThenTheFlaggedOnes) {
  Flags(0, 1, 1);
  Restore(1);
  loop.Advance(9);
  EXPECT_FALSE(W(*form).Visible());
  EXPECT_TRUE(calls.empty());
  loop.Advance(1);
  EXPECT_TRUE(W(*form).Visible());
  EXPECT_EQ(backend.ForegroundCalls(), 1);
  // Indicator window first, then the event log; the button window's flag is 0.
  EXPECT_EQ(calls, (std::vector<std::string>{"1=1 main shown", "2=1 main shown"}));
  loop.Advance(1000);  // one shot
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(WindowVisibilityTest, ZeroHidesAtOnceTwoDoesNothingTrayRestoreShowsAtOnce) {
  Flags(1, 0, 0);
  TrayRestore();
  EXPECT_TRUE(W(*form).Visible());
  EXPECT_EQ(calls, std::vector<std::string>{"0=1 main shown"});

  Restore(0);
  EXPECT_FALSE(W(*form).Visible());
  EXPECT_EQ(calls.back(), "0=0 main hidden");
  EXPECT_EQ(backend.ForegroundCalls(), 1);  // hiding brings nothing forward

  calls.clear();
  Restore(2);
  loop.Advance(100);
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(W(*form).Visible());
}

TEST_F(WindowVisibilityTest, FlagsAreReadWhenTheDelayEndsNotWhenItStarts) {
  Flags(0, 0, 0);
  Restore(1);
  Flags(1, 0, 0);  // loaded meanwhile
  loop.Advance(10);
  EXPECT_EQ(calls, std::vector<std::string>{"0=1 main shown"});
}

}  // namespace
}  // namespace zorn::test
