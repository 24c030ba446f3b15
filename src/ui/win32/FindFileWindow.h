#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "host/Host.h"
#include "ui/frmFindFile.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/TwipsFormView.h"

namespace tarvic::win32 {

// Creates a fresh locate-tool dialog for `owner`, shows it modally and returns once it is gone.
void ShowFindFileDialog(Host& host, Form& owner);

// The real locate-tool dialog around frmFindFile.
class FindFileWindow : public TwipsFormView<FindFileView> {
 public:
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

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id, int notification);
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnDestroy();

  frmFindFile& form_;
  std::unique_ptr<DialogFont> font_;
  HBITMAP browsePicture_ = nullptr;
  HWND focusBeforeDeactivation_ = nullptr;
  // Set while the program itself changes the path box, which raises the change event once.
  bool settingPathText_ = false;
};

}  // namespace tarvic::win32
