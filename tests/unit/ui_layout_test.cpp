// The layout arithmetic shared by both backends, and docking as the elements
// apply it.
#include <gtest/gtest.h>

#include "support/ui.h"
#include "ui/elements/layouts.h"
#include "ui/elements/main_form.h"
#include "ui/elements/panel.h"
#include "ui/layout.h"

namespace zorn::ui {
namespace {

using test::UiTest;

TEST(DockItemsTest, SidesLineUpInListOrderAndFillTakesTheRest) {
  // The main panel's bar: right-docked first is rightmost, left-docked in order.
  std::vector<TDockItem> items = {
      {alRight, true, {0, 0, 25, 27}},  // status picture
      {alRight, true, {0, 0, 44, 27}},  // reset
      {alClient, true, {0, 0, 1, 1}},   // background
      {alLeft, true, {0, 0, 73, 27}},   // start/stop
      {alRight, true, {0, 0, 73, 27}},  // settings
      {alLeft, true, {0, 0, 73, 27}},   // buttons
      {alLeft, false, {5, 5, 73, 27}},  // hidden: left alone
  };
  DockItems({438, 27}, items);
  EXPECT_EQ(items[0].Bounds, (TRect{413, 0, 25, 27}));
  EXPECT_EQ(items[1].Bounds, (TRect{369, 0, 44, 27}));
  EXPECT_EQ(items[4].Bounds, (TRect{296, 0, 73, 27}));
  EXPECT_EQ(items[3].Bounds, (TRect{0, 0, 73, 27}));
  EXPECT_EQ(items[5].Bounds, (TRect{73, 0, 73, 27}));
  EXPECT_EQ(items[2].Bounds, (TRect{146, 0, 150, 27}));
  EXPECT_EQ(items[6].Bounds, (TRect{5, 5, 73, 27}));
}

TEST(DockItemsTest, TopAndBottomGoBeforeTheSidesAndNothingGoesNegative) {
  std::vector<TDockItem> items = {
      {alLeft, true, {0, 0, 30, 5}},
      {alTop, true, {0, 0, 10, 27}},
      {alBottom, true, {0, 0, 10, 37}},
      {alClient, true, {0, 0, 0, 0}},
      {alRight, true, {0, 0, 500, 5}},  // wider than what is left
  };
  DockItems({200, 100}, items);
  EXPECT_EQ(items[1].Bounds, (TRect{0, 0, 200, 27}));
  EXPECT_EQ(items[2].Bounds, (TRect{0, 63, 200, 37}));
  EXPECT_EQ(items[0].Bounds, (TRect{0, 27, 30, 36}));
  EXPECT_EQ(items[4].Bounds, (TRect{30, 27, 170, 36}));
  EXPECT_EQ(items[3].Bounds, (TRect{30, 27, 0, 36}));
}

TEST(FlowItemsTest, WrapsWhenTheRightMarginWouldBePassed) {
  // Button window: margins and spacing 10, width 146 leaves 126 per row.
  std::vector<TFlowItem> items = {
      {{70, 25}, true, {}}, {{46, 30}, true, {}},  // 10+70+10+46 = 136 <= 136
      {{1, 25}, true, {}},                         // 146 > 136: new row
      {{200, 20}, true, {}},                       // too wide for the rest: a new row
      {{50, 20}, false, {}},
  };
  TFlowResult r = FlowItems(146, 10, 10, 10, 10, items);
  EXPECT_EQ(items[0].Position.X, 10);
  EXPECT_EQ(items[1].Position.X, 90);
  EXPECT_EQ(items[1].Position.Y, 10);
  EXPECT_EQ(items[2].Position.X, 10);
  EXPECT_EQ(items[2].Position.Y, 50);  // 10 + tallest 30 + 10
  EXPECT_EQ(items[3].Position.X, 10);  // starts its own row, as it did not fit
  EXPECT_EQ(items[3].Position.Y, 85);
  EXPECT_EQ(r.Rows, 3);
  EXPECT_EQ(r.Bottom, 105);
}

TEST(FlowItemsTest, AnOversizedFirstItemStaysOnItsRow) {
  std::vector<TFlowItem> items = {{{300, 20}, true, {}}, {{10, 20}, true, {}}};
  TFlowResult r = FlowItems(100, 0, 0, 10, 10, items);
  EXPECT_EQ(items[0].Position.Y, 0);
  EXPECT_EQ(items[1].Position.Y, 30);
  EXPECT_EQ(r.Rows, 2);
}

TEST(BoxItemsTest, PercentagesShareTheFreeHeightAfterTheSpacing) {
  // Free: 300 − 2×20 − 21 − 29 = 210; minus 3 gaps of 2 = 204.
  std::vector<TBoxItem> items = {
      {21, 0, true, {}}, {0, 50, true, {}}, {29, 0, true, {}}, {0, 25, true, {}}, {9, 0, false, {}},
  };
  BoxItems({400, 300}, 20, 2, items);
  EXPECT_EQ(items[0].Bounds, (TRect{20, 20, 360, 21}));
  EXPECT_EQ(items[1].Bounds, (TRect{20, 43, 360, 102}));
  EXPECT_EQ(items[2].Bounds, (TRect{20, 147, 360, 29}));
  EXPECT_EQ(items[3].Bounds, (TRect{20, 178, 360, 51}));
}

TEST(BoxItemsTest, SharesRoundHalfToEven) {
  // (105 − 0) / 100 × 50 = 52.5 → 52; × 30 = 31.5 → 32.
  std::vector<TBoxItem> a = {{0, 50, true, {}}}, b = {{0, 30, true, {}}};
  BoxItems({10, 105}, 0, 0, a);
  BoxItems({10, 105}, 0, 0, b);
  EXPECT_EQ(a[0].Bounds.Height, 52);
  EXPECT_EQ(b[0].Bounds.Height, 32);
}

class DockingTest : public UiTest {};

TEST_F(DockingTest, AlignedChildrenDockInCreationOrderAndFollowTheParent) {
  TZEMainForm form;
  form.Width = 400;
  form.Height = 300;
  form.Init();
  TZEPanel bar, left, fill, hidden;
  bar.Parent = left.Parent = fill.Parent = hidden.Parent = &form;
  bar.Align = alTop;
  bar.Height = 27;
  left.Align = alLeft;
  left.Width = 50;
  hidden.Align = alLeft;
  hidden.Visible = false;
  fill.Align = alClient;
  bar.Init();
  hidden.Init();
  left.Init();
  fill.Init();
  EXPECT_EQ(W(fill).Bounds(), (TRect{50, 27, 350, 273}));
  EXPECT_EQ(W(left).Bounds(), (TRect{0, 27, 50, 273}));

  TData one;
  MakeInt(one, 1);
  hidden.SetVisible(one, 0);  // now takes its place before `left`
  EXPECT_EQ(W(hidden).Bounds(), (TRect{0, 27, 100, 273}));
  EXPECT_EQ(W(left).Bounds().Left, 100);
  EXPECT_EQ(W(fill).Bounds(), (TRect{150, 27, 250, 273}));

  W(form).SetBounds(TRect{0, 0, 500, 200});
  EXPECT_EQ(W(bar).Bounds(), (TRect{0, 0, 500, 27}));
  EXPECT_EQ(W(fill).Bounds(), (TRect{150, 27, 350, 173}));
}

class LayoutElementTest : public UiTest {};

TEST_F(LayoutElementTest, ControlsJoinByNameAndTheWindowGrowsToTheLastRow) {
  TZEMainForm form;
  form.Width = 146;
  form.Height = 48;
  form.Init();
  TZEToolBarLayout layout;
  layout.Name = "кнопки";
  layout.Container = &form;
  layout.MarginX = layout.MarginY = 10;
  layout.AutoHeight = true;
  layout.Init();
  std::vector<std::unique_ptr<TZEPanel>> panels;
  for (int width : {70, 46, 60}) {
    auto p = std::make_unique<TZEPanel>();
    p->Width = width;
    p->LayoutName = "кнопки";
    p->Init();
    panels.push_back(std::move(p));
  }
  EXPECT_EQ(W(*panels[0]).Parent(), form.Widget());
  EXPECT_EQ(W(*panels[1]).Bounds(), (TRect{90, 10, 46, 25}));
  EXPECT_EQ(W(*panels[2]).Bounds(), (TRect{10, 45, 60, 25}));
  EXPECT_EQ(W(form).ClientSize().Height, 80);

  panels.erase(panels.begin());  // a destroyed control leaves the layout
  EXPECT_EQ(W(*panels[0]).Bounds().Left, 10);
  EXPECT_EQ(W(*panels[1]).Bounds(), (TRect{66, 10, 60, 25}));
  EXPECT_EQ(W(form).ClientSize().Height, 45);
}

TEST_F(LayoutElementTest, VerticalBoxRowsTakeThePanelWidthAndFollowResizes) {
  TZEPanel list;
  list.Width = 422;
  list.Height = 263;
  list.Init();
  TZEVBoxLayout rows;
  rows.Name = "строки";
  rows.Container = &list;
  rows.Margin = 20;
  rows.Spacing = 2;
  rows.Init();
  TZEPanel a, b;
  a.Height = b.Height = 21;
  a.LayoutName = b.LayoutName = "строки";
  a.Init();
  b.Init();
  EXPECT_EQ(W(a).Bounds(), (TRect{20, 20, 382, 21}));
  EXPECT_EQ(W(b).Bounds(), (TRect{20, 43, 382, 21}));
  W(list).SetBounds(TRect{0, 0, 300, 263});
  EXPECT_EQ(W(b).Bounds(), (TRect{20, 43, 260, 21}));
}

}  // namespace
}  // namespace zorn::ui
