#include "byte_log.h"

namespace plcsim {

ByteLog::~ByteLog() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ByteLog::open(const std::string& path, LogStyle style, std::string& error) {
  file_ = std::fopen(path.c_str(), "ab");
  if (file_ == nullptr) {
    error = "cannot open the log " + path;
    return false;
  }
  style_ = style;
  return true;
}

void ByteLog::record(const char* data, std::size_t size) {
  if (file_ == nullptr || size == 0) return;
  if (style_ == LogStyle::Raw) {
    std::fwrite(data, 1, size, file_);
  } else {
    std::string text = hex_escaped(data, size);
    std::fwrite(text.data(), 1, text.size(), file_);
  }
  std::fflush(file_);
}

std::string hex_escaped(const char* data, std::size_t size) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < size; ++i) {
    auto c = static_cast<unsigned char>(data[i]);
    if (c == '\\') {
      out += "\\\\";
    } else if (c >= 0x20 && c < 0x7f) {
      out.push_back(static_cast<char>(c));
    } else {
      out += "\\x";
      out.push_back(digits[c >> 4]);
      out.push_back(digits[c & 15]);
      if (c == '\n') out.push_back('\n');
    }
  }
  return out;
}

}  // namespace plcsim
