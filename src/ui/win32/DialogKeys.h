#pragma once

#include <windows.h>

// Dialog-style keys for our top-level windows, which are not dialogs; the message loop
// (host/win32/MessagePump.h) gives them Tab and the access keys.
namespace tarvic::win32 {

// Keeps Enter, Escape and Tab for the window's keyboard handling, so a multi-line box neither
// swallows Tab nor closes its window on Escape.
void LeaveDialogKeysToWindow(HWND edit);

}  // namespace tarvic::win32
