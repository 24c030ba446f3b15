#include "ui/win32/Desktop.h"

#include <windows.h>

#include <commctrl.h>

#include "host/win32/DynamicCalls.h"
#include "ui/win32/FindFileWindow.h"
#include "ui/win32/MainWindow.h"

namespace tarvic::win32 {

MainWindowScreen& Win32Desktop::OpenMainWindow(frmBatch& form) {
  // Visual styles need the common controls registered before the first window.
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  if (const auto init = ComCtl32().initCommonControlsEx) init(&controls);
  mainWindow_ = std::make_unique<MainWindow>(form, showCommand_);
  return *mainWindow_;
}

std::string Win32Desktop::AskToolLocation(Host& host, ErrorSink& errors) {
  return ShowFindFileDialog(host, errors);
}

}  // namespace tarvic::win32
