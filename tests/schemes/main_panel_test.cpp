// The main panel on the headless backend and the virtual clock: its tool
// bar, start and stop with the reconnection cycle, the status picture and
// the live-link flag, the lists of reported blocks and their menu, the
// operator-window buttons, the raw-line window and the reset button.
#include <array>
#include <memory>

#include "link/panel/direct_input.h"
#include "link/panel/main_panel.h"
#include "link/panel/reply_parser.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "support/ui.h"
#include "ui/elements/main_form.h"

namespace zorn::test {
namespace {

using MainPanel = TClassChildPanel_MainPanel;

using ui::headless::THeadlessBitmap;
using ui::headless::THeadlessMenu;
using Values = std::vector<std::string>;

class MainPanelTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    platform::SetEventLoop(&loop);
    ResetRuntimeForTests();  // built in the construction phase, as in the program
    form = std::make_unique<ui::TZEMainForm>();
    form->Width = 438;
    form->Height = 328;
    form->Init();
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(9);
    host->SetDataInputCount(0);
    host->ParentControl = form.get();
    for (uint16_t i = 0; i < 9; ++i) host->Events[i] = MakeWire(i, &TProbe::Take, &outputs[i]);
    host->SetFactory(&SchemeFactory<TClassChildPanel_MainPanel>);
    StartDispatch();  // the start handlers show the main form
  }
  void TearDown() override {
    host.reset();
    form.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }

  TClassChildPanel_MainPanel& Panel() {
    return *static_cast<TClassChildPanel_MainPanel*>(host->Child->Scheme);
  }
  void Reply(const std::string& line) {
    FireStr(MakeWire(MainPanel::Line, &TZEMultiElement::Action, host.get()), line);
  }
  void Status(int32_t code) {
    FireInt(MakeWire(MainPanel::Status, &TZEMultiElement::Action, host.get()), code);
  }
  void Lost() { FireNull(MakeWire(MainPanel::Lost, &TZEMultiElement::Action, host.get())); }
  static void SetGlobal(const char* name, int32_t value) { MakeInt(TZEGlobalVar::Variable(name), value); }
  static int32_t LiveFlag() { return ToInt(TZEGlobalVar::Variable("стат.  соед")); }

  // The name of the bitmap the status picture shows.
  std::string Picture() {
    const auto& bitmap = W(*Panel().statusPicture).Bitmap();
    return bitmap ? static_cast<const THeadlessBitmap&>(*bitmap).Name : "";
  }
  THeadlessMenu& Menu() { return ui::headless::Of(Panel().blockMenu->Menu()); }
  std::vector<std::string> MenuTexts() {
    std::vector<std::string> texts;
    for (const auto& item : Menu().Items()) texts.push_back(item.Text);
    return texts;
  }
  // The items of a block list, read through the panel's data output.
  std::vector<std::string> BlockList(uint16_t output) {
    TData array;
    host->DataOutput(array, output);
    return ArrayTexts(array);
  }

  platform::TVirtualLoop loop;
  std::unique_ptr<ui::TZEMainForm> form;
  std::unique_ptr<TZEMultiElement> host;
  std::array<TProbe, 9> outputs;
};

TEST_F(MainPanelTest, ToolBarDocksItsControlsInCreationOrder) {
  auto& p = Panel();
  EXPECT_EQ(W(*p.panel).Bounds(), (ui::TRect{0, 0, 438, 27}));
  EXPECT_EQ(W(*p.panel).Parent(), form->Widget());
  // Right-docked controls from the right edge, left-docked from the left.
  EXPECT_EQ(W(*p.statusPicture).Bounds().Width, 25);
  int32_t right = W(*p.panel).ClientSize().Width;
  for (ui::TZEWin* control : std::initializer_list<ui::TZEWin*>{
           p.statusPicture, p.resetButton, p.settingsButton, p.rawSendButton}) {
    ui::TRect r = W(*control).Bounds();
    EXPECT_EQ(r.Left + r.Width, right) << W(*control).Text();
    right = r.Left;
  }
  int32_t left = 0;
  for (ui::TzeButtonRush* button :
       {p.startStopButton, p.buttonsButton, p.indicatorsButton, p.eventsButton}) {
    ui::TRect r = W(*button).Bounds();
    EXPECT_EQ(r.Left, left) << W(*button).Text();
    EXPECT_EQ(r.Width, 73);
    left += 73;
  }
  ui::TRect fill = W(*p.background).Bounds();
  EXPECT_EQ(fill.Left, left);
  EXPECT_EQ(fill.Left + fill.Width, right);

  Values captions;
  for (ui::TzeButtonRush* b : {p.resetButton, p.startStopButton, p.settingsButton, p.rawSendButton,
                               p.buttonsButton, p.indicatorsButton, p.eventsButton}) {
    captions.push_back(W(*b).Text() + (W(*b).Enabled() ? "+" : "-"));
  }
  EXPECT_EQ(captions, (Values{"RST-", "Старт+", "Настройка+", "STR-", "Кнопки+", "Индикаторы+",
                              "События+"}));
  EXPECT_EQ(Picture(), "BITMAP0");
  EXPECT_EQ(LiveFlag(), 0);
  EXPECT_EQ(MenuTexts(), (Values{"Блоки входов", "Блоки выходов"}));
}

