// Commands as words: split at "--" on the command line, one a line in a
// script; and the options and plain words of one command.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zorn::uidriver {

struct TCommand {
  std::vector<std::wstring> Words;  // the command's name first
  std::wstring Where;               // "line 3 of x.txt", for messages
};

std::vector<TCommand> SplitCommands(const std::vector<std::wstring>& words);
// Blank lines and lines starting with '#' are skipped.
std::vector<TCommand> ReadScript(const std::string& utf8, const std::wstring& name);
// Words separated by blanks; "double quotes" keep blanks, with \" and \\ inside.
std::vector<std::wstring> SplitWords(const std::wstring& line);

class TArgs {
 public:
  explicit TArgs(const TCommand& command);

  const std::wstring& Name() const { return name_; }
  bool Flag(const std::wstring& name);
  std::optional<std::wstring> Value(const std::wstring& name);
  int Int(const std::wstring& name, int fallback);
  // Plain words in order; each read once.
  size_t PlainCount() const { return plain_.size(); }
  std::wstring Plain(size_t i, const std::wstring& what);
  std::optional<std::wstring> PlainIf(size_t i);
  // Fails on options and words that no part of the command asked for.
  void Done();

 private:
  std::wstring name_;
  std::wstring where_;
  std::map<std::wstring, std::wstring> options_;
  std::set<std::wstring> flags_;
  std::set<std::wstring> used_;
  std::vector<std::wstring> plain_;
  std::set<size_t> usedPlain_;
};

// A whole number, decimal or 0x-hexadecimal; fails with a usage error.
long long ParseNumber(const std::wstring& text, const std::wstring& what);

}  // namespace zorn::uidriver
