// One of each window element on the Win32 backend, with Cyrillic texts, read
// back through Win32 calls alone: window texts and classes, geometry,
// visibility, enabled and check states, items, scroll ranges, list cells, the
// tool tip, the tray icon, the owner-drawn popup menu, the Tab key and the
// common dialogs. Pictures of the screen go next to the program:
// ui_gallery.bmp (hover, pressed and disabled buttons, the scrolled bar, the
// sorted table) and ui_gallery_menu.bmp (the open menu).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "gallery_probe.h"
#include "platform/win32/cp1251.h"
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
#include "ui/elements/scroll_bar.h"
#include "ui/elements/string_table.h"
#include "ui/elements/tray_icon.h"
#include "ui/elements/value_holders.h"
#include "ui/elements/win_tools.h"

#undef ChooseFont

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

// Counts what arrives on a wire and keeps the last value; Then runs on each.
struct TCounter : TElement {
  int Calls = 0;
  int32_t LastInt = -999;
  std::string LastStr;
  std::function<void(TData&)> Then;
  void Take(TData& data, uint16_t) {
    ++Calls;
    LastInt = ToInt(data);
    LastStr = ToStr(data);
    if (Then) Then(data);
  }
  TWire Wire() { return MakeWire(0, &TCounter::Take, this); }
};

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

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

class TGallery {
 public:
  void Build();
  void CheckControls();
  void CheckScrollBar();
  void CheckTable();
  void CheckTabKey();
  void CheckUserActions();
  void CheckTray();
  void TakePicture();
  void CheckMenu();
  void CheckDialogs();
  void CheckApplicationWindow();

 private:
  TZEMainForm main;
  TZEPanel panel;
  TZELabel label;
  TZEEdit edit;
  TZEComboBox combo;
  TzeButtonRush buttons[4];
  TCounter clicks[4], enters[4];
  TzeCheckBoxRush checkOn, checkOff;
  TzeRadioButtonRush radioA, radioB;
  TZEImage image, state;
  TZEBitmap activePicture;
  TZEScrollBar volume;
  TZELabel volumeLabel;
  TzeStringTableMT table;
  TzePopupMenuEx popup;
  TZETrayIcon tray;
  TZEFont font;
  TZEODialog fileDialog;
  TCounter editChanges, editKeys, checks, picks, positions, endScrolls, rowSelects, tableClicks, tableDowns,
      chosenFonts, files, cancels, heldUps;
  std::string rowAtRightPress;
};

