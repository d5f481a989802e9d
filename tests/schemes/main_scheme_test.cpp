// The main scheme on the headless backend and the virtual clock: the start
// path from config.ini to the main window, the tray icon and its menu, the
// main window's place in config.ini.
#include <memory>

#include "app/settings/link_settings.h"
#include "link/controller_link.h"
#include "link/panel/main_panel.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/paths.h"
#include "runtime/program/main_scheme.h"
#include "runtime/program/program.h"
#include "support/program_folder.h"
#include "support/tcp_peer.h"
#include "support/ui.h"

namespace zorn::test {
namespace {

using ui::headless::THeadlessIcon;
using ui::headless::THeadlessMenu;
using ui::headless::THeadlessTray;

// Runs `fn` once when the virtual clock reaches its time.
struct TAt : platform::ITimerClient {
  TAt(platform::TVirtualLoop& loop, uint32_t ms, std::function<void()> fn)
      : Loop(loop), Fn(std::move(fn)) {
    loop.SetTimer(this, ms);
  }
  ~TAt() { Loop.KillTimer(this); }
  void OnTimerTick() override {
    Loop.KillTimer(this);
    Fn();
  }
  platform::TVirtualLoop& Loop;
  std::function<void()> Fn;
};

class MainSchemeTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    ResetRuntimeForTests();  // construction phase, as at program start
    platform::SetEventLoop(&loop);
  }
  void TearDown() override {
    scheme.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }
  void Start() {
    scheme = std::make_unique<TClassMainForm_Main>();
    StartDispatch();
  }
  ui::headless::THeadlessWidget& Main() { return W(*scheme->mainForm); }
  THeadlessTray& Tray() { return *backend.Trays().back(); }
  THeadlessMenu& TrayMenu() { return ui::headless::Of(scheme->trayMenu->Menu()); }
  void ClickTray() {
    Tray().Mouse(ui::TTrayMouse::Down, ui::TMouseButton::Left);
    Tray().Mouse(ui::TTrayMouse::Up, ui::TMouseButton::Left);
  }
  TClassChildPanel_MainPanel& Panel() {
    return *static_cast<TClassChildPanel_MainPanel*>(scheme->mainPanel->Child->Scheme);
  }
  // Each control of the main panel shows at its own width, none overlapping.
  void ExpectEveryPanelControlAtItsWidth() {
    TClassChildPanel_MainPanel& p = Panel();
    const std::pair<ui::TZEWin*, int32_t> controls[] = {
        {p.startStopButton, 73}, {p.buttonsButton, 73},   {p.indicatorsButton, 73},
        {p.eventsButton, 73},    {p.settingsButton, 73},  {p.rawSendButton, 44},
        {p.resetButton, 44},     {p.statusPicture, 25}};
    int32_t total = 0;
    for (auto [control, width] : controls) total += width;
    EXPECT_LE(total, W(*p.panel).ClientSize().Width);
    for (auto [control, width] : controls) {
      EXPECT_EQ(W(*control).Bounds().Width, width) << W(*control).Text();
    }
    EXPECT_LE(W(*p.eventsButton).Bounds().Right(), W(*p.rawSendButton).Bounds().Left);
  }
  // Runs the loop until the program quits; false when it never does.
  bool RunToQuit() {
    bool gaveUp = false;
    TAt watchdog(loop, 600000, [&] {
      gaveUp = true;
      loop.Quit();
    });
    loop.Run();
    return !gaveUp;
  }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  std::unique_ptr<TClassMainForm_Main> scheme;
};

TEST_F(MainSchemeTest, ALinkKindShowsTheCentredMainWindowTenMsAfterStart) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntcp_port=4455\r\n");
  Start();
  EXPECT_EQ(Main().Text(), "ЗОРН v3.3");
  EXPECT_FALSE(Main().Visible());
  EXPECT_EQ(ToInt(TZEGlobalVar::Variable("tcp_port")), 4455);  // loaded by the start path
  loop.Advance(10);
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(backend.ForegroundCalls(), 1);
  // Widened from 438 to hold every control of the main panel, and centred.
  EXPECT_EQ(Main().Bounds(), (ui::TRect{(1024 - 486) / 2, (768 - 328) / 2, 486, 328}));
  // The background fills the client area with its picture.
  auto& background = W(*scheme->background);
  EXPECT_EQ(dynamic_cast<ui::headless::THeadlessBitmap&>(*scheme->background->Shown()).Name,
            "BITMAP9");
  EXPECT_EQ(background.Bounds().Width, Main().ClientSize().Width);
}

TEST_F(MainSchemeTest, ALinkKindLeavesTheSettingsDialogUnbuilt) {
  folder.Write("config.ini", "[config]\r\ntype_connect=1\r\n");
  Start();
  loop.Advance(100);
  EXPECT_EQ(scheme->settingsDialog->Child, nullptr);
}

