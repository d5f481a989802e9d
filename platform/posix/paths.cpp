// POSIX folders and the conversion between the program's Windows-form CP1251
// paths and native UTF-8 ones.
#include "platform/paths.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/posix/cp1251.h"

namespace zorn::platform {
namespace {

std::string Replace(std::string s, char from, char to) {
  for (char& c : s) {
    if (c == from) c = to;
  }
  return s;
}

// Native folder without a trailing "/" (the root stays "/"), in program form.
std::string Folder(std::string native) {
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  return FromNativePath(native);
}

}  // namespace

std::string ToNativePath(const std::string& path) { return Cp1251ToUtf8(Replace(path, '\\', '/')); }

std::string FromNativePath(const std::string& path) { return Replace(Utf8ToCp1251(path), '/', '\\'); }

std::string WindowsFolder() { return Folder("/usr/share"); }

std::string SystemFolder() { return Folder("/usr/lib"); }

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return Folder(tmp && *tmp ? tmp : "/tmp");
}

std::string ExeFilePath() {
  std::string buf(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0) return {};
  buf.resize(static_cast<size_t>(n));
  return FromNativePath(buf);
}

}  // namespace zorn::platform
