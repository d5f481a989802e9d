// zorn's Win32 widgets cost no wineserver request per message beyond what
// the control itself needs. Under Wine every window-property read and every
// call of a message hook is a round trip to the wineserver, and a timer tick,
// a repaint or a text read is a message: a comctl32 subclass (or a tool tip
// with TTF_SUBCLASS) reads its property on each message of the control, and
// a hook on every message the loop takes costs three more requests. So:
// - no control window carries a window property that the same control made
//   directly does not carry (forms are left out: on a shown top-level
//   window Wine's X11 driver and theme code keep properties of their own);
// - the widget still gets its messages (a click, typing into an editable
//   combo box's own edit);
// - a tool tip still shows over its control, from the mouse messages the
//   widget hands over;
// - the Tab key from the keyboard still moves the focus by tab order, and
//   the edit never sees it;
// - only a control that shows or reports the mouse's coming and going
//   watches for its leaving: Wine looks at the cursor every 400 ms while it
//   rests on a watching control.
// - a see-through label's new text over a picture that fills its panel (a
//   list row's value) repaints the label alone, which draws the picture
//   beneath it itself, and shows what a repaint of the whole row shows; over
//   what it cannot draw (a panel's caption) the panel repaints as before.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gallery_probe.h"
#include "ui/backend.h"

using namespace zorn;
using namespace zorn::ui;

namespace {

int g_failures = 0;

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

HWND H(IWidget& w) { return reinterpret_cast<HWND>(w.Handle()); }

// Puts the cursor on the window's point (x, y) and moves it a little through
// the system's input, as the mouse would, so the window hears of it.
void RestCursorOn(HWND hwnd, int x, int y) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  SetCursorPos(r.left + x, r.top + y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = 1;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &move, sizeof move);
}

std::unique_ptr<IWidget> Make(TWidgetKind kind, IWidget* parent, TRect bounds, const std::string& text,
                              int32_t tabOrder = 0) {
  TCreateArgs a;
  a.Kind = kind;
  a.Parent = parent;
  a.Bounds = bounds;
  a.Text = text;
  a.TabOrder = tabOrder;
  if (kind == TWidgetKind::Form) a.MainWindow = true;
  return Backend().CreateWidget(a);
}

// The client area's pixels as the window shows them.
std::vector<uint32_t> Pixels(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  HDC dc = GetDCEx(hwnd, nullptr, DCX_CACHE);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + rc.right * rc.bottom);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, dc);
  return pixels;
}

bool NeedsPaint(IWidget& w) { return GetUpdateRect(H(w), nullptr, FALSE) != FALSE; }

// Sets a label's text and reports whether only the label was marked for
// repainting (not `beneath`), then whether the row, once painted, shows
// what a repaint of the whole row shows, and no longer what it showed.
struct TRepaint {
  bool LabelOnly;
  bool AsWhole;
};
TRepaint ChangeText(IWidget& row, IWidget& beneath, IWidget& label, const std::string& text) {
  test::Pump(100);
  std::vector<uint32_t> before = Pixels(H(row));
  label.SetText(text);
  TRepaint r{};
  r.LabelOnly = NeedsPaint(label) && !NeedsPaint(row) && !NeedsPaint(beneath);
  test::Pump(200);
  std::vector<uint32_t> shown = Pixels(H(row));
  RedrawWindow(H(row), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  test::Pump(200);
  std::vector<uint32_t> whole = Pixels(H(row));
  r.AsWhole = shown == whole && shown != before;
  return r;
}

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK PrintProperty(HWND, LPWSTR name, HANDLE, ULONG_PTR) {
  if (IS_INTRESOURCE(name)) {
    wchar_t atom[64] = {};
    GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name)), atom, 64);
    std::printf("    property %ls\n", atom);
  } else {
    std::printf("    property %ls\n", name);
  }
  return TRUE;
}

