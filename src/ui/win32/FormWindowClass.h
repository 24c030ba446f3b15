#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Registers a top-level form's window class once, with the program's icon.
void RegisterFormClass(const wchar_t* className, WNDPROC windowProc);

// The object attached to a window at creation (GWLP_USERDATA), or null before/after.
template <class Window>
Window* AttachedWindow(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* attached = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(attached));
    return attached;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Read-only text boxes keep the white of a text box rather than the grey of a label.
LRESULT PaintReadOnlyBoxWhite(HDC dc);

}  // namespace tarvic::win32
