// Making the native window of each kind, with the styles its creation
// arguments ask for, and its removal.
#include "ui/win32/win_api.h"

#include <unordered_map>

#include "platform/win32/cp1251.h"
#include "ui/win32/backend.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

struct TStyle {
  DWORD Style = 0;
  DWORD ExStyle = 0;
};

// Border style codes of forms, 0..10; an unknown code keeps the sizeable frame.
TStyle FormStyle(uint8_t code) {
  constexpr DWORD kSingle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  switch (code) {
    case 0: return {WS_POPUP, 0};
    case 1: return {kSingle | WS_MAXIMIZEBOX, 0};
    case 3: return {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME};
    case 4: return {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
    case 5: return {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    case 6: return {WS_POPUP | WS_BORDER, 0};
    case 7: return {WS_POPUP | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    case 8: return {WS_POPUP | WS_DLGFRAME, WS_EX_DLGMODALFRAME};
    case 9: return {kSingle, 0};
    case 10: return {WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 0};
    default: return {WS_OVERLAPPEDWINDOW, 0};
  }
}

TStyle ControlStyle(const TCreateArgs& a) {
  switch (a.Kind) {
    case TWidgetKind::Panel: return {WS_CLIPCHILDREN, 0};
    // Labels are see-through: an indicator's text lies on its state picture.
    case TWidgetKind::Label: return {SS_LEFT | SS_NOTIFY | SS_NOPREFIX, WS_EX_TRANSPARENT};
    case TWidgetKind::Edit:
      return {ES_AUTOHSCROLL | (a.PasswordChar ? DWORD(ES_PASSWORD) : 0), WS_EX_CLIENTEDGE};
    case TWidgetKind::Image: return {0, 0};
    case TWidgetKind::Button:
    case TWidgetKind::CheckBox:
    case TWidgetKind::RadioButton: return {BS_OWNERDRAW, 0};
    case TWidgetKind::ComboBox:
      return {WS_VSCROLL | CBS_AUTOHSCROLL | (a.Editable ? DWORD(CBS_DROPDOWN) : DWORD(CBS_DROPDOWNLIST)),
              0};
    case TWidgetKind::ScrollBar:
      return {a.Orientation == TScrollOrientation::Vertical ? DWORD(SBS_VERT) : DWORD(SBS_HORZ), 0};
    case TWidgetKind::Table:
      return {LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, WS_EX_CLIENTEDGE};
    case TWidgetKind::Form: break;
  }
  return {};
}

const wchar_t* ClassOf(TWidgetKind kind) {
  switch (kind) {
    case TWidgetKind::Form: return kFormClass;
    case TWidgetKind::Panel: return kPanelClass;
    case TWidgetKind::Label: return L"STATIC";
    case TWidgetKind::Edit: return L"EDIT";
    case TWidgetKind::Image: return kImageClass;
    case TWidgetKind::Button:
    case TWidgetKind::CheckBox:
    case TWidgetKind::RadioButton: return L"BUTTON";
    case TWidgetKind::ComboBox: return L"COMBOBOX";
    case TWidgetKind::ScrollBar: return L"SCROLLBAR";
    case TWidgetKind::Table: return WC_LISTVIEWW;
  }
  return kPanelClass;
}

// Each of our windows runs SubclassProc in place of its class procedure,
// which is kept here to take what the widget leaves. The map is ours: the
// comctl32 subclass keeps its list in a window property, and under Wine each
// message through it costs three wineserver requests to read that property.
struct TSubclass {
  TWin32Widget* Widget;  // null once the widget is gone, until WM_NCDESTROY
  WNDPROC Original;
};
std::unordered_map<HWND, TSubclass> g_subclasses;

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = g_subclasses.find(hwnd);
  if (it == g_subclasses.end()) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = it->second.Widget ? it->second.Widget->Proc(hwnd, msg, wp, lp)
                                     : CallWindowProcW(it->second.Original, hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) g_subclasses.erase(hwnd);
  return result;
}

void Subclass(HWND hwnd, TWin32Widget* widget) {
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  g_subclasses[hwnd] = {widget, original};
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
}

void Unsubclass(HWND hwnd) {
  auto it = g_subclasses.find(hwnd);
  if (it != g_subclasses.end()) it->second.Widget = nullptr;
}

}  // namespace

LRESULT CallOriginalProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = g_subclasses.find(hwnd);
  if (it == g_subclasses.end()) return DefWindowProcW(hwnd, msg, wp, lp);
  return CallWindowProcW(it->second.Original, hwnd, msg, wp, lp);
}

