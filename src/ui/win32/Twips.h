#pragma once

#include <windows.h>

#include "ui/Layout.h"

namespace tarvic::win32 {

// Dots per inch of the monitor the window is on; the system's where the platform cannot say per
// window (before Windows 10).
int WindowDpi(HWND window);
int SystemDpi();

inline int TwipsToPixels(double twips, int dpi) {
  const double pixels = twips * dpi / layout::kTwipsPerInch;
  return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}
inline double PixelsToTwips(int pixels, int dpi) {
  return pixels * static_cast<double>(layout::kTwipsPerInch) / dpi;
}

// Outer size of a top-level window whose inner area is `width` x `height` twips at `dpi`.
SIZE OuterSizeForInner(HWND window, int width, int height, int dpi);

// What a form's logic asks of its top-level window (FormView), in twips at the window's DPI.
namespace twips {
void SetTopmost(HWND window);
double ScreenWidth(HWND window);
double ScreenHeight(HWND window);
double Width(HWND window);
double Height(HWND window);
double ScaleHeight(HWND window);  // the inner area
void Move(HWND window, double left, double top);
void SetHeight(HWND window, double height);
}  // namespace twips

}  // namespace tarvic::win32
