// The value record that travels along every wire, and the operations on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

struct TStrBlock;
struct TStrSplit;

// Immutable text shared by reference count, so that copying a record never
// allocates. Converts to and from std::string; an empty TStr holds no buffer.
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
  bool empty() const { return str().empty(); }
  size_t size() const { return str().size(); }
  const char* c_str() const { return str().c_str(); }
  void clear() {
    Release();
    block_ = nullptr;
  }
  friend bool operator==(const TStr& a, const TStr& b) {
    return a.block_ == b.block_ || a.str() == b.str();
  }

  // The text cut at `delimiter` as the field cutters do: `skip` fields
  // dropped, the next `count` kept (empty when the text runs out) and the
  // rest. Made on the first request and kept with the text, which never
  // changes, so a text split again the same way allocates nothing; the
  // split lives as long as the text. Null for the empty text.
  const TStrSplit* Split(char delimiter, int32_t skip, int32_t count) const;

 private:
  inline void Release() noexcept;
  static void Destroy(TStrBlock* block) noexcept;
  static const std::string& Empty();
  TStrBlock* block_ = nullptr;
};

// One split of a text, kept by the text (TStr::Split).
struct TStrSplit {
  char Delimiter = 0;
  int32_t Skip = 0;
  std::vector<TStr> Parts;
  TStr Rest;
};

// The shared buffer of a TStr with the splits asked of it so far.
struct TStrBlock {
  uint32_t Refs = 1;
  std::string Text;
  // One per way the text was split; the program splits a text in a
  // handful of ways, as its splitting elements are set up.
  mutable std::vector<std::unique_ptr<const TStrSplit>> Splits;
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

inline const std::string& TStr::str() const { return block_ ? block_->Text : Empty(); }

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
};

// Per-item icon indices of the menu element.
using TIconsIdx = std::basic_string<int32_t>;

// Constructors: each sets Kind and payload and empties ForwardWire and Next.
void MakeNull(TData& v);
void MakeInt(TData& v, int32_t i);
void MakeStr(TData& v, TStr s);
void MakeReal(TData& v, double x);
void MakeIcon(TData& v, void* icon);
void MakeStream(TData& v, void* stream);
void MakeBitmap(TData& v, void* bitmap);
void MakeArray(TData& v, TArrayIntf* array);
void MakeFont(TData& v, TFontRec* font);
// All fields of src into dst, then dst detached from any chain.
void CopyValue(TData& dst, const TData& src);

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
TStr ToText(const TData& v);
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
