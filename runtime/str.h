// TStr: the immutable shared text of the value record, and the splits a text
// keeps of itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zorn {

struct TStrBlock;
struct TStrSplit;

// Immutable text shared by reference count, so that copying a record never
// allocates. Converts to and from std::string; an empty TStr holds no buffer
// (a buffer never holds the empty text), so emptiness needs no memory read.
// Beside the buffer it keeps the text's head, its size and first bytes, so
// that two short texts compare, and most texts differ, without a look at a
// buffer. The count is not atomic: values live on the loop thread.
class TStr {
 public:
  // How many first bytes the head holds; a text of at most this size is
  // wholly in its head.
  static constexpr size_t kHeadBytes = 7;

  TStr() = default;
  TStr(std::string s);
  TStr(const char* s) : TStr(std::string(s)) {}
  inline TStr(const TStr& other) noexcept;
  TStr(TStr&& other) noexcept : block_(other.block_), head_(other.head_) {
    other.block_ = nullptr;
    other.head_ = 0;
  }
  inline TStr& operator=(const TStr& other) noexcept;
  inline TStr& operator=(TStr&& other) noexcept;
  ~TStr() { Release(); }

  inline const std::string& str() const;
  operator const std::string&() const { return str(); }
  bool empty() const { return block_ == nullptr; }
  inline size_t size() const;
  const char* c_str() const { return str().c_str(); }
  // The empty text, for a reference that outlives every caller.
  static const TStr kNone;
  void clear() {
    Release();
    block_ = nullptr;
    head_ = 0;
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
  // The head of `text`: the size (255 for 255 and more) in the low byte,
  // then the first kHeadBytes bytes, zero past the end of the text.
  static uint64_t HeadOf(const std::string& text);
  // Equality of two texts whose heads are equal and do not hold them whole.
  static bool SameTail(const TStr& a, const TStr& b);
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
  uint64_t head_ = 0;
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

inline TStr::TStr(const TStr& other) noexcept : block_(other.block_), head_(other.head_) {
  if (block_) ++block_->Refs;
}

inline TStr& TStr::operator=(const TStr& other) noexcept {
  if (other.block_) ++other.block_->Refs;
  Release();
  block_ = other.block_;
  head_ = other.head_;
  return *this;
}

inline TStr& TStr::operator=(TStr&& other) noexcept {
  if (this != &other) {
    Release();
    block_ = other.block_;
    head_ = other.head_;
    other.block_ = nullptr;
    other.head_ = 0;
  }
  return *this;
}

inline void TStr::Release() noexcept {
  if (block_ && --block_->Refs == 0) Destroy(block_);
}

inline const std::string& TStr::str() const { return block_ ? block_->Text : kEmpty; }

inline size_t TStr::size() const {
  const size_t size = head_ & 0xff;
  return size < 0xff ? size : block_->Text.size();
}

inline bool operator==(const TStr& a, const TStr& b) {
  if (a.head_ != b.head_) return false;
  // Equal heads: the same size (below 255) and first bytes.
  if (a.block_ == b.block_ || (a.head_ & 0xff) <= TStr::kHeadBytes) return true;
  return TStr::SameTail(a, b);
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
