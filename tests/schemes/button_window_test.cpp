// The button window on the headless backend and the virtual clock, with
// real INI files in a private program folder: loading [buttonForm], the
// four kinds of buttons and the lines they send, re-sending after a
// connect, the flow of the panels, the popup menu and its commands, adding
// from the controller's block list and the search for a free key.
#include "app/button_window/button_window.h"

#include <memory>
#include <sstream>

#include "app/button_window/button_item.h"
#include "app/button_window/button_records.h"
#include "elements/str_list.h"
#include "support/main_form.h"

namespace zorn::test {
namespace {

using ui::headless::THeadlessMenu;
using ui::headless::vkBack;
using ui::headless::vkEnd;
using ui::headless::vkEscape;
using ui::headless::vkReturn;
using Values = std::vector<std::string>;
using Window = TClassChildForm_ButtonWindow;
using Item = TClassChildPanelEx_ButtonItem;
constexpr auto kRight = ui::TMouseButton::Right;

TData& Global(const char* name) { return TZEGlobalVar::Variable(name); }

class ButtonWindowTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    outputBlocks = std::make_unique<TZEStrList>();
    outputBlocks->SetStrings("\r\n");  // the main panel's list starts so
    host = Host(2, 2);
    host->Events[Window::OnSend] = MakeWire(0, &TProbe::Take, &sent);
    host->Events[Window::OnEdit] = MakeWire(1, &TProbe::Take, &edits);
    host->DataInputs[Window::Picture] = PictureOutput();
    host->DataInputs[Window::OutputBlocks] = MakeWire(0, &TZEStrList::Array, outputBlocks.get());
    host->SetFactory(&SchemeFactory<Window>);
    StartDispatch();
  }
  void TearDown() override {
    host.reset();
    outputBlocks.reset();
    MainFormTest::TearDown();
  }

  Window& Win() { return *static_cast<Window*>(host->Child->Scheme); }
  size_t Panels() { return Win().buttons->Instances.size(); }
  Item& Panel(size_t i) { return *static_cast<Item*>(Win().buttons->Instances.at(i)->Scheme); }
  void Act(uint16_t action, TData value) { Fire(MakeWire(action, &TZEMultiElement::Action, host.get()), value); }
  void Reload() { Act(Window::Reload, TData{}); }
  void Int(uint16_t action, int32_t v) { FireInt(MakeWire(action, &TZEMultiElement::Action, host.get()), v); }
  void Str(uint16_t action, const std::string& s) { FireStr(MakeWire(action, &TZEMultiElement::Action, host.get()), s); }

  // Writes [buttonForm] of user_settings.ini with these lines, shows the
  // window (hidden controls take no input) and reloads.
  void Load(const Values& lines) {
    if (!W(*Win().form).Visible()) Int(Window::SetShown, 1);
    std::string text = "[buttonForm]\r\n";
    for (const auto& line : lines) text += line + "\r\n";
    folder.Write("user_settings.ini", text);
    Reload();
  }
  // Records unit_<n> for every n given, all pulse buttons.
  static Values Units(std::initializer_list<int> numbers) {
    Values lines;
    for (int n : numbers) lines.push_back("unit_" + std::to_string(n) + "=5;" + std::to_string(n) + ";1;0;B;70;0");
    return lines;
  }

