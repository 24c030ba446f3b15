#include <doctest.h>

#include <cstdlib>

#include "Kit.h"

namespace {

// Posts as the keyboard delivers to the focused control, then waits until the program has
// handled it and painted: a message sent is answered only once those before it were.
void PostAndSettle(HWND window, UINT message, LPARAM flags, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) PostMessageW(window, message, key, flags);
  SendWithin(window, WM_NULL, 0, 0);
  Sleep(200);
  SendWithin(window, WM_NULL, 0, 0);
}

}  // namespace

TEST_CASE("windows: layout and keys with screenshots") {
  const std::string dpi = FromScript("TARVIC_E2E_DPI");
  // Inner sizes are designed at 96 dots per inch and scale with the screen, give or take a pixel.
  auto checkAndShoot = [&](HWND window, int width96, int height96, const std::string& name) {
    RECT inner{};
    GetClientRect(window, &inner);
    CHECK(std::abs(inner.right - width96 * std::stoi(dpi) / 96) <= 1);
    CHECK(std::abs(inner.bottom - height96 * std::stoi(dpi) / 96) <= 1);
    PostAndSettle(window, WM_NULL, 0, {});
    CHECK(AskHost("shot " + name + "-" + dpi + "dpi"));
  };
  KitFolder kit("windows");
  App app(kit.Exe());

  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  checkAndShoot(dialog, 454, 205, "locate-dialog");
  HWND path = GetDlgItem(dialog, IDC_TXTLOOKUPPATH);
  Type(path, kStandinExe);
  PostAndSettle(path, WM_KEYDOWN, 1, {VK_RETURN, VK_ESCAPE});
  CHECK(IsWindowVisible(dialog));
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == kStandinExe);
  Press(dialog, IDC_CMDOK);

  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  checkAndShoot(main, 569, 299, "main-window");
  HWND report = GetDlgItem(main, IDC_TXTREPORT);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  REQUIRE(GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui));
  CHECK(gui.hwndFocus == report);
  EmptyTheClipboard();
  PostAndSettle(report, WM_KEYDOWN, 1, {VK_RETURN, VK_ESCAPE});
  CHECK(IsWindowVisible(main));
  CHECK(ClipboardText() == "");
  PostAndSettle(report, WM_SYSCHAR, 0x20000001,
                {'c'});  // Alt+C once translated: bit 29 says Alt is down
  CHECK(ClipboardText(3000) == ItemText(main, IDC_TXTREPORT));
  CloseExpectingExit0(app, main);
}
