// The INI profile service on POSIX: every call reads the whole file, and every
// write replaces it atomically (a temporary file in the same folder, then
// rename), so a failed write leaves the old file as it was.
//
// A writer that dies must leave no temporary file behind. Where the kernel
// offers unnamed files (O_TMPFILE) the new text is written to one and gets
// its temporary name only just before the rename; elsewhere it is written
// under that name. Either way the writer holds an exclusive lock on its
// temporary file until the rename, and every write first removes the
// temporaries of its file that nobody holds: those of writers that died.
#include "platform/ini.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "platform/paths.h"
#include "platform/posix/ini_file.h"
#include "platform/posix/ini_store.h"

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
  // A file that nobody may read is unreadable for root too, as a file that
  // denies reading is for every user on Windows.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxFileSize ||
      (st.st_mode & 0444) == 0) {
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

// Writable for this process, and for root only when some write permission
// bit is set: root passes every access() check, yet a file or folder that
// nobody may write is read-only on Windows for administrators too.
bool Writable(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

bool g_unnamedTemporaries = true;

// Temporary files of `base` are named base.tmp-XXXXXX, six letters or digits.
constexpr char kTempInfix[] = ".tmp-";
constexpr size_t kTempInfixLength = sizeof kTempInfix - 1;
constexpr size_t kTempSuffixLength = 6;

bool IsTemporaryOf(const std::string& entry, const std::string& base) {
  if (entry.size() != base.size() + kTempInfixLength + kTempSuffixLength) return false;
  if (entry.compare(0, base.size(), base) != 0) return false;
  if (entry.compare(base.size(), kTempInfixLength, kTempInfix) != 0) return false;
  for (size_t i = base.size() + kTempInfixLength; i < entry.size(); ++i) {
    const char c = entry[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

std::string TemporaryName(const std::string& prefix) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937_64 random{std::random_device{}() ^ static_cast<uint64_t>(getpid())};
  std::string name = prefix + kTempInfix;
  for (size_t i = 0; i < kTempSuffixLength; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

// Removes the temporaries of `base` in `folder` whose lock can be taken: a
// live writer holds its own until the rename, and the kernel drops the lock
// of a writer that died.
void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
  const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return;
  DIR* dir = fdopendir(dirFd);
  if (dir == nullptr) {
    close(dirFd);
    return;
  }
  std::vector<std::string> candidates;
  while (const dirent* entry = readdir(dir)) {
    if (IsTemporaryOf(entry->d_name, base)) candidates.emplace_back(entry->d_name);
  }
  for (const std::string& name : candidates) {
    int fd = openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
      fd = openat(dirFd, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) continue;
    struct stat held {}, named {};
    // The name must still be the file locked: a writer that has just renamed
    // its temporary away may have left the name to nobody.
    if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      unlinkat(dirFd, name.c_str(), 0);
    }
    close(fd);
  }
  closedir(dir);
}

// An unnamed file in `folder`, locked; -1 where the file system has none.
int OpenUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
  if (!g_unnamedTemporaries) return -1;
  const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (flock(fd, LOCK_EX) != 0) {
    close(fd);
    return -1;
  }
  return fd;
#else
  (void)folder;
  return -1;
#endif
}

// Gives the unnamed file `fd` a fresh temporary name `prefix`.tmp-XXXXXX.
bool NameUnnamed(int fd, const std::string& prefix, std::string& temp) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = TemporaryName(prefix);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno == EEXIST) continue;
#ifdef AT_EMPTY_PATH
    // Without /proc; needs a capability that root has.
    if (linkat(fd, "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno == EEXIST) continue;
#endif
    return false;
  }
  return false;
}

// A new named temporary file `prefix`.tmp-XXXXXX, locked, in `temp`.
int OpenNamed(const std::string& prefix, std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = TemporaryName(prefix);
    const int fd = open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    // Between the open and the lock another writer may have taken the file
    // for a dead writer's and removed it; then try another name.
    struct stat held {}, named {};
    if (flock(fd, LOCK_EX) == 0 && fstat(fd, &held) == 0 && stat(temp.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      return fd;
    }
    close(fd);
  }
  return -1;
}

bool Store(const std::string& path, const std::string& bytes) {
  const std::string target = WriteTarget(path);
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  // A read-only file is not replaced, as Windows cannot open it for writing.
  if (exists && (!S_ISREG(old.st_mode) || !Writable(target, old))) return false;

  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  struct stat folderStat {};
  if (stat(folder.c_str(), &folderStat) != 0 || !Writable(folder, folderStat)) return false;
  const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
  const std::string prefix = (slash == std::string::npos ? "" : folder) + base;
  RemoveStaleTemporaries(folder, base);

  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  // The old file's owner and mode, then the text, on disk.
  auto fill = [&](int fd) {
    if (exists && fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only possible for the owner of the old file or root; keep ours.
    }
    return fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  };

  std::string temp;
  int fd = OpenUnnamed(folder);
  bool ok = false;
  if (fd >= 0) {
    ok = fill(fd);
    if (ok && !NameUnnamed(fd, prefix, temp)) {
      // No way to name it here (no /proc): write it again under a name.
      close(fd);
      fd = -1;
    } else if (!ok) {
      close(fd);
      return false;
    }
  }
  const bool named = fd < 0;
  if (named) {
    fd = OpenNamed(prefix, temp);
    if (fd < 0) return false;
    ok = fill(fd);
  }
  const bool renamed = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!renamed) unlink(temp.c_str());
  // The lock goes with the descriptor, after the rename.
  if (close(fd) != 0 || !renamed) return false;
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);  // the rename itself; a failure here loses nothing already written
    close(dir);
  }
  return true;
}

}  // namespace

void UseUnnamedTemporaryFiles(bool use) { g_unnamedTemporaries = use; }

namespace {

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
