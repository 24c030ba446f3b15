#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "host/win32/SystemError.h"
#include "ui/Layout.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/Twips.h"

namespace tarvic::win32 {

// One control of a window as designed: placed in twips on the inner area.
struct ChildControl {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  layout::TwipRect rect;
  bool shown = true;
};

// A label that is never shown, naming the control created right after it: Windows takes an
// edit's accessible name from the static just before it in the z-order. No prefix, so its text
// claims no access key.
constexpr ChildControl NameLabel(int id, const wchar_t* name, layout::TwipRect rect) {
  return {id, L"STATIC", name, SS_NOPREFIX, rect, false};
}

// A box that shows a text: selectable and scrolled, never edited; long lines wrap at word
// boundaries, as there is no horizontal scroll bar.
constexpr DWORD kReadOnlyTextStyle =
    WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

// A top-level form as designed.
struct FormDesign {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  int innerWidth;
  int innerHeight;
  // Created in this order, which is the z-order and so also the tab order.
  std::span<const ChildControl> controls;
  // Has the focus when the window first gets it.
  int firstFocus;
};

// The one window-procedure shape of both forms: a static window procedure attaches the object
// at WM_NCCREATE and hands every message to HandleMessage. A form handles its own messages and
// leaves the rest to this base, which does what both forms do: the first show, DPI changes, the
// focus across activation, white read-only boxes, and the end of the session.
class FormWindowBase {
 public:
  FormWindowBase(const FormWindowBase&) = delete;
  FormWindowBase& operator=(const FormWindowBase&) = delete;

 protected:
  // `sessionEnded` is called when Windows ends the session while the window exists.
  FormWindowBase(const FormDesign& design, const std::function<void()>& sessionEnded)
      : design_(design), sessionEnded_(sessionEnded) {}
  virtual ~FormWindowBase() { Destroy(); }

  // Called at the end of the form's constructor, so its HandleMessage sees WM_CREATE. Throws when
  // the system refuses to create the window.
  void Create();
  // A form's destructor calls it while everything its controls show still exists.
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // From WM_CREATE: sizes the window to its designed inner area and creates the controls.
  void CreateControls();
  // Shows the window as `command` (a mapped one) asks, whatever the system made of the call.
  void ShowFirstTime(int command);
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  int Dpi() const { return WindowDpi(window_); }

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);

  FormDesign design_;
  const std::function<void()>& sessionEnded_;
  std::optional<DialogFont> font_;
  HWND focusBeforeDeactivation_ = nullptr;
};

// What a form's logic asks of its window (FormView), in twips at the window's DPI, for both forms.
template <class View>
class FormWindow : public View, protected FormWindowBase {
 public:
  void SetTopmost() override { twips::SetTopmost(window_); }
  double ScreenWidth() override { return twips::ScreenWidth(window_); }
  double ScreenHeight() override { return twips::ScreenHeight(window_); }
  double Width() override { return twips::Width(window_); }
  double Height() override { return twips::Height(window_); }
  double ScaleHeight() override { return twips::ScaleHeight(window_); }
  void Move(double left, double top) override { twips::Move(window_, left, top); }
  int DotsPerInch() override { return Dpi(); }
  void SetHeight(double height) override { twips::SetHeight(window_, height); }
  void Unload() override {
    if (!DestroyWindow(window_)) throw LastErrorFailure("Can't close the window");
  }

 protected:
  using FormWindowBase::FormWindowBase;
};

// The whole text of a control.
std::wstring TextOf(HWND control);

}  // namespace tarvic::win32