TEST_F(MainPanelTest, StartStopTogglesTheLinkAndLocksTheSettings) {
  auto& p = Panel();
  W(*p.startStopButton).Click();
  EXPECT_EQ(W(*p.startStopButton).Text(), "Стоп");
  EXPECT_FALSE(W(*p.settingsButton).Enabled());
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen, (Values{"int 1"}));
  EXPECT_EQ(Picture(), "BITMAP0");

  W(*p.startStopButton).Click();
  EXPECT_EQ(W(*p.startStopButton).Text(), "Старт");
  EXPECT_TRUE(W(*p.settingsButton).Enabled());
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen, (Values{"int 1", "int 0"}));
  EXPECT_EQ(Picture(), "BITMAP6");

  W(*p.settingsButton).Click();
  EXPECT_EQ(outputs[MainPanel::OnSettings].Seen, (Values{"null"}));
  EXPECT_TRUE(outputs[MainPanel::OnSend].Seen.empty());
}

TEST_F(MainPanelTest, ALossWithReconnectingWaitsTenSecondsAndConnectsAgain) {
  SetGlobal("reconnecting", 1);
  auto& p = Panel();
  W(*p.startStopButton).Click();
  loop.Advance(3000);
  Lost();
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen, (Values{"int 1", "int 0"}));
  EXPECT_EQ(Picture(), "BITMAP8");
  EXPECT_EQ(W(*p.startStopButton).Text(), "Стоп");
  EXPECT_TRUE(W(*p.settingsButton).Enabled());  // follows the disconnect

  loop.Advance(9999);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.size(), 2u);
  loop.Advance(1);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen, (Values{"int 1", "int 0", "int 1"}));
  EXPECT_FALSE(W(*p.settingsButton).Enabled());
  EXPECT_EQ(W(*p.startStopButton).Text(), "Стоп");
  loop.Advance(30000);  // one shot
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.size(), 3u);

  // A second loss during the wait starts the 10 s over.
  Lost();
  loop.Advance(6000);
  Lost();
  loop.Advance(9999);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen,
            (Values{"int 1", "int 0", "int 1", "int 0", "int 0"}));
  loop.Advance(1);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.back(), "int 1");

  // Stopping during a wait cancels the reconnection.
  Lost();
  W(*p.startStopButton).Click();
  EXPECT_EQ(W(*p.startStopButton).Text(), "Старт");
  EXPECT_EQ(Picture(), "BITMAP6");
  size_t sent = outputs[MainPanel::OnConnect].Seen.size();
  loop.Advance(20000);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.size(), sent);
}

TEST_F(MainPanelTest, ALossWithoutReconnectingSwitchesOff) {
  SetGlobal("reconnecting", 0);
  auto& p = Panel();
  W(*p.startStopButton).Click();
  Lost();
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen, (Values{"int 1", "int 0"}));
  EXPECT_EQ(W(*p.startStopButton).Text(), "Старт");
  EXPECT_EQ(Picture(), "BITMAP6");
  EXPECT_TRUE(W(*p.settingsButton).Enabled());
  loop.Advance(20000);
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.size(), 2u);
  // The next click starts again.
  W(*p.startStopButton).Click();
  EXPECT_EQ(outputs[MainPanel::OnConnect].Seen.back(), "int 1");
}

TEST_F(MainPanelTest, StatusCodesChooseThePicture) {
  const std::vector<std::pair<int32_t, const char*>> table = {
      {1, "BITMAP7"}, {3, "BITMAP4"}, {5, "BITMAP3"}, {7, "BITMAP2"},
      {9, "BITMAP5"}, {0, "BITMAP6"}, {15, "BITMAP5"}};
  for (const auto& [code, bitmap] : table) {
    Status(code);
    EXPECT_EQ(Picture(), bitmap) << code;
  }
  Status(1);
  for (int32_t unchanged : {2, 4, 6, 8, 10, 11, 12, 13, 14, 16}) {
    Status(unchanged);
    EXPECT_EQ(Picture(), "BITMAP7") << unchanged;
  }
}

