#include "elements/str_list.h"

namespace zorn {
namespace {

// Items are C strings in the array interface's world: a stored text ends at
// its first byte of code 0.
std::string CutAtZero(std::string text) {
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
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

void TZEStrList::SetStrings(const std::string& text) { items_ = TextToLines(CutAtZero(text)); }

void TZEStrList::Add(TData& data, uint16_t) {
  items_.push_back(CutAtZero(ReadStr(data, Str, "")));
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Clear(TData& data, uint16_t) {
  items_.clear();
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Delete(TData& data, uint16_t) {
  int32_t i = ValidIndex(data);
  if (i < 0) return;
  items_.erase(items_.begin() + i);
  MakeNull(data);
  ForwardNull(data, OnChange);
}

void TZEStrList::Text(TData& data, uint16_t) {
  std::string text;
  for (const std::string& item : items_) {
    text += item;
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
  }
  MakeArray(data, array_.get());
}

int32_t TZEStrList::ValidIndex(const TData& index) const {
  int32_t i = ToIndex(index);
  return (i >= 0 && i < static_cast<int32_t>(items_.size())) ? i : -1;
}

void TZEStrList::ArraySet(void* self, const TData& index, const TData& value) {
  auto* list = static_cast<TZEStrList*>(self);
  int32_t i = list->ValidIndex(index);
  if (i >= 0) list->items_[i] = CutAtZero(ToStr(value));
}

bool TZEStrList::ArrayGet(void* self, const TData& index, TData& value) {
  auto* list = static_cast<TZEStrList*>(self);
  int32_t i = list->ValidIndex(index);
  if (i < 0) return false;
  MakeStr(value, list->items_[i]);
  return true;
}

int32_t TZEStrList::ArrayCount(void* self) {
  return static_cast<int32_t>(static_cast<TZEStrList*>(self)->items_.size());
}

void TZEStrList::ArrayAdd(void* self, const TData& value) {
  static_cast<TZEStrList*>(self)->items_.push_back(CutAtZero(ToStr(value)));
}

}  // namespace zorn
