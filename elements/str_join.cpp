#include "elements/str_join.h"

#include "runtime/text.h"

namespace zorn {

void TZEStrCat::Concat(TData& data, uint16_t) {
  std::string text = ReadStr(data, Str1Input, Str1);
  text += ReadStr(data, Str2Input, Str2);
  result_ = TStr(std::move(text));
  ForwardStr(data, OnResult, result_);
}

void TZEStrCat::Result(TData& data, uint16_t) { MakeStr(data, result_); }

void TZEStrCatDelim::Concat(TData& data, uint16_t) {
  std::string first = ReadStr(data, Str1Input, Str1);
  std::string second = ReadStr(data, Str2Input, Str2);
  std::string delimiter = ReadStr(data, DelimiterInput, Delimiter);
  first += delimiter;
  first += second;
  result_ = TStr(std::move(first));
  ForwardStr(data, OnResult, result_);
}

void TZEStrCatDelim::Result(TData& data, uint16_t) { MakeStr(data, result_); }

void TZEReplace::Replace(TData& data, uint16_t) {
  TStr shared = ReadText(data, Text, TStr());
  std::string find = ReadStr(data, SubStrInput, SubStr);
  std::string with = ReadStr(data, NewStrInput, NewStr);
  // A text without SubStr goes on as it is, shared: nothing is replaced and
  // Keep is never asked.
  if (find.empty() || shared.str().find(find) == std::string::npos) {
    ForwardStr(data, OnResult, std::move(shared));
    return;
  }
  std::string text = shared.str();
  if (Keep.Wired()) {
    ReplaceAll(text, find, with, [this](size_t) { return ReadIntPlain(Keep) == 0; });
  } else {
    ReplaceAll(text, find, with);
  }
  ForwardStr(data, OnResult, std::move(text));
}

}  // namespace zorn
