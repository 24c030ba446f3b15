#include <doctest.h>

#include "Kit.h"

namespace {

// The calls the stand-in logged since the last look, each as "TOOL|ARG|ARG...".
std::string ToolCalls(const std::string& toolFolder) {
  const std::string calls = FileText(toolFolder + "ESRIRegAsm.log");
  DeleteFileW(Wide(toolFolder + "ESRIRegAsm.log").c_str());
  return calls.starts_with("<no file") ? "" : calls;
}

}  // namespace

// The tool is started directly, in catalogue order, and must receive the real paths of a folder
// whose name cmd would mangle and the console code page cannot hold.
TEST_CASE("registration: quiet runs start the tool once per extension with its exact arguments") {
  KitFolder tools("reg tool", {});
  const std::string tool = tools.path + "ESRIRegAsm.exe", given = " /tool:\"" + tool + "\"";
  WriteBytes(tool, FileText(kStandinExe));
  const std::string name = "Kit 100% & R^D \xCE\xA9", log = " /log:reg.log";
  const std::string at = FromScript("TARVIC_E2E_WORK") + "\\" + name + "\\";
  const std::string registered = tool + "|/p:Desktop|" + at + "ParcelNum.dll|/f:" + at +
                                 "ParcelNum.reg|/s\n" + tool + "|/p:Desktop|" + at +
                                 "PointImport.dll|/f:" + at + "PointImport.reg|/s\n";
  struct Run {
    std::string arguments;
    const char* failing;  // a library for which the tool, in the program folder, fails
    long exitCode;
    std::string calls, logEnd;
  };
  const Run runs[] = {
      {"/register" + given + log, nullptr, 0, registered,
       "  --> Survey Point Import: registered\r\n\r\n2 of 2 registered.\r\n"},
      {"/register" + given + log, "PointImport.dll", 1603, registered,
       "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 2147942414 / 0x8007000E)"
       "\r\n\r\n"
       "1 of 2 registered.\r\n"},
      {"/unregister" + given + log, nullptr, 0,
       tool + "|/p:Desktop|/u|" + at + "ParcelNum.dll|/s\n" + tool + "|/p:Desktop|/u|" + at +
           "PointImport.dll|/s\n",
       "\r\n2 of 2 unregistered.\r\n"},
      {"/register /unregister" + given + log, nullptr, 87, "", ""},
      {"/register" + log, nullptr, 2, "", ""},  // the tool is at none of the fixed places
  };
  for (const Run& run : runs) {
    CAPTURE(run.arguments);
    KitFolder kit(name, {"ParcelNum", "PointImport"});
    if (run.failing) WriteBytes(kit.path + run.failing + ".code", "2147942414");
    App app(kit.Exe(), "/quiet " + run.arguments);
    CHECK(app.WaitExit(20000) == run.exitCode);
    CHECK(ToolCalls(tools.path) == run.calls);
    CHECK(BatchFilesIn(kit.path).empty() == (run.exitCode == 87 || run.exitCode == 2));
    CHECK(FileText(kit.path + "reg.log").ends_with(run.logEnd));
  }
}

// The window shows before the first call and gains each line as its call ends. Closed while a
// call runs, it goes at once; that call finishes, no other starts, and the log is completed.
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
  Click(main, IDC_CMDCLOSE);
  CHECK(PollUntil(2000, [&] { return !IsWindow(main) || !IsWindowVisible(main); }));
  CHECK(app.WaitExit(500) == -1);  // the held call is still running
  DeleteFileW(Wide(hold).c_str());
  CHECK(app.WaitExit(20000) == 1603);
  CHECK(ToolCalls(tools.path).find("WellLogs") == std::string::npos);
  CHECK(FileText(kit.path + "reg.log")
            .ends_with("  --> Survey Point Import: registered\r\n"
                       "  --> Well Log Viewer: not run\r\n\r\n2 of 3 registered.\r\n"));
}
