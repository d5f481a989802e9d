// The POSIX INI writer leaves no temporary file behind: not when a writer
// is killed between writing and renaming, and not when a dead writer's
// temporary is found at the next write. Run with unnamed temporary files
// (O_TMPFILE) and with named ones, as on file systems without them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/posix/ini_store.h"

namespace zorn::platform {
namespace {

namespace fs = std::filesystem;

enum class TTemporaries { Unnamed, Named };

class IniStoreTest : public testing::TestWithParam<TTemporaries> {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zorn-ini-store-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = pattern;
    UseUnnamedTemporaryFiles(GetParam() == TTemporaries::Unnamed);
  }
  void TearDown() override {
    UseUnnamedTemporaryFiles(true);
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }

  std::string Win(const std::string& name) const { return FromNativePath(Dir) + "\\" + name; }
  std::string Native(const std::string& name) const { return Dir + "/" + name; }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(Native(name), std::ios::binary) << bytes;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  size_t TemporariesOf(const std::string& name) const {
    size_t n = 0;
    for (const std::string& f : Entries()) n += f.rfind(name + ".tmp-", 0) == 0;
    return n;
  }

  std::string Dir;
};

using Names = std::vector<std::string>;

TEST_P(IniStoreTest, ADeadWritersTemporaryGoesAtTheNextWrite) {
  Put("s.ini", "[a]\r\nk=1\r\n");
  Put("s.ini.tmp-Ab12Cd", "[a]\r\nk=half writt");
  // Not temporaries of s.ini: kept.
  Put("other.ini.tmp-Ab12Cd", "x");
  Put("s.ini.tmp-notes", "x");
  Put("s.ini.tmp-Ab12Cd.bak", "x");
  Put("s.ini.tmp-Ab-2Cd", "x");
  ASSERT_TRUE(WriteIniString(Win("s.ini"), "a", "k", "2"));
  EXPECT_EQ(Get("s.ini"), "[a]\r\nk=2\r\n");
  EXPECT_EQ(Entries(), (Names{"other.ini.tmp-Ab12Cd", "s.ini", "s.ini.tmp-Ab-2Cd",
                            "s.ini.tmp-Ab12Cd.bak", "s.ini.tmp-notes"}));
}

TEST_P(IniStoreTest, ATemporaryAWriterStillHoldsIsLeftToIt) {
  Put("s.ini", "[a]\r\nk=1\r\n");
  Put("s.ini.tmp-Live00", "[a]\r\nk=being writt");
  // A writer in the middle of its write holds its temporary locked.
  const int held = open(Native("s.ini.tmp-Live00").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  ASSERT_TRUE(WriteIniString(Win("s.ini"), "a", "k", "2"));
  EXPECT_EQ(Entries(), (Names{"s.ini", "s.ini.tmp-Live00"}));
  close(held);
  ASSERT_TRUE(WriteIniString(Win("s.ini"), "a", "k", "3"));
  EXPECT_EQ(Entries(), Names{"s.ini"});
  EXPECT_EQ(Get("s.ini"), "[a]\r\nk=3\r\n");
}

// Writers killed with SIGKILL at random moments of a stream of large writes:
// the file always holds one whole version, and after the next write no
// temporary file is left.
TEST_P(IniStoreTest, WritersKilledMidWriteLeaveNothingAfterTheNextWrite) {
  const std::string head = "[a]\r\nk=";
  const std::string valueA(512 << 10, 'a'), valueB(512 << 10, 'b');
  Put("s.ini", head + "0\r\n");
  std::mt19937 random(12345);
  size_t left = 0;
  int kills = 0;
  for (int round = 0; round < 12; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      for (bool first = true;; first = false) {
        WriteIniString(Win("s.ini"), "a", "k", valueA);
        if (first && write(ready[1], "r", 1) != 1) _exit(2);
        WriteIniString(Win("s.ini"), "a", "k", valueB);
      }
    }
    close(ready[1]);
    // The first write's time (from the fork) sets the span the kill falls in:
    // anywhere in the next two writes.
    const auto forked = std::chrono::steady_clock::now();
    char byte = 0;
    const bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    const auto oneWrite = std::chrono::steady_clock::now() - forked;
    std::this_thread::sleep_for(oneWrite * (random() % 1000) / 500);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(started);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ++kills;
    const std::string text = Get("s.ini");
    ASSERT_TRUE(text == head + valueA + "\r\n" || text == head + valueB + "\r\n")
        << "a cut file of " << text.size() << " bytes";
    left += TemporariesOf("s.ini");
  }
  // Temporaries found right after the kills (the next writer removes them);
  // a writer without the cleaning would have left them all.
  RecordProperty("temporaries_seen_after_kills", static_cast<int>(left));
  ASSERT_TRUE(WriteIniString(Win("s.ini"), "a", "k", "done"));
  EXPECT_EQ(Entries(), Names{"s.ini"}) << "after " << kills << " kills";
  EXPECT_EQ(Get("s.ini"), head + "done\r\n");
}

INSTANTIATE_TEST_SUITE_P(Temporaries, IniStoreTest,
                         testing::Values(TTemporaries::Unnamed, TTemporaries::Named),
                         [](const testing::TestParamInfo<TTemporaries>& info) {
                           return info.param == TTemporaries::Unnamed ? "Unnamed" : "Named";
                         });

}  // namespace
}  // namespace zorn::platform
