#include "shot.h"

#include <algorithm>
#include <vector>

#include "text.h"

namespace zorn::uidriver {

RECT SaveScreenshot(const std::wstring& path, RECT area) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT r = screen;
  if (!IsRectEmpty(&area) && !IntersectRect(&r, &area, &screen)) Fail(kFailed, L"the window is off the screen");
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screenDc = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screenDc);
  HBITMAP bitmap = CreateCompatibleBitmap(screenDc, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screenDc, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;  // bottom-up rows, as BMP files keep them
  info.biPlanes = 1;
  info.biBitCount = 24;
  DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
  std::vector<BYTE> pixels(static_cast<size_t>(stride) * h);
  int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                       DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screenDc);
  if (rows != h) Fail(kFailed, L"cannot read the screen");

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) Fail(kFailed, L"cannot write " + path);
  DWORD n = 0;
  bool ok = WriteFile(out, &file, sizeof file, &n, nullptr) && WriteFile(out, &info, sizeof info, &n, nullptr) &&
            WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &n, nullptr);
  ok = CloseHandle(out) && ok;
  if (!ok) Fail(kFailed, L"cannot write " + path);
  return r;
}

}  // namespace zorn::uidriver
