// The value record that travels along every wire, and the operations on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/str.h"

namespace zorn {

struct TWire;

// Kind codes of TData. Bit 7 (ForwardFlag) marks a record that the dispatch
// loop must pass on to its ForwardWire.
enum TKind : uint8_t {
  dtNull = 0,
  dtInt = 1,
  dtStr = 2,
  dtIcon = 6,
  dtReal = 7,
  dtStream = 10,
  dtBitmap = 11,
  dtArray = 13,
  dtFont = 15,
  dtNoSource = 21,
};
constexpr uint8_t ForwardFlag = 128;

// One value. Only the field that belongs to the kind is meaningful; the others
// keep whatever they held. Handle-like kinds (Icon, Stream, Bitmap, Array, Font)
// refer to their object through Object without owning it.
struct TData {
  uint8_t Kind = dtNull;
  int32_t IntValue = 0;
  TStr StrValue;
  double RealValue = 0.0;
  void* Object = nullptr;
  const TWire* ForwardWire = nullptr;
  TData* Next = nullptr;
};

// A font as the font element hands it out (kind Font).
struct TFontRec {
  std::string Name;
  uint8_t Size = 0;   // points
  uint8_t Style = 0;  // 1 bold, 2 italic, 4 underline, 8 strikeout
  uint32_t Color = 0; // Windows colour value
  uint8_t CharSet = 0;
};

// The payload of kind Array: four bound operations over one list object.
struct TArrayIntf {
  void* Self = nullptr;
  void (*Set)(void* self, const TData& index, const TData& value) = nullptr;
  bool (*Get)(void* self, const TData& index, TData& value) = nullptr;
  int32_t (*Count)(void* self) = nullptr;
  void (*Add)(void* self, const TData& value) = nullptr;
  // Optional, for lists that keep their items keyed: the first index in
  // [start, end) whose item, a Str cut at its first byte of code 0 and
  // lower-cased with LowerCyrillic unless `caseSensitive`, equals `key`;
  // -1 when none does. The same answer as asking Get for each index in
  // turn, found without visiting the items; `end` is at most Count().
  int32_t (*FindText)(void* self, const std::string& key, bool caseSensitive, int32_t start,
                      int32_t end) = nullptr;
  // Optional, for lists of texts: the text Get answers for `index`, lent
  // without a record or a count, or null when Get answers nothing. Valid
  // until the list next changes.
  const TStr* (*LendText)(void* self, int32_t index) = nullptr;
};

// Per-item icon indices of the menu element.
using TIconsIdx = std::basic_string<int32_t>;

// Constructors: each sets Kind and payload and empties ForwardWire and Next.
inline void MakeNull(TData& v) {
  v.Kind = dtNull;
  v.ForwardWire = nullptr;
  v.Next = nullptr;
}
inline void MakeInt(TData& v, int32_t i) {
  MakeNull(v);
  v.Kind = dtInt;
  v.IntValue = i;
}
inline void MakeStr(TData& v, TStr s) {
  MakeNull(v);
  v.Kind = dtStr;
  v.StrValue = std::move(s);
}
inline void MakeReal(TData& v, double x) {
  MakeNull(v);
  v.Kind = dtReal;
  v.RealValue = x;
}
void MakeIcon(TData& v, void* icon);
void MakeStream(TData& v, void* stream);
void MakeBitmap(TData& v, void* bitmap);
void MakeArray(TData& v, TArrayIntf* array);
void MakeFont(TData& v, TFontRec* font);
// All fields of src into dst, then dst detached from any chain.
inline void CopyValue(TData& dst, const TData& src) {
  if (&dst != &src) dst = src;
  dst.ForwardWire = nullptr;
  dst.Next = nullptr;
}

// Tests.
inline uint8_t KindOf(const TData& v) { return v.Kind; }
inline bool IsNull(const TData& v) { return v.Kind == dtNull; }
inline bool IsInt(const TData& v) { return v.Kind == dtInt; }
inline bool IsStr(const TData& v) { return v.Kind == dtStr; }
inline bool IsIcon(const TData& v) { return v.Kind == dtIcon; }
inline bool IsFont(const TData& v) { return v.Kind == dtFont; }
void* ToIcon(const TData& v);
// False only for Int 0; every other value, Null included, is true.
bool IsTrue(const TData& v);

// Conversions; none fails.
std::string ToStr(const TData& v);
// ToStr as a shared text: the text of a Str value itself, without a copy.
inline TStr ToText(const TData& v) { return v.Kind == dtStr ? v.StrValue : TStr(ToStr(v)); }
int32_t ToInt(const TData& v);
double ToReal(const TData& v);
int32_t ToIndex(const TData& v);

// Text primitives behind the conversions.
std::string IntToStr(int32_t i);
int32_t StrToInt(const std::string& s);
double StrToReal(const std::string& s);
std::string RealToStr(double x);
// Nearest integer, ties to even, taken to 64 bits; callers keep the low 32.
int32_t RoundToInt(double x);

// Multi-value chains.
void CopyChain(TData& dst, const TData& src);
TData* AppendChain(TData& dst, const TData& src);
void FreeChain(TData& v);

}  // namespace zorn
