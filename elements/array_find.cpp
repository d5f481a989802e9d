#include "elements/array_find.h"

#include <string>

#include "elements/cyrillic_case.h"
#include "runtime/text.h"

namespace zorn {
namespace {

// Items and keys compare as C strings.
std::string UpToZero(std::string text) {
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

// The item, up to its first byte of code 0 and folded unless `caseSensitive`,
// equals the prepared key; compared in place, without a copy of the item.
// The key holds no byte of code 0, so an item with one among its first
// key-length bytes differs anyway; only the byte after them needs a look.
bool SameText(const std::string& item, const std::string& key, bool caseSensitive) {
  const size_t length = key.size();
  if (item.size() < length || (item.size() > length && item[length] != '\0')) return false;
  if (caseSensitive) return item.compare(0, length, key) == 0;
  const unsigned char* fold = LowerCyrillicTable();
  for (size_t i = 0; i < length; ++i) {
    if (fold[static_cast<unsigned char>(item[i])] != static_cast<unsigned char>(key[i])) return false;
  }
  return true;
}

}  // namespace

void TZEArrayFind::FindText(TData& data, uint16_t) { Find(data, TMatch::Text); }

void TZEArrayFind::FindInt(TData& data, uint16_t) { Find(data, TMatch::Int); }

void TZEArrayFind::Index(TData& data, uint16_t) { MakeInt(data, found_); }

void TZEArrayFind::Find(TData& data, TMatch match) {
  found_ = -1;
  TArrayIntf* array = ReadArray(Array);
  int32_t count = array ? array->Count(array->Self) : 0;
  if (count > 0) {
    int32_t i = ReadInt(data, StartInput, Start);
    TData keyValue;
    ReadValue(data, ValueInput, &Value, keyValue);
    std::string key;
    int32_t keyInt = 0;
    if (match == TMatch::Text) {
      key = UpToZero(ToStr(keyValue));
      if (!CaseSensitive) key = LowerCyrillic(key);
    } else {
      keyInt = ToInt(keyValue);
    }
    // A list that keeps its items keyed answers without a visit of them;
    // it answers for the items counted before the reads, which are all
    // there unless a read changed the list.
    const bool keyed = match == TMatch::Text && !Partial && array->FindText &&
                       array->Count(array->Self) == count;
    if (keyed) {
      if (i >= 0) found_ = array->FindText(array->Self, key, CaseSensitive, i, count);
    } else {
      TData at;
      MakeInt(at, i);
      for (; i >= 0 && i < count; ++i) {
        at.IntValue = i;
        TData item;
        array->Get(array->Self, at, item);
        bool hit;
        if (match == TMatch::Int) {
          hit = ToInt(item) == keyInt;
        } else if (!Partial && item.Kind == dtStr) {
          hit = SameText(item.StrValue.str(), key, CaseSensitive);
        } else {
          std::string text = UpToZero(ToStr(item));
          if (!CaseSensitive) text = LowerCyrillic(text);
          hit = text == key || (Partial && PosFrom(key, text, 1) > 0);
        }
        if (hit) {
          found_ = i;
          break;
        }
      }
    }
  }
  ForwardInt(data, OnResult, found_);
}

}  // namespace zorn
