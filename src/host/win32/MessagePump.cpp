#include "host/win32/MessagePump.h"

namespace tarvic::win32 {

namespace {

// Other top-level windows (tool tips) are dispatched plainly.
bool HandledAsDialogKey(MSG& message) {
  if (message.hwnd == nullptr) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr || (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) == 0) {
    return false;
  }
  return IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace

void DispatchThreadMessage(MSG& message) {
  if (HandledAsDialogKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

DWORD WaitDispatchingMessages(HANDLE object, DWORD timeoutMs, DWORD& error) {
  const DWORD start = GetTickCount();  // differences stay right across its wrap
  const DWORD objects = object != nullptr ? 1 : 0;
  bool quit = false;
  WPARAM quitCode = 0;
  DWORD result = WAIT_TIMEOUT;
  for (;;) {
    // Empty the queue before each wait: the wait wakes only for messages that arrive after it
    // was last emptied.
    MSG message;
    while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = message.wParam;
      } else {
        DispatchThreadMessage(message);
      }
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) {
      if (objects == 1 && WaitForSingleObject(object, 0) == WAIT_OBJECT_0) result = WAIT_OBJECT_0;
      break;
    }
    const DWORD left = timeoutMs - elapsed;
    // After a quit request nothing is dispatched any more: the program is ending.
    DWORD woke = WAIT_TIMEOUT;
    if (!quit) {
      woke = MsgWaitForMultipleObjects(objects, &object, FALSE, left, QS_ALLINPUT);
    } else if (objects == 1) {
      woke = WaitForSingleObject(object, left);
    } else {
      Sleep(left);
    }
    if (objects == 1 && woke == WAIT_OBJECT_0) {
      result = WAIT_OBJECT_0;
      break;
    }
    if (woke == WAIT_FAILED) {
      error = GetLastError();  // a handle that is unusable, or not ours to wait for
      result = WAIT_FAILED;
      break;
    }
    if (woke != WAIT_OBJECT_0 + objects) break;  // timed out
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return result;
}

// A modal loop looks at its window only when GetMessageW returns; the dialog wakes it as it goes.
// The main loop needs no such help: it ends at the quit request, a posted message. Nor does the
// registration wait, which wakes for any input and after a quit request waits with no window.
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
    DispatchThreadMessage(message);
  }
  return 0;
}

}  // namespace tarvic::win32
