// The commands about items: combo-box items, list-view rows, popup-menu
// items and tray icons.
#include <string>

#include "commands.h"
#include "facts.h"
#include "find.h"
#include "lists.h"
#include "menu.h"
#include "text.h"
#include "tray.h"

namespace zorn::uidriver {
namespace {

void NeedClass(HWND hwnd, const wchar_t* cls) {
  if (lstrcmpiW(ClassOf(hwnd).c_str(), cls) != 0) {
    Fail(kUsage, L"the control is a " + ClassOf(hwnd) + L", not a " + cls);
  }
}

// The item a pick names: a text as the first plain word, or --index N.
int ChosenIndex(TArgs& args, const std::optional<std::wstring>& text, int index,
                const std::vector<std::wstring>& texts, const std::wstring& what) {
  if (text && index >= 0) Fail(kUsage, args.Name() + L": give a text or --index, not both");
  if (!text && index < 0) Fail(kUsage, args.Name() + L" needs an item text or --index N");
  if (!text) {
    if (index >= static_cast<int>(texts.size())) {
      Fail(kNotFound, what + L" has no item " + std::to_wstring(index) + L" (" + std::to_wstring(texts.size()) + L" items)");
    }
    return index;
  }
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] == *text) return static_cast<int>(i);
  }
  Fail(kNotFound, what + L" has no item \"" + *text + L"\"");
}

std::string Cells(const std::vector<std::wstring>& cells) {
  std::string line;
  for (const std::wstring& c : cells) line += " " + Quote(c);
  return line;
}

std::optional<TTrayIcon> MatchTray(const std::vector<TTrayIcon>& icons, const std::optional<std::wstring>& tip,
                                   const std::optional<std::wstring>& tipHas, int index, int& matches) {
  std::optional<TTrayIcon> found;
  matches = 0;
  for (size_t i = 0; i < icons.size(); ++i) {
    const TTrayIcon& icon = icons[i];
    if (index >= 0 && static_cast<int>(i) != index) continue;
    if (tip && icon.Tip != *tip) continue;
    if (tipHas && icon.Tip.find(*tipHas) == std::wstring::npos) continue;
    if (!found) found = icon;
    ++matches;
  }
  return found;
}

}  // namespace

void RunListCommand(TArgs& args, const TContext& ctx) {
  std::optional<std::wstring> text = args.PlainIf(0);
  int index = args.Int(L"index", -1);
  TTarget t = FindTarget(args, ctx.TimeoutMs);
  args.Done();
  if (args.Name() == L"rows") {
    NeedClass(t.Hwnd, L"SysListView32");
    if (text) Fail(kUsage, L"rows takes no text");
    std::vector<std::wstring> columns = Columns(t.Hwnd);
    if (!columns.empty()) PrintLine("columns" + Cells(columns));
    for (const TRow& row : Rows(t.Hwnd)) {
      PrintLine("row index=" + std::to_string(row.Index) + " selected=" + (row.Selected ? "1" : "0") +
                " focused=" + (row.Focused ? "1" : "0") + Cells(row.Cells));
    }
    return;
  }
  NeedClass(t.Hwnd, L"ComboBox");
  std::vector<std::wstring> items = ComboItems(t.Hwnd);
  if (args.Name() == L"combo-items") {
    if (text || index >= 0) Fail(kUsage, L"combo-items takes no item");
    int selected = static_cast<int>(Ask(t.Hwnd, CB_GETCURSEL));
    for (size_t i = 0; i < items.size(); ++i) {
      PrintLine("item index=" + std::to_string(i) + " text=" + Quote(items[i]) +
                " selected=" + (static_cast<int>(i) == selected ? "1" : "0"));
    }
    return;
  }
  int chosen = ChosenIndex(args, text, index, items, L"the combo box");
  ComboPick(t.Hwnd, chosen);
  PrintLine("picked index=" + std::to_string(chosen) + " text=" + Quote(items[chosen]));
}

