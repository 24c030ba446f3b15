#include "ui/win32/FindFileWindow.h"

#include <array>

#include "host/win32/DynamicCalls.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "ui/Layout.h"
#include "ui/win32/ControlIds.h"

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

}  // namespace

std::string ShowFindFileDialog(Host& host, ErrorSink& errors) {
  // Declared first, so the answer outlives the window.
  frmFindFile form(host, errors);
  {
    FindFileWindow window(form);
    form.Attach(&window);
    form.Form_Load();
    window.ShowModal();
  }
  return form.Answer();
}

FindFileWindow::FindFileWindow(frmFindFile& form) : form_(form) {
  RegisterFormClass(TARVIC_FINDFILE_CLASS, WindowProc);
  if (!CreateWindowExW(kExStyle, TARVIC_FINDFILE_CLASS, L" Specify Location of ESRIRegAsm.exe:",
                       kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                       GetModuleHandleW(nullptr), this)) {
    throw LastErrorFailure("Can't create a window");
  }
}

FindFileWindow::~FindFileWindow() {
  // Destroyed here, while the picture the button shows still exists.
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK FindFileWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = AttachedWindow<FindFileWindow>(window, message, lParam);
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
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
      break;
  }
  // WM_CLOSE (close box, system menu, Alt+F4) destroys the window.
  return DefWindowProcW(window, message, wParam, lParam);
}

void FindFileWindow::OnCreate() {
  const int dpi = WindowDpi(window_);
  font_ = std::make_unique<DialogFont>(dpi);
  CreateControls(window_, layout::findfile::kInnerWidth, layout::findfile::kInnerHeight, kControls,
                 font_->Get(), dpi);
  const HWND instructions = GetDlgItem(window_, IDC_TXTINSTRUCTIONS);
  SendMessageW(instructions, EM_SETLIMITTEXT, 0, 0);
  LeaveDialogKeysToWindow(instructions);

  const HWND browse = GetDlgItem(window_, IDC_CMDSELLOOKUP);
  browsePicture_.ShowOn(browse, dpi);
  AddToolTip(window_, browse, L"Browse for Lookup Table...");
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

void FindFileWindow::OnActivate(bool active) {
  KeepFocusAcrossActivation(window_, active, focusBeforeDeactivation_, IDC_TXTLOOKUPPATH);
}

void FindFileWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  // The controls switch to the new font before the old one goes.
  auto font = std::make_unique<DialogFont>(dpi);
  PlaceForDpi(window_, suggested, kControls, font->Get(), dpi);
  font_ = std::move(font);
  browsePicture_.ShowOn(GetDlgItem(window_, IDC_CMDSELLOOKUP), dpi);
}

void FindFileWindow::ShowModal() {
  if (window_ == nullptr) return;
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  SetFocus(GetDlgItem(window_, IDC_TXTLOOKUPPATH));
  RunMessageLoop(window_);
}

void FindFileWindow::SetInstructionsText(const std::string& text) {
  if (!SetDlgItemTextW(window_, IDC_TXTINSTRUCTIONS, Widen(text).c_str())) {
    throw LastErrorFailure("Can't show the instructions");
  }
}

std::string FindFileWindow::LookupPathText() {
  return Narrow(TextOf(GetDlgItem(window_, IDC_TXTLOOKUPPATH)));
}

void FindFileWindow::SetLookupPathText(const std::string& text) {
  const HWND box = GetDlgItem(window_, IDC_TXTLOOKUPPATH);
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
  EnableWindow(GetDlgItem(window_, IDC_CMDOK), enabled ? TRUE : FALSE);
}

void FindFileWindow::Unload() {
  if (!DestroyWindow(window_)) throw LastErrorFailure("Can't close the window");
}

}  // namespace tarvic::win32
