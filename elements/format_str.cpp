#include "elements/format_str.h"

#include <algorithm>
#include <string_view>

namespace zorn {
namespace {

// The working text is kept as cells wider than a byte, so that the two
// markers lie outside the byte range and no text can be mistaken for them.
using TCell = uint16_t;
constexpr TCell kArgMark = 256;      // stands before every inserted argument
constexpr TCell kPercentMark = 257;  // an escaped "%%"

bool IsDigitCell(TCell c) { return c >= '0' && c <= '9'; }

// Replaces every `needle` not followed by a digit by kArgMark and `arg`,
// resuming after the inserted text. Returns false when nothing matched.
bool FillOne(std::vector<TCell>& text, const std::string& needle, const std::string& arg,
             std::vector<TCell>& out) {
  const size_t n = text.size();
  const size_t len = needle.size();
  size_t copied = 0;
  bool any = false;
  for (size_t i = 0; i + len <= n; ++i) {
    if (text[i] != '%') continue;
    size_t j = 1;
    while (j < len && text[i + j] == static_cast<unsigned char>(needle[j])) ++j;
    if (j < len) continue;
    if (i + len < n && IsDigitCell(text[i + len])) continue;
    if (!any) {
      out.clear();
      any = true;
    }
    out.insert(out.end(), text.begin() + copied, text.begin() + i);
    // Written in place: a cell at a time through push_back is the slow part.
    const size_t at = out.size();
    out.resize(at + 1 + arg.size());
    out[at] = kArgMark;
    for (size_t k = 0; k < arg.size(); ++k) out[at + 1 + k] = static_cast<unsigned char>(arg[k]);
    copied = i + len;
    i = copied - 1;
  }
  if (!any) return false;
  out.insert(out.end(), text.begin() + copied, text.end());
  text.swap(out);
  return true;
}

// The number k of the argument that "%" and `digits` name, or 0: the digits
// spell k as std::to_string does, 1 <= k <= count.
size_t ArgumentNumber(std::string_view digits, size_t count) {
  if (digits.empty() || digits[0] == '0' || digits.size() > 9) return 0;
  size_t k = 0;
  for (char d : digits) k = k * 10 + static_cast<size_t>(d - '0');
  return k <= count ? k : 0;
}

// The rules when no argument holds a "%": no inserted text can hold a
// placeholder, and what follows a placeholder's digits is never a digit, in
// the mask or after a filling; so each "%" with digits is filled by the
// argument the digits name, in one pass over the mask.
std::string FillInOnePass(const std::string& mask, const std::vector<std::string>& args) {
  std::string result;
  size_t copied = 0;  // the mask before this is in the result
  for (size_t i = mask.find('%'); i != std::string::npos; i = mask.find('%', copied)) {
    result.append(mask, copied, i - copied);
    if (i + 1 < mask.size() && mask[i + 1] == '%') {
      result += '%';
      copied = i + 2;
      continue;
    }
    size_t end = i + 1;
    while (end < mask.size() && IsDigitCell(static_cast<unsigned char>(mask[end]))) ++end;
    const size_t k = ArgumentNumber(std::string_view(mask).substr(i + 1, end - i - 1), args.size());
    if (k == 0) {
      result += '%';
      copied = i + 1;
    } else {
      result += args[k - 1];
      copied = end;
    }
  }
  result.append(mask, copied);
  return result;
}

}  // namespace

std::string FormatPlaceholders(const std::string& mask, const std::vector<std::string>& args) {
  if (std::none_of(args.begin(), args.end(),
                   [](const std::string& a) { return a.find('%') != std::string::npos; })) {
    return FillInOnePass(mask, args);
  }
  size_t room = mask.size();
  for (const std::string& a : args) room += a.size() + 1;
  std::vector<TCell> text, scratch;
  text.reserve(room);
  scratch.reserve(room);
  text.resize(mask.size());
  size_t cells = 0;
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '%' && i + 1 < mask.size() && mask[i + 1] == '%') {
      text[cells++] = kPercentMark;
      ++i;
    } else {
      text[cells++] = static_cast<unsigned char>(mask[i]);
    }
  }
  text.resize(cells);
  for (size_t k = 0; k < args.size(); ++k) {
    FillOne(text, "%" + std::to_string(k + 1), args[k], scratch);
  }
  std::string result(text.size(), '\0');
  size_t length = 0;
  for (TCell c : text) {
    if (c == kArgMark) continue;
    result[length++] = c == kPercentMark ? '%' : static_cast<char>(c);
  }
  result.resize(length);
  return result;
}

void TZEFormatStr::SetCount(int32_t count) { Args.assign(std::max(count, 0), TWire{}); }

void TZEFormatStr::Format(TData& data, uint16_t) {
  values_.resize(Args.size());
  for (size_t i = 0; i < Args.size(); ++i) values_[i] = ReadStr(data, Args[i], std::string());
  result_ = TStr(FormatPlaceholders(Mask, values_));
  ForwardStr(data, OnResult, result_);
}

void TZEFormatStr::Result(TData& data, uint16_t) { MakeStr(data, result_); }

}  // namespace zorn
