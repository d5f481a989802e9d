// The Tab key between the controls of a window, and the application
// window's visibility taken at the start of live operation.
#include <gtest/gtest.h>

#include "runtime/start.h"
#include "support/ui.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"

namespace zorn::ui {
namespace {

using headless::TModifier;
using headless::vkTab;
using test::TProbe;
using test::UiTest;

class TabTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form.Init();
    other.Init();
    StartDispatch();
  }
  template <class E>
  void Place(E& e, TZEWin* parent, int32_t tabOrder) {
    e.Parent = parent;
    e.TabOrder = tabOrder;
    e.Init();
  }
  IWidget* Focused() { return backend.Focused(); }

  TZEMainForm form, other;
};

TEST_F(TabTest, TabFollowsTabOrderThenCreationThroughPanelsAndWraps) {
  TzeButtonRush first, second, disabled;
  TZEEdit edit, hidden;
  TZEPanel bar;
  TZEComboBox combo;
  TZELabel label;
  TzeButtonRush elsewhere;
  Place(edit, &form, 2);
  Place(first, &form, 1);
  Place(bar, &form, 0);
  Place(combo, &bar, 3);
  Place(second, &bar, 3);  // the same order as the combo box, made after it
  Place(label, &form, 0);
  disabled.Enabled = false;
  Place(disabled, &form, 4);
  hidden.Visible = false;
  Place(hidden, &form, 5);
  Place(elsewhere, &other, 1);  // another window's control

  TProbe editKeys;
  edit.OnKeyDown = MakeWire(0, &TProbe::Take, &editKeys);
  TProbe secondUps;
  second.OnKeyUp = MakeWire(0, &TProbe::Take, &secondUps);

  ASSERT_TRUE(W(first).Click());
  ASSERT_EQ(Focused(), first.Widget());
  std::vector<IWidget*> visited;
  for (int i = 0; i < 5; ++i) {
    headless::Of(Focused()).Key(vkTab);
    visited.push_back(Focused());
  }
  EXPECT_EQ(visited, (std::vector<IWidget*>{edit.Widget(), combo.Widget(), second.Widget(), first.Widget(),
                                            edit.Widget()}));
  EXPECT_TRUE(editKeys.Seen.empty());  // the Tab never reaches the control it leaves
  EXPECT_EQ(secondUps.Seen, (std::vector<std::string>{"int 9"}));  // its up goes to the new one

  headless::Of(Focused()).Key(vkTab, TModifier::Shift);
  EXPECT_EQ(Focused(), first.Widget());
  headless::Of(Focused()).Key(vkTab, TModifier::Shift);
  EXPECT_EQ(Focused(), second.Widget());

  // From the window itself (no stop has the focus): the first stop, or the
  // last one going backward.
  W(form).SetFocus();
  W(form).Key(vkTab, TModifier::Shift);
  EXPECT_EQ(Focused(), second.Widget());
  W(form).SetFocus();
  W(form).Key(vkTab);
  EXPECT_EQ(Focused(), first.Widget());

  // A disabled container takes its controls out of the order.
  W(bar).SetEnabled(false);
  W(first).SetFocus();
  W(first).Key(vkTab);
  W(edit).Key(vkTab);
  EXPECT_EQ(Focused(), first.Widget());
}

class StartTest : public UiTest {};

TEST_F(StartTest, TheApplicationWindowTakesTheMainFormsVisibilityBeforeAnyStartHandler) {
  TZEMainForm main, child;
  main.Visible = false;
  std::optional<bool> atStart;
  test::TCall started([&](TData&, uint16_t) { atStart = backend.ApplicationVisible(); });
  ResetDispatchForTests();
  main.Init();
  child.Init();
  main.OnStart = MakeWire(0, &test::TCall::Take, &started);
  EXPECT_FALSE(backend.ApplicationVisible().has_value());
  StartDispatch();
  EXPECT_EQ(atStart, std::optional<bool>(false));
  EXPECT_FALSE(W(main).Visible());
  EXPECT_TRUE(W(child).Visible());  // a child's own visibility is its own
}

TEST_F(StartTest, AVisibleMainFormMakesTheApplicationVisible) {
  TZEMainForm main;
  main.Init();
  StartDispatch();
  EXPECT_EQ(backend.ApplicationVisible(), std::optional<bool>(true));
  EXPECT_TRUE(W(main).Visible());
}

}  // namespace
}  // namespace zorn::ui
