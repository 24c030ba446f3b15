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

bool WaitDispatchingMessages(HANDLE object, DWORD timeoutMs) {
  const DWORD start = GetTickCount();  // differences stay right across its wrap
  bool quit = false;
  WPARAM quitCode = 0;
  bool signalled = false;
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
      signalled = WaitForSingleObject(object, 0) == WAIT_OBJECT_0;
      break;
    }
    const DWORD left = timeoutMs - elapsed;
    // After a quit request nothing is dispatched any more: the program is ending.
    const DWORD woke = quit ? WaitForSingleObject(object, left)
                            : MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) {
      signalled = true;
      break;
    }
    if (woke != WAIT_OBJECT_0 + 1) break;  // timed out, or the handle is unusable
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return signalled;
}

}  // namespace tarvic::win32
