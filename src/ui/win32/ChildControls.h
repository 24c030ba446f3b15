#pragma once

#include <windows.h>

#include <span>

#include "ui/Layout.h"

namespace tarvic::win32 {

// One control of a window as designed: placed in twips on the inner area.
struct ChildControl {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  layout::TwipRect rect;
};

// Creates the controls in the order given, which is also their tab order.
void CreateChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font, int dpi);

// Places and re-fonts existing controls, after the window moved to a monitor of another DPI.
void PlaceChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font, int dpi);

// Outer size of a top-level window whose inner area is `width` x `height` twips.
SIZE OuterSizeForInner(HWND window, int width, int height, int dpi);

// Keeps Enter, Escape and Tab for the window's keyboard handling, so a multi-line box neither
// swallows Tab nor closes its window on Escape.
void LeaveDialogKeysToWindow(HWND edit);

}  // namespace tarvic::win32
