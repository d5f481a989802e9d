#include "elements/block_find.h"

#include "runtime/text.h"

namespace zorn {

void TZEBlockFind::Find(TData& data, uint16_t) {
  std::string text = ReadStr(data, Text, "");
  const size_t s = StartMark.size();
  const size_t e = EndMark.size();
  // 1-based positions, as PosFrom gives them; 0 means none.
  size_t a = PosFrom(StartMark, text, 1);
  size_t b = 0;
  while (a > 0) {
    b = PosFrom(EndMark, text, a + s);
    if (b == 0) break;
    if (IncludeMarks) {
      FireStr(OnBlock, text.substr(a - 1, b + e - a));
    } else {
      FireStr(OnBlock, text.substr(a + s - 1, b - a - s));
    }
    size_t next;
    if (!ReplaceMode) {
      next = b + e;
    } else if (!AskConfirm || ReadIntPlain(Confirm) != 0) {
      if (IncludeMarks) {
        text.replace(a - 1, b + e - a, Replacement);
      } else {
        a += s;
        text.replace(a - 1, b - a, Replacement);
      }
      next = a + Replacement.size();
    } else {
      next = b;
    }
    a = PosFrom(StartMark, text, next);
  }
  if (b == 0) FireNull(OnNotFound);
  ForwardStr(data, OnResult, std::move(text));
}

}  // namespace zorn
