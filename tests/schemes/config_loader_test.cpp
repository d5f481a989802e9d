// The config.ini scheme: the six connection keys into and out of their
// globals, the report between the keys and the window flags.
#include <memory>

#include "app/settings/config_loader.h"
#include "platform/ini.h"
#include "support/elements.h"
#include "support/program_folder.h"

namespace zorn::test {
namespace {

using ConfigLoader = TClassMultiElement_ConfigLoader;

TData& Global(const char* name) { return TZEGlobalVar::Variable(name); }

class ConfigLoaderTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(1);
    host->SetFactory(&SchemeFactory<TClassMultiElement_ConfigLoader>);
    host->Events[ConfigLoader::OnDone] = MakeWire(0, &TCall::Take, &done);
  }
  void TearDown() override {
    host.reset();
    RuntimeTest::TearDown();
  }
  void Load() { FireNull(MakeWire(ConfigLoader::Load, &TZEMultiElement::Action, host.get())); }
  void Save() { FireNull(MakeWire(ConfigLoader::Save, &TZEMultiElement::Action, host.get())); }

  TProgramFolder folder;
  std::unique_ptr<TZEMultiElement> host;
  TCall done{[this](TData& d, uint16_t) {
    ++reports;
    reportKind = d.Kind;
    flagAtReport = ToInt(Global("visible_button"));
    speedAtReport = ToInt(Global("com_port_speed"));
  }};
  int reports = 0;
  uint8_t reportKind = 255;
  int32_t flagAtReport = -1;
  int32_t speedAtReport = -1;
};

TEST_F(ConfigLoaderTest, MissingFileLoadsZeroEverywhereAndCreatesNothing) {
  MakeInt(Global("type_connect"), 2);
  MakeInt(Global("visible_graph"), 1);
  Load();
  for (const char* key : TClassMultiElement_ConfigLoader::kKeys) {
    EXPECT_EQ(Global(key).Kind, dtInt) << key;
    EXPECT_EQ(ToInt(Global(key)), 0) << key;
  }
  for (const char* flag : {"visible_button", "visible_indicator", "visible_graph"}) {
    EXPECT_EQ(ToInt(Global(flag)), 0) << flag;
  }
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(reportKind, dtNull);
  EXPECT_FALSE(folder.Exists("config.ini"));
}

TEST_F(ConfigLoaderTest, LoadReportsAfterTheKeysAndBeforeTheWindowFlags) {
  folder.Write("config.ini",
               "[config]\r\ntype_connect=2\r\ncom_port=3\r\ncom_port_speed=19200\r\n"
               "tcp_port=4455\r\ntime_refresh=abc\r\nreconnecting=1\r\n"
               "[buttonForm]\r\nvisible=1\r\n[indicatorForm]\r\nvisible=1\r\n"
               "[graphForm]\r\nvisible=0\r\n");
  MakeInt(Global("visible_button"), 7);
  Load();
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(speedAtReport, 19200);
  EXPECT_EQ(flagAtReport, 7);  // not read yet when the report ran
  EXPECT_EQ(ToInt(Global("type_connect")), 2);
  EXPECT_EQ(ToInt(Global("com_port")), 3);
  EXPECT_EQ(ToInt(Global("tcp_port")), 4455);
  EXPECT_EQ(ToInt(Global("time_refresh")), 0);  // not a number
  EXPECT_EQ(ToInt(Global("reconnecting")), 1);
  EXPECT_EQ(ToInt(Global("visible_button")), 1);
  EXPECT_EQ(ToInt(Global("visible_indicator")), 1);
  EXPECT_EQ(ToInt(Global("visible_graph")), 0);
}

TEST_F(ConfigLoaderTest, TheTcpAddressAndAllowListLoadAsTextsBeforeTheReport) {
  folder.Write("config.ini",
               "[config]\r\ntype_connect=2\r\ntcp_bind=127.0.0.1\r\n"
               "tcp_allow=127.0.0.2, 10.0.0.0/8\r\n");
  TCall seen{[](TData&, uint16_t) {}};
  std::string bindAtReport;
  host->Events[ConfigLoader::OnDone] = MakeWire(0, &TCall::Take, &seen);
  seen.Fn = [&](TData&, uint16_t) { bindAtReport = ToStr(Global("tcp_bind")); };
  Load();
  EXPECT_EQ(bindAtReport, "127.0.0.1");
  EXPECT_EQ(Global("tcp_bind").Kind, dtStr);
  EXPECT_EQ(ToStr(Global("tcp_allow")), "127.0.0.2, 10.0.0.0/8");

  // Missing keys read as the empty text: every interface, every client.
  folder.Write("config.ini", "[config]\r\ntype_connect=2\r\n");
  Load();
  EXPECT_EQ(ToStr(Global("tcp_bind")), "");
  EXPECT_EQ(ToStr(Global("tcp_allow")), "");

  // Save writes the six keys only and leaves the two as the file holds them.
  folder.Write("config.ini", "[config]\r\ntcp_bind=127.0.0.1\r\ntcp_allow=127.0.0.2\r\n");
  MakeStr(Global("tcp_bind"), "");
  Save();
  std::string ini = folder.Read("config.ini");
  EXPECT_EQ(ini.rfind("[config]\r\ntcp_bind=127.0.0.1\r\ntcp_allow=127.0.0.2\r\ntype_connect=", 0), 0u)
      << ini;
}

TEST_F(ConfigLoaderTest, SaveWritesAllSixKeysKeepsTheRestAndReports) {
  folder.Write("config.ini", "; panel settings\r\n[mainForm]\r\nLeft=40\r\n[config]\r\ncom_port=9\r\n");
  MakeInt(Global("type_connect"), 1);
  MakeInt(Global("com_port"), 4);
  MakeStr(Global("com_port_speed"), "115200");
  MakeInt(Global("tcp_port"), 4455);
  MakeInt(Global("time_refresh"), 5);
  // "reconnecting" was never set: written as 0.
  Save();
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(folder.Read("config.ini"),
            "; panel settings\r\n[mainForm]\r\nLeft=40\r\n[config]\r\ncom_port=4\r\n"
            "type_connect=1\r\ncom_port_speed=115200\r\ntcp_port=4455\r\ntime_refresh=5\r\n"
            "reconnecting=0\r\n");

  // What was saved loads back unchanged.
  MakeInt(Global("com_port_speed"), 0);
  Load();
  EXPECT_EQ(ToInt(Global("com_port_speed")), 115200);
  EXPECT_EQ(ToInt(Global("com_port")), 4);
  EXPECT_EQ(reports, 2);
}

}  // namespace
}  // namespace zorn::test
