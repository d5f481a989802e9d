// The whole program on the headless backend and the virtual clock with
// config.ini's tcp_bind and tcp_allow: "Старт" listens on the given address
// and takes only the clients the list admits; a refused client gets nothing,
// its lines never reach the windows, it leaves the link's flags and status
// picture alone, and the operator sees one balloon a minute per address; an
// address to listen on that does not do is told the same way.
#include <memory>
#include <string>
#include <vector>

#include "link/controller_link.h"
#include "link/panel/main_panel.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/program/main_scheme.h"
#include "support/program_folder.h"
#include "support/tcp_peer.h"
#include "support/ui.h"

namespace zorn::test {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

class TcpAllowProgramTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    ResetRuntimeForTests();  // construction phase, as at program start
    platform::SetEventLoop(&loop);
    port = FreeLoopbackPort();
    ASSERT_NE(port, 0);
  }
  void TearDown() override {
    scheme.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }
  // Starts the program on config.ini's [config] with `extra` lines, then
  // presses "Старт".
  void StartWith(const std::string& extra) {
    folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntime_refresh=0\r\ntcp_port=" +
                                   std::to_string(port) + "\r\n" + extra);
    scheme = std::make_unique<TClassMainForm_Main>();
    StartDispatch();
    // Without tcp_bind, tests listen on loopback only.
    auto& link = *static_cast<TClassMultiElement_Link*>(scheme->link->Child->Scheme);
    static_cast<TClassMultiElement_TcpLink*>(link.tcpLink->Child->Scheme)->server->Address =
        "127.0.0.1";
    loop.Advance(10);
    ASSERT_TRUE(W(*Panel().startStopButton).Click());
    ASSERT_EQ(W(*Panel().startStopButton).Text(), "Стоп");
  }
  TClassChildPanel_MainPanel& Panel() {
    return *static_cast<TClassChildPanel_MainPanel*>(scheme->mainPanel->Child->Scheme);
  }
  ui::headless::THeadlessTray& Tray() { return *backend.Trays().back(); }
  Texts BalloonTexts() {
    Texts texts;
    for (const auto& b : Tray().Balloons()) texts.push_back(b.Text);
    return texts;
  }
  Texts InputBlocks() {
    TData array;
    scheme->mainPanel->DataOutput(array, TClassChildPanel_MainPanel::InputBlocks);
    return ArrayTexts(array);
  }
  std::string Picture() {
    return dynamic_cast<ui::headless::THeadlessBitmap&>(*Panel().statusPicture->Shown()).Name;
  }
  static int32_t Var(const char* name) { return ToInt(TZEGlobalVar::Variable(name)); }
  bool Run(const std::function<bool()>& done) { return loop.RunUntil(done, 5s); }
  bool Received(TPeer& peer, const std::string& text) {
    return Run([&] {
      peer.ReadAvailable();
      return peer.Received.find(text) != std::string::npos;
    });
  }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  std::unique_ptr<TClassMainForm_Main> scheme;
  uint16_t port = 0;
};

