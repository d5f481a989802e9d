// The journal's files on the kernel32 "W" calls, the paths converted from
// code page 1251.
#include "platform/files.h"

#include <windows.h>

#include "platform/win32/cp1251.h"

namespace zorn::platform {
namespace {

// Closes the handle when it goes out of scope.
class THandle {
 public:
  explicit THandle(HANDLE h) : h_(h) {}
  ~THandle() {
    if (Valid()) CloseHandle(h_);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  // Closes now; false when the close fails.
  bool Close() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return CloseHandle(h) != 0;
  }

 private:
  HANDLE h_;
};

bool IsFolder(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Readers let the journal's writer and the operator's editor share the file.
HANDLE OpenForReading(const std::string& path) {
  return CreateFileW(WideFrom1251(path).c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Reads from the handle's position to its end.
bool ReadRest(HANDLE h, std::string& bytes) {
  char buf[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) return false;
    if (n == 0) return true;
    bytes.append(buf, n);
  }
}

}  // namespace

bool MakeFolder(const std::string& path) {
  std::wstring wide = WideFrom1251(path);
  if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
  return GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(wide);
}

std::vector<std::string> ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(WideFrom1251(folder + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.push_back(NarrowTo1251(found.cFileName));
    }
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return names;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  THandle h(OpenForReading(path));
  return h.Valid() && ReadRest(h.Get(), bytes);
}

bool ReadFileEnd(const std::string& path, size_t count, std::string& bytes) {
  bytes.clear();
  THandle h(OpenForReading(path));
  if (!h.Valid()) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(h.Get(), &size)) return false;
  LARGE_INTEGER from;
  from.QuadPart = size.QuadPart > static_cast<LONGLONG>(count)
                      ? size.QuadPart - static_cast<LONGLONG>(count)
                      : 0;
  if (!SetFilePointerEx(h.Get(), from, nullptr, FILE_BEGIN)) return false;
  return ReadRest(h.Get(), bytes);
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
  THandle h(CreateFileW(WideFrom1251(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.Valid()) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    DWORD chunk = static_cast<DWORD>(bytes.size() - done > 0x10000000 ? 0x10000000 : bytes.size() - done);
    if (!WriteFile(h.Get(), bytes.data() + done, chunk, &n, nullptr) || n == 0) return false;
    done += n;
  }
  if (!FlushFileBuffers(h.Get())) return false;
  return h.Close();
}

bool RemoveFile(const std::string& path) { return DeleteFileW(WideFrom1251(path).c_str()) != 0; }

}  // namespace zorn::platform