TEST_F(MainPanelTest, TheLiveFlagFollowsSendsReceiptsAndErrorsOverSerial) {
  SetGlobal("type_connect", 1);
  auto& p = Panel();
  Status(1);  // connected only: not live yet
  EXPECT_EQ(LiveFlag(), 0);
  EXPECT_FALSE(W(*p.rawSendButton).Enabled());
  EXPECT_FALSE(W(*p.resetButton).Enabled());
  Status(11);  // a write error in the same code wins
  EXPECT_EQ(LiveFlag(), 0);
  EXPECT_FALSE(W(*p.rawSendButton).Enabled());
  EXPECT_EQ(Picture(), "BITMAP7");

  outputs[MainPanel::OnLive].Seen.clear();
  Status(5);
  EXPECT_EQ(LiveFlag(), 1);
  EXPECT_TRUE(W(*p.rawSendButton).Enabled());
  EXPECT_TRUE(W(*p.resetButton).Enabled());
  EXPECT_EQ(outputs[MainPanel::OnLive].Seen, (Values{"int 1"}));
  Status(7);  // no change, nothing emitted
  Status(1);
  EXPECT_EQ(outputs[MainPanel::OnLive].Seen, (Values{"int 1"}));
  Status(9);
  EXPECT_EQ(LiveFlag(), 0);
  EXPECT_FALSE(W(*p.rawSendButton).Enabled());
  EXPECT_FALSE(W(*p.resetButton).Enabled());
  EXPECT_EQ(outputs[MainPanel::OnLive].Seen, (Values{"int 1", "int 0"}));
  Status(3);
  Status(0);
  EXPECT_EQ(LiveFlag(), 0);
  EXPECT_EQ(outputs[MainPanel::OnLive].Seen, (Values{"int 1", "int 0", "int 1", "int 0"}));
}

TEST_F(MainPanelTest, OverTcpTheResetButtonStaysOffAndOutputEightSilent) {
  SetGlobal("type_connect", 2);
  auto& p = Panel();
  Status(3);
  EXPECT_EQ(LiveFlag(), 1);
  EXPECT_TRUE(W(*p.rawSendButton).Enabled());
  EXPECT_FALSE(W(*p.resetButton).Enabled());
  Status(0);
  EXPECT_FALSE(W(*p.rawSendButton).Enabled());
  EXPECT_TRUE(outputs[MainPanel::OnLive].Seen.empty());
}

TEST_F(MainPanelTest, ReplyLinesRecordEachBlockOnceByType) {
  EXPECT_EQ(BlockList(MainPanel::InputBlocks), (Values{""}));
  EXPECT_EQ(BlockList(MainPanel::OutputBlocks), (Values{""}));
  Reply("1;4;0");
  Reply("1;4;1");
  Reply("6;2;15");
  Reply("0;12;1\r");  // a TCP line still carrying its CR
  Reply("6;2;16");
  Reply("5;1;0");
  Reply("ERROR;3;1");
  Reply("12;3;1");
  Reply("1;4");
  EXPECT_EQ(BlockList(MainPanel::InputBlocks), (Values{"", "1;4", "0;12"}));
  EXPECT_EQ(BlockList(MainPanel::OutputBlocks), (Values{"", "6;2", "5;1"}));
}

TEST_F(MainPanelTest, TheRightPressShowsTheBlockMenuAndAPickSendsTheBlock) {
  Reply("6;2;15");
  Reply("1;4;0");
  Reply("5;7;1");
  Reply("2;9;abc");
  auto& p = Panel();
  EXPECT_TRUE(W(*p.buttonsButton).Press(ui::TMouseButton::Right));
  W(*p.buttonsButton).Release(ui::TMouseButton::Right);
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(MenuTexts(), (Values{"Выход:(int) №2", "Выход:(bool) №7"}));
  EXPECT_TRUE(outputs[MainPanel::OnShowWindow].Seen.empty());  // the right press shows no window
  Menu().Pick(1);
  EXPECT_EQ(outputs[MainPanel::OnAddButton].Seen, (Values{"str 5;7"}));
  EXPECT_TRUE(outputs[MainPanel::OnAddIndicator].Seen.empty());

  W(*p.indicatorsButton).Press(ui::TMouseButton::Right);
  W(*p.indicatorsButton).Release(ui::TMouseButton::Right);
  EXPECT_EQ(MenuTexts(), (Values{"Вход:(int) №4", "Вход:(str) №9"}));
  Menu().Pick(0);
  EXPECT_EQ(outputs[MainPanel::OnAddIndicator].Seen, (Values{"str 1;4"}));
  EXPECT_EQ(outputs[MainPanel::OnAddButton].Seen.size(), 1u);

  // A block reported later shows the next time.
  Reply("7;3;x");
  W(*p.buttonsButton).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuTexts(), (Values{"Выход:(int) №2", "Выход:(bool) №7", "Выход:(str) №3"}));
  Menu().Pick(2);
  EXPECT_EQ(outputs[MainPanel::OnAddButton].Seen.back(), "str 7;3");
  EXPECT_EQ(Menu().Popups(), 3);
}

