#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/frmFindFile.h"
#include "ui/win32/BrowsePicture.h"
#include "ui/win32/FormWindow.h"

namespace tarvic {
class Host;
}

namespace tarvic::win32 {

// Shows a fresh locate-tool dialog modally and returns its answer once it is gone.
std::string ShowFindFileDialog(Host& host, ErrorSink& errors,
                               const std::function<void()>& sessionEnded);

// The real locate-tool dialog around frmFindFile.
class FindFileWindow : public FormWindow<FindFileView> {
 public:
  // Throws when the system refuses to create the window.
  FindFileWindow(frmFindFile& form, const std::function<void()>& sessionEnded);
  ~FindFileWindow() override;

  // Shows the dialog and runs its own message loop until it is destroyed.
  void ShowModal();

  void SetInstructionsText(const std::string& text) override;
  std::string LookupPathText() override;
  void SetLookupPathText(const std::string& text) override;
  void SetLookupPathSelStart(std::size_t utf8Offset) override;
  void SetOkEnabled(bool enabled) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate();
  void OnCommand(int id, int notification);
  void ShowBrowsePicture();

  frmFindFile& form_;
  BrowsePicture browsePicture_;
  // Read when the dialog is made and again whenever the system colours change.
  bool highContrast_ = false;
  // Set while the program itself changes the path box, which raises the change event once.
  bool settingPathText_ = false;
};

}  // namespace tarvic::win32
