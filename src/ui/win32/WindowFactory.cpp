#include "ui/win32/WindowFactory.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

#include "host/win32/DynamicCalls.h"
#include "ui/win32/FindFileWindow.h"
#include "ui/win32/MainWindow.h"

namespace tarvic::win32 {

void Win32WindowFactory::TakeStarterShowCommand() {
  // Where the starter set STARTF_USESHOWWINDOW, the first ShowWindow on a captioned top-level
  // window (a message box's too) gets the starter's command in place of a plain show, and the
  // flag is spent. SW_HIDE is never replaced, so a hidden window of our own spends it harmlessly.
  const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> window(
      CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_CAPTION, 0, 0, 0, 0, nullptr, nullptr,
                      GetModuleHandleW(nullptr), nullptr),
      DestroyWindow);
  if (window) ShowWindow(window.get(), SW_HIDE);
}

ShownMainWindow& Win32WindowFactory::OpenMainWindow(frmBatch& form) {
  // Visual styles need the common controls registered before the first window.
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  if (const auto init = ComCtl32().initCommonControlsEx) init(&controls);
  mainWindow_ = std::make_unique<MainWindow>(form, showCommand_, sessionEnded_);
  return *mainWindow_;
}

std::string Win32WindowFactory::AskToolLocation(Host& host, ErrorSink& errors) {
  return ShowFindFileDialog(host, errors, sessionEnded_);
}

}  // namespace tarvic::win32