TEST_F(MainSchemeTest, NoLinkKindOpensTheSettingsDialogWhoseSaveShowsTheWindow) {
  Start();  // no config.ini at all
  loop.Advance(1000);
  EXPECT_FALSE(Main().Visible());
  EXPECT_EQ(backend.ForegroundCalls(), 0);
  EXPECT_FALSE(folder.Exists("config.ini"));
  ASSERT_NE(scheme->settingsDialog->Child, nullptr);
  auto& dialog = *static_cast<TClassChildForm_LinkSettings*>(scheme->settingsDialog->Child->Scheme);
  EXPECT_EQ(W(*dialog.form).Text(), "Установки");
  EXPECT_TRUE(W(*dialog.form).Visible());
  EXPECT_EQ(ToInt(TZEGlobalVar::Variable("type_connect")), 1);  // opening chose serial

  // "Сохранить": config.ini gets the six keys, and the main window shows
  // 10 ms later.
  ASSERT_TRUE(W(*dialog.tcpChoice).Click());
  ASSERT_TRUE(W(*dialog.saveButton).Click());
  std::string saved = folder.Read("config.ini");
  EXPECT_NE(saved.find("type_connect=2\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("reconnecting="), std::string::npos) << saved;
  EXPECT_FALSE(W(*dialog.form).Visible());
  loop.Advance(10);
  EXPECT_TRUE(Main().Visible());
}

TEST_F(MainSchemeTest, TheTrayIconShowsTheLiveLinkFlag) {
  Start();
  ASSERT_TRUE(Tray().Added());
  auto icon = [&] { return dynamic_cast<THeadlessIcon&>(*Tray().Icon()).Name; };
  EXPECT_EQ(icon(), "ICON4");
  MakeInt(TZEGlobalVar::Variable("стат.  соед"), 1);
  loop.Advance(199);
  EXPECT_EQ(icon(), "ICON4");
  loop.Advance(1);
  EXPECT_EQ(icon(), "ICON5");
  MakeInt(TZEGlobalVar::Variable("стат.  соед"), 0);
  loop.Advance(200);
  EXPECT_EQ(icon(), "ICON4");

  // Only a change reaches the shell: a minute of ticks on an unchanged flag
  // modifies nothing, one change modifies once.
  const int32_t modifies = Tray().Modifies();
  loop.Advance(60000);
  EXPECT_EQ(Tray().Modifies(), modifies);
  MakeInt(TZEGlobalVar::Variable("стат.  соед"), 1);
  loop.Advance(60000);
  EXPECT_EQ(Tray().Modifies(), modifies + 1);
  EXPECT_EQ(icon(), "ICON5");
}

TEST_F(MainSchemeTest, TrayLeftClickRestoresRightClickMenuCloseEndsTheProgram) {
  Start();
  Tray().Mouse(ui::TTrayMouse::Down, ui::TMouseButton::Left);
  Tray().Mouse(ui::TTrayMouse::Up, ui::TMouseButton::Left);
  EXPECT_TRUE(Main().Visible());  // at once, no delay

  TAt close(loop, 50, [&] {
    Tray().Mouse(ui::TTrayMouse::Down, ui::TMouseButton::Right);
    Tray().Mouse(ui::TTrayMouse::Up, ui::TMouseButton::Right);
    ASSERT_TRUE(TrayMenu().Open());
    ASSERT_EQ(TrayMenu().Items().size(), 1u);
    EXPECT_EQ(TrayMenu().Items()[0].Text, "Закрыть");
    EXPECT_TRUE(TrayMenu().Pick(0));
  });
  EXPECT_TRUE(RunToQuit());
  EXPECT_FALSE(Main().Visible());
}

TEST_F(MainSchemeTest, MinimisingHidesTheMainWindowIntoTheTray) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n");
  Start();
  loop.Advance(10);
  ASSERT_TRUE(Main().Visible());
  ASSERT_TRUE(Main().UserMinimize());
  EXPECT_FALSE(Main().Visible());
  EXPECT_TRUE(Tray().Added());
  ClickTray();
  EXPECT_TRUE(Main().Visible());
  EXPECT_FALSE(Main().Minimized());
}

TEST_F(MainSchemeTest, ATrayClickBringsBackAMinimisedWindowAtItsPlaceWithItsPanelWhole) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n[mainForm]\r\nLeft=100\r\nTop=120\r\n");
  Start();
  loop.Advance(10);
  ui::TRect normal = Main().Bounds();
  ASSERT_EQ(normal.Left, 100);
  ASSERT_TRUE(Main().UserMinimize());
  EXPECT_EQ(Main().Bounds().Left, -32000);
  ClickTray();
  EXPECT_FALSE(Main().Minimized());
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(backend.ActiveForm(), &Main());
  EXPECT_EQ(Main().Bounds(), normal);
  ExpectEveryPanelControlAtItsWidth();
}

