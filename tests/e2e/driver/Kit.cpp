#include "Kit.h"

#include <doctest.h>

#include <chrono>
#include <thread>

#include "ControlIds.h"
#include "Expected.h"
#include "Gui.h"

std::string WindowsWithControl() {
  return FakeWindows("windows-ok", FakeWindows::Control::InSyswow64,
                     FakeWindows::Syswow64::WithFiles)
      .winDir;
}

HWND MainWindowWithoutPrompts(const App& app) {
  REQUIRE_MESSAGE(app.Started(), "could not start " << AppExe());
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAppearMs);
  while (std::chrono::steady_clock::now() < limit) {
    if (HWND main = FindShown(app.Pid(), TARVIC_BATCH_CLASS, kMainTitle)) return main;
    for (const wchar_t* prompt : {kMessageBoxClass, TARVIC_FINDFILE_CLASS}) {
      if (HWND other = AnyShown(app.Pid(), prompt)) {
        FAIL("a window showed before the report: \"" << Text(other) << "\"\n"
                                                     << MessageText(other));
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  FAIL("the main window did not show");
  return nullptr;
}

HWND MainWindow(const App& app) {
  HWND main = WaitShown(app.Pid(), TARVIC_BATCH_CLASS, kMainTitle);
  REQUIRE_MESSAGE(main, "the main window did not show");
  return main;
}

std::string ReportOf(HWND main) {
  return ItemText(main, IDC_TXTREPORT);
}

void CloseExpectingExit0(App& app, HWND main) {
  Click(main, IDC_CMDCLOSE);
  DWORD code = 1;
  CHECK_MESSAGE(app.WaitExit(kGoneMs, code), "the program did not end after Close");
  CHECK(code == 0);
}

HWND LocateDialog(const App& app) {
  REQUIRE_MESSAGE(app.Started(), "could not start " << AppExe());
  HWND dialog = WaitShown(app.Pid(), TARVIC_FINDFILE_CLASS, kLocateTitle);
  REQUIRE_MESSAGE(dialog, "the locate dialog did not show");
  return dialog;
}

void TypeToolPath(const App& app, const std::string& path) {
  HWND dialog = LocateDialog(app);
  Type(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), path);
  Click(dialog, IDC_CMDOK);
  REQUIRE(WaitGone(dialog));
}

HWND MessageBoxTitled(const App& app, const std::string& title) {
  HWND box = WaitShown(app.Pid(), kMessageBoxClass, title);
  REQUIRE_MESSAGE(box, "no message box \"" << title << "\"");
  return box;
}

void Answer(HWND box, int button) {
  Click(box, button);
  REQUIRE_MESSAGE(WaitGone(box), "the message box stayed open");
}