void TGallery::Build() {
  main.Caption = "Панель оператора — галерея";
  main.Left = 40, main.Top = 40, main.Width = 720, main.Height = 540;
  main.IconName = "ICON0";
  main.Color = clBtnFace;
  main.Init();

  panel.Parent = &main;
  panel.Caption = "Панель управления";
  panel.Left = 10, panel.Top = 10, panel.Width = 320, panel.Height = 50;
  panel.Init();

  label.Parent = &main;
  label.Text = "Метка: Привет, мир!";
  label.Left = 10, label.Top = 70, label.Width = 220, label.Height = 17;
  label.Init();

  edit.Parent = &main;
  edit.Text = "Текст правки";
  edit.Left = 10, edit.Top = 92, edit.Width = 220, edit.Height = 21;
  edit.Color = 0xFFFFFF;
  edit.TabOrder = 5;
  edit.Init();
  edit.OnChange = editChanges.Wire();
  edit.OnKeyDown = editKeys.Wire();

  combo.Parent = &main;
  combo.Strings = "Первый\r\nВторой\r\nТретий";
  combo.Editable = false;
  combo.Left = 10, combo.Top = 120, combo.Width = 220;
  combo.Color = 0xFFFFFF;
  combo.TabOrder = 6;
  combo.Init();

  const char* captions[] = {"Обычная", "Наведение", "Нажатая", "Отключена"};
  for (int i = 0; i < 4; ++i) {
    buttons[i].Parent = &main;
    buttons[i].Caption = captions[i];
    buttons[i].Look = GalleryLook();
    buttons[i].Left = 10 + i * 110, buttons[i].Top = 160, buttons[i].Width = 100, buttons[i].Height = 28;
    buttons[i].Enabled = i != 3;
    buttons[i].TabOrder = i + 1;
    MakeInt(buttons[i].Data, 100 + i);
    if (i == 0) buttons[i].Hint = "Подсказка кнопки";
    buttons[i].MouseCapture = i == 0;
    buttons[i].Init();
    buttons[i].OnClick = clicks[i].Wire();
    buttons[i].OnMouseEnter = enters[i].Wire();
  }

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

  radioA.Parent = radioB.Parent = &main;
  radioA.Caption = "Выбор А";
  radioA.Checked = true;
  radioB.Caption = "Выбор Б";
  radioA.Look = radioB.Look = GalleryLook();
  radioA.Left = 10, radioB.Left = 180, radioA.Top = radioB.Top = 226;
  radioA.Width = radioB.Width = 160;
  radioA.Init();
  radioB.Init();

  image.Parent = &main;
  image.Picture = "BITMAP1";
  image.Stretch = true;
  image.Left = 480, image.Top = 10, image.Width = 120, image.Height = 120;
  image.Init();

  // The active state picture of an indicator, as a value from its holder.
  activePicture.ResourceName = "BITMAP12";
  activePicture.Init();
  state.Parent = &main;
  state.AutoSize = true;
  state.Left = 480, state.Top = 140;
  state.Init();
  TData picture;
  activePicture.Bitmap(picture, 0);
  state.Load(picture, 0);

  // The volume bar of the event editor, with its position shown beside it.
  volume.Parent = &main;
  volume.Left = 10, volume.Top = 256, volume.Width = 150, volume.Height = 20;
  volume.Min = 0, volume.Max = 100, volume.Page = 2, volume.Position = 10;
  volume.NotifyMode = 0;
  volume.Init();
  volumeLabel.Parent = &main;
  volumeLabel.Text = "Громкость: 10";
  volumeLabel.Left = 170, volumeLabel.Top = 258, volumeLabel.Width = 140;
  volumeLabel.Init();
  positions.Then = [this](TData& d) {
    TData text;
    MakeStr(text, "Громкость: " + ToStr(d));
    volumeLabel.SetText(text, 0);
  };
  volume.OnPosition = positions.Wire();
  volume.OnEndScroll = endScrolls.Wire();

  // The event log's table.
  table.Parent = &main;
  table.Left = 10, table.Top = 282, table.Width = 560, table.Height = 150;
  table.Color = 0xFFFFFF;
  table.TabOrder = 7;
  table.Columns = "Время\r\nСобытие\r\nУсловие\r\nЗначение\r\nДействие=200";
  table.Init();
  for (const char* row : {"12:0:1 5-3-2024;Связь установлена;Изменение 0;1;Только запись",
                          "12:0:5 5-3-2024;Авария насоса;Больше 70;75;Проиграть звук",
                          "12:1:9 5-3-2024;Давление;Меньше 9;10;Открыть файл"}) {
    TData d;
    MakeStr(d, row);
    table.Add(d, 0);
  }
  table.OnSelect = rowSelects.Wire();
  table.OnClick = tableClicks.Wire();
  tableDowns.Then = [this](TData&) {
    TData row;
    table.Value(row, 0);
    rowAtRightPress = ToStr(row);
  };
  table.OnMouseDown = tableDowns.Wire();

  popup.Items = "Открыть окно\r\n-\r\nОтключённый пункт\r\nОтмеченный пункт";
  popup.Owner = &main;
  popup.Init();
  popup.OnClick = picks.Wire();
  TData none;
  popup.IndexDefault = 2;
  popup.ToggleEnabled(none, 0);
  popup.IndexDefault = 3;
  TData yes = Int(1);
  popup.SetCheck(yes, 0);

  tray.Form = &main;
  tray.Tip = "Зорн — связь есть";
  tray.BalloonTitle = "Зорн";
  tray.Init();

  font.Font = {platform::NarrowTo1251(test::CyrillicFace()), 10, 1, 0x000080, 204};
  font.Owner = &main;
  font.OnChoose = chosenFonts.Wire();
  fileDialog.Title = "Выбор звукового файла";
  fileDialog.Filter = "Звук|*.wav|Все|*.*";
  fileDialog.Folder = ".";
  fileDialog.Owner = &main;
  fileDialog.OnExecute = files.Wire();
  fileDialog.OnCancel = cancels.Wire();

  StartDispatch();  // the forms show themselves
  test::Pump(300);
}

