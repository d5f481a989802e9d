// The journal's files on POSIX calls, with the program's paths converted to
// native UTF-8 ones.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/paths.h"

namespace zorn::platform {
namespace {

// Closes the descriptor when it goes out of scope.
class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) close(fd_);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return fd_; }
  // Closes now; false when the close reports an error.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

bool IsFolder(const std::string& native) {
  struct stat st{};
  return stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads from the descriptor's position to its end.
bool ReadRest(int fd, std::string& bytes) {
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.append(buf, static_cast<size_t>(n));
  }
}

}  // namespace

bool MakeFolder(const std::string& path) {
  std::string native = ToNativePath(path);
  if (mkdir(native.c_str(), 0777) == 0) return true;
  return errno == EEXIST && IsFolder(native);
}

std::vector<std::string> ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::string native = ToNativePath(folder);
  DIR* dir = opendir(native.c_str());
  if (!dir) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    struct stat st{};
    if (stat((native + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      names.push_back(FromNativePath(name));
    }
  }
  closedir(dir);
  return names;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  TFd fd(open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  struct stat st{};
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return ReadRest(fd.Get(), bytes);
}

bool ReadFileEnd(const std::string& path, size_t count, std::string& bytes) {
  bytes.clear();
  TFd fd(open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  struct stat st{};
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  auto size = static_cast<size_t>(st.st_size);
  off_t from = static_cast<off_t>(size > count ? size - count : 0);
  if (lseek(fd.Get(), from, SEEK_SET) < 0) return false;
  return ReadRest(fd.Get(), bytes);
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
  TFd fd(open(ToNativePath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (fd.Get() < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd.Get()) != 0) return false;
  return fd.Close();
}

bool RemoveFile(const std::string& path) { return unlink(ToNativePath(path).c_str()) == 0; }

}  // namespace zorn::platform