  std::string Tip(ui::IWidget* control) {
    return dynamic_cast<ui::headless::THeadlessToolTips&>(backend.ToolTips()).TipOf(control);
  }
  THeadlessMenu& Menu() { return ui::headless::Of(Win().menu->Menu()); }
  // "+" enabled, "-" disabled, "v" checked, for the items 0, 1, 2 and 4.
  std::string MenuState() {
    std::string s;
    for (int i : {0, 1, 2, 4}) {
      const auto& item = Menu().Items()[i];
      s += item.Enabled ? "+" : "-";
      if (item.Checked) s += "v";
    }
    return s;
  }
  // A right press on a panel's visible control.
  void MenuOn(ui::TZEWin& control) {
    W(control).Press(kRight);
    W(control).Release(kRight);
  }
  void MenuOnWindow() {
    W(*Win().background).Press(kRight);
    W(*Win().background).Release(kRight);
  }
  // The records' keys as the list host's panels show them, in order.
  Values Captions() {
    Values c;
    for (size_t i = 0; i < Panels(); ++i) c.push_back(W(*Panel(i).pulseButton).Text());
    return c;
  }
  // Which of the four controls show: pulse, toggle, hold, set-value.
  std::string Shown(Item& p) {
    std::string s;
    for (ui::TZEWin* c : std::initializer_list<ui::TZEWin*>{p.pulseButton, p.toggle, p.holdButton, p.setValueButton}) {
      s += W(*c).Visible() ? "1" : "0";
    }
    return s;
  }
  void ReplaceField(Item& p, const std::string& text) {
    auto& field = W(*p.valueField);
    ASSERT_TRUE(field.Key(vkEnd));
    for (size_t n = field.Text().size(); n > 0; --n) field.Key(vkBack);
    ASSERT_EQ(field.Text(), "");
    field.Type(text);
  }

  std::unique_ptr<TZEStrList> outputBlocks;
  TProbe sent;
  TProbe edits;
};

TEST_F(ButtonWindowTest, WindowStartsHiddenWithItsMenuAndOneEmptyPanel) {
  auto& w = W(*Win().form);
  EXPECT_EQ(w.Text(), "Form");
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.Args().BorderStyle, 7);
  EXPECT_EQ(Panels(), 1u);  // the list host starts with one instance
  Values items;
  for (const auto& item : Menu().Items()) items.push_back(item.Separator ? "-" : item.Text);
  EXPECT_EQ(items, (Values{"Редактировать", "Добавить кнопку", "Удалить кнопку", "-", "Поверх окон",
                           "-", "Закрыть окно"}));
}

TEST_F(ButtonWindowTest, ReloadKeepsTheMatchingLinesInFileOrder) {
  Load({"unit_3=5;12;1;0;Pump;70;0",
        "unit_4=5;12;1;0;Six;70",           // six fields
        "Unit_5=6;7;255;2;Hold;80;0",       // the key's case does not matter
        "buttonX=5;1;1;0;X;70;0",           // no unit key
        "unit_6=15;1;1;0;Two;70;0",         // a two-digit type code
        "unit_7=5;1;1;12;Two;70;0",         // a two-digit kind
        "unit_8=5;12;1;0;Pu;mp;70;0"});     // a ";" in the caption shifts the fields
  ASSERT_EQ(Panels(), 3u);
  EXPECT_EQ(ArrayTexts([&] {
              TData a;
              Win().records->DataOutput(a, TClassMultiElement_ButtonRecords::Records);
              return a;
            }()),
            (Values{"unit_3;5;12;1;0;Pump;70;0", "Unit_5;6;7;255;2;Hold;80;0", "unit_8;5;12;1;0;Pu;mp;70;0"}));

  Item& pump = Panel(0);
  EXPECT_EQ(Shown(pump), "1000");
  EXPECT_EQ(W(*pump.pulseButton).Text(), "Pump");
  EXPECT_EQ(W(*pump.panel).Bounds().Width, 70);
  EXPECT_EQ(Tip(pump.pulseButton->Widget()),
            "Блок: №12 (bool), Кнопка импульсная, Значение на выходе: \"1\"");
  EXPECT_EQ(W(*pump.panel).Parent(), Win().form->Widget());

  Item& hold = Panel(1);
  EXPECT_EQ(Shown(hold), "0010");
  EXPECT_EQ(W(*hold.holdButton).Text(), "Hold");
  EXPECT_EQ(W(*hold.panel).Bounds().Width, 80);
  EXPECT_EQ(Tip(hold.holdButton->Widget()),
            "Блок: №7 (int), Кнопка с зажатием, Значение на выходе: \"255\"");

  Item& shifted = Panel(2);
  EXPECT_EQ(W(*shifted.pulseButton).Text(), "Pu");
  EXPECT_EQ(W(*shifted.panel).Bounds().Width, 0);  // "mp" reads as 0

  // The background comes from the main window's picture.
  EXPECT_EQ(W(*Win().background).Bitmap(), W(*picture).Bitmap());
}

