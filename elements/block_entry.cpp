#include "elements/block_entry.h"

namespace zorn {

namespace {
constexpr const char* kNumberMark = ") №\"";
}  // namespace

void TZEBlockEntry::Build(TData& data, uint16_t) {
  std::string text = ToStr(data);
  size_t cut = text.find(';');
  std::string type = text.substr(0, cut);
  std::string block = cut == std::string::npos ? std::string() : text.substr(cut + 1);
  std::string name;
  if (type.size() == 1 && type[0] >= '0' && type[0] <= '9') {
    size_t code = static_cast<size_t>(type[0] - '0');
    if (code < TypeNames.size()) name = TypeNames[code];
    if (name.empty()) name = type;
  }
  ForwardStr(data, OnEntry, Prefix + name + kNumberMark + block + "\"");
}

void TZEBlockEntry::Read(TData& data, uint16_t) {
  std::string text = ToStr(data);
  type_ = -1;
  block_.clear();
  size_t start = text.find(Prefix);
  size_t mark = start == std::string::npos ? start : text.find(kNumberMark, start + Prefix.size());
  if (mark != std::string::npos) {
    std::string name = text.substr(start + Prefix.size(), mark - start - Prefix.size());
    for (size_t i = 0; i < TypeNames.size(); ++i) {
      if (!TypeNames[i].empty() && TypeNames[i] == name) {
        type_ = static_cast<int32_t>(i);
        break;
      }
    }
    if (type_ < 0 && name.size() == 1 && name[0] >= '0' && name[0] <= '9') type_ = name[0] - '0';
    size_t from = mark + std::char_traits<char>::length(kNumberMark);
    size_t end = text.find('"', from);
    if (end == std::string::npos) type_ = -1;  // no closing quote: not an entry
    else block_ = text.substr(from, end - from);
  }
  ForwardInt(data, OnType, type_);
}

void TZEBlockEntry::TypeCode(TData& data, uint16_t) { MakeInt(data, type_); }
void TZEBlockEntry::Block(TData& data, uint16_t) { MakeStr(data, block_); }

}  // namespace zorn
