#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/frmBatch.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/TwipsFormView.h"

namespace tarvic::win32 {

// The real main window around frmBatch: created hidden, so the run can place it and fill it
// before it is first seen. Destroying it ends the program.
class MainWindow : public TwipsFormView<MainWindowView> {
 public:
  explicit MainWindow(frmBatch& form);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  void Show(int showCommand);

  std::string ReportText() override;
  void SetReportText(const std::string& text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id, int notification);
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnDestroy();

  frmBatch& form_;
  std::unique_ptr<DialogFont> font_;
  HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace tarvic::win32
