// The connection settings dialog on the headless backend, built on demand
// under a main form as the main scheme builds it. Serial ports are real
// pseudo-terminals mapped to COM3 and COM7; every other COM number is mapped
// to a missing device so that the machine's own ports stay out of the list.
#include <memory>
#include <optional>

#include "app/settings/config_loader.h"
#include "app/settings/link_settings.h"
#include "link/com.h"
#include "platform/serial.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "support/program_folder.h"
#include "support/pty.h"
#include "support/ui.h"

namespace zorn::test {
namespace {

using LinkSettings = TClassChildForm_LinkSettings;
using ConfigLoader = TClassMultiElement_ConfigLoader;

using ui::headless::THeadlessBitmap;
using ui::headless::vkDelete;
using ui::headless::vkHome;
using Values = std::vector<std::string>;

TData& Global(const char* name) { return TZEGlobalVar::Variable(name); }
std::string GlobalText(const char* name) { return ToStr(Global(name)); }

class LinkSettingsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    platform::SetEventLoop(&loop);
    for (uint32_t n = 1; n <= static_cast<uint32_t>(TZEEnumCOM::LastPort); ++n) {
      platform::SetSerialDevicePath(n, "/nonexistent/zorn-no-port");
    }
    platform::SetSerialDevicePath(3, comThree.SlavePath);
    platform::SetSerialDevicePath(7, comSeven.SlavePath);

    ResetRuntimeForTests();  // built in the construction phase, as in the program
    mainForm = std::make_unique<ui::TZEMainForm>();
    mainForm->Width = 438;
    mainForm->Height = 328;
    mainForm->Init();
    background = std::make_unique<ui::TZEImage>();
    background->Parent = mainForm.get();
    background->Picture = "BITMAP9";
    background->Init();
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(2);
    host->SetDataInputCount(1);
    host->CreateOnDemand = true;
    host->ParentControl = mainForm.get();
    for (uint16_t i = 0; i < 2; ++i) host->Events[i] = MakeWire(i, &TCall::Take, &reported);
    host->DataInputs[LinkSettings::Picture] = MakeWire(0, &ui::TZEImage::Bitmap, background.get());
    host->SetFactory(&SchemeFactory<TClassChildForm_LinkSettings>);
    StartDispatch();
  }
  void TearDown() override {
    host.reset();
    background.reset();
    mainForm.reset();
    for (uint32_t n = 1; n <= static_cast<uint32_t>(TZEEnumCOM::LastPort); ++n) platform::SetSerialDevicePath(n, "");
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }

  // The six globals as the config loader leaves them.
  static void Loaded(int32_t type, int32_t com, int32_t speed, int32_t tcp, int32_t refresh,
                     int32_t reconnecting) {
    MakeInt(Global("type_connect"), type);
    MakeInt(Global("com_port"), com);
    MakeInt(Global("com_port_speed"), speed);
    MakeInt(Global("tcp_port"), tcp);
    MakeInt(Global("time_refresh"), refresh);
    MakeInt(Global("reconnecting"), reconnecting);
  }
  void Open() { FireNull(MakeWire(LinkSettings::Open, &TZEMultiElement::Action, host.get())); }
  TClassChildForm_LinkSettings& D() {
    return *static_cast<TClassChildForm_LinkSettings*>(host->Child->Scheme);
  }
  ui::headless::THeadlessWidget& Dialog() { return W(*D().form); }
  // Which controls the operator sees: serial list, speed list, refresh
  // button, speed label, TCP field.
  std::string Shown() {
    auto& d = D();
    std::string s;
    for (ui::TZEWin* c : std::initializer_list<ui::TZEWin*>{d.serialPort, d.serialSpeed,
                                                          d.refreshButton, d.speedLabel, d.tcpPort}) {
      s += W(*c).Showing() ? '+' : '-';
    }
    return s;
  }
  // Replaces the text of an edit key by key: the new text typed in front of
  // the old one, then the old one deleted (erasing first would leave "0").
  static void Retype(ui::headless::THeadlessWidget& edit, const std::string& text) {
    size_t old = edit.Text().size();
    edit.Key(vkHome);
    edit.Type(text);
    for (size_t n = 0; n < old; ++n) edit.Key(vkDelete);
  }

  platform::TVirtualLoop loop;
  TPtyPair comThree;
  TPtyPair comSeven;
  std::unique_ptr<ui::TZEMainForm> mainForm;
  std::unique_ptr<ui::TZEImage> background;
  std::unique_ptr<TZEMultiElement> host;
  // Host events with their value and whether the dialog was still showing.
  std::vector<std::string> events;
  TCall reported{[this](TData& d, uint16_t i) {
    events.push_back(std::to_string(i) + " " + TProbe::Describe(d) +
                     (Dialog().Visible() ? " shown" : " hidden"));
  }};
};

