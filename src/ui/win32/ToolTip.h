#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Shows `text` as a tool tip while the mouse rests on `control`. The tip window belongs to
// `owner` and goes away with it.
void AddToolTip(HWND owner, HWND control, const wchar_t* text);

}  // namespace tarvic::win32
