#pragma once

#include <memory>

#include "ui/ShowCommand.h"
#include "ui/WindowFactory.h"

namespace tarvic::win32 {

// The real windows of a run with someone at the screen.
class Win32WindowFactory : public WindowFactory {
 public:
  // How the program was asked to show its window (wWinMain's nCmdShow).
  explicit Win32WindowFactory(int showCommand)
      : showCommand_(show::MappedShowCommand(showCommand)) {}

  void TakeStarterShowCommand() override;
  void WhenSessionEnds(std::function<void()> ended) override { sessionEnded_ = std::move(ended); }
  ShownMainWindow& OpenMainWindow(frmBatch& form) override;
  std::string AskToolLocation(Host& host, ErrorSink& errors) override;

 private:
  int showCommand_;
  std::function<void()> sessionEnded_;
  std::unique_ptr<ShownMainWindow> mainWindow_;
};

}  // namespace tarvic::win32
