// The trivial window with the platform services zorn.exe cannot do without,
// and nothing of zorn: common controls 6 through its manifest (themed
// standard controls), a button and a label among them, a tool tip on the
// label, a tray icon, and, given the path of a WAVE file, that sound played
// once at start. scripts/footprint.sh measures it beside zorn.exe and the
// trivial window: what those services alone cost under the same Wine prefix.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    NOTIFYICONDATAW tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    Shell_NotifyIconW(NIM_DELETE, &tray);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"ServicesWindow";
  RegisterClassW(&wc);
  // Clear of the demonstration's windows, so that the cursor can rest on its button.
  HWND window = CreateWindowW(L"ServicesWindow", L"Window with services", WS_OVERLAPPEDWINDOW, 600, 20, 438, 300,
                              nullptr, nullptr, instance, nullptr);
  CreateWindowW(L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 25, window, nullptr,
                instance, nullptr);
  HWND label = CreateWindowW(L"STATIC", L"Label", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 45, 100, 20, window,
                             nullptr, instance, nullptr);

  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                              window, nullptr, instance, nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  // On the label: a tip shown over the button would watch the cursor itself.
  tool.uId = reinterpret_cast<UINT_PTR>(label);
  tool.lpszText = const_cast<wchar_t*>(L"Hint");
  SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

  NOTIFYICONDATAW tray{};
  tray.cbSize = sizeof tray;
  tray.hWnd = window;
  tray.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  tray.uCallbackMessage = kTrayMessage;
  tray.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  lstrcpyW(tray.szTip, L"Window with services");
  Shell_NotifyIconW(NIM_ADD, &tray);

  ShowWindow(window, show);
  if (commandLine && *commandLine) sndPlaySoundA(commandLine, SND_ASYNC | SND_NODEFAULT);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
