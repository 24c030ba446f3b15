#include <doctest.h>

#include <cstdlib>
#include <set>

#include "Kit.h"

namespace {

// Posts as the keyboard would, then waits till handled and painted (sent messages answer in order).
void PostAndSettle(HWND window, UINT message, LPARAM flags, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) PostMessageW(window, message, key, flags);
  SendWithin(window, WM_NULL, 0, 0);
  Sleep(200);
  SendWithin(window, WM_NULL, 0, 0);
}

// What assistive technology reads, a line per control in z-order (the tab order): class, text (not
// of text boxes: that is content), and the styles for shown, reached by Tab, editable.
std::string Controls(HWND window) {
  std::string all;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(c, name, 64);
    const std::string kind = Narrow(CharLowerW(name));
    const auto style = static_cast<DWORD>(GetWindowLongW(c, GWL_STYLE));
    // The low style bits mean different things in each class.
    const std::pair<DWORD, const char*> flags[] = {
        {WS_TABSTOP, " tab"},
        {WS_HSCROLL, " hscroll"},
        {WS_VSCROLL, " vscroll"},
        {kind == "edit" ? ES_READONLY : 0, " readonly"},
        {kind == "static" ? SS_NOPREFIX : 0, " noprefix"}};
    all += kind == "edit" ? kind : kind + " \"" + TextOf(c) + "\"";
    for (const auto& [bit, flag] : flags) all += style & bit ? flag : "";
    all += style & WS_VISIBLE ? "\n" : " hidden\n";
  }
  return all;
}

std::set<COLORREF> ColoursIn(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  HDC screen = GetDC(nullptr);
  std::set<COLORREF> colours;
  for (LONG y = r.top + 3; y < r.bottom - 3; ++y) {
    for (LONG x = r.left + 3; x < r.right - 3; ++x) colours.insert(GetPixel(screen, x, y));
  }
  ReleaseDC(nullptr, screen);
  return colours;
}

struct ButtonFace {  // of the programs started while it lives
  explicit ButtonFace(COLORREF colour) { SetSysColors(1, &kIndex, &colour); }
  ~ButtonFace() { SetSysColors(1, &kIndex, &before); }
  static constexpr INT kIndex = COLOR_BTNFACE;
  COLORREF before = GetSysColor(COLOR_BTNFACE);
};

}  // namespace

// Inner sizes are designed at 96 dots per inch and scale with the screen, give or take a pixel.
// Wine hands neither window the starter's show command: only the program could hide or stretch it.
TEST_CASE("windows: layout at each DPI with screenshots") {
  const std::string dpi = FromScript("TARVIC_E2E_DPI");
  auto checkAndShoot = [&](HWND window, int width96, int height96, const std::string& name) {
    RECT inner{};
    GetClientRect(window, &inner);
    CHECK(std::abs(inner.right - width96 * std::stoi(dpi) / 96) <= 1);
    CHECK(std::abs(inner.bottom - height96 * std::stoi(dpi) / 96) <= 1);
    PostAndSettle(window, WM_NULL, 0, {});
    CHECK(AskHost("shot " + name + "-" + dpi + "dpi"));
  };
  KitFolder kit("windows");
  App app(kit.Exe(), "", "", std::stoi(FromScript("TARVIC_E2E_SHOW")));
  checkAndShoot(Shown(app, TARVIC_FINDFILE_CLASS), 454, 205, "locate-dialog");
  TypeToolPath(app, kStandinExe);
  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  checkAndShoot(main, 569, 299, "main-window");
  CloseExpectingExit0(app, main);
}

TEST_CASE("windows: what assistive technology reads; keys; system colours; a sent Cancel") {
  // Read as the program starts; the picture keeps its own colours on any button face.
  const COLORREF face = RGB(0x20, 0x40, 0x80), outline = RGB(0x7A, 0x5A, 0x00);
  const ButtonFace changed(face);
  KitFolder kit("windows");
  App app(kit.Exe());

  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  CHECK(TextOf(dialog) == " Specify Location of ESRIRegAsm.exe:");
  CHECK((GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(Controls(dialog) ==
        "static \"Path of ESRIRegAsm.exe\" noprefix hidden\n"
        "edit tab\n"
        "button \"Browse for Lookup Table...\" tab\n"
        "button \"Cancel\" tab\n"
        "button \"OK\" tab\n"
        "static \"Instructions\" noprefix hidden\n"
        "edit tab vscroll readonly\n");
  // The tip shows once the mouse rests on the button.
  HWND browse = GetDlgItem(dialog, IDC_CMDSELLOOKUP);
  RECT button{};
  GetWindowRect(browse, &button);
  SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  PostMessageW(browse, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  HWND tip = nullptr;
  PollUntil(3000, [&] { return (tip = VisibleWindow(app.info.dwProcessId, L"tooltips_class32")); });
  CHECK(TextOf(tip) == "Browse for Lookup Table...");
  const std::set<COLORREF> picture = ColoursIn(browse);
  CHECK(picture.contains(face));
  CHECK(picture.contains(outline));
  CHECK(!picture.contains(RGB(0xC0, 0xC0, 0xC0)));  // the designed stand-in for transparent

  HWND path = GetDlgItem(dialog, IDC_TXTLOOKUPPATH);
  Type(path, kStandinExe);
  PostAndSettle(path, WM_KEYDOWN, 1, {VK_RETURN, VK_ESCAPE});
  CHECK(IsWindowVisible(dialog));
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == kStandinExe);
  // Sent as scripts do, the click returns once the dialog is gone; the run goes on and gives up.
  SendWithin(GetDlgItem(dialog, IDC_CMDCANCEL), BM_CLICK, 0, 0);
  Press(Shown(app, kDialogClass), IDOK);  // the box that says so: the native tests pin its text

  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  CHECK(TextOf(main) == "Make Installation Batch Files:");
  CHECK((GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(Controls(main) ==
        "static \"Report\" noprefix hidden\n"
        "edit tab vscroll readonly\n"
        "button \"Close\" tab\n"
        "button \"&Copy to Clipboard\" tab\n");
  HWND report = GetDlgItem(main, IDC_TXTREPORT);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
  CHECK(gui.hwndFocus == report);
  CHECK((OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard()));
  PostAndSettle(report, WM_KEYDOWN, 1, {VK_RETURN, VK_ESCAPE});
  CHECK(IsWindowVisible(main));
  CHECK(ClipboardText(1000) == "");
  PostAndSettle(report, WM_SYSCHAR, 0x20000001,
                {'c'});  // Alt+C once translated: bit 29 says Alt is down
  CHECK(ClipboardText(3000) == ItemText(main, IDC_TXTREPORT));
  CloseExpectingExit0(app, main);
}
