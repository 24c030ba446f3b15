#include "ui/win32/DialogKeys.h"

#include "host/win32/DynamicCalls.h"

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

}  // namespace tarvic::win32
