// The text of one INI file as the Windows profile functions see it, and the
// edits they make to it. Pure and portable: bytes in, bytes out; the file layer
// (ini.cpp) reads and writes the files.
//
// Edits change only the lines they concern and keep every other byte, so a
// file edited by hand keeps its comments, blank lines and line ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorn::platform::ini {

enum class TLineKind { Blank, Comment, Header, Entry };

struct TLine {
  size_t Start = 0;  // first byte of the line
  size_t End = 0;    // end of its text, before the line break
  size_t Next = 0;   // first byte of the next line
  TLineKind Kind = TLineKind::Blank;
  std::string Name;  // section name of a header; key of an entry or comment, trimmed
  std::string Value; // trimmed text after the first "="
  bool HasEquals = false;
};

class TIniText {
 public:
  explicit TIniText(std::string bytes);

  const std::string& Bytes() const { return Text; }

  // The trimmed value of `key` in the first section named `section`, quotes
  // still on; nothing when the section or the key is missing, or when the key's
  // line has no "=".
  std::optional<std::string> FindValue(const std::string& section, const std::string& key) const;
  // The entries of the first section named `section` in file order; nothing
  // when there is no such section.
  std::optional<std::vector<std::string>> SectionEntries(const std::string& section) const;

  // The edits of WritePrivateProfileString and WritePrivateProfileSection.
  // Each returns whether the text changed.
  bool SetValue(const std::string& section, const std::string& key, const std::string& value);
  bool DeleteKey(const std::string& section, const std::string& key);
  bool DeleteSection(const std::string& section);
  bool ReplaceSection(const std::string& section, const std::vector<std::string>& lines);

 private:
  // Lines [First, Last) of one section; Header is -1 for the lines before the
  // first header, which form the section with the empty name.
  struct TSection {
    long Header = -1;
    size_t First = 0;
    size_t Last = 0;
  };

  void Parse();
  std::vector<TSection> FindSections(const std::string& section) const;
  std::optional<size_t> FindKeyLine(const TSection& s, const std::string& key) const;
  // Where a new line of section `s` goes: after its last entry, else after its header.
  size_t InsertPoint(const TSection& s) const;
  // Inserts `lines` (each ending with CR LF) at `at`, first closing a last line
  // that has no line break.
  void InsertAt(size_t at, const std::string& lines);
  void Splice(size_t from, size_t to, const std::string& with);

  std::string Text;
  size_t BodyStart = 0;  // after a UTF-8 byte order mark
  std::vector<TLine> Lines;
  std::vector<TSection> Sections;
};

// Names compare as Windows compares them: blanks around them ignored, letter
// case ignored (CP1251 letters: Latin and Cyrillic).
bool NamesEqual(const std::string& a, const std::string& b);

// Blanks as the profile functions trim them: space, tab to CR, and Ctrl-Z.
bool IsBlank(char c);
std::string Trim(const std::string& text);

// The default of a string read: trailing spaces removed, one character kept.
std::string StripDefault(const std::string& text);

// A string read's copy into a buffer of `bufferSize` characters: one pair of
// matching surrounding quotes removed, at most bufferSize - 1 characters kept.
// Returns the length of `out`.
uint32_t CopyValue(const std::string& value, uint32_t bufferSize, std::string& out);

// An integer read's parse of a value: blanks, one sign, a "0x"/"0o"/"0b" base
// prefix, then digits, wrapping modulo 2^32.
uint32_t ParseInt(const std::string& text);

// The buffer of a section read: `entries` (none for a missing section) each
// followed by NUL, cut to fit `bufferSize` with its final NUL. Returns the
// characters without the final NUL.
uint32_t PackSection(const std::optional<std::vector<std::string>>& entries, uint32_t bufferSize,
                     std::vector<std::string>& lines);

// The buffer size of an integer read: longer values are cut before parsing.
constexpr uint32_t IntBufferSize = 30;

}  // namespace zorn::platform::ini