TEST_F(MainSchemeTest, EveryPanelControlShowsAtTheDefaultSizeAndComesBackWhenTheWindowWidens) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n");
  Start();
  loop.Advance(10);
  ExpectEveryPanelControlAtItsWidth();
  // Squeezed, the right-docked controls give way; widened, they come back.
  scheme->mainForm->SetBounds(ui::TRect{0, 0, 300, 328});
  EXPECT_EQ(W(*Panel().rawSendButton).Bounds().Width, 0);
  scheme->mainForm->SetBounds(ui::TRect{0, 0, 640, 328});
  ExpectEveryPanelControlAtItsWidth();
  EXPECT_TRUE(W(*Panel().rawSendButton).Showing());
}

TEST_F(MainSchemeTest, ClosingFromTheTrayWhileMinimisedStoresTheNormalPlace) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n[mainForm]\r\nLeft=100\r\nTop=120\r\n"
                             "Width=500\r\nHeight=400\r\n");
  Start();
  loop.Advance(10);
  ASSERT_TRUE(Main().UserMinimize());
  TAt close(loop, 50, [&] {
    Tray().Mouse(ui::TTrayMouse::Down, ui::TMouseButton::Right);
    Tray().Mouse(ui::TTrayMouse::Up, ui::TMouseButton::Right);
    EXPECT_TRUE(TrayMenu().Pick(0));
  });
  EXPECT_TRUE(RunToQuit());
  std::string saved = folder.Read("config.ini");
  EXPECT_NE(saved.find("[mainForm]\r\nLeft=100\r\nTop=120\r\nWidth=500\r\nHeight=400\r\n"),
            std::string::npos)
      << saved;
}

TEST_F(MainSchemeTest, AStoredPlaceOffTheScreenLeavesTheWindowCentredAtItsOwnSize) {
  // What older builds stored for a window closed while minimised.
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n[mainForm]\r\nLeft=-32000\r\n"
                             "Top=-32000\r\nWidth=160\r\nHeight=24\r\n");
  Start();
  loop.Advance(10);
  EXPECT_EQ(Main().Bounds(), (ui::TRect{(1024 - 486) / 2, (768 - 328) / 2, 486, 328}));
  ExpectEveryPanelControlAtItsWidth();
  // A place partly on the screen is kept.
  scheme.reset();
  ui::ResetUiForTests();
  ResetRuntimeForTests();
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n[mainForm]\r\nLeft=-400\r\n"
                             "Top=700\r\nWidth=478\r\nHeight=328\r\n");
  Start();
  loop.Advance(10);
  EXPECT_EQ(Main().Bounds(), (ui::TRect{-400, 700, 478, 328}));
}

TEST_F(MainSchemeTest, TheMainWindowPlaceIsSavedAtCloseAndRestoredAtTheNextStart) {
  folder.Write("config.ini", "[config]\r\ntype_connect=1\r\n");
  Start();
  loop.Advance(10);
  scheme->mainForm->SetBounds(ui::TRect{12, 34, 500, 400});
  Main().RequestClose();
  EXPECT_TRUE(RunToQuit());
  std::string saved = folder.Read("config.ini");
  EXPECT_NE(saved.find("[mainForm]\r\nLeft=12\r\nTop=34\r\nWidth=500\r\nHeight=400\r\n"),
            std::string::npos)
      << saved;

  scheme.reset();
  ui::ResetUiForTests();
  ResetRuntimeForTests();
  Start();
  loop.Advance(10);
  EXPECT_EQ(Main().Bounds(), (ui::TRect{12, 34, 500, 400}));
}

TEST_F(MainSchemeTest, TheLinksOperatorMessageBecomesATrayBalloon) {
  uint16_t port = FreeLoopbackPort();
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntcp_port=" + std::to_string(port) + "\r\n");
  Start();
  auto& link = *static_cast<TClassMultiElement_Link*>(scheme->link->Child->Scheme);
  auto& tcp = *static_cast<TClassMultiElement_TcpLink*>(link.tcpLink->Child->Scheme);
  tcp.server->Address = "127.0.0.1";  // tests listen on loopback only
  // The main panel's start button would send this connect request.
  FireInt(MakeWire(TClassMultiElement_Link::Connection, &TZEMultiElement::Action, scheme->link), 1);
  TPeer controller;
  ASSERT_TRUE(controller.Connect(port));
  ASSERT_TRUE(loop.RunUntil([&] { return !Tray().Balloons().empty(); }, std::chrono::seconds(5)));
  EXPECT_EQ(Tray().Balloons()[0].Title, "Внимание");
  EXPECT_EQ(Tray().Balloons()[0].Text, "Подключение: 127.0.0.1");
  EXPECT_EQ(Tray().Balloons()[0].TimeoutMs, 1000u);
}

