#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Dots per inch of the monitor the window is on; the system's when the platform cannot say
// per window (before Windows 10).
int WindowDpi(HWND window);
int SystemDpi();

// Outer window rectangle for a client rectangle, using the frame metrics of `dpi`.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

// 1440 twips make an inch.
inline int TwipsToPixels(double twips, int dpi) {
  const double pixels = twips * dpi / 1440.0;
  return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}
inline double PixelsToTwips(int pixels, int dpi) {
  return pixels * 1440.0 / dpi;
}

}  // namespace tarvic::win32