int Properties(HWND hwnd) {
  int count = 0;
  EnumPropsExW(hwnd, &CountProperty, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The same class made directly, as the reference of what the control itself keeps.
int ReferenceProperties(HWND like, HWND parent) {
  wchar_t cls[64] = {};
  GetClassNameW(like, cls, 64);
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(like, GWL_STYLE));
  DWORD ex = static_cast<DWORD>(GetWindowLongPtrW(like, GWL_EXSTYLE));
  HWND plain = CreateWindowExW(ex, cls, L"", style, 0, 0, 50, 20, parent, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
  int count = plain ? Properties(plain) : -1;
  if (plain) DestroyWindow(plain);
  return count;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

// The visible tool-tip window of this thread, if one shows.
BOOL CALLBACK FindTip(HWND hwnd, LPARAM found) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (std::wstring(cls) == TOOLTIPS_CLASSW && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main() {
  std::unique_ptr<IWidget> form = Make(TWidgetKind::Form, nullptr, {200, 150, 420, 260}, "Тихие элементы");
  IWidget* f = form.get();
  std::unique_ptr<IWidget> label = Make(TWidgetKind::Label, f, {10, 10, 200, 20}, "Подсказка здесь");
  std::unique_ptr<IWidget> button = Make(TWidgetKind::Button, f, {10, 40, 100, 28}, "Пуск", 1);
  std::unique_ptr<IWidget> edit = Make(TWidgetKind::Edit, f, {120, 40, 120, 22}, "Текст", 2);
  std::unique_ptr<IWidget> combo = Make(TWidgetKind::ComboBox, f, {250, 40, 120, 22}, "", 3);
  std::unique_ptr<IWidget> image = Make(TWidgetKind::Image, f, {10, 80, 60, 40}, "");
  std::unique_ptr<IWidget> panel = Make(TWidgetKind::Panel, f, {80, 80, 150, 40}, "Панель");
  std::unique_ptr<IWidget> table = Make(TWidgetKind::Table, f, {10, 130, 380, 80}, "", 4);
  IToolTips& tips = Backend().ToolTips();
  tips.SetTimes(100, 5000);
  tips.SetTip(label.get(), "Подсказка");
  tips.SetTip(button.get(), "Кнопка");
  int clicks = 0, typed = 0, editKeys = 0;
  button->Events.OnClick = [&](TMouseButton) { ++clicks; };
  combo->Events.OnTextChanged = [&] { ++typed; };
  edit->Events.OnKeyDown = [&](uint16_t) { ++editKeys; };
  f->Activate();
  test::Pump(300);

  // No window property of ours on any control or child of one.
  std::vector<HWND> windows;
  EnumChildWindows(H(*f), &CollectChild, reinterpret_cast<LPARAM>(&windows));
  bool quiet = windows.size() >= 7;
  for (HWND hwnd : windows) {
    int own = Properties(hwnd);
    int reference = ReferenceProperties(hwnd, GetParent(hwnd));
    if (own > reference) {
      wchar_t cls[64] = {};
      GetClassNameW(hwnd, cls, 64);
      std::printf("  %ls carries %d window properties, the same control made directly %d\n", cls, own,
                  reference);
      EnumPropsExW(hwnd, &PrintProperty, 0);
      quiet = false;
    }
  }
  Check(quiet, "no control carries a window property of its own (each read is a server request)");

  // A list row's value: a see-through label over a picture filling its panel.
  std::unique_ptr<IWidget> row = Make(TWidgetKind::Panel, f, {240, 80, 160, 24}, "");
  TCreateArgs pictureArgs;
  pictureArgs.Kind = TWidgetKind::Image;
  pictureArgs.Parent = row.get();
  pictureArgs.Bounds = {1, 1, 158, 22};
  pictureArgs.Stretch = true;
  std::unique_ptr<IWidget> picture = Backend().CreateWidget(pictureArgs);
  picture->SetBitmap(Backend().LoadBitmap("BITMAP14"));
  std::unique_ptr<IWidget> value = Make(TWidgetKind::Label, row.get(), {1, 1, 158, 22}, "Давление: 160");
  value->SetFont({"Times New Roman", -16, 1, 0x0000FF, 204});
  TRepaint change = ChangeText(*row, *picture, *value, "Давление: 99");
  Check(change.LabelOnly, "a new value over a row's picture marks only its label for repainting");
  Check(change.AsWhole, "the row then shows what a repaint of the whole row shows, the old text gone");
  // Over a panel's caption the label cannot draw what lies beneath it.
  std::unique_ptr<IWidget> titled = Make(TWidgetKind::Panel, f, {240, 104, 160, 24}, "Заголовок");
  std::unique_ptr<IWidget> note = Make(TWidgetKind::Label, titled.get(), {4, 4, 120, 16}, "Значение: 160");
  change = ChangeText(*titled, *titled, *note, "Значение: 7");
  Check(!change.LabelOnly && change.AsWhole, "over a panel's caption the panel repaints beneath the label");

  // Messages still reach the widgets.
  test::PressAndRelease(H(*button), 20, 10);
  Check(clicks == 1, "a click on the button reaches its widget");
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(H(*combo), &info);
  SendMessageW(info.hwndItem, WM_CHAR, L'ж', 1);
  Check(typed == 1 && combo->Text() == "ж", "typing into the combo box's own edit reaches its widget");

  // The tool tip shows over its control.
  RestCursorOn(H(*label), 20, 8);
  HWND tip = nullptr;
  for (int i = 0; i < 30 && !tip; ++i) {
    test::Pump(100);
    EnumThreadWindows(GetCurrentThreadId(), &FindTip, reinterpret_cast<LPARAM>(&tip));
  }
  wchar_t tipText[64] = {};
  if (tip) GetWindowTextW(tip, tipText, 64);
  Check(tip != nullptr, "the label's tool tip shows while the mouse rests on the label");

  // The mouse resting on a panel nobody asked about, then on a button.
  auto restOn = [](IWidget& w) {
    RestCursorOn(H(w), 10, 10);
    test::Pump(300);
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    return (query.dwFlags & TME_LEAVE) ? query.hwndTrack : nullptr;
  };
  HWND watching = restOn(*panel);
  Check(watching == nullptr, "the mouse resting on a plain panel is not watched");
  watching = restOn(*button);
  Check(watching == H(*button), "the mouse resting on a button is watched for its hot look");

  // The Tab key, as the keyboard makes it, with the cursor off the controls.
  RECT r{};
  GetWindowRect(H(*label), &r);
  SetCursorPos(r.left + 300, r.top + 200);
  ::SetFocus(H(*button));
  test::PressKey(VK_TAB);
  Check(GetFocus() == H(*edit), "Tab moves the focus from the button to the edit");
  int keys = editKeys;
  test::PressKey(VK_TAB);
  Check(GetFocus() == info.hwndItem && editKeys == keys && edit->Text() == "Текст",
        "Tab moves on to the combo box's edit; the edit never sees the Tab");
  test::PressKey(VK_TAB, true);
  Check(GetFocus() == H(*edit), "Shift+Tab goes back");

  std::printf("%d failed\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
