// Text at uidriver's edges. Command words arrive as UTF-16 (the command
// line) or UTF-8 (script files); everything printed is UTF-8, so a test
// script can compare what it reads with the texts it wrote itself.
#pragma once

#include <string>

namespace zorn::uidriver {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// A value of a printed line: "text" with \" \\ \n \r \t escaped.
std::string Quote(const std::wstring& text);

// One line on standard output or standard error, in UTF-8.
void PrintLine(const std::string& line);
void PrintError(const std::string& line);

// What ends a command: the exit code and the message printed for it.
struct TFailure {
  int Code;
  std::wstring Message;
};

enum TExitCode : int {
  kOk = 0,
  kNotFound = 1,  // no such window, control, item or icon, or a wait ran out
  kUsage = 2,     // the command line or script is wrong
  kFailed = 3,    // found, but the action could not be done
};

[[noreturn]] void Fail(int code, const std::wstring& message);

}  // namespace zorn::uidriver