TEST_F(LinkSettingsTest, TheDialogIsBuiltAtTheFirstOpeningWithItsWindowAndControls) {
  Loaded(1, 3, 9600, 0, 0, 0);
  EXPECT_EQ(host->Child, nullptr);
  Open();
  ASSERT_NE(host->Child, nullptr);
  auto& d = D();
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_EQ(Dialog().Text(), "Установки");
  EXPECT_EQ(Dialog().Parent(), mainForm->Widget());  // owned by the main window
  EXPECT_EQ(Dialog().Args().BorderStyle, 3);
  ASSERT_TRUE(Dialog().Icon());
  EXPECT_EQ(static_cast<const ui::headless::THeadlessIcon&>(*Dialog().Icon()).Name, "ICON1");
  EXPECT_EQ(Dialog().Bounds(), (ui::TRect{(1024 - 287) / 2, (768 - 241) / 2, 287, 241}));

  struct TExpect {
    ui::TZEWin* Control;
    ui::TRect Place;
    const char* Text;
    const char* Hint;
  };
  const std::vector<TExpect> controls = {
      {d.serialChoice, {2, 2, 85, 20}, "Com Port", "Использовать ком порт"},
      {d.tcpChoice, {110, 2, 130, 20}, "TCP IP server (port)", "Использовать TCP IP (server)"},
      {d.portLabel, {10, 30, 32, 17}, "Порт:", ""},
      {d.refreshButton, {145, 30, 20, 20}, "...", "Обновить список портов"},
      {d.tcpPort, {170, 30, 100, 20}, "4455", "Укозать порт запускаемого сервера"},
      {d.serialPort, {170, 30, 100, 21}, "3", "Номер порта"},
      {d.speedLabel, {10, 60, 55, 17}, "Скорость:", ""},
      {d.serialSpeed, {170, 60, 100, 21}, "9600", "Скорость порта"},
      {d.pollLabel, {10, 90, 112, 17}, "Время опроса:", ""},
      {d.pollPeriod, {170, 90, 100, 20}, "0", "Таймер опроса входов в секундах (0 отключен)"},
      {d.reconnect, {10, 180, 135, 20}, "Переподключение", "Переподключение в случае потери соединения"},
      {d.saveButton, {170, 180, 100, 25}, "Сохранить", "Сохпанить изменения"},
  };
  const auto& children = Dialog().Children();
  ASSERT_GE(children.size(), controls.size());
  auto* tips = backend.ToolTipsIfMade();
  ASSERT_NE(tips, nullptr);
  for (size_t i = 0; i < controls.size(); ++i) {
    const auto& w = W(*controls[i].Control);
    EXPECT_EQ(children[i], &w) << i;  // creation order
    EXPECT_EQ(w.Bounds(), controls[i].Place) << controls[i].Text;
    EXPECT_EQ(w.Text(), controls[i].Text);
    EXPECT_EQ(tips->TipOf(&w), controls[i].Hint) << controls[i].Text;
    EXPECT_EQ(w.Font().Name, "MS Sans Serif");
  }
  EXPECT_EQ(W(*d.serialSpeed).Items(),
            (Values{"9600", "19200", "38400", "57600", "74880", "115200"}));
  EXPECT_EQ(W(*d.serialSpeed).DropDownHeight(), 13 * (6 + 2) + 2);
  EXPECT_EQ(W(*d.serialPort).DropDownHeight(), 13 * (2 + 2) + 2);  // two ports, up to 8 shown

  // The main window's picture lies beyond the dialog's right edge.
  const auto& picture = W(*d.picture);
  ASSERT_TRUE(picture.Bitmap());
  EXPECT_EQ(static_cast<const THeadlessBitmap&>(*picture.Bitmap()).Name, "BITMAP9");
  EXPECT_GE(picture.Bounds().Left, 287);
  EXPECT_TRUE(events.empty());
}

