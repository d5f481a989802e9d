#include "elements/str_split.h"

#include <algorithm>
#include <string_view>

namespace zorn {
namespace {

// Cuts fields off both ends of a text without copying it. The part not yet
// cut is text[lo, hi).
class TFieldCutter {
 public:
  TFieldCutter(const std::string& text, char delimiter)
      : text_(text), delimiter_(delimiter), hi_(text.size()) {}

  bool Empty() const { return lo_ >= hi_; }
  std::string_view Rest() const { return std::string_view(text_).substr(lo_, hi_ - lo_); }

  // Everything before the first delimiter; the whole rest when there is none.
  std::string_view CutLeft() {
    std::string_view rest = Rest();
    size_t p = rest.find(delimiter_);
    if (p == std::string_view::npos) {
      lo_ = hi_;
      return rest;
    }
    lo_ += p + 1;
    return rest.substr(0, p);
  }

  // Everything after the last delimiter; the whole rest when there is none.
  std::string_view CutRight() {
    std::string_view rest = Rest();
    size_t p = rest.rfind(delimiter_);
    if (p == std::string_view::npos) {
      hi_ = lo_;
      return rest;
    }
    hi_ = lo_ + p;
    return rest.substr(p + 1);
  }

 private:
  const std::string& text_;
  char delimiter_;
  size_t lo_ = 0;
  size_t hi_;
};

bool HasDelimiter(const std::string& text, const std::string& delimiter) {
  return !delimiter.empty() && text.find(delimiter[0]) != std::string::npos;
}

}  // namespace

void TZEStr_Enum::Enum(TData& data, uint16_t) {
  std::string text = ReadStr(data, Text, std::string());
  if (!text.empty()) {
    if (!Delimiter.empty()) {
      EnumFields(text, Delimiter[0]);
    } else if (From >= 1 && Step >= 1) {
      EnumChunks(text, Step);
    }
  }
  ForwardNull(data, OnEnd);
}

// The character mode is the chunk mode with chunks of one character.
void TZEStr_Enum::EnumChunks(const std::string& text, int32_t step) {
  const int64_t from = From, to = To, size = static_cast<int64_t>(text.size());
  const int64_t start = step * (from - 1);
  if (start >= size) return;
  int64_t end = size;
  if (to != -1) {
    if (to < from) return;
    end = std::min(size, start + step * (to - from + 1));
  }
  const bool whole = WholeChunks;
  for (int64_t p = start; p < end; p += step) {
    int64_t n = std::min<int64_t>(step, end - p);
    if (n < step && whole) break;
    FireStr(OnPart, text.substr(static_cast<size_t>(p), static_cast<size_t>(n)));
  }
}

void TZEStr_Enum::EnumFields(const std::string& text, char delimiter) {
  const int64_t from = From, to = To;
  int64_t number = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(delimiter, pos);
    if (end == std::string::npos) end = text.size();
    ++number;
    if (to > 0 && number > to) break;
    if (number >= from) FireStr(OnPart, text.substr(pos, end - pos));
    pos = end + 1;
  }
}

void TZEMultiStrPart::SetCount(int32_t count) {
  count_ = std::max(count, 0);
  parts_ = {};
}

void TZEMultiStrPart::Split(TData& data, uint16_t) {
  // The common case, a lone Str record of a text split this way before (a
  // list item visited again) that holds the delimiter, goes the short way:
  // the text is taken out of the record and its parts handed back.
  const TStrSplit* split = nullptr;
  if (!Text.Wired() && data.Kind == dtStr && !data.Next && !Delimiter.empty()) {
    split = data.StrValue.FoundSplit(Delimiter[0], Skip, count_);
  }
  if (!split || !split->Delimited) {
    SplitRead(data);
    return;
  }
  TStr text = std::move(data.StrValue);
  parts_ = split->Parts;
  // Nothing receives the rest when OnSplit is unwired: no copy of it.
  if (OnSplit.Wired()) {
    ForwardStr(data, OnSplit, split->Rest);
  } else {
    MakeNull(data);
  }
  text_ = std::move(text);
}

void TZEMultiStrPart::SplitRead(TData& data) {
  // Every part reads empty while a wired source is asked for the text;
  // without one, nothing can read a part before parts_ is set below.
  if (Text.Wired()) parts_ = {};
  text_ = TakeText(data, Text);
  // A text split before (a list item visited again) hands back its parts,
  // and knows whether it has the delimiter, without a look at the text.
  const TStrSplit* split =
      Delimiter.empty() ? nullptr : text_.FoundSplit(Delimiter[0], Skip, count_);
  if (split ? !split->Delimited : !HasDelimiter(text_, Delimiter)) {
    parts_ = {};
    ForwardStr(data, OnNoDelimiter, std::move(text_));
    text_.clear();
    return;
  }
  if (!split) split = text_.Split(Delimiter[0], Skip, count_);
  parts_ = split->Parts;
  // Nothing receives the rest when OnSplit is unwired: no copy of it.
  if (OnSplit.Wired()) ForwardStr(data, OnSplit, split->Rest);
}

const TStr& TZEMultiStrPart::PartText(uint16_t index) const {
  return index < parts_.size() ? parts_[index] : TStr::kNone;
}

void TZEMultiStrPart::Part(TData& data, uint16_t index) {
  // The stored part itself, shared, without a temporary.
  data.Kind = dtStr;
  data.StrValue = PartText(index);
  data.ForwardWire = nullptr;
  data.Next = nullptr;
}

const TLentTexts* TZEMultiStrPart::LentTextsOf(void (TZEMultiStrPart::*output)(TData&, uint16_t),
                                               const TZEMultiStrPart* self) {
  return output == &TZEMultiStrPart::Part ? &self->parts_ : nullptr;
}

void TZEMultiStrData::SetCount(int32_t count) { OnPart.assign(std::max(count, 0), TWire{}); }

void TZEMultiStrData::Split(TData& data, uint16_t) { Cut(data, TSide::Left); }

void TZEMultiStrData::SplitRight(TData& data, uint16_t) { Cut(data, TSide::Right); }

void TZEMultiStrData::Rest(TData& data, uint16_t) { MakeStr(data, rest_); }

void TZEMultiStrData::Cut(TData& data, TSide side) {
  // The text read is shared; Rest is a new text only once fields are cut off.
  const TStr whole = ReadText(data, Text, TStr());
  const std::string& text = whole.str();
  rest_ = whole;
  if (!HasDelimiter(text, Delimiter)) return;
  TFieldCutter cutter(text, Delimiter[0]);
  auto cut = [&] { return side == TSide::Left ? cutter.CutLeft() : cutter.CutRight(); };
  for (int32_t i = 0; i < Skip && !cutter.Empty(); ++i) cut();
  if (cutter.Rest().size() != text.size()) rest_ = TStr(std::string(cutter.Rest()));
  for (size_t i = 0; i < OnPart.size(); ++i) {
    // A field nobody receives is cut but never made a text.
    const std::string_view field = cut();
    rest_ = TStr(std::string(cutter.Rest()));
    if (OnPart[i].Wired()) FireStr(OnPart[i], std::string(field));
  }
}

}  // namespace zorn
