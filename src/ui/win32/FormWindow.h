#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "ui/win32/ChildControls.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/TwipsFormView.h"

namespace tarvic::win32 {

// How a form's window looks as designed.
struct FormDesign {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  int innerWidth;  // twips
  int innerHeight;
  std::span<const ChildControl> controls;  // in tab order
  int firstFocus;                          // the control that has the focus when the window opens
};

// What both top-level windows share: one window procedure routing to small handlers, the
// designed layout at the window's DPI, and the focus kept across deactivation. A derived window
// calls Create from its own constructor and handles its commands.
template <class View>
class FormWindow : public TwipsFormView<View> {
 public:
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

 protected:
  FormWindow() = default;

  // Creates the window hidden, with its controls. Throws when the system refuses.
  void Create(const FormDesign& design);
  // Destroys the window if it is still there; derived destructors call it so that their own
  // OnDestroy still runs.
  void DestroyNow();

  virtual void OnCreated() {}
  virtual void OnCommand(int /*id*/, int /*notification*/) {}
  virtual void OnDestroy() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);

  FormDesign design_{};
  std::unique_ptr<DialogFont> font_;
  HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace tarvic::win32
