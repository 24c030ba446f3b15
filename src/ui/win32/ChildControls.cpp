#include "ui/win32/ChildControls.h"

#include "ui/win32/Dpi.h"

namespace tarvic::win32 {

namespace {

constexpr wchar_t kOriginalProcProperty[] = L"TarvicKit.EditProc";

LRESULT CALLBACK DialogKeysEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(edit, kOriginalProcProperty));
  const LRESULT result = CallWindowProcW(original, edit, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  if (message == WM_NCDESTROY) RemovePropW(edit, kOriginalProcProperty);
  return result;
}

}  // namespace

void CreateChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font, int dpi) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (const ChildControl& control : controls) {
    const HWND child = CreateWindowExW(
        0, control.className, control.text, WS_CHILD | WS_VISIBLE | control.style,
        TwipsToPixels(control.rect.left, dpi), TwipsToPixels(control.rect.top, dpi),
        TwipsToPixels(control.rect.width, dpi), TwipsToPixels(control.rect.height, dpi), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

void PlaceChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font, int dpi) {
  for (const ChildControl& control : controls) {
    const HWND child = GetDlgItem(parent, control.id);
    SetWindowPos(child, nullptr, TwipsToPixels(control.rect.left, dpi),
                 TwipsToPixels(control.rect.top, dpi), TwipsToPixels(control.rect.width, dpi),
                 TwipsToPixels(control.rect.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

SIZE OuterSizeForInner(HWND window, int width, int height, int dpi) {
  RECT rect = {0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
  AdjustWindowRectForDpi(rect, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void LeaveDialogKeysToWindow(HWND edit) {
  const LONG_PTR original =
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogKeysEditProc));
  SetPropW(edit, kOriginalProcProperty, reinterpret_cast<HANDLE>(original));
}

}  // namespace tarvic::win32
