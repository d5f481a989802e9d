// The POSIX message box record and the embedded resource table.
#include <string>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/resources.h"

namespace zorn::platform {
namespace {

class MessageBoxRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { ShownMessages().clear(); }
  void TearDown() override {
    SetMessageBoxOwner(nullptr);
    ShownMessages().clear();
  }
};

TEST_F(MessageBoxRecordTest, RecordsTextCaptionAndOwnership) {
  int mainWindow = 0;
  ShowMessageBox("без владельца", "String-Debug");
  SetMessageBoxOwner(&mainWindow);
  ShowMessageBox("с владельцем", "String-Debug");
  ShowUnownedMessageBox("всё равно без", "Vorant Info");
  SetMessageBoxOwner(nullptr);
  ShowMessageBox("снова без", "String-Debug");

  auto& shown = ShownMessages();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].Text, "без владельца");
  EXPECT_EQ(shown[0].Caption, "String-Debug");
  EXPECT_FALSE(shown[0].Owned);
  EXPECT_TRUE(shown[1].Owned);
  EXPECT_EQ(shown[2].Caption, "Vorant Info");
  EXPECT_FALSE(shown[2].Owned);
  EXPECT_FALSE(shown[3].Owned);
}

TEST_F(MessageBoxRecordTest, EchoesToStderrAsUtf8) {
  testing::internal::CaptureStderr();
  ShowMessageBox("Сделано в Vorant.", "Vorant Info");
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(reinterpret_cast<const char*>(u8"Сделано в Vorant.")), std::string::npos)
      << err;
  EXPECT_NE(err.find("Vorant Info"), std::string::npos) << err;
}

TEST(EmbeddedResourceTest, FoundByNameWithoutCaseAndByType) {
  static const uint8_t wave[] = {'R', 'I', 'F', 'F', 0, 1, 2};
  static const uint8_t other[] = {9};
  RegisterEmbeddedResource("WAVE_TEST", UserResourceType, wave, sizeof wave);
  RegisterEmbeddedResource("WAVE_TEST", UserResourceType + 1, other, sizeof other);

  TResourceBytes r = FindResource("wave_test", UserResourceType);
  ASSERT_TRUE(r.Found());
  EXPECT_EQ(r.Data, wave);
  EXPECT_EQ(r.Size, sizeof wave);
  EXPECT_EQ(FindResource("WAVE_TEST", UserResourceType + 1).Data, other);
  EXPECT_FALSE(FindResource("WAVE_TEST", UserResourceType + 2).Found());
  EXPECT_FALSE(FindResource("WAVE_MISSING", UserResourceType).Found());
}

}  // namespace
}  // namespace zorn::platform
