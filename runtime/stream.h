// TStream: a growable byte stream with a read position, the object a record
// of kind Stream refers to through its Object field (it does not own it).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/data.h"

namespace zorn {

class TStream {
 public:
  size_t Size() const { return bytes_.size(); }
  size_t Position() const { return position_; }
  void Rewind() { position_ = 0; }
  // Empties the stream.
  void Clear() {
    bytes_.clear();
    position_ = 0;
  }
  // Appends at the end; the read position stays.
  void Append(const void* bytes, size_t count) {
    bytes_.append(static_cast<const char*>(bytes), count);
  }
  // Copies up to `count` bytes from the read position on; returns how many.
  size_t Read(void* out, size_t count) {
    size_t n = std::min(count, bytes_.size() - position_);
    bytes_.copy(static_cast<char*>(out), n, position_);
    position_ += n;
    return n;
  }
  // All bytes, from the start whatever the read position.
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

// The stream a Stream record refers to; nullptr for any other kind.
inline TStream* StreamOf(const TData& v) {
  return (v.Kind & ~ForwardFlag) == dtStream ? static_cast<TStream*>(v.Object) : nullptr;
}

}  // namespace zorn
