#include "link/line_assembler.h"

#include <algorithm>
#include <utility>

namespace zorn {

void TZELineAssembler::Add(TData& data, uint16_t) {
  // A private reference: the handlers of OnLine run before the walk ends.
  const TStr text = IsStr(data) ? data.StrValue : TStr(ToStr(data));
  const std::string& bytes = text.str();
  size_t from = 0;
  while (from < bytes.size()) {
    size_t lf = bytes.find('\n', from);
    if (lf == std::string::npos) {
      Append(bytes, from, bytes.size());
      break;
    }
    Append(bytes, from, lf);
    from = lf + 1;
    std::string line;
    line.swap(line_);
    FireStr(OnLine, TStr(std::move(line)));
  }
  ForwardTo(data, OnAdded);
}

void TZELineAssembler::Append(const std::string& text, size_t from, size_t to) {
  if (Dropped.empty()) {
    size_t room = line_.size() < MaxLength ? MaxLength - line_.size() : 0;
    line_.append(text, from, std::min(to - from, room));
    return;
  }
  for (size_t i = from; i < to && line_.size() < MaxLength; ++i) {
    if (Dropped.find(text[i]) == std::string::npos) line_.push_back(text[i]);
  }
}

}  // namespace zorn
