// Top-level windows: start, showing, the close request through owned
// windows, and the stored position in an INI file and in the registry.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/event_loop.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "runtime/paths.h"
#include "runtime/start.h"
#include "support/ui.h"
#include "ui/elements/main_form.h"
#include "ui/elements/win_tools.h"

namespace zorn::ui {
namespace {

using test::TProbe;
using test::UiTest;

// Counts Quit calls; nothing else is used by these tests.
class TQuitLoop : public platform::TEventLoop {
 public:
  void SetTimer(platform::ITimerClient*, uint32_t) override {}
  void KillTimer(platform::ITimerClient*) override {}
  void Post(std::function<void()>) override {}
  void WatchSocket(platform::TSocketHandle, uint8_t, platform::ISocketClient*) override {}
  void UnwatchSocket(platform::TSocketHandle) override {}
  void Run() override {}
  void Quit() override { ++quits; }
  uint64_t NowMs() const override { return 0; }
  int quits = 0;
};

class FormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    platform::SetEventLoop(&loop);
    platform::RegistryStore().clear();
  }
  void TearDown() override {
    platform::SetEventLoop(nullptr);
    platform::RegistryStore().clear();
    if (!iniName.empty()) std::remove(platform::ToNativePath(ExeFolder() + iniName).c_str());
    UiTest::TearDown();
  }
  static void Set(TZEMainForm& f, int32_t w, int32_t h) {
    f.Width = w;
    f.Height = h;
  }

  TQuitLoop loop;
  std::string iniName;
};

TEST_F(FormTest, StartFiresOnStartThenAppliesVisibleInCreationOrder) {
  TZEMainForm main, child;
  main.Visible = false;
  TProbe started;
  std::vector<std::string> order;
  test::TCall mainStart([&](TData&, uint16_t) { order.push_back(W(main).Visible() ? "main shown" : "main"); });
  test::TCall childStart([&](TData&, uint16_t) { order.push_back(W(child).Visible() ? "child shown" : "child"); });
  ResetDispatchForTests();  // construction: nothing fires
  main.Init();
  child.Init();
  main.OnStart = MakeWire(0, &test::TCall::Take, &mainStart);
  child.OnStart = MakeWire(0, &test::TCall::Take, &childStart);
  EXPECT_FALSE(W(child).Visible());  // forms never show at creation
  StartDispatch();
  EXPECT_EQ(order, (std::vector<std::string>{"main", "child"}));
  EXPECT_FALSE(W(main).Visible());
  EXPECT_TRUE(W(child).Visible());
  EXPECT_TRUE(main.IsMainForm());
  EXPECT_FALSE(child.IsMainForm());
  EXPECT_EQ(W(child).Parent(), main.Widget());  // owned by the main window
}

TEST_F(FormTest, CentredOnTheScreenWithTruncatingDivision) {
  backend.SetScreen({1025, 769}, 96);
  TZEMainForm f;
  Set(f, 438, 328);
  f.Centered = true;
  f.Init();
  EXPECT_EQ(W(f).Bounds(), (TRect{293, 220, 438, 328}));
}

TEST_F(FormTest, BorderStyleAboveTenIsIgnored) {
  TZEMainForm a, b;
  a.BorderStyle = 7;
  b.BorderStyle = 11;
  a.Init();
  b.Init();
  EXPECT_EQ(W(a).Args().BorderStyle, 7);
  EXPECT_EQ(W(b).Args().BorderStyle, 2);
}

TEST_F(FormTest, CloseRequestReachesVisibleOwnedWindowsFirst) {
  TZEMainForm main, shown, hidden, grandchild;
  grandchild.Parent = &shown;
  for (TZEMainForm* f : {&main, &shown, &hidden, &grandchild}) f->Init();
  StartDispatch();
  TData off;
  MakeInt(off, 0);
  hidden.SetVisible(off, 0);
  std::vector<std::string> order;
  test::TCall onClose([&](TData&, uint16_t) {
    order.push_back(std::string("close") + (W(shown).Visible() || W(grandchild).Visible() ? " early" : ""));
  });
  main.OnClose = MakeWire(0, &test::TCall::Take, &onClose);

  ASSERT_TRUE(W(main).UserClose());
  EXPECT_EQ(order, (std::vector<std::string>{"close"}));
  EXPECT_FALSE(W(shown).Visible());
  EXPECT_FALSE(W(grandchild).Visible());
  EXPECT_EQ(loop.quits, 1);
}

