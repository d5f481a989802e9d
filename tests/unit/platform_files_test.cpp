// The file service of the journal on POSIX, in a private temporary folder:
// folders, listing, whole and tail reads, appends, deletion, and the
// refusals a file or folder in the way gives. Names are CP1251 in the
// program and UTF-8 on the disk.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/paths.h"
#include "support/program_folder.h"

namespace zorn {
namespace {

class PlatformFilesTest : public ::testing::Test {
 protected:
  // A name in the folder as the program writes it (CP1251, "\"), and as
  // the disk holds it (UTF-8, "/").
  std::string P(const std::string& name) { return platform::FromNativePath(folder.File("")) + name; }
  std::string N(const std::string& name) { return platform::ToNativePath(P(name)); }
  void Write(const std::string& name) { std::ofstream(N(name), std::ios::binary) << ""; }
  test::TProgramFolder folder;
};

TEST_F(PlatformFilesTest, AFolderIsMadeOnceAndAFileInTheWayRefusesIt) {
  EXPECT_TRUE(platform::MakeFolder(P("журнал")));
  EXPECT_TRUE(std::filesystem::is_directory(N("журнал")));
  EXPECT_TRUE(platform::MakeFolder(P("журнал")));  // already there
  folder.Write("file", "x");
  EXPECT_FALSE(platform::MakeFolder(P("file")));
  EXPECT_FALSE(platform::MakeFolder(P("missing/inner")));
}

TEST_F(PlatformFilesTest, AppendsAddAtTheEndAndReadsSeeThem) {
  std::string path = P("журнал.csv");
  std::string bytes = "unchanged";
  EXPECT_FALSE(platform::ReadWholeFile(path, bytes));
  EXPECT_FALSE(platform::ReadFileEnd(path, 1, bytes));
  ASSERT_TRUE(platform::AppendToFile(path, "Время\r\n"));
  ASSERT_TRUE(platform::AppendToFile(path, "a;b"));
  ASSERT_TRUE(platform::AppendToFile(path, ""));
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "Время\r\na;b");
  ASSERT_TRUE(platform::ReadFileEnd(path, 1, bytes));
  EXPECT_EQ(bytes, "b");
  ASSERT_TRUE(platform::ReadFileEnd(path, 100, bytes));
  EXPECT_EQ(bytes, "Время\r\na;b");
  folder.Write("empty", "");
  ASSERT_TRUE(platform::ReadFileEnd(P("empty"), 1, bytes));
  EXPECT_EQ(bytes, "");
}

TEST_F(PlatformFilesTest, AFolderIsNeitherReadNorAppendedTo) {
  std::filesystem::create_directories(folder.File("dir.csv"));
  std::string bytes;
  EXPECT_FALSE(platform::AppendToFile(P("dir.csv"), "x"));
  EXPECT_FALSE(platform::ReadWholeFile(P("dir.csv"), bytes));
  EXPECT_FALSE(platform::ReadFileEnd(P("dir.csv"), 1, bytes));
  EXPECT_FALSE(platform::AppendToFile(P("missing/file.csv"), "x"));
}

TEST_F(PlatformFilesTest, ListingGivesThePlainFilesAndDeletingRemovesThem) {
  folder.Write("a.csv", "");
  Write("журнал.csv");
  std::filesystem::create_directories(folder.File("sub"));
  auto names = platform::ListFiles(P(""));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.csv", "журнал.csv"}));
  EXPECT_TRUE(platform::ListFiles(P("missing")).empty());
  EXPECT_TRUE(platform::RemoveFile(P("журнал.csv")));
  EXPECT_FALSE(std::filesystem::exists(N("журнал.csv")));
  EXPECT_FALSE(platform::RemoveFile(P("журнал.csv")));
  EXPECT_FALSE(platform::RemoveFile(P("sub")));
  EXPECT_TRUE(folder.Exists("sub"));
}

}  // namespace
}  // namespace zorn
