#pragma once

#include <windows.h>

#include "ui/win32/ScopedWin.h"

namespace tarvic::win32 {

// The browse button's picture, drawn for the window's DPI. Owns the bitmap the button shows.
class BrowsePicture {
 public:
  // Gives `button` the picture at `dpi` (again after a DPI change), once the button is placed.
  void ShowOn(HWND button, int dpi);

 private:
  OwnedBitmap bitmap_;
};

}  // namespace tarvic::win32
