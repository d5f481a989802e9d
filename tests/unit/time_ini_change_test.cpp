// The time format, the INI element over real files, and the change monitor.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "elements/change_mon.h"
#include "elements/ini.h"
#include "elements/time.h"
#include "platform/paths.h"
#include "runtime/paths.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

TEST(TimeFormatTest, LettersBecomeTwoDigitNumbersInTheirOrder) {
  platform::TLocalTime t{2026, 12, 0, 7, 9, 5, 3};
  EXPECT_EQ(FormatTime("h:m:s D-M-Y", t), "09:05:03 07-12-2026");
  EXPECT_EQ(FormatTime("W", t), "00") << "Sunday";
  EXPECT_EQ(FormatTime("Date: D", t), "07ate: 07") << "literal letters are replaced too";
  EXPECT_EQ(FormatTime("YMWDhms", platform::TLocalTime{5, 10, 6, 31, 23, 59, 0}),
            "05100631235900");
  EXPECT_EQ(FormatTime("x-y", t), "x-y");
}

TEST(TimeFormatTest, ElementAnswersTheLocalTimeNow) {
  ResetRuntimeForTests();
  StartLiveDispatch();
  TZETime time;
  time.Format = "Y";
  TData d;
  time.Text(d, 0);
  ASSERT_EQ(d.Kind, dtStr);
  EXPECT_EQ(ToStr(d), IntToStr(platform::LocalTime().Year));
  ResetRuntimeForTests();
}

// Each test gets a file name beside the test program and removes it after.
class IniElementTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    name = "ini_element_test_" + std::to_string(getpid()) + ".ini";
    path = platform::ToNativePath(ExeFolder() + name);
    std::remove(path.c_str());
    ini.FileName = name;
    ini.Section = "buttonForm";
    ini.OnRead = MakeWire(0, &TProbe::Take, &read);
    ini.OnLine = MakeWire(0, &TProbe::Take, &lines);
  }
  void TearDown() override {
    std::remove(path.c_str());
    RuntimeTest::TearDown();
  }
  void Put(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Contents() {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Run(void (TZEini::*action)(TData&, uint16_t), TData d = {}) {
    Fire(MakeWire(0, action, &ini), d);
  }

  std::string name, path;
  TZEini ini;
  TProbe read, lines;
};

TEST_F(IniElementTest, ReadsIntegersAndStringsWithTheirNeutralResults) {
  Put("[buttonForm]\r\nvisible=1\r\nbad=abc\r\ntext=Мотор 1\r\n");
  ini.Key = "visible";
  Run(&TZEini::Read);
  ini.Key = "bad";
  Run(&TZEini::Read);
  ini.Key = "missing";
  Run(&TZEini::Read);
  ini.StringType = true;
  Run(&TZEini::Read);
  ini.Key = "text";
  Run(&TZEini::Read);
  EXPECT_EQ(read.Seen, (std::vector<std::string>{"int 1", "int 0", "int 0", "str ", "str Мотор 1"}));
}

TEST_F(IniElementTest, WritesBesideTheProgramAndDeletesKeys) {
  ini.StringType = true;
  ini.Key = "unit_1";
  TData value;
  MakeStr(value, "1;12;1;0;Мотор;70;1");
  Run(&TZEini::Write, value);
  ini.Key = "unit_2";
  MakeStr(value, "b");
  Run(&TZEini::Write, value);
  EXPECT_EQ(Contents(), "[buttonForm]\r\nunit_1=1;12;1;0;Мотор;70;1\r\nunit_2=b\r\n");

  Run(&TZEini::ReadSection);
  EXPECT_EQ(lines.Seen, (std::vector<std::string>{"str unit_1=1;12;1;0;Мотор;70;1",
                                                 "str unit_2=b"}));
  ini.Key = "unit_1";
  Run(&TZEini::DeleteKey);
  EXPECT_EQ(Contents(), "[buttonForm]\r\nunit_2=b\r\n");

  ini.StringType = false;
  ini.Key = "count";
  MakeStr(value, "42abc");
  Run(&TZEini::Write, value);
  EXPECT_NE(Contents().find("count=42\r\n"), std::string::npos);
}

TEST_F(IniElementTest, EmptySectionOrKeyDoesNothing) {
  ini.Key = "";  // with a Null record nothing can stand in for it
  Run(&TZEini::Write);
  Run(&TZEini::Read);
  ini.Key = "k";
  ini.Section = "";
  Run(&TZEini::Write);
  Run(&TZEini::DeleteKey);
  Run(&TZEini::Read);
  Run(&TZEini::ReadSection);
  EXPECT_FALSE(std::ifstream(path).good()) << "no file is created";
  EXPECT_TRUE(read.Seen.empty());
  EXPECT_TRUE(lines.Seen.empty());
}

TEST_F(IniElementTest, UnwiredInputsTakeTheRecordInFileSectionKeyValueOrder) {
  ini.FileName = "";
  ini.Section = "";
  ini.StringType = true;
  TData section, key, value;
  MakeStr(section, "eventForm");
  MakeStr(key, "event_1");
  MakeStr(value, "v");
  TData file;
  MakeStr(file, name);
  file.Next = &section;
  section.Next = &key;
  key.Next = &value;
  Run(&TZEini::Write, file);
  EXPECT_EQ(Contents(), "[eventForm]\r\nevent_1=v\r\n");
}

TEST_F(IniElementTest, FileNameWithAFolderIsUsedAsItIs) {
  std::string folder = platform::TempFolder();
  if (folder.back() != '\\') folder += '\\';
  ini.FileName = folder + name;
  ini.Key = "k";
  TData value;
  MakeInt(value, 5);
  Run(&TZEini::Write, value);
  std::string native = platform::ToNativePath(ini.FileName);
  EXPECT_TRUE(std::ifstream(native).good());
  EXPECT_FALSE(std::ifstream(path).good());
  std::remove(native.c_str());
}

using ChangeMonTest = RuntimeTest;

TEST_F(ChangeMonTest, SameOnlyForTheSameKindAndValue) {
  TZEChangeMon monitor;
  TData zero;
  MakeInt(zero, 0);
  monitor.SetInitial(zero);
  TProbe changed, same;
  monitor.OnChange = MakeWire(0, &TProbe::Take, &changed);
  monitor.OnSame = MakeWire(0, &TProbe::Take, &same);
  TWire check = MakeWire(0, &TZEChangeMon::Check, &monitor);
  FireInt(check, 0);
  FireInt(check, 1);
  FireInt(check, 1);
  FireStr(check, "1");
  FireStr(check, "1");
  FireReal(check, 1.0);
  EXPECT_EQ(same.Seen, (std::vector<std::string>{"int 0", "int 1", "str 1"}));
  EXPECT_EQ(changed.Seen, (std::vector<std::string>{"int 1", "str 1", "real 1"}));
}

TEST_F(ChangeMonTest, EventFromDataAnswersWithItsReply) {
  TZEEventFromData forward;
  MakeStr(forward.Reply, "answer");
  TProbe handler;
  forward.OnEvent = MakeWire(0, &TProbe::Take, &handler);
  TData d;
  MakeInt(d, 3);
  Fire(MakeWire(0, &TZEEventFromData::Forward, &forward), d);
  EXPECT_EQ(handler.Seen, std::vector<std::string>{"int 3"});
  EXPECT_EQ(ToStr(d), "answer");
}

}  // namespace
}  // namespace zorn::test