void TGallery::CheckControls() {
  HWND form = H(main);
  TWindowFacts f = FactsOf(form);
  Check(ClassIs(f, L"ZornForm") && f.Visible, "the main form is a visible ZornForm");
  Check(f.Text == L"Панель оператора — галерея", "the form caption is the Cyrillic text");
  Check(SameRect(f, 40, 40, 720, 540), "the form has its bounds on the screen");
  Check(SendMessageW(form, WM_GETICON, ICON_BIG, 0) != 0, "the form has the icon ICON0");
  Check((GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW) && GetWindow(form, GW_OWNER) == nullptr,
        "the visible main form owns the task-bar entry");

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
  f = FactsOf(H(state));
  Check(SameRect(f, 480, 140, 115, 17) && state.Shown() != nullptr,
        "a bitmap value from its holder sizes the image to 115 x 17");

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
}

void TGallery::CheckScrollBar() {
  HWND bar = H(volume);
  TWindowFacts f = FactsOf(bar);
  SCROLLINFO si = test::ScrollOf(bar);
  Check(ClassIs(f, L"ScrollBar") && SameRect(f, 10, 256, 150, 20) &&
            (GetWindowLongPtrW(bar, GWL_STYLE) & SBS_VERT) == 0,
        "scroll bar: a horizontal ScrollBar at its place");
  Check(si.nMin == 0 && si.nMax == 101 && si.nPage == 2 && si.nPos == 10,
        "scroll bar: range 0 .. Max + Page - 1 = 101, page 2, position 10");

  int arrow = GetSystemMetrics(SM_CXHSCROLL);
  test::PressAndRelease(bar, 150 - arrow / 2, 10);
  Check(test::ScrollOf(bar).nPos == 11 && positions.Calls == 1 && positions.LastInt == 11,
        "a click on the right arrow moves by 1 and reports 11");
  Check(endScrolls.Calls == 1 && endScrolls.LastInt == 11, "letting go of the arrow fires OnEndScroll");
  test::PressAndRelease(bar, 150 - arrow - 3, 10);
  Check(test::ScrollOf(bar).nPos == 13 && positions.LastInt == 13, "a click in the page area moves by the page, 2");

  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(bar, OBJID_CLIENT, &info);
  int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
  int before = positions.Calls;
  // Past the end, but near enough that the bar keeps tracking.
  test::Drag(bar, thumb, 10, 150 + 20);
  si = test::ScrollOf(bar);
  Check(si.nPos == 100 && positions.LastInt == 100 && positions.Calls >= before + 2,
        "dragging the thumb past the end follows it to Max, reporting on the way");
  Check(volumeLabel.Widget()->Text() == "Громкость: 100", "the position reaches the label beside the bar");

  TData mid = Int(35);
  int reported = positions.Calls;
  volume.SetPosition(mid, 0);
  Check(test::ScrollOf(bar).nPos == 35 && positions.Calls == reported, "SetPosition moves the thumb and reports nothing");
}

