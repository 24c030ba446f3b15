#include <doctest.h>

#include "Kit.h"

// In a folder whose name cmd would mangle and the OEM code page cannot hold, the tool started
// directly gets the real paths. Exit-code order is native tests' concern; these need real files.
TEST_CASE("quiet runs: exit codes and the tool's exact arguments without any window") {
  KitFolder tools("reg tool", {});
  const std::string tool = tools.path + "ESRIRegAsm.exe", given = " /tool:\"" + tool + "\"";
  WriteBytes(tool, FileText(kStandinExe));
  const std::string logFile = tools.path + "reg.log", log = " \"/log:" + logFile + "\"";
  const std::string name = "Kit 100% & R^D \xCE\xA9";
  const std::string at = FromScript("TARVIC_E2E_WORK") + "\\" + name + "\\";
  const std::string registered = tool + "|/p:Desktop|" + at + "ParcelNum.dll|/f:" + at +
                                 "ParcelNum.reg|/s\n" + tool + "|/p:Desktop|" + at +
                                 "PointImport.dll|/f:" + at + "PointImport.reg|/s\n";
  struct Run {
    std::string arguments;
    long exitCode;
    std::string calls, logEnd;
    const char* failing = nullptr;  // a library for which the tool, in the program folder, fails
    const char* ask = nullptr;  // of the test script first: "lock" the folder, or "open" it to all
    bool viewer = false;        // a log viewer follows from the first call on
  };
  const Run runs[] = {
      {"/register" + given + log, 0, registered,
       "  --> Survey Point Import: registered\r\n\r\n2 of 2 registered.\r\n", nullptr, nullptr,
       true},
      {"/register" + given + log, 1603, registered,
       "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 2147942414 / 0x8007000E)"
       "\r\n\r\n1 of 2 registered.\r\n",
       "PointImport.dll"},
      {"/unregister" + given + log, 0,
       tool + "|/p:Desktop|/u|" + at + "ParcelNum.dll|/s\n" + tool + "|/p:Desktop|/u|" + at +
           "PointImport.dll|/s\n",
       "\r\n2 of 2 unregistered.\r\n"},
      // The backslash escapes the closing quote: /quiet is in the value, and still counts.
      {"/register /log:\"" + tools.path + "\"", 87, "", ""},
      {given + " \"/log:" + tools.path + "no folder\\reg.log\"", 4, "", ""},
      // Every process is elevated under Wine: a folder others can change starts nothing.
      {"/register" + given + log, 1625, "",
       "  --> " + at.substr(0, at.size() - 1) +
           " (folder): Everyone\r\nCopy the extensions into a folder that only administrators "
           "can change (see the README), then start again.\r\n",
       nullptr, "open"},
  };
  for (const Run& run : runs) {
    CAPTURE(run.arguments);
    KitFolder kit(name, {"ParcelNum", "PointImport"});
    if (run.failing) WriteBytes(kit.path + run.failing + ".code", "2147942414");
    if (run.ask) REQUIRE(AskHost(run.ask + (" " + name)));
    DeleteFileW(Widen(logFile).c_str());
    const std::string hold = kit.path + "ParcelNum.dll.hold";
    if (run.viewer) WriteBytes(hold, "");
    App app(kit.Exe(), run.arguments + " /quiet", "", -1, DETACHED_PROCESS);
    HANDLE viewer = INVALID_HANDLE_VALUE;
    if (run.viewer) {  // reading, letting others read and write, as CMTrace does
      CHECK(PollUntil(20000, [&] { return FilesIn(tools.path, "ESRIRegAsm.log").size() == 1; }));
      viewer = CreateFileW(Widen(logFile).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
      CHECK(viewer != INVALID_HANDLE_VALUE);
      DeleteFileW(Widen(hold).c_str());
    }
    CHECK(ExitCodeUnseen(app) == run.exitCode);
    if (run.viewer) CloseHandle(viewer);
    CHECK(ToolCalls(tools.path) == run.calls);
    CHECK(FilesIn(kit.path, "*.bat").empty() == (run.exitCode == 87));  // a bad line does nothing
    CHECK(FileText(logFile).ends_with(run.logEnd));
  }
}

// Lines appear as calls end; Close mid-call goes at once, lets the call end, starts no other.
TEST_CASE("registration: the window shows each line as it comes and Close stops the rest") {
  KitFolder tools("reg tool", {});
  const std::string tool = tools.path + "ESRIRegAsm.exe";
  WriteBytes(tool, FileText(kStandinExe));
  KitFolder kit("reg window", {"ParcelNum", "PointImport", "WellLogs"});
  const std::string hold = kit.path + "PointImport.dll.hold";
  WriteBytes(hold, "");
  App app(kit.Exe(), "/register /log:reg.log /tool:\"" + tool + "\"");
  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  CHECK(PollUntil(20000, [&] {
    return ItemText(main, IDC_TXTREPORT).ends_with("  --> Parcel Numbering Tools: registered");
  }));
  CHECK(PollUntil(5000, [&] {
    return FileText(tools.path + "ESRIRegAsm.log").find("PointImport.dll") != std::string::npos;
  }));
  Press(main, IDC_CMDCLOSE);
  CHECK(app.WaitExit(500) == -1);  // the held call is still running
  DeleteFileW(Widen(hold).c_str());
  CHECK(app.WaitExit(20000) == 1603);
  CHECK(ToolCalls(tools.path).find("WellLogs") == std::string::npos);
  CHECK(FileText(kit.path + "reg.log")
            .ends_with("  --> Survey Point Import: registered\r\n"
                       "  --> Well Log Viewer: not run\r\n\r\n2 of 3 registered.\r\n"));
}