void RunMenuCommand(TArgs& args, const TContext& ctx) {
  const std::wstring& name = args.Name();
  std::optional<std::wstring> layout = args.Value(L"layout");
  int index = args.Int(L"index", -1);
  std::vector<std::wstring> words;
  for (size_t i = 0; i < args.PlainCount(); ++i) words.push_back(args.Plain(i, L"a word"));
  // A window given: only menus of its program count (another program's
  // menu may be open on the same display).
  TWindowSel owner = WindowSel(args);
  args.Done();
  if (name != L"menu-pick" && (layout || index >= 0)) Fail(kUsage, name + L" takes no --layout or --index");
  if (name == L"menu-key" ? words.empty() : (words.size() > (name == L"menu-pick" ? 1u : 0u))) {
    Fail(kUsage, name + (name == L"menu-key" ? L" needs key names" : L": too many words"));
  }
  DWORD pid = 0;
  if (owner.Given()) GetWindowThreadProcessId(WaitWindow(owner, ctx.TimeoutMs), &pid);
  HWND menu = WaitMenu(ctx.TimeoutMs, pid);
  std::optional<std::vector<TMenuEntry>> items = ReadMenu(menu);
  if (name == L"menu-wait") {
    PrintLine(MenuLine(menu, items));
  } else if (name == L"menu-items") {
    if (!items) {
      Fail(kFailed, L"the items of another program's menu cannot be read here (Wine keeps menus per process)");
    }
    for (size_t i = 0; i < items->size(); ++i) PrintLine(ItemLine(static_cast<int>(i), (*items)[i]));
  } else if (name == L"menu-key") {
    std::vector<UINT> keys;
    for (const std::wstring& w : words) keys.push_back(KeyCode(w));
    for (UINT vk : keys) PostMessageW(menu, WM_KEYDOWN, vk, 1);
    PrintLine("ok menu-key hwnd=" + HexOf(menu));
  } else if (name == L"menu-close") {
    CloseMenu(menu, ctx.TimeoutMs);
    PrintLine("ok menu-close hwnd=" + HexOf(menu));
  } else {
    if (items && layout) CheckLayout(*items, ParseLayout(*layout));
    if (!items && !layout) {
      Fail(kFailed, L"the items of another program's menu cannot be read here (Wine keeps menus per process); "
                    L"give them with --layout \"First|-|Second\"");
    }
    std::vector<TMenuEntry> entries = items ? *items : ParseLayout(*layout);
    if (items && layout) {
      // Owner-drawn items carry no text; the layout names them.
      std::vector<TMenuEntry> named = ParseLayout(*layout);
      for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Text.empty()) entries[i].Text = named[i].Text;
      }
    }
    std::vector<std::wstring> texts;
    for (const TMenuEntry& e : entries) texts.push_back(e.Separator ? std::wstring() : e.Text);
    std::optional<std::wstring> text = words.empty() ? std::nullopt : std::optional<std::wstring>(words[0]);
    int chosen = ChosenIndex(args, text, index, texts, L"the menu");
    PickMenuItem(menu, entries, chosen, ctx.TimeoutMs);
    PrintLine("picked index=" + std::to_string(chosen) + " text=" + Quote(texts[chosen]));
  }
}

void RunTrayCommand(TArgs& args, const TContext& ctx) {
  const std::wstring& name = args.Name();
  std::optional<std::wstring> tip = args.Value(L"tip");
  std::optional<std::wstring> tipHas = args.Value(L"tip-has");
  int index = args.Int(L"index", -1);
  TButton button = ButtonOption(args);
  bool twice = args.Flag(L"double");
  args.Done();
  if (name == L"tray-list") {
    std::vector<TTrayIcon> icons = TrayIcons();
    for (size_t i = 0; i < icons.size(); ++i) PrintLine(TrayLine(static_cast<int>(i), icons[i]));
    return;
  }
  std::wstring which = tip ? L"tip \"" + *tip + L"\"" : tipHas ? L"tip containing \"" + *tipHas + L"\"" : L"any tip";
  std::optional<TTrayIcon> icon;
  int matches = 0;
  int position = -1;
  bool gone = name == L"tray-gone";
  bool ok = WaitFor(ctx.TimeoutMs, [&] {
    std::vector<TTrayIcon> icons = TrayIcons();
    icon = MatchTray(icons, tip, tipHas, index, matches);
    for (size_t i = 0; icon && i < icons.size(); ++i) {
      if (icons[i].Hwnd == icon->Hwnd) position = static_cast<int>(i);
    }
    return gone ? !icon : icon.has_value();
  });
  std::wstring waited = std::to_wstring(ctx.TimeoutMs) + L" ms";
  if (gone) {
    if (!ok) Fail(kNotFound, L"a tray icon with " + which + L" is still there after " + waited);
    PrintLine("gone");
    return;
  }
  if (!ok) Fail(kNotFound, L"no tray icon with " + which + L" appeared within " + waited);
  if (matches > 1 && index < 0) {
    Fail(kNotFound, std::to_wstring(matches) + L" tray icons match " + which + L"; choose one with --tip or --index");
  }
  if (name == L"tray-click") ClickTrayIcon(*icon, button, twice, ctx.RealInput);
  PrintLine(TrayLine(position, *icon));
}

}  // namespace zorn::uidriver