TEST_F(ButtonWindowTest, KindsOutsideTheFourShowNoControlAndTypesWithoutNameShowNone) {
  Load({"unit_1=0;4;1;7;Odd;70;0", "unit_2=9;5;1;1;Nine;70;0"});
  ASSERT_EQ(Panels(), 2u);
  EXPECT_EQ(Shown(Panel(0)), "0000");
  EXPECT_EQ(Shown(Panel(1)), "0100");
  EXPECT_EQ(Tip(Panel(1).toggle->Widget()),
            "Блок: №5 (), Переключятель, Значение на выходе: \"1\"");
}

TEST_F(ButtonWindowTest, PulseAndHoldButtonsSendOnTheLeftButtonOnly) {
  Load({"unit_1=5;12;1;0;Pulse;70;0", "unit_2=6;7;255;2;Hold;70;0"});
  auto& pulse = W(*Panel(0).pulseButton);
  pulse.Press();
  EXPECT_EQ(sent.Seen, (Values{"str 1;12"}));
  pulse.Release();
  EXPECT_EQ(sent.Seen.size(), 1u);

  auto& hold = W(*Panel(1).holdButton);
  hold.Press();
  hold.Release();
  EXPECT_EQ(sent.Seen, (Values{"str 1;12", "str 255;7", "str 0;7"}));
  // It keeps the mouse while pressed, so a release off the button counts.
  EXPECT_TRUE(hold.MouseCaptureOption());
  EXPECT_FALSE(pulse.MouseCaptureOption());

  // A right press opens the menu and sends neither line.
  hold.Press(kRight);
  hold.Release(kRight);
  pulse.Press(kRight);
  pulse.Release(kRight);
  EXPECT_EQ(sent.Seen.size(), 3u);

  // The second press of a quick double press is reported as a double click
  // only, and still sends; the right button's double click sends nothing.
  sent.Seen.clear();
  pulse.DoubleClick();
  hold.DoubleClick();
  EXPECT_EQ(sent.Seen, (Values{"str 1;12", "str 1;12", "str 255;7", "str 0;7", "str 255;7", "str 0;7"}));
  Menu().Dismiss();
  hold.DoubleClick(kRight);
  EXPECT_EQ(sent.Seen.size(), 6u);
}

TEST_F(ButtonWindowTest, EveryPressOfAQuickDoublePressCountsHoweverItEnds) {
  Load({"unit_1=6;7;255;2;Hold;70;0", "unit_2=5;4;0;1;Lamp;70;0"});
  auto& hold = W(*Panel(0).holdButton);
  // The second press slides off the button before it is let go.
  hold.Click();
  hold.DoublePress();
  hold.ReleaseOutside();
  EXPECT_EQ(sent.Seen, (Values{"str 255;7", "str 0;7", "str 255;7", "str 0;7"}));
  // Or another window takes the mouse while it is held.
  sent.Seen.clear();
  hold.Click();
  hold.DoublePress();
  hold.LoseCapture();
  EXPECT_EQ(sent.Seen, (Values{"str 255;7", "str 0;7", "str 255;7", "str 0;7"}));

  // Two quick clicks on a toggle flip it twice and send twice.
  sent.Seen.clear();
  auto& toggle = W(*Panel(1).toggle);
  toggle.DoubleClick();
  EXPECT_EQ(sent.Seen, (Values{"str 1;4", "str 0;4"}));
  EXPECT_FALSE(toggle.Checked());
}

