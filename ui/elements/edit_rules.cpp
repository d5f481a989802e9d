#include "ui/elements/edit_rules.h"

namespace zorn::ui {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }

template <class Pred>
bool AllOf(const std::string& s, size_t from, Pred pred) {
  if (from >= s.size()) return false;  // at least one digit
  for (size_t i = from; i < s.size(); ++i) {
    if (!pred(s[i])) return false;
  }
  return true;
}

// Where the hexadecimal digits start, or 0 for a decimal text.
size_t HexStart(const std::string& s) {
  if (s.rfind("$", 0) == 0) return 1;
  if (s.rfind("0x", 0) == 0) return 2;
  return 0;
}

}  // namespace

bool ValidInMode(TEditMode mode, const std::string& text) {
  switch (mode) {
    case emUnsigned: return AllOf(text, 0, IsDigit);
    case emInteger: {
      if (size_t hex = HexStart(text)) return AllOf(text, hex, IsHexDigit);
      size_t from = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
      return AllOf(text, from, IsDigit);
    }
    default: return true;
  }
}

bool AcceptTyped(TEditMode mode, std::string& text) {
  if (ValidInMode(mode, text)) return true;
  std::string padded = text;
  padded.push_back('0');
  if (!ValidInMode(mode, padded)) return false;
  if (text.empty()) text.assign(1, '0');
  return true;
}

int32_t IntegerOf(TEditMode mode, const std::string& text) {
  uint32_t v = 0;
  if (mode == emInteger) {
    if (size_t hex = HexStart(text)) {
      for (size_t i = hex; i < text.size() && IsHexDigit(text[i]); ++i) {
        v = v * 16 + static_cast<uint32_t>(IsDigit(text[i]) ? text[i] - '0' : text[i] - 'a' + 10);
      }
      return static_cast<int32_t>(v);
    }
  }
  size_t i = 0;
  bool negative = false;
  if (mode == emInteger && !text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    i = 1;
  }
  for (; i < text.size() && IsDigit(text[i]); ++i) v = v * 10 + static_cast<uint32_t>(text[i] - '0');
  return static_cast<int32_t>(negative ? 0u - v : v);
}

void ValueOf(TEditMode mode, const std::string& text, TData& value) {
  if (mode == emText) {
    MakeStr(value, text);
  } else {
    MakeInt(value, IntegerOf(mode, text));
  }
}

}  // namespace zorn::ui
