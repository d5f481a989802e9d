// The common dialogs: font choice and file open. comdlg32 is loaded at the
// first dialog: with what it imports (winspool, compstui) it would add about
// half a megabyte to every running program that never opens one.
#include "ui/win32/win_api.h"
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/cp1251.h"
#include "platform/win32/lazy_function.h"
#include "ui/win32/backend.h"
#include "ui/win32/widget.h"

#undef ChooseFont

namespace zorn::ui::win32 {
namespace {

HWND OwnerOf(IWidget* owner) { return owner ? reinterpret_cast<HWND>(owner->Handle()) : GetActiveWindow(); }

}  // namespace

bool TWin32Backend::ChooseFont(IWidget* owner, TFontChoice& font) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.Size, ScreenDpiY(), 72);
  lf.lfWeight = font.Weight;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfStrikeOut = font.StrikeOut;
  lf.lfCharSet = font.CharSet;
  std::wstring name = platform::WideFrom1251(font.Name);
  std::copy_n(name.begin(), std::min<size_t>(name.size(), LF_FACESIZE - 1), lf.lfFaceName);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = OwnerOf(owner);
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = ColorRef(font.Color);
  using TChoose = BOOL(WINAPI*)(LPCHOOSEFONTW);
  static TChoose choose = platform::LazyFunction<TChoose>(L"comdlg32.dll", "ChooseFontW");
  if (!choose || !choose(&cf)) return false;
  font.Name = platform::NarrowTo1251(lf.lfFaceName);
  font.Size = cf.iPointSize / 10;
  font.Weight = lf.lfWeight;
  font.Italic = lf.lfItalic != 0;
  font.Underline = lf.lfUnderline != 0;
  font.StrikeOut = lf.lfStrikeOut != 0;
  font.Color = cf.rgbColors;
  font.CharSet = lf.lfCharSet;
  return true;
}

// The filter "Звук|*.wav|Все|*.*" becomes the NUL-separated pairs the
// dialog wants.
bool TWin32Backend::OpenFile(IWidget* owner, const std::string& title, const std::string& filter,
                             const std::string& folder, std::string& path) {
  std::wstring pairs = platform::WideFrom1251(filter);
  std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
  pairs.append(2, L'\0');
  std::wstring caption = platform::WideFrom1251(title);
  std::wstring start = platform::WideFrom1251(folder);
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerOf(owner);
  ofn.lpstrFilter = filter.empty() ? nullptr : pairs.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  ofn.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  using TOpen = BOOL(WINAPI*)(LPOPENFILENAMEW);
  static TOpen open = platform::LazyFunction<TOpen>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!open || !open(&ofn)) return false;
  path = platform::NarrowTo1251(file.data());
  return true;
}

}  // namespace zorn::ui::win32
