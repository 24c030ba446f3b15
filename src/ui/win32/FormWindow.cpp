#include "ui/win32/FormWindow.h"

#include "host/win32/SystemError.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindowClass.h"

namespace tarvic::win32 {

template <class View>
FormWindow<View>::~FormWindow() {
  DestroyNow();
}

template <class View>
void FormWindow<View>::DestroyNow() {
  if (this->Window() != nullptr) DestroyWindow(this->Window());
}

template <class View>
void FormWindow<View>::Create(const FormDesign& design) {
  design_ = design;
  RegisterFormClass(design.className, WindowProc);
  const HWND window =
      CreateWindowExW(design.exStyle, design.className, design.caption, design.style, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (window == nullptr) throw LastErrorFailure("Can't create a window");
}

template <class View>
LRESULT CALLBACK FormWindow<View>::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  FormWindow* self = AttachedWindow<FormWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->SetWindow(window);
  return self->HandleMessage(message, wParam, lParam);
}

template <class View>
LRESULT FormWindow<View>::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = this->Window();
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      // IDOK and IDCANCEL (Enter and Escape) reach here too and are meant to do nothing.
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CTLCOLORSTATIC:
      return PaintReadOnlyBoxWhite(reinterpret_cast<HDC>(wParam));
    case 0x02E0:  // WM_DPICHANGED, newer than the headers we build against
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      this->SetWindow(nullptr);
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      // WM_CLOSE (close box, system menu, Alt+F4) destroys the window.
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

template <class View>
void FormWindow<View>::OnCreate() {
  const HWND window = this->Window();
  const int dpi = WindowDpi(window);
  const SIZE outer = OuterSizeForInner(window, design_.innerWidth, design_.innerHeight, dpi);
  SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = std::make_unique<DialogFont>(dpi);
  CreateChildControls(window, design_.controls, font_->Get(), dpi);
  OnCreated();
}

template <class View>
void FormWindow<View>::OnActivate(bool active) {
  const HWND window = this->Window();
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) focusBeforeDeactivation_ = focus;
    return;
  }
  SetFocus(focusBeforeDeactivation_ != nullptr ? focusBeforeDeactivation_
                                               : GetDlgItem(window, design_.firstFocus));
}

template <class View>
void FormWindow<View>::OnDpiChanged(int dpi, const RECT& suggested) {
  SetWindowPos(this->Window(), nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The controls switch to the new font before the old one goes.
  auto font = std::make_unique<DialogFont>(dpi);
  PlaceChildControls(this->Window(), design_.controls, font->Get(), dpi);
  font_ = std::move(font);
}

template class FormWindow<MainWindowView>;
template class FormWindow<FindFileView>;

}  // namespace tarvic::win32
