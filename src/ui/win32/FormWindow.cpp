#include "ui/win32/FormWindow.h"

#include "host/win32/DynamicCalls.h"
#include "ui/ShowCommand.h"
#include "ui/win32/ControlIds.h"

namespace tarvic::win32 {

namespace {

// Registers a form's window class once, with the program's icon.
void RegisterFormClass(const wchar_t* className, WNDPROC windowProc) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(instance, className, &windowClass)) return;

  windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                 GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR | LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

void Place(HWND control, const layout::TwipRect& rect, int dpi) {
  SetWindowPos(control, nullptr, TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
               TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FormWindowBase::Create() {
  RegisterFormClass(design_.className, WindowProc);
  if (!CreateWindowExW(design_.exStyle, design_.className, design_.caption, design_.style,
                       CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                       GetModuleHandleW(nullptr), this)) {
    throw LastErrorFailure("Can't create a window");
  }
}

void FormWindowBase::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK FormWindowBase::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<FormWindowBase*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->window_ = window;
  }
  auto* self = reinterpret_cast<FormWindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Messages before WM_NCCREATE have no object to go to.
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT FormWindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CTLCOLORSTATIC: {
      // Read-only text boxes keep the white of a text box rather than the grey of a label.
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // nothing is asked: the run's log is kept as the session ends
    case WM_ENDSESSION:
      // Every top-level window hears it, hidden ones too, and the process may be ended as soon
      // as it returns: the handler does its work before, whichever window hears it first.
      if (wParam && sessionEnded_) sessionEnded_();
      return 0;
  }
  // WM_CLOSE (close box, system menu, Alt+F4) destroys the window.
  return DefWindowProcW(window_, message, wParam, lParam);
}

void FormWindowBase::CreateControls() {
  const SIZE outer = OuterSizeForInner(window_, design_.innerWidth, design_.innerHeight, Dpi());
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Growing from nothing may have taken the window onto a monitor of another DPI: the controls
  // and their font take the DPI it has now.
  const int dpi = Dpi();
  font_.emplace(dpi);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ChildControl& control : design_.controls) {
    const HWND child = CreateWindowExW(
        0, control.className, control.text,
        WS_CHILD | (control.shown ? WS_VISIBLE : 0) | control.style,
        TwipsToPixels(control.rect.left, dpi), TwipsToPixels(control.rect.top, dpi),
        TwipsToPixels(control.rect.width, dpi), TwipsToPixels(control.rect.height, dpi), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Get()), FALSE);
  }
}

void FormWindowBase::ShowFirstTime(int command) {
  ShowWindow(window_, command);
  const show::WindowState state = {IsWindowVisible(window_) != FALSE, IsIconic(window_) != FALSE,
                                   IsZoomed(window_) != FALSE};
  if (!show::ShowsAs(command, state)) ShowWindow(window_, command);
}

void FormWindowBase::OnActivate(bool active) {
  // Remembers the focused control when the window loses the activation and gives the focus back
  // to it when the window gets it again.
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
    return;
  }
  SetFocus(focusBeforeDeactivation_ != nullptr ? focusBeforeDeactivation_
                                               : Item(design_.firstFocus));
}

void FormWindowBase::OnDpiChanged(int dpi, const RECT& suggested) {
  // After a move to a monitor of another DPI: the frame the system suggests, then the controls
  // placed and re-fonted; they switch to the new font before the old one goes.
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  DialogFont font(dpi);
  for (const ChildControl& control : design_.controls) {
    const HWND child = Item(control.id);
    if (child == nullptr) continue;  // the window is still growing: they come with its DPI
    Place(child, control.rect, dpi);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  font_ = std::move(font);
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), text.size())));
  return text;
}

}  // namespace tarvic::win32