void TGallery::CheckTable() {
  HWND lv = H(table);
  HWND header = reinterpret_cast<HWND>(SendMessageW(lv, LVM_GETHEADER, 0, 0));
  Check(ClassIs(FactsOf(lv), L"SysListView32") && (GetWindowLongPtrW(lv, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT,
        "table: a report view");
  Check(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 5 && test::HeaderText(header, 0) == L"Время" &&
            test::HeaderText(header, 4) == L"Действие",
        "table: five columns with the captions of the column text");
  Check(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 4, 0) == 200 &&
            SendMessageW(lv, LVM_GETCOLUMNWIDTH, 1, 0) == kDefaultColumnWidth,
        "table: \"=200\" widens the last column, the others keep the default");
  Check(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0) == 3 && test::ListCell(lv, 1, 1) == L"Авария насоса" &&
            test::ListCell(lv, 1, 2) == L"Больше 70" && test::ListCell(lv, 2, 4) == L"Открыть файл",
        "table: three rows, one cell per column");

  POINT p = test::RowCentre(lv, 0);
  test::PressAndRelease(lv, p.x, p.y);
  Check(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0 &&
            rowSelects.Calls == 1 && rowSelects.LastInt == 0 && tableClicks.Calls == 1 && tableClicks.LastInt == 0,
        "a click on the first row selects it, OnSelect 0, OnClick left");
  p = test::RowCentre(lv, 1);
  test::PressAndRelease(lv, p.x, p.y, true);
  Check(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1 &&
            rowSelects.LastInt == 1 && tableDowns.LastInt == 1 && rowAtRightPress.rfind("12:0:5 ", 0) == 0,
        "a right press moves the selection to its row before OnMouseDown");
  Check(tableClicks.Calls == 2 && tableClicks.LastInt == 1, "and OnClick right follows");

  // A click on the header of "Значение" sorts the rows by it, as texts.
  p = test::HeaderCentre(header, 3);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  test::Pump(50);
  Check(test::ListCell(lv, 0, 3) == L"1" && test::ListCell(lv, 1, 3) == L"10" && test::ListCell(lv, 2, 3) == L"75",
        "a header click sorts the rows by that column as text: 1, 10, 75");
  TData index, row;
  table.Index(index, 0);
  table.Value(row, 0);
  Check(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 2 && ToInt(index) == 2 &&
            ToStr(row).rfind("12:0:5 ", 0) == 0,
        "the selected row keeps its selection in its new place");
  int selects = rowSelects.Calls;
  TData two = Int(2);
  table.SetIndex(two, 0);
  Check(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 2 && rowSelects.Calls == selects,
        "SetIndex selects a row and reports nothing");

  // Full, the sorted table drops its oldest row ("1", now on top) and sorts
  // the new one in between "10" and "75"; the selection stays on its row.
  table.MaxRows = 3;
  TData newest;
  MakeStr(newest, "12:2:0 5-3-2024;Уровень;Равно 5;5;Только запись");
  table.Add(newest, 0);
  Check(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0) == 3 && test::ListCell(lv, 0, 3) == L"10" &&
            test::ListCell(lv, 1, 3) == L"5" && test::ListCell(lv, 2, 3) == L"75" &&
            SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 2,
        "a full sorted table drops its oldest row and sorts the new one in, the selection kept");
}

void TGallery::CheckTabKey() {
  SetFocus(H(buttons[0]));
  HWND seen[6];
  for (HWND& h : seen) {
    test::PressKey(VK_TAB);
    h = GetFocus();
  }
  Check(seen[0] == H(buttons[1]) && seen[1] == H(buttons[2]) && seen[2] == H(edit) && seen[3] == H(combo) &&
            seen[4] == H(table) && seen[5] == H(buttons[0]),
        "Tab goes by TabOrder, past the disabled button, and wraps");
  SetFocus(H(edit));
  int keys = editKeys.Calls;
  test::PressKey(VK_TAB, true);
  Check(GetFocus() == H(buttons[2]), "Shift+Tab goes back");
  // From the keyboard the Shift key itself goes to the edit first.
  bool onlyShift = editKeys.Calls == keys || (editKeys.Calls == keys + 1 && editKeys.LastInt == VK_SHIFT);
  Check(onlyShift && FactsOf(H(edit)).Text == L"Текст правки", "the edit never sees the Tab");
  test::PressKey(VK_RIGHT);
  Check(GetFocus() == H(buttons[2]), "other keys leave the focus alone");
}

void TGallery::CheckUserActions() {
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
  Click(H(checkOn));  // checked again, as the picture should show it
  Check(SendMessageW(H(checkOn), BM_GETCHECK, 0, 0) == BST_CHECKED && checks.LastInt == 1,
        "a second click checks it again and fires OnCheck 1");
  Click(H(buttons[0]));
  Check(clicks[0].Calls == 1 && clicks[0].LastInt == 100, "a click on a button fires OnClick with its data");
}

void TGallery::CheckTray() {
  TData none;
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
}