TEST_F(ButtonWindowTest, ToggleSendsTheStateItIsAboutToTake) {
  Load({"unit_1=5;9;0;1;Lamp;70;0", "unit_2=5;3;1;0;Other;70;0"});
  Item& p = Panel(0);
  auto& toggle = W(*p.toggle);
  EXPECT_EQ(toggle.Text(), "Lamp");
  toggle.Click();
  EXPECT_TRUE(toggle.Checked());
  toggle.Click();
  EXPECT_FALSE(toggle.Checked());
  EXPECT_EQ(sent.Seen, (Values{"str 1;9", "str 0;9"}));  // the record's value plays no part
  toggle.Click(kRight);
  EXPECT_FALSE(toggle.Checked());
  EXPECT_EQ(sent.Seen.size(), 2u);

  // Checked again, then a reload: unchecked, and nothing sent until a resync.
  toggle.Click();
  sent.Seen.clear();
  Reload();
  EXPECT_FALSE(W(*Panel(0).toggle).Checked());
  EXPECT_TRUE(sent.Seen.empty());
  Int(Window::Resync, 1);
  EXPECT_EQ(sent.Seen, (Values{"str 0;9"}));
  W(*Panel(0).toggle).Click();
  Int(Window::Resync, 1);
  EXPECT_EQ(sent.Seen, (Values{"str 0;9", "str 1;9", "str 1;9"}));
}

TEST_F(ButtonWindowTest, SetValueButtonEditsItsValueInPlace) {
  Load({"unit_1=6;3;40;3;Speed;90;0"});
  Item& p = Panel(0);
  auto& button = W(*p.setValueButton);
  auto& field = W(*p.valueField);
  EXPECT_EQ(Shown(p), "0001");
  EXPECT_EQ(button.Text(), "Speed: 40");
  button.Click();
  EXPECT_FALSE(field.Visible());

  button.DoubleClick();
  EXPECT_TRUE(field.Visible());
  EXPECT_FALSE(button.Visible());
  EXPECT_TRUE(field.Focused()) << "the opened field takes the keys";
  ReplaceField(p, "55");
  field.Key(vkReturn);
  EXPECT_EQ(sent.Seen, (Values{"str 55;3"}));
  EXPECT_FALSE(field.Visible());
  EXPECT_TRUE(button.Visible());
  EXPECT_EQ(button.Text(), "Speed: 55");

  // Escape closes without sending and keeps the caption.
  button.DoubleClick();
  ReplaceField(p, "77");
  field.Key(vkEscape);
  EXPECT_FALSE(field.Visible());
  EXPECT_TRUE(button.Visible());
  EXPECT_EQ(button.Text(), "Speed: 55");
  EXPECT_EQ(sent.Seen.size(), 1u);
  // The cancelled text is gone: the field and a resync keep the value sent last.
  EXPECT_EQ(field.Text(), "55");
  Int(Window::Resync, 1);
  EXPECT_EQ(sent.Seen, (Values{"str 55;3", "str 55;3"}));
  EXPECT_EQ(button.Text(), "Speed: 55");
  button.DoubleClick();
  EXPECT_EQ(field.Text(), "55");
  field.Key(vkEscape);

  Reload();
  EXPECT_EQ(W(*Panel(0).setValueButton).Text(), "Speed: 40");
  EXPECT_EQ(W(*Panel(0).valueField).Text(), "40");
}

TEST_F(ButtonWindowTest, ResyncSendsTogglesAndSetValuesInListOrder) {
  Load({"unit_1=5;1;1;0;P;70;0", "unit_2=5;2;1;1;T;70;0", "unit_3=5;3;1;2;H;70;0",
        "unit_4=6;4;40;3;S;70;0"});
  Int(Window::Resync, 0);
  Int(Window::Resync, 2);
  EXPECT_TRUE(sent.Seen.empty());
  Int(Window::Resync, 1);
  EXPECT_EQ(sent.Seen, (Values{"str 0;2", "str 40;4"}));

  // An open value field is closed and its text sent, caption refreshed.
  Item& s = Panel(3);
  W(*s.setValueButton).DoubleClick();
  ReplaceField(s, "41");
  Int(Window::Resync, 1);
  EXPECT_EQ(sent.Seen.back(), "str 41;4");
  EXPECT_FALSE(W(*s.valueField).Visible());
  EXPECT_TRUE(W(*s.setValueButton).Visible());
  EXPECT_EQ(W(*s.setValueButton).Text(), "S: 41");
}

