#include "ui/win32/DialogKeys.h"

#include "host/win32/DynamicCalls.h"
#include "host/win32/MessagePump.h"

namespace tarvic::win32 {

namespace {

LRESULT CALLBACK DialogKeysEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR) {
  const ComCtl32Calls& comctl32 = ComCtl32();
  if (message == WM_NCDESTROY) comctl32.removeWindowSubclass(edit, DialogKeysEditProc, subclassId);
  const LRESULT result = comctl32.defSubclassProc(edit, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  return result;
}

}  // namespace

void LeaveDialogKeysToWindow(HWND edit) {
  const ComCtl32Calls& comctl32 = ComCtl32();
  // Without all three the edit keeps its own keys; the windows still work.
  if (comctl32.setWindowSubclass != nullptr && comctl32.removeWindowSubclass != nullptr &&
      comctl32.defSubclassProc != nullptr) {
    comctl32.setWindowSubclass(edit, DialogKeysEditProc, 0, 0);
  }
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
