// The reference for start-up figures: a minimal window of the same kind as the product's main
// window (a read-only multi-line edit and two buttons), doing nothing else.
#include <windows.h>

#include <initializer_list>

namespace {

constexpr int kEditId = 101;

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto instance = reinterpret_cast<LPCREATESTRUCTW>(lParam)->hInstance;
      const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      HWND edit = CreateWindowExW(
          WS_EX_CLIENTEDGE, L"EDIT", L"Baseline report",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 568, 270, window,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance, nullptr);
      HWND copy = CreateWindowExW(0, L"BUTTON", L"&Copy to Clipboard", WS_CHILD | WS_VISIBLE, 3,
                                  273, 111, 25, window, nullptr, instance, nullptr);
      HWND close = CreateWindowExW(0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE, 470, 273, 97, 25,
                                   window, nullptr, instance, nullptr);
      for (HWND child : {edit, copy, close}) SendMessageW(child, WM_SETFONT, (WPARAM)font, TRUE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = BaselineProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TarvicKit.Baseline";
  RegisterClassW(&wc);
  RECT r = {0, 0, 569, 299};
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_BORDER | DS_MODALFRAME;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, wc.lpszClassName, L"Baseline", style,
                                CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
