#include "args.h"

#include <cerrno>
#include <cwchar>

#include "text.h"

namespace zorn::uidriver {
namespace {

// Options that stand alone; every other option takes the next word.
const std::set<std::wstring> kFlags = {L"hidden", L"double", L"real-input"};

}  // namespace

std::vector<TCommand> SplitCommands(const std::vector<std::wstring>& words) {
  std::vector<TCommand> commands;
  TCommand current;
  int number = 1;
  for (const std::wstring& w : words) {
    if (w == L"--") {
      if (!current.Words.empty()) commands.push_back(current);
      current = {};
      ++number;
      continue;
    }
    if (current.Words.empty()) current.Where = L"command " + std::to_wstring(number);
    current.Words.push_back(w);
  }
  if (!current.Words.empty()) commands.push_back(current);
  return commands;
}

std::vector<std::wstring> SplitWords(const std::wstring& line) {
  std::vector<std::wstring> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && iswspace(line[i])) ++i;
    if (i >= line.size()) break;
    std::wstring word;
    bool quoted = false;
    while (i < line.size() && (quoted || !iswspace(line[i]))) {
      wchar_t c = line[i++];
      if (c == L'"') {
        quoted = !quoted;
      } else if (quoted && c == L'\\' && i < line.size() && (line[i] == L'"' || line[i] == L'\\')) {
        word += line[i++];
      } else {
        word += c;
      }
    }
    if (quoted) Fail(kUsage, L"unclosed quote in: " + line);
    words.push_back(word);
  }
  return words;
}

std::vector<TCommand> ReadScript(const std::string& utf8, const std::wstring& name) {
  std::wstring text = Widen(utf8);
  if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
  std::vector<TCommand> commands;
  size_t start = 0;
  int number = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    ++number;
    start = end + 1;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    size_t first = line.find_first_not_of(L" \t");
    if (first == std::wstring::npos || line[first] == L'#') continue;
    TCommand c;
    c.Words = SplitWords(line);
    c.Where = L"line " + std::to_wstring(number) + L" of " + name;
    commands.push_back(c);
  }
  return commands;
}

TArgs::TArgs(const TCommand& command) : where_(command.Where) {
  const std::vector<std::wstring>& w = command.Words;
  name_ = w.empty() ? std::wstring() : w[0];
  for (size_t i = 1; i < w.size(); ++i) {
    if (w[i].size() > 2 && w[i].compare(0, 2, L"--") == 0) {
      std::wstring option = w[i].substr(2);
      size_t eq = option.find(L'=');
      if (eq != std::wstring::npos) {
        options_[option.substr(0, eq)] = option.substr(eq + 1);
      } else if (kFlags.count(option)) {
        flags_.insert(option);
      } else if (i + 1 < w.size()) {
        options_[option] = w[++i];
      } else {
        Fail(kUsage, L"--" + option + L" needs a value (" + where_ + L")");
      }
    } else {
      plain_.push_back(w[i]);
    }
  }
}

bool TArgs::Flag(const std::wstring& name) {
  used_.insert(name);
  return flags_.count(name) > 0;
}

std::optional<std::wstring> TArgs::Value(const std::wstring& name) {
  used_.insert(name);
  auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

int TArgs::Int(const std::wstring& name, int fallback) {
  std::optional<std::wstring> v = Value(name);
  return v ? static_cast<int>(ParseNumber(*v, L"--" + name)) : fallback;
}

std::wstring TArgs::Plain(size_t i, const std::wstring& what) {
  if (i >= plain_.size()) Fail(kUsage, name_ + L" needs " + what + L" (" + where_ + L")");
  usedPlain_.insert(i);
  return plain_[i];
}

std::optional<std::wstring> TArgs::PlainIf(size_t i) {
  if (i >= plain_.size()) return std::nullopt;
  usedPlain_.insert(i);
  return plain_[i];
}

void TArgs::Done() {
  for (const auto& [option, value] : options_) {
    if (!used_.count(option)) Fail(kUsage, L"unknown option --" + option + L" for " + name_ + L" (" + where_ + L")");
  }
  for (const std::wstring& flag : flags_) {
    if (!used_.count(flag)) Fail(kUsage, L"unknown option --" + flag + L" for " + name_ + L" (" + where_ + L")");
  }
  for (size_t i = 0; i < plain_.size(); ++i) {
    if (!usedPlain_.count(i)) Fail(kUsage, L"unexpected word \"" + plain_[i] + L"\" for " + name_ + L" (" + where_ + L")");
  }
}

long long ParseNumber(const std::wstring& text, const std::wstring& what) {
  wchar_t* end = nullptr;
  errno = 0;
  long long n = std::wcstoll(text.c_str(), &end, 0);
  if (text.empty() || *end != L'\0' || errno != 0) Fail(kUsage, what + L": not a number: " + text);
  return n;
}

}  // namespace zorn::uidriver
