// TZEPlaySound over the POSIX sound record: which of file, resource and stop
// it asks for, with which flags, in a fresh current folder.
#include "link/play_sound.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/resources.h"
#include "platform/sound.h"
#include "support/elements.h"

namespace zorn {
namespace {

namespace fs = std::filesystem;
using platform::SoundRequests;
using platform::TSoundRequest;
using test::TProbe;
using test::TSource;

// A complete, tiny WAVE file: 8 kHz mono 8-bit, two samples.
const uint8_t TestWave[] = {'R', 'I', 'F', 'F', 38, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                            16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0,
                            1, 0, 8, 0, 'd', 'a', 't', 'a', 2, 0, 0, 0, 0x80, 0x90};

std::string WaveBytes() { return std::string(reinterpret_cast<const char*>(TestWave), sizeof TestWave); }

class PlaySoundTest : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::RegisterEmbeddedResource("WAVE1", platform::UserResourceType, TestWave, sizeof TestWave);
    char pattern[] = "/tmp/zorn-sound-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    old = fs::current_path();
    fs::current_path(dir);
    SoundRequests().clear();
    sound.Mode = pmAsync;
    sound.OnPlay = MakeWire(0, &TProbe::Take, &played);
  }
  void TearDown() override {
    fs::current_path(old);
    std::error_code ec;
    fs::remove_all(dir, ec);
    SoundRequests().clear();
    RuntimeTest::TearDown();
  }
  static void Touch(const fs::path& path) { std::ofstream(path) << "RIFF"; }
  // Plays with `value` as the action's record, and returns the one request.
  TSoundRequest Play(const std::string& value = {}) {
    TData d;
    if (!value.empty()) MakeStr(d, value);
    Fire(MakeWire(0, &TZEPlaySound::Play, &sound), d);
    EXPECT_EQ(SoundRequests().size(), 1u);
    TSoundRequest r = SoundRequests().empty() ? TSoundRequest{} : SoundRequests().back();
    SoundRequests().clear();
    return r;
  }

  fs::path dir, old;
  TZEPlaySound sound;
  TProbe played;
};

TEST_F(PlaySoundTest, ResourceFromMemoryWhenNoFileHasTheName) {
  sound.ResourceName = "WAVE1";
  TSoundRequest r = Play();
  EXPECT_EQ(r.Kind, TSoundRequest::Memory);
  EXPECT_EQ(r.Bytes, WaveBytes());
  EXPECT_EQ(r.Flags, platform::sndAsync | platform::sndMemory);
  EXPECT_EQ(played.Seen, (std::vector<std::string>{"null"}));
}

TEST_F(PlaySoundTest, AFileOfTheResourceNameWins) {
  Touch("WAVE1");
  sound.ResourceName = "WAVE1";
  TSoundRequest r = Play();
  EXPECT_EQ(r.Kind, TSoundRequest::File);
  EXPECT_EQ(r.Path, "WAVE1");
  EXPECT_EQ(r.Flags, platform::sndAsync);
}

TEST_F(PlaySoundTest, AResourceNameKeepsTheFileNameUnread) {
  Touch("sound.wav");
  TSource name;
  MakeStr(name.Answer, "sound.wav");
  sound.ResourceName = "WAVE1";
  sound.FileName = "sound.wav";
  sound.FileNameInput = MakeWire(0, &TSource::Value, &name);
  EXPECT_EQ(Play("sound.wav").Kind, TSoundRequest::Memory);
  EXPECT_EQ(name.Reads, 0);
}

TEST_F(PlaySoundTest, FileNameFromInputPropertyOrValue) {
  Touch("alarm.wav");
  Touch("prop.wav");
  Touch("value.wav");
  TSource name;
  MakeStr(name.Answer, "alarm.wav");
  sound.FileNameInput = MakeWire(0, &TSource::Value, &name);
  sound.FileName = "prop.wav";
  EXPECT_EQ(Play("value.wav").Path, "alarm.wav");
  sound.FileNameInput = TWire{};
  EXPECT_EQ(Play("value.wav").Path, "prop.wav");
  sound.FileName.clear();
  TSoundRequest r = Play("value.wav");
  EXPECT_EQ(r.Kind, TSoundRequest::File);
  EXPECT_EQ(r.Path, "value.wav");
  // A value naming one of the program's sounds plays it.
  EXPECT_EQ(Play("wave1").Kind, TSoundRequest::Memory);
}

TEST_F(PlaySoundTest, NamesInProgramFormReachTheNativeFile) {
  fs::create_directory("sub");
  // The CP1251 name "звук.wav" lies on disk in UTF-8.
  Touch(fs::path("sub") / reinterpret_cast<const char*>(u8"звук.wav"));
  const std::string name = "sub\\звук.wav";
  TSoundRequest r = Play(name);
  EXPECT_EQ(r.Kind, TSoundRequest::File);
  EXPECT_EQ(r.Path, name);
}

TEST_F(PlaySoundTest, NothingToPlayStopsTheSound) {
  fs::create_directory("folder");
  for (std::string name : {"", "missing.wav", "folder", "WAVE7"}) {
    SCOPED_TRACE(name);
    sound.FileName = name;
    TSoundRequest r = Play();
    EXPECT_EQ(r.Kind, TSoundRequest::Stop);
    EXPECT_EQ(r.Flags, platform::sndAsync);
  }
  // A folder named like a sound does not hide the resource.
  fs::create_directory("WAVE1");
  sound.ResourceName = "WAVE1";
  EXPECT_EQ(Play().Kind, TSoundRequest::Memory);
  EXPECT_EQ(played.Seen.size(), 5u);
}

TEST_F(PlaySoundTest, ModeFlags) {
  Touch("a.wav");
  sound.FileName = "a.wav";
  struct TCase {
    uint8_t Mode;
    uint32_t Flags;
  };
  for (TCase c : {TCase{pmSync, 0u}, TCase{pmAsync, 1u}, TCase{pmAsyncLoop, 9u}, TCase{7, 1u}}) {
    SCOPED_TRACE(int(c.Mode));
    sound.Mode = c.Mode;
    sound.ResourceName.clear();
    EXPECT_EQ(Play().Flags, c.Flags);
    sound.ResourceName = "WAVE1";
    EXPECT_EQ(Play().Flags, c.Flags | platform::sndMemory);
  }
}

TEST(SoundRecordTest, KeepsTheLatestRequestsOnly) {
  SoundRequests().clear();
  for (int i = 0; i < 300; ++i) platform::PlaySoundFile(std::to_string(i), platform::sndAsync);
  ASSERT_EQ(SoundRequests().size(), 256u);
  EXPECT_EQ(SoundRequests().front().Path, "44");
  EXPECT_EQ(SoundRequests().back().Path, "299");
  SoundRequests().clear();
}

}  // namespace
}  // namespace zorn
