// Joining texts and replacing substrings.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

// Str1 followed by Str2.
class TZEStrCat : public TElement {
 public:
  std::string Str1;
  std::string Str2;
  TWire Str1Input;
  TWire Str2Input;

  // Reads Str1, then Str2 (each falling back to its property), stores the
  // joined text and forwards it to OnResult.
  void Concat(TData& data, uint16_t index);
  // The last result; empty before the first Concat.
  void Result(TData& data, uint16_t index);

  TWire OnResult;

 private:
  TStr result_;
};

// Str1, Delimiter and Str2 in this order.
class TZEStrCatDelim : public TElement {
 public:
  std::string Delimiter;
  std::string Str1;
  std::string Str2;
  TWire Str1Input;
  TWire Str2Input;
  TWire DelimiterInput;

  // Reads Str1, then Str2, then Delimiter, so an unwired element joins the
  // first two values of the received chain; stores the result and forwards
  // it to OnResult.
  void Concat(TData& data, uint16_t index);
  void Result(TData& data, uint16_t index);

  TWire OnResult;

 private:
  TStr result_;
};

// Replaces every occurrence of SubStr by NewStr.
class TZEReplace : public TElement {
 public:
  std::string SubStr;
  std::string NewStr;
  TWire Text;
  TWire SubStrInput;
  TWire NewStrInput;
  // Asked before each replacement; a non-zero answer keeps that occurrence.
  // Unwired, every occurrence is replaced.
  TWire Keep;

  // Reads Text (no default), then SubStr, then NewStr; replaces left to
  // right without rescanning inserted text and forwards the result to
  // OnResult. An empty SubStr replaces nothing.
  void Replace(TData& data, uint16_t index);

  TWire OnResult;
};

}  // namespace zorn
