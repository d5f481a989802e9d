// The INI profile service on POSIX: every call reads the whole file, and every
// write replaces it atomically (a temporary file in the same folder, then
// rename), so a failed write leaves the old file as it was.
#include "platform/ini.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>

#include "platform/paths.h"
#include "platform/posix/ini_file.h"

namespace zorn::platform {
namespace {

// Larger files are not settings files; they read as unreadable.
constexpr off_t MaxFileSize = 64 << 20;

enum class TLoad { Ok, Missing, Failed };

std::string NativePath(const std::string& file) {
  return ToNativePath(file.substr(0, file.find('\0')));
}

TLoad Load(const std::string& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return TLoad::Missing;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? TLoad::Missing : TLoad::Failed;
  struct stat st {};
  TLoad result = TLoad::Ok;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxFileSize) {
    result = TLoad::Failed;
  } else {
    char chunk[8192];
    for (;;) {
      const ssize_t n = read(fd, chunk, sizeof chunk);
      if (n > 0) {
        bytes.append(chunk, static_cast<size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        result = TLoad::Failed;
        break;
      }
    }
  }
  close(fd);
  if (result != TLoad::Ok) bytes.clear();
  return result;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The file a write replaces: through a symbolic link to its target, so the
// link stays.
std::string WriteTarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = realpath(path.c_str(), nullptr)) {
      std::string target = real;
      std::free(real);
      return target;
    }
  }
  return path;
}

bool Store(const std::string& path, const std::string& bytes) {
  const std::string target = WriteTarget(path);
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  // A read-only file is not replaced, as Windows cannot open it for writing.
  if (exists && (!S_ISREG(old.st_mode) || access(target.c_str(), W_OK) != 0)) return false;

  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  std::string temp = (slash == std::string::npos ? "" : folder) +
                     target.substr(slash + 1) + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;

  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only possible for the owner of the old file or root; keep ours.
    }
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);  // the rename itself; a failure here loses nothing already written
    close(dir);
  }
  return true;
}

enum class TWriteAlways { No, Yes };

// Loads the file, applies `edit`, and stores the result. A missing file starts
// empty; an unreadable one fails the write so that nothing is lost. Windows
// rewrites the file on every write of a value, and on a delete only when
// something was removed, yet it leaves a new empty file after a delete from a
// missing one.
bool Edit(const std::string& file, TWriteAlways always,
          const std::function<bool(ini::TIniText&)>& edit) {
  const std::string path = NativePath(file);
  std::string bytes;
  const TLoad load = Load(path, bytes);
  if (load == TLoad::Failed || path.empty()) return false;
  ini::TIniText text(std::move(bytes));
  const bool changed = edit(text);
  if (!changed && always == TWriteAlways::No && load == TLoad::Ok) return true;
  return Store(path, text.Bytes());
}

}  // namespace

uint32_t ReadIniString(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& defaultValue,
                       uint32_t bufferSize, std::string& value) {
  std::string bytes;
  std::optional<std::string> found;
  if (Load(NativePath(file), bytes) == TLoad::Ok) found = ini::TIniText(bytes).FindValue(section, key);
  if (!found) found = ini::StripDefault(defaultValue.substr(0, defaultValue.find('\0')));
  return ini::CopyValue(*found, bufferSize, value);
}

uint32_t ReadIniInt(const std::string& file, const std::string& section,
                    const std::string& key, int32_t defaultValue) {
  std::string text;
  ReadIniString(file, section, key, "", ini::IntBufferSize, text);
  return text.empty() ? static_cast<uint32_t>(defaultValue) : ini::ParseInt(text);
}

uint32_t ReadIniSection(const std::string& file, const std::string& section,
                        uint32_t bufferSize, std::vector<std::string>& lines) {
  std::string bytes;
  std::optional<std::vector<std::string>> entries;
  if (Load(NativePath(file), bytes) == TLoad::Ok)
    entries = ini::TIniText(bytes).SectionEntries(section);
  return ini::PackSection(entries, bufferSize, lines);
}

bool WriteIniString(const std::string& file, const std::string& section,
                    const std::string& key, const std::string& value) {
  return Edit(file, TWriteAlways::Yes,
              [&](ini::TIniText& t) { return t.SetValue(section, key, value); });
}

bool DeleteIniKey(const std::string& file, const std::string& section,
                  const std::string& key) {
  return Edit(file, TWriteAlways::No, [&](ini::TIniText& t) { return t.DeleteKey(section, key); });
}

bool DeleteIniSection(const std::string& file, const std::string& section) {
  return Edit(file, TWriteAlways::No, [&](ini::TIniText& t) { return t.DeleteSection(section); });
}

bool WriteIniSection(const std::string& file, const std::string& section,
                     const std::vector<std::string>& lines) {
  return Edit(file, TWriteAlways::Yes,
              [&](ini::TIniText& t) { return t.ReplaceSection(section, lines); });
}

bool FlushIni(const std::string&) { return false; }

}  // namespace zorn::platform
