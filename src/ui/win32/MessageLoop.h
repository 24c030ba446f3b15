#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Pumps messages, giving our windows dialog-style keys (Tab, access keys). With `until`, returns
// once that window is gone (a modal loop); without, returns the exit code at WM_QUIT.
int RunMessageLoop(HWND until = nullptr);

}  // namespace tarvic::win32
