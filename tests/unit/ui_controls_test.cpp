// The common points of visual elements and the small controls: font rule,
// visibility, hints, gradient buttons, labels, images and the tray icon.
#include <gtest/gtest.h>

#include "platform/resources.h"
#include "support/ui.h"
#include "ui/elements/hint_manager.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"
#include "ui/elements/tray_icon.h"
#include "ui/elements/value_holders.h"

namespace zorn::ui {
namespace {

using headless::THeadlessWidget;
using test::TProbe;
using test::UiTest;
using Seen = std::vector<std::string>;

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

class ControlsTest : public UiTest {};

TEST_F(ControlsTest, FontHeightRuleWithTheDpiReadOnce) {
  EXPECT_EQ(FontPixelHeight(8), -11);
  EXPECT_EQ(FontPixelHeight(10), -13);
  EXPECT_EQ(FontPixelHeight(12), -16);
  backend.SetScreen({1024, 768}, 120);
  EXPECT_EQ(FontPixelHeight(8), -11);  // cached
  EXPECT_EQ(backend.DpiQueries(), 1);
  ResetUiForTests();
  EXPECT_EQ(FontPixelHeight(8), -13);  // −(960 + 36) / 72 = −13.8
  TZEPanel parent;
  parent.Font = {"Times New Roman", 12, 1, 0xFF, 204};
  parent.Init();
  TZELabel inherits, own;
  inherits.Parent = own.Parent = &parent;
  inherits.ParentFont = true;
  inherits.Init();
  own.Init();
  EXPECT_EQ(W(inherits).Font(), (TFontSpec{"Times New Roman", -20, 1, 0xFF, 204}));
  EXPECT_EQ(W(own).Font().Name, "MS Sans Serif");
}

TEST_F(ControlsTest, ColourDefaultsToTheParentsAndVisibilityReadsNonZero) {
  TZEPanel parent, child;
  parent.Color = 0xC0C0C0;
  parent.Init();
  child.Parent = &parent;
  child.Init();
  EXPECT_EQ(W(child).Color(), 0xC0C0C0u);
  for (int32_t v : {0, 1, -7, 0, 256}) {
    TData d = Int(v);
    child.SetVisible(d, 0);
    EXPECT_EQ(W(child).Visible(), v != 0) << v;
  }
}

TEST_F(ControlsTest, HintsRegisterWithTheSharedServiceWhileElementsLive) {
  TZEHintManager manager;
  manager.Name = "подсказки";
  manager.InitialDelayMs = 400;
  {
    TzeButtonRush a, b;
    a.Hint = "Настройки соединения";
    a.Init();
    b.Init();
    manager.Init();
    auto* tips = backend.ToolTipsIfMade();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->TipOf(a.Widget()), "Настройки соединения");
    EXPECT_EQ(tips->Count(), 1u);
    EXPECT_EQ(tips->InitialMs(), 400u);
    EXPECT_EQ(tips->Font().Name, "Tahoma");
    TData text;
    MakeStr(text, "Номер порта");
    b.SetHint(text, 0);
    EXPECT_EQ(tips->TipOf(b.Widget()), "Номер порта");
  }
  EXPECT_EQ(backend.ToolTipsIfMade(), nullptr);  // freed with the last element
}

TEST_F(ControlsTest, ButtonClickCarriesItsDataForTheLeftButtonOnly) {
  TzeButtonRush button;
  MakeStr(button.Data, "1;12");
  button.Init();
  TProbe clicks, downs;
  button.OnClick = MakeWire(0, &TProbe::Take, &clicks);
  button.OnMouseDown = MakeWire(0, &TProbe::Take, &downs);
  W(button).Click(TMouseButton::Right);
  W(button).Click();
  EXPECT_EQ(clicks.Seen, Seen{"str 1;12"});
  EXPECT_EQ(downs.Seen, (Seen{"int 1", "int 0"}));
  TData off = Int(0);
  button.SetEnabled(off, 0);
  EXPECT_FALSE(W(button).Click());  // a disabled control gets no mouse
  EXPECT_EQ(clicks.Seen.size(), 1u);
}

TEST_F(ControlsTest, CheckBoxUserClickFiresCheckThenClickWithTheNewState) {
  TzeCheckBoxRush box;
  box.Init();
  Seen order;
  test::TCall check([&](TData& d, uint16_t) { order.push_back("check " + ToStr(d)); });
  test::TCall click([&](TData& d, uint16_t) { order.push_back("click " + ToStr(d)); });
  test::TCall down([&](TData&, uint16_t) {
    TData state;
    box.Value(state, 0);
    order.push_back("down sees " + ToStr(state));
  });
  box.OnCheck = MakeWire(0, &test::TCall::Take, &check);
  box.OnClick = MakeWire(0, &test::TCall::Take, &click);
  box.OnMouseDown = MakeWire(0, &test::TCall::Take, &down);
  W(box).Click();
  EXPECT_EQ(order, (Seen{"down sees 0", "check 1", "click 1"}));
  EXPECT_TRUE(W(box).Checked());
  order.clear();
  TData off = Int(0);
  box.SetCheck(off, 0);
  EXPECT_EQ(order, Seen{"check 0"});
  EXPECT_FALSE(W(box).Checked());
}

TEST_F(ControlsTest, RadioButtonsOfOneParentExcludeEachOther) {
  TZEPanel group, other;
  group.Init();
  other.Init();
  TzeRadioButtonRush serial, tcp, elsewhere;
  serial.Parent = tcp.Parent = &group;
  elsewhere.Parent = &other;
  serial.Checked = true;
  elsewhere.Checked = true;
  for (auto* r : {&serial, &tcp, &elsewhere}) r->Init();
  TProbe selected;
  tcp.OnSelect = MakeWire(0, &TProbe::Take, &selected);
  W(tcp).Click();
  EXPECT_EQ(selected.Seen, Seen{"int 1"});
  EXPECT_TRUE(W(tcp).Checked());
  EXPECT_FALSE(W(serial).Checked());
  EXPECT_TRUE(W(elsewhere).Checked());
  TData on = Int(1);
  serial.SetCheck(on, 0);
  EXPECT_FALSE(W(tcp).Checked());
  EXPECT_EQ(selected.Seen.size(), 1u);
}

TEST_F(ControlsTest, LabelHoverLookAndWhatItsClickCarries) {
  TZELabel label;
  label.Text = "Label";
  label.HoverColor = 0x0000FF;
  label.HoverUnderline = true;
  label.Font.Color = 0xFFFF00;
  label.Init();
  TProbe clicks;
  label.OnClick = MakeWire(0, &TProbe::Take, &clicks);
  W(label).Hover();
  EXPECT_EQ(W(label).Font().Color, 0x0000FFu);
  EXPECT_EQ(W(label).Font().Style, 4);
  W(label).Unhover();
  EXPECT_EQ(W(label).Font().Color, 0xFFFF00u);
  EXPECT_EQ(W(label).Font().Style, 0);
  W(label).Click();
  label.SendText = true;
  W(label).Click();
  EXPECT_EQ(clicks.Seen, (Seen{"null", "str Label"}));
  // An empty argument takes the text input.
  test::TSource source;
  MakeStr(source.Answer, "из входа");
  label.TextInput = MakeWire(0, &test::TSource::Value, &source);
  TData empty;
  label.SetText(empty, 0);
  EXPECT_EQ(W(label).Text(), "из входа");
  TData given;
  MakeStr(given, "дано");
  label.SetText(given, 0);
  EXPECT_EQ(W(label).Text(), "дано");
  EXPECT_EQ(source.Reads, 1);
}

TEST_F(ControlsTest, ImagesShareBitmapsAndAutoSize) {
  // A bitmap resource: a DIB header of 25 by 25 pixels.
  static const uint8_t dib[40] = {40, 0, 0, 0, 25, 0, 0, 0, 25, 0, 0, 0, 1, 0, 24, 0};
  platform::RegisterEmbeddedResource("UITEST_BMP", 2, dib, sizeof dib);
  TZEBitmap holder;
  holder.ResourceName = "UITEST_BMP";
  holder.Init();
  TZEImage image;
  image.AutoSize = true;
  image.Init();
  TData bmp;
  holder.Bitmap(bmp, 0);
  ASSERT_EQ(bmp.Kind, dtBitmap);
  image.Load(bmp, 0);
  EXPECT_EQ(W(image).Bounds().Width, 25);
  EXPECT_EQ(W(image).Bitmap().get(), bmp.Object);
  TData notBitmap = Int(3);
  image.Load(notBitmap, 0);  // leaves the picture
  EXPECT_NE(W(image).Bitmap(), nullptr);
  TZEImage missing;
  missing.Picture = "NO_SUCH_BITMAP";
  missing.Init();
  TData out;
  missing.Bitmap(out, 0);
  EXPECT_EQ(out.Kind, dtNull);
}

class TrayTest : public UiTest {};

TEST_F(TrayTest, MouseEventsCarryTheButtonAndTheIconComesBackAfterATaskbarRestart) {
  TZEMainForm form;
  form.Init();
  TZETrayIcon tray;
  tray.Form = &form;
  tray.Tip = std::string(70, 'x');
  tray.BalloonTitle = "Внимание";
  tray.Init();
  auto& icon = headless::Of(tray.Tray());
  TProbe down, up, clicks, dbl;
  tray.OnMouseDown = MakeWire(0, &TProbe::Take, &down);
  tray.OnMouseUp = MakeWire(0, &TProbe::Take, &up);
  tray.OnClick = MakeWire(0, &TProbe::Take, &clicks);
  tray.OnDblClick = MakeWire(0, &TProbe::Take, &dbl);
  icon.Mouse(TTrayMouse::Down);
  EXPECT_TRUE(down.Seen.empty());  // not in the tray yet
  TData none;
  tray.Show(none, 1);
  ASSERT_TRUE(icon.Added());
  EXPECT_EQ(icon.Tip().size(), 63u);
  icon.Mouse(TTrayMouse::Down, TMouseButton::Right);
  icon.Mouse(TTrayMouse::Up, TMouseButton::Right);
  icon.Mouse(TTrayMouse::DblClick, TMouseButton::Middle);
  EXPECT_EQ(down.Seen, Seen{"int 1"});
  EXPECT_EQ(up.Seen, Seen{"int 1"});
  EXPECT_EQ(clicks.Seen, Seen{"int 1"});
  EXPECT_EQ(dbl.Seen, Seen{"int 2"});
  icon.RestartTaskbar();
  EXPECT_TRUE(icon.Added());
  EXPECT_EQ(icon.Adds(), 2);
  TData text;
  MakeStr(text, "ERROR блок 5");
  tray.Balloon(text, 0);
  ASSERT_EQ(icon.Balloons().size(), 1u);
  EXPECT_EQ(icon.Balloons()[0].Title, "Внимание");
  EXPECT_EQ(icon.Balloons()[0].Text, "ERROR блок 5");
}

TEST_F(TrayTest, MinimisingHidesToTheTrayAndRestoringBringsTheWindowBack) {
  TZEMainForm form;
  form.Init();
  StartDispatch();
  TZETrayIcon tray;
  tray.Form = &form;
  tray.HideOnMinimize = true;
  tray.Init();
  auto& icon = headless::Of(tray.Tray());
  ASSERT_TRUE(W(form).UserMinimize());
  EXPECT_FALSE(W(form).Visible());
  EXPECT_TRUE(icon.Added());
  TData none;
  tray.Restore(none, 0);
  EXPECT_TRUE(W(form).Visible());
  EXPECT_FALSE(W(form).Minimized());
  EXPECT_FALSE(icon.Added());
  EXPECT_EQ(backend.ActiveForm(), form.Widget());
  // An icon the scheme showed stays through a minimise and restore.
  tray.Show(none, 0);
  W(form).UserMinimize();
  tray.Restore(none, 0);
  EXPECT_TRUE(icon.Added());
}

}  // namespace
}  // namespace zorn::ui