TEST_F(LinkSettingsTest, AFirstStartOpensSerialWithTheStoredPortSpeedAndFlags) {
  Loaded(0, 7, 74880, 0, 5, 1);
  Open();
  auto& d = D();
  EXPECT_TRUE(W(*d.serialChoice).Checked());
  EXPECT_FALSE(W(*d.tcpChoice).Checked());
  EXPECT_EQ(ToInt(Global("type_connect")), 1);  // kept without saving
  EXPECT_EQ(Shown(), "++++-");
  EXPECT_EQ(W(*d.serialPort).Items(), (Values{"3", "7"}));
  EXPECT_EQ(W(*d.serialPort).Text(), "7");
  EXPECT_EQ(GlobalText("com_port"), "7");
  EXPECT_EQ(W(*d.serialSpeed).Selected(), 4);  // the fifth item
  EXPECT_EQ(GlobalText("com_port_speed"), "74880");
  EXPECT_TRUE(W(*d.reconnect).Checked());
  EXPECT_EQ(ToInt(Global("reconnecting")), 1);
  EXPECT_EQ(W(*d.pollPeriod).Text(), "5");
  // The proposed TCP port stands in only for a never-set value.
  EXPECT_EQ(ToInt(Global("tcp_port")), 0);
}

TEST_F(LinkSettingsTest, ValuesNotInTheListsFallBackToTheFirstItem) {
  Loaded(1, 12, 1200, 0, 0, 0);
  Open();
  auto& d = D();
  EXPECT_EQ(W(*d.serialPort).Selected(), 0);
  EXPECT_EQ(GlobalText("com_port"), "3");
  EXPECT_EQ(W(*d.serialSpeed).Selected(), 0);
  EXPECT_EQ(GlobalText("com_port_speed"), "9600");
  EXPECT_FALSE(W(*d.reconnect).Checked());
}

TEST_F(LinkSettingsTest, WithoutAnyPortTheListStaysEmptyAndComPortBecomesEmpty) {
  platform::SetSerialDevicePath(3, "/nonexistent/zorn-no-port");
  platform::SetSerialDevicePath(7, "/nonexistent/zorn-no-port");
  Loaded(1, 3, 9600, 0, 0, 0);
  Open();
  EXPECT_TRUE(W(*D().serialPort).Items().empty());
  EXPECT_EQ(W(*D().serialPort).Selected(), -1);
  EXPECT_EQ(Global("com_port").Kind, dtStr);
  EXPECT_EQ(GlobalText("com_port"), "");
}

TEST_F(LinkSettingsTest, TheChoicesSwitchTheControlsAtTheSamePlace) {
  Loaded(2, 3, 9600, 0, 2, 0);
  Open();
  auto& d = D();
  EXPECT_TRUE(W(*d.tcpChoice).Checked());
  EXPECT_FALSE(W(*d.serialChoice).Checked());
  EXPECT_EQ(Shown(), "----+");
  EXPECT_EQ(W(*d.tcpPort).Text(), "4455");       // proposed for a port of 0 ...
  EXPECT_EQ(ToInt(Global("tcp_port")), 4455);    // ... and taken, as shown
  EXPECT_TRUE(W(*d.serialPort).Items().empty()); // serial list not probed
  EXPECT_EQ(ToInt(Global("type_connect")), 2);

  EXPECT_TRUE(W(*d.serialChoice).Click());
  EXPECT_EQ(ToInt(Global("type_connect")), 1);
  EXPECT_TRUE(W(*d.serialChoice).Checked());
  EXPECT_FALSE(W(*d.tcpChoice).Checked());
  EXPECT_EQ(Shown(), "++++-");
  EXPECT_EQ(W(*d.serialPort).Items(), (Values{"3", "7"}));

  EXPECT_TRUE(W(*d.tcpChoice).Click());
  EXPECT_EQ(ToInt(Global("type_connect")), 2);
  EXPECT_EQ(Shown(), "----+");
  EXPECT_EQ(W(*d.tcpPort).Bounds().Left, W(*d.serialPort).Bounds().Left);
  EXPECT_EQ(W(*d.tcpPort).Bounds().Top, W(*d.serialPort).Bounds().Top);

  // A stored port is shown as it is; the clicks reopened nothing else.
  MakeInt(Global("tcp_port"), 5000);
  W(*d.tcpChoice).Click();
  EXPECT_EQ(W(*d.tcpPort).Text(), "5000");
  EXPECT_TRUE(events.empty());
}

