// TStr: the immutable shared text of the value record, and the splits a text
// keeps of itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace zorn {

struct TStrBlock;
struct TStrSplit;

// Immutable text shared by reference count, so that copying a record never
// allocates. Converts to and from std::string; an empty TStr holds no buffer
// (a buffer never holds the empty text), so emptiness needs no memory read.
// The count is not atomic: values live on the loop thread.
class TStr {
 public:
  TStr() = default;
  TStr(std::string s);
  TStr(const char* s) : TStr(std::string(s)) {}
  inline TStr(const TStr& other) noexcept;
  TStr(TStr&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  inline TStr& operator=(const TStr& other) noexcept;
  inline TStr& operator=(TStr&& other) noexcept;
  ~TStr() { Release(); }

  inline const std::string& str() const;
  operator const std::string&() const { return str(); }
  bool empty() const { return block_ == nullptr; }
  inline size_t size() const;
  const char* c_str() const { return str().c_str(); }
  void clear() {
    Release();
    block_ = nullptr;
  }
  // Byte-exact equality; copies of one text are equal without a look at it.
  friend inline bool operator==(const TStr& a, const TStr& b);

  // The text cut at `delimiter` as the field cutters do: `skip` fields
  // dropped, the next `count` kept (empty when the text runs out) and the
  // rest. Made on the first request and kept with the text, which never
  // changes, so a text split again the same way allocates nothing; the
  // split lives as long as the text, and a part or rest taken out of it as
  // long as it is referred to. Null for the empty text.
  const TStrSplit* Split(char delimiter, int32_t skip, int32_t count) const;
  // The split Split made before with these settings, found without cutting
  // or scanning the text; null when there is none yet.
  inline const TStrSplit* FoundSplit(char delimiter, int32_t skip, int32_t count) const;

 private:
  inline void Release() noexcept;
  // A buffer nobody refers to: its splits go, then its memory.
  static void Destroy(TStrBlock* block) noexcept;
  static TStrSplit* MakeSplit(TStrBlock& block, char delimiter, int32_t skip, size_t parts);
  // The text of a split has gone; its parts stay while referred to.
  static void DropSplit(TStrSplit* split) noexcept;
  static void Unhold(TStrSplit* split) noexcept;
  // What an empty TStr reads as; constant-initialised, so reading it costs
  // no guard.
  static const std::string kEmpty;
  TStrBlock* block_ = nullptr;
};

// One split of a text, kept by the text (TStr::Split). The split, its
// parts and the buffers of their texts are one block of memory, so that a
// split costs one allocation and its parts lie side by side; it is freed
// when its text has gone and no part or rest is referred to any more.
struct TStrSplit {
  char Delimiter = 0;
  // Whether the text holds the delimiter at all.
  bool Delimited = false;
  int32_t Skip = 0;
  std::span<const TStr> Parts;
  TStr Rest;

  // Book-keeping of the shared memory, for TStr only: how many buffers
  // follow the parts; one hold for the text that keeps the split and one
  // for each of those buffers still referred to; the next split of the
  // same text.
  uint32_t Buffers = 0;
  uint32_t Holds = 0;
  TStrSplit* Next = nullptr;
};

// The shared buffer of a TStr with the splits asked of it so far.
struct TStrBlock {
  uint32_t Refs = 1;
  // How far before this buffer the split whose memory holds it starts; 0
  // for a buffer of its own. An offset keeps the buffer small.
  uint32_t OwnerOffset = 0;
  // One per way the text was split, newest first; the program splits a
  // text in a handful of ways, as its splitting elements are set up.
  TStrSplit* Splits = nullptr;
  std::string Text;
};

inline TStr::TStr(const TStr& other) noexcept : block_(other.block_) {
  if (block_) ++block_->Refs;
}

inline TStr& TStr::operator=(const TStr& other) noexcept {
  if (other.block_) ++other.block_->Refs;
  Release();
  block_ = other.block_;
  return *this;
}

inline TStr& TStr::operator=(TStr&& other) noexcept {
  if (this != &other) {
    Release();
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

inline void TStr::Release() noexcept {
  if (block_ && --block_->Refs == 0) Destroy(block_);
}

inline const std::string& TStr::str() const { return block_ ? block_->Text : kEmpty; }

inline size_t TStr::size() const { return block_ ? block_->Text.size() : 0; }

inline bool operator==(const TStr& a, const TStr& b) {
  if (a.block_ == b.block_) return true;
  if (!a.block_ || !b.block_) return false;
  const std::string& x = a.block_->Text;
  const std::string& y = b.block_->Text;
  if (x.size() != y.size()) return false;
  // Fields of controller lines are a few bytes: a loop beats the call.
  const char* p = x.data();
  const char* q = y.data();
  const size_t n = x.size();
  if (n > 16) return std::memcmp(p, q, n) == 0;
  for (size_t i = 0; i < n; ++i) {
    if (p[i] != q[i]) return false;
  }
  return true;
}

inline const TStrSplit* TStr::FoundSplit(char delimiter, int32_t skip, int32_t count) const {
  if (!block_) return nullptr;
  const size_t parts = count < 0 ? 0 : static_cast<size_t>(count);
  for (const TStrSplit* split = block_->Splits; split; split = split->Next) {
    if (split->Delimiter == delimiter && split->Skip == skip && split->Parts.size() == parts) {
      return split;
    }
  }
  return nullptr;
}

}  // namespace zorn
