// The value record: shared text, constructors, tests and multi-value chains.
#include "runtime/data.h"

#include <string_view>
#include <utility>

namespace zorn {

TStr::TStr(std::string s) {
  if (!s.empty()) block_ = new TStrBlock{1, std::move(s), {}};
}

void TStr::Destroy(TStrBlock* block) noexcept { delete block; }

const TStrSplit* TStr::Split(char delimiter, int32_t skip, int32_t count) const {
  if (!block_) return nullptr;
  const size_t parts = count < 0 ? 0 : static_cast<size_t>(count);
  for (const auto& split : block_->Splits) {
    if (split->Delimiter == delimiter && split->Skip == skip && split->Parts.size() == parts) {
      return split.get();
    }
  }
  // Fields are cut from the left: each ends before the next delimiter, or
  // takes the whole rest when there is none; an empty rest cuts no more.
  const std::string_view text = block_->Text;
  size_t lo = 0;
  auto cut = [&] {
    std::string_view rest = text.substr(lo);
    size_t p = rest.find(delimiter);
    if (p == std::string_view::npos) {
      lo = text.size();
      return rest;
    }
    lo += p + 1;
    return rest.substr(0, p);
  };
  auto split = std::make_unique<TStrSplit>();
  split->Delimiter = delimiter;
  split->Skip = skip;
  split->Parts.resize(parts);
  for (int32_t i = 0; i < skip && lo < text.size(); ++i) cut();
  for (TStr& part : split->Parts) {
    if (lo >= text.size()) break;
    part = TStr(std::string(cut()));
  }
  split->Rest = TStr(std::string(text.substr(lo)));
  block_->Splits.push_back(std::move(split));
  return block_->Splits.back().get();
}

const std::string& TStr::Empty() {
  static const std::string empty;
  return empty;
}

namespace {

void SetKind(TData& v, uint8_t kind) {
  v.Kind = kind;
  v.ForwardWire = nullptr;
  v.Next = nullptr;
}

void SetHandle(TData& v, uint8_t kind, void* object) {
  SetKind(v, kind);
  v.Object = object;
}

// A fresh node holding the value of `src`, not linked to anything.
TData* NewNode(const TData& src) {
  TData* node = new TData;
  CopyValue(*node, src);
  return node;
}

}  // namespace

void MakeNull(TData& v) { SetKind(v, dtNull); }

void MakeInt(TData& v, int32_t i) {
  SetKind(v, dtInt);
  v.IntValue = i;
}

void MakeStr(TData& v, TStr s) {
  SetKind(v, dtStr);
  v.StrValue = std::move(s);
}

void MakeReal(TData& v, double x) {
  SetKind(v, dtReal);
  v.RealValue = x;
}

void MakeIcon(TData& v, void* icon) { SetHandle(v, dtIcon, icon); }
void MakeStream(TData& v, void* stream) { SetHandle(v, dtStream, stream); }
void MakeBitmap(TData& v, void* bitmap) { SetHandle(v, dtBitmap, bitmap); }
void MakeArray(TData& v, TArrayIntf* array) { SetHandle(v, dtArray, array); }
void MakeFont(TData& v, TFontRec* font) { SetHandle(v, dtFont, font); }

void CopyValue(TData& dst, const TData& src) {
  if (&dst != &src) dst = src;
  dst.ForwardWire = nullptr;
  dst.Next = nullptr;
}

void* ToIcon(const TData& v) { return v.Kind == dtIcon ? v.Object : nullptr; }

TStr ToText(const TData& v) { return v.Kind == dtStr ? v.StrValue : TStr(ToStr(v)); }

bool IsTrue(const TData& v) { return !(v.Kind == dtInt && v.IntValue == 0); }

void CopyChain(TData& dst, const TData& src) {
  // dst may be src itself: take what is needed from the source head before
  // the head is overwritten. The old nodes stay with their owner.
  const bool more = src.Kind != dtNull;
  const TData* source = src.Next;
  if (&dst != &src) dst = src;
  dst.Next = nullptr;
  if (!more) return;
  TData* last = &dst;
  while (source) {
    last->Next = NewNode(*source);
    last = last->Next;
    if (source->Kind == dtNull) break;
    source = source->Next;
  }
}

TData* AppendChain(TData& dst, const TData& src) {
  TData* tail = &dst;
  const TData* source = &src;
  if (dst.Kind != dtNull) {
    while (tail->Next) tail = tail->Next;
  } else {
    source = src.Kind != dtNull ? src.Next : nullptr;
    CopyValue(dst, src);
  }
  // When src shares its chain with dst (appending a chain to itself), the
  // old tail is the last source node; stop there instead of chasing the
  // nodes being added.
  const TData* old_tail = tail;
  while (source && source->Kind != dtNull) {
    tail->Next = NewNode(*source);
    tail = tail->Next;
    if (source == old_tail) break;
    source = source->Next;
  }
  return tail;
}

void FreeChain(TData& v) {
  TData* node = v.Next;
  v.Next = nullptr;
  while (node) {
    TData* next = node->Next;
    delete node;
    node = next;
  }
}

}  // namespace zorn
