// uidriver: drives another program's windows for the Windows tests, as a
// user would, and prints what it reads as plain lines (README.md).
//
//   uidriver [--timeout MS] [--real-input] COMMAND [ARGS] [-- COMMAND [ARGS]]...
//   uidriver [--timeout MS] [--real-input] -f SCRIPT   (one command a line; "-": stdin)
//
// Commands run in order; the first that fails ends the run with its exit
// code (text.h) and a message on standard error.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "text.h"

using namespace zorn::uidriver;

namespace {

std::string ReadAll(const std::wstring& path) {
  HANDLE in = path == L"-" ? GetStdHandle(STD_INPUT_HANDLE)
                           : CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (in == INVALID_HANDLE_VALUE || in == nullptr) Fail(kUsage, L"cannot read the script " + path);
  std::string all;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(in, buffer, sizeof buffer, &n, nullptr) && n > 0) all.append(buffer, n);
  if (path != L"-") CloseHandle(in);
  return all;
}

std::vector<TCommand> Parse(const std::vector<std::wstring>& words, TContext& ctx) {
  size_t i = 0;
  std::optional<std::wstring> script;
  for (; i < words.size(); ++i) {
    const std::wstring& w = words[i];
    if (w == L"--timeout" && i + 1 < words.size()) {
      ctx.TimeoutMs = static_cast<DWORD>(ParseNumber(words[++i], L"--timeout"));
    } else if (w == L"--real-input") {
      ctx.RealInput = true;
    } else if ((w == L"-f" || w == L"--script") && i + 1 < words.size()) {
      script = words[++i];
    } else if (w == L"-h" || w == L"--help") {
      return {TCommand{{L"help"}, L"command 1"}};
    } else {
      break;
    }
  }
  std::vector<std::wstring> rest(words.begin() + static_cast<long>(i), words.end());
  if (script) {
    if (!rest.empty()) Fail(kUsage, L"give commands either with -f or on the command line");
    return ReadScript(ReadAll(*script), *script == L"-" ? L"standard input" : *script);
  }
  std::vector<TCommand> commands = SplitCommands(rest);
  if (commands.empty()) Fail(kUsage, L"no command (uidriver help lists them)");
  return commands;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  LocalFree(argv);
  std::wstring where;
  try {
    TContext ctx;
    std::vector<TCommand> commands = Parse(words, ctx);
    for (const TCommand& c : commands) {
      where = c.Where;
      RunCommand(c, ctx);
    }
  } catch (const TFailure& f) {
    PrintError("uidriver: " + (where.empty() ? std::string() : Narrow(where) + ": ") + Narrow(f.Message));
    return f.Code;
  }
  return kOk;
}
