#include "gallery_probe.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace zorn::test {

TWindowFacts FactsOf(HWND hwnd) {
  TWindowFacts f;
  f.Hwnd = hwnd;
  wchar_t buffer[512];
  int n = GetClassNameW(hwnd, buffer, 512);
  f.Class.assign(buffer, n > 0 ? n : 0);
  n = GetWindowTextW(hwnd, buffer, 512);
  f.Text.assign(buffer, n > 0 ? n : 0);
  GetWindowRect(hwnd, &f.Rect);
  HWND parent = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
  if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&f.Rect), 2);
  f.Visible = IsWindowVisible(hwnd) != FALSE;
  f.Enabled = IsWindowEnabled(hwnd) != FALSE;
  return f;
}

std::vector<TWindowFacts> ChildrenOf(HWND parent) {
  std::vector<TWindowFacts> all;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) all.push_back(FactsOf(h));
  return all;
}

namespace {

struct TSearch {
  const wchar_t* Class;
  HWND Found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<TSearch*>(lp);
  wchar_t buffer[256];
  if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, buffer, 256) && lstrcmpiW(buffer, s->Class) == 0) {
    s->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ThreadWindow(const wchar_t* cls) {
  TSearch s{cls, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&s));
  return s.Found;
}

bool SaveScreen(const std::wstring& path) {
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
  std::vector<BYTE> pixels(stride * h);
  GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
            fwrite(pixels.data(), pixels.size(), 1, out) == 1;
  return fclose(out) == 0 && ok;
}

void Pump(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

// Through the system's input, as the keyboard makes it: key hooks see only
// keys that come that way, not posted key messages.
void PressKey(WPARAM vk, bool shift) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD code, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = code;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  if (shift) key(VK_SHIFT, false);
  key(static_cast<WORD>(vk), false);
  key(static_cast<WORD>(vk), true);
  if (shift) key(VK_SHIFT, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump(100);
}

SCROLLINFO ScrollOf(HWND bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &si);
  return si;
}

namespace {

std::function<void()> g_whileModal;

void CALLBACK RunWhileModal(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_whileModal) g_whileModal();
}

}  // namespace

void WhileModal(UINT ms, std::function<void()> fn) {
  g_whileModal = std::move(fn);
  SetTimer(nullptr, 0, ms, &RunWhileModal);
}

void PressAndRelease(HWND hwnd, int x, int y, bool right) {
  LPARAM at = MAKELPARAM(x, y);
  PostMessageW(hwnd, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
  SendMessageW(hwnd, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
  Pump(50);
}

void Drag(HWND hwnd, int x, int y, int toX) {
  int mid = (x + toX) / 2;
  PostMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(mid, y));
  PostMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, y));
  PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(toX, y));
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  Pump(50);
}

namespace {

int CALLBACK TakeFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM found) {
  auto* face = reinterpret_cast<std::wstring*>(found);
  if (!(type & TRUETYPE_FONTTYPE) || lf->lfFaceName[0] == L'@') return 1;
  if (face->empty() || lstrcmpiW(lf->lfFaceName, L"Tahoma") == 0) *face = lf->lfFaceName;
  return 1;
}

}  // namespace

std::wstring CyrillicFace() {
  std::wstring face;
  LOGFONTW lf{};
  lf.lfCharSet = RUSSIAN_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &lf, &TakeFace, reinterpret_cast<LPARAM>(&face), 0);
  ReleaseDC(nullptr, dc);
  return face;
}

std::wstring ListCell(HWND list, int row, int column) {
  wchar_t cell[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = cell;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return cell;
}

std::wstring HeaderText(HWND header, int item) {
  wchar_t text[128] = {};
  HDITEMW hd{};
  hd.mask = HDI_TEXT;
  hd.pszText = text;
  hd.cchTextMax = 128;
  SendMessageW(header, HDM_GETITEMW, item, reinterpret_cast<LPARAM>(&hd));
  return text;
}

POINT RowCentre(HWND list, int row) {
  RECT rc{};
  rc.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

POINT HeaderCentre(HWND header, int item) {
  RECT rc{};
  SendMessageW(header, HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rc));
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

}  // namespace zorn::test
