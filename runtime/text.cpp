// Byte-wise text functions over CP1251 strings.
#include "runtime/text.h"

namespace zorn {
namespace {

unsigned char UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

}  // namespace

std::string CutToken(std::string& text, char ch) {
  size_t p = text.find(ch);
  if (p == std::string::npos) return text;
  std::string token = text.substr(0, p);
  text.erase(0, p + 1);
  return token;
}

size_t PosFrom(const std::string& sub, const std::string& text, size_t start) {
  if (sub.empty()) return 0;
  size_t from = start > 0 ? start - 1 : 0;
  if (from > text.size()) return 0;
  size_t p = text.find(sub, from);
  return p == std::string::npos ? 0 : p + 1;
}

void ReplaceAll(std::string& text, const std::string& find, const std::string& with,
                const TReplaceFilter& filter) {
  if (find.empty()) return;
  // The result is built apart; the filter still sees each match at the
  // position it has in the partly replaced text.
  std::string result;
  size_t done = 0;  // bytes of `text` already moved to `result`
  size_t from = 0;
  for (size_t p; (p = text.find(find, from)) != std::string::npos;) {
    if (filter && !filter(result.size() + (p - done) + 1)) {
      from = p + 1;
      continue;
    }
    result.append(text, done, p - done);
    result += with;
    done = from = p + find.size();
  }
  if (done == 0) return;
  result.append(text, done, std::string::npos);
  text = std::move(result);
}

int CompareTextAscii(const std::string& a, const std::string& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = UpperAscii(static_cast<unsigned char>(a[i]));
    int cb = UpperAscii(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string LowerAscii(const std::string& s) {
  std::string r = s;
  for (char& c : r) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return r;
}

}  // namespace zorn
