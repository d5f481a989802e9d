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
  std::string text = ReadStr(data, Text, std::string());
  std::string find = ReadStr(data, SubStrInput, SubStr);
  std::string with = ReadStr(data, NewStrInput, NewStr);
  if (!text.empty()) {
    if (Keep.Wired()) {
      ReplaceAll(text, find, with, [this](size_t) { return ReadIntPlain(Keep) == 0; });
    } else {
      ReplaceAll(text, find, with);
    }
  }
  ForwardStr(data, OnResult, std::move(text));
}

}  // namespace zorn
