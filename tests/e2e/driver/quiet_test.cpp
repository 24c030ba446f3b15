#include <doctest.h>

#include "Kit.h"

namespace {

// A quiet run is started by a deployment system with nobody at the screen: it must show nothing
// at any moment, so its windows are looked for all the while it runs.
long ExitCodeUnseen(App& app) {
  HWND shown = nullptr;
  PollUntil(20000, [&] {
    shown = shown ? shown : VisibleWindow(app.info.dwProcessId);
    return app.WaitExit(0) != -1;
  });
  CHECK_MESSAGE(!shown, "a window showed");
  return app.WaitExit(0);
}

}  // namespace

// The exit codes' order is the native tests' concern; these are the failures only a real file
// system gives.
TEST_CASE("quiet runs: exit codes and files written without any window") {
  // Runs start here, so a relative log lands here; the space makes /tool: take its path quoted.
  KitFolder here("quiet start", {});
  const std::string tool = here.path + "ESRIRegAsm.exe", log = here.path + "quiet.log";
  WriteBytes(tool, FileText(kStandinExe));
  const std::string given = " /tool:\"" + tool + "\"", toLog = " /log:quiet.log";
  const std::string lostLog = " \"/log:" + here.path + "no folder\\quiet.log\"";
  struct Run {
    const char* what;
    std::string arguments;
    long exitCode;
    const char* writes;  // "batch files", "log", both or neither
    std::vector<std::string> rows = {"ParcelNum"};
    bool locked = false;
  };
  const Run runs[] = {
      {"extensions present", given + toLog, 0, "batch files and log"},
      {"log unwritable", given + lostLog, 4, "batch files"},
      {"program folder unwritable", given + toLog, 3, "log", {"ParcelNum"}, true},
  };
  for (const Run& run : runs) {
    CAPTURE(run.what);
    KitFolder kit("quiet", run.rows);
    if (run.locked) REQUIRE(AskHost("lock quiet"));
    DeleteFileW(Wide(log).c_str());
    EmptyTheClipboard();
    App app(kit.Exe(), "/quiet" + run.arguments, here.path);
    CHECK(ExitCodeUnseen(app) == run.exitCode);
    const std::string writes = run.writes;
    CHECK(BatchFilesIn(kit.path) ==
          (writes.starts_with("batch") ? ExpectedBatchFiles(tool, kit, true) : ""));
    CHECK(FileText(log).starts_with("<no file") == !writes.ends_with("log"));
    CHECK(ClipboardText() == "");
    if (run.exitCode != 0) continue;

    // The tool shows a box of its own after each call unless it is given /s.
    CHECK(ToolCallsOfBatchFiles(kit.path, here.path) == ExpectedToolCalls(tool, kit, true));
    // The log is the report as the window shows it, with a byte-order mark and CR LF at the end.
    App shown(kit.Exe(), given);
    HWND main = Shown(shown, TARVIC_BATCH_CLASS);
    CHECK(FileText(log) == "\xEF\xBB\xBF" + ItemText(main, IDC_TXTREPORT) + "\r\n");
    CloseExpectingExit0(shown, main);
  }
  // As a deployment script sees it: start /wait hands the program's exit code on to cmd.
  const std::string start = "/c start \"\" /wait \"" + FromScript("TARVIC_E2E_APP") + "\"";
  CHECK(App("cmd.exe", start + " /quiet /bogus", here.path).WaitExit(20000) == 87);
}
