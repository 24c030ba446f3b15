#include "ui/win32/MainWindow.h"

#include <array>

#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ChildControls.h"
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

MainWindow::MainWindow(frmBatch& form) : form_(form) {
  Create({TARVIC_BATCH_CLASS, L"Make Installation Batch Files:", kStyle, kExStyle,
          layout::batch::kInnerWidth, layout::batch::kInnerHeight, kControls, IDC_TXTREPORT});
}

MainWindow::~MainWindow() {
  DestroyNow();
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

void MainWindow::OnCreated() {
  const HWND report = GetDlgItem(Window(), IDC_TXTREPORT);
  // No limit: a long report must fit whole.
  SendMessageW(report, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(report);
}

void MainWindow::OnCommand(int id, int notification) {
  if (notification != BN_CLICKED) return;
  if (id == IDC_CMDCOPY) form_.cmdCopy_Click();
  if (id == IDC_CMDCLOSE) form_.cmdClose_Click();
}

void MainWindow::OnDestroy() {
  // Closing the main window, in any way, ends the program.
  PostQuitMessage(0);
}

}  // namespace tarvic::win32
