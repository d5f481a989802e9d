// The Windows half of the INI differential test: runs the script of
// ini_script.cpp on the kernel32 private-profile functions in the folder
// ini_work under the current one and writes the transcript to the file named
// by the argument. ini_diff_native compares it with its own run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/windows/ini_script.h"

namespace {

namespace fs = std::filesystem;

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(1251, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(1251, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                      nullptr);
  return text;
}

class TWin32Host : public zorn::inidiff::THost {
 public:
  explicit TWin32Host(fs::path work) : Work(std::move(work)) {}

  std::string Folder() const override { return Narrow(Work.wstring()); }
  void PutFile(const std::string& name, const std::string& bytes) override {
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::optional<std::string> GetFile(const std::string& name) override {
    std::error_code ec;
    if (!fs::is_regular_file(Path(name), ec)) return std::nullopt;
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void RemoveFile(const std::string& name) override {
    std::error_code ec;
    fs::remove(Path(name), ec);
  }
  void MakeFolder(const std::string& name) override {
    std::error_code ec;
    fs::create_directories(Path(name), ec);
  }
  std::vector<std::string> List(const std::string& folder) override {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(Path(folder), ec))
      names.push_back(Narrow(e.path().filename().wstring()));
    std::sort(names.begin(), names.end());
    return names;
  }
  bool FoldsOnlyAscii() const override { return OnWine(); }

  static bool OnWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  }

 private:
  fs::path Path(const std::string& name) const { return Work / Widen(name); }
  fs::path Work;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ini_diff transcript.txt\n");
    return 2;
  }
  std::error_code ec;
  const fs::path work = fs::current_path() / L"ini_work";
  fs::remove_all(work, ec);
  if (!fs::create_directories(work, ec)) {
    std::fprintf(stderr, "ini_diff: cannot make the work folder\n");
    return 1;
  }
  TWin32Host host(work);
  const std::vector<zorn::inidiff::TRecord> records = zorn::inidiff::RunScript(host);
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << zorn::inidiff::FormatTranscript(records);
  out.close();
  if (!out) {
    std::fprintf(stderr, "ini_diff: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("ini_diff: %u calls recorded in %s (%s, ANSI code page %u)\n",
              static_cast<unsigned>(records.size()), argv[1], TWin32Host::OnWine() ? "Wine" : "Windows",
              GetACP());
  return 0;
}
