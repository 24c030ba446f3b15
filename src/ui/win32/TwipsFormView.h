#pragma once

#include <windows.h>

#include "ui/FormView.h"

namespace tarvic::win32 {

// The measuring and placing part of a form's view, in twips, for one top-level window.
// `View` is the form's view interface (MainWindowView or FindFileView).
template <class View>
class TwipsFormView : public View {
 public:
  void SetTopmost() override;
  double ScreenWidth() override;
  double ScreenHeight() override;
  double Width() override;
  double Height() override;
  double ScaleHeight() override;
  void Move(double left, double top) override;
  void SetHeight(double height) override;
  void Unload() override;

 protected:
  HWND Window() const { return window_; }
  void SetWindow(HWND window) { window_ = window; }

 private:
  int Dpi() const;
  RECT WindowRect() const;

  HWND window_ = nullptr;
};

}  // namespace tarvic::win32
