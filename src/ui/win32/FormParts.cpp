#include "ui/win32/FormParts.h"

#include "host/win32/DynamicCalls.h"
#include "host/win32/MessagePump.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Twips.h"

namespace tarvic::win32 {

namespace {

LRESULT CALLBACK DialogKeysEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR) {
  const ComCtl32Calls& comctl32 = ComCtl32();
  if (message == WM_NCDESTROY) comctl32.removeWindowSubclass(edit, DialogKeysEditProc, subclassId);
  const LRESULT result = comctl32.defSubclassProc(edit, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  return result;
}

}  // namespace

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

DialogFont::DialogFont(int dpi) {
  // Built for XP, this structure lacks the Vista-only last member, and so its size is one that
  // every version accepts.
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics come at the system DPI; the window may sit on a monitor with another.
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    font_ = CreateFontIndirectW(&font);
    owned_ = font_ != nullptr;
  }
  if (font_ == nullptr) font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

DialogFont::~DialogFont() {
  if (owned_) DeleteObject(font_);
}

void CreateControls(HWND window, int innerWidth, int innerHeight,
                    std::span<const ChildControl> controls, HFONT font, int dpi) {
  const SIZE outer = OuterSizeForInner(window, innerWidth, innerHeight, dpi);
  SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ChildControl& control : controls) {
    const HWND child = CreateWindowExW(
        0, control.className, control.text, WS_CHILD | WS_VISIBLE | control.style,
        TwipsToPixels(control.rect.left, dpi), TwipsToPixels(control.rect.top, dpi),
        TwipsToPixels(control.rect.width, dpi), TwipsToPixels(control.rect.height, dpi), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

void PlaceForDpi(HWND window, const RECT& suggested, std::span<const ChildControl> controls,
                 HFONT font, int dpi) {
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ChildControl& control : controls) {
    const HWND child = GetDlgItem(window, control.id);
    SetWindowPos(child, nullptr, TwipsToPixels(control.rect.left, dpi),
                 TwipsToPixels(control.rect.top, dpi), TwipsToPixels(control.rect.width, dpi),
                 TwipsToPixels(control.rect.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void LeaveDialogKeysToWindow(HWND edit) {
  const ComCtl32Calls& comctl32 = ComCtl32();
  // Without all three the edit keeps its own keys; the windows still work.
  if (comctl32.setWindowSubclass != nullptr && comctl32.removeWindowSubclass != nullptr &&
      comctl32.defSubclassProc != nullptr) {
    comctl32.setWindowSubclass(edit, DialogKeysEditProc, 0, 0);
  }
}

void KeepFocusAcrossActivation(HWND window, bool active, HWND& remembered, int firstFocus) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) remembered = focus;
    return;
  }
  SetFocus(remembered != nullptr ? remembered : GetDlgItem(window, firstFocus));
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), text.size())));
  return text;
}

LRESULT PaintReadOnlyBoxWhite(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void AddToolTip(HWND owner, HWND control, const wchar_t* text) {
  const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  if (tip == nullptr) return;  // a missing tip is no reason to stop

  TOOLINFOW tool = {};
  // The version-2 size is the one both the old and the themed common controls accept.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

int RunMessageLoop(HWND until) {
  MSG message;
  while (until == nullptr || IsWindow(until)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return -1;
    if (got == 0) {
      const int exitCode = static_cast<int>(message.wParam);
      // A modal loop leaves the quit request to the outer loop.
      if (until != nullptr) PostQuitMessage(exitCode);
      return exitCode;
    }
    DispatchThreadMessage(message);
  }
  return 0;
}

}  // namespace tarvic::win32
