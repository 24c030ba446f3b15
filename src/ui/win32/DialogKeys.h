#pragma once

#include <windows.h>

// Dialog-style keys (Tab, access keys) for our top-level windows, which are not dialogs.
namespace tarvic::win32 {

// Keeps Enter, Escape and Tab for the window's keyboard handling, so a multi-line box neither
// swallows Tab nor closes its window on Escape.
void LeaveDialogKeysToWindow(HWND edit);

// Pumps messages, giving our windows dialog-style keys. With `until`, returns once that window is
// gone (a modal loop); without, returns the exit code at WM_QUIT.
int RunMessageLoop(HWND until = nullptr);

}  // namespace tarvic::win32
