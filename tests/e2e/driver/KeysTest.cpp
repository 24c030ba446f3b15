#include <doctest.h>

#include "ControlIds.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"

namespace {

// A key as the keyboard delivers it to the control with the focus; the program's message loop
// gives it to its dialog handling, as it would a real key press.
void PressKey(HWND control, UINT key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

// Alt+letter, as the keyboard delivers it once translated (bit 29: Alt is down).
void PressAlt(HWND control, wchar_t letter) {
  PostMessageW(control, WM_SYSCHAR, letter, 0x20000001);
}

// Lets the program work through what was posted: a message sent afterwards is answered only
// once everything before it has been handled.
void Settle(HWND window) {
  SendWithin(window, WM_NULL, 0, 0);
  Sleep(100);
  SendWithin(window, WM_NULL, 0, 0);
}

}  // namespace

TEST_CASE("keys: Enter and Escape press nothing and Alt+C copies") {
  ToolPlaces noTools;
  KitFolder kit("keys");
  kit.AddRow(1);
  App app(kit.Exe(), WindowsWithControl());

  HWND dialog = LocateDialog(app);
  HWND path = GetDlgItem(dialog, IDC_TXTLOOKUPPATH);
  Type(path, "C:\\typed");
  for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
    PressKey(path, key);
    Settle(dialog);
    CHECK(IsWindow(dialog));
    CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == "C:\\typed");
  }
  CHECK_FALSE(AnyShown(app.Pid(), kMessageBoxClass));
  Click(dialog, IDC_CMDCANCEL);
  Answer(MessageBoxTitled(app, kCancelledTitle), IDOK);

  HWND main = MainWindowWithoutPrompts(app);
  HWND report = GetDlgItem(main, IDC_TXTREPORT);
  DWORD thread = GetWindowThreadProcessId(main, nullptr);
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  REQUIRE(GetGUIThreadInfo(thread, &gui));
  CHECK(gui.hwndFocus == report);

  SetClipboardText("before");
  for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
    PressKey(report, key);
    Settle(main);
    CHECK(IsWindow(main));
  }
  CHECK(ClipboardText() == "before");

  PressAlt(report, L'c');
  Settle(main);
  CHECK(ClipboardText() == ReportOf(main));
  CloseExpectingExit0(app, main);
}
