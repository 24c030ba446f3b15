#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <span>

#include "ui/win32/ScopedWin.h"

namespace tarvic::win32 {

// Whether the user has turned High Contrast on.
bool HighContrastOn();

// The colours the picture is drawn in, given its palette as designed and the entry its first
// pixel uses (transparent): that entry takes the button face; in High Contrast every other entry
// takes the button text colour, so the picture keeps the contrast the user chose; otherwise they
// stay as designed.
void ColourPicture(std::span<RGBQUAD> palette, std::size_t transparent, bool highContrast,
                   const std::function<COLORREF(int)>& systemColour);

// The browse button's picture, drawn for the window's DPI and the system's colours. Owns the
// bitmap the button shows.
class BrowsePicture {
 public:
  // Gives `button` the picture (again after a DPI or colour change), once the button is placed.
  void ShowOn(HWND button, int dpi, bool highContrast);

 private:
  OwnedBitmap bitmap_;
};

}  // namespace tarvic::win32
