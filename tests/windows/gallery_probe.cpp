#include "gallery_probe.h"

#include <cstdio>

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

}  // namespace zorn::test