TEST_F(MainPanelTest, BlocksOfUnnamedTypesKeepTheMenuAlignedWithTheList) {
  Reply("8;1;0");
  Reply("6;2;15");
  Reply("3;5;1");
  auto& p = Panel();
  W(*p.buttonsButton).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuTexts(), (Values{"Выход:() №1", "Выход:(int) №2"}));
  Menu().Pick(1);
  EXPECT_EQ(outputs[MainPanel::OnAddButton].Seen, (Values{"str 6;2"}));
  W(*p.indicatorsButton).Press(ui::TMouseButton::Right);
  EXPECT_EQ(MenuTexts(), (Values{"Вход:() №5"}));
  Menu().Pick(0);
  EXPECT_EQ(outputs[MainPanel::OnAddIndicator].Seen, (Values{"str 3;5"}));
}

TEST_F(MainPanelTest, BlockListsIgnoreCaseAsEveryListSearchDoes) {
  Reply("1;A1;0");
  Reply("1;a1;1");
  Reply("6;Б2;0");
  Reply("6;б2;0");
  EXPECT_EQ(BlockList(MainPanel::InputBlocks), (Values{"", "1;A1"}));
  EXPECT_EQ(BlockList(MainPanel::OutputBlocks), (Values{"", "6;Б2"}));
}

TEST_F(MainPanelTest, AnEmptyListGivesAnEmptyMenu) {
  W(*Panel().indicatorsButton).Press(ui::TMouseButton::Right);
  EXPECT_TRUE(Menu().Open());
  EXPECT_TRUE(MenuTexts().empty());
}

TEST_F(MainPanelTest, LeftPressesAndTheEventsClickShowOperatorWindows) {
  auto& p = Panel();
  W(*p.buttonsButton).Press();
  EXPECT_EQ(outputs[MainPanel::OnShowWindow].Seen,
            (Values{"int 0"}));  // on the press, before the release
  W(*p.buttonsButton).Release();
  W(*p.indicatorsButton).Click();
  W(*p.eventsButton).Press();
  EXPECT_EQ(outputs[MainPanel::OnShowWindow].Seen.size(),
            2u);  // the events button waits for the click
  W(*p.eventsButton).Release();
  EXPECT_EQ(outputs[MainPanel::OnShowWindow].Seen, (Values{"int 0", "int 1", "int 2"}));
  EXPECT_FALSE(Menu().Open());
}

TEST_F(MainPanelTest, TheRawLineWindowSendsWhatEnterFinds) {
  SetGlobal("type_connect", 1);
  Status(3);  // live: STR enabled
  auto& p = Panel();
  auto& window = *static_cast<TClassChildForm_DirectInput*>(p.directInput->Child->Scheme);
  EXPECT_FALSE(W(*window.form).Visible());
  EXPECT_EQ(W(*window.form).Text(), "Прямой ввод");
  EXPECT_EQ(W(*window.line).Text(), "stroka");
  EXPECT_EQ(W(*window.line).Font().Name, "Times New Roman");

  W(*p.rawSendButton).Click();
  EXPECT_TRUE(W(*window.form).Visible());
  W(*window.line).Key(ui::headless::vkReturn);
  EXPECT_EQ(outputs[MainPanel::OnRawText].Seen, (Values{"str stroka"}));
  EXPECT_EQ(W(*window.line).Text(), "");
  EXPECT_FALSE(W(*window.form).Visible());

  W(*p.rawSendButton).Click();
  W(*window.line).Type("1;4");
  W(*window.line).Key(ui::headless::vkReturn);
  W(*p.rawSendButton).Click();
  EXPECT_TRUE(W(*window.line).Key(ui::headless::vkReturn));  // empty: an empty text
  EXPECT_EQ(outputs[MainPanel::OnRawText].Seen, (Values{"str stroka", "str 1;4", "str "}));
}

TEST_F(MainPanelTest, ResetClickFiresTheResetOutputWhenEnabled) {
  SetGlobal("type_connect", 1);
  auto& p = Panel();
  W(*p.resetButton).Click();  // disabled until the link is live
  EXPECT_TRUE(outputs[MainPanel::OnReset].Seen.empty());
  Status(5);
  W(*p.resetButton).Click();
  EXPECT_EQ(outputs[MainPanel::OnReset].Seen, (Values{"null"}));
}

}  // namespace
}  // namespace zorn::test
