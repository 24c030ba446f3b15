#include "Kit.h"

// A run started by its 8.3 name is held in its first call: starts by the long name change nothing,
// and it ends as if alone, the tool given long names. The lock shows only during a run: a power
// loss's blocks nothing, and a killed run's goes with it, as does its tool.
TEST_CASE("one run per folder: a second start does nothing while a run registers") {
  KitFolder tools("reg tool", {});
  const std::string tool = tools.path + "ESRIRegAsm.exe", reg = " /register /tool:\"" + tool + "\"";
  WriteBytes(tool, FileText(kStandinExe));
  KitFolder kit("one run at a time", {"ParcelNum", "PointImport"});
  const std::string hold = kit.path + "ParcelNum.dll.hold", exit = FromScript("TARVIC_E2E_WORK");
  const auto inFirstCall = [&] {
    return PollUntil(20000, [&] {
      return FileText(tools.path + "ESRIRegAsm.log").find("ParcelNum") != std::string::npos;
    });
  };
  const auto locked = [&] { return FilesIn(kit.path, "Tarvic_Kit.lock").size() == 1; };
  WriteBytes(kit.path + "Tarvic_Kit.lock", "");
  WriteBytes(hold, "");
  REQUIRE(AskHost("start " + ShortForm(kit.Exe()) + " /quiet /register /log:" +
                  ShortForm(kit.path) + "first.log /tool:" + ShortForm(tool)));
  REQUIRE(inFirstCall());
  CHECK(locked());

  App quiet(kit.Exe(), "/quiet /log:second.log" + reg);
  CHECK(ExitCodeUnseen(quiet) == 1618);
  App windowed(kit.Exe());
  HWND box = Shown(windowed, kDialogClass);
  CHECK(TextOf(box) == "Tarvic_Kit");
  CHECK(ItemText(box, 0xFFFF) ==
        "Tarvic_Kit.exe is already running for this folder; nothing was done.");
  Press(box, IDOK);
  CHECK(windowed.WaitExit() == 0);

  DeleteFileW(Widen(hold).c_str());
  CHECK(PollUntil(20000, [&] { return FileText(exit + "\\host-exit") == "0\n"; }));
  const std::string at = ShortForm(tool) + "|/p:Desktop|" + kit.path;
  CHECK(ToolCalls(tools.path) == at + "ParcelNum.dll|/f:" + kit.path + "ParcelNum.reg|/s\n" + at +
                                     "PointImport.dll|/f:" + kit.path + "PointImport.reg|/s\n");
  CHECK(FileText(kit.path + "first.log").ends_with("\r\n\r\n2 of 2 registered.\r\n"));
  CHECK(!locked());

  WriteBytes(hold, "");
  App killed(kit.Exe(), "/quiet" + reg);
  REQUIRE(inFirstCall());
  TerminateProcess(killed.info.hProcess, 1);
  // A program's file cannot be deleted while it runs.
  CHECK(PollUntil(5000, [&] { return !locked() && DeleteFileW(Widen(tool).c_str()); }));
  DeleteFileW(Widen(hold).c_str());
}
