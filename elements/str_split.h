// Taking texts apart: enumerating characters, chunks or fields, and cutting
// a line into numbered parts at a delimiter.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// Sends the characters, fixed-size chunks or delimited fields of a text.
class TZEStr_Enum : public TElement {
 public:
  // Only the first character counts; empty selects the character mode
  // (Step 1) or the chunk mode (Step 2 and more).
  std::string Delimiter;
  int32_t From = 0;  // first item, from 1
  int32_t To = 0;    // last item; -1 runs to the end
  int32_t Step = 0;  // chunk size in characters
  // A final chunk shorter than Step is not sent.
  bool WholeChunks = false;
  TWire Text;

  // Reads Text (no default), calls OnPart (nested) once per item, then
  // forwards Null to OnEnd. Character and chunk modes need From >= 1 and a
  // Step of 1 or more; other settings send no item. A range whose end lies
  // before its start sends no item in any mode.
  void Enum(TData& data, uint16_t index);

  TWire OnPart;
  TWire OnEnd;

 private:
  void EnumChunks(const std::string& text, int32_t step);
  void EnumFields(const std::string& text, char delimiter);
};

// Cuts a text into Count stored parts, read later through Part1, Part2, …
class TZEMultiStrPart : public TElement {
 public:
  // Only the first character counts; empty never splits.
  std::string Delimiter;
  int32_t Skip = 0;  // leading fields thrown away
  void SetCount(int32_t count);
  int32_t Count() const { return count_; }
  TWire Text;

  // Empties every part and reads Text (no default). Without the delimiter
  // the text is forwarded to OnNoDelimiter; otherwise Skip fields are
  // dropped, the next Count fields stored (empty when the text runs out)
  // and what is left forwarded to OnSplit.
  void Split(TData& data, uint16_t index);
  // Part1, Part2, …: stored part `index` + 1; empty beyond Count.
  void Part(TData& data, uint16_t index);
  // Part lends its stored texts.
  static const TLentTexts* LentTextsOf(void (TZEMultiStrPart::*output)(TData&, uint16_t),
                                       const TZEMultiStrPart* self);

  TWire OnNoDelimiter;
  TWire OnSplit;

 private:
  // Split for any record: the text read, then cut or found cut before.
  [[gnu::noinline]] void SplitRead(TData& data);
  const TStr& PartText(uint16_t index) const;

  int32_t count_ = 0;
  // The text last split and the parts of the split it keeps (TStr::Split);
  // none while every part is empty.
  TStr text_;
  std::span<const TStr> parts_;
};

// Cuts a text into Count fields sent on OnPart1, OnPart2, …
class TZEMultiStrData : public TElement {
 public:
  // Only the first character counts; empty never splits.
  std::string Delimiter;
  int32_t Skip = 0;
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(OnPart.size()); }
  TWire Text;

  // Both read Text (no default) into Rest. With the delimiter in it, Skip
  // fields are dropped and each of the next Count fields is cut off Rest
  // and then sent (nested) on its event, so a receiver sees Rest without
  // it. Without the delimiter nothing is sent and Rest keeps the text.
  // Split cuts from the left; SplitRight from the right, so OnPart1 gets
  // the last field.
  void Split(TData& data, uint16_t index);
  void SplitRight(TData& data, uint16_t index);
  // The text left after the fields cut so far.
  void Rest(TData& data, uint16_t index);

  // OnPart1, OnPart2, … of the element's contract.
  std::vector<TWire> OnPart;

 private:
  enum class TSide : uint8_t { Left, Right };
  void Cut(TData& data, TSide side);

  TStr rest_;
};

}  // namespace zorn