TEST_F(FormTest, AChildHidesAndActivatesTheWindowActiveBeforeIt) {
  TZEMainForm main, child;
  main.Init();
  child.Visible = false;
  child.Init();
  StartDispatch();
  ASSERT_EQ(backend.ActiveForm(), main.Widget());
  TData on;
  MakeInt(on, 5);  // any non-zero value shows
  child.SetVisible(on, 0);
  EXPECT_EQ(backend.ActiveForm(), child.Widget());
  TProbe closed;
  main.OnClose = MakeWire(0, &TProbe::Take, &closed);
  TData none;
  child.Close(none, 3);
  EXPECT_FALSE(W(child).Visible());
  EXPECT_EQ(backend.ActiveForm(), main.Widget());
  EXPECT_TRUE(W(main).Visible());
  EXPECT_TRUE(closed.Seen.empty());
  EXPECT_EQ(loop.quits, 0);
}

TEST_F(FormTest, IniPositionLoadsAtFirstShowAndIsSavedOnlyAfterLoading) {
  iniName = "ui_form_test.ini";
  std::string file = ExeFolder() + iniName;
  std::remove(platform::ToNativePath(file).c_str());
  platform::WriteIniString(file, "mainForm", "Left", "40");
  platform::WriteIniString(file, "mainForm", "Height", "200");
  {
    TZEMainForm never;  // never shown: closing writes nothing
    never.Place = iniName + "\\other";
    never.Visible = false;
    never.Init();
    StartDispatch();
    TData none;
    never.Close(none, 3);
    uint32_t missing = platform::ReadIniInt(file, "other", "Left", -1);
    EXPECT_EQ(static_cast<int32_t>(missing), -1);
  }
  ResetUiForTests();
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZEMainForm f;
  Set(f, 300, 100);
  f.Left = 7;
  f.Top = 8;
  f.Place = iniName + "\\mainForm";
  f.Init();
  EXPECT_EQ(W(f).Bounds(), (TRect{7, 8, 300, 100}));  // not before the show
  RunStartHandlers();
  EXPECT_TRUE(f.PositionLoaded());
  EXPECT_EQ(W(f).Bounds(), (TRect{40, 8, 300, 200}));  // missing keys keep their values
  W(f).UserMoveTo(61, 62);
  W(f).UserClose();
  EXPECT_EQ(platform::ReadIniInt(file, "mainForm", "Left", 0), 61u);
  EXPECT_EQ(platform::ReadIniInt(file, "mainForm", "Top", 0), 62u);
  EXPECT_EQ(platform::ReadIniInt(file, "mainForm", "Width", 0), 300u);
  EXPECT_EQ(platform::ReadIniInt(file, "mainForm", "Height", 0), 200u);
}

TEST_F(FormTest, RegistryPositionRoundTrip) {
  platform::WriteRegistryDword("Software\\Zorn\\Forms", "Top", static_cast<uint32_t>(-5));
  TZEMainForm main, child;
  main.Visible = false;
  main.Init();
  Set(child, 200, 150);
  child.Place = "Zorn\\Forms";
  child.Visible = false;
  child.Init();
  StartDispatch();
  EXPECT_FALSE(child.PositionLoaded());
  // Shown through its handle, as the window visibility scheme does.
  TZEWinTools tools;
  TData d;
  MakeInt(d, static_cast<int32_t>(W(child).Handle()));
  d.Next = nullptr;
  TData flag;
  MakeInt(flag, 1);
  d.Next = &flag;
  tools.SetVisible(d, 0);
  EXPECT_TRUE(W(child).Visible());
  EXPECT_TRUE(child.PositionLoaded());
  EXPECT_EQ(W(child).Bounds().Top, -5);
  W(child).SetBounds(TRect{10, 20, 210, 160});
  W(child).UserClose();
  uint32_t v = 0;
  ASSERT_TRUE(platform::ReadRegistryDword("software\\zorn\\FORMS", "width", v));
  EXPECT_EQ(v, 210u);
  ASSERT_TRUE(platform::ReadRegistryDword("Software\\Zorn\\Forms", "Left", v));
  EXPECT_EQ(v, 10u);
  EXPECT_FALSE(W(child).Visible());
}

TEST_F(FormTest, WinToolsIgnoresUnknownHandles) {
  TZEMainForm f;
  f.Init();
  TZEWinTools tools;
  TData d;
  MakeInt(d, 12345);
  tools.Close(d, 0);
  tools.SetTopmost(d, 0);
  EXPECT_EQ(loop.quits, 0);
  MakeInt(d, static_cast<int32_t>(W(f).Handle()));
  TData on;
  MakeInt(on, 1);
  d.Next = &on;
  tools.SetTopmost(d, 0);
  EXPECT_TRUE(W(f).Topmost());
}

}  // namespace
}  // namespace zorn::ui