TEST_F(MainSchemeTest, TheStartButtonOpensTheLinkAndRepliesReachThePanel) {
  uint16_t port = FreeLoopbackPort();
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntime_refresh=1\r\ntcp_port=" +
                                 std::to_string(port) + "\r\n");
  Start();
  loop.Advance(10);
  auto& panel = *static_cast<TClassChildPanel_MainPanel*>(scheme->mainPanel->Child->Scheme);
  auto& link = *static_cast<TClassMultiElement_Link*>(scheme->link->Child->Scheme);
  static_cast<TClassMultiElement_TcpLink*>(link.tcpLink->Child->Scheme)->server->Address = "127.0.0.1";
  // The panel sits across the top; the background fills the rest.
  EXPECT_EQ(W(*panel.panel).Bounds(), (ui::TRect{0, 0, Main().ClientSize().Width, 27}));
  EXPECT_EQ(W(*scheme->background).Bounds().Top, 27);

  ASSERT_TRUE(W(*panel.startStopButton).Click());
  EXPECT_EQ(W(*panel.startStopButton).Text(), "Стоп");
  TPeer controller;
  ASSERT_TRUE(controller.Connect(port));
  ASSERT_TRUE(loop.RunUntil([&] {
    controller.ReadAvailable();
    return controller.Received.find("scan\n") != std::string::npos;
  }, std::chrono::seconds(5)));
  auto picture = [&] {
    return dynamic_cast<ui::headless::THeadlessBitmap&>(*panel.statusPicture->Shown()).Name;
  };
  EXPECT_EQ(picture(), "BITMAP4");  // listening and just sent
  EXPECT_EQ(ToInt(TZEGlobalVar::Variable("стат.  соед")), 1);

  // A reply line goes through the reply check to the panel's block lists.
  ASSERT_TRUE(controller.Send("1;4;1\r\n6;2;15\r\n"));
  auto blocks = [&](uint16_t list) {
    TData array;
    scheme->mainPanel->DataOutput(array, list);
    return ArrayTexts(array);
  };
  ASSERT_TRUE(
      loop.RunUntil([&] { return blocks(TClassChildPanel_MainPanel::OutputBlocks).size() == 2; },
                    std::chrono::seconds(5)));
  EXPECT_EQ(blocks(TClassChildPanel_MainPanel::InputBlocks), (std::vector<std::string>{"", "1;4"}));
  EXPECT_EQ(blocks(TClassChildPanel_MainPanel::OutputBlocks),
            (std::vector<std::string>{"", "6;2"}));

  // The poll follows every second; "Стоп" closes the link.
  controller.Received.clear();
  loop.Advance(1000);
  EXPECT_EQ(controller.ReceiveNow(5), "\rref\n");
  ASSERT_TRUE(W(*panel.startStopButton).Click());
  EXPECT_EQ(W(*panel.startStopButton).Text(), "Старт");
  EXPECT_TRUE(loop.RunUntil([&] {
    controller.ReadAvailable();
    return controller.Ended();
  }, std::chrono::seconds(5)));
}

TEST_F(MainSchemeTest, DebugBoxesAreOwnedByTheMainWindowWhileItIsThere) {
  platform::ShownMessages().clear();
  ShowDebugMessage("before");
  Start();
  ShowDebugMessage("during");
  scheme.reset();
  ShowDebugMessage("after");
  const auto& shown = platform::ShownMessages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_FALSE(shown[0].Owned);
  EXPECT_TRUE(shown[1].Owned) << "owned by the main window";
  EXPECT_EQ(shown[1].Caption, "String-Debug");
  EXPECT_FALSE(shown[2].Owned) << "never by a window that is gone";
}

TEST_F(MainSchemeTest, InformationArgumentShowsOnlyTheBox) {
  EXPECT_EQ(RunProgram({"/ih", "more"}), 0);
  ASSERT_EQ(platform::ShownMessages().size(), 1u);
  const platform::TShownMessage& box = platform::ShownMessages()[0];
  EXPECT_EQ(box.Text, "Сделано в Vorant.");
  EXPECT_EQ(box.Caption, "Vorant Info");
  EXPECT_FALSE(box.Owned);
  EXPECT_TRUE(backend.Widgets().empty());
  EXPECT_FALSE(folder.Exists("config.ini"));
}

}  // namespace
}  // namespace zorn::test
