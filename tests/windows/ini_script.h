// The script of the INI differential test: one sequence of profile calls on a
// set of INI files, run by the Win32 program ini_diff.exe on the kernel32
// functions and by ini_diff_native on zorn's POSIX reader and writer. Each run
// gives a transcript (every call's result and the file after it); the native
// program compares the two.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorn::inidiff {

// What a run needs besides the profile calls. Names are CP1251, relative to the
// work folder, with "\" separators.
class THost {
 public:
  virtual ~THost() = default;
  // The work folder in the program's (Windows) form; it starts empty.
  virtual std::string Folder() const = 0;
  virtual void PutFile(const std::string& name, const std::string& bytes) = 0;
  virtual std::optional<std::string> GetFile(const std::string& name) = 0;
  virtual void RemoveFile(const std::string& name) = 0;
  virtual void MakeFolder(const std::string& name) = 0;
  // The names in a folder, sorted.
  virtual std::vector<std::string> List(const std::string& folder) = 0;
  // True under Wine, whose profile functions fold only ASCII letters.
  virtual bool FoldsOnlyAscii() const = 0;
};

struct TRecord {
  std::string Case;
  int Step = 0;
  std::string Op;                   // the call, readable
  std::string Kind;                 // put, read, int, section, write, delete, ...
  std::string Result;
  std::optional<std::string> File;  // the case's file after the call; none when missing
  std::string Note;                 // how this run differed from the script, if it did
};

std::vector<TRecord> RunScript(THost& host);

// One record a line, fields separated by tabs, bytes escaped.
std::string FormatTranscript(const std::vector<TRecord>& records);
std::optional<std::vector<TRecord>> ParseTranscript(const std::string& text);

// Printable ASCII stays, every other byte (and "\") becomes \xHH.
std::string Escape(const std::string& bytes);

}  // namespace zorn::inidiff
