// TZELineAssembler: cuts received text into lines at LF, with a bound on the
// length of a line, for the serial and the TCP link.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

class TZELineAssembler : public TElement {
 public:
  static constexpr size_t DefaultMaxLength = 64 * 1024;

  // Bytes never taken into a line, wherever they stand ("\r" on the serial
  // link; empty on TCP, where a CR stays part of its line).
  std::string Dropped;
  // Longest line kept. Bytes of a line beyond it, up to its LF, are dropped,
  // so a peer that never sends LF cannot make the buffer grow without end.
  size_t MaxLength = DefaultMaxLength;

  // Takes the received value (the first of a chain) as text of any length,
  // byte by byte: an LF ends the line, which is fired (nested) on OnLine
  // without its LF, and the buffer empties; a byte of Dropped is skipped; any
  // other byte is appended while the line is shorter than MaxLength. An
  // unfinished line waits in the buffer for the next call. Then forwards the
  // received record, unchanged, to OnAdded.
  void Add(TData& data, uint16_t index);

  TWire OnLine;
  TWire OnAdded;

  // Bytes of the unfinished line held now.
  size_t Pending() const { return line_.size(); }

 private:
  // Appends text[from, to) without the dropped bytes, up to MaxLength.
  void Append(const std::string& text, size_t from, size_t to);

  std::string line_;
};

}  // namespace zorn