TWin32Widget::TWin32Widget(TWin32Backend& backend, const TCreateArgs& args)
    : backend_(backend),
      kind_(args.Kind),
      args_(args),
      created_(backend.NextCreated()),
      font_(args.Font),
      color_(args.Color),
      captureOption_(args.MouseCapture) {
  if (kind_ == TWidgetKind::ScrollBar) scrollPage_ = 1;
  Create();
}

TWin32Widget::~TWin32Widget() {
  *alive_ = false;
  if (hwnd_) {
    HWND hwnd = hwnd_;
    Unsubclass(hwnd);
    if (editHwnd_) Unsubclass(editHwnd_);
    backend_.Forget(hwnd);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
  if (hfont_) DeleteObject(hfont_);
  if (brush_) DeleteObject(brush_);
}

void TWin32Widget::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND parent = args_.Parent ? reinterpret_cast<HWND>(args_.Parent->Handle()) : nullptr;
  TStyle style;
  if (kind_ == TWidgetKind::Form) {
    style = FormStyle(args_.BorderStyle);
    style.Style |= WS_CLIPCHILDREN;
    if (args_.MainWindow) style.ExStyle |= WS_EX_APPWINDOW;
  } else {
    style = ControlStyle(args_);
    style.Style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (args_.TabOrder > 0) style.Style |= WS_TABSTOP;
    if (args_.Border == TBorderLook::Sunken) {
      style.ExStyle |= WS_EX_CLIENTEDGE;
      style.Style &= ~WS_BORDER;
    } else if (args_.Border == TBorderLook::Flat) {
      style.ExStyle &= ~WS_EX_CLIENTEDGE;
      style.Style |= WS_BORDER;
    }
  }
  if (!args_.Enabled) style.Style |= WS_DISABLED;
  // A control made as a child of nothing would be a top-level window; it
  // waits on the message window until a layout adopts it.
  if (kind_ != TWidgetKind::Form && !parent) parent = HWND_MESSAGE;
  int height = args_.Bounds.Height;
  if (kind_ == TWidgetKind::ComboBox) {
    dropDownHeight_ = height * 8;
    height = dropDownHeight_;
  }
  std::wstring text = kind_ == TWidgetKind::Table ? std::wstring() : platform::WideFrom1251(args_.Text);
  hwnd_ = CreateWindowExW(style.ExStyle, ClassOf(kind_), text.c_str(), style.Style, args_.Bounds.Left,
                          args_.Bounds.Top, args_.Bounds.Width, height, parent, nullptr, instance,
                          nullptr);
  if (!hwnd_) return;
  if (args_.Parent) parent_ = args_.Parent;
  if (kind_ != TWidgetKind::Form && args_.Parent) RaiseAboveSiblings();
  Attach(hwnd_);
  if (kind_ == TWidgetKind::ComboBox && args_.Editable) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd_, &info) && info.hwndItem) {
      editHwnd_ = info.hwndItem;
      Subclass(editHwnd_, this);
    }
  }
  ApplyCommon();
  last_ = Bounds();
  if (kind_ == TWidgetKind::Form) {
    SetIcon(nullptr);
    if (args_.Visible) SetVisible(true);
  } else if (args_.Visible) {
    ShowWindow(hwnd_, SW_SHOWNA);
  }
}

void TWin32Widget::Attach(HWND hwnd) {
  backend_.Register(hwnd, this);
  Subclass(hwnd, this);
}

void TWin32Widget::ApplyCommon() {
  SetFont(font_);
  SetColor(color_);
  SetCursor(args_.Cursor);
  switch (kind_) {
    case TWidgetKind::Edit:
      if (args_.MaxLength > 0) SendMessageW(hwnd_, EM_LIMITTEXT, args_.MaxLength, 0);
      if (args_.PasswordChar) {
        wchar_t ch = platform::WideFrom1251(std::string(1, args_.PasswordChar))[0];
        SendMessageW(hwnd_, EM_SETPASSWORDCHAR, ch, 0);
      }
      break;
    case TWidgetKind::ComboBox:
      if (args_.MaxLength > 0) SendMessageW(hwnd_, CB_LIMITTEXT, args_.MaxLength, 0);
      break;
    case TWidgetKind::Table:
      SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
      break;
    case TWidgetKind::ScrollBar: SetScrollInfo(0, 100, 1, 0); break;
    default: break;
  }
}

}  // namespace zorn::ui::win32
