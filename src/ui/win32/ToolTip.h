#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Shows the control's own text (its accessible name) as a tool tip while the mouse rests on it,
// for a control that draws a picture instead. The tip window belongs to `owner` and goes away
// with it.
void AddToolTip(HWND owner, HWND control);

}  // namespace tarvic::win32
