#include <doctest.h>

#include <vector>

#include "Kit.h"

namespace {

struct Process {
  DWORD id;
  std::vector<HWND> windows;  // top-level ones, hidden ones too
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM process) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  auto& found = *reinterpret_cast<Process*>(process);
  if (owner == found.id) found.windows.push_back(window);
  return TRUE;
}

}  // namespace

// A click sent, as scripts do, returns only once the dialog is gone; the run must go on all the
// same, to the give-up box and the same report and exit code as after a posted one.
TEST_CASE("desktop: a sent click on Cancel gives up as a posted one does") {
  std::vector<std::pair<std::string, long>> runs;
  for (const bool sent : {false, true}) {
    KitFolder kit("cancel");
    App app(kit.Exe(), "/log:run.log");
    const HWND cancel = GetDlgItem(Shown(app, TARVIC_FINDFILE_CLASS), IDC_CMDCANCEL);
    if (sent) {
      SendWithin(cancel, BM_CLICK, 0, 0);
    } else {
      PostMessageW(cancel, BM_CLICK, 0, 0);
    }
    HWND box = Shown(app, kDialogClass);
    CHECK(TextOf(box) == "Operation Cancelled:");
    Press(box, IDOK);
    HWND main = Shown(app, TARVIC_BATCH_CLASS);
    const std::string report = ItemText(main, IDC_TXTREPORT);
    Click(main, IDC_CMDCLOSE);
    runs.emplace_back(report, app.WaitExit());
  }
  CHECK(runs[1] == runs[0]);
  CHECK(runs[0].second == 2);
}

// Wine gives neither window the starter's command by itself: only the program's own use of it
// could hide or stretch them.
TEST_CASE("desktop: hidden and maximised starts show the designed windows") {
  const auto designed = [](HWND window, LONG width, LONG height) {
    RECT inner{};
    GetClientRect(window, &inner);
    CHECK(inner.right == width);
    CHECK(inner.bottom == height);
    CHECK(!IsZoomed(window));
  };
  for (const int show : {SW_HIDE, SW_SHOWMAXIMIZED}) {
    KitFolder kit("show");
    App app(kit.Exe(), "", "", show);
    designed(Shown(app, TARVIC_FINDFILE_CLASS), 454, 205);
    TypeToolPath(app, kStandinExe);
    HWND main = Shown(app, TARVIC_BATCH_CLASS);
    designed(main, 569, 299);
    CloseExpectingExit0(app, main);
  }
}

// As Windows signs out: every top-level window is asked, then told, and the process may be ended
// the moment the last one answers. The log, not yet written, is written once, ending as it must.
TEST_CASE("desktop: a sign-out during the dialog leaves the log") {
  KitFolder kit("sign-out");
  App app(kit.Exe(), "/log:run.log");
  Shown(app, TARVIC_FINDFILE_CLASS);
  Process process{app.info.dwProcessId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&process));
  REQUIRE(process.windows.size() >= 2);  // the dialog and the hidden main window
  for (HWND window : process.windows) {
    CHECK(SendWithin(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE);
  }
  for (HWND window : process.windows) SendWithin(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  TerminateProcess(app.info.hProcess, 1);
  CHECK(FileText(kit.path + "run.log") ==
        "\xEF\xBB\xBFThe run was ended by Windows (sign-out, shutdown or restart) before it "
        "finished.\r\n");
}
