#include "find.h"

#include "text.h"

namespace zorn::uidriver {
namespace {

// How long a hung program may keep a question about its window unanswered.
constexpr UINT kAnswerMs = 2000;

BOOL CALLBACK AddTop(HWND hwnd, LPARAM lp) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

bool SameText(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) == 0; }

bool Matches(HWND hwnd, const TWindowSel& s) {
  if (s.Hwnd && hwnd != s.Hwnd) return false;
  if (!s.Hidden && !IsWindowVisible(hwnd)) return false;
  if (s.Class && !SameText(ClassOf(hwnd), *s.Class)) return false;
  if (s.Title || s.TitleHas) {
    std::wstring text = TextOf(hwnd);
    if (s.Title && text != *s.Title) return false;
    if (s.TitleHas && text.find(*s.TitleHas) == std::wstring::npos) return false;
  }
  return true;
}

bool Matches(HWND hwnd, const TControlSel& s) {
  if (s.Class && !SameText(ClassOf(hwnd), *s.Class)) return false;
  if (s.Id && GetDlgCtrlID(hwnd) != *s.Id) return false;
  if (s.Text || s.Has) {
    std::wstring text = TextOf(hwnd);
    if (s.Text && text != *s.Text) return false;
    if (s.Has && text.find(*s.Has) == std::wstring::npos) return false;
  }
  return true;
}

void AddChildren(HWND parent, int depth, std::vector<TNode>& out) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    out.push_back({h, depth});
    AddChildren(h, depth + 1, out);
  }
}

}  // namespace

std::wstring TWindowSel::Describe() const {
  std::wstring d;
  auto add = [&](const std::wstring& part) { d += (d.empty() ? L"" : L", ") + part; };
  if (Title) add(L"title \"" + *Title + L"\"");
  if (TitleHas) add(L"title containing \"" + *TitleHas + L"\"");
  if (Class) add(L"class \"" + *Class + L"\"");
  if (Hwnd) {
    wchar_t h[32];
    swprintf(h, 32, L"hwnd 0x%08llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(Hwnd)));
    add(h);
  }
  return (Hidden ? L"window " : L"visible window ") + d;
}

std::wstring TControlSel::Describe() const {
  std::wstring d;
  auto add = [&](const std::wstring& part) { d += (d.empty() ? L"" : L", ") + part; };
  if (Text) add(L"text \"" + *Text + L"\"");
  if (Has) add(L"text containing \"" + *Has + L"\"");
  if (Class) add(L"class \"" + *Class + L"\"");
  if (Id) add(L"id " + std::to_wstring(*Id));
  if (Index >= 0) add(L"index " + std::to_wstring(Index));
  return L"control " + d;
}

TWindowSel WindowSel(TArgs& args) {
  TWindowSel s;
  s.Title = args.Value(L"title");
  s.TitleHas = args.Value(L"title-has");
  s.Class = args.Value(L"class");
  if (auto h = args.Value(L"hwnd")) s.Hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(ParseNumber(*h, L"--hwnd")));
  s.Hidden = args.Flag(L"hidden");
  s.Index = args.Int(L"win-index", -1);
  return s;
}

TControlSel ControlSel(TArgs& args) {
  TControlSel s;
  s.Text = args.Value(L"ctl-text");
  s.Has = args.Value(L"ctl-has");
  s.Class = args.Value(L"ctl-class");
  if (auto id = args.Value(L"ctl-id")) s.Id = static_cast<int>(ParseNumber(*id, L"--ctl-id"));
  s.Index = args.Int(L"ctl-index", -1);
  return s;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t buffer[256];
  int n = GetClassNameW(hwnd, buffer, 256);
  return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length)) {
    // No answer: the text the system keeps for the window, if any.
    wchar_t buffer[512];
    int n = InternalGetWindowText(hwnd, buffer, 512);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kAnswerMs, &got);
  text.resize(got <= length ? got : length);
  return text;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> all;
  EnumWindows(&AddTop, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<HWND> MatchingWindows(const TWindowSel& sel) {
  std::vector<HWND> found;
  for (HWND h : TopWindows()) {
    if (Matches(h, sel)) found.push_back(h);
  }
  return found;
}

HWND WaitWindow(const TWindowSel& sel, DWORD timeoutMs) {
  if (!sel.Given()) Fail(kUsage, L"no window given (--title, --title-has, --class or --hwnd)");
  std::vector<HWND> found;
  bool ok = WaitFor(timeoutMs, [&] {
    found = MatchingWindows(sel);
    return sel.Index >= 0 ? static_cast<int>(found.size()) > sel.Index : !found.empty();
  });
  if (!ok) {
    Fail(kNotFound, L"no " + sel.Describe() + L" appeared within " + std::to_wstring(timeoutMs) + L" ms");
  }
  if (sel.Index >= 0) return found[static_cast<size_t>(sel.Index)];
  if (found.size() > 1) {
    Fail(kNotFound, std::to_wstring(found.size()) + L" windows match " + sel.Describe() +
                        L"; choose one with --win-index");
  }
  return found[0];
}

std::vector<TNode> Descendants(HWND top) {
  std::vector<TNode> all;
  AddChildren(top, 1, all);
  return all;
}

HWND WaitControl(HWND top, const TControlSel& sel, DWORD timeoutMs) {
  std::vector<HWND> found;
  bool ok = WaitFor(timeoutMs, [&] {
    found.clear();
    if (!IsWindow(top)) return false;
    for (const TNode& n : Descendants(top)) {
      if (Matches(n.Hwnd, sel)) found.push_back(n.Hwnd);
    }
    return sel.Index >= 0 ? static_cast<int>(found.size()) > sel.Index : !found.empty();
  });
  if (!ok) {
    Fail(kNotFound, L"no " + sel.Describe() + L" in the window within " + std::to_wstring(timeoutMs) + L" ms");
  }
  if (sel.Index >= 0) return found[static_cast<size_t>(sel.Index)];
  if (found.size() > 1) {
    Fail(kNotFound,
         std::to_wstring(found.size()) + L" controls match " + sel.Describe() + L"; choose one with --ctl-index");
  }
  return found[0];
}

TTarget FindTarget(TArgs& args, DWORD timeoutMs) {
  TWindowSel ws = WindowSel(args);
  TControlSel cs = ControlSel(args);
  TTarget t;
  t.Top = WaitWindow(ws, timeoutMs);
  t.Hwnd = cs.Given() ? WaitControl(t.Top, cs, timeoutMs) : t.Top;
  return t;
}

}  // namespace zorn::uidriver
