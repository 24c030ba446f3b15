#include "ui/win32/FindFileWindow.h"

#include <array>

#include "host/Host.h"
#include "host/win32/DynamicCalls.h"
#include "host/win32/MessagePump.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/DialogKeys.h"
#include "ui/win32/ToolTip.h"

namespace tarvic::win32 {

namespace {

// In tab order: the path box first, so the caret is there when the dialog opens. The browse
// button's text is its name and its tool tip; the picture it shows hides the text.
constexpr std::array<ChildControl, 7> kControls = {{
    NameLabel(IDC_LBLLOOKUPPATH, L"Path of ESRIRegAsm.exe", layout::findfile::txtLookupPath),
    {IDC_TXTLOOKUPPATH, L"EDIT", L"txtLookupPath", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
     layout::findfile::txtLookupPath},
    {IDC_CMDSELLOOKUP, L"BUTTON", L"Browse for Lookup Table...",
     WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, layout::findfile::cmdSelLookup},
    {IDC_CMDCANCEL, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, layout::findfile::cmdCancel},
    {IDC_CMDOK, L"BUTTON", L"OK", WS_TABSTOP | BS_PUSHBUTTON, layout::findfile::cmdOK},
    NameLabel(IDC_LBLINSTRUCTIONS, L"Instructions", layout::findfile::txtInstructions),
    {IDC_TXTINSTRUCTIONS, L"EDIT", L"Text1", kReadOnlyTextStyle, layout::findfile::txtInstructions},
}};

constexpr FormDesign kDesign = {
    TARVIC_FINDFILE_CLASS,
    L" Specify Location of ESRIRegAsm.exe:",
    WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    // A thin fixed frame; control parent so Tab and access keys move between the controls.
    WS_EX_CONTROLPARENT,
    layout::findfile::kInnerWidth,
    layout::findfile::kInnerHeight,
    kControls,
    IDC_TXTLOOKUPPATH,
};

}  // namespace

std::string ShowFindFileDialog(Host& host, ErrorSink& errors,
                               const std::function<void()>& sessionEnded) {
  // Declared first, so the answer outlives the window.
  frmFindFile form(host, errors);
  {
    FindFileWindow window(form, sessionEnded);
    form.Attach(&window);
    form.Form_Load();
    window.ShowModal();
  }
  return form.Answer();
}

FindFileWindow::FindFileWindow(frmFindFile& form, const std::function<void()>& sessionEnded)
    : FormWindow(kDesign, sessionEnded), form_(form) {
  Create();
}

FindFileWindow::~FindFileWindow() {
  // Destroyed here, while the picture the button shows still exists.
  Destroy();
}

LRESULT FindFileWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SYSCOLORCHANGE:
      // High Contrast turned on or off comes this way too.
      highContrast_ = HighContrastOn();
      ShowBrowsePicture();
      break;
    case WM_NCDESTROY:
      // Closed by a sent message (a scripted click, WM_CLOSE), the dialog is gone while the
      // modal loop sleeps in GetMessageW, which handles sent messages without returning: a
      // thread message wakes it. One posted to the window would go with the window.
      PostMessageW(nullptr, WM_NULL, 0, 0);
      break;
    case WM_DPICHANGED: {
      const LRESULT result = FormWindowBase::HandleMessage(message, wParam, lParam);
      ShowBrowsePicture();
      return result;
    }
  }
  return FormWindowBase::HandleMessage(message, wParam, lParam);
}

void FindFileWindow::OnCreate() {
  CreateControls();
  const HWND instructions = Item(IDC_TXTINSTRUCTIONS);
  SendMessageW(instructions, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(instructions);

  highContrast_ = HighContrastOn();
  ShowBrowsePicture();
  AddToolTip(window_, Item(IDC_CMDSELLOOKUP));
}

void FindFileWindow::ShowBrowsePicture() {
  browsePicture_.ShowOn(Item(IDC_CMDSELLOOKUP), Dpi(), highContrast_);
}

void FindFileWindow::OnCommand(int id, int notification) {
  // IDOK and IDCANCEL (Enter and Escape) reach here too and are meant to do nothing.
  if (id == IDC_TXTLOOKUPPATH) {
    if (notification == EN_CHANGE && !settingPathText_) form_.txtLookupPath_Change();
    return;
  }
  if (notification != BN_CLICKED) return;
  if (id == IDC_CMDSELLOOKUP) form_.cmdSelLookup_Click();
  if (id == IDC_CMDOK) form_.cmdOK_Click();
  if (id == IDC_CMDCANCEL) form_.cmdCancel_Click();
}

void FindFileWindow::ShowModal() {
  if (window_ == nullptr) return;
  ShowFirstTime(SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  SetFocus(Item(IDC_TXTLOOKUPPATH));
  RunMessageLoop(window_);
}

void FindFileWindow::SetInstructionsText(const std::string& text) {
  if (!SetDlgItemTextW(window_, IDC_TXTINSTRUCTIONS, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the instructions");
  }
}

std::string FindFileWindow::LookupPathText() {
  return Narrow(TextOf(Item(IDC_TXTLOOKUPPATH)));
}

void FindFileWindow::SetLookupPathText(const std::string& text) {
  const HWND box = Item(IDC_TXTLOOKUPPATH);
  const std::wstring wide = Widen(text);
  // Like typing, only a real change is an event; the edit control's own notice is not relied
  // on, as systems differ in whether setting the text sends one.
  if (TextOf(box) == wide) return;
  settingPathText_ = true;
  const BOOL done = SetWindowTextW(box, wide.c_str());
  settingPathText_ = false;
  if (!done) throw LastErrorFailure("Can't set the path");
  form_.txtLookupPath_Change();
}

void FindFileWindow::SetLookupPathSelStart(std::size_t utf8Offset) {
  const std::string text = LookupPathText();
  const std::size_t bytes = utf8Offset < text.size() ? utf8Offset : text.size();
  const auto caret = static_cast<WPARAM>(Widen(std::string_view(text).substr(0, bytes)).size());
  SendDlgItemMessageW(window_, IDC_TXTLOOKUPPATH, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

void FindFileWindow::SetOkEnabled(bool enabled) {
  EnableWindow(Item(IDC_CMDOK), enabled ? TRUE : FALSE);
}

}  // namespace tarvic::win32
