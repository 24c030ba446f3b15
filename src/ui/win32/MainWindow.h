#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/Desktop.h"
#include "ui/frmBatch.h"
#include "ui/win32/FormParts.h"
#include "ui/win32/Twips.h"

namespace tarvic::win32 {

// The real main window around frmBatch: created hidden, so the run can place it and fill it
// before it is first seen. Destroying it ends the program.
class MainWindow : public MainWindowScreen {
 public:
  // Throws when the system refuses to create the window.
  MainWindow(frmBatch& form, int showCommand);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  void Show() override;
  void RunUntilClosed() override;
  void AppendReportText(const std::string& text) override;
  bool IsOpen() override { return window_ != nullptr; }

  std::string ReportText() override;
  void SetReportText(const std::string& text) override;
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
  void OnDestroy();

  frmBatch& form_;
  int showCommand_;
  HWND window_ = nullptr;
  std::unique_ptr<DialogFont> font_;
  HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace tarvic::win32
