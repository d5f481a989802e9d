// The native half of the INI differential test: runs the script of
// ini_script.cpp on zorn's POSIX reader and writer and compares every result
// and every file with the transcript of ini_diff.exe (the kernel32 functions,
// under Wine in the tests).
//
//   ini_diff_native <transcript of ini_diff.exe> <folder for this run>
//
// Results must be equal. Files must be equal byte for byte, except where Wine
// is known to differ from Windows, which zorn follows:
// - Wine writes the whole file anew from what it parsed (blank lines, comments
//   and blanks around "=" handled its own way, every line end CR LF), where
//   Windows keeps every byte it does not change. Accepted when our file was not
//   already in that written form and both files hold the same sections and
//   entries in the same order.
// - After a delete from a missing file Windows leaves an empty file; Wine
//   leaves none.
// Where Wine folds only ASCII letters in names, the Windows program gave it the
// file's own spelling (see TRun::OnWine), so those records compare exactly.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/paths.h"
#include "tests/windows/ini_script.h"

namespace {

namespace fs = std::filesystem;
using zorn::inidiff::Escape;
using zorn::inidiff::TRecord;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class TNativeHost : public zorn::inidiff::THost {
 public:
  explicit TNativeHost(fs::path work) : Work(std::move(work)) {}

  std::string Folder() const override { return zorn::platform::FromNativePath(Work.string()); }
  void PutFile(const std::string& name, const std::string& bytes) override {
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::optional<std::string> GetFile(const std::string& name) override {
    std::error_code ec;
    if (!fs::is_regular_file(Path(name), ec)) return std::nullopt;
    return ReadAll(Path(name));
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
      names.push_back(zorn::platform::FromNativePath(e.path().filename().string()));
    std::sort(names.begin(), names.end());
    return names;
  }
  bool FoldsOnlyAscii() const override { return false; }

 private:
  fs::path Path(const std::string& name) const {
    return zorn::platform::ToNativePath(Folder() + "\\" + name);
  }
  fs::path Work;
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The sections and entries of a file, one a line, without comments and blank
// lines: what survives Wine's rewrite.
std::vector<std::string> Content(const std::string& bytes) {
  std::vector<std::string> out;
  size_t pos = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(pos, end - pos);
    line = Trim(line.substr(0, line.find('\0')));
    pos = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    if (line.empty() || line[0] == ';') continue;
    const size_t close = line.rfind(']');
    const size_t eq = line.find('=');
    if (line[0] == '[' && close != std::string::npos && close > 0)
      out.push_back("[" + Trim(line.substr(1, close - 1)) + "]");
    else if (eq != std::string::npos)
      out.push_back(Trim(line.substr(0, eq)) + "=" + Trim(line.substr(eq + 1)));
    else
      out.push_back(line);
  }
  return out;
}

// The file as Wine would write it back.
bool InWrittenForm(const std::string& bytes) {
  std::string form;
  for (const std::string& line : Content(bytes)) form += line + "\r\n";
  return form == bytes;
}

std::string Show(const std::optional<std::string>& file) {
  if (!file) return "<missing>";
  const std::string e = Escape(*file);
  return e.size() > 400 ? e.substr(0, 400) + "..." : e;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ini_diff_native wine-transcript.txt folder\n");
    return 2;
  }
  std::error_code ec;
  const std::optional<std::vector<TRecord>> wine = zorn::inidiff::ParseTranscript(ReadAll(argv[1]));
  if (!wine || wine->empty()) {
    std::fprintf(stderr, "ini_diff_native: no transcript in %s (did ini_diff.exe run?)\n", argv[1]);
    return 1;
  }
  const fs::path work = fs::absolute(fs::path(argv[2]) / "native_work");
  fs::remove_all(work, ec);
  fs::create_directories(work, ec);
  TNativeHost host(work);
  const std::vector<TRecord> ours = zorn::inidiff::RunScript(host);
  std::ofstream(fs::path(argv[2]) / "ini_diff_native.txt", std::ios::binary)
      << zorn::inidiff::FormatTranscript(ours);

  if (wine->size() != ours.size()) {
    std::printf("ini_diff: the runs differ in length: Wine %zu records, native %zu\n", wine->size(),
                ours.size());
    return 1;
  }
  int mismatches = 0, exact = 0, wineNames = 0;
  std::map<std::string, int> known;
  bool wineLacksEmptyFile = false;
  for (size_t i = 0; i < ours.size(); ++i) {
    const TRecord& w = (*wine)[i];
    const TRecord& o = ours[i];
    if (w.Case != o.Case || w.Step != o.Step || w.Op != o.Op) {
      std::printf("ini_diff: the runs are out of step at record %zu: [%s] vs [%s]\n", i,
                  Escape(w.Op).c_str(), Escape(o.Op).c_str());
      return 1;
    }
    if (o.Step == 0) wineLacksEmptyFile = false;
    const TRecord* before = o.Step > 0 ? &ours[i - 1] : nullptr;
    if (!w.Note.empty()) ++wineNames;
    const bool sameResult = w.Result == o.Result;
    if (sameResult && w.File == o.File) {
      ++exact;
      continue;
    }
    if (sameResult && w.File && o.File && before && before->File && !InWrittenForm(*before->File) &&
        Content(*w.File) == Content(*o.File)) {
      ++known["Wine rewrote the whole file; ours kept the bytes it did not change"];
      continue;
    }
    const bool deleteFromMissing = o.Kind == "delete" && before && !before->File;
    const bool stillEmpty = wineLacksEmptyFile && before && before->File == std::string();
    if (sameResult && !w.File && o.File == std::string() && (deleteFromMissing || stillEmpty)) {
      wineLacksEmptyFile = true;
      ++known["a delete from a missing file left an empty file (Windows), none on Wine"];
      continue;
    }
    ++mismatches;
    std::printf("MISMATCH %s #%d: %s\n", Escape(o.Case).c_str(), o.Step, Escape(o.Op).c_str());
    if (!sameResult)
      std::printf("  result  Wine: %s\n          ours: %s\n", Escape(w.Result).c_str(),
                  Escape(o.Result).c_str());
    if (w.File != o.File)
      std::printf("  file    Wine: %s\n          ours: %s\n", Show(w.File).c_str(), Show(o.File).c_str());
  }
  std::printf("ini_diff: %zu calls, %d identical, %d mismatches\n", ours.size(), exact, mismatches);
  for (const auto& [what, count] : known) std::printf("  known difference x%d: %s\n", count, what.c_str());
  if (wineNames)
    std::printf("  %d calls gave Wine the file's own spelling of Cyrillic names (Wine folds only ASCII)\n",
                wineNames);
  return mismatches == 0 ? 0 : 1;
}
