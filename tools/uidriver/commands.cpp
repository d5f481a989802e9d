#include "commands.h"

#include <map>
#include <string>

#include "facts.h"
#include "find.h"
#include "input.h"
#include "lists.h"
#include "menu.h"
#include "shot.h"
#include "text.h"
#include "tray.h"

namespace zorn::uidriver {

// Defined in commands_items.cpp.
void RunMenuCommand(TArgs& args, const TContext& ctx);
void RunTrayCommand(TArgs& args, const TContext& ctx);
void RunListCommand(TArgs& args, const TContext& ctx);

namespace {

void Windows(TArgs& args, const TContext&) {
  TWindowSel sel = WindowSel(args);
  args.Done();
  for (HWND h : MatchingWindows(sel)) PrintLine(WindowLine(h));
}

void Wait(TArgs& args, const TContext& ctx) {
  TWindowSel sel = WindowSel(args);
  args.Done();
  PrintLine(WindowLine(WaitWindow(sel, ctx.TimeoutMs)));
}

void WaitGone(TArgs& args, const TContext& ctx) {
  TWindowSel sel = WindowSel(args);
  args.Done();
  if (!sel.Given()) Fail(kUsage, L"no window given (--title, --title-has, --class or --hwnd)");
  if (!WaitFor(ctx.TimeoutMs, [&] { return MatchingWindows(sel).empty(); })) {
    Fail(kNotFound, L"the " + sel.Describe() + L" is still there after " + std::to_wstring(ctx.TimeoutMs) + L" ms");
  }
  PrintLine("gone");
}

void List(TArgs& args, const TContext& ctx) {
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  PrintLine(t.Hwnd == t.Top ? WindowLine(t.Top) : ControlLine(t.Hwnd, 0));
  for (const TNode& n : Descendants(t.Hwnd)) PrintLine(ControlLine(n.Hwnd, n.Depth));
}

void Text(TArgs& args, const TContext& ctx) {
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  PrintLine(Narrow(TextOf(t.Hwnd)));
}

void WaitText(TArgs& args, const TContext& ctx) {
  std::optional<std::wstring> equals = args.Value(L"equals");
  std::optional<std::wstring> has = args.Value(L"has");
  if (!equals && !has) Fail(kUsage, L"wait-text needs --equals TEXT or --has TEXT");
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  std::wstring text;
  bool ok = WaitFor(ctx.TimeoutMs, [&] {
    text = TextOf(t.Hwnd);
    return (!equals || text == *equals) && (!has || text.find(*has) != std::wstring::npos);
  });
  if (!ok) Fail(kNotFound, L"the text is still \"" + text + L"\" after " + std::to_wstring(ctx.TimeoutMs) + L" ms");
  PrintLine(Narrow(text));
}

void Press(TArgs& args, const TContext& ctx, TPress press) {
  TButton button = ButtonOption(args);
  int row = args.Int(L"row", -1);
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  POINT at;
  if (row >= 0) {
    args.Done();
    RECT rc = RowRect(t.Hwnd, row);
    at = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  } else {
    at = PointOption(args, t.Hwnd);
    args.Done();
  }
  Mouse(t.Hwnd, at, button, press, ctx.RealInput);
  PrintLine("ok " + Narrow(args.Name()) + " hwnd=" + HexOf(t.Hwnd) + " at=" + std::to_string(at.x) + "," +
            std::to_string(at.y));
}

void FocusCommand(TArgs& args, const TContext& ctx) {
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  if (!Focus(t.Hwnd)) Fail(kFailed, L"the control did not take the focus");
  PrintLine("ok focus hwnd=" + HexOf(t.Hwnd));
}

void TypeCommand(TArgs& args, const TContext& ctx) {
  std::wstring text = args.Plain(0, L"the text to type");
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  HWND target = KeyTarget(t.Top, t.Hwnd);
  // An editable combo box takes its text in its own edit.
  if (lstrcmpiW(ClassOf(target).c_str(), L"ComboBox") == 0) {
    if (HWND edit = FindWindowExW(target, nullptr, L"Edit", nullptr)) target = edit;
  }
  Type(target, text);
  PrintLine("ok type hwnd=" + HexOf(target));
}

void KeyCommand(TArgs& args, const TContext& ctx) {
  std::vector<UINT> keys;
  for (size_t i = 0; i < args.PlainCount(); ++i) keys.push_back(KeyCode(args.Plain(i, L"a key")));
  if (keys.empty()) Fail(kUsage, L"key needs at least one key name");
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  HWND target = KeyTarget(t.Top, t.Hwnd);
  for (UINT vk : keys) PostKey(target, vk);
  PrintLine("ok key hwnd=" + HexOf(target));
}

void Close(TArgs& args, const TContext& ctx) {
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  if (!PostMessageW(t.Hwnd, WM_CLOSE, 0, 0)) Fail(kFailed, L"cannot post WM_CLOSE");
  PrintLine("ok close hwnd=" + HexOf(t.Hwnd));
}

// The title bar's minimise button: the command it sends.
void Minimize(TArgs& args, const TContext& ctx) {
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  if (!PostMessageW(t.Top, WM_SYSCOMMAND, SC_MINIMIZE, 0)) Fail(kFailed, L"cannot post SC_MINIMIZE");
  PrintLine("ok minimize hwnd=" + HexOf(t.Top));
}

// The frame dragged to a new size: the window keeps its top left corner.
void Resize(TArgs& args, const TContext& ctx) {
  std::wstring size = args.Value(L"size").value_or(L"");
  size_t comma = size.find(L',');
  if (comma == std::wstring::npos) Fail(kUsage, L"resize needs --size W,H");
  int width = static_cast<int>(ParseNumber(size.substr(0, comma), L"--size"));
  int height = static_cast<int>(ParseNumber(size.substr(comma + 1), L"--size"));
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  if (!SetWindowPos(t.Top, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    Fail(kFailed, L"SetWindowPos failed");
  }
  PrintLine(WindowLine(t.Top));
}

void Screenshot(TArgs& args, const TContext& ctx) {
  std::wstring path = args.Plain(0, L"a file name");
  TWindowSel ws = WindowSel(args);
  TControlSel cs = ControlSel(args);
  args.Done();
  RECT area{};
  if (ws.Given()) {
    HWND top = WaitWindow(ws, ctx.TimeoutMs);
    GetWindowRect(cs.Given() ? WaitControl(top, cs, ctx.TimeoutMs) : top, &area);
  }
  PrintLine("screenshot file=" + Quote(path) + " rect=" + RectText(SaveScreenshot(path, area)));
}

void SendCommand(TArgs& args, const TContext& ctx) {
  UINT msg = static_cast<UINT>(ParseNumber(args.Plain(0, L"a message number"), L"message"));
  WPARAM wp = static_cast<WPARAM>(ParseNumber(args.PlainIf(1).value_or(L"0"), L"wparam"));
  LPARAM lp = static_cast<LPARAM>(ParseNumber(args.PlainIf(2).value_or(L"0"), L"lparam"));
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  PrintLine("result=" + std::to_string(static_cast<long long>(Ask(t.Hwnd, msg, wp, lp))));
}

void SleepCommand(TArgs& args, const TContext&) {
  long long ms = ParseNumber(args.Plain(0, L"milliseconds"), L"sleep");
  args.Done();
  Sleep(static_cast<DWORD>(ms));
}

void Help(TArgs& args, const TContext&) {
  args.Done();
  PrintLine(UsageText());
}

using THandler = void (*)(TArgs&, const TContext&);

const std::map<std::wstring, THandler>& Handlers() {
  static const std::map<std::wstring, THandler> handlers = {
      {L"windows", Windows},
      {L"wait", Wait},
      {L"wait-gone", WaitGone},
      {L"list", List},
      {L"text", Text},
      {L"wait-text", WaitText},
      {L"move", [](TArgs& a, const TContext& c) { Press(a, c, TPress::Move); }},
      {L"down", [](TArgs& a, const TContext& c) { Press(a, c, TPress::Down); }},
      {L"up", [](TArgs& a, const TContext& c) { Press(a, c, TPress::Up); }},
      {L"click", [](TArgs& a, const TContext& c) { Press(a, c, TPress::Click); }},
      {L"dblclick", [](TArgs& a, const TContext& c) { Press(a, c, TPress::Double); }},
      {L"focus", FocusCommand},
      {L"type", TypeCommand},
      {L"key", KeyCommand},
      {L"combo-items", RunListCommand},
      {L"combo-pick", RunListCommand},
      {L"rows", RunListCommand},
      {L"menu-wait", RunMenuCommand},
      {L"menu-items", RunMenuCommand},
      {L"menu-pick", RunMenuCommand},
      {L"menu-key", RunMenuCommand},
      {L"menu-close", RunMenuCommand},
      {L"tray-list", RunTrayCommand},
      {L"tray-wait", RunTrayCommand},
      {L"tray-gone", RunTrayCommand},
      {L"tray-click", RunTrayCommand},
      {L"close", Close},
      {L"minimize", Minimize},
      {L"resize", Resize},
      {L"screenshot", Screenshot},
      {L"send", SendCommand},
      {L"sleep", SleepCommand},
      {L"help", Help},
  };
  return handlers;
}

}  // namespace

void RunCommand(const TCommand& command, const TContext& defaults) {
  TArgs args(command);
  auto it = Handlers().find(args.Name());
  if (it == Handlers().end()) Fail(kUsage, L"unknown command \"" + args.Name() + L"\" (uidriver help lists them)");
  TContext ctx = defaults;
  ctx.TimeoutMs = static_cast<DWORD>(args.Int(L"timeout", static_cast<int>(defaults.TimeoutMs)));
  ctx.RealInput = args.Flag(L"real-input") || defaults.RealInput;
  it->second(args, ctx);
}

}  // namespace zorn::uidriver

namespace zorn::uidriver {

const char* UsageText() {
  return R"(uidriver [--timeout MS] [--real-input] COMMAND [ARGS] [-- COMMAND [ARGS]]...
uidriver [--timeout MS] [--real-input] -f SCRIPT|-
Window: --title T | --title-has T | --class C | --hwnd H  [--hidden] [--win-index N]
Control: --ctl-text T | --ctl-has T | --ctl-class C | --ctl-id N  [--ctl-index N]
  windows [window]             wait window              wait-gone window
  list window [control]        text window [control]    wait-text window [control] --equals T|--has T
  click|dblclick|down|up|move window [control] [--at X,Y] [--row N] [--button left|right|middle]
  focus window control         type window [control] TEXT     key window [control] KEY...
  combo-items window control   combo-pick window control TEXT|--index N
  rows window control          close window [control]   screenshot FILE [window [control]]
  minimize window              resize window --size W,H
  menu-wait|menu-items|menu-close [window]   menu-key [window] KEY...
  menu-pick [window] TEXT|--index N [--layout "A|-|B"]
  tray-list   tray-wait|tray-gone [--tip T|--tip-has T|--index N]
  tray-click [--tip T|--tip-has T|--index N] [--button B] [--double]
  send window [control] MSG [WPARAM [LPARAM]]   sleep MS   help
Exit codes: 0 done, 1 not found or wait ran out, 2 wrong command, 3 action failed.)";
}

}  // namespace zorn::uidriver
