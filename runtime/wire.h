// Wires, firing, forwarding and reading data inputs with their fallbacks.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

#include "runtime/data.h"

namespace zorn {

// Root of every element and sub-scheme boundary: what a wire can target.
class TElement {
 public:
  virtual ~TElement() = default;
};

// An action or a data output: called with the record and the wire's index.
using TMethod = void (TElement::*)(TData& data, uint16_t index);

// A data output that answers a lone Str, entry `index` of a table of texts
// its element keeps or the empty text past the table's end, may also lend
// that text, so that a reader comparing it makes no record, counts no
// reference and calls nothing: the wire knows where the element keeps its
// table. The texts stay valid until the element next runs an action;
// lending changes nothing.
using TLentTexts = std::span<const TStr>;

// A connection: the operation to call, its owner and the point index. A wire
// owns nothing; the scheme that owns both ends keeps them alive.
struct TWire {
  TMethod Method = nullptr;
  TElement* Target = nullptr;
  uint16_t Index = 0;
  // The table data output Method lends its texts from, when it has one.
  const TLentTexts* LentTexts = nullptr;

  bool Wired() const { return Method != nullptr; }
};

// Builds a wire to member `method` of `target`, with the target point index.
// A class whose data outputs lend names their tables with a static
// LentTextsOf(method, target), null for the other outputs.
template <class C>
TWire MakeWire(uint16_t index, void (C::*method)(TData&, uint16_t), C* target) {
  static_assert(std::is_base_of_v<TElement, C>);
  TWire wire{static_cast<TMethod>(method), target, index};
  if constexpr (requires { C::LentTextsOf(method, target); }) {
    wire.LentTexts = C::LentTextsOf(method, target);
  }
  return wire;
}

namespace detail {

// Whether dispatch is live (StartLiveDispatch); read on every call, so it
// lives here for the inline callers.
inline bool g_dispatchLive = false;

// The dispatch loop. An action that forwards returns first; its successor is
// called from here with the very record it received, so a chain of forwarding
// elements never deepens the call stack.
inline void Dispatch(const TWire* wire, TData& data) {
  if (!g_dispatchLive) return;
  while (wire->Wired()) {
    (wire->Target->*wire->Method)(data, wire->Index);
    if (!(data.Kind & ForwardFlag)) return;
    data.Kind &= ~ForwardFlag;
    wire = data.ForwardWire;
    if (!wire) return;
  }
}

// The same loop for a caller that has found dispatch live and `wire` wired
// (kept apart: Dispatch, inlined into every Fire, compiles best as it is).
inline void DispatchWired(const TWire* wire, TData& data) {
  do {
    (wire->Target->*wire->Method)(data, wire->Index);
    if (!(data.Kind & ForwardFlag)) return;
    data.Kind &= ~ForwardFlag;
    wire = data.ForwardWire;
  } while (wire && wire->Wired());
}

}  // namespace detail

// Firing an event. Every variant runs the dispatch loop: the target action is
// called, and while the record comes back with the forward flag set, the loop
// calls the record's ForwardWire with the same record, at constant call depth.
inline void Fire(const TWire& wire, TData& data) { detail::Dispatch(&wire, data); }
inline void FireCopy(const TWire& wire, const TData& data) {
  TData copy = data;
  detail::Dispatch(&wire, copy);
}
void FireInt(const TWire& wire, int32_t i);
void FireReal(const TWire& wire, double x);
void FireStr(const TWire& wire, TStr s);
void FireStream(const TWire& wire, void* stream);
void FireNull(const TWire& wire);
void FireFont(const TWire& wire, TFontRec* font);

// Forwarding from inside an action: the action stores its outgoing value in
// the record it received and returns; the dispatch loop makes the call. The
// action must not touch the record afterwards.
inline void ForwardTo(TData& data, const TWire& wire) {
  if (!wire.Wired()) return;  // nothing to call: the loop would stop there
  data.Kind |= ForwardFlag;
  data.ForwardWire = &wire;
}
inline void ForwardNull(TData& data, const TWire& wire) {
  data.Kind = dtNull | ForwardFlag;
  data.ForwardWire = &wire;
}
inline void ForwardCopy(TData& data, const TWire& wire, const TData& value) {
  data = value;
  data.Kind = (value.Kind & ~ForwardFlag) | ForwardFlag;
  data.ForwardWire = &wire;
}
inline void ForwardInt(TData& data, const TWire& wire, int32_t i) {
  data.Kind = dtInt | ForwardFlag;
  data.IntValue = i;
  data.Next = nullptr;
  data.ForwardWire = &wire;
}
inline void ForwardStr(TData& data, const TWire& wire, TStr s) {
  data.Kind = dtStr | ForwardFlag;
  data.StrValue = std::move(s);
  data.Next = nullptr;
  data.ForwardWire = &wire;
}

// Reading data inputs. Fallback order: the wired source's answer (unless it
// is NoSource); else the non-empty default; else the head of `data`, which is
// consumed (the next value of its chain moves up, or it becomes Null).
inline void ReadRaw(const TWire& wire, TData& data) {
  if (detail::g_dispatchLive && wire.Wired()) (wire.Target->*wire.Method)(data, wire.Index);
}
// The text the wired data output would answer, lent (TLentTexts); null
// when it does not lend, or nothing would be read.
inline const TStr* BorrowText(const TWire& wire) {
  if (!detail::g_dispatchLive || !wire.LentTexts) return nullptr;
  const TLentTexts& texts = *wire.LentTexts;
  return wire.Index < texts.size() ? &texts[wire.Index] : &TStr::kNone;
}
int32_t ReadIntPlain(const TWire& wire);
std::string ReadStr(TData& data, const TWire& wire, const std::string& def);
// ReadStr that shares the text of a Str answer instead of copying it.
inline TStr ReadText(TData& data, const TWire& wire, const TStr& def);
int32_t ReadInt(TData& data, const TWire& wire, int32_t def);
double ReadReal(TData& data, const TWire& wire, double def);
void ReadValue(TData& data, const TWire& wire, const TData* def, TData& result);
void ReadChain(TData& data, const TWire& wire, const TData* def, TData& result);
void* ReadStream(TData& data, const TWire& wire, void* def);
void* ReadBitmap(TData& data, const TWire& wire, void* def);
TArrayIntf* ReadArray(const TWire& wire);
// Sub-scheme boundaries only: like ReadRaw, but an unwired wire answers NoSource.
void ReadThrough(const TWire& wire, TData& data);

namespace detail {
TStr ReadTextAnyway(TData& data, const TWire& wire, const TStr& def);
}  // namespace detail

// The common case inline: no source, no default, a lone Str record.
inline TStr ReadText(TData& data, const TWire& wire, const TStr& def) {
  if (wire.Wired() || !def.empty() || data.Kind != dtStr || data.Next) {
    return detail::ReadTextAnyway(data, wire, def);
  }
  TStr result = data.StrValue;
  MakeNull(data);
  return result;
}

// ReadText without a default, for an action that overwrites the received
// record afterwards: the text of a lone Str record is moved out, not shared,
// which spares a count up and down.
inline TStr TakeText(TData& data, const TWire& wire) {
  if (wire.Wired() || data.Kind != dtStr || data.Next) {
    return detail::ReadTextAnyway(data, wire, TStr());
  }
  MakeNull(data);
  return std::move(data.StrValue);
}

// The two phases. Until StartLiveDispatch nothing fires and wired reads leave
// their record untouched; afterwards dispatch is live for the program's life.
bool DispatchLive();
void StartLiveDispatch();
// Returns to the construction phase; for tests that build several programs.
void ResetDispatchForTests();

}  // namespace zorn