TEST_F(LinkSettingsTest, LiveEditsStoreTheirGlobalsAtOnceWithinTheEditModes) {
  Loaded(1, 3, 9600, 0, 0, 0);
  Open();
  auto& d = D();
  EXPECT_TRUE(W(*d.serialSpeed).PickItem(3));
  EXPECT_EQ(GlobalText("com_port_speed"), "57600");
  EXPECT_TRUE(W(*d.serialPort).PickItem(1));
  EXPECT_EQ(GlobalText("com_port"), "7");
  EXPECT_TRUE(W(*d.reconnect).Click());
  EXPECT_EQ(ToInt(Global("reconnecting")), 1);
  W(*d.reconnect).Click();
  EXPECT_EQ(Global("reconnecting").Kind, dtInt);
  EXPECT_EQ(ToInt(Global("reconnecting")), 0);

  // Poll period: digits only; an emptied field reads 0.
  auto& poll = W(*d.pollPeriod);
  Retype(poll, "12");
  EXPECT_EQ(poll.Text(), "12");
  EXPECT_EQ(ToInt(Global("time_refresh")), 12);
  poll.Type("-x");
  EXPECT_EQ(poll.Text(), "12");
  EXPECT_EQ(ToInt(Global("time_refresh")), 12);
  Retype(poll, "");
  EXPECT_EQ(poll.Text(), "0");
  EXPECT_EQ(ToInt(Global("time_refresh")), 0);
  // No more digits than a period the poll timer can run.
  Retype(poll, "123");
  poll.Type("4567890");
  EXPECT_EQ(poll.Text(), "123456");
  EXPECT_EQ(ToInt(Global("time_refresh")), 123456);

  // TCP port: an integer, hexadecimal accepted, letters rejected.
  W(*d.tcpChoice).Click();
  auto& tcp = W(*d.tcpPort);
  Retype(tcp, "5000");
  EXPECT_EQ(ToInt(Global("tcp_port")), 5000);
  tcp.Type("x");
  EXPECT_EQ(tcp.Text(), "5000");
  EXPECT_EQ(ToInt(Global("tcp_port")), 5000);
  Retype(tcp, "0x10");
  EXPECT_EQ(ToInt(Global("tcp_port")), 16);
  EXPECT_TRUE(events.empty());
}

TEST_F(LinkSettingsTest, TheRefreshButtonProbesThePortsAgain) {
  Loaded(1, 7, 9600, 0, 0, 0);
  Open();
  auto& d = D();
  EXPECT_EQ(W(*d.serialPort).Items(), (Values{"3", "7"}));
  {
    TPtyPair comFive;
    platform::SetSerialDevicePath(5, comFive.SlavePath);
    platform::SetSerialDevicePath(7, "/nonexistent/zorn-no-port");
    EXPECT_TRUE(W(*d.refreshButton).Click());
    EXPECT_EQ(W(*d.serialPort).Items(), (Values{"3", "5"}));
    // COM7 is gone: the first item is selected and stored.
    EXPECT_EQ(W(*d.serialPort).Text(), "3");
    EXPECT_EQ(GlobalText("com_port"), "3");
    platform::SetSerialDevicePath(5, "/nonexistent/zorn-no-port");
  }
}

TEST_F(LinkSettingsTest, SaveReportsSaveThenApplyThenHides) {
  Loaded(1, 3, 9600, 0, 0, 0);
  Open();
  EXPECT_TRUE(W(*D().saveButton).Click());
  EXPECT_EQ(events, (Values{"1 null shown", "0 null shown"}));
  EXPECT_FALSE(Dialog().Visible());
  EXPECT_EQ(backend.ActiveForm(), mainForm->Widget());  // the window active before
}

TEST_F(LinkSettingsTest, CloseBoxHidesKeepsTheLiveEditsAndReportsNothing) {
  Loaded(1, 3, 9600, 0, 0, 0);
  Open();
  auto& d = D();
  W(*d.serialSpeed).PickItem(5);
  Retype(W(*d.pollPeriod), "7");
  EXPECT_TRUE(Dialog().UserClose());
  EXPECT_FALSE(Dialog().Visible());
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(GlobalText("com_port_speed"), "115200");
  EXPECT_EQ(ToInt(Global("time_refresh")), 7);

  // The next opening refreshes every control from the globals.
  MakeInt(Global("time_refresh"), 30);
  MakeInt(Global("com_port_speed"), 19200);
  MakeInt(Global("reconnecting"), 1);
  Open();
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_EQ(W(*d.pollPeriod).Text(), "30");
  EXPECT_EQ(W(*d.serialSpeed).Text(), "19200");
  EXPECT_TRUE(W(*d.reconnect).Checked());
}

TEST_F(LinkSettingsTest, ProposedDefaultsStandInForGlobalsNeverSet) {
  MakeInt(Global("type_connect"), 2);
  Open();
  EXPECT_EQ(ToInt(Global("tcp_port")), 4455);
  EXPECT_EQ(ToInt(Global("com_port_speed")), 9600);
  EXPECT_EQ(W(*D().tcpPort).Text(), "4455");
}