TEST_F(TcpAllowProgramTest, OnlyAllowedClientsAreHeardAndRefusalsShowOnceAMinute) {
  StartWith("tcp_bind=127.0.0.1\r\ntcp_allow=127.0.0.2\r\n");
  EXPECT_EQ(ToStr(TZEGlobalVar::Variable("tcp_bind")), "127.0.0.1");
  EXPECT_EQ(ToStr(TZEGlobalVar::Variable("tcp_allow")), "127.0.0.2");
  std::string listening = Picture();

  // The refused client speaks first; nothing of it arrives, nothing is sent
  // to it, and the link's flags and picture stay as they were.
  TPeer refused;
  ASSERT_TRUE(refused.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(refused.Send("1;7;1\r\n"));
  ASSERT_TRUE(Run([&] { return !Tray().Balloons().empty(); }));
  EXPECT_EQ(BalloonTexts(), Texts{"Отклонено подключение: 127.0.0.3"});
  EXPECT_EQ(Tray().Balloons()[0].Title, "Внимание");
  EXPECT_EQ(refused.ReceiveNow(1, 1s), "");
  EXPECT_TRUE(refused.Ended());
  EXPECT_EQ(Var("tx ok"), 0);
  EXPECT_EQ(Var("rx ok"), 0);
  EXPECT_EQ(Picture(), listening);
  loop.Advance(1000);
  EXPECT_EQ(Picture(), listening) << "no settle event, no flag";

  // The allowed client is greeted and its lines reach the panel.
  TPeer allowed;
  ASSERT_TRUE(allowed.Connect(port, "127.0.0.2"));
  ASSERT_TRUE(Received(allowed, "scan\n"));
  EXPECT_EQ(allowed.Received, "scan\n");
  ASSERT_TRUE(allowed.Send("1;4;1\r\n"));
  ASSERT_TRUE(Run([&] { return InputBlocks().size() == 2; }));
  EXPECT_EQ(InputBlocks(), (Texts{"", "1;4"})) << "block 7 of the refused client never came";
  EXPECT_EQ(BalloonTexts(),
            (Texts{"Отклонено подключение: 127.0.0.3", "Подключение: 127.0.0.2"}));

  // The same address again within the minute: refused without a balloon;
  // another address has its own minute.
  TPeer again, other;
  ASSERT_TRUE(again.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(Run([&] {
    again.ReadAvailable();
    return again.Ended();
  }));
  ASSERT_TRUE(other.Connect(port, "127.0.0.4"));
  ASSERT_TRUE(Run([&] { return Tray().Balloons().size() == 3; }));
  EXPECT_EQ(BalloonTexts().back(), "Отклонено подключение: 127.0.0.4");
  loop.Advance(59000 - 1000);
  ASSERT_TRUE(again.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(Run([&] {
    again.ReadAvailable();
    return again.Ended();
  }));
  EXPECT_EQ(Tray().Balloons().size(), 3u);
  loop.Advance(2000);
  ASSERT_TRUE(again.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(Run([&] { return Tray().Balloons().size() == 4; }));
  EXPECT_EQ(BalloonTexts().back(), "Отклонено подключение: 127.0.0.3");

  // Only the allowed client hears the commands.
  FireStr(MakeWire(TClassMultiElement_Link::Send, &TZEMultiElement::Action, scheme->link), "1;4");
  ASSERT_TRUE(Received(allowed, "\r1;4\n"));
}

TEST_F(TcpAllowProgramTest, TheServerListensOnTcpBindOnly) {
  StartWith("tcp_bind=127.0.0.2\r\n");
  TPeer wrong, right;
  EXPECT_FALSE(wrong.Connect(port, "127.0.0.1", 0, "127.0.0.3"));
  EXPECT_FALSE(wrong.Connect(port, "127.0.0.1", 0, "127.0.0.1"));
  ASSERT_TRUE(right.Connect(port, "127.0.0.5", 0, "127.0.0.2"));
  ASSERT_TRUE(Received(right, "scan\n"));
  EXPECT_EQ(BalloonTexts(), Texts{"Подключение: 127.0.0.5"});
}

TEST_F(TcpAllowProgramTest, ABadTcpBindIsToldWhenStartIsPressed) {
  for (const char* address : {"127.0.0.300", "192.0.2.1"}) {
    scheme.reset();
    ResetRuntimeForTests();
    StartWith(std::string("tcp_bind=") + address + "\r\n");
    ASSERT_FALSE(Tray().Balloons().empty()) << address;
    EXPECT_EQ(BalloonTexts(),
              Texts{std::string("Сервер не запущен: адрес tcp_bind не подходит: ") + address});
    EXPECT_EQ(Var("CON_T"), 0) << "nothing listens";
    TPeer peer;
    EXPECT_FALSE(peer.Connect(port, "127.0.0.1")) << address;
  }
}

TEST_F(TcpAllowProgramTest, WithoutTheKeysEveryClientIsTakenAsBefore) {
  StartWith("");
  TPeer a, b;
  ASSERT_TRUE(a.Connect(port, "127.0.0.2"));
  ASSERT_TRUE(Received(a, "scan\n"));
  ASSERT_TRUE(b.Connect(port, "127.0.0.3"));
  ASSERT_TRUE(Received(b, "scan\n"));
  EXPECT_EQ(BalloonTexts(), (Texts{"Подключение: 127.0.0.2", "Подключение: 127.0.0.3"}));
}

}  // namespace
}  // namespace zorn::test
