// Memory in another program, for the common-control messages that carry
// pointers (list views, tool tips): the system copies no data for them
// between processes, so the structure and its text buffer must live in the
// process that owns the control. The structures are laid out for that
// process's pointer size, which may differ from uidriver's own (Wine's
// explorer.exe, which owns the tray, is 64-bit in a 64-bit prefix).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorn::uidriver {

// Whether the program that owns `hwnd` is a 64-bit one.
bool OwnerIs64(HWND hwnd);

class TRemote {
 public:
  // A zeroed block of `size` bytes in the process that owns `hwnd`.
  TRemote(HWND hwnd, size_t size);
  ~TRemote();
  TRemote(const TRemote&) = delete;
  TRemote& operator=(const TRemote&) = delete;

  bool Target64() const { return target64_; }
  // The block's address as the other process sees it, plus `offset`.
  uint64_t Address(size_t offset) const { return reinterpret_cast<uintptr_t>(base_) + offset; }
  LPARAM Param(size_t offset) const { return static_cast<LPARAM>(Address(offset)); }
  void Write(size_t offset, const void* data, size_t size);
  void Read(size_t offset, void* data, size_t size) const;
  void Zero(size_t offset, size_t size);
  // A NUL-terminated UTF-16 text of at most `chars` units at `offset`.
  std::wstring ReadText(size_t offset, size_t chars) const;

 private:
  HANDLE process_ = nullptr;
  void* base_ = nullptr;
  size_t size_ = 0;
  bool target64_ = false;
};

// The structures with the other process's pointer size: P is uint32_t or
// uint64_t. Only the members uidriver fills or reads are named.
template <class P>
struct TLvItem {
  uint32_t mask;
  int32_t iItem;
  int32_t iSubItem;
  uint32_t state;
  uint32_t stateMask;
  alignas(sizeof(P)) P pszText;
  int32_t cchTextMax;
  int32_t iImage;
  P lParam;
  int32_t rest[8];
};

template <class P>
struct TLvColumn {
  uint32_t mask;
  int32_t fmt;
  int32_t cx;
  alignas(sizeof(P)) P pszText;
  int32_t cchTextMax;
  int32_t iSubItem;
  int32_t rest[8];
};

template <class P>
struct TToolInfo {
  uint32_t cbSize;
  uint32_t uFlags;
  P hwnd;
  P uId;
  RECT rect;
  P hinst;
  P lpszText;
  P lParam;
  P lpReserved;
};

static_assert(offsetof(TLvItem<uint64_t>, pszText) == 24 && offsetof(TLvItem<uint32_t>, pszText) == 20);
static_assert(offsetof(TLvColumn<uint64_t>, pszText) == 16 && offsetof(TLvColumn<uint32_t>, pszText) == 12);
static_assert(offsetof(TToolInfo<uint64_t>, lpszText) == 48 && offsetof(TToolInfo<uint32_t>, lpszText) == 36);

}  // namespace zorn::uidriver
