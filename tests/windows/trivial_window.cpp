// A trivial Win32 program: one empty top-level window, "Trivial window", and
// its message loop; it ends when the window is closed. scripts/footprint.sh
// measures zorn.exe beside it (start to window, resident memory, CPU). Given
// the path of a WAVE file, it plays it once at start and titles itself
// "Trivial window with sound": what the platform's sound playback alone costs.
#include <windows.h>
#include <mmsystem.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  const bool sound = commandLine && *commandLine;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TrivialWindow";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"TrivialWindow", sound ? L"Trivial window with sound" : L"Trivial window",
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 438, 300, nullptr, nullptr,
                              instance, nullptr);
  ShowWindow(window, show);
  if (sound) sndPlaySoundA(commandLine, SND_ASYNC | SND_NODEFAULT);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
