#include "ui/win32/FindFileWindow.h"

#include <array>

#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ChildControls.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/ToolTip.h"

namespace tarvic::win32 {

namespace {

// A thin fixed frame; control parent so Tab and access keys move between the controls.
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

constexpr DWORD kReadOnlyTextStyle =
    WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

// In tab order: the path box first, so the caret is there when the dialog opens.
constexpr std::array<ChildControl, 5> kControls = {{
    {IDC_TXTLOOKUPPATH, L"EDIT", L"txtLookupPath", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
     layout::findfile::txtLookupPath},
    {IDC_CMDSELLOOKUP, L"BUTTON", L"", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
     layout::findfile::cmdSelLookup},
    {IDC_CMDCANCEL, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, layout::findfile::cmdCancel},
    {IDC_CMDOK, L"BUTTON", L"OK", WS_TABSTOP | BS_PUSHBUTTON, layout::findfile::cmdOK},
    {IDC_TXTINSTRUCTIONS, L"EDIT", L"Text1", kReadOnlyTextStyle, layout::findfile::txtInstructions},
}};

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), text.size())));
  return text;
}

}  // namespace

std::string ShowFindFileDialog(Host& host) {
  // Declared first, so the answer outlives the window.
  frmFindFile form(host);
  {
    FindFileWindow window(form);
    form.Attach(&window);
    form.Form_Load();
    window.ShowModal();
  }
  return form.Answer();
}

FindFileWindow::FindFileWindow(frmFindFile& form) : form_(form) {
  Create({TARVIC_FINDFILE_CLASS, L" Specify Location of ESRIRegAsm.exe:", kStyle, kExStyle,
          layout::findfile::kInnerWidth, layout::findfile::kInnerHeight, kControls,
          IDC_TXTLOOKUPPATH});
}

FindFileWindow::~FindFileWindow() {
  DestroyNow();
  if (browsePicture_ != nullptr) DeleteObject(browsePicture_);
}

void FindFileWindow::ShowModal() {
  const HWND window = Window();
  if (window == nullptr) return;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetFocus(GetDlgItem(window, IDC_TXTLOOKUPPATH));
  RunMessageLoop(window);
}

void FindFileWindow::SetInstructionsText(const std::string& text) {
  if (!SetDlgItemTextW(Window(), IDC_TXTINSTRUCTIONS, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the instructions");
  }
}

std::string FindFileWindow::LookupPathText() {
  return Narrow(TextOf(GetDlgItem(Window(), IDC_TXTLOOKUPPATH)));
}

void FindFileWindow::SetLookupPathText(const std::string& text) {
  const HWND box = GetDlgItem(Window(), IDC_TXTLOOKUPPATH);
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
  SendDlgItemMessageW(Window(), IDC_TXTLOOKUPPATH, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

void FindFileWindow::SetOkEnabled(bool enabled) {
  EnableWindow(GetDlgItem(Window(), IDC_CMDOK), enabled ? TRUE : FALSE);
}

void FindFileWindow::OnCreated() {
  const HWND instructions = GetDlgItem(Window(), IDC_TXTINSTRUCTIONS);
  SendMessageW(instructions, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(instructions);

  const HWND browse = GetDlgItem(Window(), IDC_CMDSELLOOKUP);
  // The picture's first pixel marks its transparent colour, shown as the button face.
  browsePicture_ =
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BROWSE),
                                      IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
  SendMessageW(browse, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(browsePicture_));
  AddToolTip(Window(), browse, L"Browse for Lookup Table...");
}

void FindFileWindow::OnCommand(int id, int notification) {
  if (id == IDC_TXTLOOKUPPATH) {
    if (notification == EN_CHANGE && !settingPathText_) form_.txtLookupPath_Change();
    return;
  }
  if (notification != BN_CLICKED) return;
  if (id == IDC_CMDSELLOOKUP) form_.cmdSelLookup_Click();
  if (id == IDC_CMDOK) form_.cmdOK_Click();
  if (id == IDC_CMDCANCEL) form_.cmdCancel_Click();
}

}  // namespace tarvic::win32
