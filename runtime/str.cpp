// Shared texts and their splits.
#include "runtime/str.h"

#include <cstring>
#include <new>
#include <string_view>
#include <utility>

namespace zorn {
namespace {

constexpr size_t RoundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

// The memory of a split: the split, its parts, then the buffers of the
// rest and of the non-empty parts, in that order: a visit that compares a
// part also passes the rest on, so the rest lies near the split.
constexpr size_t kPartsAt = RoundUp(sizeof(TStrSplit), alignof(TStr));
constexpr size_t BuffersAt(size_t parts) {
  return RoundUp(kPartsAt + parts * sizeof(TStr), alignof(TStrBlock));
}
TStr* PartsOf(TStrSplit* split) {
  return reinterpret_cast<TStr*>(reinterpret_cast<char*>(split) + kPartsAt);
}
TStrBlock* BuffersOf(TStrSplit* split, size_t parts) {
  return reinterpret_cast<TStrBlock*>(reinterpret_cast<char*>(split) + BuffersAt(parts));
}

// Fields cut from the left: each ends before the next delimiter, or takes
// the whole rest when there is none; an empty rest cuts no more.
class TCutter {
 public:
  TCutter(std::string_view text, char delimiter, int32_t skip) : text_(text), delimiter_(delimiter) {
    for (int32_t i = 0; i < skip && More(); ++i) Cut();
  }
  bool More() const { return lo_ < text_.size(); }
  std::string_view Cut() {
    std::string_view rest = Rest();
    size_t p = rest.find(delimiter_);
    if (p == std::string_view::npos) {
      lo_ = text_.size();
      return rest;
    }
    lo_ += p + 1;
    return rest.substr(0, p);
  }
  std::string_view Rest() const { return text_.substr(lo_); }

 private:
  std::string_view text_;
  char delimiter_;
  size_t lo_ = 0;
};

}  // namespace

// Constant-initialised where the library's std::string allows it (GCC's
// does; clang 14 with the same library, used for the fuzz targets, does not).
#if !defined(__clang__)
constinit
#endif
const std::string TStr::kEmpty;
constinit const TStr TStr::kNone;

TStr::TStr(std::string s) {
  if (s.empty()) return;
  head_ = HeadOf(s);
  block_ = new TStrBlock{1, 0, nullptr, std::move(s)};
}

uint64_t TStr::HeadOf(const std::string& text) {
  uint64_t head = text.size() < 0xff ? text.size() : 0xff;
  const size_t bytes = text.size() < kHeadBytes ? text.size() : kHeadBytes;
  for (size_t i = 0; i < bytes; ++i) {
    head |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * (i + 1));
  }
  return head;
}

bool TStr::SameTail(const TStr& a, const TStr& b) {
  const std::string& x = a.block_->Text;
  const std::string& y = b.block_->Text;
  return x.size() == y.size() &&
         std::memcmp(x.data() + kHeadBytes, y.data() + kHeadBytes, x.size() - kHeadBytes) == 0;
}

const TStrSplit* TStr::Split(char delimiter, int32_t skip, int32_t count) const {
  if (const TStrSplit* made = FoundSplit(delimiter, skip, count)) return made;
  if (!block_) return nullptr;
  return MakeSplit(*block_, delimiter, skip, count < 0 ? 0 : static_cast<size_t>(count));
}

TStrSplit* TStr::MakeSplit(TStrBlock& block, char delimiter, int32_t skip, size_t parts) {
  const std::string_view text = block.Text;
  // First the size: one buffer per non-empty field.
  size_t buffers = 0;
  std::string_view rest;
  {
    TCutter cutter(text, delimiter, skip);
    for (size_t i = 0; i < parts && cutter.More(); ++i) buffers += cutter.Cut().empty() ? 0 : 1;
    rest = cutter.Rest();
    buffers += rest.empty() ? 0 : 1;
  }
  void* memory = ::operator new(BuffersAt(parts) + buffers * sizeof(TStrBlock));
  auto* split = new (memory) TStrSplit;
  TStr* partArray = PartsOf(split);
  for (size_t i = 0; i < parts; ++i) new (&partArray[i]) TStr;
  TStrBlock* buffer = BuffersOf(split, parts);
  auto keep = [&](std::string_view field, TStr& into) {
    if (field.empty()) return;
    const auto offset = static_cast<uint32_t>(reinterpret_cast<char*>(buffer) -
                                              reinterpret_cast<char*>(split));
    into.block_ = new (buffer++) TStrBlock{1, offset, nullptr, std::string(field)};
    into.head_ = HeadOf(into.block_->Text);
  };
  keep(rest, split->Rest);
  TCutter cutter(text, delimiter, skip);
  for (size_t i = 0; i < parts && cutter.More(); ++i) keep(cutter.Cut(), partArray[i]);

  split->Delimiter = delimiter;
  split->Delimited = text.find(delimiter) != std::string_view::npos;
  split->Skip = skip;
  split->Parts = std::span<const TStr>(partArray, parts);
  split->Buffers = static_cast<uint32_t>(buffers);
  split->Holds = 1 + split->Buffers;
  split->Next = block.Splits;
  block.Splits = split;
  return split;
}

void TStr::Destroy(TStrBlock* block) noexcept {
  for (TStrSplit* split = block->Splits; split;) {
    TStrSplit* next = split->Next;
    DropSplit(split);
    split = next;
  }
  block->Splits = nullptr;
  if (block->OwnerOffset != 0) {
    // The memory is the split's.
    Unhold(reinterpret_cast<TStrSplit*>(reinterpret_cast<char*>(block) - block->OwnerOffset));
  } else {
    delete block;
  }
}

void TStr::DropSplit(TStrSplit* split) noexcept {
  TStr* parts = PartsOf(split);
  for (size_t i = 0; i < split->Parts.size(); ++i) parts[i].clear();
  split->Rest.clear();
  Unhold(split);
}

void TStr::Unhold(TStrSplit* split) noexcept {
  if (--split->Holds != 0) return;
  // No buffer is referred to any more, and the text has gone.
  const size_t parts = split->Parts.size();
  TStrBlock* buffers = BuffersOf(split, parts);
  for (uint32_t i = 0; i < split->Buffers; ++i) buffers[i].~TStrBlock();
  TStr* partArray = PartsOf(split);
  for (size_t i = 0; i < parts; ++i) partArray[i].~TStr();
  split->~TStrSplit();
  ::operator delete(static_cast<void*>(split));
}

}  // namespace zorn
