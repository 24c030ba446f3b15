#include "ui/win32/MessageLoop.h"

namespace tarvic::win32 {

namespace {

// Our windows mark themselves as control parents; other top-level windows (tool tips) are
// dispatched plainly.
bool HandledAsDialogKey(MSG& message) {
  if (message.hwnd == nullptr) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr || (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) == 0) {
    return false;
  }
  return IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace

int RunMessageLoop(HWND until) {
  MSG message;
  while (until == nullptr || IsWindow(until)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return -1;
    if (got == 0) {
      const int exitCode = static_cast<int>(message.wParam);
      // A modal loop leaves the quit request to the outer loop.
      if (until != nullptr) PostQuitMessage(exitCode);
      return exitCode;
    }
    if (HandledAsDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace tarvic::win32
