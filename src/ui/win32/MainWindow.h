#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/WindowFactory.h"
#include "ui/frmBatch.h"
#include "ui/win32/DialogKeys.h"
#include "ui/win32/FormWindow.h"

namespace tarvic::win32 {

// The real main window around frmBatch: created hidden, so the run can place it and fill it
// before it is first seen. Destroying it ends the program.
class MainWindow : public FormWindow<ShownMainWindow> {
 public:
  // `showCommand` is a mapped one. Throws when the system refuses to create the window.
  MainWindow(frmBatch& form, int showCommand, const std::function<void()>& sessionEnded);
  ~MainWindow() override;

  void Show() override;
  void RunUntilClosed() override;
  void AppendReportText(const std::string& text) override;
  bool IsOpen() override { return window_ != nullptr; }

  std::string ReportText() override;
  void SetReportText(const std::string& text) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate();
  void OnCommand(int id, int notification);

  frmBatch& form_;
  int showCommand_;
};

}  // namespace tarvic::win32
