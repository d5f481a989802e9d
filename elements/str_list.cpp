#include "elements/str_list.h"

#include <utility>

#include "elements/cyrillic_case.h"

namespace zorn {
namespace {

// Items are C strings in the array interface's world: a stored text ends at
// its first byte of code 0.
std::string CutAtZero(std::string text) {
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

// The same on a shared text, which is kept when it has no such byte.
TStr CutAtZero(TStr text) {
  if (text.str().find('\0') == std::string::npos) return text;
  return TStr(CutAtZero(text.str()));
}

}  // namespace

std::vector<std::string> TextToLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t cr = text.find('\r', start);
    if (cr == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

void TZEStrList::SetStrings(const std::string& text) {
  Changed();
  items_.clear();
  for (std::string& line : TextToLines(CutAtZero(text))) items_.emplace_back(std::move(line));
}

std::vector<std::string> TZEStrList::Items() const { return {items_.begin(), items_.end()}; }

void TZEStrList::Add(TData& data, uint16_t) {
  Append(CutAtZero(ReadText(data, Str, TStr())));
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Clear(TData& data, uint16_t) {
  Changed();
  items_.clear();
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Delete(TData& data, uint16_t) {
  int32_t i = ValidIndex(data);
  if (i < 0) return;
  Changed();
  items_.erase(items_.begin() + i);
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Text(TData& data, uint16_t) {
  std::string text;
  for (const TStr& item : items_) {
    text += item.str();
    text += "\r\n";
  }
  MakeStr(data, std::move(text));
}

void TZEStrList::Count(TData& data, uint16_t) {
  MakeInt(data, static_cast<int32_t>(items_.size()));
}

void TZEStrList::Array(TData& data, uint16_t) {
  if (!array_) {
    array_ = std::make_unique<TArrayIntf>();
    array_->Self = this;
    array_->Set = &TZEStrList::ArraySet;
    array_->Get = &TZEStrList::ArrayGet;
    array_->Count = &TZEStrList::ArrayCount;
    array_->Add = &TZEStrList::ArrayAdd;
    array_->FindText = &TZEStrList::ArrayFindText;
    array_->LendText = &TZEStrList::ArrayLendText;
  }
  MakeArray(data, array_.get());
}

int32_t TZEStrList::ValidIndex(const TData& index) const {
  int32_t i = index.Kind == dtInt ? index.IntValue : ToIndex(index);
  return (i >= 0 && i < static_cast<int32_t>(items_.size())) ? i : -1;
}

void TZEStrList::ArraySet(void* self, const TData& index, const TData& value) {
  auto* list = static_cast<TZEStrList*>(self);
  int32_t i = list->ValidIndex(index);
  if (i < 0) return;
  list->Changed();
  list->items_[i] = CutAtZero(ToText(value));
}

bool TZEStrList::ArrayGet(void* self, const TData& index, TData& value) {
  auto* list = static_cast<TZEStrList*>(self);
  int32_t i = list->ValidIndex(index);
  if (i < 0) return false;
  value.Kind = dtStr;
  value.StrValue = list->items_[i];  // shared, without a temporary
  value.ForwardWire = nullptr;
  value.Next = nullptr;
  return true;
}

const TStr* TZEStrList::ArrayLendText(void* self, int32_t index) {
  auto* list = static_cast<TZEStrList*>(self);
  const bool valid = index >= 0 && index < static_cast<int32_t>(list->items_.size());
  return valid ? &list->items_[index] : nullptr;
}

int32_t TZEStrList::ArrayCount(void* self) {
  return static_cast<int32_t>(static_cast<TZEStrList*>(self)->items_.size());
}

void TZEStrList::ArrayAdd(void* self, const TData& value) {
  static_cast<TZEStrList*>(self)->Append(CutAtZero(ToText(value)));
}

std::string TZEStrList::KeyOf(const TStr& item, bool caseSensitive) {
  return caseSensitive ? item.str() : LowerCyrillic(item.str());
}

void TZEStrList::Append(TStr item) {
  items_.push_back(std::move(item));
  const int32_t at = static_cast<int32_t>(items_.size()) - 1;
  for (int k = 0; k < 2; ++k) {
    // An earlier item of the same text keeps its place as the first.
    if (keyed_[k].Built) keyed_[k].First.emplace(KeyOf(items_.back(), k == 1), at);
  }
}

void TZEStrList::Changed() {
  for (TKeyed& keyed : keyed_) {
    keyed.Built = false;
    keyed.First.clear();
  }
}

int32_t TZEStrList::ArrayFindText(void* self, const std::string& key, bool caseSensitive,
                                  int32_t start, int32_t end) {
  auto* list = static_cast<TZEStrList*>(self);
  const int32_t size = static_cast<int32_t>(list->items_.size());
  if (end > size) end = size;
  if (start < 0 || start >= end) return -1;
  TKeyed& keyed = list->keyed_[caseSensitive ? 1 : 0];
  if (!keyed.Built) {
    for (int32_t i = 0; i < size; ++i) {
      keyed.First.emplace(KeyOf(list->items_[i], caseSensitive), i);
    }
    keyed.Built = true;
  }
  auto first = keyed.First.find(key);
  if (first == keyed.First.end() || first->second >= end) return -1;
  if (first->second >= start) return first->second;
  // A search that starts past the first such item looks at the rest.
  for (int32_t i = start; i < end; ++i) {
    if (KeyOf(list->items_[i], caseSensitive) == key) return i;
  }
  return -1;
}

}  // namespace zorn