// With the config loader behind host event 1, as the main scheme wires it:
// saving writes all six keys, changed or not, the empty port as 0.
class LinkSettingsSaveTest : public LinkSettingsTest {
 protected:
  void SetUp() override {
    LinkSettingsTest::SetUp();
    loader = std::make_unique<TZEMultiElement>();
    loader->SetEventCount(1);
    loader->SetFactory(&SchemeFactory<TClassMultiElement_ConfigLoader>);
    host->Events[LinkSettings::OnSave] =
        MakeWire(ConfigLoader::Save, &TZEMultiElement::Action, loader.get());
  }
  void TearDown() override {
    loader.reset();
    LinkSettingsTest::TearDown();
  }
  TProgramFolder folder;
  std::unique_ptr<TZEMultiElement> loader;
};

TEST_F(LinkSettingsSaveTest, SavingWritesEverySixKeysEvenUnchanged) {
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntcp_port=6000\r\ntime_refresh=3\r\n");
  FireNull(MakeWire(ConfigLoader::Load, &TZEMultiElement::Action, loader.get()));  // load
  Open();
  W(*D().saveButton).Click();
  std::string ini = folder.Read("config.ini");
  for (const char* line : {"type_connect=2", "com_port=0", "com_port_speed=0", "tcp_port=6000",
                           "time_refresh=3", "reconnecting=0"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << " in " << ini;
  }

  // Serial with no port found: the empty text is written as 0.
  platform::SetSerialDevicePath(3, "/nonexistent/zorn-no-port");
  platform::SetSerialDevicePath(7, "/nonexistent/zorn-no-port");
  Open();
  EXPECT_TRUE(W(*D().serialChoice).Click());
  EXPECT_TRUE(W(*D().saveButton).Click());
  ini = folder.Read("config.ini");
  for (const char* line : {"type_connect=1", "com_port=0", "com_port_speed=9600"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << " in " << ini;
  }
}

// The TCP server's address and allow list are not the dialog's: saving
// leaves them in config.ini as they were, and the layout stays the same.
TEST_F(LinkSettingsSaveTest, SavingKeepsTheTcpAddressAndAllowList) {
  folder.Write("config.ini",
               "[config]\r\ntype_connect=2\r\ntcp_port=6000\r\ntcp_bind=127.0.0.1\r\n"
               "tcp_allow=127.0.0.2, 192.168.1.0/24\r\n");
  FireNull(MakeWire(ConfigLoader::Load, &TZEMultiElement::Action, loader.get()));
  Open();
  EXPECT_TRUE(W(*D().saveButton).Click());
  std::string ini = folder.Read("config.ini");
  for (const char* line : {"tcp_port=6000", "tcp_bind=127.0.0.1\r\n",
                           "tcp_allow=127.0.0.2, 192.168.1.0/24\r\n"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << " in " << ini;
  }
  // Saved again after the globals were emptied: still the file's own.
  MakeStr(TZEGlobalVar::Variable("tcp_bind"), "");
  MakeStr(TZEGlobalVar::Variable("tcp_allow"), "");
  Open();
  EXPECT_TRUE(W(*D().saveButton).Click());
  ini = folder.Read("config.ini");
  EXPECT_NE(ini.find("tcp_bind=127.0.0.1\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("tcp_allow=127.0.0.2, 192.168.1.0/24\r\n"), std::string::npos) << ini;
}

TEST_F(LinkSettingsSaveTest, AFirstSaveWithoutEditsStoresWhatTheDialogShows) {
  FireNull(
      MakeWire(ConfigLoader::Load, &TZEMultiElement::Action, loader.get()));  // no config.ini yet
  Open();
  EXPECT_TRUE(W(*D().tcpChoice).Click());
  EXPECT_EQ(W(*D().tcpPort).Text(), "4455");
  EXPECT_TRUE(W(*D().saveButton).Click());
  EXPECT_NE(folder.Read("config.ini").find("tcp_port=4455\r\n"), std::string::npos);

  // The port and speed are picked from their lists: typing changes neither
  // the box nor the global.
  Open();
  EXPECT_TRUE(W(*D().serialChoice).Click());
  auto& speed = W(*D().serialSpeed);
  std::string shown = speed.Text();
  speed.Type("12345");
  EXPECT_EQ(speed.Text(), shown);
  EXPECT_EQ(GlobalText("com_port_speed"), shown);
  auto& port = W(*D().serialPort);
  shown = port.Text();
  port.Type("9");
  EXPECT_EQ(port.Text(), shown);
  EXPECT_EQ(GlobalText("com_port"), shown);
}

}  // namespace
}  // namespace zorn::test
