// One of each window element on the Win32 backend, with Cyrillic texts, read
// back through Win32 calls alone: window texts and classes, geometry,
// visibility, enabled and check states, items, the tool tip, the tray icon
// and the owner-drawn popup menu. Pictures of the screen go next to the
// program: ui_gallery.bmp (hover, pressed and disabled buttons) and
// ui_gallery_menu.bmp (the open menu).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "gallery_probe.h"
#include "runtime/data.h"
#include "runtime/start.h"
#include "runtime/wire.h"
#include "ui/backend.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/panel.h"
#include "ui/elements/popup_menu.h"
#include "ui/elements/rush_buttons.h"
#include "ui/elements/tray_icon.h"

using namespace zorn;
using namespace zorn::ui;
using zorn::test::FactsOf;
using zorn::test::TWindowFacts;

namespace {

int g_failures = 0;

void Check(bool ok, const char* what) {
  if (!ok) ++g_failures;
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
}

// Counts what arrives on a wire and keeps the last value.
struct TCounter : TElement {
  int Calls = 0;
  int32_t LastInt = -999;
  void Take(TData& data, uint16_t) {
    ++Calls;
    LastInt = ToInt(data);
  }
  TWire Wire() { return MakeWire(0, &TCounter::Take, this); }
};

HWND H(const TZEWin& e) { return reinterpret_cast<HWND>(e.Widget()->Handle()); }

bool SameRect(const TWindowFacts& f, int left, int top, int width, int height) {
  return f.Rect.left == left && f.Rect.top == top && f.Rect.right - f.Rect.left == width &&
         f.Rect.bottom - f.Rect.top == height;
}

bool ClassIs(const TWindowFacts& f, const wchar_t* cls) { return lstrcmpiW(f.Class.c_str(), cls) == 0; }

void Click(HWND hwnd) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TRushLook GalleryLook() {
  TRushLook look;
  look.Normal = {0xFFFFFF, 0xE0C8A8, 0, 0x80604A, 0xFFFFFF, 0x202020, 0xFFFFFF, false};
  look.Hot = {0xFFFFFF, 0x70C8FF, 0, 0x3080C0, 0xFFFFFF, 0x000000, 0xFFFFFF, true};
  look.Pressed = {0x60A0E0, 0xC0E0FF, 0, 0x205080, 0x90B0D0, 0x000000, 0xFFFFFF, false};
  look.Disabled = {0xF0F0F0, 0xD0D0D0, 0, 0xA0A0A0, 0xF8F8F8, 0x909090, 0xFFFFFF, false};
  look.BorderWidth = 1;
  look.Roundness = 6;
  return look;
}

// The menu's own loop runs this timer: it checks the open menu, takes the
// picture, then chooses the last item with the keys (the separator is passed
// over, the greyed item is not).
int g_menuSeen = 0;
RECT g_menuRect{};
void CALLBACK WhileMenuOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menu = test::ThreadWindow(L"#32768");
  if (!menu) return;
  ++g_menuSeen;
  GetWindowRect(menu, &g_menuRect);
  UpdateWindow(menu);
  Sleep(200);
  test::SaveScreen(L"ui_gallery_menu.bmp");
  for (int i = 0; i < 3; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND menu = test::ThreadWindow(L"#32768")) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

int main() {
  TZEMainForm main;
  main.Caption = "Панель оператора — галерея";
  main.Left = 40;
  main.Top = 40;
  main.Width = 720;
  main.Height = 540;
  main.IconName = "ICON0";
  main.Color = clBtnFace;
  main.Init();

  TZEPanel panel;
  panel.Parent = &main;
  panel.Caption = "Панель управления";
  panel.Left = 10, panel.Top = 10, panel.Width = 320, panel.Height = 50;
  panel.Init();

  TZELabel label;
  label.Parent = &main;
  label.Text = "Метка: Привет, мир!";
  label.Left = 10, label.Top = 70, label.Width = 220, label.Height = 17;
  label.Init();

  TZEEdit edit;
  edit.Parent = &main;
  edit.Text = "Текст правки";
  edit.Left = 10, edit.Top = 92, edit.Width = 220, edit.Height = 21;
  edit.Color = 0xFFFFFF;
  TCounter editChanges;
  edit.Init();
  edit.OnChange = editChanges.Wire();

  TZEComboBox combo;
  combo.Parent = &main;
  combo.Strings = "Первый\r\nВторой\r\nТретий";
  combo.Editable = false;
  combo.Left = 10, combo.Top = 120, combo.Width = 220;
  combo.Color = 0xFFFFFF;
  combo.Init();

  const char* captions[] = {"Обычная", "Наведение", "Нажатая", "Отключена"};
  TzeButtonRush buttons[4];
  TCounter clicks[4], enters[4];
  for (int i = 0; i < 4; ++i) {
    buttons[i].Parent = &main;
    buttons[i].Caption = captions[i];
    buttons[i].Look = GalleryLook();
    buttons[i].Left = 10 + i * 110, buttons[i].Top = 160, buttons[i].Width = 100, buttons[i].Height = 28;
    buttons[i].Enabled = i != 3;
    buttons[i].TabOrder = i + 1;
    MakeInt(buttons[i].Data, 100 + i);
    if (i == 0) buttons[i].Hint = "Подсказка кнопки";
    buttons[i].Init();
    buttons[i].OnClick = clicks[i].Wire();
    buttons[i].OnMouseEnter = enters[i].Wire();
  }

  TzeCheckBoxRush checkOn, checkOff;
  TCounter checks;
  checkOn.Parent = checkOff.Parent = &main;
  checkOn.Caption = "Флажок включён";
  checkOn.Checked = true;
  checkOff.Caption = "Флажок выключен";
  checkOn.Look = checkOff.Look = GalleryLook();
  checkOn.Left = 10, checkOff.Left = 180, checkOn.Top = checkOff.Top = 200;
  checkOn.Width = checkOff.Width = 160;
  checkOn.Init();
  checkOff.Init();
  checkOn.OnCheck = checks.Wire();

  TzeRadioButtonRush radioA, radioB;
  radioA.Parent = radioB.Parent = &main;
  radioA.Caption = "Выбор А";
  radioA.Checked = true;
  radioB.Caption = "Выбор Б";
  radioA.Look = radioB.Look = GalleryLook();
  radioA.Left = 10, radioB.Left = 180, radioA.Top = radioB.Top = 226;
  radioA.Width = radioB.Width = 160;
  radioA.Init();
  radioB.Init();

  TZEImage image;
  image.Parent = &main;
  image.Picture = "BITMAP1";
  image.Stretch = true;
  image.Left = 480, image.Top = 10, image.Width = 120, image.Height = 120;
  image.Init();

  // No element yet for these two: straight from the backend.
  TCreateArgs sa;
  sa.Kind = TWidgetKind::ScrollBar;
  sa.Parent = main.Widget();
  sa.Bounds = {10, 256, 300, 17};
  std::unique_ptr<IWidget> scroll = Backend().CreateWidget(sa);
  scroll->SetScrollInfo(0, 109, 10, 40);
  TCreateArgs ta;
  ta.Kind = TWidgetKind::Table;
  ta.Parent = main.Widget();
  ta.Bounds = {10, 282, 460, 150};
  ta.Color = 0xFFFFFF;
  std::unique_ptr<IWidget> table = Backend().CreateWidget(ta);
  table->SetColumns({{"Время", 80}, {"Событие", 220}, {"Источник", 120}}, ';');
  table->AddItem("12:00:01;Связь установлена;ПЛК 1");
  table->AddItem("12:00:05;Авария насоса;ПЛК 2");
  table->SetSelected(1);

  TzePopupMenuEx popup;
  popup.Items = "Открыть окно\r\n-\r\nОтключённый пункт\r\nОтмеченный пункт";
  popup.Owner = &main;
  popup.Init();
  TCounter picks;
  popup.OnClick = picks.Wire();
  TData none;
  MakeNull(none);
  popup.IndexDefault = 2;
  popup.ToggleEnabled(none, 0);
  popup.IndexDefault = 3;
  TData yes;
  MakeInt(yes, 1);
  popup.SetCheck(yes, 0);

  TZETrayIcon tray;
  tray.Form = &main;
  tray.Tip = "Зорн — связь есть";
  tray.BalloonTitle = "Зорн";
  tray.Init();

  StartDispatch();  // the forms show themselves
  test::Pump(300);

  // The form and its children as Win32 sees them.
  HWND form = H(main);
  TWindowFacts f = FactsOf(form);
  Check(ClassIs(f, L"ZornForm") && f.Visible, "the main form is a visible ZornForm");
  Check(f.Text == L"Панель оператора — галерея", "the form caption is the Cyrillic text");
  Check(SameRect(f, 40, 40, 720, 540), "the form has its bounds on the screen");
  Check(SendMessageW(form, WM_GETICON, ICON_BIG, 0) != 0, "the form has the icon ICON0");
  Check(GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW, "the main form owns the task-bar entry");

  f = FactsOf(H(panel));
  Check(ClassIs(f, L"ZornPanel") && f.Text == L"Панель управления" && SameRect(f, 10, 10, 320, 50),
        "panel: class, caption, bounds");
  f = FactsOf(H(label));
  Check(ClassIs(f, L"Static") && f.Text == L"Метка: Привет, мир!" && SameRect(f, 10, 70, 220, 17),
        "label: class, text, bounds");
  f = FactsOf(H(edit));
  Check(ClassIs(f, L"Edit") && f.Text == L"Текст правки" && SameRect(f, 10, 92, 220, 21),
        "edit: class, text, bounds");
  f = FactsOf(H(combo));
  Check(ClassIs(f, L"ComboBox") && f.Rect.left == 10 && f.Rect.top == 120 && f.Rect.right - f.Rect.left == 220,
        "combo box: class, place, width");
  Check(SendMessageW(H(combo), CB_GETCOUNT, 0, 0) == 3 && SendMessageW(H(combo), CB_GETCURSEL, 0, 0) == 0 &&
            f.Text == L"Первый",
        "combo box: three items, the first chosen");
  for (int i = 0; i < 4; ++i) {
    f = FactsOf(H(buttons[i]));
    std::wstring want = i == 0 ? L"Обычная" : i == 1 ? L"Наведение" : i == 2 ? L"Нажатая" : L"Отключена";
    bool ownerDrawn = (GetWindowLongPtrW(f.Hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
    Check(ClassIs(f, L"Button") && ownerDrawn && f.Text == want && SameRect(f, 10 + i * 110, 160, 100, 28) &&
              f.Visible && f.Enabled == (i != 3),
          "rush button: owner-drawn, caption, bounds, enabled state");
  }
  Check(SendMessageW(H(checkOn), BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(H(checkOff), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "check boxes show their states");
  Check(FactsOf(H(checkOn)).Text == L"Флажок включён", "check box caption");
  Check(SendMessageW(H(radioA), BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(H(radioB), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "radio buttons show their states");
  f = FactsOf(H(image));
  Check(ClassIs(f, L"ZornImage") && SameRect(f, 480, 10, 120, 120) && image.Shown() != nullptr,
        "image: class, bounds, the bitmap loaded");
  HWND sb = reinterpret_cast<HWND>(scroll->Handle());
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(sb, SB_CTL, &si);
  Check(ClassIs(FactsOf(sb), L"ScrollBar") && si.nMin == 0 && si.nMax == 109 && si.nPage == 10 && si.nPos == 40,
        "scroll bar: range, page and position");
  HWND lv = reinterpret_cast<HWND>(table->Handle());
  wchar_t cell[64] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = cell;
  item.cchTextMax = 64;
  SendMessageW(lv, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  HWND header = reinterpret_cast<HWND>(SendMessageW(lv, LVM_GETHEADER, 0, 0));
  Check(ClassIs(FactsOf(lv), L"SysListView32") && SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0) == 2 &&
            std::wstring(cell) == L"Авария насоса" && SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3,
        "table: two rows of cells under three columns");
  Check(table->Item(0) == "12:00:01;Связь установлена;ПЛК 1" && table->Selected() == 1,
        "table: a row reads back whole, the second is selected");

  // The tool tip of the first button.
  HWND tips = test::ThreadWindow(L"tooltips_class32");
  if (!tips) {
    // Tool-tip windows stay hidden until they show a tip.
    for (HWND h = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); h;
         h = FindWindowExW(nullptr, h, TOOLTIPS_CLASSW, nullptr)) {
      if (GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId()) tips = h;
    }
  }
  wchar_t tipText[128] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = tipText;
  bool toolFound = tips && SendMessageW(tips, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
  Check(tips && SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == 1 && toolFound &&
            reinterpret_cast<HWND>(tool.uId) == H(buttons[0]) && std::wstring(tipText) == L"Подсказка кнопки",
        "one tool tip, on the first button, with its text");

  // What a user does, sent as the messages Windows would send.
  SendMessageW(H(edit), WM_SETFOCUS, 0, 0);
  SendMessageW(H(edit), EM_SETSEL, 5, 5);
  SendMessageW(H(edit), WM_CHAR, L'ю', 1);
  Check(FactsOf(H(edit)).Text == L"Текстю правки" && editChanges.Calls == 1, "typing into the edit fires OnChange once");
  TData text;
  MakeStr(text, "Новый текст");
  edit.SetText(text, 0);
  Check(FactsOf(H(edit)).Text == L"Новый текст" && editChanges.Calls == 1, "a text set by the program fires nothing");
  Click(H(checkOn));
  Check(SendMessageW(H(checkOn), BM_GETCHECK, 0, 0) == BST_UNCHECKED && checks.Calls == 1 && checks.LastInt == 0,
        "a click clears the check box and fires OnCheck 0");
  Click(H(buttons[0]));
  Check(clicks[0].Calls == 1 && clicks[0].LastInt == 100, "a click on a button fires OnClick with its data");

  // The tray icon: shown, modified, and added again when the task bar restarts.
  tray.Show(none, 0);
  HWND trayHost = FindWindowW(L"ZornTrayHost", nullptr);
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof probe;
  probe.hWnd = trayHost;
  probe.uID = 1;
  probe.uFlags = NIF_TIP;
  lstrcpyW(probe.szTip, L"Зорн — проба");
  Check(trayHost && Shell_NotifyIconW(NIM_MODIFY, &probe), "the tray icon is in the notification area");
  SendMessageW(trayHost, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  Check(tray.Shown() && Shell_NotifyIconW(NIM_MODIFY, &probe), "the icon is there again after TaskbarCreated");
  TData balloon;
  MakeStr(balloon, "Связь с контроллером установлена");
  tray.Balloon(balloon, 0);

  // States for the picture: the mouse over the second button, the third held down.
  RECT hover;
  GetWindowRect(H(buttons[1]), &hover);
  SetCursorPos((hover.left + hover.right) / 2, (hover.top + hover.bottom) / 2);
  test::Pump(300);
  Check(enters[1].Calls == 1, "the mouse over the second button fires OnMouseEnter");
  SendMessageW(H(buttons[2]), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  test::Pump(300);
  Check(test::SaveScreen(L"ui_gallery.bmp"), "picture ui_gallery.bmp");
  SendMessageW(H(buttons[2]), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Check(clicks[2].Calls == 1 && clicks[2].LastInt == 102, "releasing the held button fires its OnClick");

  // The popup menu, chosen with the keys while it is open.
  SetCursorPos(300, 300);
  SetTimer(nullptr, 0, 400, &WhileMenuOpen);
  popup.Popup(none, 0);
  Check(g_menuSeen == 1 && g_menuRect.right - g_menuRect.left > 60, "the popup menu opened at the cursor");
  Check(picks.Calls == 1 && picks.LastInt == 3, "the checked item is index 3 (the separator counts)");
  SetTimer(nullptr, 0, 300, &CloseMenu);
  popup.Popup(none, 0);
  Check(picks.Calls == 1, "a menu closed with Escape reports nothing");

  std::printf("%d failure(s)\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
