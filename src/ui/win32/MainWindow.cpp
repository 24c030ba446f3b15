#include "ui/win32/MainWindow.h"

#include <array>

#include "host/win32/MessagePump.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/ShowCommand.h"
#include "ui/win32/ControlIds.h"

namespace tarvic::win32 {

namespace {

// In tab order: the report first, so it has the focus when the window opens.
constexpr std::array<ChildControl, 4> kControls = {{
    NameLabel(IDC_LBLREPORT, L"Report", layout::batch::txtReport),
    {IDC_TXTREPORT, L"EDIT", L"Text1", kReadOnlyTextStyle, layout::batch::txtReport},
    {IDC_CMDCLOSE, L"BUTTON", L"Close", WS_TABSTOP | BS_PUSHBUTTON, layout::batch::cmdClose},
    {IDC_CMDCOPY, L"BUTTON", L"&Copy to Clipboard", WS_TABSTOP | BS_PUSHBUTTON,
     layout::batch::cmdCopy},
}};

constexpr FormDesign kDesign = {
    TARVIC_BATCH_CLASS,
    L"Make Installation Batch Files:",
    WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    // A dialog-style frame; control parent so Tab and access keys move between the controls.
    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
    layout::batch::kInnerWidth,
    layout::batch::kInnerHeight,
    kControls,
    IDC_TXTREPORT,
};

}  // namespace

MainWindow::MainWindow(frmBatch& form, int showCommand, const std::function<void()>& sessionEnded)
    : FormWindow(kDesign, sessionEnded), form_(form), showCommand_(showCommand) {
  Create();
}

MainWindow::~MainWindow() {
  Destroy();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DESTROY:
      // Closing the main window, in any way, ends the program.
      PostQuitMessage(0);
      return 0;
  }
  return FormWindowBase::HandleMessage(message, wParam, lParam);
}

void MainWindow::OnCreate() {
  CreateControls();
  const HWND report = Item(IDC_TXTREPORT);
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

void MainWindow::Show() {
  ShowFirstTime(showCommand_);
  const bool takesForeground = show::TakesForeground(showCommand_);
  // A locate dialog that just closed may have handed the activation elsewhere.
  if (takesForeground) SetForegroundWindow(window_);
  UpdateWindow(window_);
  // Setting the focus would activate a window that was to start inactive; its activation sets
  // the focus once the user gets there.
  if (takesForeground) SetFocus(Item(IDC_TXTREPORT));
}

void MainWindow::RunUntilClosed() {
  // Closing the window posts the quit request that ends this loop.
  RunMessageLoop();
}

std::string MainWindow::ReportText() {
  return Narrow(TextOf(Item(IDC_TXTREPORT)));
}

void MainWindow::SetReportText(const std::string& text) {
  if (!SetDlgItemTextW(window_, IDC_TXTREPORT, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the report");
  }
}

void MainWindow::AppendReportText(const std::string& text) {
  // Only the new text goes in, so a long report is not copied again for each line; putting the
  // caret at the end scrolls the new line into view.
  const HWND report = Item(IDC_TXTREPORT);
  const LRESULT end = GetWindowTextLengthW(report);
  SendMessageW(report, EM_SETSEL, end, end);
  SendMessageW(report, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

}  // namespace tarvic::win32
