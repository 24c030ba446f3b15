#include "ui/win32/MainWindow.h"

#include <array>

#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ChildControls.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindowClass.h"

namespace tarvic::win32 {

namespace {

constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// A dialog-style frame; control parent so Tab and access keys move between the controls.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr DWORD kReadOnlyTextStyle =
    WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

// In tab order: the report first, so it has the focus when the window opens.
constexpr std::array<ChildControl, 3> kControls = {{
    {IDC_TXTREPORT, L"EDIT", L"Text1", kReadOnlyTextStyle, layout::batch::txtReport},
    {IDC_CMDCLOSE, L"BUTTON", L"Close", WS_TABSTOP | BS_PUSHBUTTON, layout::batch::cmdClose},
    {IDC_CMDCOPY, L"BUTTON", L"&Copy to Clipboard", WS_TABSTOP | BS_PUSHBUTTON,
     layout::batch::cmdCopy},
}};

}  // namespace

MainWindow::MainWindow(frmBatch& form) : form_(form) {
  RegisterFormClass(TARVIC_BATCH_CLASS, WindowProc);
  const HWND window = CreateWindowExW(
      kExStyle, TARVIC_BATCH_CLASS, L"Make Installation Batch Files:", kStyle, CW_USEDEFAULT,
      CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (window == nullptr) throw LastErrorFailure("Can't create the main window");
}

MainWindow::~MainWindow() {
  if (Window() != nullptr) DestroyWindow(Window());
}

void MainWindow::Show(int showCommand) {
  ShowWindow(Window(), showCommand);
  // A locate dialog that just closed may have handed the activation elsewhere.
  SetForegroundWindow(Window());
  UpdateWindow(Window());
  SetFocus(GetDlgItem(Window(), IDC_TXTREPORT));
}

std::string MainWindow::ReportText() {
  const HWND box = GetDlgItem(Window(), IDC_TXTREPORT);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), text.size())));
  return Narrow(text);
}

void MainWindow::SetReportText(const std::string& text) {
  if (!SetDlgItemTextW(Window(), IDC_TXTREPORT, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the report");
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = AttachedWindow<MainWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->SetWindow(window);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
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
      SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
      SetWindow(nullptr);
      return DefWindowProcW(Window(), message, wParam, lParam);
    default:
      return DefWindowProcW(Window(), message, wParam, lParam);
  }
}

void MainWindow::OnCreate() {
  const int dpi = WindowDpi(Window());
  const SIZE outer =
      OuterSizeForInner(Window(), layout::batch::kInnerWidth, layout::batch::kInnerHeight, dpi);
  SetWindowPos(Window(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = std::make_unique<DialogFont>(dpi);
  CreateChildControls(Window(), kControls, font_->Get(), dpi);
  const HWND report = GetDlgItem(Window(), IDC_TXTREPORT);
  // No limit: a long report must fit whole.
  SendMessageW(report, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(report);
}

void MainWindow::OnCommand(int id, int notification) {
  // IDOK and IDCANCEL (Enter and Escape) reach here too and are meant to do nothing.
  if (notification != BN_CLICKED) return;
  if (id == IDC_CMDCOPY) form_.cmdCopy_Click();
  if (id == IDC_CMDCLOSE) form_.cmdClose_Click();
}

void MainWindow::OnActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(Window(), focus)) focusBeforeDeactivation_ = focus;
    return;
  }
  const HWND focus = focusBeforeDeactivation_ != nullptr ? focusBeforeDeactivation_
                                                         : GetDlgItem(Window(), IDC_TXTREPORT);
  SetFocus(focus);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The controls switch to the new font before the old one goes.
  auto font = std::make_unique<DialogFont>(dpi);
  PlaceChildControls(Window(), kControls, font->Get(), dpi);
  font_ = std::move(font);
}

void MainWindow::OnDestroy() {
  // Closing the main window, in any way, ends the program.
  PostQuitMessage(0);
}

}  // namespace tarvic::win32
