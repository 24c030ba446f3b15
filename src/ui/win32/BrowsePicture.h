#pragma once

#include <windows.h>

namespace tarvic::win32 {

// The browse button's picture, drawn for the window's DPI. Owns the bitmap the button shows.
class BrowsePicture {
 public:
  BrowsePicture() = default;
  BrowsePicture(const BrowsePicture&) = delete;
  BrowsePicture& operator=(const BrowsePicture&) = delete;
  ~BrowsePicture();

  // Gives `button` the picture at `dpi` (again after a DPI change), once the button is placed.
  void ShowOn(HWND button, int dpi);

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace tarvic::win32
