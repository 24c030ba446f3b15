#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "ui/Layout.h"

// What both top-level windows are built from. Each window has its own window procedure and
// routes its messages to handlers that use these.
namespace tarvic::win32 {

// One control of a window as designed: placed in twips on the inner area.
struct ChildControl {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  layout::TwipRect rect;
};

// Registers a top-level form's window class once, with the program's icon.
void RegisterFormClass(const wchar_t* className, WNDPROC windowProc);

// The object a window was created for (CreateWindowExW's last argument), attached to it at
// WM_NCCREATE; null for the messages that come before.
template <class Window>
Window* AttachedWindow(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* attached = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(attached));
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The platform's dialog font (the message font) at a given DPI. Owns the font it creates; the
// stock fallback is shared and never deleted.
class DialogFont {
 public:
  explicit DialogFont(int dpi);
  DialogFont(const DialogFont&) = delete;
  DialogFont& operator=(const DialogFont&) = delete;
  ~DialogFont();

  HFONT Get() const { return font_; }

 private:
  HFONT font_ = nullptr;
  bool owned_ = false;
};

// Sizes the window to its designed inner area and creates the controls in the order given,
// which is also their tab order.
void CreateControls(HWND window, int innerWidth, int innerHeight,
                    std::span<const ChildControl> controls, HFONT font, int dpi);

// After a move to a monitor of another DPI: takes the frame the system suggests and places and
// re-fonts the controls for the new DPI.
void PlaceForDpi(HWND window, const RECT& suggested, std::span<const ChildControl> controls,
                 HFONT font, int dpi);

// Keeps Enter, Escape and Tab for the window's keyboard handling, so a multi-line box neither
// swallows Tab nor closes its window on Escape.
void LeaveDialogKeysToWindow(HWND edit);

// Remembers the focused control when the window loses the activation and gives the focus back
// to it (or to `firstFocus`) when the window gets it again.
void KeepFocusAcrossActivation(HWND window, bool active, HWND& remembered, int firstFocus);

// The whole text of a control.
std::wstring TextOf(HWND control);

// Read-only text boxes keep the white of a text box rather than the grey of a label.
LRESULT PaintReadOnlyBoxWhite(HDC dc);

// Shows `text` as a tool tip while the mouse rests on `control`. The tip window belongs to
// `owner` and goes away with it.
void AddToolTip(HWND owner, HWND control, const wchar_t* text);

// Pumps messages, giving our windows dialog-style keys (Tab, access keys). With `until`, returns
// once that window is gone (a modal loop); without, returns the exit code at WM_QUIT.
int RunMessageLoop(HWND until = nullptr);

}  // namespace tarvic::win32
