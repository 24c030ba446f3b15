#include <doctest.h>

#include "Kit.h"

// As Windows signs out: every top-level window is asked, then told, and the process may be ended
// the moment the last one answers. The log, not yet written, is written once, ending as it must.
TEST_CASE("desktop: a sign-out during the dialog leaves the log") {
  KitFolder kit("sign-out");
  App app(kit.Exe(), "/log:run.log");
  Shown(app, TARVIC_FINDFILE_CLASS);
  const std::vector<HWND> windows = WindowsOf(app.info.dwProcessId);
  REQUIRE(windows.size() >= 2);  // the dialog and the hidden main window
  for (HWND w : windows) CHECK(SendWithin(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE);
  for (HWND w : windows) SendWithin(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  TerminateProcess(app.info.hProcess, 1);
  CHECK(FileText(kit.path + "run.log") ==
        "\xEF\xBB\xBFThe run was ended by Windows (sign-out, shutdown or restart) before it "
        "finished.\r\n");
}
