// Byte streams between the TCP server and the text elements.
#pragma once

#include "runtime/stream.h"
#include "runtime/wire.h"

namespace zorn {

// Holds one growable byte stream.
class TZEMemoryStream : public TElement {
 public:
  // Empties the stream, copies the received stream into it and fires
  // OnLoad with it; a record of another kind leaves it empty.
  void Load(TData& data, uint16_t index);
  // Data output: the size in bytes, as Int.
  void Size(TData& data, uint16_t index);

  TWire OnLoad;

 private:
  TStream stream_;
};

// Turns a text into a stream for the elements that send bytes.
class TZEStreamConvertor : public TElement {
 public:
  // Writes the received text into a new stream, rewinds it and fires
  // OnResult with it; the stream is freed when the receivers return.
  void Convert(TData& data, uint16_t index);

  TWire OnResult;
};

}  // namespace zorn
