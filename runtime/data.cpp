// The value record: constructors, tests and multi-value chains.
#include "runtime/data.h"

#include <utility>

namespace zorn {

namespace {

void SetHandle(TData& v, uint8_t kind, void* object) {
  v.Kind = kind;
  v.ForwardWire = nullptr;
  v.Next = nullptr;
  v.Object = object;
}

// A fresh node holding the value of `src`, not linked to anything.
TData* NewNode(const TData& src) {
  TData* node = new TData;
  CopyValue(*node, src);
  return node;
}

}  // namespace

void MakeIcon(TData& v, void* icon) { SetHandle(v, dtIcon, icon); }
void MakeStream(TData& v, void* stream) { SetHandle(v, dtStream, stream); }
void MakeBitmap(TData& v, void* bitmap) { SetHandle(v, dtBitmap, bitmap); }
void MakeArray(TData& v, TArrayIntf* array) { SetHandle(v, dtArray, array); }
void MakeFont(TData& v, TFontRec* font) { SetHandle(v, dtFont, font); }

void* ToIcon(const TData& v) { return v.Kind == dtIcon ? v.Object : nullptr; }

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
