// A list of strings with an array interface for the list readers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
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
  static int32_t ArrayCount(void* self);
  static void ArrayAdd(void* self, const TData& value);

  // The item position named by `index`, or -1 when there is none.
  int32_t ValidIndex(const TData& index) const;

  // Shared texts: a reader gets an item without a copy, and a text split
  // once keeps its split (TStr::Split) until the item is replaced.
  std::vector<TStr> items_;
  std::unique_ptr<TArrayIntf> array_;
};

}  // namespace zorn
