// A private program folder per test, so that config.ini and
// user_settings.ini of parallel tests never meet; removed at the end.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/paths.h"
#include "runtime/paths.h"

namespace zorn::test {

class TProgramFolder {
 public:
  TProgramFolder() {
    char pattern[] = "/tmp/zorn_program_XXXXXX";
    path_ = mkdtemp(pattern);
    SetExeFolderForTests(platform::FromNativePath(path_ + "/"));
  }
  ~TProgramFolder() {
    SetExeFolderForTests("");
    std::filesystem::remove_all(path_);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

 private:
  std::string path_;
};

}  // namespace zorn::test
