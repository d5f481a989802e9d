// TZEBlockEntry: the text of one entry of an editor's block list,
// Prefix + type name + ") №" + the block number in double quotes, e.g.
// Выход:(int) №"12". It builds such entries from "type;block" texts and reads
// the type code and block number back out of them.
#pragma once

#include <string>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

class TZEBlockEntry : public TElement {
 public:
  std::string Prefix;                  // "Выход:(" or "Вход:("
  std::vector<std::string> TypeNames;  // the name of type code i at position i

  // Takes "type;block" and forwards the entry to OnEntry. A type code
  // without a name (or with an empty one) stands as its digit, Вход:(3)
  // №"5", so that its entry reads back to the same code.
  void Build(TData& data, uint16_t index);
  // Takes an entry and keeps its type code (the first position of its
  // non-empty type name, else the digit standing as the name, −1 for a
  // text that is no entry) and block number; forwards the type code to
  // OnType.
  void Read(TData& data, uint16_t index);

  // Data outputs of the last Read.
  void TypeCode(TData& data, uint16_t index);  // Int
  void Block(TData& data, uint16_t index);     // Str

  TWire OnEntry;
  TWire OnType;

 private:
  int32_t type_ = -1;
  std::string block_;
};

}  // namespace zorn
