#pragma once

#include <memory>

#include "ui/Desktop.h"

namespace tarvic::win32 {

// The real windows of a run with someone at the screen.
class Win32Desktop : public Desktop {
 public:
  // How the program was asked to show its window (wWinMain's nCmdShow).
  explicit Win32Desktop(int showCommand) : showCommand_(showCommand) {}

  MainWindowScreen& OpenMainWindow(frmBatch& form) override;
  std::string AskToolLocation(Host& host, ErrorSink& errors) override;

 private:
  int showCommand_;
  std::unique_ptr<MainWindowScreen> mainWindow_;
};

}  // namespace tarvic::win32
