#include "ui/win32/MainWindow.h"

#include <array>

#include "host/win32/DynamicCalls.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ControlIds.h"

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

MainWindow::MainWindow(frmBatch& form, int showCommand) : form_(form), showCommand_(showCommand) {
  RegisterFormClass(TARVIC_BATCH_CLASS, WindowProc);
  if (!CreateWindowExW(kExStyle, TARVIC_BATCH_CLASS, L"Make Installation Batch Files:", kStyle,
                       CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                       GetModuleHandleW(nullptr), this)) {
    throw LastErrorFailure("Can't create a window");
  }
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = AttachedWindow<MainWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCCREATE:
      self->window_ = window;
      break;
    case WM_CREATE:
      self->OnCreate();
      return 0;
    case WM_COMMAND:
      // IDOK and IDCANCEL (Enter and Escape) reach here too and are meant to do nothing.
      self->OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      self->OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CTLCOLORSTATIC:
      return PaintReadOnlyBoxWhite(reinterpret_cast<HDC>(wParam));
    case WM_DPICHANGED:
      self->OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      self->OnDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
      break;
  }
  // WM_CLOSE (close box, system menu, Alt+F4) destroys the window.
  return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::OnCreate() {
  const int dpi = WindowDpi(window_);
  font_ = std::make_unique<DialogFont>(dpi);
  CreateControls(window_, layout::batch::kInnerWidth, layout::batch::kInnerHeight, kControls,
                 font_->Get(), dpi);
  const HWND report = GetDlgItem(window_, IDC_TXTREPORT);
  // No limit: a long report must fit whole.
  SendMessageW(report, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(report);
}

void MainWindow::OnCommand(int id, int notification) {
  if (notification != BN_CLICKED) return;
  if (id == IDC_CMDCOPY) form_.cmdCopy_Click();
  if (id == IDC_CMDCLOSE) form_.cmdClose_Click();
}

void MainWindow::OnActivate(bool active) {
  KeepFocusAcrossActivation(window_, active, focusBeforeDeactivation_, IDC_TXTREPORT);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  // The controls switch to the new font before the old one goes.
  auto font = std::make_unique<DialogFont>(dpi);
  PlaceForDpi(window_, suggested, kControls, font->Get(), dpi);
  font_ = std::move(font);
}

void MainWindow::OnDestroy() {
  // Closing the main window, in any way, ends the program.
  PostQuitMessage(0);
}

void MainWindow::Show() {
  ShowWindow(window_, showCommand_);
  // A locate dialog that just closed may have handed the activation elsewhere.
  SetForegroundWindow(window_);
  UpdateWindow(window_);
  SetFocus(GetDlgItem(window_, IDC_TXTREPORT));
}

void MainWindow::RunUntilClosed() {
  // Closing the window posts the quit request that ends this loop.
  RunMessageLoop();
}

std::string MainWindow::ReportText() {
  return Narrow(TextOf(GetDlgItem(window_, IDC_TXTREPORT)));
}

void MainWindow::SetReportText(const std::string& text) {
  if (!SetDlgItemTextW(window_, IDC_TXTREPORT, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the report");
  }
}

void MainWindow::AppendReportText(const std::string& text) {
  // Only the new text goes in, so a long report is not copied again for each line; putting the
  // caret at the end scrolls the new line into view.
  const HWND report = GetDlgItem(window_, IDC_TXTREPORT);
  const LRESULT end = GetWindowTextLengthW(report);
  SendMessageW(report, EM_SETSEL, end, end);
  SendMessageW(report, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void MainWindow::Unload() {
  if (!DestroyWindow(window_)) throw LastErrorFailure("Can't close the window");
}

}  // namespace tarvic::win32