TEST_F(ButtonWindowTest, PanelsFlowInRowsAndTheWindowTakesTheirHeight) {
  auto& form = W(*Win().form);
  form.SetBounds(ui::TRect{35, 105, 200, 48});
  Load(Units({1, 2, 3, 4}));
  std::vector<ui::TPoint> at;
  for (size_t i = 0; i < Panels(); ++i) {
    ui::TRect r = W(*Panel(i).panel).Bounds();
    at.push_back({r.Left, r.Top});
  }
  ASSERT_EQ(at.size(), 4u);
  EXPECT_EQ(at[0].X, 10);
  EXPECT_EQ(at[0].Y, 10);
  EXPECT_EQ(at[1].X, 90);
  EXPECT_EQ(at[1].Y, 10);
  EXPECT_EQ(at[2].X, 10);
  EXPECT_EQ(at[2].Y, 45);
  EXPECT_EQ(at[3].X, 90);
  EXPECT_EQ(at[3].Y, 45);
  EXPECT_EQ(form.ClientSize().Height, 80);

  Load(Units({1}));
  EXPECT_EQ(form.ClientSize().Height, 45);
}

TEST_F(ButtonWindowTest, MenuItemsFollowWhereThePressWasAndTheReportedBlocks) {
  Load(Units({1, 2}));
  EXPECT_FALSE(Menu().Open());
  W(*Panel(1).pulseButton).Press(kRight);
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(MenuState(), "+-++");  // no output block reported yet
  Menu().Dismiss();

  MenuOnWindow();
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(MenuState(), "---+");
  EXPECT_FALSE(Menu().Pick(0));  // disabled
  EXPECT_TRUE(edits.Seen.empty());

  outputBlocks->SetStrings("\r\n5;12");
  MenuOn(*Panel(0).pulseButton);
  EXPECT_EQ(MenuState(), "++++");
  MenuOnWindow();
  EXPECT_EQ(MenuState(), "-+-+");
  EXPECT_EQ(Menu().Popups(), 4);
}

TEST_F(ButtonWindowTest, EditAddAndDeleteWorkOnTheChosenRecord) {
  outputBlocks->SetStrings("\r\n5;12");
  Load({"unit_1=5;1;1;0;A;70;0", "Unit_2=5;2;1;0;B;70;0", "unit_4=5;4;1;0;D;70;0"});
  MenuOn(*Panel(1).pulseButton);
  EXPECT_TRUE(Menu().Pick(0));
  EXPECT_EQ(edits.Seen, (Values{"str 1;Unit_2"}));

  MenuOn(*Panel(2).pulseButton);
  EXPECT_TRUE(Menu().Pick(1));
  EXPECT_EQ(edits.Seen.back(), "str 1;unit_3");
  std::string before = folder.Read("user_settings.ini");

  MenuOn(*Panel(0).pulseButton);
  EXPECT_TRUE(Menu().Pick(2));
  EXPECT_EQ(Captions(), (Values{"B", "D"}));
  std::string after = folder.Read("user_settings.ini");
  EXPECT_EQ(after.find("unit_1="), std::string::npos);
  EXPECT_NE(after.find("Unit_2=5;2;1;0;B;70;0"), std::string::npos);
  EXPECT_NE(before.find("unit_1="), std::string::npos);  // the add wrote nothing
  EXPECT_EQ(before.find("unit_3"), std::string::npos);

  // The remembered position outlives the reload; past the end it does nothing.
  MenuOn(*Panel(1).pulseButton);
  Load(Units({1}));
  EXPECT_TRUE(Menu().Pick(2));
  EXPECT_EQ(Panels(), 1u);
  EXPECT_NE(folder.Read("user_settings.ini").find("unit_1="), std::string::npos);
}

