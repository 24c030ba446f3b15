#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "host/Host.h"
#include "ui/frmFindFile.h"
#include "ui/win32/BrowsePicture.h"
#include "ui/win32/FormParts.h"
#include "ui/win32/Twips.h"

namespace tarvic::win32 {

// Shows a fresh locate-tool dialog modally and returns its answer once it is gone.
std::string ShowFindFileDialog(Host& host, ErrorSink& errors);

// The real locate-tool dialog around frmFindFile.
class FindFileWindow : public FindFileView {
 public:
  // Throws when the system refuses to create the window.
  explicit FindFileWindow(frmFindFile& form);
  FindFileWindow(const FindFileWindow&) = delete;
  FindFileWindow& operator=(const FindFileWindow&) = delete;
  ~FindFileWindow() override;

  // Shows the dialog and runs its own message loop until it is destroyed.
  void ShowModal();

  void SetInstructionsText(const std::string& text) override;
  std::string LookupPathText() override;
  void SetLookupPathText(const std::string& text) override;
  void SetLookupPathSelStart(std::size_t utf8Offset) override;
  void SetOkEnabled(bool enabled) override;
  void SetTopmost() override { twips::SetTopmost(window_); }
  double ScreenWidth() override { return twips::ScreenWidth(window_); }
  double ScreenHeight() override { return twips::ScreenHeight(window_); }
  double Width() override { return twips::Width(window_); }
  double Height() override { return twips::Height(window_); }
  double ScaleHeight() override { return twips::ScaleHeight(window_); }
  void Move(double left, double top) override { twips::Move(window_, left, top); }
  void SetHeight(double height) override { twips::SetHeight(window_, height); }
  void Unload() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id, int notification);
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);

  frmFindFile& form_;
  HWND window_ = nullptr;
  std::unique_ptr<DialogFont> font_;
  BrowsePicture browsePicture_;
  HWND focusBeforeDeactivation_ = nullptr;
  // Set while the program itself changes the path box, which raises the change event once.
  bool settingPathText_ = false;
};

}  // namespace tarvic::win32
