// A list of strings with an array interface for the list readers.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// Cuts a text into list items: a line ends at every CR, and a LF right after
// the CR belongs to the break; a lone LF stays inside its item. A final break
// gives no empty last item, so the empty text gives no items at all.
std::vector<std::string> TextToLines(const std::string& text);

class TZEStrList : public TElement {
 public:
  // Replaces the items by the lines of `text`.
  void SetStrings(const std::string& text);
  TWire Str;

  // Appends the text read of Str (no default); forwards Null to OnChange.
  void Add(TData& data, uint16_t index);
  // Removes every item; forwards Null to OnChange.
  void Clear(TData& data, uint16_t index);
  // Removes the item at ToIndex(record) and forwards Null to OnChange; an
  // index out of range changes nothing and fires nothing.
  void Delete(TData& data, uint16_t index);
  // Every item followed by CR LF.
  void Text(TData& data, uint16_t index);
  // The number of items as Int.
  void Count(TData& data, uint16_t index);
  // An Array value referring to this list's interface, which is made on the
  // first read and lives as long as the list.
  void Array(TData& data, uint16_t index);

  TWire OnChange;

  // A copy of the items, for inspection.
  std::vector<std::string> Items() const;

 private:
  static void ArraySet(void* self, const TData& index, const TData& value);
  static bool ArrayGet(void* self, const TData& index, TData& value);
  static const TStr* ArrayLendText(void* self, int32_t index);
  static int32_t ArrayCount(void* self);
  static void ArrayAdd(void* self, const TData& value);
  static int32_t ArrayFindText(void* self, const std::string& key, bool caseSensitive,
                               int32_t start, int32_t end);

  // The item text as keyed: lower-cased unless `caseSensitive`.
  static std::string KeyOf(const TStr& item, bool caseSensitive);
  // Appends one item, keeping the keyed lookups up to date.
  void Append(TStr item);
  // Any change other than an append: the keyed lookups are made again on
  // their next use.
  void Changed();

  // The item position named by `index`, or -1 when there is none.
  int32_t ValidIndex(const TData& index) const;

  // Shared texts: a reader gets an item without a copy, and a text split
  // once keeps its split (TStr::Split) until the item is replaced.
  std::vector<TStr> items_;
  // Keyed lookup of the items for ArrayFindText, folded ([0]) and as they
  // are ([1]): the first index of each item text. A search for the same
  // text (a block seen again) then costs one hash look-up, not a visit of
  // every item before it. Made on the first search of its kind.
  struct TKeyed {
    bool Built = false;
    std::unordered_map<std::string, int32_t> First;
  };
  std::array<TKeyed, 2> keyed_;
  std::unique_ptr<TArrayIntf> array_;
};

}  // namespace zorn
