// Finds, and optionally replaces, the blocks of a text that lie between a
// start mark and an end mark.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

class TZEBlockFind : public TElement {
 public:
  std::string StartMark;
  std::string EndMark;
  std::string Replacement;
  // Blocks include their marks, and replacement removes the marks with them.
  bool IncludeMarks = false;
  // Each block found is replaced by Replacement.
  bool ReplaceMode = false;
  // In ReplaceMode a block is replaced only when Confirm reads non-zero.
  bool AskConfirm = false;
  TWire Text;
  TWire Confirm;

  // Calls OnBlock (nested) with each block, in text order; calls OnNotFound
  // (nested, Null) when the search ended on a start mark without an end mark
  // or found no start mark at all; then forwards the text, replaced in
  // ReplaceMode, to OnResult.
  void Find(TData& data, uint16_t index);

  TWire OnBlock;
  TWire OnNotFound;
  TWire OnResult;
};

}  // namespace zorn