// The mouse over the second button, the third held down, the font chosen
// for the label: then the picture.
void TGallery::TakePicture() {
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
  // A captured press that loses the mouse to another window ends as a
  // release, without a click.
  buttons[0].OnMouseUp = heldUps.Wire();
  SendMessageW(H(buttons[0]), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  Check(GetCapture() == H(buttons[0]), "a button with MouseCapture keeps the mouse while pressed");
  SetCapture(H(buttons[1]));
  ReleaseCapture();
  Check(heldUps.Calls == 1 && clicks[0].Calls == 1, "losing the mouse lets the press go, without a click");
}

// The popup menu, chosen with the keys while it is open: the separator is
// passed over, the greyed item is not.
void TGallery::CheckMenu() {
  int seen = 0;
  RECT rect{};
  SetCursorPos(300, 300);
  test::WhileModal(400, [&] {
    HWND menu = test::ThreadWindow(L"#32768");
    if (!menu) return;
    ++seen;
    GetWindowRect(menu, &rect);
    UpdateWindow(menu);
    Sleep(200);
    test::SaveScreen(L"ui_gallery_menu.bmp");
    for (int i = 0; i < 3; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  });
  TData none;
  popup.Popup(none, 0);
  Check(picks.Calls == 0, "the pick waits for the loop, as a posted command does");
  test::Pump(50);
  Check(seen == 1 && rect.right - rect.left > 60, "the popup menu opened at the cursor");
  Check(picks.Calls == 1 && picks.LastInt == 3, "the checked item is index 3 (the separator counts)");
  test::WhileModal(300, [] {
    if (HWND menu = test::ThreadWindow(L"#32768")) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  popup.Popup(none, 0);
  Check(picks.Calls == 1, "a menu closed with Escape reports nothing");
}

// The common dialogs, owned by the main form: the font dialog confirmed as
// preset, the file dialog cancelled and then answered with a file.
void TGallery::CheckDialogs() {
  HWND owner = nullptr;
  std::wstring title;
  auto answer = [&](int id, const wchar_t* file) {
    return [&, id, file] {
      HWND dialog = test::ThreadWindow(L"#32770");
      if (!dialog) return;
      owner = GetWindow(dialog, GW_OWNER);
      title = FactsOf(dialog).Text;
      if (file) {
        SetDlgItemTextW(dialog, 0x480, file);  // edt1, the file name
        SetDlgItemTextW(dialog, 0x47C, file);  // cmb13, where the dialog has it instead
      }
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
  };
  TData none;
  test::WhileModal(500, answer(IDOK, nullptr));
  font.Choose(none, 0);
  Check(owner == H(main), "the font dialog belongs to the main form");
  std::string face = platform::NarrowTo1251(test::CyrillicFace());
  Check(chosenFonts.Calls == 1 && font.Font.Name == face && font.Font.Size == 10 && font.Font.Style == 1 &&
            font.Font.CharSet == 204,
        "the font dialog confirmed as preset gives the preset face, 10 points, bold, Cyrillic");
  TData chosen;
  font.Value(chosen, 0);
  label.SetFont(chosen, 0);
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(H(label), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  Check(lf.lfHeight == -13 && lf.lfWeight >= 700 && std::wstring(lf.lfFaceName) == test::CyrillicFace(),
        "the chosen font on the label: -13 pixels high, bold");

  owner = nullptr;
  test::WhileModal(500, answer(IDCANCEL, nullptr));
  fileDialog.Execute(none, 0);
  Check(owner == H(main) && title == L"Выбор звукового файла", "the file dialog has its title and owner");
  Check(cancels.Calls == 1 && files.Calls == 0, "a cancelled file dialog fires OnCancel only");
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  test::WhileModal(500, answer(IDOK, self));
  fileDialog.Execute(none, 0);
  std::string path = files.LastStr;
  Check(files.Calls == 1 && cancels.Calls == 1 && path.size() > 14 &&
            _stricmp(path.substr(path.size() - 14).c_str(), "ui_gallery.exe") == 0,
        "a file chosen in the dialog comes with OnExecute as its path");
}

// The start hides the application window with a hidden main form: the main
// window is then owned by a hidden window and has no task-bar entry.
void TGallery::CheckApplicationWindow() {
  HWND form = H(main);
  Backend().SetApplicationVisible(false);
  HWND app = GetWindow(form, GW_OWNER);
  Check(app && !IsWindowVisible(app) && !(GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW),
        "without the application window the main form is owned by a hidden window, no task-bar style");
  Backend().SetApplicationVisible(true);
  Check(!GetWindow(form, GW_OWNER) && (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW),
        "with it the main form owns its task-bar entry again");
}

}  // namespace

int main() {
  TGallery gallery;
  gallery.Build();
  gallery.CheckControls();
  gallery.CheckScrollBar();
  gallery.CheckTable();
  gallery.CheckTabKey();
  gallery.CheckUserActions();
  gallery.CheckTray();
  gallery.CheckDialogs();
  gallery.TakePicture();
  gallery.CheckMenu();
  gallery.CheckApplicationWindow();
  std::printf("%d failure(s)\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