TEST_F(ButtonWindowTest, TopmostTogglesAndShowsItsCheckMark) {
  Load(Units({1}));
  MenuOnWindow();
  EXPECT_TRUE(Menu().Pick(4));
  EXPECT_TRUE(W(*Win().form).Topmost());
  MenuOnWindow();
  EXPECT_EQ(MenuState(), "---+v");
  EXPECT_TRUE(Menu().Pick(4));
  EXPECT_FALSE(W(*Win().form).Topmost());
  MenuOnWindow();
  EXPECT_EQ(MenuState(), "---+");
}

TEST_F(ButtonWindowTest, ALeftPressOnTheWindowDragsIt) {
  Load(Units({1}));
  auto& form = W(*Win().form);
  W(*Win().background).Press();
  W(*Win().background).Release();
  EXPECT_EQ(form.Drags(), 1);
  MenuOnWindow();
  W(*Panel(0).pulseButton).Click();  // the buttons keep their own presses
  EXPECT_EQ(form.Drags(), 1);
}

TEST_F(ButtonWindowTest, ShowingAndClosingWriteTheFlag) {
  Int(Window::SetShown, 1);
  EXPECT_TRUE(W(*Win().form).Visible());
  EXPECT_EQ(ToInt(Global("visible_button")), 1);
  EXPECT_NE(folder.Read("config.ini").find("visible=1"), std::string::npos);

  MenuOnWindow();
  EXPECT_TRUE(Menu().Pick(6));
  EXPECT_FALSE(W(*Win().form).Visible());
  EXPECT_EQ(ToInt(Global("visible_button")), 0);
  std::string config = folder.Read("config.ini");
  EXPECT_NE(config.find("[buttonForm]"), std::string::npos);
  EXPECT_NE(config.find("visible=0"), std::string::npos);
}

TEST_F(ButtonWindowTest, AddFromListWritesTheDefaultRecordAndAsksForTheEditorLater) {
  Load(Units({1, 2, 4}));
  Str(Window::AddFromList, "5;12");
  std::string file = folder.Read("user_settings.ini");
  EXPECT_NE(file.find("unit_3=5;12;1;0;12;70;0"), std::string::npos) << file;
  loop.Advance(9);
  EXPECT_TRUE(edits.Seen.empty());
  loop.Advance(1);
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_3"}));
  EXPECT_EQ(Panels(), 3u);  // the window reloads after the editor saved
  loop.Advance(100);
  EXPECT_EQ(edits.Seen.size(), 1u);

  // A text without both numbers makes no record.
  Str(Window::AddFromList, "12");
  loop.Advance(20);
  EXPECT_EQ(edits.Seen.size(), 1u);
  EXPECT_EQ(folder.Read("user_settings.ini"), file);
}

TEST_F(ButtonWindowTest, WithEveryKeyTakenAddingIsRefused) {
  Values lines;
  for (int n = 0; n <= 100; ++n) lines.push_back("unit_" + std::to_string(n) + "=5;1;1;0;K;70;0");
  Load(lines);
  ASSERT_EQ(Panels(), 101u);
  std::string file = folder.Read("user_settings.ini");
  outputBlocks->SetStrings("\r\n5;12");
  MenuOn(*Panel(0).pulseButton);
  EXPECT_TRUE(Menu().Pick(1));
  Str(Window::AddFromList, "5;12");
  loop.Advance(50);
  EXPECT_TRUE(edits.Seen.empty());
  EXPECT_EQ(folder.Read("user_settings.ini"), file);

  // unit_0 is the last key tried.
  lines.erase(lines.begin());
  Load(lines);
  MenuOn(*Panel(0).pulseButton);
  EXPECT_TRUE(Menu().Pick(1));
  EXPECT_EQ(edits.Seen, (Values{"str 1;unit_0"}));
}

}  // namespace
}  // namespace zorn::test
