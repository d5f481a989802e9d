#include "remote.h"

#include <vector>

#include "facts.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

bool Is64(HANDLE process) {
  BOOL wow = FALSE;
  IsWow64Process(process, &wow);
  if (wow) return false;
#ifdef _WIN64
  return true;
#else
  BOOL selfWow = FALSE;
  IsWow64Process(GetCurrentProcess(), &selfWow);
  return selfWow != FALSE;  // not a 32-bit program on a 64-bit system
#endif
}

}  // namespace

bool OwnerIs64(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) Fail(kFailed, L"cannot open the process of window " + Widen(HexOf(hwnd)));
  bool is64 = Is64(process);
  CloseHandle(process);
  return is64;
}

TRemote::TRemote(HWND hwnd, size_t size) : size_(size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                         FALSE, pid);
  if (!process_) Fail(kFailed, L"cannot open the process of window " + Widen(HexOf(hwnd)));
  target64_ = Is64(process_);
  base_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!base_) {
    CloseHandle(process_);
    Fail(kFailed, L"cannot allocate memory in the process of window " + Widen(HexOf(hwnd)));
  }
}

TRemote::~TRemote() {
  VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
  CloseHandle(process_);
}

void TRemote::Write(size_t offset, const void* data, size_t size) {
  SIZE_T done = 0;
  if (offset + size > size_ ||
      !WriteProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &done) || done != size) {
    Fail(kFailed, L"cannot write into the other program's memory");
  }
}

void TRemote::Read(size_t offset, void* data, size_t size) const {
  SIZE_T done = 0;
  if (offset + size > size_ ||
      !ReadProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &done) || done != size) {
    Fail(kFailed, L"cannot read the other program's memory");
  }
}

void TRemote::Zero(size_t offset, size_t size) {
  std::vector<char> zeros(size, 0);
  Write(offset, zeros.data(), size);
}

std::wstring TRemote::ReadText(size_t offset, size_t chars) const {
  std::wstring text(chars, L'\0');
  Read(offset, text.data(), chars * sizeof(wchar_t));
  size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

}  // namespace zorn::uidriver
